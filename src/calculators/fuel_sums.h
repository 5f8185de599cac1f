#pragma once

#include <QString>

// The two sums of the fuel calculator, on the texts of its edits. Results are
// in general number form with 15 significant digits (6,66666666666667).

namespace arkivo::calculators::fuel {

struct Result {
    bool ok = false;
    QString text;  // the result when ok
    QString error; // the Finnish message otherwise
};

// Litres per 100 km from the driven distance and the litres filled.
Result consumption(const QString& km, const QString& litres);
// The fuel cost of a trip: distance, litres per 100 km, price per litre.
Result tripCost(const QString& km, const QString& litresPer100, const QString& pricePerLitre);

} // namespace arkivo::calculators::fuel
