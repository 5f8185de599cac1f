#include "locker/lukitsin.h"

#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QEvent>

using namespace arkivo;

TLukitsin::TLukitsin(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Lukitsin"));
    setWindowTitle(QStringLiteral("Näytön lukitsin"));
    resize(640, 480);
    FormStorage1 = new settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli"),
                                             QStringLiteral("Lomake"), false, {});
    FormStorage1->attach();
}

bool TLukitsin::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* panel = panelLink())
            panel->setHandleGrey();
    return QWidget::event(event);
}
