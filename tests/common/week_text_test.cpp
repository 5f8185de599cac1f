#include "common/week_text.h"

#include <gtest/gtest.h>

using namespace arkivo;

TEST(WeekText, Cases) {
    const std::pair<QDate, const char*> cases[] = {
        {QDate(2026, 1, 29), "Viikko 05"},  {QDate(2026, 5, 20), "Viikko 21"},
        {QDate(2026, 12, 31), "Viikko 53"}, // a Thursday: the year has 53 weeks
        {QDate(2024, 12, 30), "Viikko 01"}, // 31.12.2024 is a Tuesday: week 1 of 2025
        {QDate(2018, 12, 31), "Viikko 01"}, // a Monday
        {QDate(2025, 12, 31), "Viikko 01"}, // a Wednesday
        {QDate(2021, 1, 1), "Viikko 53"},   // week 0 belongs to the previous year
        {QDate(2023, 1, 1), "Viikko 52"},   // a Sunday
        {QDate(2024, 1, 1), "Viikko 01"},
    };
    for (const auto& [date, text] : cases)
        EXPECT_EQ(WeekNumberText(date), QString::fromLatin1(text)) << date.toString().toStdString();
}

TEST(WeekText, AgreesWithIsoWeeksOverTwoCenturies) {
    for (QDate d(1901, 1, 1); d.year() < 2101; d = d.addDays(1))
        ASSERT_EQ(weekNumber(d), d.weekNumber()) << d.toString(Qt::ISODate).toStdString();
}
