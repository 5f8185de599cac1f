// The ten layouts applied to the panel: places, visibility, widths, marks and menu items.

#include "panel_fixture.h"

#include "app/panel_layout.h"
#include "controls/control.h"
#include "controls/mark_action.h"

using namespace arkivo;
using arkivo::controls::Control;

namespace {

// Left edge per control; a negative value means hidden at that left.
struct Row {
    int n;
    int width;
    int note1, note2, alarm, clock, cdOn, calendar, calculators, handle, minimise, close;
    QStringList hiddenItems;
};

const QString N2 = QStringLiteral("Muistilappu21"), N1 = QStringLiteral("Muistilappu11"),
              AC = QStringLiteral("Hertyskello1"), CAL = QStringLiteral("ArkivoKalenteri1"),
              TAPE = QStringLiteral("ArkivoNauhalaskuri1"), EURO = QStringLiteral("Eurolaskuri1"),
              FUEL = QStringLiteral("Polttoainelaskuri1");

const Row kRows[] = {
    {1, 591, 122, 147, 172, 196, 343, 368, 443, 520, 551, 570, {}},
    {2, 514, 122, 147, 172, 196, 343, 368, -443, 443, 474, 493, {}},
    {3, 566, 122, 147, 172, 196, -343, 343, 418, 495, 526, 545, {}},
    {4, 566, 122, -147, 147, 172, 318, 343, 418, 495, 526, 545, {N2}},
    {5, 516, -122, -147, 122, 147, -318, 293, 368, 445, 476, 495, {N2, N1}},
    {6, 491, -122, -147, -172, 122, -343, 268, 343, 420, 451, 470, {N2, N1, AC}},
    {7, 516, -122, -147, -172, 122, 268, 293, 368, 445, 476, 495, {N2, N1, AC}},
    {8, 441, -122, -147, -172, 122, 271, 296, -368, 370, 401, 420, {N2, N1, AC, TAPE, EURO, FUEL}},
    {9, 441, -122, -147, -172, 122, 271, -296, 296, 370, 401, 420, {N2, N1, AC, CAL}},
    {10, 367, -122, -147, -172, 122, 271, -296, -296, 296, 327, 346, {N2, N1, AC, CAL, TAPE, EURO, FUEL}},
};

class LayoutTest : public test::PanelTest, public ::testing::WithParamInterface<Row> {};

void expectPlace(TForm1& panel, const char* name, int expected) {
    auto* c = panel.part<Control>(QString::fromLatin1(name));
    ASSERT_TRUE(c) << name;
    EXPECT_EQ(c->x(), std::abs(expected)) << name;
    EXPECT_EQ(c->isShownFlag(), expected >= 0) << name;
}

} // namespace

TEST_P(LayoutTest, PlacesControlsSetsWidthAndHidesMenuItems) {
    const Row& row = GetParam();
    TForm1& panel = makePanel();
    // Start from the narrowest layout so every row has something to undo.
    panel.applyLayout(row.n == 10 ? 1 : 10);
    panel.applyLayout(row.n);

    EXPECT_EQ(panel.currentLayout(), row.n);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(panel.markChecked(app::layoutMarks()[i - 1]), i == row.n) << "mark of layout " << i;
    EXPECT_EQ(panel.width(), row.width);
    for (const char* image : {"Image1", "Image2", "Image6", "Image7", "Image8", "Image9", "Image10", "Image11"})
        EXPECT_EQ(panel.part<Control>(QString::fromLatin1(image))->width(), row.width) << image;

    expectPlace(panel, "SpeedButton1", 6);
    expectPlace(panel, "ProLabel1", 28);
    expectPlace(panel, "Muistilappu1", row.note1);
    expectPlace(panel, "Muistilappu2", row.note2);
    expectPlace(panel, "SpeedButton2", row.alarm);
    expectPlace(panel, "ProBorder1", row.clock);
    expectPlace(panel, "CDonbutton", row.cdOn);
    expectPlace(panel, "ProLabelKalenteri", row.calendar);
    expectPlace(panel, "ProLabelLaskurit", row.calculators);
    expectPlace(panel, "Panel1", row.handle);
    expectPlace(panel, "Pienennys", row.minimise);
    expectPlace(panel, "SpeedButton3", row.close);
    // The door-closing button shares the opening button's place and keeps its own visibility.
    EXPECT_EQ(panel.part<Control>(QStringLiteral("CDoffButton"))->x(), std::abs(row.cdOn));
    EXPECT_FALSE(panel.part<Control>(QStringLiteral("CDoffButton"))->isShownFlag());

    for (const QString& item : {N2, N1, AC, CAL, TAPE, EURO, FUEL}) {
        if (row.n == 2 && (item == TAPE || item == EURO || item == FUEL))
            continue; // layout 2 leaves the calculator items as they were
        EXPECT_EQ(panel.mark(item)->isVisible(), !row.hiddenItems.contains(item)) << item.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllTen, LayoutTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return "Layout" + std::to_string(info.param.n); });

using arkivo::test::PanelTest;

TEST_F(PanelTest, AlarmIndicatorsFollowTheirButtons) {
    TForm1& panel = makePanel();
    const std::pair<int, std::array<int, 3>> cases[] = {
        {4, {129, 154, 154}}, {5, {129, 154, 129}}, {2, {129, 154, 129}}, {6, {129, 154, 178}}};
    for (const auto& [layout, lefts] : cases) {
        panel.applyLayout(layout);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(panel.part<Control>(QStringLiteral("Image%1").arg(3 + i))->x(), lefts[i])
                << "layout " << layout << " Image" << 3 + i;
    }
}
