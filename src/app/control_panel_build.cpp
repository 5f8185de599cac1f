// Construction of the control panel's controls, timers and tray icons.

#include "app/control_panel.h"

#include "app/panel_pictures.h"
#include "controls/bevel_frame.h"
#include "controls/bevel_panel.h"
#include "controls/clock_label.h"
#include "controls/image_box.h"
#include "controls/shadow_label.h"
#include "controls/speed_button.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "controls/tray_icon.h"

using namespace arkivo;
using namespace arkivo::controls;

namespace {

const QString kMenuHint = QStringLiteral("Valikko avautuu hiiren oikean puoleisella näppäimellä!");

SpeedButton* flatButton(QWidget* parent, const QString& name, const QString& caption, QRect place, const QString& hint,
                        app::Glyph g) {
    auto* b = new SpeedButton(name, caption, parent);
    b->setGeometry(place);
    b->setToolTip(hint);
    b->setGlyph(app::glyph(g));
    return b;
}

ShadowLabel* shadowLabel(QWidget* parent, const QString& name, const QString& caption, QRect place, const QString& hint,
                         const QColor& color, ShadowLabel::Style style) {
    auto* l = new ShadowLabel(name, caption, parent);
    l->setGeometry(place);
    l->setToolTip(hint);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    l->setLabelFont(f);
    l->setFontColor(color);
    l->setStyle(style);
    return l;
}

} // namespace

