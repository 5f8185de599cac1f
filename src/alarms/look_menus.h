#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// Menu items of the alarm windows that change their look through the colour
// and font dialogs.
namespace arkivo::alarms {

// An item "caption" with the shortcut letter shown beside it; the colour
// dialog, then `apply` with the chosen colour. A dialog that fails to open
// says "Värivalikon avaaminen epäonnistui".
QAction* addColorItem(QMenu* menu, const QString& caption, const QString& shortcutText,
                      std::function<void(const QColor&)> apply);
// An item that runs the font dialog from the first widget's font and gives
// the chosen font to every widget.
QAction* addFontItem(QMenu* menu, const QString& caption, const QString& shortcutText, QList<QWidget*> widgets);

// A widget's background as the window storage keeps it (`Color`).
void setBackground(QWidget* widget, const QColor& color);
void showHelp(const QString& keyword);

} // namespace arkivo::alarms
