#include "timecheck/time_check.h"

#include "common/finnish_format.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "platform/system_clock.h"
#include "timecheck/time_reply.h"

namespace arkivo::timecheck {

TimeCheck::TimeCheck(QObject* parent) : QObject(parent)
{
    connect(&m_client, &TimeClient::lookupDone, this,
            [this] { emit statusChanged(QStringLiteral("DNS tarkistus tehty")); });
    connect(&m_client, &TimeClient::connected, this, &TimeCheck::onConnected);
    connect(&m_client, &TimeClient::dataArriving, this,
            [this] { emit statusChanged(QStringLiteral("Tietoa tulee...")); });
    connect(&m_client, &TimeClient::replyReceived, this, &TimeCheck::onReply);
    connect(&m_client, &TimeClient::failed, this, &TimeCheck::onFailed);
    connect(&m_client, &TimeClient::closed, this,
            [this] { emit statusChanged(QStringLiteral("Yhteys katkaistu")); });
}

bool TimeCheck::start(const QString& host)
{
    if (m_client.isBusy())
        return false;
    emit statusChanged(QStringLiteral("Yhdistetään..."));
    return m_client.fetch(host);
}

QString TimeCheck::nowText() const
{
    const QDateTime now = platform::clock().now();
    return fi::shortDate(now.date()) + QLatin1Char(' ') + fi::longTime(now.time());
}

void TimeCheck::onConnected()
{
    emit sessionConnected();
    emit statusChanged(QStringLiteral("Yhteys saatu"));
    emit activeChanged(true);
    emit logged(QStringLiteral("-Aika1 = 0,001 sek ennen tarkistusta"));
    emit logged(QStringLiteral("+Aika2 = 0,001 sek jälkeen tarkistuksen"));
    emit logged(QStringLiteral(" PRINTATAAN TIETOKONEEN AIKALEIMAT->"));
    emit logged(QStringLiteral("   -Aika1: ") + nowText());
    m_stamps.connected = platform::clock().now();
}

void TimeCheck::onReply(const QDateTime& serverUtc)
{
    // The difference is taken against the whole local date and time at the
    // reply, so a correction across midnight or of whole days shows as it is.
    const QDateTime before = platform::clock().now();
    m_stamps.differenceMs = before.msecsTo(serverUtc);

    const platform::SystemClock::Result result = platform::systemClock().setTime(serverUtc);
    m_stamps.after = platform::clock().now();
    const QString difference = differenceText(m_stamps.differenceMs);
    if (result.ok) {
        emit logged(QStringLiteral("   +Aika2: ") + nowText());
        m_stamps.line = QStringLiteral(" Kellonaikaa korjattu:") + difference;
    } else {
        const QDateTime serverLocal = serverUtc.toLocalTime();
        emit logged(QStringLiteral("   Palvelimen aika: ") + fi::shortDate(serverLocal.date()) + QLatin1Char(' ') +
                    fi::longTime(serverLocal.time()));
        emit logged(QStringLiteral("   Kelloa ei voitu asettaa: ") + result.reason);
        m_stamps.line = QStringLiteral(" Kellonaikaa ei korjattu, ero:") + difference;
    }
    emit logged(m_stamps.line);
    emit activeChanged(false);
}

void TimeCheck::onFailed(TimeClient::Failure failure, const QString& reason)
{
    switch (failure) {
    case TimeClient::Failure::NoConnection:
        emit statusChanged(QStringLiteral("Yhteys epäonnistui"));
        break;
    case TimeClient::Failure::ShortReply:
        emit statusChanged(QStringLiteral("Vastaus jäi vajaaksi"));
        break;
    case TimeClient::Failure::NoReply:
        emit statusChanged(QStringLiteral("Ei vastausta"));
        break;
    case TimeClient::Failure::Network:
        emit statusChanged(QStringLiteral("Yhteys katkesi"));
        break;
    }
    emit logged(QStringLiteral("Ajan tarkistus epäonnistui: ") + reason + QStringLiteral("; kelloa ei asetettu."));
    emit activeChanged(false);
}

} // namespace arkivo::timecheck
