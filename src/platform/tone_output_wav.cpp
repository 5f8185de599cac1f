#include "platform/tone_output_wav.h"

#include "platform/tone_output_routes.h"

#include <QDataStream>
#include <QSaveFile>

namespace arkivo::platform {

WavToneOutput::WavToneOutput() : m_clock(this) {}

QDateTime WavToneOutput::RenderClock::now() const { return m_start.addMSecs(m_owner->m_ms); }

qint64 WavToneOutput::advanceTo(qint64 ms)
{
    const auto sampleAt = [](qint64 t) { return (t * kSampleRate + 500) / 1000; };
    const qint64 first = sampleAt(m_ms);
    m_ms += ms;
    return sampleAt(m_ms) - first;
}

void WavToneOutput::playTone(quint16 hz, qint32 ms)
{
    if (ms <= 0)
        return;
    const qint64 count = advanceTo(ms);
    if (hz == 0)
        m_samples.insert(m_samples.end(), size_t(count), 0);
    else
        appendSquareWave(m_samples, count, hz, kSampleRate);
}

void WavToneOutput::silence(qint32 ms)
{
    if (ms <= 0)
        return;
    m_samples.insert(m_samples.end(), size_t(advanceTo(ms)), 0);
}

QByteArray WavToneOutput::wavData() const
{
    const quint32 dataBytes = quint32(m_samples.size() * 2);
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + dataBytes);
    s.writeRawData("WAVE", 4);
    s.writeRawData("fmt ", 4);
    s << quint32(16) << quint16(1) /* PCM */ << quint16(1) /* mono */ << quint32(kSampleRate)
      << quint32(kSampleRate * 2) /* bytes per second */ << quint16(2) /* block align */ << quint16(16);
    s.writeRawData("data", 4);
    s << dataBytes;
    for (qint16 v : m_samples)
        s << v;
    return out;
}

bool WavToneOutput::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(wavData()) >= 0 && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace arkivo::platform
