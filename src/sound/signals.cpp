#include "sound/nuotit.h"

#include "platform/services.h"
#include "platform/wave_volume.h"
#include "sound/kaiutin.h"

#include <initializer_list>

namespace arkivo::sound {

namespace {

constexpr int kSignalToneMs = 100;
constexpr int kFullScale = 65535;

// Round(numerator / denominator) to the nearest, ties to the even neighbour;
// both positive. 500 * 65.535 = 32767.5 gives 32768.
qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    const qint64 q = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && q % 2 != 0))
        return q + 1;
    return q;
}

} // namespace

void PlaySignal(int kind)
{
    switch (kind) {
    case 0: // rising
        for (int hz : {1047, 1109, 1175})
            PlayTone(quint16(hz), kSignalToneMs);
        break;
    case 1: // falling
        for (int hz : {2093, 1976, 1857})
            PlayTone(quint16(hz), kSignalToneMs);
        break;
    case 2:
        PlayTone(40, 500);
        break;
    default:
        break;
    }
}

int GetWaveVolume()
{
    const std::optional<quint32> v = platform::waveVolume().read();
    if (!v)
        return 0;
    const quint32 larger = std::max(*v & 0xFFFF, *v >> 16);
    return int(roundHalfEven(qint64(larger) * 1000, kFullScale));
}

bool SetWaveVolume(int v)
{
    // Below 0 there is no volume to set; it would wrap to a loud one.
    if (v > 1000 || v < 0)
        return false;
    const quint32 w = quint32(roundHalfEven(qint64(v) * kFullScale, 1000));
    return platform::waveVolume().write(w | (w << 16));
}

} // namespace arkivo::sound
