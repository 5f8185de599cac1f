#include "alarms/kello.h"

#include "alarms/ajastin_page.h"
#include "alarms/alarm_bell.h"
#include "alarms/alarm_page.h"
#include "alarms/three_step_alarm.h"
#include "controls/bevel_panel.h"
#include "controls/dot_matrix_display.h"
#include "controls/speed_button.h"
#include "controls/timer.h"
#include "platform/program_folder.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QLabel>
#include <QScreen>
#include <QShortcut>

namespace {
TKello* g_kello = nullptr;

constexpr int kWidth = 313;
constexpr int kHeight = 421;
} // namespace

using namespace arkivo;

TKello::TKello(QWidget* parent) : QWidget(parent) {
    g_kello = this;
    setObjectName(QStringLiteral("Kello"));
    setWindowTitle(QStringLiteral("Herätyskello"));
    Timer1 = new controls::Timer(QStringLiteral("Timer1"), 2000, false, this);
    TimerTasaTuntiIso = new controls::Timer(QStringLiteral("TimerTasaTuntiIso"), 1000, false, this);
    TimerTasaTuntiPieni = new controls::Timer(QStringLiteral("TimerTasaTuntiPieni"), 1000, false, this);
    // The chime looks for second 0 of minute 0, so no second may be skipped.
    TimerTasaTuntiIso->setOnWholeSeconds(true);
    TimerTasaTuntiPieni->setOnWholeSeconds(true);
    Timer3 = new controls::Timer(QStringLiteral("Timer3"), 1000, false, this);
    connect(Timer1, &QTimer::timeout, this, &TKello::Timer1Timer);
    connect(Timer3, &QTimer::timeout, this, &TKello::Timer3Timer);
    connect(TimerTasaTuntiIso, &QTimer::timeout, this, &TKello::TimerTasaTuntiIsoTimer);
    connect(TimerTasaTuntiPieni, &QTimer::timeout, this, &TKello::TimerTasaTuntiPieniTimer);

    m_alarm = new alarms::ThreeStepAlarm(alarms::AlarmOwner::alarmClock(), alarms::windowHost(), this);
    build();
    buildMenus();

    QStringList stored = {QStringLiteral("AlarmComingUpCheckBox.Font"), QStringLiteral("AlarmDatePicker.Color"),
                          QStringLiteral("AlarmTimePicker.Color"), QStringLiteral("ProPanel1.Color")};
    stored << alarms::AlarmPage::storedLooks();
    stored << QStringLiteral("TimerTasaTuntiIso.Enabled") << QStringLiteral("TimerTasaTuntiPieni.Enabled");
    FormStorage1 = new settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\Kello"), QStringLiteral("Paikka"),
                                             false, stored);
    FormStorage1->attach();

    startUp();
}

TKello::~TKello() {
    if (g_kello == this)
        g_kello = nullptr;
}

TKello* TKello::instance() {
    return g_kello;
}

