#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The pictures the control panel draws for itself: the seven built-in
// backgrounds, the button glyphs, the alarm-indicator bar and the tray hands.

namespace arkivo::app {

// "Kulta" 20x28, "Kromi" 591x28, "Kivi" 591x28, "Puu", "Punainen", "Sininen", "Vihreä" 28x28.
QPixmap backgroundPicture(const QString& name);

enum class Glyph { About, Note1, Note2, AlarmClock, CdOpen, CdClose, Minimise, Close };
QPixmap glyph(Glyph which);

// 9 by 3: dark green with a bright green middle of three pixels.
QPixmap indicatorPicture();

// A white open hand, 16 by 16, shifted by dx pixels; red for the locker's icon.
QPixmap handIcon(int dx, bool red);
// The animated tray icon: centred, one right, centred, one left.
QList<QIcon> wavingHandFrames();

} // namespace arkivo::app
