#include "tetris/tetris_window.h"

#include "controls/dot_matrix_display.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "fakes.h"
#include "qt_application.h"
#include "tetris/random_source.h"
#include "tetris/tetris_labels.h"
#include "tetris/ttetris.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using arkivo::tetris::Board;
using arkivo::tetris::RandomSource;

namespace {

constexpr int kGrey = 0x7D7D7D;

class TetrisWindowTest : public ::testing::Test {
protected:
    TetrisWindowTest()
    {
        arkivo::test::ensureApplication();
        RandomSource::instance().fixSeed(11);
        window = std::make_unique<TTetrisPeli1>();
        window->UusiPeliClick();
        window->TETRIS1->setScreenNumber(0); // an open board whatever the game drew
        services.dialogs.log.clear();
        services.tone.clear();
    }
    ~TetrisWindowTest() override
    {
        window.reset();
        RandomSource::instance().releaseSeed();
    }

    Board& board() { return window->TETRIS1->board(); }
    void fillRow(int row, int holeFrom, int holeTo)
    {
        for (int c = 0; c < Board::Columns; ++c)
            if (c < holeFrom || c > holeTo)
                board().setCell(c, row, kGrey);
    }
    // A square about to land over columns 4 and 5 of rows 19 and 20, which
    // completes the bottom `rows` rows (0, 1 or 2).
    void prepareLanding(int rows)
    {
        for (int r = Board::Rows - rows; r < Board::Rows; ++r)
            fillRow(r, 4, 5);
        board().setPiece(1, 3, 18);
    }
    QStringList messages() const { return services.dialogs.messages(); }

    arkivo::test::TestServices services;
    std::unique_ptr<TTetrisPeli1> window;
};

TEST_F(TetrisWindowTest, ALandingScoresTheFreeRowsAndFourPointsARowTimesTheLevel)
{
    for (int r = 10; r <= 18; ++r) // a stack that leaves 12 empty rows once two rows go
        board().setCell(0, r, kGrey);
    prepareLanding(2);
    window->Timer1Timer();

    EXPECT_EQ(window->score(), 12 + 2 * 4);
    EXPECT_EQ(window->LSCO->caption().trimmed(), QStringLiteral("20"));
    EXPECT_EQ(window->LDL->text(), QStringLiteral("2"));
    EXPECT_EQ(window->LDLT->text(), QStringLiteral("2"));
    EXPECT_EQ(window->LCP->text(), QStringLiteral("1"));
}

TEST_F(TetrisWindowTest, AHardDropAddsOnePointARowBeforeTheLanding)
{
    for (int key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Return}) {
        window->setCounters(0, 0, 0);
        board().setPiece(4, 4, 2); // the bar in column 5, rows 2..5
        QTest::keyClick(window.get(), Qt::Key(key));
        EXPECT_EQ(window->score(), 15) << key;
        EXPECT_EQ(board().pieceY(), 17) << key;
        EXPECT_EQ(window->LSCO->caption().trimmed(), QStringLiteral("0")) << "shown at the next tick";
    }
}

TEST_F(TetrisWindowTest, KeysAndTypedCharactersMoveThePiece)
{
    const struct {
        int key;
        const char* text;
        int dx;
        bool turned;
    } cases[] = {
        {Qt::Key_Left, "", -1, false}, {Qt::Key_V, "v", -1, false},   {Qt::Key_4, "4", -1, false},
        {Qt::Key_Right, "", 1, false}, {Qt::Key_N, "n", 1, false},    {Qt::Key_6, "6", 1, false},
        {Qt::Key_Up, "", 0, true},     {Qt::Key_8, "8", 0, true},     {Qt::Key_Z, "z", 0, true},
    };
    for (const auto& c : cases) {
        board().setPiece(4, 3, 5);
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
        QApplication::sendEvent(window.get(), &press);
        EXPECT_EQ(board().pieceX(), 3 + c.dx) << c.key;
        EXPECT_EQ(board().pieceCellFilled(1, 0), !c.turned) << c.key;
    }

    QWidget box(window.get(), Qt::Dialog); // a message box over the window keeps its keys
    board().setPiece(4, 3, 5);
    QTest::keyClick(&box, Qt::Key_Left);
    EXPECT_EQ(board().pieceX(), 3);

    QTest::keyClick(window.get(), Qt::Key_A); // a step by hand
    EXPECT_EQ(board().pieceY(), 6);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(services.help.keywords, QStringList{QStringLiteral("Tetrispeli")});

    window->TaukoClick(); // a paused game takes no moves
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(window->TaukoButton->isHidden());
    EXPECT_FALSE(window->JatkaButton->isHidden());
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(board().pieceX(), 3);
    window->JatkaClick();
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->JatkaButton->isHidden());
}

