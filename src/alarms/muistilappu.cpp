#include "alarms/muistilappu.h"

#include "alarms/alarm_bell.h"
#include "alarms/alarm_page.h"
#include "alarms/look_menus.h"
#include "alarms/note_file.h"
#include "alarms/three_step_alarm.h"
#include "common/finnish_format.h"
#include "controls/calculator_drop_down_edit.h"
#include "controls/date_drop_down_edit.h"
#include "controls/dot_matrix_display.h"
#include "controls/kam_button.h"
#include "controls/speed_button.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "settings/form_storage.h"

#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

using namespace arkivo;

namespace {

constexpr int kWidth = 332;
constexpr int kHeight = 460;
const QColor kNavy(0, 0, 0x80);
const QColor kMaroon(0x80, 0, 0);
const QString kNoteFilter =
    QStringLiteral("rtf-tiedosto (*.rtf)|*.rtf|tekstitiedosto (*.txt)|*.txt|kaikki tiedostot (*.*)|*.*");

} // namespace

Muistilappu::Muistilappu(Which which, QWidget* parent) : QWidget(parent), m_which(which) {
    const bool first = which == Which::First;
    setObjectName(first ? QStringLiteral("Muistilappua") : QStringLiteral("Muistilappub"));
    setWindowTitle(first ? QStringLiteral("Muistilappu 1") : QStringLiteral("Muistilappu 2"));
    m_alarm = new alarms::ThreeStepAlarm(first ? alarms::AlarmOwner::note1() : alarms::AlarmOwner::note2(),
                                         alarms::windowHost(), this);
    OpenDialog1 = new alarms::FileDialogState(QStringLiteral("OpenDialog1"), kNoteFilter, this);
    SaveDialog1 = new alarms::FileDialogState(QStringLiteral("SaveDialog1"), kNoteFilter, this);
    QFont dialogFont(first ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(first ? 13 : 11);
    FontDialog1 = new alarms::FontDialogState(QStringLiteral("FontDialog1"), dialogFont, this);
    m_clockTimer = new controls::Timer(QStringLiteral("Timer3"), 1000, false, this);
    connect(m_clockTimer, &QTimer::timeout, this, [this] {
        LCDLabel1->setCaption(fi::formatDateTime(QStringLiteral("hh:mm:ss dd.mm.yy"), platform::clock().now()));
    });
    build();
    buildMenus();
    attachStorage();
    startUp();
}

void Muistilappu::build() {
    resize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    buildHeader();

    const int headerHeight = Panel2->height();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, headerHeight, kWidth, kHeight - headerHeight);
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);
    if (m_which == Which::First) {
        QFont tabFont(QStringLiteral("Arial"));
        tabFont.setPixelSize(13);
        PageControl1->tabBar()->setFont(tabFont);
    }

    RichEdit1 = new QTextEdit;
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setTabChangesFocus(false);
    RichEdit1->setAcceptRichText(true);
    QFont noteFont(QStringLiteral("Arial"));
    noteFont.setPixelSize(13);
    RichEdit1->setFont(noteFont);
    RichEdit1->document()->setDefaultFont(noteFont);
    // The text keeps 10 pixels from every edge, also after a resize.
    RichEdit1->document()->setDocumentMargin(10);
    RichEdit1->setToolTip(QStringLiteral("Kirjoita tähän lapulle."));
    PageControl1->addTab(RichEdit1,
                         m_which == Which::First ? QStringLiteral("Muistilappu 1") : QStringLiteral("Muistilappu 2"));
    buildAlarmTab();
    buildColorTab();
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0)
            RichEdit1->setFocus();
        else if (index == 1)
            m_alarmPage->timePicker()->setFocus();
        else
            m_colorHeading->setFocus();
    });
}

void Muistilappu::buildHeader() {
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 0, kWidth, m_which == Which::First ? 31 : 28);
    Panel2->setAutoFillBackground(true);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Panel2->rect());
    Image1->setScaledContents(true);
    struct Button {
        controls::SpeedButton** button;
        const char* name;
        const char* caption;
        const char* hint;
        Qt::Key key;
    };
    const Button buttons[] = {
        {&m_openButton, "AButton", "&A", "Avaa (Alt+A)", Qt::Key_A},
        {&m_saveButton, "NButton", "&N", "Tallenna (Alt+N)", Qt::Key_N},
        {&m_printButton, "UButton", "&U", "Tulosta (Alt+U)", Qt::Key_U},
        {&m_fontButton, "FButton", "&F", "Fontti (Alt+F)", Qt::Key_F},
        {&m_helpButton, "OhjeButton", "?", "Ohje F1", Qt::Key_unknown},
    };
    const int y = (Panel2->height() - 24) / 2;
    int x = 3;
    for (const Button& b : buttons) {
        auto* button = new controls::SpeedButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption), Panel2);
        button->setGeometry(x, y, 24, 24);
        button->setToolTip(QString::fromUtf8(b.hint));
        *b.button = button;
        x += 26;
        if (b.key != Qt::Key_unknown) {
            auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | b.key), this);
            connect(shortcut, &QShortcut::activated, button, &controls::SpeedButton::click);
        }
    }
    DateEdit1 = new controls::DateDropDownEdit(QStringLiteral("DateEdit1"), Panel2);
    DateEdit1->setToolTip(QStringLiteral("Kalenteri"));
    DateEdit1->setDate(platform::clock().now().date());
    DateEdit1->setGeometry(x + 4, y, 100, 24);
    RxCalcEdit1 = new controls::CalculatorDropDownEdit(QStringLiteral("RxCalcEdit1"), Panel2);
    RxCalcEdit1->setToolTip(QStringLiteral("Laskukone"));
    RxCalcEdit1->setGeometry(x + 108, y, kWidth - x - 112, 24);
}

