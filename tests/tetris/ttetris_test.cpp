#include "tetris/ttetris.h"

#include "fakes.h"
#include "qt_application.h"
#include "tetris/random_source.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

class TTetrisTest : public ::testing::Test {
protected:
    QImage render()
    {
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        return image;
    }
    QApplication* app = arkivo::test::ensureApplication(); // before any widget
    arkivo::test::TestServices services;
    TTETRIS view;
};

TEST_F(TTetrisTest, SquareDimensionSizesTheControlAndItsCells)
{
    EXPECT_EQ(view.size(), QSize(135, 300));
    view.setSquareDimension(20);
    EXPECT_EQ(view.size(), QSize(180, 400));

    // 180 div 10 = 18 and 400 div 21 = 19 pixels a cell: cell (2, 3) covers x 36..53, y 57..75.
    view.setShowFillColor(true);
    view.setShowBorderColor(false);
    view.board().setCell(2, 3, 0x0000FF); // red
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(40, 60), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(36, 57), QColor(Qt::black)) << "the pen is the background colour";
    EXPECT_EQ(image.pixelColor(54, 60), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(40, 76), QColor(Qt::black));
}

TEST_F(TTetrisTest, BorderAndFillSwitchEachOtherOnAndPaintAsTold)
{
    view.setSquareDimension(20);
    view.setShowFillColor(false);
    EXPECT_TRUE(view.showBorderColor()) << "one of the two stays on";
    view.setShowBorderColor(false);
    EXPECT_TRUE(view.showFillColor());

    view.setShowBorderColor(true);
    view.setShowFillColor(false);
    view.board().setCell(2, 3, 0x0000FF);
    QImage image = render();
    EXPECT_EQ(image.pixelColor(36, 57), QColor(Qt::red)) << "outline only";
    EXPECT_EQ(image.pixelColor(44, 66), QColor(Qt::black));

    // The falling piece shows once it has moved; FreeRows(true) outlines the empty rows in white.
    view.board().setPiece(1, 0, 0);
    EXPECT_EQ(view.FreeRows(true), 21);
    image = render();
    EXPECT_EQ(image.pixelColor(0, 19 * 20), QColor(Qt::white));
    view.board().moveRight();
    EXPECT_TRUE(view.outlinedRows().isEmpty()) << "the outline goes with the next change";
}

TEST_F(TTetrisTest, ThePreviewShowsTheNextPieceInCellsOfPreviewSize)
{
    view.setShowFillColor(true);
    view.setPreviewSize(2); // below 3: ignored
    EXPECT_EQ(view.previewSize(), 40);
    view.setPreviewSize(30);
    view.setPreviewCaption(QStringLiteral("Esikatselu"));
    view.setNextPiece(4); // the bar in column 1
    QWidget* preview = view.previewWindow();
    EXPECT_EQ(preview->size(), QSize(120, 120));
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Esikatselu"));
    EXPECT_TRUE(preview->isWindow());

    QImage image(preview->size(), QImage::Format_RGB32);
    preview->render(&image);
    EXPECT_EQ(image.pixelColor(45, 100), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::black));

    view.setShowNextpiece(true);
    view.show();
    EXPECT_TRUE(preview->isVisible());
    view.setShowNextpiece(false);
    EXPECT_FALSE(preview->isVisible());
}

} // namespace
