#include "alarms/three_step_alarm.h"

#include "alarm_test_support.h"
#include "fakes.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using arkivo::alarms::AlarmHost;
using arkivo::alarms::AlarmOwner;
using arkivo::alarms::ThreeStepAlarm;

// Records what the alarm does outside itself, in order, as "open:<name>",
// "ring:<title>", "beep" and "indicator:<n>:<0|1>".
struct World {
    arkivo::test::TestServices services;
    arkivo::test::AlarmFiles files;
    QStringList events;
    bool popupExists = true;

    AlarmHost host() {
        AlarmHost h;
        h.ring = [this](const QString& title, const QColor&) {
            if (!popupExists)
                throw std::runtime_error("pop-up not created yet");
            events << QStringLiteral("ring:") + title;
        };
        h.beep = [this] { events << QStringLiteral("beep"); };
        h.indicator = [this](int image, bool on) {
            events << QStringLiteral("indicator:%1:%2").arg(image).arg(on ? 1 : 0);
        };
        return h;
    }
    // Shell opens, by file name, merged into the event list.
    QStringList timeline() const {
        QStringList out = events;
        for (const QString& p : services.shell.opened)
            out << QStringLiteral("open:") + p.section(u'/', -1);
        return out;
    }
    QString stored(const AlarmOwner& o) const {
        return services.registry.readString(o.key + u'\\' + o.switchValue, o.switchValue);
    }
    void tick(ThreeStepAlarm& alarm, int seconds) {
        for (int i = 0; i < seconds; ++i) {
            services.clock.advance(1000);
            if (alarm.triggerEnabled())
                alarm.fire();
        }
    }
};

class ThreeStepAlarmTest : public ::testing::Test {
protected:
    World w;
};

TEST_F(ThreeStepAlarmTest, MomentOneMinuteAheadRingsOnceThenSwitchesOff) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    alarm.setPath(0, w.files.make("herätys.wav"));
    alarm.changeTime(w.services.clock.now().time().addSecs(60));
    alarm.setSwitch(true);
    EXPECT_TRUE(alarm.triggerEnabled());
    EXPECT_EQ(alarm.switchCaption(), QStringLiteral("&Hälytys päällä"));
    EXPECT_EQ(w.stored(alarm.owner()), QStringLiteral("1"));

    w.tick(alarm, 60); // at the moment itself nothing rings: the comparison is strict
    EXPECT_TRUE(w.services.shell.opened.isEmpty());
    w.tick(alarm, 1);
    EXPECT_EQ(w.services.shell.opened.size(), 1);
    w.tick(alarm, 5);
    EXPECT_EQ(w.services.shell.opened.size(), 1);

    EXPECT_FALSE(alarm.switchOn());
    EXPECT_FALSE(alarm.triggerEnabled());
    EXPECT_EQ(alarm.switchCaption(), QStringLiteral("&Hälytys päälle"));
    EXPECT_EQ(w.stored(alarm.owner()), QStringLiteral("0"));
    EXPECT_EQ(w.events, (QStringList{"indicator:5:1", "indicator:5:0"}));
}

TEST_F(ThreeStepAlarmTest, PassedMomentRingsAtSwitchOn) {
    ThreeStepAlarm alarm(AlarmOwner::note1(), w.host());
    alarm.setPath(1, w.files.make("muistio.txt"));
    alarm.changeTime(w.services.clock.now().time().addSecs(-60));
    alarm.setSwitch(true);
    EXPECT_EQ(w.services.shell.opened.size(), 1);
    EXPECT_FALSE(alarm.switchOn());
    EXPECT_EQ(w.stored(alarm.owner()), QStringLiteral("0"));
    EXPECT_EQ(w.events, (QStringList{"indicator:3:1", "indicator:3:0"}));
}

