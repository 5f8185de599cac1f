#include "tetris/board.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "tetris/random_source.h"

namespace arkivo::tetris {

Board::Board()
{
    emptyBoard();
    m_piece = build(m_kind);
    m_next = build(m_nextKind);
}

Colour Board::cell(int column, int row) const
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return m_background;
    return m_cells[row][column];
}

bool Board::isEmptyCell(int column, int row) const { return cell(column, row) == m_background; }

void Board::setNumberOfPieces(int value)
{
    if (value != m_pieces)
        report(QStringLiteral("This is a Read-Only Property..."));
}

void Board::setNextPiece(int kind)
{
    if (kind < 1 || kind > kKinds) {
        report(QStringLiteral("There is only 15 [1..15] kind of pieces...") + QString::number(kind));
        return;
    }
    m_nextKind = kind;
    m_next = build(kind);
    notifyNext();
}

void Board::setLastDeletedLine(int value)
{
    if (value != m_lastDeleted)
        report(QStringLiteral("This is a Read-Only Property..."));
}

void Board::setBackgroundColor(Colour colour)
{
    if (colour == m_background)
        return;
    auto recolour = [&](Colour& c) {
        if (c == m_background)
            c = colour;
    };
    for (auto& row : m_cells)
        for (auto& c : row)
            recolour(c);
    for (auto* buffer : {&m_piece, &m_next})
        for (auto& row : *buffer)
            for (auto& c : row)
                recolour(c);
    m_background = colour;
    notify();
    notifyNext();
}

void Board::setScreenNumber(int screen)
{
    if (screen < 0 || screen > 5) {
        report(rangeMessage());
        return;
    }
    m_screen = screen;
    RandomSource::instance().reseed();
    emptyBoard();
    putScreen();
    notify();
}

void Board::setNumberOfType(int value)
{
    if (value < 8 || value > kKinds) {
        report(rangeMessage());
        return;
    }
    m_numberOfType = value;
}

void Board::newGame()
{
    m_x = SpawnX;
    m_y = -2;
    m_kind = randomKind();
    m_nextKind = randomKind();
    m_next = build(m_nextKind);
    notifyNext();
    m_piece = build(m_kind);
    m_pieces = 0;
    m_pieceShown = false;
    putScreen();
    notify();
}

StepResult Board::step()
{
    if (fits(m_piece, m_x, m_y + 1)) {
        ++m_y;
        m_pieceShown = true;
        notify();
        return Moved;
    }
    // Landing. Cells still above the board (a piece that could not enter) have no
    // place on the board and are left out.
    for (int r = 0; r < kPieceSize; ++r)
        for (int c = 0; c < kPieceSize; ++c)
            if (pieceCellFilled(c, r) && m_y + r >= 0 && m_y + r < Rows && m_x + c >= 0 && m_x + c < Columns)
                m_cells[m_y + r][m_x + c] = m_piece[r][c];
    m_lastDeleted = removeFullRows(m_y);

    m_x = SpawnX;
    m_y = -1;
    m_kind = m_nextKind;
    m_nextKind = randomKind();
    m_next = build(m_nextKind);
    notifyNext();
    m_piece = build(m_kind);
    ++m_pieces;
    m_pieceShown = false;
    notify();
    return fits(m_piece, m_x, m_y + 1) ? Landed : GameOver;
}

bool Board::moveLeft()
{
    if (!fits(m_piece, m_x - 1, m_y))
        return false;
    --m_x;
    m_pieceShown = true;
    notify();
    return true;
}

bool Board::moveRight()
{
    if (!fits(m_piece, m_x + 1, m_y))
        return false;
    ++m_x;
    m_pieceShown = true;
    notify();
    return true;
}

void Board::rotateLeft()
{
    // New cell (c, r) is the old cell (3 - r, c); the position stays, so a turn
    // that would leave the board or hit a block is refused rather than shifted.
    Buffer turned;
    for (int r = 0; r < kPieceSize; ++r)
        for (int c = 0; c < kPieceSize; ++c)
            turned[r][c] = m_piece[c][kPieceSize - 1 - r];
    if (fits(turned, m_x, m_y))
        m_piece = turned;
    m_pieceShown = true;
    notify();
}

void Board::rotateRight()
{
    const Buffer before = m_piece;
    for (int i = 0; i < 3; ++i) {
        Buffer turned;
        for (int r = 0; r < kPieceSize; ++r)
            for (int c = 0; c < kPieceSize; ++c)
                turned[r][c] = m_piece[c][kPieceSize - 1 - r];
        m_piece = turned;
    }
    if (!fits(m_piece, m_x, m_y))
        m_piece = before;
    m_pieceShown = true;
    notify();
}

int Board::drop()
{
    int rows = 0;
    // Bounded by the board's height, so even a piece without cells comes to rest.
    while (rows < Rows + kPieceSize && fits(m_piece, m_x, m_y + 1)) {
        ++m_y;
        ++rows;
    }
    m_pieceShown = true;
    notify();
    return rows;
}

