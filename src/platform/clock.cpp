#include "platform/clock.h"

#include "platform/services.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <ctime>

namespace arkivo::platform {

namespace {

qint64 monotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Slices of a long wait: short enough that timers and repaints go on during
// a long rest in a tune.
constexpr int kEventSliceMs = 50;

} // namespace

QDateTime SystemClockSource::now() const {
    return QDateTime::currentDateTime();
}

quint32 SystemClockSource::tickCount() const {
    return quint32(quint64(monotonicMs()));
}

void SystemClockSource::sleep(int ms) {
    if (ms <= 0)
        return;
    timespec request{ms / 1000, long(ms % 1000) * 1000000L};
    timespec remaining{};
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &request, &remaining) != 0)
        request = remaining; // interrupted by a signal: sleep the rest
}

void Delay(int ms) {
    if (ms <= 0)
        return;
    Clock& c = clock();
    if (ms <= 1000 || !QCoreApplication::instance()) {
        c.sleep(ms);
        return;
    }
    const quint32 start = c.tickCount();
    while (true) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const quint32 elapsed = c.tickCount() - start;
        if (elapsed >= quint32(ms))
            break;
        c.sleep(std::min<int>(kEventSliceMs, ms - int(elapsed)));
    }
}

} // namespace arkivo::platform
