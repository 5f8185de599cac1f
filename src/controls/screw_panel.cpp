#include "controls/screw_panel.h"

#include <QPainter>

namespace arkivo::controls {

ScrewPanel::ScrewPanel(const QString& name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

void ScrewPanel::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void ScrewPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), m_color);
    painter.setPen(m_color.lighter(150));
    painter.drawLine(r.bottomLeft(), r.topLeft());
    painter.drawLine(r.topLeft(), r.topRight());
    painter.setPen(m_color.darker(200));
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.drawLine(r.bottomRight(), r.bottomLeft());

    painter.setRenderHint(QPainter::Antialiasing);
    const int d = 8;
    const QPoint corners[] = {{3, 3}, {width() - 3 - d, 3}, {3, height() - 3 - d}, {width() - 3 - d, height() - 3 - d}};
    for (const QPoint& p : corners) {
        const QRectF head(p, QSizeF(d, d));
        QRadialGradient shade(head.center() - QPointF(1.5, 1.5), d);
        shade.setColorAt(0, m_color.lighter(140));
        shade.setColorAt(1, m_color.darker(160));
        painter.setPen(m_color.darker(250));
        painter.setBrush(shade);
        painter.drawEllipse(head);
        painter.setPen(QPen(m_color.darker(300), 1.2));
        painter.drawLine(QPointF(head.left() + 1.5, head.bottom() - 2), QPointF(head.right() - 1.5, head.top() + 2));
    }
}

} // namespace arkivo::controls
