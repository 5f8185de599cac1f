#include "common/finnish_format.h"

#include <gtest/gtest.h>

using namespace arkivo;

namespace {

const QDateTime kMoment(QDate(2026, 4, 5), QTime(9, 5, 7, 42)); // a Sunday

struct FormatCase {
    const char* format;
    const char* expected;
};

class FormatLanguage : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatLanguage, FormatsTheMoment) {
    EXPECT_EQ(fi::formatDateTime(QString::fromUtf8(GetParam().format), kMoment),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FormatLanguage,
    testing::Values(FormatCase{"d dd ddd dddd", "5 05 su sunnuntai"}, FormatCase{"ddddd", "5.4.2026"},
                    FormatCase{"dddddd", "sunnuntai 5. huhtikuuta 2026"},
                    FormatCase{"m mm mmm mmmm", "4 04 huhti huhtikuu"}, FormatCase{"yy yyyy", "26 2026"},
                    FormatCase{"h hh n nn s ss", "9 09 5 05 7 07"},
                    // m right after an hour is the minute; elsewhere the month
                    FormatCase{"hh:mm d.m.", "09:05 5.4."}, FormatCase{"t tt", "9:05 9:05:07"},
                    FormatCase{"zzz", "042"}, FormatCase{"DD.MM.YYYY", "05.04.2026"},
                    FormatCase{"dd/mm/yy", "05.04.26"}, FormatCase{"\"Tänään\" d 'dd' \"x", "Tänään 5 dd x"},
                    FormatCase{"dddd'na' d. mmmm'ta'", "sunnuntaina 5. huhtikuuta"}));

TEST(FinnishNames, DaysMonthsAndOutOfRange) {
    EXPECT_EQ(fi::dayName(1), QStringLiteral("maanantai"));
    EXPECT_EQ(fi::dayName(7), QStringLiteral("sunnuntai"));
    EXPECT_EQ(fi::monthName(6), QString::fromUtf8("kesäkuu"));
    EXPECT_EQ(fi::monthPartitive(5), QStringLiteral("toukokuuta"));
    EXPECT_EQ(fi::shortMonthName(12), QStringLiteral("joulu"));
    EXPECT_TRUE(fi::dayName(0).isEmpty());
    EXPECT_TRUE(fi::monthName(13).isEmpty());
    EXPECT_EQ(fi::shortDate(QDate(2026, 12, 1)), QStringLiteral("1.12.2026"));
    EXPECT_EQ(fi::longTime(QTime(23, 0, 9)), QStringLiteral("23:00:09"));
    EXPECT_EQ(fi::shortTime(QTime(0, 7)), QStringLiteral("0:07"));
}

TEST(FinnishNumbers, GeneralForm) {
    const std::pair<long double, const char*> cases[] = {
        {7.5L, "7,5"},
        {20.0L / 3.0L, "6,66666666666667"},
        {0.1L + 0.2L, "0,3"},
        {-1234.5L, "-1234,5"},
        {0.0L, "0"},
        {1e20L, "1E20"},
        {1.5e20L, "1,5E20"},
        {123456789012345.0L, "123456789012345"},
        {0.00001L, "0,00001"},
        {0.000001L, "1E-6"},
        {2.0L / 3.0L, "0,666666666666667"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(fi::formatGeneral(value), QString::fromUtf8(expected)) << double(value);
}

TEST(FinnishNumbers, GroupedFixedRoundsHalfAwayFromZero) {
    const std::tuple<long double, int, bool, const char*> cases[] = {
        {1234567.891L, 2, true, "1 234 567,89"},
        {1234567.891L, 2, false, "1234567,89"},
        {0.125L, 2, true, "0,13"},
        {-0.125L, 2, true, "-0,13"},
        {999.995L, 2, true, "1 000,00"},
        {-0.001L, 2, true, "0,00"},
        {5.0L, 0, true, "5"},
        {123.0L, 3, true, "123,000"},
        {100000.0L, 2, true, "100 000,00"},
    };
    for (const auto& [value, decimals, grouped, expected] : cases)
        EXPECT_EQ(fi::formatFixed(value, decimals, grouped), QString::fromUtf8(expected)) << double(value);
}

TEST(FinnishNumbers, Parsing) {
    const std::pair<const char*, long double> good[] = {
        {"7,5", 7.5L},    {"7.5", 7.5L}, {" -12 ", -12.0L}, {"1 234 567,5", 1234567.5L},
        {"1E3", 1000.0L}, {",5", 0.5L},  {"+3", 3.0L},
    };
    for (const auto& [text, value] : good) {
        const auto parsed = fi::parseNumber(QString::fromUtf8(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(double(*parsed), double(value)) << text;
    }
    for (const char* bad : {"", "  ", "abc", "1,2,3", "1.234,5", "1  2", "--1", "1e", ",", "1 ,5", "5-"})
        EXPECT_FALSE(fi::parseNumber(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(FinnishDates, ParsingShortDateAndTime) {
    EXPECT_EQ(fi::parseShortDate(QStringLiteral("5.4.2026")), QDate(2026, 4, 5));
    EXPECT_EQ(fi::parseShortDate(QStringLiteral("05.04.26")), QDate(2026, 4, 5));
    EXPECT_FALSE(fi::parseShortDate(QStringLiteral("31.2.2026")));
    EXPECT_FALSE(fi::parseShortDate(QStringLiteral("5/4/2026")));
    EXPECT_EQ(fi::parseTime(QStringLiteral("9:05")), QTime(9, 5));
    EXPECT_EQ(fi::parseTime(QStringLiteral("23:59:59")), QTime(23, 59, 59));
    EXPECT_EQ(fi::parseTime(QStringLiteral("9.05")), QTime(9, 5));
    EXPECT_FALSE(fi::parseTime(QStringLiteral("24:00")));
    EXPECT_FALSE(fi::parseTime(QStringLiteral("9:5x")));
}

} // namespace
