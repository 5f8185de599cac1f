#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace arkivo::platform {

// Every read of "now" and every wait goes through the current Clock, so tests
// set the time and run tunes and timers without waiting.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;      // local wall-clock time
    virtual quint32 tickCount() const = 0;  // milliseconds, wraps at 2^32
    // Blocks for ms milliseconds without spinning a core (the fake advances its time).
    virtual void sleep(int ms) = 0;
};

class SystemClockSource final : public Clock {
public:
    QDateTime now() const override;
    quint32 tickCount() const override;
    void sleep(int ms) override;
};

// Waits ms milliseconds on the current clock. Only waits over 1000 ms process
// pending events, in slices, as a long rest in a tune lets timers through.
void Delay(int ms);

} // namespace arkivo::platform
