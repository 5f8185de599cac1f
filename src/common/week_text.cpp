#include "common/week_text.h"

namespace arkivo {

// Counts weeks from 1 January with an offset by its weekday, so that a week
// belongs to the year that holds its Thursday (ISO 8601).
int weekNumber(const QDate& date) {
    if (!date.isValid())
        return 0;
    const QDate jan1(date.year(), 1, 1);
    const qint64 d = jan1.daysTo(date);
    static const int kOffsetByWeekday[] = {7, 8, 9, 10, 4, 5, 6}; // Monday .. Sunday
    const int w = int((kOffsetByWeekday[jan1.dayOfWeek() - 1] + d) / 7);
    if (w == 0)
        return weekNumber(QDate(date.year() - 1, 12, 31));
    if (w == 53) {
        const int dec31 = QDate(date.year(), 12, 31).dayOfWeek();
        if (dec31 == 7 || dec31 <= 3)
            return 1;
    }
    return w;
}

QString WeekNumberText(const QDate& date) {
    return QStringLiteral("Viikko ") + QString::number(weekNumber(date)).rightJustified(2, QLatin1Char('0'));
}

} // namespace arkivo