void TForm1::buildControls() {
    Panel2 = new Control(QStringLiteral("Panel2"), this);
    Panel2->setGeometry(0, 0, 591, 28);
    Panel2->setToolTip(kMenuHint);

    // The backgrounds, bottom of the stack: the last one made is drawn on top,
    // so "Kulta" (Image6) goes last and covers "Kromi" (Image1).
    struct Background {
        const char* name;
        const char* picture;
        bool visible;
    };
    const Background backgrounds[] = {
        {"Image1", "Kromi", true},     {"Image7", "Kivi", false},     {"Image8", "Puu", false},
        {"Image9", "Punainen", false}, {"Image10", "Sininen", false}, {"Image11", "Vihreä", false},
        {"Image2", "", false},         {"Image6", "Kulta", true},
    };
    for (const Background& b : backgrounds) {
        auto* image = new ImageBox(QString::fromLatin1(b.name), Panel2);
        image->setGeometry(0, 0, 591, 28);
        image->setStretch(true);
        image->setPicture(app::backgroundPicture(QString::fromUtf8(b.picture)));
        image->setVisible(b.visible);
        if (image->objectName() == QLatin1String("Image7"))
            image->setToolTip(QStringLiteral("Ohje F1"));
        else if (image->objectName() != QLatin1String("Image2"))
            image->setToolTip(kMenuHint);
        m_backgrounds << image;
    }

    SpeedButton1 = flatButton(Panel2, QStringLiteral("SpeedButton1"), QStringLiteral("&T"), {6, 4, 20, 20},
                              QStringLiteral("VASEN:Tietoja Arkivo-ohjelmasta (Alt+T).  OIKEA:AV-valikko (Alt+V). "
                                             "Ohje F1. "),
                              app::Glyph::About);
    ProLabel1 = shadowLabel(Panel2, QStringLiteral("ProLabel1"), QStringLiteral("&Arkivo"), {28, 2, 90, 24},
                            QStringLiteral("VASEN:Piilota ohjelma ( Alt+H).  OIKEA:AV-valikko (Alt+V). Ohje F1."),
                            Qt::blue, ShadowLabel::Style::Highlight);
    Muistilappu1 =
        flatButton(Panel2, QStringLiteral("Muistilappu1"), QString(), {122, 4, 22, 20},
                   QStringLiteral("VASEN:Muistilappu 1 (Ctrl+1).  OIKEA:AV-valikko (Alt+V)."), app::Glyph::Note1);
    Muistilappu2 =
        flatButton(Panel2, QStringLiteral("Muistilappu2"), QString(), {147, 4, 22, 20},
                   QStringLiteral("VASEN: Muistilappu 2 (Ctrl+2).  OIKEA:AV-valikko (Alt+V)."), app::Glyph::Note2);
    SpeedButton2 =
        flatButton(Panel2, QStringLiteral("SpeedButton2"), QStringLiteral("&E"), {172, 4, 21, 20},
                   QStringLiteral("VASEN:Herätyskello (Ctrl+H).  OIKEA:AV-valikko (Alt+V)."), app::Glyph::AlarmClock);
    ProClockLabel1 = new ClockLabel(QStringLiteral("ProClockLabel1"), QStringLiteral("ddddd  tt"), Panel2);
    ProClockLabel1->setGeometry(197, 4, 143, 20);
    ProClockLabel1->setToolTip(QStringLiteral("VASEN:Tarkistuta Kello ( Alt+A).  OIKEA:AV-valikko (Alt+V). Ohje F1."));
    {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(15);
        f.setBold(true);
        ProClockLabel1->setLabelFont(f);
        ProClockLabel1->setFontColor(QColor(0, 0, 0x80));
        ProClockLabel1->setStyle(ShadowLabel::Style::Recessed);
    }
    ProBorder1 = new BevelFrame(QStringLiteral("ProBorder1"), 2, true, Panel2);
    ProBorder1->setGeometry(196, 4, 143, 20);
    CDonbutton = flatButton(Panel2, QStringLiteral("CDonbutton"), QStringLiteral("&C"), {343, 4, 22, 20},
                            QStringLiteral("VASEN:CD-aseman luukun avaaminen ( Alt+C).  OIKEA:AV-valikko (Alt+V)."),
                            app::Glyph::CdOpen);
    CDoffButton = flatButton(Panel2, QStringLiteral("CDoffButton"), QStringLiteral("&D"), {343, 4, 22, 20},
                             QStringLiteral("VASEN:CD-aseman luukun sulkeminen ( Alt+D).  OIKEA:AV-valikko (Alt+V)."),
                             app::Glyph::CdClose);
    CDoffButton->setVisible(false);
    ProLabelKalenteri =
        shadowLabel(Panel2, QStringLiteral("ProLabelKalenteri"), QStringLiteral("&Kalenteri"), {368, 2, 70, 24},
                    QStringLiteral("VASEN:Kalenteri ( Alt+K).  OIKEA:AV-valikko (Alt+V)."), QColor(0, 0, 0x80),
                    ShadowLabel::Style::Recessed);
    // "Viikko 50" is wider than "&Kalenteri": the label grows to show it whole.
    ProLabelKalenteri->setAutoSize(true);
    ProLabelLaskurit =
        shadowLabel(Panel2, QStringLiteral("ProLabelLaskurit"), QStringLiteral("&Laskimet"), {443, 2, 72, 24},
                    QStringLiteral("VASEN: Nauhalaskin ( Alt+L).  OIKEA:Laskimet-valikko (Alt+Ö)."), QColor(0x80, 0, 0),
                    ShadowLabel::Style::Highlight);
    Pienennys =
        flatButton(Panel2, QStringLiteral("Pienennys"), QStringLiteral("&P"), {551, 4, 17, 20},
                   QStringLiteral("VASEN:Pienennä ohjelma ( Alt+P).  OIKEA:AV-valikko (Alt+V)."), app::Glyph::Minimise);
    SpeedButton3 =
        flatButton(Panel2, QStringLiteral("SpeedButton3"), QStringLiteral("&S"), {570, 4, 17, 20},
                   QStringLiteral("VASEN:Sulje ohjelma ( Alt+S).  OIKEA:AV-valikko (Alt+V)."), app::Glyph::Close);

    const QPixmap bar = app::indicatorPicture();
    const int indicatorLefts[] = {129, 154, 178};
    for (int i = 0; i < 3; ++i) {
        auto* image = new ImageBox(QStringLiteral("Image%1").arg(3 + i), Panel2);
        image->setGeometry(indicatorLefts[i], 24, 105, 105);
        image->setPicture(bar);
        image->setVisible(false);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_indicators << image;
    }

    // The mouse handle is the window's own child, above the backgrounds and labels.
    Panel1 = new BevelPanel(QStringLiteral("Panel1"), this);
    Panel1->setGeometry(520, 4, 29, 20);
    Panel1->setColor(QColor(0, 0, 0x80));
    Panel1->setToolTip(QStringLiteral("VASEN:Hiirikahva, josta siirretään Käyttöpaneelia (Alt+Nuolipainikkeet).  "
                                      "OIKEA:AV-valikko (Alt+Ä)."));
    {
        QPalette p = Panel1->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        Panel1->setPalette(p);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPointSize(8);
        Panel1->setFont(f);
    }
    Panel1->installEventFilter(this);

    // Buttons that are never shown: only their Alt keys count.
    const char* accelerators[][2] = {{"SpeedButton4", "&A"},  {"SpeedButton5", "&H"},  {"SpeedButton6", "&K"},
                                     {"SpeedButton7", "&L"},  {"SpeedButton8", "&V"},  {"SpeedButton9", "&Ä"},
                                     {"SpeedButton10", "&N"}, {"SpeedButton11", "&O"}, {"SpeedButton12", "&Ö"}};
    for (const auto& a : accelerators) {
        auto* b = new SpeedButton(QString::fromLatin1(a[0]), QString::fromUtf8(a[1]), this);
        b->setGeometry(0, 40, 10, 10);
        b->setVisible(false);
        m_accelerators << b;
    }
    m_glyphButtons = {Muistilappu1, Muistilappu2, SpeedButton2, CDonbutton, CDoffButton, Pienennys, SpeedButton3};
}

