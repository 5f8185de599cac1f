#pragma once

#include "tetris/pieces.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>

// The falling-blocks board: 10 columns by 21 rows of colours (row 0 at the top),
// the falling piece in a 4 x 4 buffer with its position, the next piece, the
// obstacle set-ups ("screens") and the two obstacle operations.
//
// It keeps no score and runs no timer: the game window calls step() and keeps
// score from what the operations return. It draws nothing either; TTETRIS paints
// it and is told through `changed` / `nextChanged` when something shown changed.
// Out-of-range values given to its setters and operations are refused with an
// English message through the dialogs service, and change nothing.

namespace arkivo::tetris {

enum StepResult { Moved = 0, Landed = 1, GameOver = 2 };

class Board {
public:
    static constexpr int Columns = 10;
    static constexpr int Rows = 21;
    static constexpr int SpawnX = 4;

    Board();

    // What is on the board. Cells outside the board read as empty.
    Colour cell(int column, int row) const;
    bool isEmptyCell(int column, int row) const;
    // The falling piece's buffer; an empty cell holds the background colour.
    Colour pieceCell(int c, int r) const { return m_piece[r][c]; }
    bool pieceCellFilled(int c, int r) const { return m_piece[r][c] != m_background; }
    Colour nextCell(int c, int r) const { return m_next[r][c]; }
    bool nextCellFilled(int c, int r) const { return m_next[r][c] != m_background; }
    int pieceX() const { return m_x; }
    int pieceY() const { return m_y; }
    int currentKind() const { return m_kind; }
    // False from a landing (or a new game) until the piece has moved: a piece that has
    // just entered is first shown by the next step.
    bool pieceShown() const { return m_pieceShown; }

    // Properties.
    int numberOfPieces() const { return m_pieces; }
    void setNumberOfPieces(int value); // read-only: refuses any other value
    int nextPiece() const { return m_nextKind; }
    void setNextPiece(int kind); // 1..15
    int lastDeletedLine() const { return m_lastDeleted; }
    void setLastDeletedLine(int value); // read-only
    Colour backgroundColor() const { return m_background; }
    void setBackgroundColor(Colour colour);
    int screenNumber() const { return m_screen; }
    void setScreenNumber(int screen); // 0..5: re-seeds, empties the board, puts the set-up
    int numberOfType() const { return m_numberOfType; }
    void setNumberOfType(int value); // 8..15: new pieces are kinds 1 .. value - 1

    // Operations.
    void newGame();
    StepResult step();
    bool moveLeft();
    bool moveRight();
    void rotateLeft();  // a quarter turn counterclockwise
    void rotateRight(); // a quarter turn clockwise
    int drop();         // rows moved; the landing comes with the next step
    // The lowest entirely empty row + 1 (21 on an empty board, 0 when no row is empty).
    int freeRows() const;
    QList<int> emptyRows() const;
    // Row -1 drops the cell into the column.
    void putBlock(int column, int row, Colour colour);
    // Pushes a new bottom row in from below: the colour everywhere but the hole.
    void addLine(int holeColumn, Colour colour);

    // Sets the falling piece directly (set-ups and tests): built anew, shown.
    void setPiece(int kind, int x, int y);
    // Sets one board cell without any rule (set-ups and tests).
    void setCell(int column, int row, Colour colour);

    // Called after each change of the board or the falling piece, and of the next piece.
    std::function<void()> changed;
    std::function<void()> nextChanged;

    static QString rangeMessage() { return QStringLiteral("Value out of range..."); }

private:
    using Buffer = std::array<std::array<Colour, kPieceSize>, kPieceSize>; // [row][column]

    Buffer build(int kind);
    bool fits(const Buffer& piece, int x, int y) const;
    int removeFullRows(int firstRow);
    void putScreen();
    Colour randomColour();
    int randomKind();
    void emptyBoard();
    void notify();
    void notifyNext();
    static void report(const QString& text);

    std::array<std::array<Colour, Columns>, Rows> m_cells{}; // [row][column]
    Buffer m_piece{};
    Buffer m_next{};
    int m_x = SpawnX;
    int m_y = -2;
    int m_kind = 1;
    int m_nextKind = 1;
    bool m_pieceShown = false;
    int m_pieces = 0;
    int m_lastDeleted = 0;
    Colour m_background = 0x000000;
    int m_screen = 0;
    int m_numberOfType = 8;
};

} // namespace arkivo::tetris
