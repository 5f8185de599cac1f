// The shadow label's accelerator text, the clock label's format and the flat button's click.

#include "controls/clock_label.h"
#include "controls/shadow_label.h"
#include "controls/speed_button.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
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

TEST(ShadowLabel, ANewCaptionAsksToRepaintFromTheFirstChangedGlyphOn) {
    test::ensureApplication();
    struct Probe : controls::ShadowLabel {
        using ShadowLabel::ShadowLabel;
        using ShadowLabel::assignCaption;
    } label(QStringLiteral("ProClockLabel1"), QStringLiteral("11.12.2026  13:29:58"));
    label.resize(160, 20);
    EXPECT_TRUE(label.assignCaption(label.caption()).isEmpty());
    const QRect lastDigit = label.assignCaption(QStringLiteral("11.12.2026  13:29:59"));
    ASSERT_FALSE(lastDigit.isEmpty());
    EXPECT_GT(lastDigit.left(), 100);
    EXPECT_EQ(lastDigit.right(), label.rect().right());
    const QRect minute = label.assignCaption(QStringLiteral("11.12.2026  13:30:00"));
    EXPECT_LT(minute.left(), lastDigit.left());
    EXPECT_EQ(label.assignCaption(QStringLiteral("Viikko 50")), label.rect()) << "another width: the whole label";
    EXPECT_EQ(label.assignCaption(QStringLiteral("&Kalenteri")), label.rect());
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

TEST(Timer, OnWholeSecondsTicksJustAfterEachSecondAndStaysOn) {
    test::ensureApplication();
    test::TestServices services;
    services.clock.set(QDateTime(QDate(2026, 12, 11), QTime(12, 59, 59, 300)));
    controls::Timer timer(QStringLiteral("TimerTasaTuntiPieni"), 1000, false);
    timer.setOnWholeSeconds(true);
    timer.setEnabled(true);
    EXPECT_GT(timer.remainingTime(), 650);
    EXPECT_LE(timer.remainingTime(), 705);
    EXPECT_EQ(timer.property("Interval").toInt(), 1000);

    // Just before the full hour: the tick comes right after it, then the
    // timer is running again for the next second.
    services.clock.set(QDateTime(QDate(2026, 12, 11), QTime(12, 59, 59, 990)));
    timer.setEnabled(false);
    int ticks = 0;
    bool activeInHandler = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        activeInHandler = timer.isEnabled();
    });
    QSignalSpy enabled(&timer, &controls::Timer::enabledChanged);
    timer.setEnabled(true);
    EXPECT_LE(timer.remainingTime(), 15);
    services.clock.set(QDateTime(QDate(2026, 12, 11), QTime(13, 0, 0, 4)));
    QTest::qWait(60);
    EXPECT_EQ(ticks, 1);
    EXPECT_GT(timer.remainingTime(), 900);
    EXPECT_TRUE(activeInHandler) << "a handler may switch it off, so it is on again before handlers run";
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(enabled.count(), 1) << "re-arming is not a switch";
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
