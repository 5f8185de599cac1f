#include "app/drag_outline.h"

#include <QPainter>
#include <QRegion>

DragOutline::DragOutline()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput) {
    setObjectName(QStringLiteral("DragOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DragOutline::showAt(const QRect& rect) {
    setGeometry(rect);
    const QRegion whole(0, 0, rect.width(), rect.height());
    setMask(whole.subtracted(QRegion(1, 1, rect.width() - 2, rect.height() - 2)));
    show();
    update();
}

void DragOutline::paintEvent(QPaintEvent*) {
    // The focus rectangle's look: alternate black and white pixels.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
