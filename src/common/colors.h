#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the stored $00BBGGRR integers, with the named and system colour
// constants. System colours have the high byte 0x80 and the palette index below.

namespace arkivo::colors {

inline constexpr qint32 clBlack = 0x000000;
inline constexpr qint32 clMaroon = 0x000080;
inline constexpr qint32 clGreen = 0x008000;
inline constexpr qint32 clOlive = 0x008080;
inline constexpr qint32 clNavy = 0x800000;
inline constexpr qint32 clPurple = 0x800080;
inline constexpr qint32 clTeal = 0x808000;
inline constexpr qint32 clGray = 0x808080;
inline constexpr qint32 clSilver = 0xC0C0C0;
inline constexpr qint32 clRed = 0x0000FF;
inline constexpr qint32 clLime = 0x00FF00;
inline constexpr qint32 clYellow = 0x00FFFF;
inline constexpr qint32 clBlue = 0xFF0000;
inline constexpr qint32 clFuchsia = 0xFF00FF;
inline constexpr qint32 clAqua = 0xFFFF00;
inline constexpr qint32 clWhite = 0xFFFFFF;
// No colour (transparent) and the control's default colour.
inline constexpr qint32 clNone = 0x1FFFFFFF;
inline constexpr qint32 clDefault = 0x20000000;

inline constexpr qint32 clScrollBar = qint32(0x80000000);
inline constexpr qint32 clBackground = qint32(0x80000001);
inline constexpr qint32 clActiveCaption = qint32(0x80000002);
inline constexpr qint32 clInactiveCaption = qint32(0x80000003);
inline constexpr qint32 clMenu = qint32(0x80000004);
inline constexpr qint32 clWindow = qint32(0x80000005);
inline constexpr qint32 clWindowFrame = qint32(0x80000006);
inline constexpr qint32 clMenuText = qint32(0x80000007);
inline constexpr qint32 clWindowText = qint32(0x80000008);
inline constexpr qint32 clCaptionText = qint32(0x80000009);
inline constexpr qint32 clActiveBorder = qint32(0x8000000A);
inline constexpr qint32 clInactiveBorder = qint32(0x8000000B);
inline constexpr qint32 clAppWorkSpace = qint32(0x8000000C);
inline constexpr qint32 clHighlight = qint32(0x8000000D);
inline constexpr qint32 clHighlightText = qint32(0x8000000E);
inline constexpr qint32 clBtnFace = qint32(0x8000000F);
inline constexpr qint32 clBtnShadow = qint32(0x80000010);
inline constexpr qint32 clGrayText = qint32(0x80000011);
inline constexpr qint32 clBtnText = qint32(0x80000012);
inline constexpr qint32 clInactiveCaptionText = qint32(0x80000013);
inline constexpr qint32 clBtnHighlight = qint32(0x80000014);
inline constexpr qint32 cl3DDkShadow = qint32(0x80000015);
inline constexpr qint32 cl3DLight = qint32(0x80000016);
inline constexpr qint32 clInfoText = qint32(0x80000017);
inline constexpr qint32 clInfoBk = qint32(0x80000018);

// A stored colour value to a QColor (system colours resolve through the application palette).
QColor toQColor(qint32 value);
// A QColor to its stored $00BBGGRR value.
qint32 fromQColor(const QColor& color);

} // namespace arkivo::colors
