#include "euro_form.h"

#include "calculators/calc_widgets.h"
#include "calculators/euro_engine.h"
#include "calculators/tape_controls.h"
#include "controls/currency_edit.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

using arkivo::controls::CurrencyEdit;
using namespace arkivo::calculators;
namespace platform = arkivo::platform;

TEuroForm::TEuroForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("EuroForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Eurolaskin"));
    setFixedSize(438, 283);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    euro::setMarkkaWords(MSMarkka);
    euro::setEuroWords(MSEuro);
    build();
    showEurosToMarkkaa(false);

    FormStorage1 = new arkivo::settings::FormStorage(
        this, QStringLiteral("Software\\Arkivo\\Laskimet\\Eurolaskin"), QStringLiteral("Paikka"), false,
        {QStringLiteral("edMarkat.Color"), QStringLiteral("edMarkat.HotColor"), QStringLiteral("edVerbal.Color"),
         QStringLiteral("edVerbal.HotColor"), QStringLiteral("Panel1.Color")});
    FormStorage1->setObjectName(QStringLiteral("FormStorage1"));
    FormStorage1->attach();
}

TEuroForm::~TEuroForm() {
    // Saved here, while every control still exists.
    FormStorage1->save();
}

void TEuroForm::build() {
    Panel1 = new FramePanel(QStringLiteral("Panel1"), 438, 283, this);
    Panel1->setColor(QColor(0, 0, 128));
    Panel1->setGeometry(rect());

    SpeedButton2 = new ToolbarButton(QStringLiteral("SpeedButton2"), QStringLiteral("&Värit"),
                                     QStringLiteral("Taustan väri"), Panel1);
    SpeedButton2->setGeometry(21, 6, 60, 24);
    SpeedButton1 =
        new ToolbarButton(QStringLiteral("SpeedButton1"), QStringLiteral("Ohje F1"), QStringLiteral("Ohje"), Panel1);
    SpeedButton1->setGeometry(85, 6, 60, 24);
    for (ToolbarButton* b : {SpeedButton1, SpeedButton2})
        b->setStyleSheet(QStringLiteral("QToolButton { color: white; }"));
    connect(SpeedButton2, &QToolButton::clicked, this, &TEuroForm::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TEuroForm::SpeedButton1Click);

    GroupBoxMarkat = new ColorGroupBox(QStringLiteral("GroupBox1"), QStringLiteral("&Markat "), Qt::white, Panel1);
    GroupBoxMarkat->setGeometry(21, 36, 190, 63);
    GroupBoxEurot = new ColorGroupBox(QStringLiteral("GroupBox2"), QStringLiteral("&Eurot "), Qt::white, Panel1);
    GroupBoxEurot->setGeometry(227, 36, 190, 63);
    for (ColorGroupBox* g : {GroupBoxMarkat, GroupBoxEurot}) {
        QFont f = g->font();
        f.setPixelSize(16);
        g->setFont(f);
    }

    auto makeEdit = [](const char* name, int decimals, ColorGroupBox* group, const QColor& text, const char* hint) {
        auto* edit = new CurrencyEdit(QString::fromUtf8(name), decimals, group);
        edit->setGeometry(10, 22, 170, 32);
        QFont f = edit->font();
        f.setPixelSize(19);
        edit->setFont(f);
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, text);
        edit->setPalette(p);
        edit->setToolTip(QString::fromUtf8(hint));
        return edit;
    };
    const QColor navy(0, 0, 128), maroon(128, 0, 0);
    Markat = makeEdit("Markat", 5, GroupBoxMarkat, navy, "Kirjoita tähän markat");
    Markat1 = makeEdit("Markat1", 2, GroupBoxMarkat, navy, "Kirjoita tähän markat");
    Eurot = makeEdit("Eurot", 2, GroupBoxEurot, maroon, "Kirjoita tähän eurot");
    Eurot1 = makeEdit("Eurot1", 5, GroupBoxEurot, maroon, "Kirjoita tähän eurot");

    connect(Markat, &CurrencyEdit::changed, this, &TEuroForm::MarkatChange);
    connect(Eurot, &CurrencyEdit::changed, this, &TEuroForm::EurotChange);
    connect(Eurot1, &CurrencyEdit::changed, this, &TEuroForm::Eurot1Change);
    connect(Markat1, &CurrencyEdit::changed, this, &TEuroForm::Markat1Change);
    connect(Markat, &CurrencyEdit::clicked, this, &TEuroForm::MarkatClick);
    connect(Eurot1, &CurrencyEdit::clicked, this, &TEuroForm::Eurot1Click);
    connect(Eurot, &CurrencyEdit::clicked, this, &TEuroForm::EurotClick);
    connect(Markat1, &CurrencyEdit::clicked, this, &TEuroForm::Markat1Click);
    // A click on a group's frame puts the keyboard into that group's visible edit.
    connect(GroupBoxMarkat, &ColorGroupBox::frameClicked, this,
            [this] { (Markat->isVisible() ? Markat : Markat1)->setFocus(Qt::MouseFocusReason); });
    connect(GroupBoxEurot, &ColorGroupBox::frameClicked, this,
            [this] { (Eurot1->isVisible() ? Eurot1 : Eurot)->setFocus(Qt::MouseFocusReason); });

    edMarkat = new WordsPanel(QStringLiteral("edMarkat"), QStringLiteral("Markat ja Pennit"), Panel1);
    edMarkat->setGeometry(21, 110, 396, 66);
    edMarkat->setToolTip(QStringLiteral("Tähän tulee markat ja pennit tekstinä"));
    edVerbal = new WordsPanel(QStringLiteral("edVerbal"), QStringLiteral("Eurot ja Sentit"), Panel1);
    edVerbal->setGeometry(21, 192, 396, 66);
    edVerbal->setToolTip(QStringLiteral("Tähän tulee eurot ja sentit tekstinä"));
}

