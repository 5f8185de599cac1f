#include "controls/speed_button.h"

#include "controls/shadow_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace arkivo::controls {

SpeedButton::SpeedButton(const QString& name, const QString& caption, QWidget* parent)
    : Control(name, parent), m_caption(caption) {
    setAttribute(Qt::WA_Hover);
}

void SpeedButton::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void SpeedButton::setGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    update();
}

QChar SpeedButton::accelerator() const {
    int index = -1;
    const QString text = ShadowLabel::displayText(m_caption, &index);
    return index >= 0 ? text[index].toUpper() : QChar();
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (m_hover || m_pressed) {
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const bool sunken = m_pressed && m_hover;
        p.setPen(sunken ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(sunken ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const int shift = m_pressed && m_hover ? 1 : 0;
    if (!m_glyph.isNull()) {
        const QPoint at((width() - m_glyph.width()) / 2 + shift, (height() - m_glyph.height()) / 2 + shift);
        p.drawPixmap(at, m_glyph);
    } else {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
    }
}

void SpeedButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    Control::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    Control::leaveEvent(event);
}

void SpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    update();
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    update();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace arkivo::controls
