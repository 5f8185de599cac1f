#include "alarms/look_menus.h"

#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace arkivo::alarms {

namespace {
QString itemText(const QString& caption, const QString& shortcutText) {
    return shortcutText.isEmpty() ? caption : caption + u'\t' + shortcutText;
}
} // namespace

QAction* addColorItem(QMenu* menu, const QString& caption, const QString& shortcutText,
                      std::function<void(const QColor&)> apply) {
    QAction* action = menu->addAction(itemText(caption, shortcutText));
    QObject::connect(action, &QAction::triggered, menu, [apply] {
        try {
            if (const std::optional<QColor> c = platform::dialogs().chooseColor(QColor()))
                apply(*c);
        } catch (const std::exception&) {
            platform::dialogs().message(QStringLiteral("Värivalikon avaaminen epäonnistui"));
        }
    });
    return action;
}

QAction* addFontItem(QMenu* menu, const QString& caption, const QString& shortcutText, QList<QWidget*> widgets) {
    QAction* action = menu->addAction(itemText(caption, shortcutText));
    QObject::connect(action, &QAction::triggered, menu, [widgets] {
        if (widgets.isEmpty())
            return;
        if (const std::optional<QFont> f = platform::dialogs().chooseFont(widgets.first()->font()))
            for (QWidget* w : widgets)
                w->setFont(*f);
    });
    return action;
}

void setBackground(QWidget* widget, const QColor& color) {
    if (widget->metaObject()->indexOfProperty("Color") >= 0) {
        widget->setProperty("Color", color);
        return;
    }
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void showHelp(const QString& keyword) {
    platform::help().show(keyword);
}

} // namespace arkivo::alarms
