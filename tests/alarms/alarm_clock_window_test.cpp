#include "alarms/ajastin_page.h"
#include "alarms/alarm_page.h"
#include "alarms/kello.h"
#include "alarms/piip.h"
#include "alarms/three_step_alarm.h"
#include "controls/bevel_panel.h"
#include "controls/dot_matrix_display.h"
#include "controls/kam_button.h"
#include "controls/led_button.h"
#include "controls/timer.h"
#include "sound/nuotit.h"

#include "alarm_test_support.h"
#include "fake_panel.h"
#include "fakes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

using arkivo::alarms::AlarmOwner;

class AlarmClockWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        arkivo::sound::resetPlayerState();
        arkivo::sound::SetNamedTune(QStringLiteral("Kello"), QStringLiteral("O4N4C4"));
        arkivo::sound::SetNamedTune(QStringLiteral("Tasa"), QStringLiteral("O4N4C8"));
    }
    void makeWindows() {
        kello = std::make_unique<TKello>();
        piip = std::make_unique<TPiip>();
    }
    int tones() const { return int(services.tone.tones().size()); }
    QString stored() const {
        const AlarmOwner o = AlarmOwner::alarmClock();
        return services.registry.readString(o.key + u'\\' + o.switchValue, o.switchValue);
    }

    arkivo::test::TestServices services;
    arkivo::test::FakePanel panel;
    arkivo::test::AlarmFiles files;
    std::unique_ptr<TKello> kello;
    std::unique_ptr<TPiip> piip;
};

TEST_F(AlarmClockWindowTest, FormThreeRingsWithThePopUpAndTheTuneEveryTwoSecondsUntilStopped) {
    makeWindows();
    arkivo::alarms::AlarmPage* page = kello->alarmPage();
    page->pathEdit(2)->setText(files.make("herätys.txt"));
    EXPECT_TRUE(page->testButton(2)->isEnabled());
    kello->alarm()->changeTime(services.clock.now().time().addSecs(1));
    page->switchBox()->setChecked(true);
    EXPECT_EQ(page->switchBox()->text(), QStringLiteral("&Hälytys päällä"));
    EXPECT_EQ(panel.indicators, QStringList{"Image5:1"});

    services.clock.advance(2000);
    kello->alarm()->pollTick();
    EXPECT_EQ(services.shell.opened.size(), 1);
    EXPECT_TRUE(piip->isVisible());
    EXPECT_EQ(piip->ProLabel1->text(), QStringLiteral("HERÄTYSKELLO"));
    EXPECT_FALSE(page->switchBox()->isChecked());
    EXPECT_EQ(page->switchBox()->text(), QStringLiteral("&Hälytys päälle"));
    EXPECT_EQ(panel.indicators, (QStringList{"Image5:1", "Image5:0"}));
    EXPECT_EQ(stored(), QStringLiteral("0"));

    ASSERT_TRUE(kello->Timer1->isEnabled());
    EXPECT_EQ(kello->Timer1->interval(), 2000);
    EXPECT_EQ(tones(), 0) << "the first play comes with the first tick";
    for (int tick = 1; tick <= 3; ++tick) {
        kello->Timer1Timer();
        EXPECT_EQ(tones(), tick);
    }

    // The mouse over the button silences; the click also closes.
    emit piip->SammutaButton->hovered();
    EXPECT_FALSE(kello->Timer1->isEnabled());
    EXPECT_TRUE(piip->isVisible());
    kello->Timer1->setEnabled(true);
    piip->SammutaButton->click();
    EXPECT_FALSE(kello->Timer1->isEnabled());
    EXPECT_FALSE(piip->isVisible());
}

TEST_F(AlarmClockWindowTest, StoredOnWithPassedMomentRingsAtStartWithASingleBeep) {
    const AlarmOwner o = AlarmOwner::alarmClock();
    services.registry.writeString(o.key, "PiipTextFileName", files.make("aamu.txt"));
    services.registry.writeString(o.key, "AlarmTime", "11.12.2026 7:00:00");
    services.registry.writeBool(o.key, o.switchValue, o.switchValue, true);
    kello = std::make_unique<TKello>(); // the pop-up does not exist yet
    EXPECT_EQ(services.shell.opened.size(), 1);
    EXPECT_EQ(tones(), 1) << "the guard's one beep";
    EXPECT_FALSE(kello->Timer1->isEnabled());
    EXPECT_EQ(stored(), QStringLiteral("0"));
    EXPECT_EQ(panel.indicators, (QStringList{"Image5:1", "Image5:0"}));
}

