#include "polttoaine.h"

#include "calculators/calc_widgets.h"
#include "calculators/fuel_sums.h"
#include "calculators/keypad_button.h"
#include "calculators/tape_controls.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

using namespace arkivo::calculators;
namespace platform = arkivo::platform;

TPolttoaine::TPolttoaine(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Polttoaine"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Polttoainelaskin"));
    setFixedSize(468, 241);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    build();

    FormStorage1 = new arkivo::settings::FormStorage(
        this, QStringLiteral("Software\\Arkivo\\Laskimet\\Polttoainelaskin"), QStringLiteral("Paikka"), false,
        {QStringLiteral("GroupBox1.Color"), QStringLiteral("GroupBox2.Color"), QStringLiteral("Panel1.Color"),
         QStringLiteral("KamButton1.Color"), QStringLiteral("KamButton4.Color")});
    FormStorage1->setObjectName(QStringLiteral("FormStorage1"));
    FormStorage1->attach();
}

TPolttoaine::~TPolttoaine() {
    // Saved here, while every control still exists.
    FormStorage1->save();
}

void TPolttoaine::build() {
    Panel1 = new FramePanel(QStringLiteral("Panel1"), 468, 241, this);
    Panel1->setColor(QColor(0, 0, 128));
    Panel1->setGeometry(rect());

    SpeedButton2 = new ToolbarButton(QStringLiteral("SpeedButton2"), QStringLiteral("&Värit"),
                                     QStringLiteral("Taustan väri"), Panel1);
    SpeedButton2->setGeometry(8, 6, 60, 24);
    SpeedButton1 =
        new ToolbarButton(QStringLiteral("SpeedButton1"), QStringLiteral("Ohje F1"), QStringLiteral("Ohje"), Panel1);
    SpeedButton1->setGeometry(72, 6, 60, 24);
    for (ToolbarButton* b : {SpeedButton1, SpeedButton2})
        b->setStyleSheet(QStringLiteral("QToolButton { color: white; }"));
    connect(SpeedButton2, &QToolButton::clicked, this, &TPolttoaine::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TPolttoaine::SpeedButton1Click);

    GroupBox1 = new ColorGroupBox(QStringLiteral("GroupBox1"), QStringLiteral("Polttoaineen kulutus l/100 km"), Qt::red,
                                  Panel1);
    GroupBox1->setGeometry(8, 32, 222, 204);
    GroupBox2 = new ColorGroupBox(QStringLiteral("GroupBox2"), QStringLiteral("Polttoaineen kustannukset"),
                                  QColor(166, 202, 240), Panel1);
    GroupBox2->setGeometry(238, 32, 222, 204);

    auto label = [](const QString& text, QWidget* parent, int y) {
        auto* l = new QLabel(text, parent);
        l->setStyleSheet(QStringLiteral("color: white;"));
        l->setGeometry(10, y, 202, 16);
        return l;
    };
    auto edit = [](const char* name, const char* hint, QWidget* parent, int y) {
        auto* e = new QLineEdit(QStringLiteral(" "), parent);
        e->setObjectName(QString::fromUtf8(name));
        e->setToolTip(QString::fromUtf8(hint));
        e->setGeometry(10, y, 202, 21);
        return e;
    };
    auto result = [](const char* name, const char* hint, QWidget* parent, int y) {
        auto* r = new QLabel(parent);
        r->setObjectName(QString::fromUtf8(name));
        r->setToolTip(QString::fromUtf8(hint));
        r->setAutoFillBackground(true);
        r->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette p = r->palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, Qt::black);
        r->setPalette(p);
        r->setGeometry(10, y, 202, 22);
        return r;
    };
    auto laske = [](const char* name, const char* hint, QWidget* parent, int y) {
        auto* b = new KeypadButton(QString::fromUtf8(name), QStringLiteral("&Laske"), 0, parent);
        b->setColor(QColor(0, 0, 128));
        b->setFontColor(QColor(255, 255, 128));
        QFont f = b->font();
        f.setBold(true);
        b->setButtonFont(f);
        b->setToolTip(QString::fromUtf8(hint));
        b->setGeometry(10, y, 202, 22);
        return b;
    };

    label(QStringLiteral("Ajettu matka (km)"), GroupBox1, 18);
    Ajettu = edit("Ajettu", "Ajokilometrit", GroupBox1, 34);
    label(QStringLiteral("Tankattu (litraa)"), GroupBox1, 58);
    Tankattu = edit("Tankattu", "Tankattu polttoainemäärä litroissa", GroupBox1, 74);
    KamButton1 = laske("KamButton1", "Laske polttoaineen kulutus", GroupBox1, 134 + 6);
    label(QStringLiteral("Kulutus litraa/100km"), GroupBox1, 158 + 6);
    Kulutus = result("Kulutus", "Polttoaineen kulutus litraa/100km", GroupBox1, 174 + 6);

    label(QStringLiteral("Ajettava matka (km)"), GroupBox2, 18);
    Ajomatka = edit("Ajomatka", "Ajettava matka kilometreissä", GroupBox2, 34);
    label(QStringLiteral("Kulutus litraa/100km"), GroupBox2, 58);
    Litrat = edit("Litrat", "Polttoaineen kulutus litraa/100km", GroupBox2, 74);
    label(QStringLiteral("Polttoaineen hinta/litra"), GroupBox2, 98);
    Litrahinta = edit("Litrahinta", "Polttoaineen litrahinta huoltoasemalla", GroupBox2, 114);
    KamButton4 = laske("KamButton4", "Laske polttoainekustannukset", GroupBox2, 134 + 6);
    label(QStringLiteral("Kustannukset yht."), GroupBox2, 158 + 6);
    Hinta = result("Hinta", "Polttoaineen kustannukset yhteensä", GroupBox2, 174 + 6);

    connect(KamButton1, &KeypadButton::clicked, this, &TPolttoaine::KamButton2Click);
    connect(KamButton4, &KeypadButton::clicked, this, &TPolttoaine::KamButton4Click);
    setTabOrder(Ajettu, Tankattu);
    setTabOrder(Tankattu, Ajomatka);
    setTabOrder(Ajomatka, Litrat);
    setTabOrder(Litrat, Litrahinta);
}