void TEuroForm::showEurosToMarkkaa(bool on) {
    Markat->setVisible(!on);
    Eurot->setVisible(!on);
    Markat1->setVisible(on);
    Eurot1->setVisible(on);
}

void TEuroForm::convert(CurrencyEdit* from, CurrencyEdit* to, long double multiplier) {
    if (from->isBlank())
        return;
    const auto amount = from->amount();
    if (!amount) {
        QApplication::beep();
        return;
    }
    to->setAmountText(euro::convert(*amount, multiplier));
}

void TEuroForm::writeWords(CurrencyEdit* edit, const TMoneyString& words, WordsPanel* panel) {
    // An emptied field keeps the words it had; an unreadable one beeps as well.
    const auto amount = edit->amount();
    if (!amount) {
        if (!edit->isBlank())
            QApplication::beep();
        return;
    }
    panel->setText(euro::wordsFor(*amount, words));
}

void TEuroForm::MarkatChange() {
    if (!Markat->isBlank() && !Markat->amount()) {
        QApplication::beep();
        return;
    }
    convert(Markat, Eurot, euro::kMarkkaToEuro);
    writeWords(Markat, MSMarkka, edMarkat);
}

void TEuroForm::EurotChange() {
    writeWords(Eurot, MSEuro, edVerbal);
}

void TEuroForm::Eurot1Change() {
    if (!Eurot1->isBlank() && !Eurot1->amount()) {
        QApplication::beep();
        return;
    }
    convert(Eurot1, Markat1, euro::kEuroToMarkka);
    writeWords(Eurot1, MSEuro, edVerbal);
}

void TEuroForm::Markat1Change() {
    writeWords(Markat1, MSMarkka, edMarkat);
}

void TEuroForm::MarkatClick() {
    Markat->clearAmount();
    Eurot->clearAmount();
}

void TEuroForm::Eurot1Click() {
    Eurot1->clearAmount();
    Markat1->clearAmount();
}

void TEuroForm::EurotClick() {
    showEurosToMarkkaa(true);
    Eurot1->clearAmount();
    Eurot1->setFocus(Qt::MouseFocusReason);
    Markat1->clearAmount();
}

void TEuroForm::Markat1Click() {
    showEurosToMarkkaa(false);
    Markat->clearAmount();
    Markat->setFocus(Qt::MouseFocusReason);
    Eurot->clearAmount();
}

void TEuroForm::SpeedButton2Click() {
    const auto colour = platform::dialogs().chooseColor(edMarkat->color());
    if (!colour)
        return;
    for (WordsPanel* p : {edMarkat, edVerbal}) {
        p->setColor(*colour);
        p->setHotColor(*colour);
    }
    Panel1->setColor(*colour);
}

void TEuroForm::SpeedButton1Click() {
    platform::help().show(QStringLiteral("Eurolaskin"));
}

void TEuroForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        SpeedButton1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TEuroForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (arkivo::PanelLink* link = arkivo::panelLink())
            link->setHandleGrey();
    }
    return QWidget::event(event);
}
