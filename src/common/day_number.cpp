#include "common/day_number.h"

#include <cmath>

namespace arkivo {

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

} // namespace

// Before the epoch the whole days count down while the time of day still
// counts up: -1,25 is 29.12.1899 6:00.
double toDayNumber(const QDateTime& dt) {
    if (!dt.isValid())
        return 0;
    const double days = double(kEpoch.daysTo(dt.date()));
    const double fraction = dt.time().msecsSinceStartOfDay() / kMsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

double toDayNumber(const QDate& date) {
    return date.isValid() ? double(kEpoch.daysTo(date)) : 0;
}

QDateTime fromDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber))
        return {};
    qint64 days = qint64(std::trunc(dayNumber));
    qint64 ms = qint64(std::llround(std::fabs(dayNumber - double(days)) * kMsPerDay));
    if (ms >= qint64(kMsPerDay)) {
        ms -= qint64(kMsPerDay);
        days += dayNumber < 0 ? -1 : 1;
    }
    return QDateTime(kEpoch.addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

} // namespace arkivo
