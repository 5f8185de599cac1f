#include "common/colors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace arkivo::colors {

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role; // NoRole: the classic default only
    QRgb fallback;
};

// Index = the low byte of the system colour constant. The palette gives the
// desktop's own colours; the fallbacks are the classic Windows scheme, used
// when no GUI application runs (tools and tests).
const SystemColour kSystemColours[] = {
    {QPalette::Active, QPalette::Button, 0xD4D0C8},          // clScrollBar
    {QPalette::Active, QPalette::NoRole, 0x3A6EA5},          // clBackground
    {QPalette::Active, QPalette::Highlight, 0x0A246A},       // clActiveCaption
    {QPalette::Active, QPalette::NoRole, 0x808080},          // clInactiveCaption
    {QPalette::Active, QPalette::Button, 0xD4D0C8},          // clMenu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},            // clWindow
    {QPalette::Active, QPalette::Shadow, 0x000000},          // clWindowFrame
    {QPalette::Active, QPalette::ButtonText, 0x000000},      // clMenuText
    {QPalette::Active, QPalette::Text, 0x000000},            // clWindowText
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF}, // clCaptionText
    {QPalette::Active, QPalette::Button, 0xD4D0C8},          // clActiveBorder
    {QPalette::Active, QPalette::Button, 0xD4D0C8},          // clInactiveBorder
    {QPalette::Active, QPalette::Mid, 0x808080},             // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight, 0x0A246A},       // clHighlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF}, // clHighlightText
    {QPalette::Active, QPalette::Button, 0xD4D0C8},          // clBtnFace
    {QPalette::Active, QPalette::Dark, 0x808080},            // clBtnShadow
    {QPalette::Disabled, QPalette::Text, 0x808080},          // clGrayText
    {QPalette::Active, QPalette::ButtonText, 0x000000},      // clBtnText
    {QPalette::Active, QPalette::NoRole, 0xD4D0C8},          // clInactiveCaptionText
    {QPalette::Active, QPalette::Light, 0xFFFFFF},           // clBtnHighlight
    {QPalette::Active, QPalette::Shadow, 0x404040},          // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight, 0xD4D0C8},        // cl3DLight
    {QPalette::Active, QPalette::ToolTipText, 0x000000},     // clInfoText
    {QPalette::Active, QPalette::ToolTipBase, 0xFFFFE1},     // clInfoBk
};

} // namespace

QColor toQColor(qint32 value) {
    const quint32 v = quint32(value);
    if (value == clNone)
        return QColor(Qt::transparent);
    if ((v & 0xFF000000u) == 0x80000000u) {
        const quint32 index = v & 0xFFu;
        if (index >= std::size(kSystemColours))
            return QColor(Qt::black);
        const SystemColour& sc = kSystemColours[index];
        if (sc.role != QPalette::NoRole && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(sc.group, sc.role);
        return QColor(sc.fallback);
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 fromQColor(const QColor& color) {
    if (!color.isValid() || color.alpha() == 0)
        return clNone;
    const QColor c = color.toRgb();
    return qint32(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
}

} // namespace arkivo::colors