TEST_F(ThreeStepAlarmTest, NoAvailableFormBringsUpTheInfoPanel) {
    struct Case {
        const char* name;
        QString path; // given to every form
    };
    const Case cases[] = {{"all empty", QString()}, {"missing files", w.files.missing("poissa.wav")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ThreeStepAlarm alarm(AlarmOwner::note2(), w.host());
        for (int form = 0; form < 3; ++form)
            alarm.setPath(form, c.path);
        alarm.changeTime(w.services.clock.now().time().addSecs(600));
        alarm.setSwitch(true);
        EXPECT_FALSE(alarm.switchOn());
        EXPECT_TRUE(alarm.infoPanelVisible());
        EXPECT_EQ(w.stored(alarm.owner()), QStringLiteral("0"));
        EXPECT_FALSE(alarm.triggerEnabled());
        alarm.hideInfoPanel(); // a browse button
        EXPECT_FALSE(alarm.infoPanelVisible());
    }
}

TEST_F(ThreeStepAlarmTest, SwitchingOffWithNoTestButtonEnabledAlsoShowsTheInfoPanel) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    const QString file = w.files.make("a.wav");
    alarm.setPath(0, file);
    alarm.changeTime(w.services.clock.now().time().addSecs(600));
    alarm.setSwitch(true);
    ASSERT_TRUE(alarm.switchOn());
    QFile::remove(file);
    EXPECT_TRUE(alarm.testEnabled(0)) << "a deleted file keeps its button until the path changes";
    alarm.setPath(0, QStringLiteral("  ") + file + QStringLiteral("  "));
    EXPECT_FALSE(alarm.testEnabled(0));
    EXPECT_FALSE(alarm.infoPanelVisible());
    alarm.setSwitch(false);
    EXPECT_TRUE(alarm.infoPanelVisible());
}

TEST_F(ThreeStepAlarmTest, DeletedFileIsSkippedAtFiring) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    const QString sound = w.files.make("a.wav");
    alarm.setPath(0, sound);
    alarm.setPath(1, w.files.make("b.txt"));
    alarm.changeTime(w.services.clock.now().time().addSecs(5));
    alarm.setSwitch(true);
    QFile::remove(sound);
    w.tick(alarm, 6);
    EXPECT_EQ(w.timeline(), (QStringList{"indicator:5:1", "indicator:5:0", "open:b.txt"}));
}

TEST_F(ThreeStepAlarmTest, AllThreeFormsRingInOrder) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    alarm.setPath(0, w.files.make("1.wav"));
    alarm.setPath(1, w.files.make("2.txt"));
    alarm.setPath(2, w.files.make("3.htm"));
    w.services.shell.opened.clear();
    alarm.changeTime(w.services.clock.now().time().addSecs(2));
    alarm.setSwitch(true);
    w.events.clear();
    // The pop-up comes after the third file opens: the shell log is merged after the
    // events, so check the order within each and the ring against the opens.
    w.tick(alarm, 3);
    EXPECT_EQ(w.services.shell.opened.size(), 3);
    QStringList opened;
    for (const QString& p : w.services.shell.opened)
        opened << p.section(u'/', -1);
    EXPECT_EQ(opened, (QStringList{"1.wav", "2.txt", "3.htm"}));
    EXPECT_EQ(w.events, (QStringList{"ring:HERÄTYSKELLO", "indicator:5:0"}));
}

TEST_F(ThreeStepAlarmTest, PathsAreTrimmedStoredAndDialogFolderFollows) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    const QString file = w.files.make("soitto.mp3");
    alarm.setPath(0, QStringLiteral("   ") + file + QStringLiteral(" "));
    EXPECT_EQ(w.services.registry.readString(alarm.owner().key, "SoundFileName"), file);
    EXPECT_EQ(alarm.dialogFolder(0), w.files.folder());
    EXPECT_TRUE(alarm.testEnabled(0));
    alarm.test(0);
    EXPECT_EQ(w.services.shell.opened, QStringList{file});
}

