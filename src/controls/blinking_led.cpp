#include "controls/blinking_led.h"

#include <QPainter>

namespace arkivo::controls {

BlinkingLed::BlinkingLed(const QString& name, const QColor& color, int intervalMs, QWidget* parent)
    : QWidget(parent), m_color(color) {
    setObjectName(name);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_lit = !m_lit;
        update();
    });
}

void BlinkingLed::setColor(const QColor& c) {
    m_color = c;
    update();
}

void BlinkingLed::showEvent(QShowEvent* event) {
    m_timer.start();
    QWidget::showEvent(event);
}

void BlinkingLed::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}

void BlinkingLed::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = std::min(width(), height()) - 2;
    const QRectF r((width() - d) / 2.0, (height() - d) / 2.0, d, d);
    const QColor c = m_lit ? m_color : m_color.darker(350);
    QRadialGradient g(r.center() - QPointF(d / 5.0, d / 5.0), d / 1.5);
    g.setColorAt(0, m_lit ? c.lighter(160) : c.lighter(120));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.drawEllipse(r);
}

} // namespace arkivo::controls