void TForm1::buildHiddenState() {
    for (int i = 1; i <= 7; ++i) {
        auto* edit = new Edit(QStringLiteral("Edit%1").arg(i), this);
        edit->setGeometry(0, 40, 10, 10);
        edit->setVisible(false);
        m_glyphEdits << edit;
    }
    EditReg = new Edit(QStringLiteral("EditReg"), this);
    EditReg->setGeometry(0, 40, 10, 10);
    EditReg->setVisible(false);
    CheckMuistuttaja = new CheckBox(QStringLiteral("CheckMuistuttaja"), QStringLiteral("Muistutus"), this);
    CheckMuistuttaja->setGeometry(0, 40, 10, 10);
    CheckMuistuttaja->setVisible(false);
    TrackBar1 = new TrackBar(QStringLiteral("TrackBar1"), 0, 1000, this);
    TrackBar1->setGeometry(0, 40, 10, 10);
    TrackBar1->setVisible(false);
}

void TForm1::buildTimers() {
    Timer1 = new Timer(QStringLiteral("Timer1"), app::kHelpFirstTickMs, true, this);
    Timer2 = new Timer(QStringLiteral("Timer2"), 10000, false, this);
    Timer3 = new Timer(QStringLiteral("Timer3"), 10000, false, this);
    Timer4 = new Timer(QStringLiteral("Timer4"), 100, true, this);
    Timer5 = new Timer(QStringLiteral("Timer5"), 4000, false, this);
    Timer6 = new Timer(QStringLiteral("Timer6"), 60000, false, this);
    Timer7 = new Timer(QStringLiteral("Timer7"), 10, true, this);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    connect(Timer5, &QTimer::timeout, this, &TForm1::Timer5Timer);
    connect(Timer6, &QTimer::timeout, this, &TForm1::Timer6Timer);
    connect(Timer7, &QTimer::timeout, this, &TForm1::Timer7Timer);
}

