#include "common/colors.h"
#include "common/day_number.h"
#include "common/dos_datetime.h"
#include "common/font_value.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

using namespace arkivo;

TEST(DayNumber, EpochFractionAndBeforeTheEpoch) {
    EXPECT_DOUBLE_EQ(toDayNumber(QDate(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(toDayNumber(QDate(2026, 12, 11)), 46367.0);
    EXPECT_DOUBLE_EQ(toDayNumber(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_DOUBLE_EQ(toDayNumber(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    for (const QDateTime& dt :
         {QDateTime(QDate(2026, 4, 5), QTime(9, 5, 7)), QDateTime(QDate(1899, 12, 29), QTime(6, 0)),
          QDateTime(QDate(2000, 2, 29), QTime(23, 59, 59, 999))})
        EXPECT_EQ(fromDayNumber(toDayNumber(dt)), dt);
}

TEST(DosDateTime, RoundTripTwoSecondStepsAndImpossibleValues) {
    const QDateTime dt(QDate(2026, 12, 11), QTime(13, 45, 31));
    const quint32 packed = toDosDateTime(dt);
    EXPECT_EQ(packed >> 16, quint32((46 << 9) | (12 << 5) | 11));
    EXPECT_EQ(packed & 0xFFFF, quint32((13 << 11) | (45 << 5) | 15));
    EXPECT_EQ(fromDosDateTime(packed), QDateTime(QDate(2026, 12, 11), QTime(13, 45, 30)));
    EXPECT_EQ(fromDosDateTime(toDosDateTime(QDateTime(QDate(1975, 6, 1), QTime(12, 0)))),
              QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(fromDosDateTime(0).isValid());                                           // month and day 0
    EXPECT_FALSE(fromDosDateTime((quint32((1 << 5) | 1) << 16) | (24u << 11)).isValid()); // hour 24
    EXPECT_FALSE(fromDosDateTime((quint32((2 << 5) | 30) << 16)).isValid());              // 30 February
}

TEST(Colours, StoredNumbersAndSystemColours) {
    EXPECT_EQ(colors::clNavy, 8388608);
    EXPECT_EQ(colors::toQColor(colors::clNavy), QColor(0, 0, 128));
    EXPECT_EQ(colors::toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(colors::fromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699);
    // The desktop's palette when a GUI application runs, else the classic scheme.
    const QColor infoBk = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                              ? QGuiApplication::palette().color(QPalette::ToolTipBase)
                              : QColor(0xFF, 0xFF, 0xE1);
    EXPECT_EQ(colors::toQColor(colors::clInfoBk), infoBk);
    EXPECT_EQ(colors::fromQColor(colors::toQColor(colors::clNone)), colors::clNone);
}

TEST(FontValues, StoredValuesRoundTrip) {
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    font.setBold(true);
    font.setItalic(true);
    const FontValue v = FontValue::fromQFont(font, colors::clNavy);
    EXPECT_EQ(v.name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(v.size, 12);
    EXPECT_EQ(v.height, -16);
    EXPECT_EQ(v.style, QStringLiteral("[fsBold,fsItalic]"));
    EXPECT_EQ(v.color, colors::clNavy);
    const QFont back = v.toQFont();
    EXPECT_EQ(back.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(back.pointSize(), 12);
    EXPECT_TRUE(back.bold() && back.italic() && !back.underline());

    QFont f;
    EXPECT_TRUE(applyFontStyle(f, QStringLiteral("[fsUnderline,fsStrikeOut]")));
    EXPECT_EQ(fontStyleText(f), QStringLiteral("[fsUnderline,fsStrikeOut]"));
    EXPECT_TRUE(applyFontStyle(f, QStringLiteral("[]")));
    EXPECT_EQ(fontStyleText(f), QStringLiteral("[]"));
    EXPECT_FALSE(applyFontStyle(f, QStringLiteral("[fsBlink]")));
    EXPECT_FALSE(applyFontStyle(f, QStringLiteral("fsBold")));
}
