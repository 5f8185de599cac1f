#include "calculators/tape_engine.h"

#include <gtest/gtest.h>

using arkivo::calculators::TapeEngine;

namespace {

// Keys as typed: digits, ",", "+-*/%=", 'B' for backspace, 'C' for clear
// display, 'A' memory add, 'S' memory subtract, 'Y' memory total, 'T' memory clear.
int code(QChar c) {
    switch (c.unicode()) {
    case 'B':
        return TapeEngine::kBackspace;
    case 'C':
        return TapeEngine::kClearDisplay;
    case 'A':
        return TapeEngine::kMemoryAdd;
    case 'S':
        return TapeEngine::kMemorySubtract;
    case 'Y':
        return TapeEngine::kMemoryTotal;
    case 'T':
        return TapeEngine::kMemoryClear;
    default:
        return c.unicode();
    }
}

QStringList run(TapeEngine& engine, const QString& keys) {
    QStringList lines;
    for (QChar c : keys)
        lines += engine.press(code(c)).lines;
    return lines;
}

QString line(const QString& text) {
    return TapeEngine::alignRight(text);
}
const QString stars = TapeEngine::starLine();

struct Case {
    const char* name;
    const char* keys;
    QStringList lines;
    const char* display;
    const char* entryText;
};

class TapeSequences : public ::testing::TestWithParam<Case> {};

TEST_P(TapeSequences, WriteTheTapeAndShowTheResult) {
    const Case& c = GetParam();
    TapeEngine engine;
    EXPECT_EQ(run(engine, QString::fromUtf8(c.keys)), c.lines) << c.name;
    EXPECT_EQ(engine.display(), QString::fromUtf8(c.display)) << c.name;
    if (c.entryText) {
        EXPECT_EQ(engine.entryText(), QString::fromUtf8(c.entryText)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TapeSequences,
    ::testing::Values(
        Case{"add", "5+3=", {line("5,00  +"), line("3,00  +"), line("8,00  ="), stars}, "8,00 ", ""},
        Case{"equals repeats the entry",
             "5+=",
             {line("5,00  +"), line("5,00  +"), line("10,00  ="), stars},
             "10,00 ",
             nullptr},
        Case{"operator repeats the entry", "5++", {line("5,00  +"), line("5,00  +")}, "10,00 ", nullptr},
        Case{"and once more with equals",
             "5++=",
             {line("5,00  +"), line("5,00  +"), line("5,00  +"), line("15,00  ="), stars},
             "15,00 ",
             nullptr},
        Case{"percent added",
             "200+10%",
             {line("200,00  +"), line("10,00 %+"), line("220,00 %="), stars},
             "220,00 ",
             " "},
        Case{"percent result is the next operand",
             "200+10%+5=",
             {line("200,00  +"), line("10,00 %+"), line("220,00 %="), stars, line("220,00  +"), line("5,00  +"),
              line("225,00  ="), stars},
             "225,00 ",
             ""},
        Case{"percent of a product",
             "2*3%",
             {line("2,00  x"), line("3,00 %x"), line("0,06 %="), stars},
             "0,06 ",
             nullptr},
        Case{"fraction digits stop at the decimals", "1,234", {}, "1,23 ", "1,23"},
        Case{"backspace frees a fraction digit", "1,234B5", {}, "1,25 ", "1,25"},
        // Backspace after the separator removes the separator only.
        Case{"backspace after the separator", "12,B", {}, "12,00 ", "12"},
        Case{"separator on an empty entry", ",", {}, "0,00 ", ","},
        Case{"then backspace empties it", ",B", {}, "0,00 ", ""},
        Case{"clear display twice", "7+8CC", {line("7,00  +"), line(""), stars}, "0,00 ", ""},
        Case{"clear display once keeps the pending sum",
             "7+8C2=",
             {line("7,00  +"), line("2,00  +"), line("9,00  ="), stars},
             "9,00 ",
             ""},
        Case{"memory add drops a pending addition", "5+3A", {line("5,00  +"), line("3,00 M+")}, "3,00 ", ""},
        Case{"memory recall is the next operand",
             "4A2*Y=",
             {line("4,00 M+"), line("2,00  x"), line("4,00 MY"), line("4,00  x"), line("8,00  ="), stars},
             "8,00 ",
             ""},
        Case{"memory clear", "4AT", {line("4,00 M+"), line("MT")}, "4,00 ", ""},
        Case{"grouping and subtraction",
             "1234,5-0,5=",
             {line("1 234,50  -"), line("0,50  -"), line("1 234,00  ="), stars},
             "1 234,00 ",
             ""},
        Case{"division by zero", "5/0=", {line("5,00  ÷"), line("0,00  ÷")}, "Virhe", nullptr},
        Case{"percent division by zero", "5/0%", {line("5,00  ÷"), line("0,00 %÷")}, "Virhe", nullptr},
        Case{"the next value replaces the error", "5/0=3", {line("5,00  ÷"), line("0,00  ÷")}, "3,00 ", nullptr}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(TapeEngine, DivisionByZeroZeroesTheAccumulator) {
    TapeEngine engine;
    run(engine, "5/0=");
    EXPECT_EQ(engine.accumulator(), 0);
    EXPECT_EQ(engine.display(), "Virhe");
}

TEST(TapeEngine, ClearDisplayTwiceKeepsOnlyTheMemory) {
    TapeEngine engine;
    run(engine, "9A7+8CC");
    EXPECT_EQ(engine.accumulator(), 0);
    EXPECT_EQ(engine.entry(), 0);
    EXPECT_EQ(engine.previousEntry(), 0);
    EXPECT_EQ(engine.pendingOperator(), ' ');
    EXPECT_EQ(engine.memory(), 9);
}

TEST(TapeEngine, MemoryKeysOnlyWithSomethingInMemory) {
    TapeEngine engine;
    EXPECT_FALSE(engine.memoryKeysEnabled());
    run(engine, "3A");
    EXPECT_TRUE(engine.memoryKeysEnabled());
    run(engine, "S");
    EXPECT_FALSE(engine.memoryKeysEnabled());
}

TEST(TapeEngine, EntryStopsGrowingAt23Characters) {
    TapeEngine engine;
    engine.setDecimals(14);
    run(engine, "1234567890,1234567890123456");
    EXPECT_EQ(engine.entryText(), "1234567890,123456789012");
    EXPECT_EQ(engine.entryText().size(), 23);
    TapeEngine whole;
    run(whole, QString(30, QLatin1Char('9')));
    EXPECT_EQ(whole.entryText(), QString(23, QLatin1Char('9')));
}

TEST(TapeEngine, WorksIn80BitPrecision) {
    TapeEngine engine;
    engine.setDecimals(0);
    // 2^63 + 1 is exact in a 64-bit mantissa and lost in a double.
    run(engine, "9223372036854775808+1=");
    EXPECT_EQ(engine.accumulator(), 9223372036854775809.0L);
}

TEST(TapeEngine, DecimalsShowFromTheNextValue) {
    TapeEngine engine;
    run(engine, "1,5");
    engine.setDecimals(0);
    EXPECT_EQ(engine.display(), "1,50 ");
    run(engine, "+");
    EXPECT_EQ(engine.display(), "2 ");
}

TEST(TapeEngine, KeysAskTheWindow) {
    TapeEngine engine;
    EXPECT_EQ(engine.press(27).request, TapeEngine::Request::Close);
    EXPECT_EQ(engine.press(1).request, TapeEngine::Request::Close);
    EXPECT_EQ(engine.press(7).request, TapeEngine::Request::Print);
    EXPECT_EQ(engine.press(9).request, TapeEngine::Request::DecimalsEditor);
    const auto ignored = engine.press('x');
    EXPECT_TRUE(ignored.lines.isEmpty());
    EXPECT_EQ(ignored.request, TapeEngine::Request::None);
    // Enter counts as "=".
    run(engine, "4+1");
    EXPECT_EQ(engine.press(13).lines.last(), stars);
    EXPECT_EQ(engine.display(), "5,00 ");
}

TEST(TapeEngine, HeaderAndDateLines) {
    EXPECT_EQ(TapeEngine::header("Arkivo-nauhalaskin"),
              QStringList({"    Arkivo-nauhalaskin", QString(22, ' '), stars}));
    EXPECT_EQ(TapeEngine::dateLines(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7))),
              QStringList({"  11.12.2026 9:05:07", stars}));
}

} // namespace
