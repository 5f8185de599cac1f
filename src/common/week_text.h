#pragma once

#include <QDate>
#include <QString>

namespace arkivo {

// The ISO 8601 week of a date as "Viikko " and at least two digits ("Viikko 05").
QString WeekNumberText(const QDate& date);
int weekNumber(const QDate& date);

} // namespace arkivo
