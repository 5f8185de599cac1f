#include "tetris/pieces.h"

namespace arkivo::tetris {

namespace {

// Rows top to bottom, 'X' = filled.
constexpr const char* kPatterns[kKinds][kPieceSize] = {
    {"....", ".XX.", ".XX.", "...."}, // 1 square
    {".X..", ".X..", ".XX.", "...."}, // 2 L
    {"..X.", "..X.", ".XX.", "...."}, // 3 J
    {".X..", ".X..", ".X..", ".X.."}, // 4 bar
    {"....", "XX..", ".XX.", "...."}, // 5 Z
    {"....", ".XX.", "XX..", "...."}, // 6 S
    {"....", ".X..", "XXX.", "...."}, // 7 T
    {"....", "X.X.", "XXX.", "...."}, // 8
    {"....", "X.X.", "XXX.", "X.X."}, // 9
    {"....", "X.X.", "XXX.", ".X.."}, // 10
    {"X.X.", "X.X.", "X.X.", "X.X."}, // 11
    {"XXXX", "X..X", "X..X", "XXXX"}, // 12
    {"....", ".X..", "XXX.", ".X.."}, // 13
    {"....", "X.X.", ".X..", "X.X."}, // 14
    {"X.X.", "...X", "X...", ".X.X"}, // 15
};

constexpr Colour kFixed[7] = {0xFF0000, 0xFF00FF, 0xFFFF00, 0x0000FF, 0x000080, 0x008080, 0x00FF00};

} // namespace

bool pieceCellFilled(int kind, int c, int r)
{
    if (kind < 1 || kind > kKinds || c < 0 || c >= kPieceSize || r < 0 || r >= kPieceSize)
        return false;
    return kPatterns[kind - 1][r][c] == 'X';
}

Colour fixedPieceColour(int kind) { return kind >= 1 && kind <= 7 ? kFixed[kind - 1] : -1; }

} // namespace arkivo::tetris