void TForm1::buildTrayIcons() {
    const QString hint = QStringLiteral("VASEN: Tuo esiin.  OIKEA: Valikko (Alt+Ä).");
    RxTrayIcon1 = new TrayIcon(QStringLiteral("RxTrayIcon1"), app::wavingHandFrames(), 500, hint, false, this);
    // The still hand and the locker's red hand are active at first.
    RxTrayIcon3 = new TrayIcon(QStringLiteral("RxTrayIcon3"), {QIcon(app::handIcon(0, false))}, 0, hint, true, this);
    RxTrayIcon2 =
        new TrayIcon(QStringLiteral("RxTrayIcon2"), {QIcon(app::handIcon(0, true))}, 0,
                     QStringLiteral("VASEN: Näyttö lukittuu heti. (Alt+N). OIKEA: Valikko (Alt+O)."), true, this);
    for (TrayIcon* icon : {RxTrayIcon1, RxTrayIcon3}) {
        connect(icon, &TrayIcon::leftClicked, this, &TForm1::showPanel);
        connect(icon, &TrayIcon::rightClicked, this, [this](const QPoint& at) { showPanelMenu(RxPopupMenu1, at); });
    }
    connect(RxTrayIcon2, &TrayIcon::leftClicked, this, [this] { lockNow(true); });
    connect(RxTrayIcon2, &TrayIcon::rightClicked, this, [this](const QPoint& at) { showPanelMenu(RxPopupMenu3, at); });
}

void TForm1::connectControls() {
    connect(SpeedButton1, &SpeedButton::clicked, this, &TForm1::openAbout);
    connect(ProLabel1, &ShadowLabel::clicked, this, &TForm1::hidePanel);
    connect(Muistilappu1, &SpeedButton::clicked, this, &TForm1::showNote1);
    connect(Muistilappu2, &SpeedButton::clicked, this, &TForm1::showNote2);
    connect(SpeedButton2, &SpeedButton::clicked, this, &TForm1::showAlarmClock);
    connect(ProClockLabel1, &ShadowLabel::clicked, this, &TForm1::showTimeCheck);
    connect(ProClockLabel1, &ShadowLabel::doubleClicked, this,
            [this] { runWindowsTool(QStringLiteral("timedate.cpl")); });
    connect(CDonbutton, &SpeedButton::clicked, this, &TForm1::openCdDoor);
    connect(CDoffButton, &SpeedButton::clicked, this, &TForm1::closeCdDoor);
    connect(ProLabelKalenteri, &ShadowLabel::clicked, this, &TForm1::showCalendar);
    connect(ProLabelLaskurit, &ShadowLabel::clicked, this, &TForm1::showTape);
    connect(Pienennys, &SpeedButton::clicked, this, &TForm1::minimiseApplication);
    connect(SpeedButton3, &SpeedButton::clicked, this, &TForm1::closeProgram);
    ProLabelLaskurit->installEventFilter(this);

    auto accel = [this](int i) { return m_accelerators[i]; };
    connect(accel(0), &SpeedButton::clicked, this, &TForm1::showTimeCheck);
    connect(accel(1), &SpeedButton::clicked, this, &TForm1::hidePanel);
    connect(accel(2), &SpeedButton::clicked, this, &TForm1::showCalendar);
    connect(accel(3), &SpeedButton::clicked, this, &TForm1::showTape);
    connect(accel(4), &SpeedButton::clicked, this, [this] { showPanelMenu(RxPopupMenu2, {10, 10}); });
    connect(accel(5), &SpeedButton::clicked, this, [this] {
        setHandleGrey();
        showPanelMenu(RxPopupMenu1, {10, 10});
    });
    connect(accel(6), &SpeedButton::clicked, this, [this] { lockNow(true); });
    connect(accel(7), &SpeedButton::clicked, this, [this] {
        setHandleGrey();
        showPanelMenu(RxPopupMenu3, {10, 10});
    });
    connect(accel(8), &SpeedButton::clicked, this, [this] { showPanelMenu(RxPopupMenu4, pos() + QPoint(300, 20)); });

    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::volumePositionChanged);
    connect(EditReg, &QLineEdit::textChanged, this, &TForm1::EditRegChange);
}
