#include "fakes.h"

namespace arkivo::test {

FakeClock::FakeClock(QDateTime start) : m_now(std::move(start)) {}

void FakeClock::advance(qint64 ms)
{
    if (ms <= 0)
        return;
    m_now = m_now.addMSecs(ms);
    m_tick += quint32(ms);
    sleptTotal += ms;
}

void RecordingTone::playTone(quint16 hz, qint32 ms)
{
    events.push_back({hz, ms});
    if (m_clock)
        m_clock->advance(ms);
}

void RecordingTone::silence(qint32 ms)
{
    if (ms <= 0)
        return;
    events.push_back({0, ms});
    if (m_clock)
        m_clock->advance(ms);
}

std::vector<std::pair<int, int>> RecordingTone::tones() const
{
    std::vector<std::pair<int, int>> out;
    for (const auto& e : events)
        if (e.first > 0)
            out.push_back(e);
    return out;
}

void ScriptedDialogs::message(const QString& text, const QString& title, Icon)
{
    log << QStringLiteral("message: %1 | %2").arg(title, text);
}

platform::Dialogs::Answer ScriptedDialogs::askYesNoCancel(const QString& text, const QString& title)
{
    log << QStringLiteral("yesnocancel: %1 | %2").arg(title, text);
    if (answers.empty())
        return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

platform::Dialogs::Answer ScriptedDialogs::askYesNo(const QString& text, const QString& title)
{
    log << QStringLiteral("yesno: %1 | %2").arg(title, text);
    if (answers.empty())
        return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedDialogs::information(const QString& body)
{
    log << QStringLiteral("information: %1 | %2").arg(platform::informationCaption(), body);
}

void ScriptedDialogs::error(const QString& text) { log << QStringLiteral("error: Arkivo | %1").arg(text); }

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&)
{
    log << QStringLiteral("color");
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont&)
{
    log << QStringLiteral("font");
    if (fonts.empty())
        return std::nullopt;
    auto f = fonts.front();
    fonts.pop_front();
    return f;
}

static QString takeName(std::deque<QString>& names)
{
    if (names.empty())
        return {};
    QString n = names.front();
    names.pop_front();
    return n;
}

QString ScriptedDialogs::openFileName(const QString& title, const QString&, const QString& filter)
{
    log << QStringLiteral("open: %1 | %2").arg(title, filter);
    return takeName(fileNames);
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString&, const QString& filter, const QString&)
{
    log << QStringLiteral("save: %1 | %2").arg(title, filter);
    return takeName(fileNames);
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString&)
{
    log << QStringLiteral("folder: %1").arg(title);
    return takeName(fileNames);
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& title, const QString& prompt, const QString&)
{
    log << QStringLiteral("input: %1 | %2").arg(title, prompt);
    if (inputs.empty())
        return std::nullopt;
    // A scripted cancel is an empty optional.
    const bool cancelled = !inputs.front().has_value();
    const QString text = inputs.front().value_or(QString());
    inputs.pop_front();
    if (cancelled)
        return std::nullopt;
    return text;
}

bool ScriptedDialogs::print(QPrinter&)
{
    log << QStringLiteral("print");
    return printAnswer;
}

bool ScriptedDialogs::pageSetup(QPrinter&)
{
    log << QStringLiteral("pagesetup");
    return printAnswer;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList out;
    for (const QString& line : log)
        if (line.startsWith(QLatin1String("message: ")) || line.startsWith(QLatin1String("error: ")))
            out << line.section(QLatin1String(" | "), 1);
    return out;
}

TestServices::TestServices() : m_previous(platform::services())
{
    platform::Services& s = platform::services();
    s.registry = &registry;
    s.clock = &clock;
    s.tone = &tone;
    s.waveVolume = &wave;
    s.shell = &shell;
    s.dialogs = &dialogs;
    s.help = &help;
    s.systemClock = &systemClock;
    s.cdDoor = &cdDoor;
}

TestServices::~TestServices() { platform::services() = m_previous; }

} // namespace arkivo::test
