#include "timecheck/time_client.h"

#include "loopback_time_server.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace arkivo::timecheck;
using arkivo::test::LoopbackTimeServer;
using arkivo::test::processUntil;

namespace {

struct TimeClientTest : ::testing::Test {
    TimeClient client;
    QSignalSpy replies{&client, &TimeClient::replyReceived};
    QSignalSpy failures{&client, &TimeClient::failed};
    QSignalSpy closes{&client, &TimeClient::closed};

    bool finished() const { return replies.size() + failures.size() > 0; }
    TimeClient::Failure failure() const { return failures.at(0).at(0).value<TimeClient::Failure>(); }
    QString reason() const { return failures.at(0).at(1).toString(); }
};

TEST_F(TimeClientTest, ReplyInTwoPiecesIsDecodedOnceComplete)
{
    LoopbackTimeServer server;
    server.answerWith(QByteArray::fromHex("BFDB"), false);
    client.setPort(server.port());
    QSignalSpy pieces(&client, &TimeClient::dataArriving);

    ASSERT_TRUE(client.fetch("127.0.0.1"));
    EXPECT_FALSE(client.fetch("127.0.0.1")) << "a second fetch while one is under way";
    ASSERT_TRUE(processUntil([&] { return pieces.size() > 0; }));
    EXPECT_EQ(replies.size(), 0);

    server.send(QByteArray::fromHex("7A80"));
    server.close();
    ASSERT_TRUE(processUntil([&] { return finished() && closes.size() > 0; }));
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(failures.size(), 0);
    EXPECT_EQ(replies.at(0).at(0).toDateTime(), QDateTime(QDate(2002, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_TRUE(processUntil([&] { return !client.isBusy(); }));
}

TEST_F(TimeClientTest, FailuresEndTheFetchWithAReason)
{
    struct Case {
        const char* name;
        QByteArray answer;
        bool serverUp;
        TimeClient::Failure failure;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"refused", {}, false, TimeClient::Failure::NoConnection, "kieltäytyi"},
        {"short", QByteArray::fromHex("BFDB7A"), true, TimeClient::Failure::ShortReply, "3 tavua 4:stä"},
        {"closed at once", {}, true, TimeClient::Failure::ShortReply, "0 tavua 4:stä"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimeClient fresh;
        QSignalSpy failed(&fresh, &TimeClient::failed);
        QSignalSpy replied(&fresh, &TimeClient::replyReceived);
        LoopbackTimeServer server;
        server.answerWith(c.answer, true);
        fresh.setPort(c.serverUp ? server.port() : arkivo::test::closedPort());
        fresh.fetch("127.0.0.1");
        ASSERT_TRUE(processUntil([&] { return failed.size() > 0; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(failed.size(), 1);
        EXPECT_EQ(replied.size(), 0);
        EXPECT_EQ(failed.at(0).at(0).value<TimeClient::Failure>(), c.failure);
        EXPECT_TRUE(failed.at(0).at(1).toString().contains(QString::fromUtf8(c.reasonPart)))
            << failed.at(0).at(1).toString().toStdString();
        EXPECT_FALSE(fresh.isBusy());
    }
}

TEST_F(TimeClientTest, SilentServerTimesOut)
{
    LoopbackTimeServer server;
    client.setPort(server.port());
    QSignalSpy connects(&client, &TimeClient::connected);
    client.fetch("127.0.0.1");
    ASSERT_TRUE(processUntil([&] { return connects.size() > 0; }));

    client.onTimeout(); // what the 10-second timer does
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failure(), TimeClient::Failure::NoReply);
    EXPECT_TRUE(reason().contains("ei vastannut 10 sekunnissa")) << reason().toStdString();
    EXPECT_FALSE(client.isBusy());

    // A late reply after giving up changes nothing.
    server.send(QByteArray::fromHex("BFDB7A80"));
    QCoreApplication::processEvents();
    EXPECT_EQ(replies.size(), 0);
    EXPECT_EQ(failures.size(), 1);
}

TEST_F(TimeClientTest, ServerThatStaysOpenIsLeftAfterTheReply)
{
    LoopbackTimeServer server;
    server.answerWith(QByteArray::fromHex("BFDB7A80FFFF"), false);
    client.setPort(server.port());
    client.fetch("127.0.0.1");
    ASSERT_TRUE(processUntil([&] { return finished() && !client.isBusy(); }));
    EXPECT_EQ(replies.size(), 1);
    EXPECT_EQ(closes.size(), 1);
    EXPECT_TRUE(client.fetch("127.0.0.1")) << "the next check can start";
    ASSERT_TRUE(processUntil([&] { return replies.size() == 2; }));
}

TEST_F(TimeClientTest, EmptyAddressFailsAtOnce)
{
    client.fetch("   ");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failure(), TimeClient::Failure::NoConnection);
}

} // namespace
