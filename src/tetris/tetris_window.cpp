#include "tetris/tetris_window.h"

#include "controls/dot_matrix_display.h"
#include "controls/screw_panel.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "settings/form_storage.h"
#include "tetris/game_rules.h"
#include "tetris/tetris_labels.h"
#include "tetris/ttetris.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w = 120, const QString& name = QString())
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setGeometry(x, y, w, 18);
    return l;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent, const QRect& place)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

TTetrisPeli1::TTetrisPeli1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TetrisPeli1"));
    resize(544, 460);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildControls();
    buildRightPanel();
    connectControls();

    // The window sees every key before the focused control does.
    qApp->installEventFilter(this);

    m_storage = new arkivo::settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\AV-Tetris"),
                                                  QStringLiteral("Paikka"), true,
                                                  {QStringLiteral("ParasNimi.Text"), QStringLiteral("Pisteet.Caption"),
                                                   QStringLiteral("TrackBar1.Position")});
    m_storage->attach();
    Timer2Timer();
}

TTetrisPeli1::~TTetrisPeli1()
{
    qApp->removeEventFilter(this);
    Timer1->stop();
    Timer2->stop();
}

void TTetrisPeli1::buildControls()
{
    Panel1 = new arkivo::controls::ScrewPanel(QStringLiteral("Panel1"), this);
    Panel1->setGeometry(6, 6, 206, 448);

    TETRIS1 = new TTETRIS(Panel1);
    TETRIS1->setObjectName(QStringLiteral("TETRIS1"));
    TETRIS1->setSquareDimension(20);
    TETRIS1->setNumberOfType(8);
    TETRIS1->setBackgroundColor(0x000000);
    TETRIS1->setShowBorderColor(false); // and so the fill on
    TETRIS1->setShowFillColor(true);
    TETRIS1->setBlocktype(TTETRIS::btNormal);
    TETRIS1->setPreviewSize(30);
    TETRIS1->setPreviewCaption(QStringLiteral("Esikatselu"));
    TETRIS1->setShowNextpiece(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        TETRIS1->SetPreviewPosition(screen->geometry().left(), screen->geometry().top());
    TETRIS1->move(12, 16);

    Timer1 = new arkivo::controls::Timer(QStringLiteral("Timer1"), arkivo::tetris::kFirstIntervalMs, false, this);
    Timer2 = new arkivo::controls::Timer(QStringLiteral("Timer2"), 1000, true, this);
}

void TTetrisPeli1::buildRightPanel()
{
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(218, 6, 320, 448);

    Otsikko = new arkivo::tetris::GradientTitle(QStringLiteral("Otsikko"), QStringLiteral("Arkivo-Tetris"), Panel3);
    Otsikko->setGeometry(8, 6, 304, 40);

    label(QStringLiteral("Palikat:"), Panel3, 8, 54);
    LCP = label(QStringLiteral("0"), Panel3, 130, 54, 60, QStringLiteral("LCP"));
    label(QStringLiteral("Poistetut rivit:"), Panel3, 8, 74);
    LDL = label(QStringLiteral("0"), Panel3, 130, 74, 30, QStringLiteral("LDL"));
    label(QStringLiteral(", yhteensä:"), Panel3, 160, 74, 80);
    LDLT = label(QStringLiteral("0"), Panel3, 240, 74, 60, QStringLiteral("LDLT"));
    label(QStringLiteral("Nykyinen taso:"), Panel3, 8, 94);
    LCL = label(QStringLiteral("0"), Panel3, 130, 94, 60, QStringLiteral("LCL"));

    label(QStringLiteral("Pisteet:"), Panel3, 8, 122, 60);
    LSCO = new arkivo::controls::DotMatrixDisplay(QStringLiteral("LSCO"), 7, Panel3);
    LSCO->setDotGrid(5, 7, 3);
    LSCO->setColors(QColor(0x30, 0x60, 0xFF), QColor(0, 0, 0x58), QColor(0, 0, 0x80));
    LSCO->move(70, 112);
    LSCO->setCaption(QStringLiteral("0"));
    OhjeButton = button(QStringLiteral("OhjeButton"), QStringLiteral("Ohje F1"), Panel3, QRect(248, 112, 64, 30));

    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 150, 304, 118);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("    +  =  Aloita uusi peli\n    Ohjaa palikoita\n    nuolipainikkeilla:\n"
                                       "    <- = Vasemmalle\n    -> = Oikealle\n    Nuoli ylös = Pyöritä \n"
                                       "    Nuoli alas = Pudota "));
    Memo1->viewport()->setMouseTracking(true);
    Memo1->viewport()->installEventFilter(this);

    Panel2 = new QWidget(Panel3);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(8, 150, 304, 118);
    Panel2->setAutoFillBackground(true);
    label(QStringLiteral("Peli alkoi:"), Panel2, 12, 24, 100);
    AlkoiLabel = label(QString(), Panel2, 120, 24, 120, QStringLiteral("AlkoiLabel"));
    label(QStringLiteral("Peli loppui:"), Panel2, 12, 50, 100);
    LoppuiLabel = label(QString(), Panel2, 120, 50, 120, QStringLiteral("LoppuiLabel"));
    label(QStringLiteral("Pelin kesto:"), Panel2, 12, 76, 100);
    KestoLabel = label(QStringLiteral("0:00:00"), Panel2, 120, 76, 120, QStringLiteral("KestoLabel"));
    XButton = button(QStringLiteral("XButton"), QStringLiteral("X"), Panel2, QRect(280, 4, 20, 20));
    for (QObject* child : Panel2->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && w != XButton)
            w->installEventFilter(this);
    Panel2->installEventFilter(this);
    Panel2->hide();

    label(QStringLiteral("Esikatselun koko:"), Panel3, 8, 282, 110);
    TrackBar1 = new arkivo::controls::TrackBar(QStringLiteral("TrackBar1"), 10, 100, Panel3);
    TrackBar1->setOrientation(Qt::Horizontal);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(10);
    TrackBar1->setGeometry(120, 276, 192, 30);
    TrackBar1->setValue(30);
    TrackBar1->setFocusPolicy(Qt::NoFocus);

    GroupBox1 = new QGroupBox(QStringLiteral("Piste-ennätys"), Panel3);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 312, 304, 78);
    ParasNimi = new arkivo::controls::Edit(QStringLiteral("ParasNimi"), GroupBox1);
    ParasNimi->setGeometry(10, 22, 180, 24);
    ParasNimi->setMaxLength(20);
    ParasNimi->setText(QStringLiteral("Ennätyksen tekijä"));
    ParasNimi->setReadOnly(true);
    TallennaButton = button(QStringLiteral("TallennaButton"), QStringLiteral("&Tallenna"), GroupBox1,
                            QRect(200, 20, 94, 28));
    Pisteet = new arkivo::tetris::CaptionLabel(QStringLiteral("Pisteet"), QStringLiteral("000000"), GroupBox1);
    Pisteet->setGeometry(12, 52, 180, 20);

    TaukoButton = button(QStringLiteral("TaukoButton"), QStringLiteral("Ta&uko"), Panel3, QRect(8, 404, 96, 32));
    JatkaButton = button(QStringLiteral("JatkaButton"), QStringLiteral("&Jatka peliä"), Panel3, QRect(8, 404, 96, 32));
    JatkaButton->hide();
    UusiPeliButton =
        button(QStringLiteral("UusiPeliButton"), QStringLiteral("&Aloita uusi peli"), Panel3, QRect(110, 404, 116, 32));
    SuljeButton = button(QStringLiteral("SuljeButton"), QStringLiteral("&Sulje"), Panel3, QRect(232, 404, 80, 32));
}

