#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <vector>

namespace arkivo::platform {

namespace {

struct Candidate {
    const char* program;
    std::vector<const char*> arguments;
};

struct Tool {
    std::vector<const char*> windowsNames;
    std::vector<Candidate> candidates; // the first one found on PATH is started
};

// Windows tools by their program or control-panel applet name, and the Linux
// desktop programs that do the same job, most common desktops first.
const std::vector<Tool>& toolTable() {
    static const std::vector<Tool> table = {
        {{"notepad"},
         {{"gnome-text-editor", {}},
          {"gedit", {}},
          {"kate", {}},
          {"kwrite", {}},
          {"mousepad", {}},
          {"pluma", {}},
          {"xed", {}},
          {"featherpad", {}},
          {"leafpad", {}}}},
        {{"mspaint", "pbrush"}, {{"kolourpaint", {}}, {"pinta", {}}, {"drawing", {}}, {"mtpaint", {}}, {"gimp", {}}}},
        {{"calc"},
         {{"gnome-calculator", {}},
          {"kcalc", {}},
          {"galculator", {}},
          {"mate-calc", {}},
          {"qalculate-gtk", {}},
          {"xcalc", {}}}},
        {{"control"},
         {{"gnome-control-center", {}},
          {"systemsettings", {}},
          {"xfce4-settings-manager", {}},
          {"mate-control-center", {}},
          {"lxqt-config", {}}}},
        {{"timedate.cpl"},
         {{"gnome-control-center", {"datetime"}},
          {"systemsettings", {"kcm_clock"}},
          {"time-admin", {}},
          {"xfce4-datetime-settings", {}}}},
        {{"inetcpl.cpl"},
         {{"gnome-control-center", {"network"}}, {"systemsettings", {"kcm_proxy"}}, {"nm-connection-editor", {}}}},
        {{"appwiz.cpl"}, {{"gnome-software", {}}, {"plasma-discover", {}}, {"synaptic-pkexec", {}}}},
        {{"sysdm.cpl"},
         {{"gnome-control-center", {"info-overview"}}, {"kinfocenter", {}}, {"hardinfo", {}}, {"xfce4-about", {}}}},
        {{"desk.cpl"},
         {{"gnome-control-center", {"display"}},
          {"systemsettings", {"kcm_kscreen"}},
          {"xfce4-display-settings", {}},
          {"arandr", {}}}},
        {{"dxdiag"}, {{"hardinfo", {}}, {"kinfocenter", {}}, {"gnome-control-center", {"info-overview"}}}},
        {{"regedit"}, {{"dconf-editor", {}}}},
        {{"sysedit", "msconfig"},
         {{"gnome-session-properties", {}},
          {"gnome-tweaks", {}},
          {"systemsettings", {"kcm_autostart"}},
          {"xfce4-session-settings", {}}}},
        {{"explorer", "winfile"},
         {{"nautilus", {}},
          {"dolphin", {}},
          {"thunar", {}},
          {"nemo", {}},
          {"caja", {}},
          {"pcmanfm", {}},
          {"pcmanfm-qt", {}}}},
        {{"scandskw"}, {{"gnome-disks", {}}, {"partitionmanager", {}}, {"gparted", {}}}},
        {{"drwtsn32"}, {{"gnome-logs", {}}, {"ksystemlog", {}}, {"gnome-system-monitor", {}}}},
        {{"cdplayer"}, {{"rhythmbox", {}}, {"elisa", {}}, {"audacious", {}}, {"vlc", {"cdda://"}}}},
        {{"rasphone"}, {{"nm-connection-editor", {}}, {"gnome-control-center", {"network"}}}},
        {{"taskmgr", "taskman"},
         {{"gnome-system-monitor", {}}, {"plasma-systemmonitor", {}}, {"ksysguard", {}}, {"xfce4-taskmanager", {}}}},
        {{"sndvol32", "sndvol"}, {{"pavucontrol", {}}, {"gnome-control-center", {"sound"}}, {"alsamixergui", {}}}},
        {{"cmd", "command"},
         {{"x-terminal-emulator", {}}, {"gnome-terminal", {}}, {"konsole", {}}, {"xfce4-terminal", {}}, {"xterm", {}}}},
    };
    return table;
}

// "C:\WINDOWS\notepad.exe", "control.exe timedate.cpl", "Appwiz.cpl" -> "notepad", "timedate.cpl", "appwiz.cpl".
QString normalisedToolName(const QString& windowsName) {
    QString name = windowsName.trimmed().toLower();
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() >= 2 && (words[0] == QLatin1String("control") || words[0] == QLatin1String("control.exe")))
        name = words[1];
    name = name.section(QLatin1Char('\\'), -1);
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);
    return name;
}

const Tool* findTool(const QString& name) {
    for (const Tool& tool : toolTable())
        for (const char* w : tool.windowsNames)
            if (name == QLatin1String(w))
                return &tool;
    return nullptr;
}

bool hasScheme(const QString& target) {
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1; // one letter is a Windows drive
}

} // namespace

bool DesktopShell::open(const QString& target) {
    const QString t = target.trimmed();
    if (t.isEmpty())
        return false;
    if (hasScheme(t))
        return QDesktopServices::openUrl(QUrl(t));
    const QFileInfo info(t);
    if (info.exists())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (findTool(normalisedToolName(t)))
        return openTool(t);
    const QString program = QStandardPaths::findExecutable(t);
    if (!program.isEmpty())
        return QProcess::startDetached(program, {});
    return false;
}

bool DesktopShell::openTool(const QString& windowsName) {
    const QString name = normalisedToolName(windowsName);
    if (name.startsWith(QLatin1String("mailto:")) || name.startsWith(QLatin1String("http:")) ||
        name.startsWith(QLatin1String("https:")))
        return QDesktopServices::openUrl(QUrl(windowsName.trimmed()));
    const Tool* tool = findTool(name);
    if (!tool)
        return false;
    for (const Candidate& c : tool->candidates) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(c.program));
        if (program.isEmpty())
            continue;
        QStringList arguments;
        for (const char* a : c.arguments)
            arguments << QLatin1String(a);
        if (QProcess::startDetached(program, arguments))
            return true;
    }
    return false;
}

} // namespace arkivo::platform