void Muistilappu::buildAlarmTab() {
    const bool first = m_which == Which::First;
    const QColor panel = first ? kNavy : kMaroon;
    ProPanel1 = new QWidget;
    ProPanel1->setObjectName(QStringLiteral("ProPanel1"));
    alarms::setBackground(ProPanel1, panel);
    ProPanel2 = new QWidget(ProPanel1);
    ProPanel2->setObjectName(QStringLiteral("ProPanel2"));
    alarms::setBackground(ProPanel2, panel);
    LCDLabel1 = new controls::DotMatrixDisplay(QStringLiteral("LCDLabel1"), 17, ProPanel2);
    LCDLabel1->setDotGrid(5, 7, 2);
    LCDLabel1->setColors(Qt::red, QColor(0x80, 0, 0), Qt::black);
    LCDLabel1->setCaption(QStringLiteral("Arkivo - kello"));
    ProPanel2->setGeometry(8, 6, LCDLabel1->width() + 10, LCDLabel1->height() + 10);
    LCDLabel1->move(5, 5);

    alarms::AlarmPageLook look;
    look.step3Title = QStringLiteral("VAIHE3:  Hälytyksen kytkeminen päälle");
    look.browseHint = QStringLiteral("Valitse tiedosto ");
    look.switchHint = QStringLiteral("Kytke hälytys päälle klikkaamalla ruksi laatikkoon");
    look.background = panel;
    look.buttonFace = panel;
    look.dateText = first ? QColor(Qt::red) : palette().color(QPalette::WindowText);
    look.timeText = first ? QColor(Qt::green) : palette().color(QPalette::WindowText);
    m_alarmPage = new alarms::AlarmPage(m_alarm, look, ProPanel1);
    m_alarmPage->move(10, ProPanel2->geometry().bottom() + 6);
    for (controls::KamButton* b : m_alarmPage->formButtons())
        b->setFontColor(Qt::white);
    PageControl1->addTab(ProPanel1, QStringLiteral("Hälytyskello"));
}

void Muistilappu::attachStorage() {
    QStringList stored = {"RichEdit1.Lines",       "RichEdit1.Font",       "RichEdit1.Color",
                          "Panel2.Color",          "DateEdit1.Color",      "DateEdit1.Font",
                          "RxCalcEdit1.Color",     "RxCalcEdit1.Font",     "FontDialog1.Font",
                          "OpenDialog1.FileName",  "OpenDialog1.Filter",   "OpenDialog1.Name",
                          "SaveDialog1.FileName",  "SaveDialog1.Filter",   "SaveDialog1.Name",
                          "ProPanel1.Color",       "ProPanel2.Color",      "AlarmComingUpCheckBox.Font",
                          "AlarmDatePicker.Color", "AlarmTimePicker.Color"};
    stored << alarms::AlarmPage::storedLooks();
    for (int i = 1; i <= 9; ++i)
        stored << QStringLiteral("KamButton%1.Color").arg(i);
    if (m_which == Which::Second)
        stored << QStringLiteral("AlarmTimePicker.Height");
    FormStorage1 = new settings::FormStorage(
        this, QStringLiteral("Software\\Arkivo\\Windowstate"),
        m_which == Which::First ? QStringLiteral("SijaintiML1") : QStringLiteral("SijaintiML2"), true, stored);
    FormStorage1->attach();
}

void Muistilappu::startUp() {
    // A failing step ends the start-up there; the program goes on.
    try {
        if (m_alarm->startUpSteps(platform::programFolder()))
            m_alarm->readStoredSwitch();
    } catch (const std::exception&) {
    }
    // Checked even when a step above failed: a note out of service must not stay usable.
    if (m_which == Which::Second)
        if (PanelLink* link = panelLink())
            if (link->markChecked(QStringLiteral("ml1klopvmklocdkallas1")))
                takeOutOfService();
}

void Muistilappu::takeOutOfService() {
    m_outOfService = true;
    m_alarm->trigger().stop();
    m_clockTimer->setEnabled(false);
    hide();
    setEnabled(false);
}

void Muistilappu::setVisible(bool visible) {
    if (visible && m_outOfService)
        return;
    QWidget::setVisible(visible);
}
