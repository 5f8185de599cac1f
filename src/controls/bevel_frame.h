#pragma once

#include "controls/control.h"

namespace arkivo::controls {

// An empty 3-D frame drawn around other controls: lowered (dark edge at top
// and left) or raised, `bevelWidth` pixels thick. It lets mouse clicks through.
class BevelFrame : public Control {
    Q_OBJECT

public:
    BevelFrame(const QString& name, int bevelWidth, bool lowered, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bevelWidth;
    bool m_lowered;
};

// Draws a bevel of `width` pixels just inside r.
void drawBevel(class QPainter& p, const QRect& r, int width, bool lowered, const QPalette& palette);

} // namespace arkivo::controls
