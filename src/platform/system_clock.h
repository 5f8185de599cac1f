#pragma once

#include <QDateTime>
#include <QString>

namespace arkivo::platform {

// Sets the system clock: clock_settime(CLOCK_REALTIME) (needs CAP_SYS_TIME),
// else the system time service org.freedesktop.timedate1 over D-Bus.
class SystemClock {
public:
    struct Result {
        bool ok = false;
        QString reason; // Finnish text when !ok
    };
    virtual ~SystemClock() = default;
    virtual Result setTime(const QDateTime& utc) = 0;
};

class LinuxSystemClock final : public SystemClock {
public:
    Result setTime(const QDateTime& utc) override;
};

} // namespace arkivo::platform
