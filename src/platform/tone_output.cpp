#include "platform/tone_output.h"

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/tone_output_routes.h"

#include <QFile>

namespace arkivo::platform {

void appendSquareWave(std::vector<qint16>& out, qint64 count, quint16 hz, int sampleRate)
{
    if (count <= 0)
        return;
    out.reserve(out.size() + size_t(count));
    for (qint64 i = 0; i < count; ++i) {
        const qint64 halfPeriods = i * 2 * hz / sampleRate;
        out.push_back(halfPeriods % 2 == 0 ? kToneAmplitude : qint16(-kToneAmplitude));
    }
}

namespace {

// A tone of the NT family blocks without letting events through; a silence is
// a Delay, which does for waits over 1000 ms.
class SilentTone final : public ToneOutput {
public:
    explicit SilentTone(bool ntFamily) : m_nt(ntFamily) {}
    bool isNTFamily() const override { return m_nt; }
    void playTone(quint16, qint32 ms) override
    {
        if (ms > 0)
            clock().sleep(ms);
    }
    void silence(qint32 ms) override { Delay(ms); }
    // Nothing sounds on this route, so there is nothing to switch.
    void speakerOn(quint16) override {}
    void speakerOff() override {}
    void stopTone() override {}

private:
    bool m_nt;
};

// For machines without speakers: every tone becomes one line, and the time
// still passes as if it had sounded.
class FileTone final : public ToneOutput {
public:
    explicit FileTone(const QString& path) : m_file(path) {}
    bool isNTFamily() const override { return true; }
    void playTone(quint16 hz, qint32 ms) override
    {
        writeLine(hz, ms);
        if (ms > 0)
            clock().sleep(ms);
    }
    void silence(qint32 ms) override
    {
        if (ms <= 0)
            return;
        writeLine(0, ms);
        Delay(ms);
    }
    // The file records what a listener would hear: tones and their lengths.
    void speakerOn(quint16) override {}
    void speakerOff() override {}
    void stopTone() override {}

private:
    void writeLine(quint16 hz, qint32 ms)
    {
        if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return; // an unwritable file leaves the route silent, like a missing device
        m_file.write(QByteArray::number(hz) + ' ' + QByteArray::number(ms) + '\n');
        m_file.flush();
    }

    QFile m_file;
};

} // namespace

std::unique_ptr<ToneOutput> makeSilentTone(bool ntFamily) { return std::make_unique<SilentTone>(ntFamily); }

std::unique_ptr<ToneOutput> makeFileTone(const QString& path)
{
    if (path.isEmpty())
        return makeSilentTone(true);
    return std::make_unique<FileTone>(path);
}

std::unique_ptr<ToneOutput> makeToneOutput(const QString& route)
{
    const QString r = route.trimmed();
    if (r.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return makeFileTone(r.mid(5));
    if (r.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return makeSilentTone(true);
    if (r.compare(QLatin1String("speaker"), Qt::CaseInsensitive) == 0)
        return makeSpeakerTone();
    return makeAlsaTone(); // "alsa", empty, or a name we do not know
}

} // namespace arkivo::platform
