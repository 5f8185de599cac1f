#pragma once

#include <QWidget>

class TTETRIS;

namespace arkivo::tetris {

// The small tool window that shows the next piece of a TTETRIS board: a 4 x 4
// square of cells, each `PreviewSize` pixels, on the board's background colour.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(TTETRIS* owner);

    void setCellSize(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TTETRIS* m_owner;
    int m_cellSize = 40;
};

} // namespace arkivo::tetris
