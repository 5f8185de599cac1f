#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QTabWidget;
class QTextEdit;

namespace arkivo::controls {
class CalculatorDropDownEdit;
class DateDropDownEdit;
class DotMatrixDisplay;
class KamButton;
class SpeedButton;
class Timer;
} // namespace arkivo::controls

namespace arkivo::settings {
class FormStorage;
}

namespace arkivo::alarms {
class AlarmPage;
class FileDialogState;
class FontDialogState;
class ThreeStepAlarm;
} // namespace arkivo::alarms

// A sticky note: a rich-text note, its own three-step alarm and a colour
// page. The two notes are one implementation in two configurations; closing
// only hides them.
class Muistilappu : public QWidget {
    Q_OBJECT
public:
    enum class Which { First, Second };
    Muistilappu(Which which, QWidget* parent);

    Which which() const { return m_which; }
    bool outOfService() const { return m_outOfService; }

    QTextEdit* editor() const { return RichEdit1; }
    QTabWidget* tabs() const { return PageControl1; }
    arkivo::alarms::ThreeStepAlarm* alarm() const { return m_alarm; }
    arkivo::alarms::AlarmPage* alarmPage() const { return m_alarmPage; }
    QMenu* fontMenu() const { return m_fontMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    arkivo::controls::KamButton* colorButton(int n) const { return m_colorButtons.value(n - 1); } // KamButton1..9

    // The header strip's buttons.
    void OpenClick();
    void SaveClick();
    void PrintClick();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void build();
    void buildHeader();
    void buildAlarmTab();
    void buildColorTab();
    void buildMenus();
    void attachStorage();
    void startUp();
    void takeOutOfService();

    Which m_which;
    bool m_outOfService = false;
    QWidget* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    arkivo::controls::SpeedButton* m_openButton = nullptr;
    arkivo::controls::SpeedButton* m_saveButton = nullptr;
    arkivo::controls::SpeedButton* m_printButton = nullptr;
    arkivo::controls::SpeedButton* m_fontButton = nullptr;
    arkivo::controls::SpeedButton* m_helpButton = nullptr;
    arkivo::controls::DateDropDownEdit* DateEdit1 = nullptr;
    arkivo::controls::CalculatorDropDownEdit* RxCalcEdit1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QWidget* ProPanel1 = nullptr;
    QWidget* ProPanel2 = nullptr;
    arkivo::controls::DotMatrixDisplay* LCDLabel1 = nullptr;
    QWidget* m_colorHeading = nullptr;
    QList<arkivo::controls::KamButton*> m_colorButtons;
    arkivo::controls::Timer* m_clockTimer = nullptr;
    arkivo::alarms::ThreeStepAlarm* m_alarm = nullptr;
    arkivo::alarms::AlarmPage* m_alarmPage = nullptr;
    arkivo::alarms::FileDialogState* OpenDialog1 = nullptr;
    arkivo::alarms::FileDialogState* SaveDialog1 = nullptr;
    arkivo::alarms::FontDialogState* FontDialog1 = nullptr;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    QMenu* m_fontMenu = nullptr;
    QMenu* m_editMenu = nullptr;
};

class TMuistilappua : public Muistilappu {
    Q_OBJECT
public:
    explicit TMuistilappua(QWidget* parent = nullptr) : Muistilappu(Which::First, parent) {}
};

class TMuistilappub : public Muistilappu {
    Q_OBJECT
public:
    explicit TMuistilappub(QWidget* parent = nullptr) : Muistilappu(Which::Second, parent) {}
};
