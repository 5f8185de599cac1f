#pragma once

#include "alarms/three_step_alarm.h"

#include <QColor>
#include <QString>

namespace arkivo::alarms {

// Form 3's ringing: shows the alarm pop-up with the title (and colour, when
// valid) and starts the alarm clock's repeating tune. Throws when the pop-up
// or the alarm clock does not exist yet (early in the program's start).
void ringAlarm(const QString& title, const QColor& color);

// The system's default beep: a short tone through the tone unit.
void defaultBeep();

// The host of an alarm that lives in a window: ringAlarm, defaultBeep, the
// control panel's indicators and the standard error box.
AlarmHost windowHost();

} // namespace arkivo::alarms
