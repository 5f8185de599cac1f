#pragma once

#include <QString>

namespace arkivo::alarms {

// A filter written "Kuvaus (*.a)|*.a|Kaikki (*.*)|*.*" in the form the file
// dialogs take: "Kuvaus (*.a);;Kaikki (*.*)". A description whose own pattern
// list differs from the real one gets the real one appended, so the dialog
// filters on what the pair says.
QString dialogFilter(const QString& pairs);

} // namespace arkivo::alarms
