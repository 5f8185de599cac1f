#include "timecheck/time_reply.h"


namespace arkivo::timecheck {

QDateTime timeFromSeconds(quint32 seconds)
{
    static const QDateTime epoch(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    qint64 count = seconds;
    if (count < (qint64(1) << 31))
        count += qint64(1) << 32;
    return epoch.addSecs(count);
}

std::optional<QDateTime> decodeTimeReply(const QByteArray& reply)
{
    if (reply.size() < kReplySize)
        return std::nullopt;
    const auto byte = [&reply](int i) { return quint32(quint8(reply.at(i))); };
    return timeFromSeconds(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
}

QString differenceText(qint64 milliseconds)
{
    const qint64 total = (milliseconds < 0 ? -milliseconds : milliseconds) / 1000;
    const QChar sign = milliseconds < 0 && total > 0 ? QLatin1Char('-') : QLatin1Char('+');
    return QStringLiteral("%1 %2h %3min %4sek")
        .arg(sign)
        .arg(total / 3600)
        .arg(total % 3600 / 60)
        .arg(total % 60);
}

} // namespace arkivo::timecheck
