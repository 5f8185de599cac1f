#include "tetris/ttetris.h"

#include "common/colors.h"
#include "tetris/preview_window.h"

#include <QPainter>

using arkivo::tetris::Board;

TTETRIS::TTETRIS(QWidget* parent) : QWidget(parent)
{
    resize(135, 300);
    m_board.changed = [this] {
        m_outlined.clear();
        update();
    };
    m_preview = new arkivo::tetris::PreviewWindow(this);
    m_preview->setWindowTitle(m_previewCaption);
    m_preview->setCellSize(m_previewSize);
    m_board.nextChanged = [this] {
        if (m_preview)
            m_preview->update();
    };
}

TTETRIS::~TTETRIS()
{
    m_board.changed = nullptr;
    m_board.nextChanged = nullptr;
    delete m_preview;
}

void TTETRIS::setBackgroundColor(int colour)
{
    m_board.setBackgroundColor(colour);
    if (m_preview)
        m_preview->update();
    update();
}

void TTETRIS::setSquareDimension(int value)
{
    m_squareDimension = value;
    resize(9 * value, 20 * value);
}

void TTETRIS::setShowBorderColor(bool on)
{
    m_showBorder = on;
    if (!on)
        m_showFill = true;
    update();
    if (m_preview)
        m_preview->update();
}

void TTETRIS::setShowFillColor(bool on)
{
    m_showFill = on;
    if (!on)
        m_showBorder = true;
    update();
    if (m_preview)
        m_preview->update();
}

void TTETRIS::setShowNextpiece(bool on)
{
    m_showNext = on;
    if (!m_preview)
        return;
    // The preview appears with the board, and goes when the board's window goes.
    if (on && isVisible())
        m_preview->show();
    else if (!on)
        m_preview->hide();
}

void TTETRIS::showEvent(QShowEvent*)
{
    if (m_showNext && m_preview)
        m_preview->show();
}

void TTETRIS::hideEvent(QHideEvent*)
{
    if (m_preview)
        m_preview->hide();
}

void TTETRIS::setPreviewSize(int pixels)
{
    if (pixels < 3)
        return;
    m_previewSize = pixels;
    if (m_preview)
        m_preview->setCellSize(pixels);
}

void TTETRIS::setPreviewCaption(const QString& caption)
{
    m_previewCaption = caption;
    if (m_preview)
        m_preview->setWindowTitle(caption);
}

void TTETRIS::setBlocktype(TBlockType type)
{
    m_blocktype = type;
    update();
}

int TTETRIS::FreeRows(bool outline)
{
    const int rows = m_board.freeRows();
    if (outline) {
        m_outlined = m_board.emptyRows();
        update();
    }
    return rows;
}

void TTETRIS::SetPreviewPosition(int left, int top)
{
    if (m_preview)
        m_preview->move(left, top);
}

QWidget* TTETRIS::previewWindow() const { return m_preview; }

QColor TTETRIS::penColour(int colour) const
{
    return arkivo::colors::toQColor(m_showBorder ? colour : m_board.backgroundColor());
}

QColor TTETRIS::brushColour(int colour) const
{
    return arkivo::colors::toQColor(m_showFill ? colour : m_board.backgroundColor());
}

void TTETRIS::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = arkivo::colors::toQColor(m_board.backgroundColor());
    painter.fillRect(rect(), background);

    const int w = width() / Board::Columns;
    const int h = height() / Board::Rows;
    auto cellRect = [&](int column, int row) { return QRect(column * w, row * h, w, h); };

    for (int r = 0; r < Board::Rows; ++r)
        for (int c = 0; c < Board::Columns; ++c)
            paintCell(painter, cellRect(c, r), m_board.cell(c, r));

    if (m_board.pieceShown())
        for (int r = 0; r < arkivo::tetris::kPieceSize; ++r)
            for (int c = 0; c < arkivo::tetris::kPieceSize; ++c) {
                const int row = m_board.pieceY() + r;
                const int column = m_board.pieceX() + c;
                if (m_board.pieceCellFilled(c, r) && row >= 0 && row < Board::Rows && column >= 0 &&
                    column < Board::Columns)
                    paintCell(painter, cellRect(column, row), m_board.pieceCell(c, r));
            }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::white);
    for (int row : m_outlined)
        painter.drawRect(QRect(0, row * h, Board::Columns * w - 1, h - 1));
}

void TTETRIS::paintCell(QPainter& painter, const QRect& rect, int colour) const
{
    const bool empty = colour == m_board.backgroundColor();
    painter.setPen(penColour(colour));
    painter.setBrush(brushColour(colour));
    // A 1-pixel pen over width - 1 covers exactly the cell.
    const QRect whole = rect.adjusted(0, 0, -1, -1);
    if (empty || m_blocktype == btNormal) {
        painter.drawRect(whole);
        return;
    }
    if (m_blocktype == btRound) {
        painter.drawEllipse(whole);
        return;
    }
    // A raised square: light edges up the left and along the top, dark ones down the right and back along the bottom.
    const QRect inner = whole.adjusted(1, 1, -1, -1);
    painter.drawRect(inner);
    painter.setPen(arkivo::colors::toQColor(arkivo::colors::clBtnHighlight));
    painter.drawLine(inner.bottomLeft(), inner.topLeft());
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.setPen(arkivo::colors::toQColor(arkivo::colors::clBtnShadow));
    painter.drawLine(inner.topRight(), inner.bottomRight());
    painter.drawLine(inner.bottomRight(), inner.bottomLeft());
}
