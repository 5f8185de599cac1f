#pragma once

#include "app/panel_logic.h"
#include "app/tool_windows.h"
#include "settings/app_link.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <memory>

class QMenu;
class DragOutline;

namespace arkivo::settings {
class FormStorage;
}

namespace arkivo::controls {
class BevelFrame;
class BevelPanel;
class CheckBox;
class ClockLabel;
class Control;
class Edit;
class ImageBox;
class MarkAction;
class ShadowLabel;
class SpeedButton;
class Timer;
class TrackBar;
class TrayIcon;
} // namespace arkivo::controls

// The control panel: the thin borderless bar that carries the program name,
// the date-and-clock label, the tool buttons and labels, the mouse handle,
// and minimise and close. It also holds, in hidden controls and menu marks,
// the state other windows read at start, and stores it under
// "Software\Arkivo\WindowState\Paneeli", section "Koko".
class TForm1 : public QWidget, public arkivo::PanelLink {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows the panel opens; the start-up sets them once they exist.
    void setTools(const arkivo::app::ToolWindows& tools);
    arkivo::app::ToolWindows& tools() { return m_tools; }

    // PanelLink
    bool markChecked(const QString& name) const override;
    void setMarkChecked(const QString& name, bool on) override;
    void setAlarmIndicator(int image, bool visible) override;
    void setHandleGrey() override;
    void setHandleNavy() override;
    QPixmap backgroundPicture() const override;
    QWidget* panelWindow() const override { return const_cast<TForm1*>(this); }

    arkivo::controls::MarkAction* mark(const QString& name) const;
    // Any named control, menu item or timer of the panel.
    template <class T> T* part(const QString& name) const { return findChild<T*>(name); }

    // Commands (the panel's keys, controls, menus and tray icons run these).
    void showNote1();
    void showNote2();
    void showAlarmClock();
    void showCalendar();
    void showTape();
    void openEuro();
    void openFuel();
    void showTimeCheck();
    void checkClockNow();
    void openBackup();
    void openTetris();
    void openAbout();
    void showSettings();
    void hidePanel();
    void showPanel();
    void minimiseApplication();
    void closeProgram(); // "Suljetaan", then Timer5 closes the panel
    void lockNow(bool restore);
    void showHelp();
    void openCdDoor();
    void closeCdDoor();

    // Layout N (1..10): marks, places, widths and menu items.
    void applyLayout(int number);
    int currentLayout() const;
    // Handle back at its design place, empty and with the help animation stopped.
    void resetHandle();
    void restartHelpAnimation();
    arkivo::app::HandleState handleState() const;
    void setHandleState(const arkivo::app::HandleState& state);

    // Timer handlers, public so the owner's tests can step them.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    void Timer6Timer();
    void Timer7Timer();

    arkivo::settings::FormStorage* storage() const { return m_storage; }
    // The week text the calendar label alternates with.
    QString weekText() const;
    QDate calendarDate() const { return m_calendarDate; }
    bool isDragging() const { return m_dragging; }
    // The drag outline's place on the screen; empty while none shows.
    QRect dragOutline() const { return m_outline; }

signals:
    // Emitted once, after the first show has been painted (start-up figures).
    void firstShown();
    // The panel has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // control_panel_build.cpp
    void buildControls();
    void buildHiddenState();
    void buildTimers();
    void buildTrayIcons();
    void connectControls();
    // control_panel_menus.cpp
    void buildMenus();
    void runWindowsTool(const QString& name);
    // control_panel_storage.cpp
    static QStringList storedProperties();

    void FormShow();
    void FormActivate();
    void panelMoved();
    void handlePress(const QPoint& pos);
    void handleMove(const QPoint& pos);
    void handleRelease(const QPoint& pos, Qt::MouseButton button);
    void drawOutline(const QRect& rect);
    void eraseOutline();
    bool handleAltKey(QKeyEvent* event);
    void volumePositionChanged(int position);
    void startVolumeWatch();
    void EditRegChange();
    void loadGlyphs();
    void showPanelMenu(QMenu* menu, const QPoint& at);

    arkivo::app::ToolWindows m_tools;

    arkivo::controls::Control* Panel2 = nullptr;
    arkivo::controls::SpeedButton* SpeedButton1 = nullptr;
    arkivo::controls::ShadowLabel* ProLabel1 = nullptr;
    arkivo::controls::SpeedButton* Muistilappu1 = nullptr;
    arkivo::controls::SpeedButton* Muistilappu2 = nullptr;
    arkivo::controls::SpeedButton* SpeedButton2 = nullptr;
    arkivo::controls::BevelFrame* ProBorder1 = nullptr;
    arkivo::controls::ClockLabel* ProClockLabel1 = nullptr;
    arkivo::controls::SpeedButton* CDonbutton = nullptr;
    arkivo::controls::SpeedButton* CDoffButton = nullptr;
    arkivo::controls::ShadowLabel* ProLabelKalenteri = nullptr;
    arkivo::controls::ShadowLabel* ProLabelLaskurit = nullptr;
    arkivo::controls::BevelPanel* Panel1 = nullptr;
    arkivo::controls::SpeedButton* Pienennys = nullptr;
    arkivo::controls::SpeedButton* SpeedButton3 = nullptr;
    QList<arkivo::controls::ImageBox*> m_indicators;      // Image3, Image4, Image5
    QList<arkivo::controls::ImageBox*> m_backgrounds;     // Image6, Image1, Image7 .. Image11, Image2
    QList<arkivo::controls::SpeedButton*> m_accelerators; // SpeedButton4 .. SpeedButton12
    QList<arkivo::controls::Edit*> m_glyphEdits;          // Edit1 .. Edit7
    QList<arkivo::controls::SpeedButton*> m_glyphButtons;
    arkivo::controls::Edit* EditReg = nullptr;
    arkivo::controls::CheckBox* CheckMuistuttaja = nullptr;
    arkivo::controls::TrackBar* TrackBar1 = nullptr;
    QDate m_calendarDate; // Calendar1: the day the panel was created

    arkivo::controls::Timer* Timer1 = nullptr;
    arkivo::controls::Timer* Timer2 = nullptr;
    arkivo::controls::Timer* Timer3 = nullptr;
    arkivo::controls::Timer* Timer4 = nullptr;
    arkivo::controls::Timer* Timer5 = nullptr;
    arkivo::controls::Timer* Timer6 = nullptr;
    arkivo::controls::Timer* Timer7 = nullptr;

    arkivo::controls::TrayIcon* RxTrayIcon1 = nullptr;
    arkivo::controls::TrayIcon* RxTrayIcon2 = nullptr;
    arkivo::controls::TrayIcon* RxTrayIcon3 = nullptr;
    QMenu* RxPopupMenu1 = nullptr;
    QMenu* RxPopupMenu2 = nullptr;
    QMenu* RxPopupMenu3 = nullptr;
    QMenu* RxPopupMenu4 = nullptr;
    QHash<QString, arkivo::controls::MarkAction*> m_marks;

    arkivo::settings::FormStorage* m_storage = nullptr;

    // Drag by the mouse handle.
    bool m_dragging = false;
    QPoint m_pressPoint; // screen points
    QPoint m_currentPoint;
    QRect m_outline;
    DragOutline* m_outlineBand = nullptr;

    bool m_firstActivation = true;
    bool m_firstShowSignalled = false;
    bool m_timerSetsVolume = false;
};
