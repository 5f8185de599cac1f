#include "calculators/nauhalaskukone.h"
#include "calculators/tape_view.h"

#include "common/rich_text.h"

#include "fakes.h"
#include "qt_application.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

using arkivo::calculators::TapeEngine;

namespace {

QString line(const QString& text) {
    return TapeEngine::alignRight(text);
}
const QString stars = TapeEngine::starLine();

class TapeWindow : public ::testing::Test {
protected:
    void SetUp() override { arkivo::test::ensureApplication(); }
    arkivo::test::TestServices services;
};

QStringList tail(const QStringList& lines, int n) {
    return lines.mid(lines.size() - n);
}

TEST_F(TapeWindow, StartsWithTheHeaderAndTwoDecimals) {
    TNauhalaskukone window;
    EXPECT_EQ(window.tape()->lines(), QStringList({line("Arkivo-nauhalaskin"), line(""), stars}));
    EXPECT_EQ(window.displayShown(), "0,00 ");
    EXPECT_EQ(window.engine().decimals(), 2);
    EXPECT_FALSE(window.findChild<QWidget*>("Nappi_MYhteensa")->isEnabled());
    EXPECT_FALSE(window.findChild<QWidget*>("Nappi_MTyhjenna")->isEnabled());
    EXPECT_EQ(window.size(), QSize(476, 376));
}

TEST_F(TapeWindow, TypedKeysReachTheCalculator) {
    TNauhalaskukone window;
    QTest::keyClicks(&window, "12,5*2");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(tail(window.tape()->lines(), 4),
              QStringList({line("12,50  x"), line("2,00  x"), line("25,00  ="), stars}));
    EXPECT_EQ(window.displayShown(), "25,00 ");
    // Ctrl+D is memory add; the memory keys come alive.
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(window.findChild<QWidget*>("Nappi_MYhteensa")->isEnabled());
    // The full stop and the letter x are not keys of the calculator.
    QTest::keyClicks(&window, "7.x1");
    EXPECT_EQ(window.engine().entryText(), "71");
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(window.displayShown(), "7,00 ");
}

TEST_F(TapeWindow, KeypadButtonsSendTheirCodes) {
    TNauhalaskukone window;
    for (const char* name : {"Nappi_9", "Nappi_Jako", "Nappi_0", "Nappi_Yhteensa"})
        QTest::mouseClick(window.findChild<QWidget*>(name), Qt::LeftButton);
    EXPECT_EQ(window.displayShown(), "Virhe");
    EXPECT_EQ(tail(window.tape()->lines(), 2), QStringList({line("9,00  ÷"), line("0,00  ÷")}));
}

TEST_F(TapeWindow, DecimalsEditorTakesAWholeNumberOnly) {
    TNauhalaskukone window;
    auto* edit = window.findChild<QLineEdit*>("Edit1");
    window.FormKeyPress(TapeEngine::kDecimals);
    EXPECT_FALSE(edit->isHidden());
    EXPECT_TRUE(window.findChild<QLabel*>("Kuvaruutu")->isHidden());
    edit->setText("kaksi");
    window.FormKeyPress(TapeEngine::kDecimals);
    EXPECT_FALSE(edit->isHidden()); // still open after the message
    ASSERT_EQ(services.dialogs.messages().size(), 1);
    EXPECT_TRUE(services.dialogs.messages().first().contains("kaksi"));
    edit->setText("4");
    window.FormKeyPress(TapeEngine::kDecimals);
    EXPECT_TRUE(edit->isHidden());
    QTest::keyClicks(&window, "1,5+");
    EXPECT_EQ(window.displayShown(), "1,5000 ");
}

TEST_F(TapeWindow, ClearTapeAndDateLine) {
    TNauhalaskukone window;
    QTest::keyClicks(&window, "5+");
    window.NauhanNollausClick();
    EXPECT_EQ(window.tape()->lines(), QStringList({line("Arkivo-nauhalaskin"), line(""), stars}));
    window.PaivaysClick(); // the fake clock stands at 11.12.2026 12:00:00
    EXPECT_EQ(tail(window.tape()->lines(), 2), QStringList({"  11.12.2026 12:00:00", stars}));
}

TEST_F(TapeWindow, LayoutsSwitchAndEscHides) {
    TNauhalaskukone window;
    window.show();
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(window.size(), QSize(236, 470));
    EXPECT_TRUE(window.findChild<QAction*>("KapeaNauhalaskin1")->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>("LeveNauhalaskin1")->isChecked());
    EXPECT_EQ(window.findChild<QWidget*>("Nappi_Tallenna")->property("Caption").toString(), "&T");
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window.size(), QSize(476, 376));
    EXPECT_EQ(window.findChild<QWidget*>("Nappi_Polttoainelaskin")->property("Left").toInt(), 378);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TapeWindow, CtrlGAsksPageSetupThenPrintAndCancelPrintsNothing) {
    TNauhalaskukone window;
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(services.dialogs.log, QStringList({"pagesetup", "print"}));
}

