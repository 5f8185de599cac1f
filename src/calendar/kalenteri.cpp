#include "calendar/kalenteri.h"

#include "common/finnish_format.h"
#include "common/week_text.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>

using namespace arkivo;

TKalenteriAlarm::TKalenteriAlarm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("KalenteriAlarm"));
    resize(685, 512);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    setWindowTitle(QStringLiteral("Kalenteri"));

    const QString key = QStringLiteral("Software\\Arkivo\\Kalenteri");
    FormStorage1 = new settings::FormStorage(this, key, QStringLiteral("Mitat"), false, {});
    FormStorage2 = new settings::FormStorage(this, key, QStringLiteral("Paikka"), true, {});
    FormStorage1->attach();
    FormStorage2->attach();
}

QString TKalenteriAlarm::titleFor(const QDateTime& now) {
    return fi::formatDateTime(QStringLiteral("\"Kalenteri - Tänään on\" dddd, d. mmmm\"ta\" yyyy  -  "), now) +
           WeekNumberText(now.date());
}

void TKalenteriAlarm::showEvent(QShowEvent* event) {
    setWindowTitle(titleFor(platform::clock().now()));
    QWidget::showEvent(event);
}

bool TKalenteriAlarm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* panel = panelLink())
            panel->setHandleGrey();
    return QWidget::event(event);
}
