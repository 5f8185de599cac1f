#include "settings/settings_dialog.h"

#include "settings/app_link.h"
#include "settings/form_storage.h"
#include "sound/nuotit.h"

#include <QGuiApplication>
#include <QScreen>

using namespace arkivo;

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Asetukset"));
    setFixedSize(402, 470);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    FormStorage1 = new settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\WindowState"),
                                             QStringLiteral("Valikot"), true, {});
    FormStorage1->attach();
    sound::loadNamedTunes();
}

bool TForm3::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* panel = panelLink())
            panel->setHandleGrey();
    return QWidget::event(event);
}
