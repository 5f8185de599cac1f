#include "platform/registry_store.h"

#include "qt_application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using arkivo::platform::RegistryStore;

namespace {

const QString kKoko = QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli\\Koko");
const QString kRun = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class RegistryFile : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Arkivo.reg")); }
};

TEST_F(RegistryFile, WritesTheExportFormatAndReadsItBack) {
    {
        RegistryStore store(path());
        store.load();
        store.setValue(kKoko, QStringLiteral("Panel1_Left"), QStringLiteral("520"));
        store.setValue(QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("TextFileName"),
                       QStringLiteral("C:\\Tiedostot\\\"lainaus\".txt"));
        store.setValue(QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("Loki"),
                       QStringLiteral("rivi 1\nrivi \"2\"\\"));
        store.writeBool(QStringLiteral("Software\\Arkivo\\Kello"), QString::fromUtf8("Hälytys päällä"),
                        QString::fromUtf8("Hälytys päällä"), true);
        ASSERT_TRUE(store.save());
    }
    const QString text = readAll(path());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"TextFileName\"=\"C:\\\\Tiedostot\\\\\\\"lainaus\\\".txt\"\n")));
    // Keys come sorted: Kello before its subkey, both before WindowState.
    const int kello = text.indexOf(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Arkivo\\Kello]"));
    const int alarm = text.indexOf(QString::fromUtf8("[HKEY_CURRENT_USER\\Software\\Arkivo\\Kello\\Hälytys päällä]"));
    const int koko = text.indexOf(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Arkivo\\WindowState\\Paneeli\\Koko]"));
    EXPECT_TRUE(kello > 0 && kello < alarm && alarm < koko) << text.toStdString();

    RegistryStore again(path());
    EXPECT_TRUE(again.load().ok);
    EXPECT_EQ(again.readString(kKoko, QStringLiteral("Panel1_Left")), QStringLiteral("520"));
    EXPECT_EQ(again.readString(QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("TextFileName")),
              QStringLiteral("C:\\Tiedostot\\\"lainaus\".txt"));
    EXPECT_EQ(again.readString(QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("Loki")),
              QStringLiteral("rivi 1\nrivi \"2\"\\"));
    EXPECT_TRUE(again.readBool(QStringLiteral("Software\\Arkivo\\Kello"), QString::fromUtf8("Hälytys päällä"),
                               QString::fromUtf8("Hälytys päällä")));
    EXPECT_EQ(again.toText(), text);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(RegistryStore, NamesAreCaseInsensitiveAndKeepTheFirstSpelling) {
    RegistryStore store;
    store.setValue(QStringLiteral("Software\\Arkivo\\WindowState"), QStringLiteral("Panel1_Left"), QStringLiteral("1"));
    store.setValue(QStringLiteral("software\\ARKIVO\\Windowstate"), QStringLiteral("PANEL1_LEFT"), QStringLiteral("2"));
    EXPECT_EQ(store.readString(QStringLiteral("SOFTWARE\\arkivo\\windowSTATE"), QStringLiteral("panel1_left")),
              QStringLiteral("2"));
    EXPECT_EQ(store.valueNames(QStringLiteral("Software\\Arkivo\\WindowState")),
              QStringList{QStringLiteral("Panel1_Left")});
    EXPECT_EQ(store.subKeys(QStringLiteral("Software\\Arkivo")), QStringList{QStringLiteral("WindowState")});
    EXPECT_TRUE(store.toText().contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Arkivo\\WindowState]\n"
                                                       "\"Panel1_Left\"=\"2\"\n")));
}

TEST(RegistryStore, MissingValuesAndIniSwitches) {
    RegistryStore store;
    const QString key = QStringLiteral("Software\\Arkivo\\NettiAika");
    EXPECT_EQ(store.readString(key, QStringLiteral("Ei")), QString());
    EXPECT_FALSE(store.keyExists(key)); // reading creates nothing
    EXPECT_FALSE(store.readBool(key, QStringLiteral("AutoEi_Checked"), QStringLiteral("AutoEi_Checked")));
    store.writeBool(key, QStringLiteral("AutoEi_Checked"), QStringLiteral("AutoEi_Checked"), true);
    EXPECT_EQ(store.readString(key + QStringLiteral("\\AutoEi_Checked"), QStringLiteral("AutoEi_Checked")),
              QStringLiteral("1"));
    store.writeBool(key, QStringLiteral("AutoEi_Checked"), QStringLiteral("AutoEi_Checked"), false);
    EXPECT_FALSE(store.readBool(key, QStringLiteral("AutoEi_Checked"), QStringLiteral("AutoEi_Checked")));
    store.setValue(key + QStringLiteral("\\X"), QStringLiteral("X"), QStringLiteral("True")); // not a number: off
    EXPECT_FALSE(store.readBool(key, QStringLiteral("X"), QStringLiteral("X")));

    EXPECT_TRUE(store.deleteKey(QStringLiteral("software\\arkivo")));
    EXPECT_FALSE(store.keyExists(key));
    EXPECT_FALSE(store.deleteValue(key, QStringLiteral("Ei")));
}

