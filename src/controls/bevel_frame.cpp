#include "controls/bevel_frame.h"

#include <QPainter>

namespace arkivo::controls {

BevelFrame::BevelFrame(const QString& name, int bevelWidth, bool lowered, QWidget* parent)
    : Control(name, parent), m_bevelWidth(bevelWidth), m_lowered(lowered) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawBevel(p, rect(), m_bevelWidth, m_lowered, palette());
}

void drawBevel(QPainter& p, const QRect& r, int width, bool lowered, const QPalette& palette) {
    const QColor topLeft = palette.color(lowered ? QPalette::Dark : QPalette::Light);
    const QColor bottomRight = palette.color(lowered ? QPalette::Light : QPalette::Dark);
    for (int i = 0; i < width; ++i) {
        const QRect e = r.adjusted(i, i, -1 - i, -1 - i);
        p.setPen(topLeft);
        p.drawLine(e.topLeft(), e.topRight());
        p.drawLine(e.topLeft(), e.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(e.bottomLeft(), e.bottomRight());
        p.drawLine(e.topRight(), e.bottomRight());
    }
}

} // namespace arkivo::controls
