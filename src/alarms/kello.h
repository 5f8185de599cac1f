#pragma once

#include <QWidget>

namespace arkivo::controls {
class Timer;
}

// The alarm clock "Herätyskello" with its countdown page "Ajastin". It owns
// the alarm pop-up's repeating tune (`Timer1`) and the hourly chime
// (`TimerTasaTuntiIso`, `TimerTasaTuntiPieni`), which keep working while the
// window is hidden.
class TKello : public QWidget {
    Q_OBJECT
public:
    explicit TKello(QWidget* parent = nullptr);
    ~TKello() override;

    // The one alarm clock of the run (null before it is created).
    static TKello* instance();

    // The repeating alarm tune: the named tune "Kello" every 2 s.
    arkivo::controls::Timer* Timer1 = nullptr;
    // The hourly chime: the named tune "Tasa", or four default beeps.
    arkivo::controls::Timer* TimerTasaTuntiIso = nullptr;
    arkivo::controls::Timer* TimerTasaTuntiPieni = nullptr;
};
