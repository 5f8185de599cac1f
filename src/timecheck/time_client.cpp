#include "timecheck/time_client.h"

#include "timecheck/time_reply.h"

#include <QSignalBlocker>
#include <QTcpSocket>

namespace arkivo::timecheck {

namespace {

QString connectionErrorText(QAbstractSocket::SocketError error, const QString& host)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("palvelin %1 kieltäytyi yhteydestä").arg(host);
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("palvelinta %1 ei löytynyt").arg(host);
    case QAbstractSocket::NetworkError:
        return QStringLiteral("verkkoyhteys palvelimeen %1 ei toimi").arg(host);
    case QAbstractSocket::SocketAccessError:
        return QStringLiteral("käyttöjärjestelmä esti yhteyden palvelimeen %1").arg(host);
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("palvelin %1 ei vastannut ajoissa").arg(host);
    default:
        return QStringLiteral("yhteys palvelimeen %1 ei onnistunut").arg(host);
    }
}

} // namespace

TimeClient::TimeClient(QObject* parent) : QObject(parent), m_socket(new QTcpSocket(this))
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kDefaultTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &TimeClient::onTimeout);
    connect(m_socket, &QTcpSocket::hostFound, this, &TimeClient::lookupDone);
    connect(m_socket, &QTcpSocket::connected, this, &TimeClient::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &TimeClient::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &TimeClient::onDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &TimeClient::onError);
}

bool TimeClient::isBusy() const
{
    return m_socket->state() != QAbstractSocket::UnconnectedState;
}

bool TimeClient::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

bool TimeClient::fetch(const QString& host)
{
    if (isBusy())
        return false;
    m_host = host.trimmed();
    m_reply.clear();
    m_done = false;
    m_wasConnected = false;
    if (m_host.isEmpty()) {
        finishWithFailure(Failure::NoConnection, QStringLiteral("palvelimen osoite puuttuu"));
        return true;
    }
    m_timeout.start();
    m_socket->connectToHost(m_host, m_port);
    return true;
}

void TimeClient::onConnected()
{
    m_wasConnected = true;
    emit connected();
}

void TimeClient::onReadyRead()
{
    if (m_done) {
        m_socket->readAll(); // anything after the four bytes is not part of the reply
        return;
    }
    emit dataArriving();
    m_reply += m_socket->read(kReplySize - m_reply.size());
    if (const auto time = decodeTimeReply(m_reply)) {
        m_done = true;
        m_timeout.stop();
        m_socket->readAll();
        emit replyReceived(*time);
        // A TIME server closes after its four bytes; one that keeps talking is left here.
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            m_socket->disconnectFromHost();
    }
}

void TimeClient::onDisconnected()
{
    if (!m_done && m_socket->bytesAvailable() > 0)
        onReadyRead();
    emit closed();
    if (!m_done)
        finishWithFailure(Failure::ShortReply,
                          QStringLiteral("palvelin sulki yhteyden, vastauksessa %1 tavua %2:stä")
                              .arg(m_reply.size())
                              .arg(kReplySize));
}

void TimeClient::onError()
{
    const QAbstractSocket::SocketError error = m_socket->error();
    // A TIME server closes the connection after its reply; onDisconnected() sorts that out.
    if (error == QAbstractSocket::RemoteHostClosedError || m_done)
        return;
    if (!m_wasConnected) {
        finishWithFailure(Failure::NoConnection, connectionErrorText(error, m_host));
        return;
    }
    {
        const QSignalBlocker blocker(m_socket);
        m_socket->abort();
    }
    emit closed();
    finishWithFailure(Failure::Network, QStringLiteral("yhteys palvelimeen %1 katkesi").arg(m_host));
}

void TimeClient::onTimeout()
{
    if (m_done)
        return;
    const bool wasConnected = m_wasConnected;
    {
        const QSignalBlocker blocker(m_socket);
        m_socket->abort();
    }
    if (wasConnected)
        emit closed();
    const int seconds = m_timeout.interval() / 1000;
    finishWithFailure(Failure::NoReply,
                      wasConnected ? QStringLiteral("palvelin %1 ei vastannut %2 sekunnissa").arg(m_host).arg(seconds)
                                   : QStringLiteral("yhteyttä palvelimeen %1 ei saatu %2 sekunnissa")
                                         .arg(m_host)
                                         .arg(seconds));
}

void TimeClient::finishWithFailure(Failure failure, const QString& reason)
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    emit failed(failure, reason);
}

} // namespace arkivo::timecheck
