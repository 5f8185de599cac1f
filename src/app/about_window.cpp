#include "app/about_window.h"

#include "common/colors.h"
#include "controls/bevel_panel.h"
#include "controls/clock_label.h"
#include "controls/shadow_label.h"
#include "platform/help.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"
#include "sound/nuotit.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegion>
#include <QScreen>

using namespace arkivo;

namespace {

controls::ShadowLabel* text(QWidget* parent, const QString& name, const QString& caption, QRect place, int px) {
    auto* l = new controls::ShadowLabel(name, caption, parent);
    l->setGeometry(place);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(true);
    l->setLabelFont(f);
    l->setFontColor(Qt::white);
    l->setHighlightColor(QColor(0x40, 0x40, 0x40));
    return l;
}

} // namespace

TTietoja::TTietoja(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Tietoja"));
    setWindowTitle(QStringLiteral("Tietoja ohjelmasta"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    // Square, the smaller side, cut into a ring.
    resize(349, 349);
    const int side = qMin(width(), height());
    setFixedSize(side, side);
    const int w = width(), h = height();
    const QRegion outer(0, 0, w, h, QRegion::Ellipse);
    const QRegion inner(w / 3, h / 3, 4 * (w / 6) - w / 3, 4 * (h / 6) - h / 3, QRegion::Ellipse);
    setMask(outer.subtracted(inner));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(w / 2, h / 2));

    Label1 = text(this, QStringLiteral("Label1"), QStringLiteral("Arkivo"), {100, 22, 149, 32}, 24);
    Label2 = text(this, QStringLiteral("Label2"), QStringLiteral("v3.0"), {130, 56, 89, 20}, 14);
    Label3 = text(this, QStringLiteral("Label3"), QStringLiteral("Ajanhallinnan työkalut"), {70, 218, 209, 20}, 12);

    Panel1 = new controls::BevelPanel(QStringLiteral("Panel1"), this);
    Panel1->setGeometry(162, 84, 25, 16);
    Panel1->setColor(QColor(0, 0, 0x80));
    Panel1->setToolTip(QStringLiteral("Hiirikahva, josta ikkunaa siirretään"));
    Panel1->setCursor(Qt::OpenHandCursor);
    Panel1->installEventFilter(this);

    RxClock1 = new controls::ClockLabel(QStringLiteral("RxClock1"), QStringLiteral("tt"), this);
    RxClock1->setGeometry(112, 244, 125, 26);
    {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(18);
        f.setBold(true);
        RxClock1->setLabelFont(f);
    }
    RxClock1->setColor(Qt::black);
    RxClock1->setFontColor(Qt::white);
    RxClock1->setHighlightColor(QColor(0x40, 0x40, 0x40));
    RxClock1->setToolTip(QStringLiteral("Klikkaa: uudet värit. Kaksoisklikkaa: mustavalkoinen."));
    connect(RxClock1, &controls::ShadowLabel::clicked, this, &TTietoja::RxClock1Click);
    connect(RxClock1, &controls::ShadowLabel::doubleClicked, this, &TTietoja::RxClock1DblClick);

    auto* more = new QPushButton(QStringLiteral("&Lisää tietoa"), this);
    more->setObjectName(QStringLiteral("Button1"));
    more->setGeometry(14, 162, 100, 25);
    connect(more, &QPushButton::clicked, this, [] {
        platform::help().show(QStringLiteral("Sisällys"));
        sound::PlaySignal(0);
    });
    auto* history = new QPushButton(QStringLiteral("&Versiohistoria"), this);
    history->setObjectName(QStringLiteral("Button2"));
    history->setGeometry(235, 162, 100, 25);
    connect(history, &QPushButton::clicked, this, [] {
        platform::help().show(QStringLiteral("Versiohistoria"));
        sound::PlaySignal(1);
    });
    auto* close = new QPushButton(QStringLiteral("&Sulje"), this);
    close->setObjectName(QStringLiteral("Button3"));
    close->setGeometry(137, 290, 75, 25);
    connect(close, &QPushButton::clicked, this, [this] {
        sound::PlaySignal(2);
        if (PanelLink* panel = panelLink())
            panel->setHandleNavy();
        this->close();
    });

    auto* storage = new settings::FormStorage(
        this, QStringLiteral("Software\\Arkivo\\WindowState\\Tietoja"), QStringLiteral("Paikka"), true,
        {QStringLiteral("RxClock1.Color"), QStringLiteral("RxClock1.Font"), QStringLiteral("Label1.Font"),
         QStringLiteral("Label2.Font"), QStringLiteral("Label3.Font")});
    storage->attach();
}

void TTietoja::setTextColor(const QColor& color) {
    for (controls::ShadowLabel* l : {Label1, Label2, Label3, static_cast<controls::ShadowLabel*>(RxClock1)})
        l->setFontColor(color);
}

void TTietoja::RxClock1Click() {
    const qint32 value = qint32(QRandomGenerator::global()->bounded(99999));
    RxClock1->setColor(colors::toQColor(value));
    setTextColor(colors::toQColor(value ^ 0xFFFFFF));
}

void TTietoja::RxClock1DblClick() {
    RxClock1->setColor(Qt::black);
    setTextColor(Qt::white);
}

bool TTietoja::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* panel = panelLink())
            panel->setHandleGrey();
    return QWidget::event(event);
}

bool TTietoja::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Panel1)
        return QWidget::eventFilter(watched, event);
    // The same drag as the control panel's handle, without the outline's sound and layout steps.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        m_pressPoint = e->position().toPoint();
        m_dragging = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && m_dragging) {
        auto* e = static_cast<QMouseEvent*>(event);
        move(pos() + e->position().toPoint() - m_pressPoint);
        m_dragging = false;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
