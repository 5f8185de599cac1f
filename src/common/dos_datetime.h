#pragma once

#include <QDateTime>
#include <QtGlobal>

// Packed DOS date-times: date in the high word (year-1980 << 9 | month << 5 | day),
// time in the low word (hour << 11 | minute << 5 | second / 2).

namespace arkivo {

quint32 toDosDateTime(const QDateTime& dt);
QDateTime fromDosDateTime(quint32 packed); // invalid for an impossible value

} // namespace arkivo
