#include "calendar/muistuttaja.h"

#include "controls/control.h"
#include "controls/state_controls.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QEvent>

using namespace arkivo;

TMuistuttaja::TMuistuttaja(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Muistuttaja"));
    setWindowTitle(QStringLiteral("Kalenterin hälytys"));
    setFixedSize(544, 68);
    move(0, 0);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::green);
    setPalette(pal);

    CheckMuistuttaja = new controls::CheckBox(QStringLiteral("CheckMuistuttaja"), QStringLiteral("Muistutus"), this);
    CheckMuistuttaja->setVisible(false);
    Panel2 = new controls::Control(QStringLiteral("Panel2"), this);
    Panel2->setGeometry(0, 0, 544, 68);

    FormStorage1 =
        new settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli"),
                                  QStringLiteral("Koko"), false, {QStringLiteral("CheckMuistuttaja.Checked")});
    FormStorage2 = new settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\WindowState\\Muistuttaja"),
                                             QStringLiteral("Paikka"), true, {QStringLiteral("Panel2.Visible")});
    FormStorage1->attach();
    FormStorage2->attach();
}

bool TMuistuttaja::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* panel = panelLink())
            panel->setHandleGrey();
    return QWidget::event(event);
}
