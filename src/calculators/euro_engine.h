#pragma once

#include "calculators/money_string.h"

#include <QString>

#include <optional>

// The arithmetic of the euro calculator: markkaa and euros at the fixed rate
// of 5,94573 markkaa to one euro, and the amounts in Finnish words.

namespace arkivo::calculators::euro {

// 1 / 5,94573 taken to 16 significant digits, as the converter has always used it.
inline constexpr long double kMarkkaToEuro = 0.1681879264615111L;
inline constexpr long double kEuroToMarkka = 5.94573L;

// Above this the words panel shows kTooLargeText instead of words.
inline constexpr long double kWordsLimit = 999999999.0L;
inline const QString kTooLargeText = QStringLiteral("Tekstinä ei voi näyttää yli miljardin kokoisia lukuja");

// The text an edit holds read as an amount; nothing when it is empty or not a number.
std::optional<long double> parseAmount(const QString& text);

// The converted amount in general number form (15 significant digits).
QString convert(long double amount, long double multiplier);

// The words shown for an amount: the value to four decimals (half to even)
// in words, or the limit text above 999 999 999.
QString wordsFor(long double value, const TMoneyString& words);

// The two word sets of the calculator: markkaa and penniä, euroa and senttiä.
void setMarkkaWords(TMoneyString& words);
void setEuroWords(TMoneyString& words);

} // namespace arkivo::calculators::euro