TEST(RegistryStore, OtherValueKindsAreKeptVerbatim) {
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\n"
                                        "\n"
                                        "[HKEY_CURRENT_USER\\Software\\Muu]\n"
                                        "@=\"oletus\"\n"
                                        "\"Luku\"=dword:0000002a\n"
                                        "\"Data\"=hex:01,02,03,\\\n"
                                        "  04,05\n"
                                        "\"Teksti\"=\"a\"\n");
    RegistryStore store;
    QString error;
    ASSERT_TRUE(store.fromText(text, &error)) << error.toStdString();
    EXPECT_EQ(store.toText(), text);
    EXPECT_FALSE(store.value(QStringLiteral("Software\\Muu"), QStringLiteral("Luku")).has_value());
    EXPECT_EQ(store.readString(QStringLiteral("Software\\Muu"), QString()), QStringLiteral("oletus"));
    // Writing a string over another kind replaces it.
    store.setValue(QStringLiteral("Software\\Muu"), QStringLiteral("luku"), QStringLiteral("42"));
    EXPECT_TRUE(store.toText().contains(QStringLiteral("\"Luku\"=\"42\"\n")));
}

TEST(RegistryStore, RejectsDamagedTextAndKeepsItsTree) {
    RegistryStore store;
    store.setValue(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    const char* bad[] = {
        "jotain muuta\n",
        "Windows Registry Editor Version 5.00\n\n\"ilman\"=\"avainta\"\n",
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\X]\n",
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"auki=\"1\"\n",
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=\"1\" roskaa\n",
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X\n",
    };
    for (const char* text : bad) {
        QString error;
        EXPECT_FALSE(store.fromText(QString::fromUtf8(text), &error)) << text;
        EXPECT_TRUE(error.startsWith(QStringLiteral("rivi "))) << error.toStdString();
    }
    EXPECT_EQ(store.readString(QStringLiteral("A"), QStringLiteral("b")), QStringLiteral("c"));
}

TEST_F(RegistryFile, DamagedFileIsSetAsideWithOneMessage) {
    writeAll(path(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"rikki");
    RegistryStore store(path());
    const RegistryStore::LoadResult result = store.load();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(QStringLiteral("oletusasetuksin")));
    EXPECT_TRUE(result.setAsidePath.startsWith(path() + QStringLiteral(".vioittunut-")));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(readAll(result.setAsidePath).endsWith(QStringLiteral("\"rikki")));
    EXPECT_TRUE(store.subKeys(QString()).isEmpty());

    store.setValue(QStringLiteral("Software\\Arkivo"), QStringLiteral("Uusi"), QStringLiteral("1"));
    ASSERT_TRUE(store.save());
    RegistryStore again(path());
    EXPECT_TRUE(again.load().ok);
    EXPECT_EQ(again.readString(QStringLiteral("Software\\Arkivo"), QStringLiteral("Uusi")), QStringLiteral("1"));
}

TEST_F(RegistryFile, ReadsARegeditExportInUtf16) {
    const QString text = QString::fromUtf8("Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Arkivo\\Kello]\r\n"
                                           "\"AlarmTime\"=\"11.12.2026 7:00:00\"\r\n"
                                           "\"Hälytys\"=\"1\"\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    writeAll(path(), bytes);
    RegistryStore store(path());
    ASSERT_TRUE(store.load().ok);
    EXPECT_EQ(store.readString(QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("AlarmTime")),
              QStringLiteral("11.12.2026 7:00:00"));
    EXPECT_EQ(store.readString(QStringLiteral("Software\\Arkivo\\Kello"), QString::fromUtf8("hälytys")),
              QStringLiteral("1"));
}

TEST_F(RegistryFile, WritesAreGatheredUntilTheEventLoopTurnEnds) {
    arkivo::test::ensureApplication();
    RegistryStore store(path());
    store.load();
    store.setValue(kKoko, QStringLiteral("Panel1_Left"), QStringLiteral("1"));
    store.setValue(kKoko, QStringLiteral("Panel1_Top"), QStringLiteral("2"));
    EXPECT_FALSE(QFile::exists(path()));
    QCoreApplication::processEvents();
    const QString text = readAll(path());
    EXPECT_TRUE(text.contains(QStringLiteral("\"Panel1_Left\"=\"1\"\n\"Panel1_Top\"=\"2\"\n"))) << text.toStdString();
}

TEST_F(RegistryFile, RunKeyIsTheAutostartEntry) {
    RegistryStore store(path());
    store.load();
    const QString autostart = dir.filePath(QStringLiteral("autostart"));
    store.setAutostartDir(autostart);
    const QString entry = autostart + QStringLiteral("/arkivo.desktop");

    store.setValue(kRun, QStringLiteral("EditReg_Text"), QStringLiteral("/opt/arkivo/bin/arkivo"));
    const QString desktop = readAll(entry);
    EXPECT_TRUE(desktop.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=/opt/arkivo/bin/arkivo\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_EQ(store.readString(kRun, QStringLiteral("editreg_text")), QStringLiteral("/opt/arkivo/bin/arkivo"));
    EXPECT_FALSE(store.value(kRun, QStringLiteral("Muu")).has_value());
    EXPECT_FALSE(store.toText().contains(QStringLiteral("CurrentVersion")));

    EXPECT_TRUE(store.deleteValue(kRun, QStringLiteral("EditReg_Text")));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(store.value(kRun, QStringLiteral("EditReg_Text")).has_value());
}

} // namespace
