#include "timecheck/time_form.h"

#include "common/colors.h"
#include "controls/kam_button.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "settings/form_storage.h"
#include "timecheck/time_check.h"
#include "timecheck/time_form_widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

using namespace arkivo;
using namespace arkivo::timecheck;

const QString TTimeForm::kKey = QStringLiteral("Software\\Arkivo\\WindowState\\NettiAika");
const QString TTimeForm::kCheckNowMark = QStringLiteral("Tarkistakellointernetist1");
// Public servers that still answer the TIME protocol on TCP port 37.
const QStringList TTimeForm::kDefaultServers = {
    QStringLiteral("time.nist.gov"),
    QStringLiteral("time-a-g.nist.gov"),
    QStringLiteral("time-b-g.nist.gov"),
    QStringLiteral("time-a-wwv.nist.gov"),
};

TTimeForm::TTimeForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TimeForm"));
    setWindowTitle(QStringLiteral("Tarkista Kellonaika Internetistä"));
    setFixedSize(330, 333);
    setAutoFillBackground(true);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, colors::toQColor(colors::clNavy));
    setPalette(navy);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildControls();
    connectHandlers();

    // The place and the looks; the radios and the interval are read directly.
    FormStorage1 = new settings::FormStorage(
        this, kKey, QStringLiteral("Paikka"), true,
        {QStringLiteral("Button1.Color"), QStringLiteral("KamButton2.Color"), QStringLiteral("Auto2sek.Font"),
         QStringLiteral("Auto6sek.Font"), QStringLiteral("AutoEi.Font"), QStringLiteral("Button1.Font"),
         QStringLiteral("GroupBox1.Font"), QStringLiteral("GroupBox2.Font"), QStringLiteral("KamButton2.Enabled"),
         QStringLiteral("SpeedButton1.Font"), QStringLiteral("ProPanel1.Color"), QStringLiteral("KamButton2.Font")});
    FormStorage1->attach();
    FormCreate();
}

TTimeForm::~TTimeForm()
{
    // The storage saves when its marker child goes; remove that first, while
    // every control it reads still exists.
    delete findChild<QWidget*>(QStringLiteral("FormStorageSentinel"), Qt::FindDirectChildrenOnly);
}

