// The shadow label's accelerator text, the clock label's format and the flat button's click.

#include "controls/clock_label.h"
#include "controls/shadow_label.h"
#include "controls/speed_button.h"
#include "controls/state_controls.h"
#include "fakes.h"
#include "qt_application.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace arkivo;

TEST(ShadowLabel, DisplayTextDropsAcceleratorAmpersands) {
    const struct {
        const char* caption;
        const char* shown;
        int underlined;
    } cases[] = {
        {"&Arkivo", "Arkivo", 0}, {"&Kalenteri", "Kalenteri", 0},     {"Suljetaan", "Suljetaan", -1},
        {"A && B", "A & B", -1},  {"Nauha&laskin", "Nauhalaskin", 5}, {"loppu&", "loppu&", -1},
    };
    for (const auto& c : cases) {
        int index = -2;
        EXPECT_EQ(controls::ShadowLabel::displayText(QString::fromUtf8(c.caption), &index), QString::fromUtf8(c.shown))
            << c.caption;
        EXPECT_EQ(index, c.underlined) << c.caption;
    }
}

TEST(ShadowLabel, HoverRaisesAndLeavingLowersTheShadow) {
    test::ensureApplication();
    controls::ShadowLabel label(QStringLiteral("ProLabel1"), QStringLiteral("&Arkivo"));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&label, &move);
    EXPECT_EQ(label.direction(), controls::ShadowLabel::Direction::UpLeft);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.direction(), controls::ShadowLabel::Direction::DownRight);
}

TEST(ClockLabel, ShowsTheClockInItsFormat) {
    test::ensureApplication();
    test::TestServices services;
    services.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)));
    controls::ClockLabel label(QStringLiteral("ProClockLabel1"), QStringLiteral("ddddd  tt"));
    label.refresh();
    EXPECT_EQ(label.caption(), QStringLiteral("11.12.2026  9:05:07"));
    label.setFormat(QStringLiteral("ddddd   t"));
    EXPECT_EQ(label.caption(), QStringLiteral("11.12.2026   9:05"));
    EXPECT_EQ(label.property("Format").toString(), QStringLiteral("ddddd   t"));
}

TEST(SpeedButton, ClicksOnALeftReleaseInsideOnlyAndNamesItsAltKey) {
    test::ensureApplication();
    controls::SpeedButton button(QStringLiteral("SpeedButton9"), QStringLiteral("&Ä"));
    button.resize(20, 20);
    QSignalSpy clicked(&button, &controls::SpeedButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 10)); // released outside: no click
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.accelerator(), QChar(u'Ä'));
}

TEST(StateControls, ExposeTheStoredNames) {
    test::ensureApplication();
    controls::TrackBar bar(QStringLiteral("TrackBar1"), 0, 1000);
    EXPECT_TRUE(bar.setProperty("Position", 2000));
    EXPECT_EQ(bar.value(), 1000); // kept within its range
    controls::Edit edit(QStringLiteral("EditReg"));
    edit.setProperty("Text", QStringLiteral("/usr/bin/arkivo"));
    EXPECT_EQ(edit.text(), QStringLiteral("/usr/bin/arkivo"));
    controls::CheckBox box(QStringLiteral("CheckMuistuttaja"), QStringLiteral("Muistutus"));
    box.setProperty("Checked", true);
    EXPECT_TRUE(box.isChecked());
}
