#pragma once

#include "alarms/countdown.h"

#include <QWidget>

class QTimeEdit;

namespace arkivo::controls {
class DotMatrixDisplay;
class LedButton;
class Timer;
} // namespace arkivo::controls

namespace arkivo::alarms {

// The countdown page "Ajastin" of the alarm clock: a stopwatch display, the
// duration picker and four LED buttons. Ringing is the alarm clock's; the
// page asks for it through ringingChanged().
class AjastinPage : public QWidget {
    Q_OBJECT
public:
    explicit AjastinPage(QWidget* parent = nullptr);

    Countdown& countdown() { return m_countdown; }
    controls::DotMatrixDisplay* display() const { return LCDLabel2; }
    QTimeEdit* durationPicker() const { return TimePicker1; }
    controls::LedButton* button(int i) const { return m_buttons[i]; } // Käynnistä, Pysäytä, Nollaa, Sulje
    controls::Timer* comparisonTimer() const { return TimerEx1; }
    controls::Timer* counterTimer() const { return KZTimeCounter1; }

    void KaynnistaClick();
    void PysaytaClick();
    void NollaaClick();
    void SuljeClick();
    void TimerEx1Timer();
    void CounterTimer();

    // The alarm clock window closed: the comparison stops, the count goes on.
    void windowClosed();
    // The pop-up's "&SAMMUTA".
    void silenced();

signals:
    void ringingChanged(bool on);
    void closeRequested();

private:
    void lightsOffExcept(int keep);
    void followCounter();

    Countdown m_countdown;
    controls::DotMatrixDisplay* LCDLabel2 = nullptr;
    QTimeEdit* TimePicker1 = nullptr;
    controls::LedButton* m_buttons[4] = {};
    controls::Timer* TimerEx1 = nullptr;
    controls::Timer* KZTimeCounter1 = nullptr;
};

} // namespace arkivo::alarms
