#include "controls/timer.h"

namespace arkivo::controls {

Timer::Timer(const QString& name, int intervalMs, bool enabled, QObject* parent) : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    if (enabled)
        start();
}

void Timer::setEnabled(bool on)
{
    if (on == isActive())
        return;
    if (on)
        start();
    else
        stop();
    emit enabledChanged(on);
}

void Timer::setIntervalKeepingState(int ms)
{
    // QTimer::setInterval restarts a running timer, as a window timer does.
    setInterval(ms);
}

} // namespace arkivo::controls
