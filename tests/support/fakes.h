#pragma once

// Test doubles for the platform layer, and a fixture helper that installs a
// whole set of them for the length of a test.

#include "platform/cd_door.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_clock.h"
#include "platform/tone_output.h"
#include "platform/wave_volume.h"

#include <QDateTime>
#include <QStringList>

#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace arkivo::test {

// A clock that stands still until a test moves it; sleep() moves it.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)));
    QDateTime now() const override { return m_now; }
    quint32 tickCount() const override { return m_tick; }
    void sleep(int ms) override { advance(ms); }
    void advance(qint64 ms);
    void set(const QDateTime& now) { m_now = now; }
    qint64 sleptTotal = 0;

private:
    QDateTime m_now;
    quint32 m_tick = 1000;
};

// Records tones as (hz, ms) and silences as (0, ms); keeps the fake clock's time.
class RecordingTone final : public platform::ToneOutput {
public:
    explicit RecordingTone(FakeClock* clock = nullptr, bool ntFamily = true) : m_clock(clock), m_nt(ntFamily) {}
    bool isNTFamily() const override { return m_nt; }
    void setNTFamily(bool nt) { m_nt = nt; }
    void playTone(quint16 hz, qint32 ms) override;
    void silence(qint32 ms) override;
    void speakerOn(quint16 divisor) override { events.push_back({-1, divisor}); }
    void speakerOff() override { events.push_back({-2, 0}); }
    void stopTone() override { events.push_back({-3, 0}); }
    // Tones only (hz > 0), and everything including silences (hz == 0).
    std::vector<std::pair<int, int>> tones() const;
    std::vector<std::pair<int, int>> events;
    void clear() { events.clear(); }

private:
    FakeClock* m_clock;
    bool m_nt;
};

class RecordingShell final : public platform::Shell {
public:
    bool open(const QString& target) override { opened << target; return result; }
    bool openTool(const QString& name) override { tools << name; return result; }
    QStringList opened;
    QStringList tools;
    bool result = true;
};

class RecordingHelp final : public platform::Help {
public:
    void show(const QString& keyword) override { keywords << keyword; }
    QStringList keywords;
};

class RecordingSystemClock final : public platform::SystemClock {
public:
    Result setTime(const QDateTime& utc) override { set.push_back(utc); return result; }
    std::vector<QDateTime> set;
    Result result{true, {}};
};

class RecordingCdDoor final : public platform::CdDoor {
public:
    bool open() override { ++opens; return true; }
    bool close() override { ++closes; return true; }
    int opens = 0, closes = 0;
};

// Answers dialogs from queues; an empty queue gives the "cancel" answer.
// Every call is logged as "kind: title | text".
class ScriptedDialogs final : public platform::Dialogs {
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    Answer askYesNo(const QString& text, const QString& title) override;
    void information(const QString& body) override;
    void error(const QString& text) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override;
    QString chooseFolder(const QString& title, const QString& dir) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt, const QString& text) override;
    bool print(QPrinter& printer) override;
    bool pageSetup(QPrinter& printer) override;

    std::deque<Answer> answers;
    std::deque<std::optional<QColor>> colors;
    std::deque<std::optional<QFont>> fonts;
    std::deque<QString> fileNames;     // open, save and folder answers, in order
    std::deque<std::optional<QString>> inputs;
    bool printAnswer = false;
    QStringList log;
    QStringList messages() const;      // the texts of message() and error() calls
};

// Installs a complete set of doubles (in-memory registry included) and puts
// the previous set back when it goes out of scope.
class TestServices {
public:
    TestServices();
    ~TestServices();
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    FakeClock clock;
    RecordingTone tone{&clock};
    platform::MemoryWaveVolume wave;
    RecordingShell shell;
    ScriptedDialogs dialogs;
    RecordingHelp help;
    RecordingSystemClock systemClock;
    RecordingCdDoor cdDoor;
    platform::RegistryStore registry;

private:
    platform::Services m_previous;
};

} // namespace arkivo::test
