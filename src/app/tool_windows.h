#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// The windows the control panel opens. The long-lived ones exist for the whole
// run and are only shown; the others are made for each opening. The program's
// start-up fills this in; tests fill it with whatever windows they need.

namespace arkivo::app {

struct ToolWindows {
    QPointer<QWidget> reminder;   // TMuistuttaja
    QPointer<QWidget> alarmClock; // TKello
    QPointer<QWidget> note2;      // TMuistilappub
    QPointer<QWidget> note1;      // TMuistilappua
    QPointer<QWidget> settings;   // TForm3
    QPointer<QWidget> tape;       // TNauhalaskukone
    QPointer<QWidget> alarmPopup; // TPiip
    QPointer<QWidget> calendar;   // TKalenteriAlarm
    QPointer<QWidget> timeCheck;  // TTimeForm
    QPointer<QWidget> locker;     // TLukitsin

    // Made anew for each opening: every euro and fuel calculator is a window
    // of its own; backup and Tetris are modal and freed when closed.
    std::function<QWidget*()> makeEuro;   // TEuroForm
    std::function<QWidget*()> makeFuel;   // TPolttoaine
    std::function<QWidget*()> makeBackup; // TForm2
    std::function<QWidget*()> makeTetris; // TTetrisPeli1
};

// Shows a long-lived window and brings it to the front; nothing when it is missing.
void showTool(QWidget* window);
// Shows a window made for one opening: freed when it closes; modal or not.
void showOnce(QWidget* window, bool modal);

} // namespace arkivo::app
