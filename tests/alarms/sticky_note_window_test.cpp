#include "alarms/alarm_page.h"
#include "alarms/kello.h"
#include "alarms/muistilappu.h"
#include "alarms/piip.h"
#include "alarms/three_step_alarm.h"
#include "controls/calculator_drop_down_edit.h"
#include "controls/timer.h"

#include "alarm_test_support.h"
#include "fake_panel.h"
#include "fakes.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using Answer = arkivo::platform::Dialogs::Answer;

class StickyNoteTest : public ::testing::Test {
protected:
    QString text(const Muistilappu& note) const { return note.editor()->toPlainText(); }
    void edit(Muistilappu& note, const QString& s) {
        note.editor()->setPlainText(s);
        note.editor()->document()->setModified(true);
    }
    int openDialogs() const { return int(services.dialogs.log.filter(QStringLiteral("open")).size()); }

    arkivo::test::TestServices services;
    arkivo::test::FakePanel panel;
    arkivo::test::AlarmFiles files;
};

TEST_F(StickyNoteTest, OpenReadsRichOrPlainTextAndKeepsTheNoteWhenItCannot) {
    struct Case {
        const char* name;
        QString path;
        bool ok;
        QString text; // the note afterwards
    };
    const QString fixture = QStringLiteral(ALARMS_FIXTURES "/pandoc_note.rtf");
    const Case cases[] = {
        {"rich text written by another program", fixture, true,
         QStringLiteral("Ostoslista ja lihavoitu sana, kursiivi ja äöå.\nToinen kappale: €uro.")},
        {"plain UTF-8 text", files.make("utf8.txt", "rivi 1\r\nrivi ä\n"), true, QStringLiteral("rivi 1\nrivi ä\n")},
        {"plain text in the Windows code page", files.make("ansi.txt", "p\xe4iv\xe4"), true, QStringLiteral("päivä")},
        {"missing file", files.missing("poissa.rtf"), false, QStringLiteral("vanha teksti")},
        {"a folder", files.folder(), false, QStringLiteral("vanha teksti")},
        {"binary data", files.make("kuva.bmp", QByteArray("BM\0\0\x01\x02", 6)), false, QStringLiteral("vanha teksti")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.dialogs.log.clear();
        TMuistilappua note;
        edit(note, QStringLiteral("vanha teksti"));
        services.dialogs.fileNames.push_back(c.path);
        note.OpenClick();
        EXPECT_EQ(text(note), c.text);
        EXPECT_EQ(services.dialogs.messages().size(), c.ok ? 0 : 1) << services.dialogs.log.join('\n').toStdString();
        EXPECT_EQ(note.editor()->document()->isModified(), !c.ok);
    }
}

TEST_F(StickyNoteTest, RichTextFromAnotherProgramKeepsItsBoldAndItalicRuns) {
    TMuistilappua note;
    services.dialogs.fileNames.push_back(QStringLiteral(ALARMS_FIXTURES "/pandoc_note.rtf"));
    note.OpenClick();
    QTextCursor c(note.editor()->document());
    const QString all = text(note);
    c.setPosition(int(all.indexOf(QStringLiteral("lihavoitu"))) + 1);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    c.setPosition(int(all.indexOf(QStringLiteral("kursiivi"))) + 1);
    EXPECT_TRUE(c.charFormat().fontItalic());
    c.setPosition(1);
    EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(StickyNoteTest, SecondNoteAsksBeforeOpeningOverChangedText) {
    const QString file = files.make("uusi.txt", "uusi");
    {
        SCOPED_TRACE("cancel leaves everything");
        TMuistilappub note;
        edit(note, QStringLiteral("muokattu"));
        services.dialogs.answers = {Answer::Cancel};
        services.dialogs.fileNames = {file};
        note.OpenClick();
        EXPECT_EQ(text(note), QStringLiteral("muokattu"));
        EXPECT_TRUE(note.editor()->document()->isModified());
        EXPECT_EQ(services.dialogs.fileNames.size(), 1u) << "no file dialog";
        EXPECT_TRUE(services.dialogs.log.join('\n').contains(QStringLiteral("Tiedosto muuttunut. Tallennetaanko?")));
    }
    {
        SCOPED_TRACE("yes with a cancelled save still opens");
        TMuistilappub note;
        edit(note, QStringLiteral("muokattu"));
        services.dialogs.answers = {Answer::Yes};
        services.dialogs.fileNames = {QString(), file}; // save cancelled, then the open
        note.OpenClick();
        EXPECT_EQ(text(note), QStringLiteral("uusi"));
    }
    {
        SCOPED_TRACE("the first note does not ask");
        services.dialogs.log.clear();
        TMuistilappua note;
        edit(note, QStringLiteral("muokattu"));
        services.dialogs.fileNames = {file};
        note.OpenClick();
        EXPECT_EQ(text(note), QStringLiteral("uusi"));
        EXPECT_FALSE(services.dialogs.log.join('\n').contains(QStringLiteral("Tallennetaanko")));
    }
}

TEST_F(StickyNoteTest, SaveWritesRichTextWhateverTheExtension) {
    TMuistilappua note;
    note.editor()->setPlainText(QStringLiteral("Kauppa: maito, leipä\n€ 3,50"));
    QTextCursor c(note.editor()->document());
    c.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold);
    note.editor()->document()->setModified(true);
    const QString path = files.missing("lappu.txt");
    services.dialogs.fileNames = {path};
    note.SaveClick();
    EXPECT_FALSE(note.editor()->document()->isModified());

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));

    // Another reader of rich text gets the same words and the bold run.
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QProcess p;
    p.start(unrtf, {QStringLiteral("--html"), path});
    ASSERT_TRUE(p.waitForFinished(10000));
    const QString html = QString::fromLatin1(p.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Kauppa</b>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("leip&auml;"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("&euro; 3,50"))) << html.toStdString();
}

