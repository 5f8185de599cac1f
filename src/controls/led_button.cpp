#include "controls/led_button.h"

#include <QPainter>

namespace arkivo::controls {

LedButton::LedButton(const QString& name, const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    // The light turns over before the window's click handler runs.
    connect(this, &QAbstractButton::clicked, this, [this] { setLightOn(!m_light); });
    setFocusPolicy(Qt::TabFocus);
}

void LedButton::setLightOn(bool on) {
    if (m_light == on)
        return;
    m_light = on;
    update();
}

void LedButton::setColor(const QColor& c) {
    m_face = c;
    update();
}

void LedButton::setLightColor(const QColor& c) {
    m_lightColor = c;
    update();
}

QSize LedButton::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(QString(text()).remove(u'&')) + 12, fm.height() + 22);
}

void LedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, m_face);
    p.setPen(isDown() ? QColor(Qt::darkGray) : QColor(Qt::white));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(isDown() ? QColor(Qt::white) : QColor(Qt::darkGray));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    // The light sits above the caption, so narrow buttons keep their whole text.
    const int d = 10;
    const QFontMetrics fm(font());
    const int top = (height() - d - 3 - fm.height()) / 2;
    const QRect led((width() - d) / 2, top, d, d);
    QRadialGradient g(led.center() - QPoint(2, 2), d);
    const QColor lit = m_light ? m_lightColor : m_lightColor.darker(400);
    g.setColorAt(0, m_light ? lit.lighter(170) : lit.lighter(130));
    g.setColorAt(1, lit);
    p.setBrush(g);
    p.setPen(QColor(Qt::black));
    p.drawEllipse(led);

    p.setPen(isEnabled() ? QColor(Qt::black) : QColor(Qt::gray));
    p.drawText(QRect(2, led.bottom() + 3, width() - 4, fm.height()), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus())
        p.drawRect(r.adjusted(3, 3, -3, -3));
}

} // namespace arkivo::controls
