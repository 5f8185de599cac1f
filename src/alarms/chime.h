#pragma once

#include <QString>
#include <QTime>

namespace arkivo::alarms {

// The hourly chime's test: the minute and the second written one after the
// other without leading zeros, which reads "00" only at minute 0, second 0
// (minute 10, second 0 reads "100").
QString chimeText(const QTime& time);
inline bool isFullHour(const QTime& time) {
    return chimeText(time) == QLatin1String("00");
}

} // namespace arkivo::alarms
