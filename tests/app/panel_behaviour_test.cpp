// The panel's timers, keys, drag and commands, driven directly with the fake clock and doubles.

#include "panel_fixture.h"

#include "controls/bevel_panel.h"
#include "controls/shadow_label.h"
#include "controls/timer.h"
#include "sound/nuotit.h"

#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using namespace arkivo;
using arkivo::test::PanelTest;

namespace {

controls::BevelPanel* handle(TForm1& panel) {
    return panel.part<controls::BevelPanel>(QStringLiteral("Panel1"));
}

controls::Timer* timer(TForm1& panel, int n) {
    return panel.part<controls::Timer>(QStringLiteral("Timer%1").arg(n));
}

} // namespace

TEST_F(PanelTest, HelpAnimationGrowsTheHandleWithItsTexts) {
    TForm1& panel = makePanel();
    ASSERT_TRUE(timer(panel, 1)->isActive());
    EXPECT_EQ(timer(panel, 1)->interval(), 50);

    QMap<int, QString> texts;
    for (int tick = 0; tick < 10; ++tick) {
        panel.Timer1Timer();
        texts.insert(handle(panel)->x(), handle(panel)->caption());
    }
    EXPECT_EQ(timer(panel, 1)->interval(), 2000);
    EXPECT_EQ(texts.value(468), QStringLiteral("TERVETULOA! "));
    EXPECT_EQ(texts.value(416), QStringLiteral("ODOTA HETKI..."));
    EXPECT_EQ(texts.value(364), QStringLiteral("ODOTA HETKI...")); // a text stays until the next one
    EXPECT_EQ(texts.value(312), QStringLiteral("Suurennan hiirikahvaa, jotta ohje sopii siihen. "));
    EXPECT_EQ(texts.value(156),
              QStringLiteral("Ohjeessa neuvotaan, miten käyttöpaneelia siirretään näytöllä sopivaan kohtaan. "));
    EXPECT_EQ(handle(panel)->x(), 0);
    EXPECT_EQ(handle(panel)->width(), 591);
    EXPECT_TRUE(handle(panel)->caption().startsWith(QStringLiteral("Klikkaa hiirellä tummansinistä aluetta")));
    EXPECT_FALSE(timer(panel, 1)->isActive());
}

TEST_F(PanelTest, HelpAnimationContinuesFromAStoredPlace) {
    const QString koko = QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli\\Koko");
    services.registry.setValue(koko, QStringLiteral("Panel1_Left"), QStringLiteral("260"));
    services.registry.setValue(koko, QStringLiteral("Panel1_Width"), QStringLiteral("289"));
    services.registry.setValue(koko, QStringLiteral("Timer1_Enabled"), QStringLiteral("True"));
    TForm1& panel = makePanel();
    EXPECT_EQ(handle(panel)->x(), 260);
    panel.Timer1Timer();
    EXPECT_EQ(handle(panel)->x(), 208);
    EXPECT_EQ(handle(panel)->width(), 341);
    for (int i = 0; i < 4; ++i)
        panel.Timer1Timer();
    EXPECT_EQ(handle(panel)->x(), 0);
    EXPECT_FALSE(timer(panel, 1)->isActive());
}