void TTetrisPeli1::connectControls()
{
    connect(Timer1, &QTimer::timeout, this, &TTetrisPeli1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TTetrisPeli1::Timer2Timer);
    connect(UusiPeliButton, &QPushButton::clicked, this, &TTetrisPeli1::UusiPeliClick);
    connect(TaukoButton, &QPushButton::clicked, this, &TTetrisPeli1::TaukoClick);
    connect(JatkaButton, &QPushButton::clicked, this, &TTetrisPeli1::JatkaClick);
    connect(TallennaButton, &QPushButton::clicked, this, &TTetrisPeli1::TallennaClick);
    connect(OhjeButton, &QPushButton::clicked, this, &TTetrisPeli1::OhjeClick);
    connect(SuljeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(XButton, &QPushButton::clicked, Panel2, &QWidget::hide);
    connect(TrackBar1, &QSlider::valueChanged, this, &TTetrisPeli1::TrackBar1Change);
}

void TTetrisPeli1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TrackBar1Change();
}

void TTetrisPeli1::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Panel3->move(width() - Panel3->width() - 6, Panel3->y());
    Panel1->setGeometry(6, 6, qMax(40, width() - Panel3->width() - 18), qMax(60, height() - 12));
    // The board keeps a margin for the panel's screws: 24 pixels across, 33 down.
    TETRIS1->setGeometry(12, 16, Panel1->width() - 24, Panel1->height() - 33);
}
