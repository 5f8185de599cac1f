#include "alarms/countdown.h"

#include "common/finnish_format.h"
#include "platform/clock.h"
#include "platform/services.h"

namespace arkivo::alarms {

namespace {
constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;
}

qint64 ElapsedCounter::elapsedMs() const {
    if (!m_counting)
        return m_frozenMs;
    return std::max<qint64>(0, m_start.msecsTo(platform::clock().now()));
}

QString ElapsedCounter::elapsedText() const {
    return fi::longTime(QTime(0, 0).addMSecs(int(elapsedMs() % kDayMs)));
}

void ElapsedCounter::start() {
    if (m_counting)
        return;
    m_start = platform::clock().now().addMSecs(-m_frozenMs);
    m_counting = true;
}

void ElapsedCounter::stop() {
    if (!m_counting)
        return;
    // Only whole seconds remain, as the display showed them.
    m_frozenMs = (elapsedMs() % kDayMs) / 1000 * 1000;
    m_counting = false;
}

void ElapsedCounter::reset() {
    m_start = platform::clock().now();
    m_frozenMs = 0;
}

bool Countdown::comparisonTick() {
    if (!m_comparing || m_held)
        return false;
    if (m_display != fi::longTime(m_duration))
        return false;
    if (m_ring)
        m_ring(true);
    m_counter.stop();
    return true;
}

void Countdown::startPressed() {
    m_comparing = true;
    m_held = false;
    m_counter.start();
}

void Countdown::stopPressed() {
    m_counter.stop();
    m_held = true;
    if (m_ring)
        m_ring(false);
}

} // namespace arkivo::alarms