TEST_F(TetrisWindowTest, LevelsChangeAtTheirThresholdsAndSetTheNextScreen)
{
    const struct {
        int level, total, removed;
        int newLevel, interval, screen;
    } cases[] = {
        {0, 6, 2, 1, 800, 1},  // 8 itself ends level 0
        {1, 18, 1, 1, 800, 1}, // 19 is not above 19
        {1, 18, 2, 2, 650, 2},
        {4, 53, 2, 5, 200, 5},
        {5, 64, 2, 6, 150, 0}, // high levels play on an open board
    };
    for (const auto& c : cases) {
        window->UusiPeliClick();
        window->Timer1->setInterval(c.newLevel == c.level ? 800 : 1000);
        window->setCounters(0, c.level, c.total);
        for (int r = 0; r < Board::Rows; ++r)
            for (int col = 0; col < Board::Columns; ++col)
                board().setCell(col, r, board().backgroundColor());
        services.dialogs.log.clear();
        services.tone.clear();
        prepareLanding(c.removed);
        window->Timer1Timer();

        EXPECT_EQ(window->level(), c.newLevel) << c.level << "/" << c.total;
        EXPECT_EQ(window->LCL->text(), QString::number(c.newLevel));
        EXPECT_EQ(window->totalRows(), c.total + c.removed);
        EXPECT_TRUE(window->Timer1->isActive());
        if (c.newLevel == c.level) {
            EXPECT_TRUE(messages().isEmpty());
            continue;
        }
        EXPECT_EQ(window->Timer1->interval(), c.interval);
        EXPECT_EQ(window->TETRIS1->screenNumber(), c.screen);
        ASSERT_EQ(messages().size(), 1);
        EXPECT_TRUE(messages().first().startsWith(QStringLiteral("Vaihdetaan tasoa...\nVapautettuja rivejä = ")));
        EXPECT_FALSE(services.tone.tones().empty()) << "the level tune";
        if (c.screen == 1) {
            for (int r = 13; r <= 20; ++r)
                EXPECT_FALSE(board().isEmptyCell(0, r) || board().isEmptyCell(9, r)) << r;
            EXPECT_TRUE(board().isEmptyCell(4, 20)) << "the board was emptied first";
        }
    }
}

TEST_F(TetrisWindowTest, HighLevelsAddGreyBlocksAndFromLevelEightRisingLines)
{
    const struct {
        int level, total;
        bool blocks, lines;
    } cases[] = {{5, 60, false, false}, {6, 70, true, false}, {7, 85, true, false}, {8, 110, true, true}, {9, 130, true, true}};
    for (const auto& c : cases) {
        window->setCounters(0, c.level, c.total);
        int grey = 0, lines = 0;
        for (int i = 0; i < 60; ++i) {
            for (int r = 0; r < Board::Rows; ++r)
                for (int col = 0; col < Board::Columns; ++col)
                    board().setCell(col, r, board().backgroundColor());
            prepareLanding(0);
            window->Timer1Timer();
            int holes = 0;
            for (int col = 0; col < Board::Columns; ++col) {
                grey += board().cell(col, 20) == kGrey;
                holes += board().isEmptyCell(col, 20);
            }
            lines += holes == 1 && board().cell(board().isEmptyCell(0, 20) ? 1 : 0, 20) != kGrey;
        }
        EXPECT_EQ(grey > 0, c.blocks) << c.level;
        EXPECT_EQ(lines > 0, c.lines) << c.level;
        EXPECT_EQ(window->level(), c.level);
    }
}

TEST_F(TetrisWindowTest, AGameEndsWithARecordOnlyAboveTheHighScore)
{
    const struct {
        const char* record;
        int score;
        int dropRows; // points of a hard drop just before the end
        const char* stored;
        QStringList texts;
    } cases[] = {
        {"20", 20, 0, "20", {"Peli loppui!!!"}},
        {"000000", 0, 0, "000000", {"Peli loppui!!!"}},
        {"20", 20, 3, "23", {"PISTE-ENNÄTYS!!! Tallenna nimesi."}},
        {"000000", 50, 0, "50", {"PISTE-ENNÄTYS!!! Tallenna nimesi."}},
        {"9000", 10001, 0, "10001",
         {"PISTE-ENNÄTYS!!! Tallenna nimesi.",
          "TOSIKOVA PISTE-ENNÄTYS!!! Tallenna nimesi. Lähetä nimesi ja ikäsi myös tänne sähköpostilla, niin "
          "kerrotaan ennätys muillekin."}},
    };
    for (const auto& c : cases) {
        window->UusiPeliClick();
        window->TETRIS1->setScreenNumber(0);
        window->Pisteet->setText(QString::fromUtf8(c.record));
        window->setCounters(c.score, 0, 0);
        services.dialogs.log.clear();
        // The bar that comes next cannot enter: a block stands in its way at row 1.
        board().setCell(5, 1, kGrey);
        board().setNextPiece(4);
        board().setPiece(1, 0, 18 - c.dropRows);
        if (c.dropRows)
            QTest::keyClick(window.get(), Qt::Key_Down);
        window->Timer1Timer();

        EXPECT_EQ(window->state(), TTetrisPeli1::State::Over);
        EXPECT_FALSE(window->Timer1->isActive());
        EXPECT_FALSE(window->Panel2->isHidden());
        EXPECT_EQ(window->Pisteet->text(), QString::fromUtf8(c.stored)) << c.score;
        EXPECT_EQ(messages(), c.texts) << c.score;
        EXPECT_EQ(window->ParasNimi->isReadOnly(), c.texts.first().startsWith(QStringLiteral("Peli")));
        EXPECT_EQ(window->LSCO->caption().trimmed(), QString::number(c.score + c.dropRows));
    }
}