TEST_F(AlarmClockWindowTest, HourlyChimeSoundsOnlyAtMinuteZeroSecondZero) {
    struct Case {
        QTime time;
        int smallTones; // four beeps at the full hour
        bool bigPlays;  // the named tune "Tasa"
    };
    const Case cases[] = {
        {QTime(11, 0, 0), 4, true},      {QTime(11, 10, 0), 0, false}, // "100"
        {QTime(11, 0, 1), 0, false},                                   // "01"
        {QTime(11, 0, 0, 999), 4, true}, {QTime(0, 0, 0), 4, true},
    };
    makeWindows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.toString("HH:mm:ss.zzz").toStdString());
        services.clock.set(QDateTime(QDate(2026, 12, 11), c.time));
        services.tone.clear();
        kello->TimerTasaTuntiPieniTimer();
        EXPECT_EQ(tones(), c.smallTones);
        services.clock.set(QDateTime(QDate(2026, 12, 11), c.time));
        services.tone.clear();
        kello->TimerTasaTuntiIsoTimer();
        EXPECT_EQ(tones() > 0, c.bigPlays);
    }
}

TEST_F(AlarmClockWindowTest, ChimeTimersFollowThePanelMarks) {
    struct Case {
        const char* mark;
        bool big, small;
    };
    const Case cases[] = {
        {"nimerkkitasatunnein1", false, true}, {"AlarmIso", true, false}, {"Einimerkki1", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mark);
        panel.marks = {QString::fromLatin1(c.mark)};
        TKello window;
        EXPECT_EQ(window.TimerTasaTuntiIso->isEnabled(), c.big);
        EXPECT_EQ(window.TimerTasaTuntiPieni->isEnabled(), c.small);
        EXPECT_EQ(window.findChild<arkivo::controls::Timer*>("TimerTasaTuntiIso"), window.TimerTasaTuntiIso);
    }
}

TEST_F(AlarmClockWindowTest, CountdownRingsAsAjastinAndStopEndsItForGood) {
    makeWindows();
    kello->show();
    kello->openAjastin();
    EXPECT_EQ(kello->height(), 280);
    EXPECT_EQ(kello->windowTitle(), QStringLiteral("Ajastin"));
    EXPECT_FALSE(kello->backgroundPanel()->bevel3D());
    EXPECT_EQ(kello->backgroundPanel()->outerBevel(), arkivo::controls::BevelPanel::Bevel::None);
    arkivo::alarms::AjastinPage* page = kello->ajastinPage();
    auto second = [&] {
        services.clock.advance(1000);
        page->CounterTimer();
        page->TimerEx1Timer();
    };

    EXPECT_FALSE(page->counterTimer()->isEnabled()) << "a stopped count needs no tick";
    page->button(0)->click(); // &Käynnistä
    EXPECT_TRUE(page->counterTimer()->isEnabled());
    EXPECT_TRUE(page->button(0)->lightOn());
    EXPECT_TRUE(page->comparisonTimer()->isEnabled());
    for (int i = 0; i < 60; ++i)
        second();
    ASSERT_TRUE(kello->Timer1->isEnabled());
    kello->Timer1Timer();
    EXPECT_TRUE(piip->isVisible());
    EXPECT_EQ(piip->ProLabel1->text(), QStringLiteral("AJASTIN"));
    EXPECT_EQ(tones(), 1);

    page->button(1)->click(); // &Pysäytä
    EXPECT_FALSE(kello->Timer1->isEnabled());
    EXPECT_FALSE(page->button(0)->lightOn());
    for (int i = 0; i < 5; ++i)
        second();
    EXPECT_FALSE(kello->Timer1->isEnabled()) << "the frozen display still equals the duration";
    EXPECT_FALSE(page->counterTimer()->isEnabled());
    EXPECT_EQ(page->display()->caption(), QStringLiteral("0:01:00"));
    page->button(2)->click(); // &Nollaa shows the zero at once
    EXPECT_EQ(page->display()->caption(), QStringLiteral("0:00:00"));

    page->button(3)->click(); // &Sulje
    EXPECT_EQ(kello->height(), 421);
    EXPECT_EQ(kello->windowTitle(), QStringLiteral("Herätyskello"));
    EXPECT_TRUE(kello->backgroundPanel()->bevel3D());
    EXPECT_EQ(kello->backgroundPanel()->outerBevel(), arkivo::controls::BevelPanel::Bevel::Raised);
    EXPECT_FALSE(page->comparisonTimer()->isEnabled());
    kello->close();
}

TEST_F(AlarmClockWindowTest, SammutaAfterACountdownRingResetsTheDisplay) {
    makeWindows();
    kello->openAjastin();
    arkivo::alarms::AjastinPage* page = kello->ajastinPage();
    page->KaynnistaClick();
    for (int i = 0; i < 60; ++i) {
        services.clock.advance(1000);
        page->CounterTimer();
        page->TimerEx1Timer();
    }
    ASSERT_TRUE(kello->Timer1->isEnabled());
    piip->SammutaButton->click();
    page->CounterTimer();
    EXPECT_EQ(page->countdown().display(), QStringLiteral("0:00:00"));
}

} // namespace
