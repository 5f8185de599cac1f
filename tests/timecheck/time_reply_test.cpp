#include "timecheck/time_reply.h"

#include <gtest/gtest.h>

using namespace arkivo::timecheck;

namespace {

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

TEST(TimeReply, DecodesBigEndianSecondsSince1900)
{
    struct Case {
        QByteArray bytes;
        QDateTime expected;
    };
    const Case cases[] = {
        {QByteArray::fromHex("BFDB7A80"), utc(2002, 1, 1)},                // 3 218 832 000 s
        {QByteArray::fromHex("80000000"), utc(1968, 1, 20, 3, 14, 8)},     // 2^31, the era's first half ends
        {QByteArray::fromHex("FFFFFFFF"), utc(2036, 2, 7, 6, 28, 15)},     // last second of era 0
        {QByteArray::fromHex("00000000"), utc(2036, 2, 7, 6, 28, 16)},     // wrapped: era 1 starts
        {QByteArray::fromHex("0000003C"), utc(2036, 2, 7, 6, 29, 16)},
        {QByteArray::fromHex("BFDB7A80FF"), utc(2002, 1, 1)},              // extra bytes are not part of it
    };
    for (const Case& c : cases) {
        const auto time = decodeTimeReply(c.bytes);
        ASSERT_TRUE(time.has_value()) << c.bytes.toHex().constData();
        EXPECT_EQ(*time, c.expected) << c.bytes.toHex().constData();
        EXPECT_EQ(time->timeSpec(), Qt::UTC);
    }
}

TEST(TimeReply, NeedsAllFourBytes)
{
    for (const char* hex : {"", "BF", "BFDB7A"})
        EXPECT_FALSE(decodeTimeReply(QByteArray::fromHex(hex)).has_value()) << hex;
}

TEST(TimeReply, DifferenceTextDropsMillisecondsAndKeepsSign)
{
    struct Case {
        qint64 ms;
        const char* text;
    };
    const Case cases[] = {
        {0, "+ 0h 0min 0sek"},
        {75'999, "+ 0h 1min 15sek"},
        {-75'000, "- 0h 1min 15sek"},
        {-999, "+ 0h 0min 0sek"},
        {(2 * 3600 + 3) * 1000, "+ 2h 0min 3sek"},
        {-qint64(49) * 3600 * 1000, "- 49h 0min 0sek"}, // whole days are shown as hours
    };
    for (const Case& c : cases)
        EXPECT_EQ(differenceText(c.ms), QString::fromUtf8(c.text)) << c.ms;
}

} // namespace