TEST_F(PanelTest, DragMovesTheBarResetsTheHandleAndPlaysTheHandleTune) {
    sound::SetNamedTune(QStringLiteral("Hiiri"), QStringLiteral("O4N4C8"));
    TForm1& panel = makePanel();
    panel.move(100, 200);
    panel.Timer1Timer(); // the animation has begun: the drag stops it
    controls::BevelPanel* h = handle(panel);

    QTest::mousePress(h, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(panel.isDragging());
    const QPoint mouse = h->mapToGlobal(QPoint(35, 15));
    QMouseEvent move(QEvent::MouseMove, QPointF(35, 15), QPointF(mouse), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(h, &move);
    EXPECT_EQ(panel.dragOutline(), panel.frameGeometry().translated(30, 10));
    // The animation moves the handle under the still mouse: the bar moves by the mouse's way only.
    panel.Timer1Timer();
    QTest::mouseRelease(h, Qt::LeftButton, {}, h->mapFromGlobal(mouse));
    EXPECT_TRUE(panel.dragOutline().isEmpty());

    EXPECT_FALSE(panel.isDragging());
    EXPECT_EQ(panel.pos(), QPoint(130, 210));
    EXPECT_EQ(h->x(), 520);
    EXPECT_EQ(h->width(), 29);
    EXPECT_TRUE(h->caption().isEmpty());
    EXPECT_FALSE(timer(panel, 1)->isActive());
    ASSERT_FALSE(services.tone.tones().empty());
    EXPECT_EQ(services.tone.tones().front().first, 262);
    sound::SetNamedTune(QStringLiteral("Hiiri"), QString());
}

TEST_F(PanelTest, KeysMoveTheBarAndPutTheHandleBackAtItsLayoutPlace) {
    TForm1& panel = makePanel();
    panel.applyLayout(10);
    panel.move(300, 300);
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        QPoint to;
    } cases[] = {
        {Qt::Key_Left, {}, {299, 300}},
        {Qt::Key_Down, Qt::AltModifier, {299, 301}},
        {Qt::Key_7, Qt::KeypadModifier, {289, 291}},
        {Qt::Key_3, Qt::KeypadModifier, {299, 301}},
        {Qt::Key_6, Qt::KeypadModifier, {309, 301}},
        {Qt::Key_5, Qt::KeypadModifier, {0, 0}},
    };
    for (const auto& c : cases) {
        panel.Timer1Timer(); // the handle has grown: a move resets it
        QTest::keyClick(&panel, Qt::Key(c.key), c.mods);
        EXPECT_EQ(panel.pos(), c.to) << "key " << c.key;
        EXPECT_EQ(handle(panel)->x(), 296);
        EXPECT_EQ(handle(panel)->width(), 29);
        EXPECT_FALSE(timer(panel, 1)->isActive());
    }
}

TEST_F(PanelTest, VolumeKeysStepTheWaveVolumeWithinItsRange) {
    TForm1& panel = makePanel();
    const struct {
        char key;
        int volume;
    } steps[] = {{'0', 0}, {'-', 0}, {'+', 10}, {'*', 1000}, {'+', 1000}, {'-', 990}};
    for (const auto& s : steps) {
        QTest::keyClick(&panel, s.key);
        EXPECT_EQ(sound::GetWaveVolume(), s.volume) << "after " << s.key;
    }
}

TEST_F(PanelTest, VolumePollMirrorsTheMixerWithoutWritingItBack) {
    TForm1& panel = makePanel();
    services.wave.value = 0x80008000; // about half
    const int before = sound::GetWaveVolume();
    panel.Timer7Timer();
    EXPECT_EQ(panel.part<QSlider>(QStringLiteral("TrackBar1"))->value(), 1000 - before);
    EXPECT_EQ(services.wave.value, 0x80008000u);
}

TEST_F(PanelTest, WithoutAMixerTheVolumeIsNotPolled) {
    services.wave.available = false;
    TForm1& panel = makePanel();
    EXPECT_FALSE(timer(panel, 7)->isActive());
    EXPECT_EQ(panel.part<QSlider>(QStringLiteral("TrackBar1"))->value(), 1000); // GetWaveVolume gives 0
}

TEST_F(PanelTest, CloseShowsSuljetaanAndClosesWhenTimer5Fires) {
    TForm1& panel = makePanel();
    panel.show();
    QSignalSpy closed(&panel, &TForm1::closed);
    QTest::keyClick(&panel, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(panel.part<controls::ShadowLabel>(QStringLiteral("ProLabel1"))->caption(), QStringLiteral("Suljetaan"));
    EXPECT_TRUE(timer(panel, 5)->isActive());
    EXPECT_EQ(timer(panel, 5)->interval(), 4000);
    EXPECT_EQ(closed.count(), 0);

    panel.Timer5Timer();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(closed.count(), 1);
    for (int n : {2, 3, 4})
        EXPECT_FALSE(timer(panel, n)->isActive()) << "Timer" << n;
}

TEST_F(PanelTest, CalendarLabelAlternatesWithTheWeekOfTheStartDay) {
    services.clock.set(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 0))); // ISO week 1 of 2025
    TForm1& panel = makePanel();
    services.clock.set(QDateTime(QDate(2025, 1, 8), QTime(0, 1, 0))); // after midnight, a week later
    auto* label = panel.part<controls::ShadowLabel>(QStringLiteral("ProLabelKalenteri"));

    panel.Timer4Timer();
    EXPECT_TRUE(timer(panel, 2)->isActive());
    EXPECT_FALSE(timer(panel, 3)->isActive());
    EXPECT_FALSE(timer(panel, 4)->isActive()); // handed over: it has nothing more to do
    panel.Timer2Timer();
    EXPECT_EQ(label->caption(), QStringLiteral("&Kalenteri"));
    EXPECT_TRUE(timer(panel, 3)->isActive());
    EXPECT_FALSE(timer(panel, 4)->isActive());
    panel.Timer3Timer();
    EXPECT_EQ(label->caption(), QStringLiteral("Viikko 01"));
    EXPECT_FALSE(timer(panel, 2)->isActive());
    EXPECT_TRUE(timer(panel, 4)->isActive());
}

TEST_F(PanelTest, CommandsReachTheirWindows) {
    TForm1& panel = makePanel();
    QTest::keyClick(&panel, Qt::Key_1, Qt::ControlModifier);
    EXPECT_TRUE(panel.tools().note1->isVisible());
    QTest::keyClick(&panel, Qt::Key_K, Qt::AltModifier); // hidden accelerator button
    EXPECT_TRUE(panel.tools().calendar->isVisible());
    QTest::keyClick(&panel, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(&panel, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(eurosMade, 2); // every use opens one more euro calculator

    QTest::keyClick(&panel, Qt::Key_Delete);
    EXPECT_TRUE(panel.markChecked(QStringLiteral("Tarkistakellointernetist1")));
    EXPECT_TRUE(panel.tools().timeCheck->isVisible());

    QTest::keyClick(&panel, Qt::Key_F1);
    EXPECT_EQ(services.help.keywords, QStringList{QStringLiteral("Käyttöpaneeli")});

    QTest::keyClick(&panel, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(services.cdDoor.opens, 1);
    EXPECT_TRUE(panel.part<controls::Control>(QStringLiteral("CDoffButton"))->isShownFlag());
    EXPECT_FALSE(panel.part<controls::Control>(QStringLiteral("CDonbutton"))->isShownFlag());
}

TEST_F(PanelTest, LockNowWithoutAPasswordOnlyTellsSo) {
    TForm1& panel = makePanel();
    QTest::keyClick(&panel, Qt::Key_N, Qt::AltModifier);
    ASSERT_EQ(services.dialogs.messages().size(), 1);
    EXPECT_TRUE(
        services.dialogs.messages().front().startsWith(QStringLiteral("Salasanaa ei ole tietokoneen muistissa!!")));
    EXPECT_FALSE(panel.tools().locker->isVisible());

    panel.setMarkChecked(QStringLiteral("Lukitus"), false);
    QTest::keyClick(&panel, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(panel.tools().locker->isVisible());
}