TEST_F(ThreeStepAlarmTest, DateChangeKeepsTheTimeAndStoresTheMoment) {
    ThreeStepAlarm alarm(AlarmOwner::alarmClock(), w.host());
    alarm.setMoment(QDateTime(QDate(2026, 12, 11), QTime(7, 30)));
    alarm.changeDate(QDate(2026, 12, 24));
    EXPECT_EQ(alarm.moment(), QDateTime(QDate(2026, 12, 24), QTime(7, 30)));
    EXPECT_EQ(w.services.registry.readString(alarm.owner().key, "AlarmTime"), QStringLiteral("24.12.2026 7:30:00"));
    EXPECT_FALSE(alarm.triggerEnabled()) << "no form available: nothing to poll for";
}

TEST_F(ThreeStepAlarmTest, MomentTextLeavesMidnightOutAndReadsBack) {
    const QDateTime cases[] = {QDateTime(QDate(2027, 1, 5), QTime(0, 0)),
                               QDateTime(QDate(2026, 3, 9), QTime(18, 4, 5))};
    EXPECT_EQ(ThreeStepAlarm::momentText(cases[0]), QStringLiteral("5.1.2027"));
    EXPECT_EQ(ThreeStepAlarm::momentText(cases[1]), QStringLiteral("9.3.2026 18:04:05"));
    for (const QDateTime& dt : cases)
        EXPECT_EQ(ThreeStepAlarm::parseMomentText(ThreeStepAlarm::momentText(dt)), dt);
    EXPECT_FALSE(ThreeStepAlarm::parseMomentText(QStringLiteral("2026-03-09 18:04")));
}

TEST_F(ThreeStepAlarmTest, StoredOnWithPassedMomentRingsAtStartUp) {
    // Form 3 at start-up: the pop-up does not exist yet. The alarm clock's guard
    // answers with a single beep; a note's unguarded form 3 ends its start-up.
    struct Case {
        AlarmOwner owner;
        bool throws;
        QStringList events;
    };
    const Case cases[] = {
        {AlarmOwner::alarmClock(), false, {"indicator:5:1", "beep", "indicator:5:0"}},
        {AlarmOwner::note1(), true, {"indicator:3:1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner.popupTitle.toStdString());
        w.events.clear();
        w.services.shell.opened.clear();
        w.popupExists = false;
        auto& reg = w.services.registry;
        const QString piip = w.files.make("muistutus.txt");
        reg.writeString(c.owner.key, "PiipTextFileName", piip);
        reg.writeString(c.owner.key, "AlarmTime", "11.12.2026 6:00:00");
        reg.writeBool(c.owner.key, c.owner.switchValue, c.owner.switchValue, true);

        ThreeStepAlarm alarm(c.owner, w.host());
        ASSERT_TRUE(alarm.startUpSteps(QStringLiteral("/ohjelma")));
        EXPECT_EQ(alarm.dialogFolder(0), QStringLiteral("/ohjelma"));
        EXPECT_TRUE(w.services.shell.opened.isEmpty()) << "the switch is still off at the first check";
        if (c.throws) {
            EXPECT_THROW(alarm.readStoredSwitch(), std::runtime_error);
        } else {
            alarm.readStoredSwitch();
            EXPECT_FALSE(alarm.switchOn());
            EXPECT_EQ(w.stored(c.owner), QStringLiteral("0"));
        }
        EXPECT_EQ(w.services.shell.opened, QStringList{piip});
        EXPECT_EQ(w.events, c.events);
    }
}

TEST_F(ThreeStepAlarmTest, StartUpStopsAtAMomentThatDoesNotRead) {
    auto& reg = w.services.registry;
    const AlarmOwner owner = AlarmOwner::alarmClock();
    reg.writeString(owner.key, "SoundFileName", "  " + w.files.make("s.wav"));
    reg.writeString(owner.key, "AlarmTime", "12/11/2026 06:00 PM");
    ThreeStepAlarm alarm(owner, w.host());
    EXPECT_FALSE(alarm.startUpSteps(QString()));
    EXPECT_TRUE(alarm.testEnabled(0));
    EXPECT_FALSE(reg.readString(owner.key, "SoundFileName").startsWith(u' '));
}

} // namespace
