#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace arkivo::timecheck {

// One TIME query (RFC 868) at a time over a non-blocking TCP socket: name
// lookup, connect, read the four-byte reply (which may come in pieces) and
// let the server close. Every event arrives on the caller's thread.
//
// Each fetch ends in exactly one of replyReceived() or failed(). It does not
// set any clock and does not know about windows.
class TimeClient : public QObject {
    Q_OBJECT
public:
    enum class Failure { NoConnection, ShortReply, NoReply, Network };
    Q_ENUM(Failure)

    static constexpr int kDefaultTimeoutMs = 10000;

    explicit TimeClient(QObject* parent = nullptr);

    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    // How long a fetch may take from its start to the full reply.
    void setTimeoutMs(int ms) { m_timeout.setInterval(ms); }

    // True from the start of a fetch until the socket is unconnected again.
    bool isBusy() const;
    bool isConnected() const;
    QString host() const { return m_host; }

    // Starts a query; does nothing and returns false while one is under way.
    bool fetch(const QString& host);

    // The timeout's handler: gives up on the fetch under way.
    void onTimeout();

signals:
    void lookupDone();
    void connected();
    void dataArriving();
    void replyReceived(const QDateTime& serverUtc);
    void failed(arkivo::timecheck::TimeClient::Failure failure, const QString& reason);
    void closed();

private:
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void onError();
    void finishWithFailure(Failure failure, const QString& reason);

    QTcpSocket* m_socket;
    QTimer m_timeout;
    QString m_host;
    quint16 m_port = 37;
    QByteArray m_reply;
    bool m_done = true;
    bool m_wasConnected = false;
};

} // namespace arkivo::timecheck
