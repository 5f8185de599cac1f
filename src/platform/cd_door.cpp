#include "platform/cd_door.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace arkivo::platform {

namespace {

// O_NONBLOCK opens the drive even when no disc is in it.
bool trayCommand(unsigned long request) {
    const int fd = ::open("/dev/cdrom", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::ioctl(fd, request, 0) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool LinuxCdDoor::open() {
    return trayCommand(CDROMEJECT);
}

bool LinuxCdDoor::close() {
    return trayCommand(CDROMCLOSETRAY);
}

} // namespace arkivo::platform
