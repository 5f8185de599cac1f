#pragma once

#include <QList>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace arkivo::platform {

// The wave-output volume of the default sound card, in the 16+16-bit form:
// left channel in the low 16 bits, right channel in the high 16 bits.
class WaveVolume {
public:
    virtual ~WaveVolume() = default;
    virtual std::optional<quint32> read() = 0; // empty when there is no mixer
    virtual bool write(quint32 leftRight) = 0;
    // File descriptors that turn readable when the volume changes, so a
    // watcher can wake on a change instead of polling; none when the mixer
    // cannot tell (or does not exist).
    virtual QList<int> changeDescriptors() { return {}; }
};

// ALSA mixer of the default card (Master, else PCM). Without a mixer, read()
// gives nothing and write() false.
std::unique_ptr<WaveVolume> makeAlsaWaveVolume();

// In-memory volume (also the test double).
class MemoryWaveVolume final : public WaveVolume {
public:
    std::optional<quint32> read() override { return available ? std::optional<quint32>(value) : std::nullopt; }
    bool write(quint32 v) override { if (!available) return false; value = v; return true; }
    quint32 value = 0xFFFFFFFF;
    bool available = true;
};

} // namespace arkivo::platform
