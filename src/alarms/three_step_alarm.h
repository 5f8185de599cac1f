#pragma once

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

namespace arkivo::alarms {

// What differs between the three owners of a three-step alarm.
struct AlarmOwner {
    QString key;         // registry key of the paths, the moment and the switch
    QString switchValue; // subkey and value name of the switch
    int indicator = 5;   // the control panel's alarm indicator (Image3/4/5)
    QString popupTitle;
    QColor titleColor; // invalid: the pop-up keeps its colour
    bool guardForm3 = false;

    static AlarmOwner alarmClock();
    static AlarmOwner note1();
    static AlarmOwner note2();
};

// How an alarm reaches the world outside its own window.
struct AlarmHost {
    // Shows the alarm pop-up with the title (and colour) and starts the
    // repeating tune. Throws when the pop-up does not exist yet.
    std::function<void(const QString& title, const QColor& color)> ring;
    // The system's default beep.
    std::function<void()> beep;
    // Shows or hides the control panel's indicator.
    std::function<void(int image, bool visible)> indicator;
    // Reports an error of a poll tick, which has nobody to throw to.
    std::function<void(const QString& text)> error;
};

// The three-step alarm: a moment, three alarm forms and a switch, polled
// once a second. It holds the state the alarm page shows and keeps it in the
// registry; it does not build or touch any widget. The window shows its
// state through the signals and passes the user's changes in.
//
// Form 0 opens a sound file, form 1 shows a file, form 2 shows a file and
// then rings with the pop-up and the repeating tune.
class ThreeStepAlarm : public QObject {
    Q_OBJECT
public:
    static constexpr int kForms = 3;
    static const char* const kPathValues[kForms]; // "SoundFileName", "TextFileName", "PiipTextFileName"

    ThreeStepAlarm(AlarmOwner owner, AlarmHost host, QObject* parent = nullptr);

    const AlarmOwner& owner() const { return m_owner; }

    // Path change: trims, remembers the dialog folder, stores, updates the test buttons.
    void setPath(int form, const QString& text);
    QString path(int form) const { return m_paths.at(form); }
    QString dialogFolder(int form) const { return m_folders.at(form); }
    // Whether the form's file is there now.
    bool available(int form) const;
    // The test button's state, as the last path change left it.
    bool testEnabled(int form) const { return m_testEnabled.at(form); }

    // The user picked a date or a time of day; both store and arm.
    void changeDate(const QDate& date);
    void changeTime(const QTime& time);
    // Set from program code: nothing is stored or armed.
    void setMoment(const QDateTime& moment);
    QDateTime moment() const { return m_moment; }
    void storeAndArm();

    bool switchOn() const { return m_switch; }
    // Runs the switch handler when the state changes, whoever changes it.
    void setSwitch(bool on);
    QString switchCaption() const { return m_caption; }

    bool infoPanelVisible() const { return m_info; }
    void hideInfoPanel();

    QTimer& trigger() { return m_trigger; }
    bool triggerEnabled() const { return m_trigger.isActive(); }
    // The fire step; the poll runs it every second.
    void fire();
    // The poll's tick: the fire step, its errors reported through the host.
    void pollTick();
    // The test button.
    void test(int form);

    // Start-up steps: paths, empty-path folders, the stored moment and a first
    // firing check. False when the stored moment does not read: start-up ends there.
    bool startUpSteps(const QString& programFolder);
    // Reads the stored switch; an "on" runs the switch handler.
    void readStoredSwitch();

    // "AlarmTime" text: short date, a blank, long time; no time at midnight.
    static QString momentText(const QDateTime& moment);
    static std::optional<QDateTime> parseMomentText(const QString& text);

signals:
    void pathChanged(int form, const QString& path);
    void testEnabledChanged(int form, bool enabled);
    void momentChanged(const QDateTime& moment);
    void switchChanged(bool on);
    void captionChanged(const QString& caption);
    void infoPanelChanged(bool visible);

private:
    void switchHandler();
    void formAction(int form);
    void ringForm3();
    void setCaption(const QString& caption);
    void showInfoPanel();

    AlarmOwner m_owner;
    AlarmHost m_host;
    std::array<QString, kForms> m_paths;
    std::array<QString, kForms> m_folders;
    std::array<bool, kForms> m_testEnabled{};
    QDateTime m_moment;
    bool m_switch = false;
    bool m_info = false;
    QString m_caption;
    QTimer m_trigger;
};

} // namespace arkivo::alarms
