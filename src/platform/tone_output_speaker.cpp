// The PC speaker, as the 9x family drove it: the console's KIOCSOUND ioctl
// programs the timer's counter 2 with 1193181 / f and gates the speaker on.

#include "platform/clock.h"
#include "platform/tone_output_routes.h"

#include <fcntl.h>
#include <linux/kd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace arkivo::platform {

namespace {

constexpr unsigned kTimerClockHz = 1193181;

class SpeakerTone final : public ToneOutput {
public:
    explicit SpeakerTone(int fd) : m_fd(fd) {}
    ~SpeakerTone() override
    {
        speakerOff();
        ::close(m_fd);
    }
    bool isNTFamily() const override { return false; }

    void playTone(quint16 hz, qint32 ms) override
    {
        if (hz == 0)
            return;
        speakerOn(quint16(kTimerClockHz / hz));
        if (ms >= 0) { // -1 keeps sounding until speakerOff()
            Delay(ms);
            speakerOff();
        }
    }
    void silence(qint32 ms) override { Delay(ms); }
    void speakerOn(quint16 divisor) override { ::ioctl(m_fd, KIOCSOUND, static_cast<unsigned long>(divisor)); }
    void speakerOff() override { ::ioctl(m_fd, KIOCSOUND, 0UL); }
    void stopTone() override { speakerOff(); }

private:
    int m_fd;
};

// A console we may sound: the controlling terminal when it is a virtual
// console, else the active one (needs CAP_SYS_TTY_CONFIG or ownership).
int openConsole()
{
    for (const char* path : {"/dev/tty", "/dev/tty0", "/dev/console"}) {
        const int fd = ::open(path, O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::ioctl(fd, KIOCSOUND, 0UL) == 0)
            return fd;
        ::close(fd);
    }
    return -1;
}

} // namespace

std::unique_ptr<ToneOutput> makeSpeakerTone()
{
    const int fd = openConsole();
    if (fd < 0)
        return makeSilentTone(false);
    return std::make_unique<SpeakerTone>(fd);
}

} // namespace arkivo::platform