TEST_F(StickyNoteTest, SaveCancelledStillClearsTheModifiedFlag) {
    TMuistilappua note;
    edit(note, QStringLiteral("x"));
    note.SaveClick();
    EXPECT_FALSE(note.editor()->document()->isModified());
}

TEST_F(StickyNoteTest, NoteTextIsBackAfterARestart) {
    {
        TMuistilappua note;
        note.show();
        note.editor()->setPlainText(QStringLiteral("muista maito\ntoinen rivi"));
        note.close();
    }
    TMuistilappua again;
    again.show();
    EXPECT_EQ(text(again), QStringLiteral("muista maito\ntoinen rivi"));
    again.close();
}

TEST_F(StickyNoteTest, NoteAlarmsRingWithTheirOwnTitleAndIndicator) {
    TKello kello;
    TPiip piip;
    struct Case {
        Muistilappu* note;
        QString title;
        QColor color;
        QString indicator;
    };
    TMuistilappua note1;
    TMuistilappub note2;
    const Case cases[] = {{&note1, "MUISTILAPPU 1", QColor(Qt::blue), "Image3"},
                          {&note2, "MUISTILAPPU 2", QColor(0x80, 0, 0), "Image4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        panel.indicators.clear();
        kello.Timer1->setEnabled(false);
        arkivo::alarms::AlarmPage* page = c.note->alarmPage();
        page->pathEdit(2)->setText(files.make("muistutus.htm"));
        c.note->alarm()->changeTime(services.clock.now().time().addSecs(1));
        page->switchBox()->setChecked(true);
        EXPECT_EQ(panel.indicators, QStringList{c.indicator + ":1"});
        services.clock.advance(2000);
        c.note->alarm()->pollTick();
        EXPECT_EQ(piip.ProLabel1->text(), c.title);
        EXPECT_EQ(piip.ProLabel1->palette().color(QPalette::WindowText), c.color);
        EXPECT_TRUE(kello.Timer1->isEnabled());
        EXPECT_EQ(panel.indicators, (QStringList{c.indicator + ":1", c.indicator + ":0"}));
    }
}

TEST_F(StickyNoteTest, SecondNoteIsOutOfServiceUnderTheOneNoteLayout) {
    panel.marks = {QStringLiteral("ml1klopvmklocdkallas1")};
    TMuistilappub second;
    TMuistilappua first;
    EXPECT_TRUE(second.outOfService());
    second.show();
    EXPECT_FALSE(second.isVisible());
    EXPECT_FALSE(second.alarm()->triggerEnabled());
    EXPECT_FALSE(first.outOfService());
}

} // namespace

namespace {

TEST(CalculatorDropDownTest, KeysComputeAndEqualsFillsTheField) {
    struct Case {
        const char* keys; // space-separated
        QString field;
    };
    const Case cases[] = {
        {"1 2 + 3 0 =", "42"},  {"7 , 5 * 2 =", "15"}, {"1 0 / 4 =", "2,5"}, {"9 - 1 2 ± =", "21"}, // 9 - (-12)
        {"2 + 3 * 4 =", "20"},  // left to right, as a pocket calculator
        {"5 / 0 = C 8 =", "8"}, // division by zero shows an error, clear starts over
        {"1 2 3 ← =", "12"},
    };
    arkivo::test::TestServices services;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        arkivo::controls::CalculatorDropDownEdit edit(QStringLiteral("RxCalcEdit1"));
        edit.dropDown();
        for (const QString& key : QString::fromUtf8(c.keys).split(u' '))
            edit.press(key);
        EXPECT_EQ(edit.text(), c.field);
    }
}

} // namespace
