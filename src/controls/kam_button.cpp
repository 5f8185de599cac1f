#include "controls/kam_button.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace arkivo::controls {

KamButton::KamButton(const QString& name, const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

void KamButton::setColor(const QColor& c) {
    m_color = c;
    update();
}

void KamButton::setHotColor(const QColor& c) {
    m_hotColor = c;
    update();
}

void KamButton::setHotTextColor(const QColor& c) {
    m_hotTextColor = c;
    update();
}

void KamButton::setFontColor(const QColor& c) {
    m_fontColor = c;
    update();
}

QSize KamButton::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(QString(text()).remove(u'&')) + 16, fm.height() + 10);
}

void KamButton::enterEvent(QEnterEvent* event) {
    m_hot = true;
    update();
    emit hovered();
    QAbstractButton::enterEvent(event);
}

void KamButton::leaveEvent(QEvent* event) {
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void KamButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool hot = m_hot && isEnabled();
    p.fillRect(r, hot ? m_hotColor : m_color);
    // Raised edges, sunken while pressed.
    const QColor light = isDown() ? QColor(Qt::darkGray) : QColor(Qt::white);
    const QColor dark = isDown() ? QColor(Qt::white) : QColor(Qt::darkGray);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QColor textColor = hot ? m_hotTextColor : m_fontColor;
    if (!isEnabled())
        textColor = QColor(Qt::gray);
    p.setPen(textColor);
    p.setFont(font());
    const int shift = isDown() ? 1 : 0;
    p.drawText(r.translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QPen pen(textColor, 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

} // namespace arkivo::controls
