#include "euro_engine.h"

#include "common/finnish_format.h"

#include <cmath>

namespace arkivo::calculators::euro {

namespace {

void setFinnishNumbers(TMoneyString& w) {
    const QStringList ones{"yksi", "kaksi", "kolme", "neljä", "viisi", "kuusi", "seitsemän", "kahdeksan", "yhdeksän"};
    w.setMaleOne(ones);
    w.setFemaleOne(ones);
    w.setTen({"kymmenen", "kaksikymmentä", "kolmekymmentä", "neljäkymmentä", "viisikymmentä", "kuusikymmentä",
              "seitsemänkymmentä", "kahdeksankymmentä", "yhdeksänkymmentä"});
    w.setFirstTen({"yksitoista", "kaksitoista", "kolmetoista", "neljätoista", "viisitoista", "kuusitoista",
                   "seitsemäntoista", "kahdeksantoista", "yhdeksäntoista"});
    w.setHundred({"sata", "kaksisataa", "kolmesataa", "neljäsataa", "viisisataa", "kuusisataa", "seitsemänsataa",
                  "kahdeksansataa", "yhdeksänsataa"});
    w.setThousand({"tuhatta", "tuhatta", "tuhatta"});
    w.setMillion({"miljoonaa", "miljoonaa", "miljoonaa"});
    // Both units are partitive in every form ("yksi markkaa" as the calculator has always written it).
    w.setMaleCurrency(true);
    w.setMaleCurrencySub(false);
}

} // namespace

void setMarkkaWords(TMoneyString& words) {
    setFinnishNumbers(words);
    words.setCurrency({"markkaa", "markkaa", "markkaa"});
    words.setCurrencySub({"penniä", "penniä", "penniä"});
}

void setEuroWords(TMoneyString& words) {
    setFinnishNumbers(words);
    words.setCurrency({"euroa", "euroa", "euroa"});
    words.setCurrencySub({"senttiä", "senttiä", "senttiä"});
}

std::optional<long double> parseAmount(const QString& text) {
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const auto value = fi::parseNumber(text.trimmed());
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString convert(long double amount, long double multiplier) {
    return fi::formatGeneral(amount * multiplier, 15);
}

QString wordsFor(long double value, const TMoneyString& words) {
    if (value > kWordsLimit)
        return kTooLargeText;
    return words.toWords(qint64(std::nearbyintl(value * TMoneyString::kScale)));
}

} // namespace arkivo::calculators::euro
