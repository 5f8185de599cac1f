#include "alarms/kello.h"

#include "controls/timer.h"

namespace {
TKello* g_kello = nullptr;
}

TKello::TKello(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Kello"));
    setWindowTitle(QStringLiteral("Herätyskello"));
    Timer1 = new arkivo::controls::Timer(QStringLiteral("Timer1"), 2000, false, this);
    TimerTasaTuntiIso = new arkivo::controls::Timer(QStringLiteral("TimerTasaTuntiIso"), 1000, false, this);
    TimerTasaTuntiPieni = new arkivo::controls::Timer(QStringLiteral("TimerTasaTuntiPieni"), 1000, false, this);
    g_kello = this;
}

TKello::~TKello()
{
    if (g_kello == this)
        g_kello = nullptr;
}

TKello* TKello::instance()
{
    return g_kello;
}
