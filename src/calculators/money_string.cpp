#include "money_string.h"

namespace arkivo::calculators {

namespace {

QString at(const QStringList& list, qint64 index) {
    return index >= 0 && index < list.size() ? list.at(int(index)) : QString();
}

} // namespace

TMoneyString::TMoneyString()
    : m_maleOne{"one", "two", "three", "four", "five", "six", "seven", "eight", "nine"},
      m_femaleOne(m_maleOne), m_ten{"ten",   "twenty",  "thirty", "forty", "fifty",
                                    "sixty", "seventy", "eighty", "ninety"},
      m_firstTen{"eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"},
      m_hundred{"one hundred", "two hundred",   "three hundred", "four hundred", "five hundred",
                "six hundred", "seven hundred", "eight hundred", "nine hundred"},
      m_thousand{"thousand", "thousand", "thousand"}, m_million{"million", "million", "million"},
      m_currencySub{"cent", "cents", "cents"}, m_currency{"dollar", "dollars", "dollars"},
      m_zero(QStringLiteral("zero")) {
    m_valueString = toWords(m_value);
}

void TMoneyString::setValueNumber(qint64 amount) {
    if (amount == m_value)
        return;
    m_value = amount;
    m_valueString = toWords(amount);
}

int TMoneyString::unitForm(qint64 n) {
    const qint64 lastTwo = n % 100;
    if (lastTwo >= 11 && lastTwo <= 19)
        return 2;
    const qint64 last = n % 10;
    if (last == 1)
        return 0;
    if (last >= 2 && last <= 4)
        return 1;
    return 2;
}

QString TMoneyString::groupWords(int g, const QStringList& ones) const {
    QString out;
    if (g / 100 > 0)
        out += at(m_hundred, g / 100 - 1);
    const int tens = (g % 100) / 10;
    const int one = g % 10;
    if (tens >= 2) {
        out += at(m_ten, tens - 1);
        if (one > 0)
            out += at(ones, one - 1);
    } else {
        const int r = g % 100;
        if (r >= 1 && r <= 9)
            out += at(ones, r - 1);
        else if (r == 10)
            out += at(m_ten, 0);
        else if (r >= 11)
            out += at(m_firstTen, r - 11);
    }
    return out;
}

QString TMoneyString::numberWords(qint64 n, const QStringList& ones) const {
    if (n == 0)
        return m_zero;
    QString out;
    const qint64 millions = n / 1000000;
    if (millions > 0) {
        out += numberWords(millions, m_maleOne) + QLatin1Char(' ') + at(m_million, unitForm(millions));
        if (n % 1000000 > 0)
            out += QLatin1Char(' ');
    }
    const qint64 thousands = (n % 1000000) / 1000;
    if (thousands > 0) {
        out += groupWords(int(thousands), m_femaleOne) + at(m_thousand, unitForm(thousands));
        if (n % 1000 > 0)
            out += QLatin1Char(' ');
    }
    if (n % 1000 > 0)
        out += groupWords(int(n % 1000), ones);
    return out;
}

QString TMoneyString::part(qint64 n, bool zeroEmpty, bool digits, bool male, const QStringList& unit) const {
    if (n == 0 && zeroEmpty)
        return {};
    QString out;
    if (digits)
        out = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    else
        out = numberWords(n, male ? m_maleOne : m_femaleOne);
    if (!out.isEmpty()) {
        const QString form = at(unit, unitForm(n));
        if (!form.isEmpty())
            out += QLatin1Char(' ') + form;
    }
    return out;
}

QString TMoneyString::toWords(qint64 amount) const {
    // Whole units and the minor unit rounded half to even from the four
    // decimals, in integers: 10,125 -> 12 cents; 0,995 -> 100 cents, carried.
    qint64 whole = amount / kScale;
    const qint64 fraction = amount % kScale; // same sign as the amount
    qint64 minor = fraction / 100;
    const qint64 rest = fraction % 100;
    if (rest > 50 || (rest == 50 && minor % 2 != 0))
        ++minor;
    else if (rest < -50 || (rest == -50 && minor % 2 != 0))
        --minor;
    if (minor == 100) {
        ++whole;
        minor = 0;
    }
    // A negative amount has no words: only counts above zero are spelled.
    if (whole < 0 || minor < 0)
        return {};

    const QString major = part(whole, m_zeroEmptyCurrency, m_formatCurrency, m_maleCurrency, m_currency);
    const QString sub = part(minor, m_zeroEmptyCurrencySub, m_formatCurrencySub, m_maleCurrencySub, m_currencySub);
    QString result;
    if (major.isEmpty())
        result = sub;
    else if (sub.isEmpty())
        result = major;
    else
        result = major + QLatin1Char(' ') + (m_delimeter.isEmpty() ? QString() : m_delimeter + QLatin1Char(' ')) + sub;
    if (m_upperStart && !result.isEmpty())
        result[0] = result[0].toUpper();
    return result;
}

} // namespace arkivo::calculators
