#include "common/finnish_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace arkivo::fi {

namespace {

const char* const kDayNames[] = {"maanantai", "tiistai",  "keskiviikko", "torstai",
                                 "perjantai", "lauantai", "sunnuntai"};
const char* const kShortDayNames[] = {"ma", "ti", "ke", "to", "pe", "la", "su"};
const char* const kMonthNames[] = {"tammikuu", "helmikuu", "maaliskuu", "huhtikuu", "toukokuu",  "kesäkuu",
                                   "heinäkuu", "elokuu",   "syyskuu",   "lokakuu",  "marraskuu", "joulukuu"};
const char* const kShortMonthNames[] = {"tammi", "helmi", "maalis", "huhti", "touko",  "kesä",
                                        "heinä", "elo",   "syys",   "loka",  "marras", "joulu"};

QString pad2(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

// Decimal digits of |value| rounded half away from zero. `digits` holds the
// significant digits without leading zeros, `exponent` the power of ten of the
// first digit (123.4 -> "1234", 2). Rounding works on an 18-digit rendering so
// that 0,125 rounds to 0,13 as a person counting by hand expects.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(long double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    std::string text(buf, res.ptr);
    Decimal d;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// Keeps `keep` leading digits (may be 0 or negative: everything rounds away
// or to one unit), rounding half up on the digit string.
void roundDigits(Decimal& d, int keep) {
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 0;
        return;
    }
    if (keep >= int(d.digits.size()))
        return;
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') {
            d.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[std::size_t(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.digits = "0";
        d.exponent = 0;
    }
}

bool isZero(const Decimal& d) {
    return d.digits.find_first_not_of('0') == std::string::npos;
}

QString groupThousands(const QString& integer) {
    QString out;
    const int n = integer.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(' ');
        out += integer[i];
    }
    return out;
}

QString nonFinite(long double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString dayName(int dayOfWeek) {
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(kDayNames[dayOfWeek - 1]) : QString();
}

QString shortDayName(int dayOfWeek) {
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(kShortDayNames[dayOfWeek - 1]) : QString();
}

QString monthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMonthNames[month - 1]) : QString();
}

QString shortMonthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromUtf8(kShortMonthNames[month - 1]) : QString();
}

QString monthPartitive(int month) {
    return month >= 1 && month <= 12 ? monthName(month) + QStringLiteral("ta") : QString();
}

