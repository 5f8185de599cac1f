#pragma once

#include <QWidget>

// The dotted outline that follows the mouse while a window is dragged. X11
// cannot XOR-draw on the screen, so the outline is a frameless window of its
// own, cut by a mask to its one-pixel edge: no compositor needed.
class DragOutline : public QWidget {
    Q_OBJECT

public:
    DragOutline();
    // Shows the outline around rect (screen pixels).
    void showAt(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
};