void TTimeForm::buildControls()
{
    TimeData = new QPlainTextEdit(this);
    TimeData->setObjectName(QStringLiteral("TimeData"));
    TimeData->setGeometry(0, 0, 330, 113);
    TimeData->setReadOnly(true);
    TimeData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TimeData->setToolTip(QStringLiteral("Näytölle tulee palautetta kellonajan tarkistamisesta"));
    QFont logFont = TimeData->font();
    logFont.setPixelSize(12);
    TimeData->setFont(logFont);
    setLogActive(false);

    ProPanel1 = new ClickPanel(QStringLiteral("ProPanel1"), this);
    ProPanel1->setGeometry(0, 113, 330, 201);
    ProPanel1->setColor(colors::toQColor(colors::clNavy));

    GroupBox1 = new ColourGroup(QStringLiteral("GroupBox1"), QStringLiteral("Aikapalvelimet"), ProPanel1);
    GroupBox1->setGeometry(8, 6, 314, 56);
    GroupBox1->setToolTip(QStringLiteral("Aikapalvelimien osoitteet"));
    Palvelin = new QComboBox(GroupBox1);
    Palvelin->setObjectName(QStringLiteral("Palvelin"));
    Palvelin->setGeometry(10, 22, 294, 24);
    Palvelin->setEditable(true);
    Palvelin->setInsertPolicy(QComboBox::NoInsert);
    Palvelin->addItems(kDefaultServers);
    Palvelin->setCurrentIndex(0);
    Palvelin->setToolTip(QStringLiteral("Vaihda toinen tai kirjoita uusi aikapalvelimen osoite"));

    GroupBox2 = new ColourGroup(QStringLiteral("GroupBox2"), QStringLiteral("Sivun sulkeutuminen"), ProPanel1);
    GroupBox2->setGeometry(8, 68, 314, 50);
    GroupBox2->setToolTip(QStringLiteral("Sivun sulkeutumisen automatisointi"));
    AutoEi = new ColourRadio(QStringLiteral("AutoEi"), QStringLiteral("&Suljen itse"), GroupBox2);
    AutoEi->setGeometry(10, 22, 98, 22);
    AutoEi->setToolTip(QStringLiteral("Sivu suljetaan itse (Alt+S)"));
    Auto2sek = new ColourRadio(QStringLiteral("Auto2sek"), QStringLiteral("&2 sekuntia"), GroupBox2);
    Auto2sek->setGeometry(112, 22, 96, 22);
    Auto2sek->setToolTip(QStringLiteral("Sivu sulkeutuu 2 sekunnin kuluttua kellonajan tarkistuksesta (Alt+2)"));
    Auto6sek = new ColourRadio(QStringLiteral("Auto6sek"), QStringLiteral("&6 sekuntia"), GroupBox2);
    Auto6sek->setGeometry(212, 22, 96, 22);
    Auto6sek->setToolTip(QStringLiteral("Sivu sulkeutuu 6 sekunnin kuluttua kellonajan tarkistuksesta (Alt+6)"));

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new controls::KamButton(QString::fromLatin1(name), QString::fromUtf8(caption), ProPanel1);
        b->setColor(colors::toQColor(colors::clNavy));
        b->setFontColor(Qt::white);
        return b;
    };
    Button1 = button("Button1", "&Hae aika Internetistä");
    Button1->setGeometry(8, 128, 154, 30);
    Button1->setToolTip(QStringLiteral("Hae tarkka aika Internetin aikapalvelimelta (Alt+H)"));
    KamButton2 = button("KamButton2", "&Yhdistä Internettiin ");
    KamButton2->setGeometry(168, 128, 154, 30);
    KamButton2->setToolTip(QStringLiteral("Yhdistä Internettiin (Win NT/2000/XP) (Alt+Y)"));
    SpeedButton1 = new ColourButton(QStringLiteral("SpeedButton1"), QStringLiteral("Ohje  F1"), ProPanel1);
    SpeedButton1->setGeometry(242, 166, 80, 26);
    SpeedButton1->setToolTip(QStringLiteral("Ohjeet (F1)"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);

    Ohje1 = new QAction(QStringLiteral("Ohje "), this);
    Ohje1->setObjectName(QStringLiteral("Ohje1"));
    Ohje1->setShortcut(QKeySequence(Qt::Key_F1));
    Ohje1->setShortcutContext(Qt::WindowShortcut);
    addAction(Ohje1);
    ProPanel1->setContextMenuPolicy(Qt::ActionsContextMenu);
    ProPanel1->addAction(Ohje1);

    StatusBar = new StatusLine(QStringLiteral("StatusBar"), this);
    StatusBar->setGeometry(0, 314, 330, 19);
    StatusBar->setToolTip(QStringLiteral("Klikkaus: Värit vaihtuvat - Tuplaklikkaus: Oletusvärit"));

    Timer1 = new controls::Timer(QStringLiteral("Timer1"), 0, false, this);

    // Scratch holders of the last check, never shown.
    const auto picker = [this](const char* name) {
        auto* edit = new QDateTimeEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setDisplayFormat(QStringLiteral("H:mm:ss"));
        edit->hide();
        return edit;
    };
    DateTimePicker1 = picker("DateTimePicker1");
    DateTimePicker2 = picker("DateTimePicker2");
    DateTimePicker3 = picker("DateTimePicker3");
    Edit1 = new controls::Edit(QStringLiteral("Edit1"), this);
    Edit1->hide();

    TimeSocket = new TimeCheck(this);
    TimeSocket->setObjectName(QStringLiteral("TimeSocket"));
}

void TTimeForm::connectHandlers()
{
    connect(Button1, &controls::KamButton::clicked, this, &TTimeForm::Button1Click);
    connect(KamButton2, &controls::KamButton::clicked, this, &TTimeForm::KamButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TTimeForm::SpeedButton1Click);
    connect(Ohje1, &QAction::triggered, this, &TTimeForm::SpeedButton1Click);
    connect(Palvelin, &QComboBox::editTextChanged, this, &TTimeForm::PalvelinChange);
    connect(AutoEi, &QRadioButton::clicked, this, &TTimeForm::AutoEiClick);
    connect(Auto2sek, &QRadioButton::clicked, this, &TTimeForm::Auto2sekClick);
    connect(Auto6sek, &QRadioButton::clicked, this, &TTimeForm::Auto6sekClick);
    connect(Timer1, &QTimer::timeout, this, &TTimeForm::Timer1Timer);
    connect(StatusBar, &StatusLine::clicked, this, &TTimeForm::StatusBarClick);
    connect(StatusBar, &StatusLine::doubleClicked, this, &TTimeForm::StatusBarDblClick);
    connect(ProPanel1, &ClickPanel::clicked, this, &TTimeForm::StatusBarClick);
    connect(ProPanel1, &ClickPanel::doubleClicked, this, &TTimeForm::StatusBarDblClick);

    connect(TimeSocket, &TimeCheck::statusChanged, this, [this](const QString& text) {
        StatusBar->setText(text);
        StatusBar->repaint();
    });
    connect(TimeSocket, &TimeCheck::logged, this, &TTimeForm::appendLog);
    connect(TimeSocket, &TimeCheck::activeChanged, this, [this](bool active) {
        setLogActive(active);
        if (!active)
            takeStamps();
    });
    connect(TimeSocket, &TimeCheck::sessionConnected, this, [this] {
        // An interval of 0 (nothing stored yet) never closes the window.
        if (!AutoEi->isChecked() && Timer1->interval() > 0)
            Timer1->setEnabled(true);
    });
}
