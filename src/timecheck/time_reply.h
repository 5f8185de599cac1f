#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The TIME protocol's reply (RFC 868): an unsigned 32-bit count of seconds
// since 1900-01-01 00:00:00 UTC, most significant byte first. This file only
// reads replies and words the difference between two clocks; it does not
// talk to the network.

namespace arkivo::timecheck {

inline constexpr quint16 kTimePort = 37;
inline constexpr int kReplySize = 4;

// The moment a count of seconds stands for. The count wraps on 7 February 2036
// 06:28:16 UTC; a count below 2^31 is read as the next era, so replies from
// 1968-2036 servers and from servers after the wrap both come out right.
QDateTime timeFromSeconds(quint32 seconds);

// The first four bytes of `reply` as a UTC moment; nothing while fewer than
// four bytes have arrived. BF DB 7A 80 (3 218 832 000 s) is 2002-01-01 00:00:00 UTC.
std::optional<QDateTime> decodeTimeReply(const QByteArray& reply);

// A signed difference in whole seconds as "+ 0h 1min 15sek" / "- 2h 0min 3sek":
// hours, minutes and seconds without leading zeros, milliseconds dropped.
QString differenceText(qint64 milliseconds);

} // namespace arkivo::timecheck