TEST_F(TapeWindow, HelpAndAltKeys) {
    TNauhalaskukone window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    // Alt and a caption's letter press that button (its click follows the press animation).
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(window.findChild<QAbstractButton*>("Nappi_MPlus")->isDown());
    EXPECT_EQ(services.help.keywords, QStringList({"Nauhalaskin", "Nauhalaskin"}));
}

TEST_F(TapeWindow, TapeFontMenuShowsTheMonospaceAdviceFirst) {
    TNauhalaskukone window;
    QFont chosen("Courier New");
    chosen.setPixelSize(20);
    services.dialogs.fonts.push_back(chosen);
    auto* menu = window.findChild<QMenu*>("PopupMenu3");
    ASSERT_TRUE(menu);
    menu->actions().first()->trigger();
    ASSERT_GE(services.dialogs.log.size(), 2);
    EXPECT_TRUE(services.dialogs.log[0].startsWith("information: Arkivo-info: Tänään on 11.12.2026 | Jotta"));
    EXPECT_EQ(services.dialogs.log[1], "font");
    EXPECT_EQ(window.tape()->font().pixelSize(), 20);
}

TEST_F(TapeWindow, SavesRichTextThatAnotherReaderOpens) {
    QTemporaryDir dir;
    const QString path = dir.filePath("nauha.txt");
    TNauhalaskukone window;
    QTest::keyClicks(&window, "1234,5+0,5");
    QTest::keyClick(&window, Qt::Key_Return);
    services.dialogs.fileNames.push_back(path);
    window.Nappi_TallennaClick();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf"));
    // Read back, every line is there blank for blank.
    QTextDocument back;
    ASSERT_TRUE(arkivo::rtf::read(rtf, &back));
    EXPECT_EQ(back.toPlainText().split('\n'), window.tape()->lines());

    const QString unrtf = QStandardPaths::findExecutable("unrtf");
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QProcess reader;
    reader.start(unrtf, {"--text", "--nopict", path});
    ASSERT_TRUE(reader.waitForFinished(10000));
    // unrtf's text output folds runs of blanks into one; the lines and their order must be there.
    QStringList seen;
    for (const QString& l : QString::fromUtf8(reader.readAllStandardOutput()).split('\n'))
        if (!l.startsWith("###") && !l.startsWith("-----") && !l.simplified().isEmpty())
            seen << l.simplified();
    EXPECT_EQ(seen, QStringList({"Arkivo-nauhalaskin", stars, "1 234,50 +", "0,50 +", "1 235,00 =", stars}));
}

TEST_F(TapeWindow, EmptyTapeWritesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tyhja.rtf");
    TNauhalaskukone window;
    window.tape()->clear();
    services.dialogs.fileNames.push_back(path);
    window.Nappi_TallennaClick();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(services.dialogs.messages().size(), 1);
}

TEST_F(TapeWindow, TapeSurvivesARestart) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Arkivo.reg");
    QStringList written;
    {
        arkivo::platform::RegistryStore store(file);
        store.load();
        arkivo::platform::services().registry = &store;
        auto window = std::make_unique<TNauhalaskukone>();
        window->show();
        QTest::keyClicks(window.get(), "5+3");
        QTest::keyClick(window.get(), Qt::Key_Return);
        written = window->tape()->lines();
        // The narrow layout and a keypad colour are kept as well.
        QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
        services.dialogs.colors.push_back(QColor(Qt::darkRed));
        window->findChild<QMenu*>("PopupMenu2")->actions().at(3)->trigger(); // Napit: Pääväri
        window.reset(); // the program ends: the window saves as it goes
        ASSERT_TRUE(store.save());
    }
    ASSERT_EQ(tail(written, 4), QStringList({line("5,00  +"), line("3,00  +"), line("8,00  ="), stars}));

    arkivo::platform::RegistryStore store(file);
    ASSERT_TRUE(store.load().ok);
    arkivo::platform::services().registry = &store;
    TNauhalaskukone again;
    EXPECT_EQ(again.tape()->lines(), written);
    EXPECT_EQ(again.size(), QSize(236, 470));
    EXPECT_TRUE(again.findChild<QAction*>("KapeaNauhalaskin1")->isChecked());
    EXPECT_EQ(again.findChild<QWidget*>("Nappi_7")->property("Color").value<QColor>(), QColor(Qt::darkRed));
    EXPECT_EQ(again.findChild<QWidget*>("Panel2")->property("Align").toString(), "alBottom");
    arkivo::platform::services().registry = &services.registry;
}

} // namespace
