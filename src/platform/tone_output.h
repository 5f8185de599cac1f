#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace arkivo::platform {

// A square-wave tone generator. The route is chosen by ARKIVO_TONE:
//   alsa (default)  square wave through ALSA's default PCM; behaves as the NT family (37 Hz limit)
//   speaker         PC speaker through KIOCSOUND where the console allows it; the 9x family (20 Hz)
//   none            silent, but keeps the time
//   file:PATH       appends "FREQUENCY DURATION_MS" per tone and "0 MS" per silence
// Range checks belong to the caller (the sound unit); these only sound.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    virtual bool isNTFamily() const = 0;
    // Sounds hz for ms milliseconds and returns when it has ended.
    // ms == -1: on the speaker route the tone keeps sounding until speakerOff().
    virtual void playTone(quint16 hz, qint32 ms) = 0;
    // A silent wait of ms milliseconds (a rest or a note's silent tail).
    virtual void silence(qint32 ms) = 0;
    virtual void speakerOn(quint16 divisor) = 0; // divisor = 1193181 / hz
    virtual void speakerOff() = 0;
    virtual void stopTone() = 0;
};

// Builds the route named by the value of ARKIVO_TONE (see above). An unusable
// device falls back to the silent route so that nothing crashes.
std::unique_ptr<ToneOutput> makeToneOutput(const QString& route);

} // namespace arkivo::platform