int Board::freeRows() const
{
    const QList<int> rows = emptyRows();
    return rows.isEmpty() ? 0 : rows.last() + 1;
}

QList<int> Board::emptyRows() const
{
    QList<int> rows;
    for (int r = 0; r < Rows; ++r) {
        bool empty = true;
        for (int c = 0; c < Columns && empty; ++c)
            empty = m_cells[r][c] == m_background;
        if (empty)
            rows << r;
    }
    return rows;
}

void Board::putBlock(int column, int row, Colour colour)
{
    if (column < 0 || column >= Columns || row < -1 || row >= Rows) {
        report(rangeMessage());
        return;
    }
    if (row == -1) {
        row = 0;
        while (row < Rows - 1 && isEmptyCell(column, row + 1))
            ++row;
    }
    m_cells[row][column] = colour;
    m_lastDeleted = removeFullRows(row);
    notify();
}

void Board::addLine(int holeColumn, Colour colour)
{
    if (holeColumn < 0 || holeColumn >= Columns) {
        report(rangeMessage());
        return;
    }
    if (colour == m_background) {
        report(QStringLiteral("The color line must be different than BackGroundColor..."));
        return;
    }
    for (int r = 0; r < Rows - 1; ++r)
        m_cells[r] = m_cells[r + 1];
    for (int c = 0; c < Columns; ++c)
        m_cells[Rows - 1][c] = c == holeColumn ? m_background : colour;
    notify();
}

void Board::setPiece(int kind, int x, int y)
{
    if (kind < 1 || kind > kKinds) {
        report(QStringLiteral("There is only 15 [1..15] kind of pieces...") + QString::number(kind));
        return;
    }
    m_kind = kind;
    m_piece = build(kind);
    m_x = x;
    m_y = y;
    m_pieceShown = true;
    notify();
}

void Board::setCell(int column, int row, Colour colour)
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return;
    m_cells[row][column] = colour;
    notify();
}

Board::Buffer Board::build(int kind)
{
    Colour colour = fixedPieceColour(kind);
    if (colour < 0)
        colour = randomColour();
    Buffer buffer;
    for (int r = 0; r < kPieceSize; ++r)
        for (int c = 0; c < kPieceSize; ++c)
            buffer[r][c] = tetris::pieceCellFilled(kind, c, r) ? colour : m_background;
    return buffer;
}

bool Board::fits(const Buffer& piece, int x, int y) const
{
    for (int r = 0; r < kPieceSize; ++r)
        for (int c = 0; c < kPieceSize; ++c) {
            if (piece[r][c] == m_background)
                continue;
            const int column = x + c;
            const int row = y + r;
            if (column < 0 || column >= Columns || row >= Rows)
                return false;
            if (row >= 0 && m_cells[row][column] != m_background)
                return false;
        }
    return true;
}

int Board::removeFullRows(int firstRow)
{
    int removed = 0;
    for (int row = firstRow; row < firstRow + kPieceSize; ++row) {
        if (row < 0 || row >= Rows)
            continue;
        bool full = true;
        for (int c = 0; c < Columns && full; ++c)
            full = m_cells[row][c] != m_background;
        if (!full)
            continue;
        for (int r = row; r > 0; --r)
            m_cells[r] = m_cells[r - 1];
        m_cells[0].fill(m_background);
        ++removed;
    }
    return removed;
}

void Board::putScreen()
{
    auto put = [&](int column, int row) { m_cells[row][column] = randomColour(); };
    auto& random = RandomSource::instance();
    switch (m_screen) {
    case 1:
    case 2:
        for (int r = 13; r <= 20; ++r) {
            put(0, r);
            put(9, r);
        }
        if (m_screen == 2)
            for (int r = 15; r <= 20; ++r) {
                put(3, r);
                put(6, r);
            }
        break;
    case 3:
        for (int i = 0; i < 21; ++i) {
            const int column = random.below(9);
            const int row = 16 + random.below(5);
            put(column, row);
        }
        break;
    case 4:
        for (int r = 11; r <= 20; ++r) {
            put(r - 11, r);
            put(20 - r, r);
        }
        break;
    case 5:
        for (int r = 15; r <= 20; ++r)
            for (int c = 0; c < Columns; ++c)
                if ((c + r) % 2 == 0)
                    put(c, r);
        break;
    default:
        break;
    }
}

Colour Board::randomColour() { return kRandomColors[RandomSource::instance().below(int(kRandomColors.size()))]; }

int Board::randomKind() { return 1 + RandomSource::instance().below(m_numberOfType - 1); }

void Board::emptyBoard()
{
    for (auto& row : m_cells)
        row.fill(m_background);
}

void Board::notify()
{
    if (changed)
        changed();
}

void Board::notifyNext()
{
    if (nextChanged)
        nextChanged();
}

void Board::report(const QString& text)
{
    if (platform::services().dialogs)
        platform::dialogs().message(text);
}

} // namespace arkivo::tetris
