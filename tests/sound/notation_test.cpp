#include "sound/kaiutin.h"
#include "sound/nuotit.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace arkivo;
using Events = std::vector<std::pair<int, int>>; // (hz, ms); hz 0 is a silence

namespace {

constexpr int kOn = -1, kOff = -2; // RecordingTone's speaker events

class NotationTest : public ::testing::Test {
protected:
    void SetUp() override { sound::resetPlayerState(); }
    // Plays the tunes before, then records only the tune under test.
    void play(const std::vector<QString>& before, const QString& tune)
    {
        for (const QString& t : before)
            sound::PlayNotation(t);
        services.tone.clear();
        start = services.clock.sleptTotal;
        sound::PlayNotation(tune);
    }
    qint64 elapsed() const { return services.clock.sleptTotal - start; }

    test::TestServices services;
    qint64 start = 0;
};

struct PlayCase {
    const char* name;
    std::vector<QString> before;
    QString tune;
    Events events;
    int octaveAfter;
    int lengthAfter;
};

class PlayTable : public NotationTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(PlayTable, PlaysTonesAndKeepsState)
{
    const PlayCase& c = GetParam();
    play(c.before, c.tune);
    EXPECT_EQ(services.tone.events, c.events);
    int total = 0;
    for (const auto& e : c.events)
        total += e.second;
    EXPECT_EQ(elapsed(), total);
    const sound::PlayerState s = sound::playerState();
    EXPECT_EQ(s.octave, c.octaveAfter);
    EXPECT_EQ(s.length, c.lengthAfter);
    EXPECT_EQ(s.defaultLength, c.lengthAfter);
    EXPECT_EQ(s.duration, 1024 / c.lengthAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Tunes, PlayTable,
    ::testing::Values(
        PlayCase{"EighthC4", {}, "O4N4C8", {{262, 112}, {0, 16}}, 4, 4},
        PlayCase{"TwoRests", {}, "O4N4TT", {{0, 256}, {0, 256}}, 4, 4},
        PlayCase{"RestOwnLength", {"O4N4"}, "T8C", {{0, 128}, {262, 224}, {0, 32}}, 4, 4},
        PlayCase{"ShiftsOneNote", {"O4N4"}, ">C<C", {{523, 224}, {0, 32}, {131, 224}, {0, 32}}, 4, 4},
        PlayCase{"TwoShiftsKeepOne", {"O4N4"}, "<<C", {{65, 224}, {0, 32}}, 3, 4},
        PlayCase{"ShiftStopsAtTop", {"O7N4"}, ">C", {{2093, 224}, {0, 32}}, 7, 4},
        PlayCase{"Sharp", {"O4N4"}, "C#", {{277, 224}, {0, 32}}, 4, 4},
        PlayCase{"SharpPlus", {"O4N4"}, "C+", {{277, 224}, {0, 32}}, 4, 4},
        PlayCase{"Flat", {"O4N4"}, "D-", {{277, 224}, {0, 32}}, 4, 4},
        PlayCase{"OwnTableValues", {"N4"}, "O1A#O6DO7D", {{59, 224}, {0, 32}, {1174, 224}, {0, 32}, {2344, 224},
                                                          {0, 32}}, 7, 4},
        PlayCase{"Staccato", {"O4N4"}, "MSC", {{262, 192}, {0, 64}}, 4, 4},
        PlayCase{"LegatoNoTail", {"O4N4"}, "MLCMNC", {{262, 256}, {262, 224}, {0, 32}}, 4, 4},
        PlayCase{"SixthTruncated", {"O4"}, "N6C", {{262, 149}, {0, 21}}, 4, 6},
        PlayCase{"LowerCaseIgnored", {"O4N4"}, "c4", {}, 4, 4},
        PlayCase{"OtherCharsIgnored", {"O4N4"}, " =?@HIJKLPQRS#-5C", {{262, 224}, {0, 32}}, 4, 4},
        PlayCase{"SixteenthDefault", {"O4N16C"}, "C", {{262, 56}, {0, 8}}, 4, 16},
        PlayCase{"OneNoteLength", {"O4N4"}, "C16C", {{262, 56}, {0, 8}, {262, 224}, {0, 32}}, 4, 4},
        PlayCase{"NumbersAreBytes", {}, "O260N260C", {{262, 224}, {0, 32}}, 4, 4},
        PlayCase{"LongNumber", {"O4"}, "N4294967300C", {{262, 224}, {0, 32}}, 4, 4},
        PlayCase{"OctaveCarriesOver", {"O7MLB1"}, "N4C", {{2093, 224}, {0, 32}}, 7, 4},
        PlayCase{"DefaultLengthCarriesOver", {"O5N8"}, "C", {{523, 112}, {0, 16}}, 5, 8},
        PlayCase{"OctaveWithoutDigits", {"O5N4"}, "OC", {{523, 224}, {0, 32}}, 5, 4}),
    [](const ::testing::TestParamInfo<PlayCase>& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    QString tune;
    bool ntFamily;
    QString text;   // what() of the error
    bool range;     // RangeError rather than NotationError
    Events events;  // what sounded before the error
};

class ErrorTable : public NotationTest, public ::testing::WithParamInterface<ErrorCase> {};

const QString kNotation = QStringLiteral("Virhe nuotituksessa!");
const QString kLow37 = QStringLiteral("WinNT ja 2000 ei salli näin matalia ääniä! Vaihda Oktaavi 1:n C-    nuotti "
                                      "Äänieditorista korkeammaksi. Hz < 37");

TEST_P(ErrorTable, StopsTheTune)
{
    const ErrorCase& c = GetParam();
    services.tone.setNTFamily(c.ntFamily);
    try {
        play({"O4N4"}, c.tune);
        FAIL() << "no error";
    } catch (const sound::RangeError& e) {
        EXPECT_TRUE(c.range);
        EXPECT_EQ(QString::fromUtf8(e.what()), c.text);
    } catch (const sound::NotationError& e) {
        EXPECT_FALSE(c.range);
        EXPECT_EQ(QString::fromUtf8(e.what()), c.text);
    }
    EXPECT_EQ(services.tone.events, c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Tunes, ErrorTable,
    ::testing::Values(ErrorCase{"ESharp", "E#", true, kNotation, false, {}},
                      ErrorCase{"BPlus", "B+", true, kNotation, false, {}},
                      ErrorCase{"CFlat", "C-", true, kNotation, false, {}},
                      ErrorCase{"FFlat", "F-", true, kNotation, false, {}},
                      ErrorCase{"MB", "MB", true, kNotation, false, {}},
                      ErrorCase{"MF", "MF", true, kNotation, false, {}},
                      ErrorCase{"TrailingM", "CM", true, kNotation, false, {{262, 224}, {0, 32}}},
                      ErrorCase{"OctaveZero", "O0C", true, kNotation, false, {}},
                      ErrorCase{"OctaveEight", "O8C", true, kNotation, false, {}},
                      ErrorCase{"OctaveEightAsByte", "O264C", true, kNotation, false, {}},
                      ErrorCase{"LengthZero", "N0C", true, kNotation, false, {}},
                      ErrorCase{"LengthZeroAsByte", "N256C", true, kNotation, false, {}},
                      ErrorCase{"NoteLengthZero", "C512", true, kNotation, false, {}},
                      ErrorCase{"RestLengthZero", "T0", true, kNotation, false, {}},
                      ErrorCase{"LowOctaveOnNT", "O1C", true, kLow37, true, {}},
                      ErrorCase{"LowSharpOnNT", "O1C#", true, kLow37, true, {}}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST_F(NotationTest, LowOctavePlaysOnThe9xFamily)
{
    services.tone.setNTFamily(false);
    play({"N4"}, "O1C");
    // Counter 2 gets 1193181 div 33; the tone's 224 ms pass with the speaker on.
    EXPECT_EQ(services.tone.events, (Events{{kOn, 36157}, {kOff, 0}, {0, 32}}));
    EXPECT_EQ(elapsed(), 256);
}

TEST_F(NotationTest, BadOctaveOrLengthLeavesTheStateUsable)
{
    play({"O5N8"}, "");
    for (const QString& bad : {QStringLiteral("O9"), QStringLiteral("N0"), QStringLiteral("T256")})
        EXPECT_THROW(sound::PlayNotation(bad), sound::NotationError) << bad.toStdString();
    services.tone.clear();
    sound::PlayNotation("C");
    EXPECT_EQ(services.tone.events, (Events{{523, 112}, {0, 16}}));
}

TEST_F(NotationTest, ArticulationResetsForEachTune)
{
    play({"O4N4MS"}, "C");
    EXPECT_EQ(services.tone.events, (Events{{262, 224}, {0, 32}}));
    EXPECT_EQ(sound::playerState().articulation, 8);
}

TEST_F(NotationTest, ReportedErrorGoesToTheErrorBox)
{
    sound::PlayNotationReported("O4N4CE#D");
    EXPECT_EQ(services.tone.tones(), (Events{{262, 224}}));
    EXPECT_EQ(services.dialogs.messages(), QStringList{kNotation});
}

} // namespace
