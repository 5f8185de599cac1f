#include "app/panel_logic.h"

#include <QtGlobal>

#include <algorithm>

namespace arkivo::app {

HandleState helpAnimationStep(HandleState state) {
    state.left -= kHelpStep;
    state.width += kHelpStep;
    switch (state.left) {
    case 468:
        state.text = QStringLiteral("TERVETULOA! ");
        break;
    case 416:
        state.text = QStringLiteral("ODOTA HETKI...");
        break;
    case 312:
        state.text = QStringLiteral("Suurennan hiirikahvaa, jotta ohje sopii siihen. ");
        break;
    case 156:
        state.text = QStringLiteral("Ohjeessa neuvotaan, miten käyttöpaneelia siirretään näytöllä sopivaan kohtaan. ");
        break;
    default:
        break;
    }
    // A stored place off the 52-pixel steps would pass 0 and grow for ever:
    // end the animation there too.
    if (state.left <= 0) {
        state.left = 0;
        state.width = 591;
        state.text = QStringLiteral("Klikkaa hiirellä tummansinistä aluetta, pidä hiiren painike pohjassa ja siirrä. "
                                    "Näp: Alt + nuolet tai käytä numeronäppäimistöä.   ");
        state.animating = false;
    }
    return state;
}

std::optional<QPoint> keyMove(int qtKey, bool keypad, const QPoint& p) {
    // Arrow keys move by one pixel; some keyboards flag them as keypad keys too.
    switch (qtKey) {
    case Qt::Key_Left:
        return p + QPoint(-1, 0);
    case Qt::Key_Right:
        return p + QPoint(1, 0);
    case Qt::Key_Up:
        return p + QPoint(0, -1);
    case Qt::Key_Down:
        return p + QPoint(0, 1);
    default:
        break;
    }
    if (!keypad)
        return std::nullopt;
    switch (qtKey) {
    case Qt::Key_7:
        return p + QPoint(-10, -10);
    case Qt::Key_9:
        return p + QPoint(10, -10);
    case Qt::Key_1:
        return p + QPoint(-10, 10);
    case Qt::Key_3:
        return p + QPoint(10, 10);
    case Qt::Key_8:
        return p + QPoint(0, -10);
    case Qt::Key_2:
        return p + QPoint(0, 10);
    case Qt::Key_4:
        return p + QPoint(-10, 0);
    case Qt::Key_6:
        return p + QPoint(10, 0);
    case Qt::Key_5:
        return QPoint(0, 0);
    default:
        return std::nullopt;
    }
}

std::optional<int> volumeKey(QChar ch, int position) {
    int next;
    switch (ch.unicode()) {
    case u'*':
        next = 0;
        break;
    case u'+':
        next = position - 10;
        break;
    case u'-':
        next = position + 10;
        break;
    case u'0':
        next = 1000;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp(next, 0, 1000);
}

} // namespace arkivo::app
