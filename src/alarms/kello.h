#pragma once

#include <QWidget>

class QLabel;
class QMenu;

namespace arkivo::controls {
class BevelPanel;
class DotMatrixDisplay;
class SpeedButton;
class Timer;
} // namespace arkivo::controls

namespace arkivo::settings {
class FormStorage;
}

namespace arkivo::alarms {
class AjastinPage;
class AlarmPage;
class ThreeStepAlarm;
} // namespace arkivo::alarms

// The alarm clock "Herätyskello" with its countdown page "Ajastin". It owns
// the alarm pop-up's repeating tune (`Timer1`) and the hourly chime
// (`TimerTasaTuntiIso`, `TimerTasaTuntiPieni`), which keep working while the
// window is hidden. Closing only hides it.
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
    // The clock display's one-second tick.
    arkivo::controls::Timer* Timer3 = nullptr;

    // Switches the chime timers as the control panel's marks say.
    void applyChimeMarks();
    // "&SAMMUTA": the tune stops and the countdown starts again from zero.
    void silence();
    // The mouse over "&SAMMUTA", or the countdown's stop: the tune stops.
    void stopRinging();

    arkivo::alarms::ThreeStepAlarm* alarm() const { return m_alarm; }
    arkivo::alarms::AlarmPage* alarmPage() const { return m_alarmPage; }
    arkivo::alarms::AjastinPage* ajastinPage() const { return m_ajastin; }
    QMenu* colorMenu() const { return m_colorMenu; }
    // The window's background panel, raised on the alarm page, flat on the countdown page.
    arkivo::controls::BevelPanel* backgroundPanel() const { return ProPanel1; }
    QMenu* fontMenu() const { return m_fontMenu; }

    // The timer handlers.
    void Timer1Timer();
    void Timer3Timer();
    void TimerTasaTuntiIsoTimer();
    void TimerTasaTuntiPieniTimer();
    // The toolbar's "A&jastin", and the countdown page's "&Sulje".
    void openAjastin();
    void closeAjastin();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void build();
    void buildMenus();
    void startUp();
    void copyBackground();

    arkivo::controls::BevelPanel* ProPanel1 = nullptr;
    QWidget* m_toolbar = nullptr;
    QLabel* Image1 = nullptr;
    arkivo::controls::SpeedButton* m_colorButton = nullptr;
    arkivo::controls::SpeedButton* m_fontButton = nullptr;
    arkivo::controls::SpeedButton* m_ajastinButton = nullptr;
    arkivo::controls::SpeedButton* m_helpButton = nullptr;
    QWidget* m_displayFrame = nullptr;
    arkivo::controls::DotMatrixDisplay* LCDLabel1 = nullptr;
    QLabel* m_chimeLabel = nullptr;
    arkivo::alarms::ThreeStepAlarm* m_alarm = nullptr;
    arkivo::alarms::AlarmPage* m_alarmPage = nullptr;
    arkivo::alarms::AjastinPage* m_ajastin = nullptr;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    QMenu* m_colorMenu = nullptr;
    QMenu* m_fontMenu = nullptr;
};
