#include "common/rich_text.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace {

void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "rich_text_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}

// The format of the character at `offset` of the plain text.
QTextCharFormat formatAt(const QTextDocument& doc, int offset) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(offset + 1);
    return c.charFormat();
}

QString readText(const QByteArray& rtf) {
    QTextDocument doc;
    EXPECT_TRUE(arkivo::rtf::read(rtf, &doc)) << rtf.constData();
    return doc.toPlainText();
}

class RichTextTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
};

TEST_F(RichTextTest, WrittenDocumentReadsBackWithItsTextAndRuns) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(10);
    c.insertText(QStringLiteral("Tavallinen {aaltosulku} \\ ja\tsarkain "), plain);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("lihava"), bold);
    c.insertBlock();
    QTextCharFormat fancy = plain;
    fancy.setFontItalic(true);
    fancy.setFontUnderline(true);
    fancy.setFontFamilies({QStringLiteral("Courier New")});
    fancy.setFontPointSize(14);
    fancy.setForeground(QColor(200, 10, 30));
    c.insertText(QStringLiteral("äöå € ✓ 𝄞"), fancy);
    c.insertBlock();
    c.insertBlock(); // an empty last paragraph stays
    c.insertText(QStringLiteral("loppu"), plain);

    const QByteArray rtf = arkivo::rtf::write(doc);
    ASSERT_TRUE(arkivo::rtf::looksLikeRtf(rtf));
    for (char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "rich text is 7-bit";

    QTextDocument back;
    ASSERT_TRUE(arkivo::rtf::read(rtf, &back));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_EQ(back.blockCount(), 4);

    const QString text = back.toPlainText();
    const QTextCharFormat b = formatAt(back, int(text.indexOf(QStringLiteral("lihava"))));
    EXPECT_EQ(b.fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatAt(back, 0).fontWeight() == QFont::Bold);

    const QTextCharFormat f = formatAt(back, int(text.indexOf(QStringLiteral("äöå"))));
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 14.0);
    EXPECT_EQ(f.foreground().color(), QColor(200, 10, 30));
}

TEST_F(RichTextTest, PlainTextBecomesRichTextInTheGivenFont) {
    const QByteArray rtf = arkivo::rtf::fromPlainText(QStringLiteral("1 + 2 = 3\nSumma 3,00"), "Courier New", 10);
    EXPECT_TRUE(rtf.contains("Courier New"));
    EXPECT_TRUE(rtf.contains("\\fs20"));
    EXPECT_EQ(readText(rtf), QStringLiteral("1 + 2 = 3\nSumma 3,00"));
}

TEST_F(RichTextTest, ReaderHandlesEscapesDestinationsAndDamage) {
    struct Case {
        const char* name;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"cp1252 hex escapes", "{\\rtf1\\ansi P\\'e4iv\\'e4 \\'80 \\'96}", QStringLiteral("Päivä € –")},
        {"other code page", "{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}", QStringLiteral("Аб")},
        {"unicode with fallback skipped", "{\\rtf1\\uc1 \\u228?\\u-10180\\'3f\\u-8418?x}",
         QStringLiteral("ä") + QString::fromUtf16(u"\xd83c\xdf1e") + QStringLiteral("x")},
        {"uc0 has no fallback", "{\\rtf1\\uc0\\u246 x}", QStringLiteral("öx")},
        {"unknown and skipped destinations",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s1 Heading;}}{\\info{\\title Otsikko}}"
         "{\\*\\generator Kirjoitin;}{\\*\\unknownthing {nested} text}Teksti{\\pict 89504e47}\\par}",
         QStringLiteral("Teksti")},
        {"field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt linkki}}}",
         QStringLiteral("linkki")},
        {"symbols and line breaks", "{\\rtf1 a\\tab b\\line c\\~d\\emdash e\\ldblquote f\\rdblquote\\{\\}\\\\}",
         QStringLiteral("a\tb\nc d—e“f”{}\\")}, // toPlainText turns line breaks and hard blanks plain
        {"paragraphs, closing mark adds nothing", "{\\rtf1 yksi\\par\\par kolme\\par}",
         QStringLiteral("yksi\n\nkolme")},
        {"binary data skipped", "{\\rtf1 a{\\*\\blob\\bin3 }}}}b}", QStringLiteral("ab")},
        {"truncated inside a group", "{\\rtf1 alku {\\b lihava", QStringLiteral("alku lihava")},
        {"truncated inside an escape", "{\\rtf1 alku\\'e", QStringLiteral("alku")},
        {"extra closing braces", "{\\rtf1 teksti}}}} roskaa", QStringLiteral("teksti")},
        {"absurd numbers", "{\\rtf1\\fs999999999999\\uc-5\\u99999999 x}", QStringLiteral("x")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        ASSERT_TRUE(arkivo::rtf::read(c.rtf, &doc));
        EXPECT_EQ(doc.toPlainText(), c.text);
    }
}

TEST_F(RichTextTest, TextThatIsNotRichTextLeavesTheDocumentAlone) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("vanha sisältö"));
    for (const QByteArray& data : {QByteArray("tavallinen teksti"), QByteArray(), QByteArray("{\\rt")}) {
        EXPECT_FALSE(arkivo::rtf::looksLikeRtf(data));
        EXPECT_FALSE(arkivo::rtf::read(data, &doc));
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("vanha sisältö"));
    }
    EXPECT_TRUE(arkivo::rtf::looksLikeRtf("\xEF\xBB\xBF\r\n{\\rtf1}"));
}

TEST_F(RichTextTest, ReaderTakesFontTableColourTableAndGroupScopes) {
    const QByteArray rtf = "{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\froman Times;\\f1\\fswiss Helvetica;}"
                           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                           "\\fs28 a{\\cf1\\b b}c\\cf2\\i d\\plain e\\par}";
    QTextDocument doc;
    ASSERT_TRUE(arkivo::rtf::read(rtf, &doc));
    ASSERT_EQ(doc.toPlainText(), QStringLiteral("abcde"));
    const QTextCharFormat a = formatAt(doc, 0), b = formatAt(doc, 1), c = formatAt(doc, 2), d = formatAt(doc, 3),
                          e = formatAt(doc, 4);
    EXPECT_EQ(a.fontFamilies().toStringList().value(0), QStringLiteral("Helvetica"));
    EXPECT_DOUBLE_EQ(a.fontPointSize(), 14.0);
    EXPECT_EQ(b.foreground().color(), QColor(Qt::red));
    EXPECT_EQ(b.fontWeight(), QFont::Bold);
    EXPECT_NE(c.fontWeight(), QFont::Bold);
    EXPECT_EQ(c.foreground().style(), Qt::NoBrush);
    EXPECT_EQ(d.foreground().color(), QColor(Qt::blue));
    EXPECT_TRUE(d.fontItalic());
    EXPECT_FALSE(e.fontItalic());
    EXPECT_DOUBLE_EQ(e.fontPointSize(), 12.0);
}

} // namespace
