#include "tetris/preview_window.h"

#include "common/colors.h"
#include "tetris/ttetris.h"

#include <QPainter>

namespace arkivo::tetris {

PreviewWindow::PreviewWindow(TTETRIS* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_owner(owner)
{
    setObjectName(QStringLiteral("Preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCellSize(m_cellSize);
}

void PreviewWindow::setCellSize(int pixels)
{
    m_cellSize = pixels;
    setFixedSize(kPieceSize * pixels, kPieceSize * pixels);
    update();
}

void PreviewWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Board& board = m_owner->board();
    painter.fillRect(rect(), colors::toQColor(board.backgroundColor()));
    for (int r = 0; r < kPieceSize; ++r)
        for (int c = 0; c < kPieceSize; ++c) {
            if (!board.nextCellFilled(c, r))
                continue;
            const Colour colour = board.nextCell(c, r);
            painter.setPen(m_owner->penColour(colour));
            painter.setBrush(m_owner->brushColour(colour));
            painter.drawRect(QRect(c * m_cellSize, r * m_cellSize, m_cellSize - 1, m_cellSize - 1));
        }
}

} // namespace arkivo::tetris
