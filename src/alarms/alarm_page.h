#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace arkivo::controls {
class KamButton;
}

namespace arkivo::alarms {

class ThreeStepAlarm;

// The look that differs between the alarm clock and the notes.
struct AlarmPageLook {
    QString step3Title = QStringLiteral("VAIHE3:  Hälytyksen kytkeminen");
    QString browseHint;
    QString switchHint;
    QColor background{Qt::black};
    QColor buttonFace{0xC0, 0xC0, 0xC0};
    QColor dateText{Qt::black};
    QColor timeText{Qt::black};
    int pickerPixels = 16;
};

// The three steps on screen: the moment pickers, the three forms with their
// path edits, browse and test buttons, the switch and the info panel over
// it. It shows a ThreeStepAlarm and passes the user's changes to it. The
// children carry the names the window storage keeps them under.
class AlarmPage : public QWidget {
    Q_OBJECT
public:
    AlarmPage(ThreeStepAlarm* alarm, const AlarmPageLook& look, QWidget* parent);

    static constexpr int kHeight = 318;

    // The page's looks its owner window stores: the group fonts and the
    // colours and fonts of the path edits and their buttons.
    static QStringList storedLooks();

    ThreeStepAlarm* alarm() const { return m_alarm; }
    QTimeEdit* timePicker() const { return m_timePicker; }
    QDateEdit* datePicker() const { return m_datePicker; }
    QLineEdit* pathEdit(int form) const { return m_edits.at(form); }
    controls::KamButton* browseButton(int form) const { return m_browse.at(form); }
    controls::KamButton* testButton(int form) const { return m_test.at(form); }
    QCheckBox* switchBox() const { return m_switch; }
    QWidget* infoPanel() const { return m_info; }
    QGroupBox* groupBox(int n) const { return m_boxes.at(n - 1); } // GroupBox1..6

    // The six browse and test buttons, for the colour and font menus.
    QList<controls::KamButton*> formButtons() const;
    QList<QLineEdit*> pathEdits() const { return {m_edits.begin(), m_edits.end()}; }

    // Browse for form 0..2: the form's dialog, then the info panel goes.
    void browse(int form);
    void test(int form);

private:
    void build(const AlarmPageLook& look);
    void bind();
    void showMoment();

    ThreeStepAlarm* m_alarm;
    std::array<QGroupBox*, 6> m_boxes{};
    QTimeEdit* m_timePicker = nullptr;
    QDateEdit* m_datePicker = nullptr;
    std::array<QLineEdit*, 3> m_edits{};
    std::array<controls::KamButton*, 3> m_browse{};
    std::array<controls::KamButton*, 3> m_test{};
    QCheckBox* m_switch = nullptr;
    QWidget* m_info = nullptr;
};

} // namespace arkivo::alarms
