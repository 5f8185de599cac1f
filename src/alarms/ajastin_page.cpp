#include "alarms/ajastin_page.h"

#include "controls/dot_matrix_display.h"
#include "controls/led_button.h"
#include "controls/screw_panel.h"
#include "controls/speed_button.h"
#include "controls/timer.h"
#include "platform/help.h"
#include "platform/services.h"

#include <QGroupBox>
#include <QTimeEdit>

namespace arkivo::alarms {

AjastinPage::AjastinPage(QWidget* parent) : QWidget(parent), m_countdown([this](bool on) { emit ringingChanged(on); }) {
    setObjectName(QStringLiteral("AjastinPage"));
    const int w = 313;

    auto* top = new controls::ScrewPanel(QStringLiteral("ScrewPanel1"), this);
    top->setGeometry(0, 0, w, 96);
    top->setToolTip(QStringLiteral("Ajastin"));
    LCDLabel2 = new controls::DotMatrixDisplay(QStringLiteral("LCDLabel2"), 7, top);
    LCDLabel2->setDotGrid(7, 9, 4);
    LCDLabel2->setColors(Qt::red, QColor(0x80, 0, 0), Qt::black);
    LCDLabel2->setCaption(QStringLiteral("0:00:00"));
    LCDLabel2->move((w - LCDLabel2->width()) / 2, (96 - LCDLabel2->height()) / 2);

    auto* bottom = new controls::ScrewPanel(QStringLiteral("ScrewPanel2"), this);
    bottom->setGeometry(0, 96, w, 184);
    auto* box = new QGroupBox(QStringLiteral("Hälytyksen asetus"), bottom);
    box->setObjectName(QStringLiteral("GroupBox7"));
    box->setGeometry(16, 14, w - 32, 76);
    TimePicker1 = new QTimeEdit(QTime(0, 1, 0), box);
    TimePicker1->setObjectName(QStringLiteral("TimePicker1"));
    TimePicker1->setDisplayFormat(QStringLiteral("H:mm:ss"));
    TimePicker1->setToolTip(QStringLiteral("Hälytysajan asetus"));
    QFont big = TimePicker1->font();
    big.setPixelSize(24);
    TimePicker1->setFont(big);
    TimePicker1->setGeometry(12, 24, 150, 40);
    connect(TimePicker1, &QTimeEdit::timeChanged, this, [this](const QTime& t) { m_countdown.setDuration(t); });
    auto* help = new controls::SpeedButton(QStringLiteral("AjastinOhjeButton"), QStringLiteral("Ohje F1"), box);
    help->setToolTip(QStringLiteral("Ohje (F1)"));
    help->setGeometry(w - 32 - 100, 30, 86, 28);
    connect(help, &controls::SpeedButton::clicked, this, [] { platform::help().show(QStringLiteral("Ajastin")); });

    struct Led {
        const char* name;
        const char* caption;
        const char* hint;
        void (AjastinPage::*click)();
    };
    const Led leds[4] = {
        {"LEDButton1", "&Käynnistä", "Käynnistä Ajastin (Alt+K)", &AjastinPage::KaynnistaClick},
        {"LEDButton2", "&Pysäytä", "Pysäytä Ajastin ja sammuta hälytysääni (Alt+P)", &AjastinPage::PysaytaClick},
        {"LEDButton3", "&Nollaa", "Nollaa Ajastin (Alt+N)", &AjastinPage::NollaaClick},
        {"LEDButton4", "&Sulje", "Sulje Ajastin-sivu (Alt+S)", &AjastinPage::SuljeClick},
    };
    const int bw = (w - 32 - 3 * 4) / 4;
    for (int i = 0; i < 4; ++i) {
        auto* b =
            new controls::LedButton(QString::fromLatin1(leds[i].name), QString::fromUtf8(leds[i].caption), bottom);
        b->setToolTip(QString::fromUtf8(leds[i].hint));
        b->setGeometry(16 + i * (bw + 4), 104, bw, 44);
        connect(b, &QAbstractButton::clicked, this, leds[i].click);
        m_buttons[i] = b;
    }

    TimerEx1 = new controls::Timer(QStringLiteral("TimerEx1"), 1000, false, this);
    connect(TimerEx1, &QTimer::timeout, this, &AjastinPage::TimerEx1Timer);
    // The display tick runs while the count runs: a stopped count shows the
    // same text every second, so it is written once and the program sleeps.
    KZTimeCounter1 = new controls::Timer(QStringLiteral("KZTimeCounter1"), 1000, false, this);
    connect(KZTimeCounter1, &QTimer::timeout, this, &AjastinPage::CounterTimer);
}

void AjastinPage::followCounter() {
    // Switching on a running timer keeps its count going.
    const bool counting = m_countdown.counter().counting();
    KZTimeCounter1->setEnabled(counting);
    if (!counting)
        CounterTimer();
}

void AjastinPage::lightsOffExcept(int keep) {
    for (int i = 0; i < 4; ++i)
        if (i != keep)
            m_buttons[i]->setLightOn(false);
}

void AjastinPage::KaynnistaClick() {
    TimerEx1->setEnabled(true);
    m_countdown.startPressed();
    followCounter();
    lightsOffExcept(0);
}

void AjastinPage::PysaytaClick() {
    m_countdown.stopPressed();
    followCounter();
    lightsOffExcept(1);
}

void AjastinPage::NollaaClick() {
    m_countdown.resetPressed();
    followCounter();
    lightsOffExcept(2);
}

void AjastinPage::SuljeClick() {
    emit closeRequested();
    lightsOffExcept(3);
    m_countdown.closePressed();
    TimerEx1->setEnabled(false);
}

void AjastinPage::windowClosed() {
    m_countdown.windowClosed();
    TimerEx1->setEnabled(false);
}

void AjastinPage::CounterTimer() {
    m_countdown.displayTick();
    LCDLabel2->setCaption(m_countdown.display());
}

void AjastinPage::TimerEx1Timer() {
    if (m_countdown.comparisonTick())
        followCounter();
}

void AjastinPage::silenced() {
    m_countdown.silenced();
    followCounter();
}

} // namespace arkivo::alarms
