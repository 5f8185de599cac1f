#include "controls/timer.h"

#include "platform/clock.h"
#include "platform/services.h"

namespace arkivo::controls {

int msToNextSecond(const QDateTime& now)
{
    return 1000 - now.time().msec() + 5;
}

Timer::Timer(const QString& name, int intervalMs, bool enabled, QObject* parent) : QTimer(parent), m_period(intervalMs)
{
    setObjectName(name);
    setInterval(intervalMs);
    // Connected before any user of the timer, so a whole-second timer is
    // running again when their handlers run and may switch it off.
    connect(this, &QTimer::timeout, this, [this] {
        if (m_wholeSeconds)
            startPeriod();
    });
    if (enabled)
        startPeriod();
}

void Timer::startPeriod()
{
    if (m_wholeSeconds)
        start(msToNextSecond(platform::clock().now()));
    else
        start();
}

void Timer::setEnabled(bool on)
{
    if (on == isActive())
        return;
    if (on)
        startPeriod();
    else
        stop();
    emit enabledChanged(on);
}

void Timer::setIntervalKeepingState(int ms)
{
    // Like a window timer, a new interval restarts a running timer.
    m_period = ms;
    if (m_wholeSeconds)
        return;
    setInterval(ms);
}

void Timer::setOnWholeSeconds(bool on)
{
    if (on == m_wholeSeconds)
        return;
    if (on)
        m_period = interval();
    else
        setInterval(m_period);
    m_wholeSeconds = on;
    setSingleShot(on);
    setTimerType(on ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (isActive())
        startPeriod();
}

} // namespace arkivo::controls
