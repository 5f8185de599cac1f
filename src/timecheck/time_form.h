#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QDateTimeEdit;
class QPlainTextEdit;

namespace arkivo::controls {
class KamButton;
class Timer;
class Edit;
}
namespace arkivo::settings {
class FormStorage;
}

namespace arkivo::timecheck {
class ClickPanel;
class ColourButton;
class ColourGroup;
class ColourRadio;
class StatusLine;
class TimeCheck;
} // namespace arkivo::timecheck

// The internet time check: asks a TIME server (RFC 868) for the time, sets
// the system clock to it and logs the local time stamps and the correction.
// It can close itself 2 or 6 seconds after the connection. Created hidden at
// start; closing only hides it.
class TTimeForm : public QWidget {
    Q_OBJECT
public:
    explicit TTimeForm(QWidget* parent = nullptr);
    ~TTimeForm() override;

    // The registry key of the window's stored values.
    static const QString kKey;
    // The control panel's mark that asks for a check as soon as the window shows.
    static const QString kCheckNowMark;
    // The time servers offered in `Palvelin`, the first one chosen.
    static const QStringList kDefaultServers;

    arkivo::timecheck::TimeCheck& timeCheck() { return *TimeSocket; }

    // Handlers, named after their controls and events.
    void FormCreate();
    void Button1Click();
    void KamButton2Click();
    void PalvelinChange(const QString& text);
    void AutoEiClick();
    void Auto2sekClick();
    void Auto6sekClick();
    void Timer1Timer();
    void StatusBarClick();
    void StatusBarDblClick();
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void saveAutoClose();
    void appendLog(const QString& line);
    void setLogActive(bool active);
    void takeStamps();
    void setToyColours(const QColor& face, const QColor& font);

    QPlainTextEdit* TimeData = nullptr;
    arkivo::timecheck::StatusLine* StatusBar = nullptr;
    arkivo::timecheck::ClickPanel* ProPanel1 = nullptr;
    arkivo::timecheck::ColourGroup* GroupBox1 = nullptr;
    arkivo::timecheck::ColourGroup* GroupBox2 = nullptr;
    QComboBox* Palvelin = nullptr;
    arkivo::timecheck::ColourRadio* AutoEi = nullptr;
    arkivo::timecheck::ColourRadio* Auto2sek = nullptr;
    arkivo::timecheck::ColourRadio* Auto6sek = nullptr;
    arkivo::controls::KamButton* Button1 = nullptr;
    arkivo::controls::KamButton* KamButton2 = nullptr;
    arkivo::timecheck::ColourButton* SpeedButton1 = nullptr;
    QAction* Ohje1 = nullptr;
    arkivo::controls::Timer* Timer1 = nullptr;
    QDateTimeEdit* DateTimePicker1 = nullptr;
    QDateTimeEdit* DateTimePicker2 = nullptr;
    QDateTimeEdit* DateTimePicker3 = nullptr;
    arkivo::controls::Edit* Edit1 = nullptr;
    arkivo::timecheck::TimeCheck* TimeSocket = nullptr;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
};
