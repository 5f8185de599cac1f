#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// The one place that formats dates, times and numbers. Finnish, whatever the
// machine's locale: decimal comma, blank as thousands separator, short date
// d.M.yyyy, long time H:mm:ss, short time H:mm.

namespace arkivo::fi {

QString dayName(int dayOfWeek);        // 1 = maanantai .. 7 = sunnuntai
QString shortDayName(int dayOfWeek);   // ma, ti, ke, to, pe, la, su
QString monthName(int month);          // 1 = tammikuu .. 12 = joulukuu
QString shortMonthName(int month);     // tammi, helmi, ...
QString monthPartitive(int month);     // tammikuuta .. joulukuuta

QString shortDate(const QDate& date);  // 5.4.2026
QString longDate(const QDate& date);   // "dddd d. mmmm'ta' yyyy" (sunnuntai 5. huhtikuuta 2026)
QString longTime(const QTime& time);   // 9:05:07
QString shortTime(const QTime& time);  // 9:05

// The date-time format language of stored formats and window titles:
//   d dd ddd dddd ddddd dddddd  day, 0-padded day, short day name, day name, short date, long date
//   m mm mmm mmmm               month (minutes right after h/hh), short and long month name
//   yy yyyy                     year
//   h hh n nn s ss              hour, minute, second
//   t tt                        short time, long time
//   z zzz                       milliseconds
//   "text" 'text'               literal text
//   /                           the date separator, a full stop; other characters pass through
// Letters are read without regard to case ("DD.MM.YYYY").
QString formatDateTime(const QString& format, const QDateTime& dt);

// General number form: up to `digits` significant digits, no trailing zeros,
// decimal comma, exponent form only when needed (1,5; 6,66666666666667; 1E20).
QString formatGeneral(long double value, int digits = 15);
// Fixed form with `decimals` decimals and, when grouped, a blank every three digits.
QString formatFixed(long double value, int decimals, bool grouped = true);
// Reads a number with decimal comma (a full stop is also taken); blanks
// between digit groups allowed. Empty or bad text gives nothing.
std::optional<long double> parseNumber(const QString& text);
// Reads a short date "d.M.yyyy" and a long or short time "H:mm[:ss]".
std::optional<QDate> parseShortDate(const QString& text);
std::optional<QTime> parseTime(const QString& text);

} // namespace arkivo::fi
