#pragma once

#include "platform/clock.h"
#include "platform/tone_output.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace arkivo::platform {

// Renders tones into 16-bit mono 44.1 kHz samples instead of sounding them:
// a tone is a square wave at its frequency, a silence is zero samples. Its
// clock() advances with the rendered time, so installing both as the current
// services lets a whole tune render with no real time passing.
//
// Boundaries are placed on the sample nearest to the tune's running time, so
// lengths do not drift: 112 ms + 16 ms renders 5645 samples, as 128 ms would.
class WavToneOutput final : public ToneOutput {
public:
    static constexpr int kSampleRate = 44100;

    WavToneOutput();

    bool isNTFamily() const override { return true; }
    void playTone(quint16 hz, qint32 ms) override;
    void silence(qint32 ms) override;
    // Nothing sounds outside playTone on this route.
    void speakerOn(quint16) override {}
    void speakerOff() override {}
    void stopTone() override {}

    Clock& renderClock() { return m_clock; }
    const std::vector<qint16>& samples() const { return m_samples; }
    qint64 renderedMs() const { return m_ms; }

    // The samples as a RIFF/WAVE file.
    QByteArray wavData() const;
    // Writes wavData() atomically; false with a reason in *error.
    bool save(const QString& path, QString* error = nullptr) const;

private:
    class RenderClock final : public Clock {
    public:
        explicit RenderClock(WavToneOutput* owner) : m_owner(owner) {}
        QDateTime now() const override;
        quint32 tickCount() const override { return quint32(m_owner->m_ms); }
        // Any wait during a render is silence in the recording.
        void sleep(int ms) override { m_owner->silence(ms); }

    private:
        WavToneOutput* m_owner;
        QDateTime m_start = QDateTime::currentDateTime();
    };

    qint64 advanceTo(qint64 ms); // sample count for the span now .. now + ms

    std::vector<qint16> m_samples;
    qint64 m_ms = 0;
    RenderClock m_clock;
};

} // namespace arkivo::platform
