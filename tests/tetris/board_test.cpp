#include "tetris/board.h"

#include "fakes.h"
#include "tetris/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

using arkivo::tetris::Board;
using arkivo::tetris::Colour;
using arkivo::tetris::RandomSource;
using Cells = std::set<std::pair<int, int>>; // (column, row)

namespace {

constexpr Colour kGrey = 0x7D7D7D;

class BoardTest : public ::testing::Test {
protected:
    BoardTest() { RandomSource::instance().fixSeed(7); }
    ~BoardTest() override { RandomSource::instance().releaseSeed(); }

    void fillRow(int row, std::set<int> holes = {})
    {
        for (int c = 0; c < Board::Columns; ++c)
            if (!holes.count(c))
                board.setCell(c, row, kGrey);
    }
    Cells filledCells() const
    {
        Cells cells;
        for (int r = 0; r < Board::Rows; ++r)
            for (int c = 0; c < Board::Columns; ++c)
                if (!board.isEmptyCell(c, r))
                    cells.insert({c, r});
        return cells;
    }
    Cells pieceCells() const
    {
        Cells cells;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (board.pieceCellFilled(c, r))
                    cells.insert({c, r});
        return cells;
    }
    QStringList messages() const { return services.dialogs.messages(); }

    arkivo::test::TestServices services;
    Board board;
};

TEST_F(BoardTest, SquareFitsAgainstTheLeftWallOneColumnOut)
{
    board.setPiece(1, 0, 5); // the square's buffer column 0 is empty
    EXPECT_TRUE(board.moveLeft());
    EXPECT_EQ(board.pieceX(), -1);
    EXPECT_FALSE(board.moveLeft());
    EXPECT_EQ(board.pieceX(), -1);

    board.setPiece(1, 7, 5); // columns 8 and 9; one more would leave the board
    EXPECT_FALSE(board.moveRight());
    board.setCell(8, 6, kGrey);
    board.setPiece(1, 5, 5); // columns 6 and 7; a block stands in column 8
    EXPECT_FALSE(board.moveRight());
}

TEST_F(BoardTest, StepMovesLandsAndCountsPieces)
{
    board.setNextPiece(7);
    board.setPiece(1, 0, 17);
    EXPECT_EQ(board.step(), arkivo::tetris::Moved);
    EXPECT_EQ(board.pieceY(), 18);
    EXPECT_TRUE(board.pieceShown());

    EXPECT_EQ(board.step(), arkivo::tetris::Landed);
    EXPECT_EQ(filledCells(), (Cells{{1, 19}, {2, 19}, {1, 20}, {2, 20}}));
    EXPECT_EQ(board.numberOfPieces(), 1);
    EXPECT_EQ(board.lastDeletedLine(), 0);
    // The next piece enters at column 4, row -1, and is first shown by the next step.
    EXPECT_EQ(board.currentKind(), 7);
    EXPECT_EQ(board.pieceX(), 4);
    EXPECT_EQ(board.pieceY(), -1);
    EXPECT_FALSE(board.pieceShown());
    EXPECT_GE(board.nextPiece(), 1);
    EXPECT_LE(board.nextPiece(), 7);
}

TEST_F(BoardTest, ANewPieceBlockedAtRowZeroEndsTheGameWhilePartlyAboveTheBoard)
{
    board.setCell(5, 2, kGrey); // the bar would take column 5, rows 0..3
    board.setNextPiece(4);
    board.setPiece(1, 0, 18);
    EXPECT_EQ(board.step(), arkivo::tetris::GameOver);

    // A further step lands the piece that could not enter: only its cells on the board are kept.
    EXPECT_EQ(board.pieceY(), -1);
    board.step();
    const Cells cells = filledCells();
    EXPECT_TRUE(cells.count({5, 0}) && cells.count({5, 1}) && cells.count({5, 2}));
    EXPECT_FALSE(cells.count({5, 3}));
}

TEST_F(BoardTest, ALandingThatFillsTwoRowsRemovesBoth)
{
    fillRow(19, {4, 5});
    fillRow(20, {4, 5});
    board.setCell(0, 18, 0x0000FF);
    board.setPiece(1, 3, 18); // the square over columns 4 and 5, rows 19 and 20
    EXPECT_EQ(board.step(), arkivo::tetris::Landed);
    EXPECT_EQ(board.lastDeletedLine(), 2);
    EXPECT_EQ(filledCells(), (Cells{{0, 20}})); // row 18 came down two rows
    EXPECT_EQ(board.cell(0, 20), 0x0000FF);
}

TEST_F(BoardTest, DropMovesDownAsFarAsThePieceFitsAndLandsOnTheNextStep)
{
    board.setCell(5, 15, kGrey);
    board.setPiece(4, 4, 0); // the bar in column 5, rows 0..3
    EXPECT_EQ(board.drop(), 11);
    EXPECT_EQ(board.pieceY(), 11);
    EXPECT_EQ(board.drop(), 0);
    EXPECT_EQ(board.step(), arkivo::tetris::Landed);
    EXPECT_TRUE(filledCells().count({5, 14}));
}

TEST_F(BoardTest, FreeRowsIsTheLowestEmptyRowPlusOne)
{
    EXPECT_EQ(board.freeRows(), 21);
    board.setCell(3, 5, kGrey); // a floating block does not hide the empty rows below it
    EXPECT_EQ(board.freeRows(), 21);
    board.setCell(3, 20, kGrey);
    board.setCell(3, 12, kGrey);
    EXPECT_EQ(board.freeRows(), 20);
    for (int r = 0; r < Board::Rows; ++r)
        board.setCell(0, r, kGrey);
    EXPECT_EQ(board.freeRows(), 0);
}

TEST_F(BoardTest, NumberOfTypeLimitsTheKindsDrawn)
{
    for (int numberOfType : {8, 15}) {
        board.setNumberOfType(numberOfType);
        std::set<int> kinds;
        for (int i = 0; i < 300; ++i) {
            board.newGame();
            kinds.insert(board.currentKind());
            kinds.insert(board.nextPiece());
        }
        EXPECT_EQ(*kinds.begin(), 1);
        EXPECT_EQ(*kinds.rbegin(), numberOfType - 1) << numberOfType;
        EXPECT_EQ(int(kinds.size()), numberOfType - 1);
    }
    board.setNextPiece(15); // only this way
    board.setPiece(1, 0, 18);
    board.step();
    EXPECT_EQ(board.currentKind(), 15);
}

TEST_F(BoardTest, RotationTurnsInPlaceOrNotAtAll)
{
    board.setPiece(4, 3, 5); // the bar upright in buffer column 1
    board.rotateLeft();
    EXPECT_EQ(pieceCells(), (Cells{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
    board.rotateLeft();
    EXPECT_EQ(pieceCells(), (Cells{{2, 0}, {2, 1}, {2, 2}, {2, 3}}));
    board.setPiece(4, 3, 5);
    board.rotateRight();
    EXPECT_EQ(pieceCells(), (Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(board.pieceX(), 3);

    // At the wall the turned bar would reach column -1: nothing changes, no shift.
    board.setPiece(4, -1, 5);
    board.rotateLeft();
    board.rotateRight();
    EXPECT_EQ(pieceCells(), (Cells{{1, 0}, {1, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(board.pieceX(), -1);

    // A block in the way refuses the turn as well.
    board.setPiece(4, 3, 5);
    board.setCell(6, 7, kGrey);
    board.rotateLeft();
    EXPECT_EQ(pieceCells(), (Cells{{1, 0}, {1, 1}, {1, 2}, {1, 3}}));
}

TEST_F(BoardTest, ScreensPutTheirObstacles)
{
    auto column = [](int c, int from, int to) {
        Cells cells;
        for (int r = from; r <= to; ++r)
            cells.insert({c, r});
        return cells;
    };
    auto join = [](std::initializer_list<Cells> parts) {
        Cells all;
        for (const auto& p : parts)
            all.insert(p.begin(), p.end());
        return all;
    };
    Cells diagonals, checks;
    for (int r = 11; r <= 20; ++r)
        diagonals.insert({{r - 11, r}, {20 - r, r}});
    for (int r = 15; r <= 20; ++r)
        for (int c = 0; c < 10; ++c)
            if ((c + r) % 2 == 0)
                checks.insert({c, r});

    const struct {
        int screen;
        Cells cells;
    } cases[] = {
        {1, join({column(0, 13, 20), column(9, 13, 20)})},
        {2, join({column(0, 13, 20), column(9, 13, 20), column(3, 15, 20), column(6, 15, 20)})},
        {4, diagonals},
        {5, checks},
        {0, {}},
    };
    for (const auto& c : cases) {
        board.setCell(5, 2, kGrey); // setting a screen empties the board first
        board.setScreenNumber(c.screen);
        EXPECT_EQ(filledCells(), c.cells) << "screen " << c.screen;
        for (const auto& [col, row] : c.cells)
            EXPECT_NE(std::find(arkivo::tetris::kRandomColors.begin(), arkivo::tetris::kRandomColors.end(),
                                board.cell(col, row)),
                      arkivo::tetris::kRandomColors.end());
    }

    board.setScreenNumber(3);
    const Cells random = filledCells();
    EXPECT_GE(random.size(), 5u);
    EXPECT_LE(random.size(), 21u);
    for (const auto& [col, row] : random) {
        EXPECT_LE(col, 8);
        EXPECT_GE(row, 16);
    }
    board.setScreenNumber(3); // a fixed seed repeats the set-up
    EXPECT_EQ(filledCells(), random);
}

TEST_F(BoardTest, NewGameAddsTheScreenWithoutEmptyingTheBoard)
{
    board.setScreenNumber(1);
    board.setCell(5, 5, kGrey);
    board.newGame();
    EXPECT_TRUE(filledCells().count({5, 5}));
    EXPECT_EQ(filledCells().size(), 17u);
    EXPECT_EQ(board.numberOfPieces(), 0);
    EXPECT_EQ(board.pieceX(), 4);
    EXPECT_EQ(board.pieceY(), -2);
}

TEST_F(BoardTest, PutBlockDropsIntoTheColumnWithRowMinusOne)
{
    board.putBlock(2, -1, kGrey);
    EXPECT_EQ(board.cell(2, 20), kGrey);
    board.setCell(4, 15, kGrey);
    board.putBlock(4, -1, kGrey);
    EXPECT_TRUE(filledCells().count({4, 14}));
    board.putBlock(7, 3, kGrey); // a given row puts it there, floating
    EXPECT_TRUE(filledCells().count({7, 3}));

    fillRow(20, {2, 6});
    board.putBlock(6, -1, kGrey); // completes row 20
    EXPECT_EQ(board.lastDeletedLine(), 1);
    EXPECT_EQ(filledCells(), (Cells{{4, 15}, {4, 16}, {7, 4}})); // everything above came down
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(BoardTest, AddLinePushesARowWithOneHoleInFromBelow)
{
    board.setCell(1, 0, kGrey); // lost over the top
    board.setCell(8, 20, kGrey);
    board.addLine(3, 0x00FF00);
    Cells expected{{8, 19}};
    for (int c = 0; c < 10; ++c)
        if (c != 3)
            expected.insert({c, 20});
    EXPECT_EQ(filledCells(), expected);
    EXPECT_EQ(board.cell(0, 20), 0x00FF00);
}

TEST_F(BoardTest, OutOfRangeValuesAreRefusedWithAMessage)
{
    board.setCell(1, 1, kGrey);
    const Cells before = filledCells();
    const struct {
        const char* what;
        std::function<void()> act;
        QString message;
    } cases[] = {
        {"NumberOfPieces", [&] { board.setNumberOfPieces(3); }, "This is a Read-Only Property..."},
        {"LastDeletedLine", [&] { board.setLastDeletedLine(1); }, "This is a Read-Only Property..."},
        {"NextPiece 16", [&] { board.setNextPiece(16); }, "There is only 15 [1..15] kind of pieces...16"},
        {"NextPiece 0", [&] { board.setNextPiece(0); }, "There is only 15 [1..15] kind of pieces...0"},
        {"ScreenNumber 6", [&] { board.setScreenNumber(6); }, "Value out of range..."},
        {"NumberOfType 7", [&] { board.setNumberOfType(7); }, "Value out of range..."},
        {"NumberOfType 16", [&] { board.setNumberOfType(16); }, "Value out of range..."},
        {"PutBlock column 10", [&] { board.putBlock(10, 5, kGrey); }, "Value out of range..."},
        {"PutBlock row -2", [&] { board.putBlock(0, -2, kGrey); }, "Value out of range..."},
        {"PutBlock row 21", [&] { board.putBlock(0, 21, kGrey); }, "Value out of range..."},
        {"AddLine hole -1", [&] { board.addLine(-1, kGrey); }, "Value out of range..."},
        {"AddLine background", [&] { board.addLine(2, 0); },
         "The color line must be different than BackGroundColor..."},
    };
    for (const auto& c : cases) {
        services.dialogs.log.clear();
        c.act();
        EXPECT_EQ(messages(), QStringList{c.message}) << c.what;
        EXPECT_EQ(filledCells(), before) << c.what;
    }
    EXPECT_EQ(board.nextPiece(), 1);
    EXPECT_EQ(board.numberOfType(), 8);
    EXPECT_EQ(board.screenNumber(), 0);

    services.dialogs.log.clear();
    board.setNumberOfPieces(0); // the same value is no change
    board.setNextPiece(15);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(BoardTest, BackgroundColourRecoloursEveryEmptyCell)
{
    board.setCell(0, 20, kGrey);
    board.setPiece(1, 0, 0);
    board.setBackgroundColor(0x400000);
    EXPECT_EQ(board.cell(5, 5), 0x400000);
    EXPECT_EQ(board.cell(0, 20), kGrey);
    EXPECT_EQ(board.pieceCell(0, 0), 0x400000);
    EXPECT_EQ(board.pieceCell(1, 1), 0xFF0000);
    EXPECT_EQ(board.freeRows(), 20);
}

} // namespace