TEST_F(TetrisWindowTest, TheRecordHolderTypesTheNameAndItIsStored)
{
    window->show();
    window->setCounters(40, 0, 0);
    board().setCell(5, 1, kGrey);
    board().setNextPiece(4);
    board().setPiece(1, 0, 18);
    window->Timer1Timer();
    ASSERT_FALSE(window->ParasNimi->isReadOnly());

    window->ParasNimi->clear();
    QTest::keyClicks(window->ParasNimi, QStringLiteral("Ville+1a"));
    EXPECT_EQ(window->ParasNimi->text(), QStringLiteral("Ville+1a"));
    EXPECT_EQ(window->state(), TTetrisPeli1::State::Over) << "typing a name starts nothing";
    window->TallennaClick();
    EXPECT_TRUE(window->ParasNimi->isReadOnly());
    window->TrackBar1->setValue(55);
    EXPECT_EQ(window->TETRIS1->previewSize(), 55);
    EXPECT_EQ(window->TETRIS1->previewWindow()->width(), 220);
    window->close();

    const QString key = QStringLiteral("Software\\Arkivo\\AV-Tetris\\Paikka");
    EXPECT_EQ(services.registry.readString(key, QStringLiteral("ParasNimi_Text")), QStringLiteral("Ville+1a"));
    EXPECT_EQ(services.registry.readString(key, QStringLiteral("Pisteet_Caption")), QStringLiteral("40"));
    EXPECT_EQ(services.registry.readString(key, QStringLiteral("TrackBar1_Position")), QStringLiteral("55"));

    TTetrisPeli1 again; // a new opening reads them back
    EXPECT_EQ(again.ParasNimi->text(), QStringLiteral("Ville+1a"));
    EXPECT_EQ(again.Pisteet->text(), QStringLiteral("40"));
    EXPECT_EQ(again.TrackBar1->value(), 55);
}

TEST_F(TetrisWindowTest, TheCaptionIsTheClockLineWithTheWeek)
{
    const struct {
        QDateTime now;
        const char* caption;
    } cases[] = {
        {QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)),
         "Tänään on perjantai, 11. joulukuuta 2026   - Klo: 12:00:00 -    Vko 50"},
        {QDateTime(QDate(2026, 1, 5), QTime(9, 5, 7)),
         "Tänään on maanantai, 5. tammikuuta 2026   - Klo: 09:05:07 -    Vko 02"},
    };
    for (const auto& c : cases) {
        services.clock.set(c.now);
        window->Timer2Timer();
        EXPECT_EQ(window->windowTitle().toStdString(), c.caption);
    }
}

TEST_F(TetrisWindowTest, TheEndPanelShowsStartEndAndDuration)
{
    services.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 0, 5)));
    window->UusiPeliClick();
    EXPECT_EQ(window->AlkoiLabel->text(), QStringLiteral("9:00:05"));
    EXPECT_EQ(window->KestoLabel->text(), QStringLiteral("0:00:00"));
    services.clock.advance(65'000);
    window->TaukoClick(); // the duration runs on through a pause
    services.clock.advance(10'000);
    window->Timer2Timer();
    EXPECT_EQ(window->KestoLabel->text(), QStringLiteral("0:01:15"));
    window->JatkaClick();

    window->TETRIS1->setScreenNumber(0);
    board().setCell(5, 1, kGrey);
    board().setNextPiece(4);
    board().setPiece(1, 0, 18);
    window->Timer1Timer();
    EXPECT_EQ(window->LoppuiLabel->text(), QStringLiteral("9:01:20"));
    services.clock.advance(30'000);
    window->Timer2Timer();
    EXPECT_EQ(window->KestoLabel->text(), QStringLiteral("0:01:15"));

    QTest::mouseClick(window->KestoLabel, Qt::LeftButton); // a click anywhere on it hides it
    EXPECT_TRUE(window->Panel2->isHidden());
}

} // namespace
