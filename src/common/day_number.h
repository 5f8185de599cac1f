#pragma once

#include <QDate>
#include <QDateTime>

// Day numbers: days since 30 December 1899, with the time of day as the fraction.

namespace arkivo {

double toDayNumber(const QDateTime& dt);
double toDayNumber(const QDate& date);
QDateTime fromDayNumber(double dayNumber);

} // namespace arkivo
