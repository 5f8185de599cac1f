#include "controls/clock_label.h"

#include "common/finnish_format.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/services.h"

namespace arkivo::controls {

ClockLabel::ClockLabel(const QString& name, const QString& format, QWidget* parent)
    : ShadowLabel(name, QString(), parent), m_format(format) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockLabel::tick);
}

void ClockLabel::setFormat(const QString& format) {
    if (format == m_format)
        return;
    m_format = format;
    refresh();
}

void ClockLabel::refresh() {
    setCaption(fi::formatDateTime(m_format, platform::clock().now()));
}

void ClockLabel::tick() {
    const QDateTime now = platform::clock().now();
    // Painted at once rather than through a posted update: one trip through
    // the event loop less for every second.
    const QRect changed = assignCaption(fi::formatDateTime(m_format, now));
    if (!changed.isEmpty())
        repaint(changed);
    m_timer.start(msToNextSecond(now));
}

void ClockLabel::showEvent(QShowEvent* event) {
    tick();
    ShadowLabel::showEvent(event);
}

void ClockLabel::hideEvent(QHideEvent* event) {
    m_timer.stop();
    ShadowLabel::hideEvent(event);
}

} // namespace arkivo::controls
