#include "platform/shell.h"

#include "platform/dialogs.h"

#include "fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace arkivo;

namespace {

// Runs a test with PATH pointing at a folder of stand-in programs only.
class ShellTools : public testing::Test {
protected:
    ShellTools() : m_oldPath(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(dir.path())); }
    ~ShellTools() override { qputenv("PATH", m_oldPath); }

    void install(const char* program) {
        const QString path = dir.filePath(QString::fromLatin1(program));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexit 0\n");
        f.close();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QTemporaryDir dir;

private:
    QByteArray m_oldPath;
};

TEST_F(ShellTools, WindowsToolNamesStartTheirDesktopEquivalent) {
    platform::DesktopShell shell;
    // Nothing installed: silently nothing.
    for (const char* name : {"notepad.exe", "pbrush.exe", "control.exe", "Appwiz.cpl", "rasphone.exe", "tuntematon"})
        EXPECT_FALSE(shell.openTool(QString::fromLatin1(name))) << name;

    install("kolourpaint");
    install("gnome-software");
    install("nm-connection-editor");
    install("xterm");
    const std::pair<const char*, bool> cases[] = {
        {"pbrush.exe", true},
        {"MSPAINT", true},
        {"C:\\WINDOWS\\pbrush.exe", true},
        {"control.exe Appwiz.cpl", true},
        {"appwiz.cpl", true},
        {"rasphone.exe", true},
        {"notepad.exe", false},
        {"regedit.exe", false},
    };
    for (const auto& [name, started] : cases)
        EXPECT_EQ(shell.openTool(QString::fromLatin1(name)), started) << name;
    // open() knows the tool names too, and finds other programs on PATH.
    EXPECT_TRUE(shell.open(QStringLiteral("mspaint.exe")));
    EXPECT_TRUE(shell.open(QStringLiteral("xterm")));
    EXPECT_FALSE(shell.open(QStringLiteral("C:\\Ohjelmat\\puuttuu.exe")));
    EXPECT_FALSE(shell.open(QString()));
}

TEST(Dialogs, InformationCaptionGivesTodayThroughTheClock) {
    test::TestServices services;
    services.clock.set(QDateTime(QDate(2026, 1, 5), QTime(8, 0)));
    EXPECT_EQ(platform::informationCaption(), QString::fromUtf8("Arkivo-info: Tänään on 5.1.2026"));
    services.dialogs.information(QStringLiteral("Teksti"));
    EXPECT_EQ(services.dialogs.log.last(), QString::fromUtf8("information: Arkivo-info: Tänään on 5.1.2026 | Teksti"));
}

} // namespace
