#include "app/startup.h"

#include "alarms/kello.h"
#include "alarms/muistilappu.h"
#include "alarms/piip.h"
#include "app/control_panel.h"
#include "backup/backup_dialog.h"
#include "calculators/euro_form.h"
#include "calculators/nauhalaskukone.h"
#include "calculators/polttoaine.h"
#include "calendar/kalenteri.h"
#include "calendar/muistuttaja.h"
#include "locker/lukitsin.h"
#include "settings/settings_dialog.h"
#include "tetris/tetris_window.h"
#include "timecheck/time_form.h"

namespace arkivo::app {

Windows& windows() {
    static Windows held;
    return held;
}

void createWindows() {
    Windows& w = windows();
    w.Form1 = new TForm1();
    w.Muistuttaja = new TMuistuttaja();
    w.Kello = new TKello();
    w.Muistilappub = new TMuistilappub();
    w.Muistilappua = new TMuistilappua();
    w.Form3 = new TForm3();
    w.Nauhalaskukone = new TNauhalaskukone();
    w.Piip = new TPiip();
    w.KalenteriAlarm = new TKalenteriAlarm();
    w.TimeForm = new TTimeForm();
    w.Lukitsin = new TLukitsin();

    ToolWindows tools;
    tools.reminder = w.Muistuttaja;
    tools.alarmClock = w.Kello;
    tools.note2 = w.Muistilappub;
    tools.note1 = w.Muistilappua;
    tools.settings = w.Form3;
    tools.tape = w.Nauhalaskukone;
    tools.alarmPopup = w.Piip;
    tools.calendar = w.KalenteriAlarm;
    tools.timeCheck = w.TimeForm;
    tools.locker = w.Lukitsin;
    tools.makeEuro = [] { return new TEuroForm(); };
    tools.makeFuel = [] { return new TPolttoaine(); };
    tools.makeBackup = [] { return new TForm2(); };
    tools.makeTetris = [] { return new TTetrisPeli1(); };
    w.Form1->setTools(tools);
}

void destroyWindows() {
    Windows& w = windows();
    delete w.Lukitsin;
    delete w.TimeForm;
    delete w.KalenteriAlarm;
    delete w.Piip;
    delete w.Nauhalaskukone;
    delete w.Form3;
    delete w.Muistilappua;
    delete w.Muistilappub;
    delete w.Kello;
    delete w.Muistuttaja;
    delete w.Form1;
    w = Windows();
}

} // namespace arkivo::app
