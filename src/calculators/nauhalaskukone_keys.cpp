// The tape calculator's keyboard and keypad: every key reaches the engine
// through FormKeyPress; the few window keys are handled first in FormKeyDown.
#include "nauhalaskukone.h"

#include "calculators/keypad_button.h"
#include "calculators/tape_controls.h"
#include "calculators/tape_view.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"
#include "settings/app_link.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace arkivo::calculators;
namespace platform = arkivo::platform;

QString TNauhalaskukone::displayShown() const {
    return Kuvaruutu->text();
}

void TNauhalaskukone::TulostaClick(KeypadButton* button) {
    FormKeyPress(button->tag());
}

void TNauhalaskukone::FormKeyPress(int code) {
    const TapeEngine::Outcome out = m_engine.press(code);
    addTapeLines(out.lines);
    switch (out.request) {
    case TapeEngine::Request::Close:
        close();
        break;
    case TapeEngine::Request::Print:
        Paivays2Click();
        break;
    case TapeEngine::Request::DecimalsEditor:
        toggleDecimalsEditor();
        break;
    case TapeEngine::Request::None:
        break;
    }
    refreshDisplay();
    // No control keeps the keyboard: the next key comes to the window again.
    if (m_keyPreview && !m_decimalsEditorOpen && isVisible())
        setFocus(Qt::OtherFocusReason);
}

void TNauhalaskukone::refreshDisplay() {
    Kuvaruutu->setText(m_engine.display());
    Nappi_MYhteensa->setEnabled(m_engine.memoryKeysEnabled());
    Nappi_MTyhjenna->setEnabled(m_engine.memoryKeysEnabled());
}

void TNauhalaskukone::addTapeLines(const QStringList& lines) {
    Nauha->addLines(lines);
}

void TNauhalaskukone::toggleDecimalsEditor() {
    if (!m_decimalsEditorOpen) {
        Edit1->setText(QString::number(m_engine.decimals()));
        m_decimalsEditorOpen = true;
    } else {
        bool ok = false;
        const int n = Edit1->text().trimmed().toInt(&ok);
        if (!ok) {
            platform::dialogs().message(QStringLiteral("\"%1\" ei ole kelvollinen kokonaisluku.").arg(Edit1->text()),
                                        QStringLiteral("Arkivo-viesti"), platform::Dialogs::Icon::Error);
            return;
        }
        if (n < 0 || n > 14) {
            platform::dialogs().message(QStringLiteral("Desimaalien määrä voi olla 0 - 14."),
                                        QStringLiteral("Arkivo-viesti"), platform::Dialogs::Icon::Error);
            return;
        }
        m_engine.setDecimals(n);
        m_decimalsEditorOpen = false;
    }
    Kuvaruutu->setVisible(!m_decimalsEditorOpen);
    Desimaaliteksti->setVisible(m_decimalsEditorOpen);
    Edit1->setVisible(m_decimalsEditorOpen);
    UpDown1->setVisible(m_decimalsEditorOpen);
    if (m_decimalsEditorOpen)
        Edit1->setFocus(Qt::OtherFocusReason);
}

void TNauhalaskukone::PaivaysClick() {
    addTapeLines(TapeEngine::dateLines(platform::clock().now()));
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
}

void TNauhalaskukone::NauhanNollausClick() {
    Nauha->clear();
    if (!Nauha->isHidden())
        Nauha->addLine(TapeEngine::alignRight(Label1->text()));
    Nauha->addLines({TapeEngine::alignRight(QString()), TapeEngine::starLine()});
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
}

void TNauhalaskukone::addStarLine() {
    Nauha->addLine(TapeEngine::starLine());
}

// The character code a key gives: Enter 13, Backspace 8, Esc 27, Ctrl+letter
// 1..26 (Ctrl+G is 7), others their upper-cased character. -1: not a character.
int TNauhalaskukone::keyCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            return event->key() - Qt::Key_A + 1;
        return -1;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    const char16_t c = text.at(0).toUpper().unicode();
    return c < 256 ? int(c) : -1;
}

// F1 help, Ctrl+V the tape menu, Ctrl+L and Ctrl+K the layouts. True: handled.
bool TNauhalaskukone::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        platform::help().show(QStringLiteral("Nauhalaskin"));
        return true;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_V:
            popUp(PopupMenu4, 10, 10);
            return true;
        case Qt::Key_L:
            setWideLayout();
            return true;
        case Qt::Key_K:
            setNarrowLayout();
            return true;
        default:
            break;
        }
    }
    return false;
}

void TNauhalaskukone::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event))
        return;
    const int code = keyCode(event);
    if (code < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    FormKeyPress(code);
}

bool TNauhalaskukone::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Edit1) {
        // Enter in the decimals edit confirms it, as the Aseta key does.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            FormKeyPress(TapeEngine::kDecimals);
            return true;
        }
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            bool ok = false;
            const int n = Edit1->text().trimmed().toInt(&ok);
            Edit1->setText(QString::number(std::clamp(ok ? n + (key->key() == Qt::Key_Up ? 1 : -1) : 2, 0, 14)));
            return true;
        }
        if (key->key() == Qt::Key_F1)
            return FormKeyDown(key);
        return false;
    }
    // The tape: in calculator mode the window sees every key first.
    if (watched == Nauha && m_keyPreview) {
        if (FormKeyDown(key))
            return true;
        const int code = keyCode(key);
        if (code < 0)
            return false;
        // Ctrl+C, Ctrl+X, Ctrl+Z and Ctrl+A stay the tape's editing keys.
        if ((key->modifiers() & Qt::ControlModifier) &&
            (key->key() == Qt::Key_C || key->key() == Qt::Key_X || key->key() == Qt::Key_Z || key->key() == Qt::Key_A))
            return false;
        FormKeyPress(code);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TNauhalaskukone::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (arkivo::PanelLink* link = arkivo::panelLink())
            link->setHandleGrey();
    }
    return QWidget::event(event);
}

void TNauhalaskukone::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (arkivo::PanelLink* link = arkivo::panelLink())
        Image1->setPixmap(link->backgroundPicture());
    setFocus(Qt::OtherFocusReason);
}
