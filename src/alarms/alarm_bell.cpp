#include "alarms/alarm_bell.h"

#include "alarms/kello.h"
#include "alarms/piip.h"
#include "controls/timer.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "sound/kaiutin.h"

#include <stdexcept>

namespace arkivo::alarms {

void ringAlarm(const QString& title, const QColor& color) {
    TPiip* piip = TPiip::instance();
    TKello* kello = TKello::instance();
    if (!piip || !kello)
        throw std::runtime_error("Hälytysikkunaa ei ole vielä luotu.");
    piip->showAlarm(title, color);
    kello->Timer1->setEnabled(true);
}

void defaultBeep() {
    try {
        sound::PlayTone(880, 150);
    } catch (const std::exception&) {
        // a beep that cannot sound is no error of its own
    }
}

AlarmHost windowHost() {
    AlarmHost host;
    host.ring = ringAlarm;
    host.beep = defaultBeep;
    host.indicator = [](int image, bool visible) {
        if (PanelLink* link = panelLink())
            link->setAlarmIndicator(image, visible);
    };
    host.error = [](const QString& text) { platform::dialogs().error(text); };
    return host;
}

} // namespace arkivo::alarms
