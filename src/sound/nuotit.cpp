#include "sound/nuotit.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/tone_output.h"
#include "sound/kaiutin.h"

#include <optional>

namespace arkivo::sound {

namespace {

constexpr int kWholeNoteMs = 1024;
constexpr int kNormal = 8;
constexpr int kStaccato = 4;
constexpr int kLegato = 0;
constexpr int kNoSemitone = 12; // E#, B#, C-, F-
constexpr int kOctaves = 7;

// Semitone of each letter A..G, plain, sharp and flat (C = 0).
constexpr int kPlain[7] = {9, 11, 0, 2, 4, 5, 7};
constexpr int kSharp[7] = {10, kNoSemitone, 1, 3, kNoSemitone, 6, 8};
constexpr int kFlat[7] = {8, 10, kNoSemitone, 1, 3, kNoSemitone, 6};

// Hertz by semitone and octave 1..7: equal temperament from A4 = 440 Hz,
// whole hertz, except D6 1174, D7 2344 and A#1 59, which tunes have always
// been played with.
constexpr quint16 kFrequency[12][kOctaves] = {
    {33, 65, 131, 262, 523, 1047, 2093},  {35, 69, 139, 277, 554, 1109, 2217},
    {37, 73, 147, 294, 587, 1174, 2344},  {39, 78, 156, 311, 622, 1245, 2489},
    {41, 82, 165, 330, 659, 1319, 2637},  {44, 87, 175, 349, 698, 1397, 2794},
    {46, 92, 185, 370, 740, 1480, 2960},  {49, 98, 196, 392, 784, 1568, 3136},
    {52, 104, 208, 415, 831, 1661, 3322}, {55, 110, 220, 440, 880, 1760, 3520},
    {59, 117, 233, 466, 932, 1865, 3729}, {62, 123, 247, 494, 988, 1976, 3951},
};

// Module-wide: a tune that sets no octave or length plays with what the
// previous one left, and a tune started from inside a long rest shares it.
PlayerState g_state;

[[noreturn]] void notationError() { throw NotationError("Virhe nuotituksessa!"); }

// Lengths are bytes: "N260" is a quarter. A length of 0 has no duration.
void setLength(int n)
{
    if (n == 0)
        notationError();
    g_state.length = n;
    g_state.duration = kWholeNoteMs / n;
}

// The digits right after pos, as a byte; pos is left on the last digit.
// Taken modulo 256 as it is read, so any number of digits is safe.
std::optional<int> readNumber(const QString& text, qsizetype& pos)
{
    std::optional<int> value;
    while (pos + 1 < text.size()) {
        const char16_t c = text.at(pos + 1).unicode();
        if (c < u'0' || c > u'9')
            break;
        value = (value.value_or(0) * 10 + (c - u'0')) % 256;
        ++pos;
    }
    return value;
}

void rest(int ms) { platform::tone().silence(ms); }

void playNote(const QString& text, qsizetype& pos)
{
    const int letter = text.at(pos).unicode() - u'A';
    int semitone = kPlain[letter];
    if (pos + 1 < text.size()) {
        const QChar next = text.at(pos + 1);
        if (next == u'#' || next == u'+') {
            semitone = kSharp[letter];
            ++pos;
        } else if (next == u'-') {
            semitone = kFlat[letter];
            ++pos;
        }
    }
    if (const auto n = readNumber(text, pos))
        setLength(*n);
    if (semitone == kNoSemitone)
        notationError();

    const int tail = g_state.articulation == kLegato ? 0 : g_state.duration / g_state.articulation;
    PlayTone(kFrequency[semitone][g_state.octave - 1], g_state.duration - tail);
    rest(tail);
    g_state.octave = g_state.savedOctave;
    setLength(g_state.defaultLength);
}

} // namespace

void PlayNotation(const QString& notation)
{
    g_state.articulation = kNormal;
    for (qsizetype pos = 0; pos < notation.size(); ++pos) {
        const char16_t c = notation.at(pos).unicode();
        switch (c) {
        case u'O':
            if (const auto n = readNumber(notation, pos)) {
                // Octaves outside 1..7 are not in the table.
                if (*n < 1 || *n > kOctaves)
                    notationError();
                g_state.octave = *n;
                g_state.savedOctave = *n;
            }
            break;
        case u'<':
            if (g_state.octave > 1) {
                g_state.savedOctave = g_state.octave;
                --g_state.octave;
            }
            break;
        case u'>':
            if (g_state.octave < kOctaves) {
                g_state.savedOctave = g_state.octave;
                ++g_state.octave;
            }
            break;
        case u'N':
            if (const auto n = readNumber(notation, pos))
                setLength(*n);
            g_state.defaultLength = g_state.length;
            break;
        case u'T':
            if (const auto n = readNumber(notation, pos))
                setLength(*n);
            rest(g_state.duration);
            setLength(g_state.defaultLength);
            break;
        case u'M': {
            ++pos;
            const char16_t kind = pos < notation.size() ? notation.at(pos).unicode() : u'\0';
            if (kind == u'L')
                g_state.articulation = kLegato;
            else if (kind == u'N')
                g_state.articulation = kNormal;
            else if (kind == u'S')
                g_state.articulation = kStaccato;
            else
                notationError();
            break;
        }
        case u'A':
        case u'B':
        case u'C':
        case u'D':
        case u'E':
        case u'F':
        case u'G':
            playNote(notation, pos);
            break;
        default:
            break; // blanks, lower case, stray digits and accidentals
        }
    }
}

void PlayNotationReported(const QString& notation)
{
    try {
        PlayNotation(notation);
    } catch (const std::exception& e) {
        platform::dialogs().error(QString::fromUtf8(e.what()));
    }
}

PlayerState playerState() { return g_state; }

void resetPlayerState() { g_state = PlayerState{}; }

} // namespace arkivo::sound
