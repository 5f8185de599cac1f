// Keys and the drag by the mouse handle.

#include "app/control_panel.h"

#include "app/drag_outline.h"
#include "app/panel_layout.h"
#include "controls/bevel_panel.h"
#include "controls/shadow_label.h"
#include "controls/speed_button.h"
#include "controls/state_controls.h"
#include "sound/nuotit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

using namespace arkivo;

void TForm1::panelMoved() {
    resetHandle();
    Panel1->setLeft(app::layout(currentLayout()).handle);
}

bool TForm1::handleAltKey(QKeyEvent* event) {
    const int key = event->key();
    const bool letter =
        (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Adiaeresis || key == Qt::Key_Odiaeresis;
    if (!letter)
        return false;
    const QChar ch(key);
    // Hidden buttons still answer their Alt key; Alt+C and Alt+D answer either way.
    for (controls::SpeedButton* b : findChildren<controls::SpeedButton*>()) {
        if (b->accelerator() == ch) {
            b->click();
            return true;
        }
    }
    return false;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int key = event->key();

    if (key == Qt::Key_F1) {
        showHelp();
        return;
    }
    if (key == Qt::Key_Delete) {
        checkClockNow();
        return;
    }
    const bool keypad = mods & Qt::KeypadModifier;
    if (!(mods & Qt::ControlModifier)) {
        if (auto to = app::keyMove(key, keypad, pos()); to && (keypad || !(mods & Qt::ShiftModifier))) {
            move(*to);
            panelMoved();
            return;
        }
    }
    if (mods & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_E:
            openEuro();
            return;
        case Qt::Key_P:
            openFuel();
            return;
        case Qt::Key_H:
            showAlarmClock();
            return;
        case Qt::Key_1:
            showNote1();
            return;
        case Qt::Key_2:
            showNote2();
            return;
        case Qt::Key_V:
            openBackup();
            return;
        case Qt::Key_T:
            openTetris();
            return;
        case Qt::Key_A:
            showSettings();
            return;
        default:
            break;
        }
    }
    if ((mods & Qt::AltModifier) && handleAltKey(event))
        return;
    if (!event->text().isEmpty() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        if (auto position = app::volumeKey(event->text().front(), TrackBar1->value())) {
            TrackBar1->setValue(*position);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    showPanelMenu(RxPopupMenu2, event->globalPos());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ProLabelLaskurit && event->type() == QEvent::ContextMenu) {
        showPanelMenu(RxPopupMenu4, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (watched != Panel1)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton)
            handlePress(e->globalPosition().toPoint());
        return e->button() == Qt::LeftButton;
    }
    case QEvent::MouseMove:
        handleMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        handleRelease(e->globalPosition().toPoint(), e->button());
        return e->button() == Qt::LeftButton;
    }
    case QEvent::ContextMenu:
        // The handle's right click opens the program menu.
        setHandleGrey();
        showPanelMenu(RxPopupMenu1, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

// The points are screen points: the help animation may move the handle under
// the mouse during a drag, and the bar must move by the mouse's way only.
void TForm1::handlePress(const QPoint& at) {
    setHandleNavy();
    m_pressPoint = at;
    m_currentPoint = at;
    m_dragging = true;
    drawOutline(frameGeometry());
}

void TForm1::handleMove(const QPoint& at) {
    if (!m_dragging)
        return;
    m_currentPoint = at;
    drawOutline(frameGeometry().translated(m_currentPoint - m_pressPoint));
}

void TForm1::handleRelease(const QPoint& at, Qt::MouseButton button) {
    if (button == Qt::LeftButton && m_dragging) {
        eraseOutline();
        move(pos() + (at - m_pressPoint));
        m_dragging = false;
        resetHandle();
        sound::PlayNotationReported(sound::NamedTune(QStringLiteral("Hiiri")));
    }
    Panel1->setLeft(app::layout(currentLayout()).handle);
}

void TForm1::drawOutline(const QRect& rect) {
    if (!m_outlineBand)
        m_outlineBand = new DragOutline;
    m_outline = rect;
    m_outlineBand->showAt(rect);
}

void TForm1::eraseOutline() {
    if (m_outlineBand) {
        m_outlineBand->hide();
        delete m_outlineBand;
        m_outlineBand = nullptr;
    }
    m_outline = QRect();
}
