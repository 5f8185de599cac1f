#include "tetris/tetris_window.h"

#include "controls/dot_matrix_display.h"
#include "controls/state_controls.h"
#include "tetris/ttetris.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

bool TTetrisPeli1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !isActiveOrOwned(widget))
            break;
        return handleKey(widget, static_cast<QKeyEvent*>(event));
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
        if (watched == Memo1->viewport()) {
            ParasNimi->setFocus();
        } else if (event->type() == QEvent::MouseButtonPress &&
                   (watched == Panel2 || (watched->parent() == Panel2 && watched != XButton))) {
            Panel2->hide();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool TTetrisPeli1::isActiveOrOwned(QWidget* widget) const
{
    // Keys of a message box opened over the window are the box's own.
    return widget->window() == this || widget->window() == TETRIS1->previewWindow();
}

bool TTetrisPeli1::handleKey(QWidget* target, QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F1) {
        OhjeClick();
        return true;
    }
    // Alt+letter belongs to the buttons; a name being typed after a record belongs to its edit.
    if (event->modifiers() & Qt::AltModifier)
        return false;
    if (!ParasNimi->isReadOnly() && (target == ParasNimi || ParasNimi->hasFocus()))
        return false;

    const QString text = event->text().toLower();
    if (text == QLatin1String("+")) {
        UusiPeliClick();
        return true;
    }
    // Moves only while a game runs: not before the first game, after its end or during a pause.
    const bool playing = m_state == State::Running;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Shift:
        if (playing)
            TETRIS1->RotateLeft();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!playing)
            return key == Qt::Key_Down; // Space and Enter still press a focused button
        m_score += TETRIS1->Drop();
        return true;
    case Qt::Key_Left:
    case Qt::Key_CapsLock:
        if (playing)
            TETRIS1->MoveLeft();
        return true;
    case Qt::Key_Right:
    case Qt::Key_Control:
        if (playing)
            TETRIS1->MoveRight();
        return true;
    default:
        break;
    }
    if (event->modifiers() & Qt::ControlModifier)
        return false;
    if (text == QLatin1String("4") || text == QLatin1String("v")) {
        if (playing)
            TETRIS1->MoveLeft();
    } else if (text == QLatin1String("6") || text == QLatin1String("n")) {
        if (playing)
            TETRIS1->MoveRight();
    } else if (text == QLatin1String("8")) {
        if (playing)
            TETRIS1->RotateLeft();
    } else if (text == QLatin1String("0") || text == QLatin1String("z")) {
        if (playing)
            TETRIS1->RotateRight();
    } else if (text == QLatin1String("1") || text == QLatin1String("a")) {
        if (playing)
            TETRIS1->Step(); // a step by hand: no points, no end of game
    } else {
        return false;
    }
    return true;
}
