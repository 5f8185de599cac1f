#include "controls/clock_label.h"

#include "common/finnish_format.h"
#include "platform/clock.h"
#include "platform/services.h"

namespace arkivo::controls {

ClockLabel::ClockLabel(const QString& name, const QString& format, QWidget* parent)
    : ShadowLabel(name, QString(), parent), m_format(format) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        refresh();
        scheduleNext();
    });
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

void ClockLabel::scheduleNext() {
    // Wake just after the next whole second, not on a fixed period, so the
    // seconds never skip and an idle panel wakes once a second only.
    const int ms = platform::clock().now().time().msec();
    m_timer.start(1000 - ms + 5);
}

void ClockLabel::showEvent(QShowEvent* event) {
    refresh();
    scheduleNext();
    ShadowLabel::showEvent(event);
}

void ClockLabel::hideEvent(QHideEvent* event) {
    m_timer.stop();
    ShadowLabel::hideEvent(event);
}

} // namespace arkivo::controls
