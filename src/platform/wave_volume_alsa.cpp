// The wave-output volume over the ALSA mixer of the default card: the
// "Master" control, else "PCM". The panel reads it every 10 ms, so the mixer
// is opened once and kept; a read only handles pending mixer events.

#include "platform/wave_volume.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <vector>

namespace arkivo::platform {

namespace {

void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

constexpr long kFullScale = 65535;

class AlsaWaveVolume final : public WaveVolume {
public:
    ~AlsaWaveVolume() override
    {
        if (m_mixer)
            snd_mixer_close(m_mixer);
    }

    std::optional<quint32> read() override
    {
        if (!open())
            return std::nullopt;
        snd_mixer_handle_events(m_mixer);
        long left = 0;
        if (snd_mixer_selem_get_playback_volume(m_elem, SND_MIXER_SCHN_FRONT_LEFT, &left) < 0)
            return std::nullopt;
        long right = left;
        if (!snd_mixer_selem_is_playback_mono(m_elem) &&
            snd_mixer_selem_get_playback_volume(m_elem, SND_MIXER_SCHN_FRONT_RIGHT, &right) < 0)
            right = left;
        return quint32(toScale(left)) | (quint32(toScale(right)) << 16);
    }

    bool write(quint32 leftRight) override
    {
        if (!open())
            return false;
        const long left = fromScale(leftRight & 0xFFFF);
        const long right = fromScale(leftRight >> 16);
        if (snd_mixer_selem_is_playback_mono(m_elem))
            return snd_mixer_selem_set_playback_volume_all(m_elem, std::max(left, right)) == 0;
        return snd_mixer_selem_set_playback_volume(m_elem, SND_MIXER_SCHN_FRONT_LEFT, left) == 0 &&
               snd_mixer_selem_set_playback_volume(m_elem, SND_MIXER_SCHN_FRONT_RIGHT, right) == 0;
    }

    QList<int> changeDescriptors() override
    {
        QList<int> fds;
        if (!open())
            return fds;
        const int count = snd_mixer_poll_descriptors_count(m_mixer);
        if (count <= 0)
            return fds;
        std::vector<pollfd> pfds(static_cast<size_t>(count));
        const int filled = snd_mixer_poll_descriptors(m_mixer, pfds.data(), unsigned(count));
        for (int i = 0; i < filled; ++i)
            if (pfds[size_t(i)].events & POLLIN)
                fds << pfds[size_t(i)].fd;
        return fds;
    }

private:
    // A card without a usable control is not asked again during the run.
    bool open()
    {
        if (m_elem)
            return true;
        if (m_failed)
            return false;
        m_failed = true;
        snd_lib_error_set_handler(quietAlsaErrors);
        if (snd_mixer_open(&m_mixer, 0) < 0) {
            m_mixer = nullptr;
            return false;
        }
        if (snd_mixer_attach(m_mixer, "default") < 0 || snd_mixer_selem_register(m_mixer, nullptr, nullptr) < 0 ||
            snd_mixer_load(m_mixer) < 0) {
            snd_mixer_close(m_mixer);
            m_mixer = nullptr;
            return false;
        }
        for (const char* name : {"Master", "PCM"}) {
            snd_mixer_selem_id_t* id = nullptr;
            snd_mixer_selem_id_alloca(&id);
            snd_mixer_selem_id_set_index(id, 0);
            snd_mixer_selem_id_set_name(id, name);
            snd_mixer_elem_t* elem = snd_mixer_find_selem(m_mixer, id);
            if (elem && snd_mixer_selem_has_playback_volume(elem) &&
                snd_mixer_selem_get_playback_volume_range(elem, &m_min, &m_max) == 0 && m_max > m_min) {
                m_elem = elem;
                m_failed = false;
                return true;
            }
        }
        snd_mixer_close(m_mixer);
        m_mixer = nullptr;
        return false;
    }

    // The mixer's own range <-> 0..65535, rounded to the nearest step.
    long toScale(long raw) const
    {
        const long span = m_max - m_min;
        const long v = std::clamp(raw, m_min, m_max) - m_min;
        return (v * kFullScale + span / 2) / span;
    }
    long fromScale(quint32 value) const
    {
        const long span = m_max - m_min;
        return m_min + (long(value) * span + kFullScale / 2) / kFullScale;
    }

    snd_mixer_t* m_mixer = nullptr;
    snd_mixer_elem_t* m_elem = nullptr;
    long m_min = 0;
    long m_max = 0;
    bool m_failed = false;
};

} // namespace

std::unique_ptr<WaveVolume> makeAlsaWaveVolume() { return std::make_unique<AlsaWaveVolume>(); }

} // namespace arkivo::platform