QString shortDate(const QDate& date) {
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

QString longDate(const QDate& date) {
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2. %3 %4")
        .arg(dayName(date.dayOfWeek()))
        .arg(date.day())
        .arg(monthPartitive(date.month()))
        .arg(date.year());
}

QString longTime(const QTime& time) {
    if (!time.isValid())
        return {};
    return QStringLiteral("%1:%2:%3").arg(time.hour()).arg(pad2(time.minute()), pad2(time.second()));
}

QString shortTime(const QTime& time) {
    if (!time.isValid())
        return {};
    return QStringLiteral("%1:%2").arg(time.hour()).arg(pad2(time.minute()));
}

QString formatDateTime(const QString& format, const QDateTime& dt) {
    const QDate date = dt.date();
    const QTime time = dt.time().isValid() ? dt.time() : QTime(0, 0);
    QString out;
    bool afterHour = false; // an m right after h/hh means minutes
    int i = 0;
    const int n = format.size();
    auto runLength = [&](QChar c) {
        int k = i;
        while (k < n && format[k].toLower() == c)
            ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = format[i];
        const QChar lc = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = format.indexOf(c, i + 1);
            const int stop = end < 0 ? n : end;
            out += format.mid(i + 1, stop - i - 1);
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (lc == QLatin1Char('d')) {
            const int len = runLength(lc);
            const int use = std::min(len, 6);
            switch (use) {
            case 1:
                out += QString::number(date.day());
                break;
            case 2:
                out += pad2(date.day());
                break;
            case 3:
                out += shortDayName(date.dayOfWeek());
                break;
            case 4:
                out += dayName(date.dayOfWeek());
                break;
            case 5:
                out += shortDate(date);
                break;
            default:
                out += longDate(date);
                break;
            }
            i += use;
            afterHour = false;
            continue;
        }
        if (lc == QLatin1Char('m')) {
            const int len = std::min(runLength(lc), 4);
            if (afterHour && len <= 2)
                out += len == 1 ? QString::number(time.minute()) : pad2(time.minute());
            else if (len == 1)
                out += QString::number(date.month());
            else if (len == 2)
                out += pad2(date.month());
            else if (len == 3)
                out += shortMonthName(date.month());
            else
                out += monthName(date.month());
            i += len;
            afterHour = false;
            continue;
        }
        if (lc == QLatin1Char('y')) {
            const int len = runLength(lc);
            out +=
                len <= 2 ? pad2(date.year() % 100) : QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
            i += len <= 2 ? len : std::min(len, 4);
            afterHour = false;
            continue;
        }
        if (lc == QLatin1Char('h') || lc == QLatin1Char('n') || lc == QLatin1Char('s')) {
            const int len = std::min(runLength(lc), 2);
            const int v = lc == QLatin1Char('h') ? time.hour() : lc == QLatin1Char('n') ? time.minute() : time.second();
            out += len == 1 ? QString::number(v) : pad2(v);
            i += len;
            afterHour = lc == QLatin1Char('h');
            continue;
        }
        if (lc == QLatin1Char('z')) {
            const int len = runLength(lc);
            out += len >= 3 ? QString::number(time.msec()).rightJustified(3, QLatin1Char('0'))
                            : QString::number(time.msec());
            i += len >= 3 ? std::min(len, 3) : len;
            afterHour = false;
            continue;
        }
        if (lc == QLatin1Char('t')) {
            const int len = std::min(runLength(lc), 2);
            out += len == 1 ? shortTime(time) : longTime(time);
            i += len;
            afterHour = false;
            continue;
        }
        // The date separator of the Finnish formats is the full stop.
        out += c == QLatin1Char('/') ? QChar(QLatin1Char('.')) : c;
        ++i;
    }
    return out;
}

QString formatGeneral(long double value, int digits) {
    if (!std::isfinite(value))
        return nonFinite(value);
    digits = std::clamp(digits, 1, 18);
    if (value == 0)
        return QStringLiteral("0");
    Decimal d = toDecimal(value);
    roundDigits(d, digits);
    if (isZero(d))
        return QStringLiteral("0");
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const QString digitText = QString::fromStdString(d.digits);
    // Plain form while the integer part fits in the digits and the value is
    // at least 0,00001; otherwise 1,5E20 or 1E-6.
    if (d.exponent < digits && d.exponent >= -5) {
        QString text;
        if (d.exponent < 0) {
            text = QStringLiteral("0,") + QString(-d.exponent - 1, QLatin1Char('0')) + digitText;
        } else {
            const int intLen = d.exponent + 1;
            QString intPart = digitText.left(intLen);
            if (intPart.size() < intLen)
                intPart += QString(intLen - intPart.size(), QLatin1Char('0'));
            const QString frac = digitText.mid(intLen);
            text = frac.isEmpty() ? intPart : intPart + QLatin1Char(',') + frac;
        }
        return sign + text;
    }
    QString mantissa = digitText.left(1);
    if (digitText.size() > 1)
        mantissa += QLatin1Char(',') + digitText.mid(1);
    return sign + mantissa + QLatin1Char('E') + QString::number(d.exponent);
}

QString formatFixed(long double value, int decimals, bool grouped) {
    if (!std::isfinite(value))
        return nonFinite(value);
    decimals = std::clamp(decimals, 0, 18);
    Decimal d = toDecimal(value);
    if (value == 0)
        d = Decimal{"0", 0};
    roundDigits(d, d.exponent + 1 + decimals);
    // Lay the digits out on a fixed grid: integer part, then `decimals` digits.
    QString intPart;
    QString frac;
    const QString digitText = QString::fromStdString(d.digits);
    if (isZero(d)) {
        intPart = QStringLiteral("0");
    } else if (d.exponent < 0) {
        intPart = QStringLiteral("0");
        frac = QString(-d.exponent - 1, QLatin1Char('0')) + digitText;
    } else {
        const int intLen = d.exponent + 1;
        intPart = digitText.left(intLen);
        if (intPart.size() < intLen)
            intPart += QString(intLen - intPart.size(), QLatin1Char('0'));
        frac = digitText.mid(intLen);
    }
    frac = frac.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    const bool negative = value < 0 && !isZero(d);
    QString text = grouped ? groupThousands(intPart) : intPart;
    if (decimals > 0)
        text += QLatin1Char(',') + frac;
    return negative ? QLatin1Char('-') + text : text;
}

std::optional<long double> parseNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    std::string plain;
    bool seenDigit = false, seenSeparator = false, seenExponent = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            plain += char(c.unicode());
            seenDigit = true;
        } else if ((c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F)) && !seenSeparator &&
                   !seenExponent) {
            // A group blank must sit between two digits.
            if (i == 0 || i + 1 >= t.size() || !t[i - 1].isDigit() || !t[i + 1].isDigit())
                return std::nullopt;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !seenSeparator && !seenExponent) {
            plain += '.';
            seenSeparator = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (i == 0 || (seenExponent && (t[i - 1] == QLatin1Char('e') || t[i - 1] == QLatin1Char('E'))))) {
            if (c == QLatin1Char('-'))
                plain += '-';
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && seenDigit && !seenExponent) {
            plain += 'e';
            seenExponent = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    long double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QDate> parseShortDate(const QString& text) {
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    const QStringList parts = t.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    int values[3];
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        const QString p = parts[k].trimmed();
        values[k] = p.toInt(&ok);
        if (!ok || p.isEmpty() || p.startsWith(QLatin1Char('+')) || p.startsWith(QLatin1Char('-')))
            return std::nullopt;
    }
    int year = values[2];
    if (parts[2].trimmed().size() <= 2)
        year += 2000;
    const QDate date(year, values[1], values[0]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTime(const QString& text) {
    const QString t = text.trimmed();
    QStringList parts = t.split(QLatin1Char(':'));
    if (parts.size() == 1)
        parts = t.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int k = 0; k < parts.size(); ++k) {
        bool ok = false;
        const QString p = parts[k].trimmed();
        values[k] = p.toInt(&ok);
        if (!ok || p.isEmpty() || p.size() > 2 || p.startsWith(QLatin1Char('+')) || p.startsWith(QLatin1Char('-')))
            return std::nullopt;
    }
    const QTime time(values[0], values[1], values[2]);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace arkivo::fi