void TPolttoaine::KamButton2Click() {
    const fuel::Result r = fuel::consumption(Ajettu->text(), Tankattu->text());
    if (r.ok)
        Kulutus->setText(r.text);
    else
        platform::dialogs().message(r.error, QStringLiteral("Arkivo-viesti"), platform::Dialogs::Icon::Error);
}

void TPolttoaine::KamButton4Click() {
    const fuel::Result r = fuel::tripCost(Ajomatka->text(), Litrat->text(), Litrahinta->text());
    if (r.ok)
        Hinta->setText(r.text);
    else
        platform::dialogs().message(r.error, QStringLiteral("Arkivo-viesti"), platform::Dialogs::Icon::Error);
}

void TPolttoaine::SpeedButton2Click() {
    const auto colour = platform::dialogs().chooseColor(GroupBox1->color());
    if (!colour)
        return;
    GroupBox1->setColor(*colour);
    GroupBox2->setColor(*colour);
    Panel1->setColor(*colour);
    KamButton1->setColor(*colour);
    KamButton4->setColor(*colour);
}

void TPolttoaine::SpeedButton1Click() {
    platform::help().show(QStringLiteral("Polttoainelaskin"));
}

void TPolttoaine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        SpeedButton1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TPolttoaine::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (arkivo::PanelLink* link = arkivo::panelLink())
            link->setHandleGrey();
    }
    return QWidget::event(event);
}

void TPolttoaine::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Ajettu->setFocus(Qt::OtherFocusReason);
}
