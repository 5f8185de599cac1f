#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Writes a money amount out in words from nine word lists: "one" .. "nine"
// in male and female forms, the tens, eleven .. nineteen, the hundreds, and
// three grammatical forms each of thousand, million and the two units. The
// built-in lists are English; the euro calculator replaces them with Finnish.
//
// The amount is a 64-bit fixed-point number with four implied decimals
// (123,45 is 1234500). Pieces of one group are joined without blanks
// ("satakaksikymmentäkolme"); thousands follow their count directly
// ("viisisataatuhatta"); millions stand apart ("kaksi miljoonaa").
// Any change of a list, a flag or the delimiter recomputes valueString().

namespace arkivo::calculators {

class TMoneyString {
public:
    TMoneyString();

    static constexpr qint64 kScale = 10000;

    const QStringList& MaleOne() const { return m_maleOne; }
    const QStringList& FemaleOne() const { return m_femaleOne; }
    const QStringList& Ten() const { return m_ten; }
    const QStringList& FirstTen() const { return m_firstTen; }
    const QStringList& Hundred() const { return m_hundred; }
    const QStringList& Thousand() const { return m_thousand; }
    const QStringList& Million() const { return m_million; }
    const QStringList& CurrencySub() const { return m_currencySub; }
    const QStringList& Currency() const { return m_currency; }
    void setMaleOne(const QStringList& v) { assign(m_maleOne, v); }
    void setFemaleOne(const QStringList& v) { assign(m_femaleOne, v); }
    void setTen(const QStringList& v) { assign(m_ten, v); }
    void setFirstTen(const QStringList& v) { assign(m_firstTen, v); }
    void setHundred(const QStringList& v) { assign(m_hundred, v); }
    void setThousand(const QStringList& v) { assign(m_thousand, v); }
    void setMillion(const QStringList& v) { assign(m_million, v); }
    void setCurrencySub(const QStringList& v) { assign(m_currencySub, v); }
    void setCurrency(const QStringList& v) { assign(m_currency, v); }

    bool MaleCurrency() const { return m_maleCurrency; }
    bool MaleCurrencySub() const { return m_maleCurrencySub; }
    bool FormatCurrency() const { return m_formatCurrency; }
    bool FormatCurrencySub() const { return m_formatCurrencySub; }
    bool ZeroEmptyCurrency() const { return m_zeroEmptyCurrency; }
    bool ZeroEmptyCurrencySub() const { return m_zeroEmptyCurrencySub; }
    bool UpperStart() const { return m_upperStart; }
    void setMaleCurrency(bool v) { assign(m_maleCurrency, v); }
    void setMaleCurrencySub(bool v) { assign(m_maleCurrencySub, v); }
    void setFormatCurrency(bool v) { assign(m_formatCurrency, v); }
    void setFormatCurrencySub(bool v) { assign(m_formatCurrencySub, v); }
    void setZeroEmptyCurrency(bool v) { assign(m_zeroEmptyCurrency, v); }
    void setZeroEmptyCurrencySub(bool v) { assign(m_zeroEmptyCurrencySub, v); }
    void setUpperStart(bool v) { assign(m_upperStart, v); }

    // A word put, with a blank on each side, between the major and the minor part ("ja").
    QString Delimeter() const { return m_delimeter; }
    void setDelimeter(const QString& v) { assign(m_delimeter, v); }
    // The word for zero, used when a zero amount is spelled out.
    QString Zero() const { return m_zero; }
    void setZero(const QString& v) { assign(m_zero, v); }

    qint64 ValueNumber() const { return m_value; }
    void setValueNumber(qint64 amount);
    QString ValueString() const { return m_valueString; }

    // The amount in words with the current lists and flags.
    QString toWords(qint64 amount) const;

    // Form 0, 1 or 2 of a unit word for n: 1 -> 0, 2..4 -> 1, 0, 5..9 and 11..19 -> 2 (by the last digits).
    static int unitForm(qint64 n);

private:
    template <typename T> void assign(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        m_valueString = toWords(m_value);
    }
    QString numberWords(qint64 n, const QStringList& ones) const;
    QString groupWords(int g, const QStringList& ones) const;
    QString part(qint64 n, bool zeroEmpty, bool digits, bool male, const QStringList& unit) const;

    QStringList m_maleOne, m_femaleOne, m_ten, m_firstTen, m_hundred, m_thousand, m_million, m_currencySub, m_currency;
    bool m_maleCurrency = true;
    bool m_maleCurrencySub = true;
    bool m_formatCurrency = false;
    bool m_formatCurrencySub = false;
    bool m_zeroEmptyCurrency = true;
    bool m_zeroEmptyCurrencySub = true;
    bool m_upperStart = true;
    QString m_delimeter;
    QString m_zero;
    qint64 m_value = 0;
    QString m_valueString;
};

} // namespace arkivo::calculators
