#pragma once

// A TIME server on 127.0.0.1 for the tests: it answers each connection with
// whatever the test queues, in the pieces the test chooses.

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace arkivo::test {

class LoopbackTimeServer {
public:
    LoopbackTimeServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            m_peer = m_server.nextPendingConnection();
            if (!m_onConnect.isEmpty() || m_closeAfter) {
                send(m_onConnect);
                if (m_closeAfter)
                    close();
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    bool hasPeer() const { return !m_peer.isNull(); }

    // What a new connection gets at once, and whether the server then closes.
    void answerWith(const QByteArray& bytes, bool closeAfter = true)
    {
        m_onConnect = bytes;
        m_closeAfter = closeAfter;
    }

    void send(const QByteArray& bytes)
    {
        if (m_peer && !bytes.isEmpty()) {
            m_peer->write(bytes);
            m_peer->flush();
        }
    }
    void close()
    {
        if (m_peer)
            m_peer->disconnectFromHost();
    }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_peer;
    QByteArray m_onConnect;
    bool m_closeAfter = false;
};

// A port on 127.0.0.1 where nobody listens, so a connection there is refused.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// Runs the event loop until `done` holds; loopback events arrive within
// milliseconds, the deadline only keeps a broken test from hanging.
inline bool processUntil(const std::function<bool()>& done, int deadlineMs = 5000)
{
    QDeadlineTimer deadline(deadlineMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace arkivo::test
