#include "alarms/piip.h"

#include "alarms/kello.h"
#include "controls/blinking_led.h"
#include "controls/kam_button.h"
#include "settings/app_link.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
TPiip* g_piip = nullptr;
}

TPiip::TPiip(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
    setObjectName(QStringLiteral("Piip"));
    setWindowTitle(QStringLiteral("HERÄTYSKELLO"));
    setFixedSize(121, 93);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);

    ProLabel1 = new QLabel(QStringLiteral("HERÄTYSKELLO"), this);
    ProLabel1->setObjectName(QStringLiteral("ProLabel1"));
    ProLabel1->setAlignment(Qt::AlignCenter);
    ProLabel1->setGeometry(4, 6, 113, 18);
    QFont f = ProLabel1->font();
    f.setBold(true);
    ProLabel1->setFont(f);
    QPalette lp = ProLabel1->palette();
    lp.setColor(QPalette::WindowText, Qt::red);
    ProLabel1->setPalette(lp);

    GreenLed = new arkivo::controls::BlinkingLed(QStringLiteral("LED1"), Qt::green, 200, this);
    GreenLed->setGeometry(30, 30, 18, 18);
    RedLed = new arkivo::controls::BlinkingLed(QStringLiteral("LED2"), Qt::red, 300, this);
    RedLed->setGeometry(73, 30, 18, 18);

    SammutaButton = new arkivo::controls::KamButton(QStringLiteral("SammutaButton"), QStringLiteral("&SAMMUTA"), this);
    SammutaButton->setToolTip(QStringLiteral("Sammuta hälytys"));
    SammutaButton->setGeometry(14, 56, 93, 26);
    SammutaButton->setColor(Qt::red);
    SammutaButton->setHotColor(Qt::black);
    SammutaButton->setHotTextColor(Qt::white);
    QFont bf = SammutaButton->font();
    bf.setBold(true);
    SammutaButton->setFont(bf);
    connect(SammutaButton, &QAbstractButton::clicked, this, &TPiip::SammutaButtonClick);
    connect(SammutaButton, &arkivo::controls::KamButton::hovered, this, &TPiip::SammutaButtonMouseEnter);

    g_piip = this;
}

TPiip::~TPiip() {
    if (g_piip == this)
        g_piip = nullptr;
}

TPiip* TPiip::instance() {
    return g_piip;
}

void TPiip::showAlarm(const QString& title, const QColor& color) {
    ProLabel1->setText(title);
    if (color.isValid()) {
        QPalette lp = ProLabel1->palette();
        lp.setColor(QPalette::WindowText, color);
        ProLabel1->setPalette(lp);
    }
    show();
    raise();
}

void TPiip::SammutaButtonClick() {
    close();
    if (TKello* kello = TKello::instance())
        kello->silence();
}

void TPiip::SammutaButtonMouseEnter() {
    if (TKello* kello = TKello::instance())
        kello->stopRinging();
}

void TPiip::paintEvent(QPaintEvent*) {
    // The raised frame.
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(Qt::white));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(Qt::darkGray));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

bool TPiip::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (arkivo::PanelLink* link = arkivo::panelLink())
            link->setHandleGrey();
    return QWidget::event(event);
}
