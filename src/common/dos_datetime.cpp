#include "common/dos_datetime.h"

namespace arkivo {

// A DOS date-time covers 1.1.1980 0:00:00 .. 31.12.2107 23:59:58 in steps of
// two seconds; a moment outside is clamped to the nearer end, so an archive
// entry never gets a wrapped-around date.
quint32 toDosDateTime(const QDateTime& dt) {
    if (!dt.isValid())
        return (0u << 25) | (1u << 21) | (1u << 16);
    QDate date = dt.date();
    QTime time = dt.time();
    if (date.year() < 1980) {
        date = QDate(1980, 1, 1);
        time = QTime(0, 0);
    } else if (date.year() > 2107) {
        date = QDate(2107, 12, 31);
        time = QTime(23, 59, 58);
    }
    const quint32 high = (quint32(date.year() - 1980) << 9) | (quint32(date.month()) << 5) | quint32(date.day());
    const quint32 low = (quint32(time.hour()) << 11) | (quint32(time.minute()) << 5) | quint32(time.second() / 2);
    return (high << 16) | low;
}

QDateTime fromDosDateTime(quint32 packed) {
    const quint32 high = packed >> 16;
    const quint32 low = packed & 0xFFFF;
    const QDate date(int(high >> 9) + 1980, int((high >> 5) & 0x0F), int(high & 0x1F));
    const int hour = int(low >> 11), minute = int((low >> 5) & 0x3F), second = int(low & 0x1F) * 2;
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
        return {};
    return QDateTime(date, QTime(hour, minute, second));
}

} // namespace arkivo
