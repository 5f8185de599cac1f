#include "controls/bevel_panel.h"

#include "controls/bevel_frame.h"

#include <QPainter>

namespace arkivo::controls {

BevelPanel::BevelPanel(const QString& name, QWidget* parent) : Control(name, parent) {
    // The panel paints every pixel: what lies below it is never painted.
    setAttribute(Qt::WA_OpaquePaintEvent, m_color.alpha() == 255);
}

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
    setAttribute(Qt::WA_OpaquePaintEvent, m_color.alpha() == 255);
    update();
}

void BevelPanel::setBevel3D(bool on) {
    if (on == m_bevel3D)
        return;
    m_bevel3D = on;
    update();
}

void BevelPanel::setOuterBevel(Bevel bevel) {
    if (bevel == m_outer)
        return;
    m_outer = bevel;
    update();
}

void BevelPanel::setInnerBevel(Bevel bevel) {
    if (bevel == m_inner)
        return;
    m_inner = bevel;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
    if (m_bevel3D) {
        if (m_outer != Bevel::None)
            drawBevel(p, rect(), 1, m_outer == Bevel::Lowered, palette());
        if (m_inner != Bevel::None)
            drawBevel(p, rect().adjusted(1, 1, -1, -1), 1, m_inner == Bevel::Lowered, palette());
    }
    if (m_caption.isEmpty())
        return;
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, m_caption);
}

} // namespace arkivo::controls
