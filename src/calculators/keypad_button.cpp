#include "keypad_button.h"

#include <QPainter>
#include <QStyleOption>

namespace arkivo::calculators {

KeypadButton::KeypadButton(const QString& name, const QString& caption, int tag, QWidget* parent)
    : QAbstractButton(parent), m_tag(tag), m_color(Qt::darkBlue), m_hotColor(QColor(0xE3, 0xE3, 0xE3)),
      m_hotFontColor(Qt::darkBlue) {
    setObjectName(name);
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void KeypadButton::setColor(const QColor& c) {
    m_color = c;
    update();
}

void KeypadButton::setHotColor(const QColor& c) {
    m_hotColor = c;
    update();
}

void KeypadButton::setHotFontColor(const QColor& c) {
    m_hotFontColor = c;
    update();
}

void KeypadButton::setFontColor(const QColor& c) {
    m_fontColor = c;
    update();
}

void KeypadButton::setButtonFont(const QFont& f) {
    setFont(f);
    update();
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool hot = m_hover && isEnabled();
    p.fillRect(rect(), hot ? m_hotColor : m_color);
    // A raised edge; sunken while pressed.
    const QColor light = (hot ? m_hotColor : m_color).lighter(160);
    const QColor dark = (hot ? m_hotColor : m_color).darker(160);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(isDown() ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(isDown() ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    QColor text = hot ? m_hotFontColor : m_fontColor;
    if (!isEnabled())
        text = m_color.lighter(250);
    p.setPen(text);
    p.setFont(font());
    p.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter | Qt::TextShowMnemonic,
               text.isValid() ? this->text() : QString());
}

void KeypadButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void KeypadButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace arkivo::calculators