void TKello::build() {
    resize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setCursor(Qt::OpenHandCursor);
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    ProPanel1 = new controls::BevelPanel(QStringLiteral("ProPanel1"), this);
    ProPanel1->setGeometry(0, 0, kWidth, kHeight);
    ProPanel1->setColor(Qt::black);
    ProPanel1->setPalette(pal);
    ProPanel1->setOuterBevel(controls::BevelPanel::Bevel::Raised);
    ProPanel1->setInnerBevel(controls::BevelPanel::Bevel::None);

    m_toolbar = new QWidget(ProPanel1);
    m_toolbar->setObjectName(QStringLiteral("Toolbar"));
    m_toolbar->setGeometry(0, 0, kWidth, 30);
    Image1 = new QLabel(m_toolbar);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, 30);
    Image1->setScaledContents(true);
    struct ToolButton {
        controls::SpeedButton** button;
        const char* name;
        const char* caption;
        const char* hint;
        int x, w;
        Qt::Key key;
    };
    const ToolButton buttons[] = {
        {&m_colorButton, "VaritButton", "&Värit", "Värit (Alt+V)", 4, 60, Qt::Key_V},
        {&m_fontButton, "FontitButton", "&Fontit", "Fontit (Alt+F)", 66, 60, Qt::Key_F},
        {&m_ajastinButton, "AjastinButton", "A&jastin", "Ajastin (Alt+J)", 128, 66, Qt::Key_J},
        {&m_helpButton, "OhjeButton", "Ohje F1", "Ohjeet (F1)", 240, 66, Qt::Key_unknown},
    };
    for (const ToolButton& b : buttons) {
        auto* button = new controls::SpeedButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption), m_toolbar);
        button->setGeometry(b.x, 3, b.w, 24);
        button->setToolTip(QString::fromUtf8(b.hint));
        QPalette bp = button->palette();
        bp.setColor(QPalette::WindowText, Qt::white);
        bp.setColor(QPalette::ButtonText, Qt::white);
        button->setPalette(bp);
        *b.button = button;
        if (b.key != Qt::Key_unknown) {
            auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | b.key), this);
            connect(shortcut, &QShortcut::activated, button, &controls::SpeedButton::click);
        }
    }

    m_displayFrame = new QWidget(ProPanel1);
    m_displayFrame->setObjectName(QStringLiteral("LCDFrame"));
    m_displayFrame->setAutoFillBackground(true);
    QPalette fp = m_displayFrame->palette();
    fp.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    m_displayFrame->setPalette(fp);
    LCDLabel1 = new controls::DotMatrixDisplay(QStringLiteral("LCDLabel1"), 17, m_displayFrame);
    LCDLabel1->setDotGrid(5, 7, 2);
    LCDLabel1->setColors(Qt::red, QColor(0x80, 0, 0), Qt::black);
    LCDLabel1->setCaption(QStringLiteral("Arkivo - kello"));
    LCDLabel1->setToolTip(QStringLiteral("Kuluva aika"));
    const QSize lcd = LCDLabel1->size();
    m_displayFrame->setGeometry((kWidth - lcd.width() - 8) / 2, 36, lcd.width() + 8, lcd.height() + 8);
    LCDLabel1->move(4, 4);

    m_alarmPage = new alarms::AlarmPage(m_alarm, alarms::AlarmPageLook(), ProPanel1);
    m_alarmPage->move(8, 96);

    m_ajastin = new alarms::AjastinPage(ProPanel1);
    m_ajastin->setGeometry(0, 0, kWidth, 280);
    m_ajastin->hide();
    connect(m_ajastin, &alarms::AjastinPage::ringingChanged, this, [this](bool on) { Timer1->setEnabled(on); });
    connect(m_ajastin, &alarms::AjastinPage::closeRequested, this, &TKello::closeAjastin);

    // The chime's test text lives in a label no one sees.
    m_chimeLabel = new QLabel(this);
    m_chimeLabel->setObjectName(QStringLiteral("TasaTuntiLabel"));
    m_chimeLabel->hide();
}

void TKello::startUp() {
    // A step that fails ends the start-up there; the program goes on.
    try {
        if (!m_alarm->startUpSteps(platform::programFolder()))
            return;
        applyChimeMarks();
        m_alarm->readStoredSwitch();
    } catch (const std::exception&) {
    }
}

void TKello::applyChimeMarks() {
    // The panel's three marks act as one choice, so at most one chime runs.
    PanelLink* link = panelLink();
    if (!link)
        return;
    const bool none = link->markChecked(QStringLiteral("Einimerkki1"));
    const bool big = !none && link->markChecked(QStringLiteral("AlarmIso"));
    const bool small = !none && !big && link->markChecked(QStringLiteral("nimerkkitasatunnein1"));
    TimerTasaTuntiIso->setEnabled(big);
    TimerTasaTuntiPieni->setEnabled(small);
}
