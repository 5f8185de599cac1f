#include "alarms/chime.h"

namespace arkivo::alarms {

QString chimeText(const QTime& time) {
    return QString::number(time.minute()) + QString::number(time.second());
}

} // namespace arkivo::alarms
