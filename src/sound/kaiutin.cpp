#include "sound/kaiutin.h"

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/tone_output.h"

#include <QString>

namespace arkivo::sound {

namespace {

constexpr quint32 kTimerClockHz = 1193181; // input clock of the PC's timer counter 2
constexpr int kLowestNT = 37;              // the NT family's tone function refuses lower
constexpr int kLowest9x = 20;
constexpr int kHighest = 20000;

[[noreturn]] void rangeError(const QString& text) { throw RangeError(text.toStdString()); }

} // namespace

bool IsNTFamily() { return platform::tone().isNTFamily(); }

void PlayTone(quint16 frequency, qint32 msecs)
{
    const bool nt = IsNTFamily();
    if (msecs < -1)
        rangeError(QStringLiteral("Nuotitus liian nopea! Vaihda nuotitusta Äänieditorista.: MSecs < -1"));
    const int lowest = nt ? kLowestNT : kLowest9x;
    if (frequency < lowest)
        rangeError(QStringLiteral("WinNT ja 2000 ei salli näin matalia ääniä! Vaihda Oktaavi 1:n C-    nuotti "
                                  "Äänieditorista korkeammaksi. Hz < %1")
                       .arg(lowest));
    if (frequency > kHighest)
        rangeError(QStringLiteral("Älä sävellä näin korkeita ääniä! Vaihda nuottia Äänieditorista.     Hz > 20000"));

    if (nt) {
        platform::tone().playTone(frequency, msecs);
        return;
    }
    SpeakerOn(quint16(kTimerClockHz / frequency));
    if (msecs >= 0) { // -1 leaves the speaker sounding until SpeakerOff
        Delay(msecs);
        SpeakerOff();
    }
}

void SpeakerOn(quint16 divisor) { platform::tone().speakerOn(divisor); }

void SpeakerOff() { platform::tone().speakerOff(); }

void StopTone()
{
    if (IsNTFamily())
        platform::tone().stopTone();
    else
        SpeakerOff();
}

void Delay(qint32 msecs) { platform::Delay(msecs); }

} // namespace arkivo::sound
