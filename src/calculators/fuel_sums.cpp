#include "fuel_sums.h"

#include "common/finnish_format.h"

#include <cmath>
#include <optional>

namespace arkivo::calculators::fuel {

namespace {

std::optional<long double> number(const QString& text, QString* error) {
    const auto value = fi::parseNumber(text.trimmed());
    if (!value || !std::isfinite(*value)) {
        if (error->isEmpty())
            *error = QStringLiteral("\"%1\" ei ole kelvollinen luku.").arg(text);
        return std::nullopt;
    }
    return value;
}

Result finish(long double value) {
    if (!std::isfinite(value))
        return {false, {}, QStringLiteral("Tulos on liian suuri näytettäväksi.")};
    return {true, fi::formatGeneral(value, 15), {}};
}

} // namespace

Result consumption(const QString& km, const QString& litres) {
    QString error;
    const auto distance = number(km, &error);
    const auto filled = number(litres, &error);
    if (!distance || !filled)
        return {false, {}, error};
    if (*distance == 0)
        return {false, {}, QStringLiteral("Jako nollalla: ajetun matkan täytyy olla suurempi kuin 0 km.")};
    return finish(*filled * (100.0L / *distance));
}

Result tripCost(const QString& km, const QString& litresPer100, const QString& pricePerLitre) {
    QString error;
    const auto distance = number(km, &error);
    const auto per100 = number(litresPer100, &error);
    const auto price = number(pricePerLitre, &error);
    if (!distance || !per100 || !price)
        return {false, {}, error};
    return finish(((*distance * 0.01L) * *per100) * *price);
}

} // namespace arkivo::calculators::fuel
