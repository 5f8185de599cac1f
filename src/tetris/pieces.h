#pragma once

#include <QtGlobal>

#include <array>

// The fifteen piece kinds of the board, each a 4 x 4 pattern, and their colours.
// Kinds 1..7 are the classic tetrominoes with fixed colours; kinds 8..15 take a
// colour from kRandomColors each time a piece of that kind is built.

namespace arkivo::tetris {

inline constexpr int kKinds = 15;
inline constexpr int kPieceSize = 4;

// Colours are $00BBGGRR values, as stored colours are everywhere in the program.
using Colour = qint32;

// True when the cell at column c, row r (0..3) of the kind's pattern is filled.
bool pieceCellFilled(int kind, int c, int r);

// The fixed colour of kinds 1..7; -1 for the kinds that take a random colour.
Colour fixedPieceColour(int kind);

// Maroon, green, olive, navy, purple, teal, grey, silver, red, lime, yellow, blue, fuchsia, aqua.
inline constexpr std::array<Colour, 14> kRandomColors = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                         0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00,
                                                         0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00};

} // namespace arkivo::tetris
