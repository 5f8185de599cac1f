#include "calculators/euro_engine.h"
#include "calculators/fuel_sums.h"
#include "calculators/money_string.h"

#include <gtest/gtest.h>

using namespace arkivo::calculators;

namespace {

struct WordsCase {
    const char* input; // as typed into an edit
    bool euro;
    const char* words;
};

class MoneyWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(MoneyWords, AmountInFinnishWords) {
    const WordsCase& c = GetParam();
    TMoneyString words;
    c.euro ? euro::setEuroWords(words) : euro::setMarkkaWords(words);
    const long double value = c.input[0] == '-' ? -std::stold(c.input + 1) : std::stold(c.input);
    EXPECT_EQ(euro::wordsFor(value, words), QString::fromUtf8(c.words)) << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoneyWords,
    ::testing::Values(WordsCase{"123.45", false, "Satakaksikymmentäkolme markkaa neljäkymmentäviisi penniä"},
                      WordsCase{"1000", true, "Yksituhatta euroa"},
                      WordsCase{"2500000", false, "Kaksi miljoonaa viisisataatuhatta markkaa"},
                      WordsCase{"0.50", true, "Viisikymmentä senttiä"},
                      WordsCase{"5.95", false, "Viisi markkaa yhdeksänkymmentäviisi penniä"},
                      WordsCase{"10.125", false, "Kymmenen markkaa kaksitoista penniä"},
                      WordsCase{"10.135", false, "Kymmenen markkaa neljätoista penniä"},
                      WordsCase{"0.995", false, "Yksi markkaa"}, WordsCase{"1000000", false, "Yksi miljoonaa markkaa"},
                      WordsCase{"1001", false, "Yksituhatta yksi markkaa"},
                      WordsCase{"11.11", true, "Yksitoista euroa yksitoista senttiä"},
                      WordsCase{"999999999", false,
                                "Yhdeksänsataayhdeksänkymmentäyhdeksän miljoonaa "
                                "yhdeksänsataayhdeksänkymmentäyhdeksäntuhatta "
                                "yhdeksänsataayhdeksänkymmentäyhdeksän markkaa"},
                      WordsCase{"1000000000", false, "Tekstinä ei voi näyttää yli miljardin kokoisia lukuja"},
                      WordsCase{"0", false, ""}, WordsCase{"0.004", false, ""}, WordsCase{"-5.50", false, ""},
                      WordsCase{"-0.50", true, ""}));

TEST(TMoneyString, EnglishTablesAndUnitForms) {
    TMoneyString words;
    words.setValueNumber(1234500);
    EXPECT_EQ(words.ValueString(), "One hundredtwentythree dollars fortyfive cents");
    words.setValueNumber(10000);
    EXPECT_EQ(words.ValueString(), "One dollar");
    words.setValueNumber(120000);
    EXPECT_EQ(words.ValueString(), "Twelve dollars");
    words.setValueNumber(100);
    EXPECT_EQ(words.ValueString(), "One cent");
}

TEST(TMoneyString, FlagsAndDelimiterRecomputeTheText) {
    TMoneyString words;
    words.setValueNumber(30500); // 3,05
    words.setDelimeter("and");
    EXPECT_EQ(words.ValueString(), "Three dollars and five cents");
    words.setFormatCurrency(true);
    words.setFormatCurrencySub(true);
    EXPECT_EQ(words.ValueString(), "03 dollars and 05 cents");
    words.setFormatCurrency(false);
    words.setUpperStart(false);
    words.setValueNumber(500); // 0,05
    EXPECT_EQ(words.ValueString(), "05 cents");
    words.setZeroEmptyCurrency(false);
    EXPECT_EQ(words.ValueString(), "zero dollars and 05 cents");
    words.setCurrency({"dollar"}); // a missing form is an empty word
    EXPECT_EQ(words.ValueString(), "zero and 05 cents");
}

TEST(TMoneyString, UnitFormRule) {
    const std::pair<int, int> cases[] = {{1, 0},  {21, 0}, {2, 1},   {34, 1},  {0, 2},  {5, 2},
                                         {11, 2}, {14, 2}, {111, 2}, {101, 0}, {112, 2}};
    for (auto [n, form] : cases)
        EXPECT_EQ(TMoneyString::unitForm(n), form) << n;
}

TEST(EuroConversion, BothDirectionsAndBadInput) {
    EXPECT_EQ(euro::convert(*euro::parseAmount("5,94573"), euro::kMarkkaToEuro), "1");
    EXPECT_EQ(euro::convert(1, euro::kEuroToMarkka), "5,94573");
    EXPECT_EQ(euro::convert(100, euro::kMarkkaToEuro), "16,8187926461511");
    EXPECT_FALSE(euro::parseAmount(""));
    EXPECT_FALSE(euro::parseAmount("-"));
    EXPECT_FALSE(euro::parseAmount("1,2,3"));
}

struct FuelCase {
    const char* name;
    QStringList inputs; // two for consumption, three for cost
    bool ok;
    const char* expected; // result, or the start of the message
};

class FuelSums : public ::testing::TestWithParam<FuelCase> {};

TEST_P(FuelSums, Compute) {
    const FuelCase& c = GetParam();
    const fuel::Result r = c.inputs.size() == 2 ? fuel::consumption(c.inputs[0], c.inputs[1])
                                                : fuel::tripCost(c.inputs[0], c.inputs[1], c.inputs[2]);
    EXPECT_EQ(r.ok, c.ok) << c.name;
    if (c.ok) {
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected)) << c.name;
    } else {
        EXPECT_TRUE(r.error.startsWith(QString::fromUtf8(c.expected))) << c.name << ": " << r.error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FuelSums,
    ::testing::Values(FuelCase{"consumption", {"400", "30"}, true, "7,5"},
                      FuelCase{"fifteen digits", {"300", "20"}, true, "6,66666666666667"},
                      FuelCase{"cost", {"250", "8", "1,5"}, true, "30"},
                      FuelCase{"blanks around", {" 250 ", " 8", "1,5 "}, true, "30"},
                      FuelCase{"untouched consumption", {" ", " "}, false, "\" \" ei ole kelvollinen luku"},
                      FuelCase{"untouched cost", {" ", " ", " "}, false, "\" \" ei ole kelvollinen luku"},
                      FuelCase{"letters", {"400", "3O"}, false, "\"3O\" ei ole kelvollinen luku"},
                      FuelCase{"zero distance", {"0", "30"}, false, "Jako nollalla"}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

} // namespace
