#include "controls/bevel_panel.h"

#include "controls/bevel_frame.h"

#include <QPainter>

namespace arkivo::controls {

BevelPanel::BevelPanel(const QString& name, QWidget* parent) : Control(name, parent) {}

void BevelPanel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void BevelPanel::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
    drawBevel(p, rect(), 1, true, palette());
    drawBevel(p, rect().adjusted(1, 1, -1, -1), 1, true, palette());
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, m_caption);
}

} // namespace arkivo::controls
