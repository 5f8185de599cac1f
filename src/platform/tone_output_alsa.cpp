// The default route: a square wave through ALSA's default PCM, which behaves
// as the NT family's system tone (blocks for the tone's length, 37 Hz limit).

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/tone_output_routes.h"

#include <alsa/asoundlib.h>

#include <cstdarg>

namespace arkivo::platform {

namespace {

// ALSA prints its own complaints ("cannot find card 0") to stderr; a machine
// without sound is normal here and the route just stays silent.
void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

constexpr unsigned kLatencyUs = 50000;

class AlsaTone final : public ToneOutput {
public:
    ~AlsaTone() override
    {
        if (m_pcm)
            snd_pcm_close(m_pcm);
    }
    bool isNTFamily() const override { return true; }

    void playTone(quint16 hz, qint32 ms) override
    {
        // 0 sounds nothing; -1 ("until stopped") would block the program for
        // good on a blocking route, so it also returns at once.
        if (ms <= 0 || hz == 0)
            return;
        if (!open()) {
            clock().sleep(ms);
            return;
        }
        const qint64 count = qint64(ms) * kToneSampleRate / 1000;
        m_samples.clear();
        appendSquareWave(m_samples, count, hz);
        if (!writeAll()) {
            // The device went away mid-tune: keep the time and stay silent.
            snd_pcm_close(m_pcm);
            m_pcm = nullptr;
            m_failed = true;
            clock().sleep(ms);
            return;
        }
        snd_pcm_drain(m_pcm); // returns when the last sample has sounded
        snd_pcm_prepare(m_pcm);
    }

    void silence(qint32 ms) override { Delay(ms); }

    // A tone on this route ends by itself; there is no speaker to switch.
    void speakerOn(quint16) override {}
    void speakerOff() override {}
    void stopTone() override
    {
        if (m_pcm) {
            snd_pcm_drop(m_pcm);
            snd_pcm_prepare(m_pcm);
        }
    }

private:
    // Opened at the first tone, so start-up never waits for the sound server.
    // A device that cannot be opened is not tried again during the run.
    bool open()
    {
        if (m_pcm)
            return true;
        if (m_failed)
            return false;
        snd_lib_error_set_handler(quietAlsaErrors);
        if (snd_pcm_open(&m_pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
            m_pcm = nullptr;
            m_failed = true;
            return false;
        }
        if (snd_pcm_nonblock(m_pcm, 0) < 0 ||
            snd_pcm_set_params(m_pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kToneSampleRate, 1,
                               kLatencyUs) < 0) {
            snd_pcm_close(m_pcm);
            m_pcm = nullptr;
            m_failed = true;
            return false;
        }
        return true;
    }

    bool writeAll()
    {
        const qint16* data = m_samples.data();
        snd_pcm_uframes_t left = m_samples.size();
        while (left > 0) {
            snd_pcm_sframes_t n = snd_pcm_writei(m_pcm, data, left);
            if (n < 0)
                n = snd_pcm_recover(m_pcm, int(n), 1);
            if (n < 0)
                return false;
            data += n;
            left -= snd_pcm_uframes_t(n);
        }
        return true;
    }

    snd_pcm_t* m_pcm = nullptr;
    bool m_failed = false;
    std::vector<qint16> m_samples;
};

} // namespace

std::unique_ptr<ToneOutput> makeAlsaTone() { return std::make_unique<AlsaTone>(); }

} // namespace arkivo::platform
