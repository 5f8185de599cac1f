#include "app/control_panel.h"

#include "app/about_window.h"
#include "app/panel_layout.h"
#include "common/finnish_format.h"
#include "common/week_text.h"
#include "controls/bevel_frame.h"
#include "controls/bevel_panel.h"
#include "controls/clock_label.h"
#include "controls/image_box.h"
#include "controls/mark_action.h"
#include "controls/shadow_label.h"
#include "controls/speed_button.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "controls/tray_icon.h"
#include "platform/cd_door.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "platform/wave_volume.h"
#include "settings/form_storage.h"
#include "sound/nuotit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QToolTip>

using namespace arkivo;

namespace {

const QString kStorageKey = QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli");
const QString kRunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QColor kNavy(0, 0, 0x80);
const QColor kGrey(0x80, 0x80, 0x80);

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(591, 28);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setToolTip(QStringLiteral("Valikko avautuu hiiren oikean puoleisella näppäimellä!"));
    m_calendarDate = platform::clock().now().date();

    // Hints for the whole program: light yellow ($80FFFF), shown for 5 s.
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0x80));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);

    buildControls();
    buildHiddenState();
    buildTimers();
    buildMenus();
    buildTrayIcons();
    connectControls();
    for (QWidget* w : findChildren<QWidget*>())
        w->setToolTipDuration(5000);
    setToolTipDuration(5000);

    // The very first start puts the bar at the screen's centre; a stored place wins.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));

    m_storage = new settings::FormStorage(this, kStorageKey, QStringLiteral("Koko"), true, storedProperties());
    m_storage->attach();

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            setHandleNavy();
        else
            setHandleGrey();
    });
    setPanelLink(this);
    startVolumeWatch();
}

void TForm1::startVolumeWatch() {
    // Timer7 mirrors the volume every 10 ms. Each wake-up of an idle program
    // costs, so the mirror waits on the mixer's change events where the mixer
    // has them, and stops when there is no mixer: its volume cannot change.
    Timer7Timer();
    platform::WaveVolume& wave = platform::waveVolume();
    if (!wave.read()) {
        Timer7->setEnabled(false);
        return;
    }
    const QList<int> fds = wave.changeDescriptors();
    if (fds.isEmpty())
        return;
    Timer7->setEnabled(false);
    for (int fd : fds) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &TForm1::Timer7Timer);
    }
}

TForm1::~TForm1() {
    if (panelLink() == this)
        setPanelLink(nullptr);
    if (EditReg->text().trimmed().isEmpty())
        platform::registry().deleteValue(kRunKey, QStringLiteral("EditReg_Text"));
}

void TForm1::setTools(const app::ToolWindows& tools) {
    m_tools = tools;
}

// ---- What the tools read and set -------------------------------------------------------------------

controls::MarkAction* TForm1::mark(const QString& name) const {
    return m_marks.value(name, nullptr);
}

bool TForm1::markChecked(const QString& name) const {
    const controls::MarkAction* m = mark(name);
    return m && m->isChecked();
}

void TForm1::setMarkChecked(const QString& name, bool on) {
    if (controls::MarkAction* m = mark(name)) {
        m->setCheckable(true);
        m->setChecked(on);
    }
}

void TForm1::setAlarmIndicator(int image, bool visible) {
    if (image >= 3 && image <= 5)
        m_indicators[image - 3]->setVisible(visible);
}

void TForm1::setHandleGrey() {
    Panel1->setColor(kGrey);
}

void TForm1::setHandleNavy() {
    Panel1->setColor(kNavy);
}

QPixmap TForm1::backgroundPicture() const {
    for (const controls::ImageBox* image : m_backgrounds)
        if (!image->isHidden())
            return image->picture();
    return {};
}

// ---- Commands ---------------------------------------------------------------------------------------

void TForm1::showNote1() {
    setHandleNavy();
    app::showTool(m_tools.note1);
}

void TForm1::showNote2() {
    setHandleNavy();
    app::showTool(m_tools.note2);
}

void TForm1::showAlarmClock() {
    setHandleNavy();
    app::showTool(m_tools.alarmClock);
}

void TForm1::showCalendar() {
    setHandleNavy();
    app::showTool(m_tools.calendar);
}

void TForm1::showTape() {
    setHandleNavy();
    app::showTool(m_tools.tape);
}

void TForm1::openEuro() {
    setHandleNavy();
    if (m_tools.makeEuro)
        app::showOnce(m_tools.makeEuro(), false);
}

void TForm1::openFuel() {
    setHandleNavy();
    if (m_tools.makeFuel)
        app::showOnce(m_tools.makeFuel(), false);
}

void TForm1::showTimeCheck() {
    setHandleNavy();
    app::showTool(m_tools.timeCheck);
}

void TForm1::checkClockNow() {
    // The time window starts its query when it finds this item checked.
    setMarkChecked(QStringLiteral("Tarkistakellointernetist1"), true);
    app::showTool(m_tools.timeCheck);
}

void TForm1::openBackup() {
    if (m_tools.makeBackup)
        app::showOnce(m_tools.makeBackup(), true);
}

void TForm1::openTetris() {
    if (m_tools.makeTetris)
        app::showOnce(m_tools.makeTetris(), true);
}

void TForm1::openAbout() {
    setHandleNavy();
    app::showOnce(new TTietoja(), true);
}

void TForm1::showSettings() {
    app::showTool(m_tools.settings);
}

void TForm1::hidePanel() {
    setHandleGrey();
    hide();
}

void TForm1::showPanel() {
    show();
    raise();
    activateWindow();
}

void TForm1::minimiseApplication() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow())
            w->showMinimized();
}

void TForm1::closeProgram() {
    ProLabel1->setCaption(QStringLiteral("Suljetaan"));
    Timer5->setEnabled(true);
}

void TForm1::lockNow(bool restore) {
    if (markChecked(QStringLiteral("Lukitus"))) {
        platform::dialogs().message(
            QStringLiteral("Salasanaa ei ole tietokoneen muistissa!! Pikalukitus toimii vasta sitten, kun salasana "
                           "on kirjoitettu. Käy lisäämässä oma salasanasi Näytönlukitsijan Asetukset-sivulla."),
            QStringLiteral("Arkivo-info"));
        return;
    }
    app::showTool(m_tools.locker);
    if (restore && isMinimized())
        showNormal();
}

void TForm1::showHelp() {
    platform::help().show(QStringLiteral("Käyttöpaneeli"));
}

void TForm1::openCdDoor() {
    setHandleNavy();
    platform::cdDoor().open();
    // The buttons swap whatever the drive answered.
    CDoffButton->setVisible(true);
    CDonbutton->setVisible(false);
}

void TForm1::closeCdDoor() {
    setHandleNavy();
    platform::cdDoor().close();
    CDoffButton->setVisible(false);
    CDonbutton->setVisible(true);
}

// ---- Layouts and the handle -------------------------------------------------------------------------

int TForm1::currentLayout() const {
    std::array<bool, 10> checked{};
    for (int i = 0; i < 10; ++i)
        checked[i] = markChecked(app::layoutMarks()[i]);
    return app::layoutFromMarks(checked);
}

void TForm1::applyLayout(int number) {
    const app::Layout& l = app::layout(number);
    for (int i = 0; i < 10; ++i)
        setMarkChecked(app::layoutMarks()[i], i + 1 == l.number);
    for (const QString& item : l.hiddenItems)
        mark(item)->setVisible(false);

    auto place = [](controls::Control* c, const app::Slot& slot) {
        c->setLeft(slot.left);
        c->setVisible(slot.visible);
    };
    SpeedButton1->setLeft(6);
    SpeedButton1->setVisible(true);
    ProLabel1->setLeft(28);
    ProLabel1->setVisible(true);
    place(Muistilappu1, l.note1);
    place(Muistilappu2, l.note2);
    place(SpeedButton2, l.alarmClock);
    place(ProClockLabel1, {l.clock.left + 1, l.clock.visible});
    place(ProBorder1, l.clock);
    place(CDonbutton, l.cdOn);
    CDoffButton->setLeft(l.cdOn.left);
    place(ProLabelKalenteri, l.calendar);
    place(ProLabelLaskurit, l.calculators);
    place(Panel1, {l.handle, true});
    place(Pienennys, {l.minimise, true});
    place(SpeedButton3, {l.close, true});

    setFixedSize(l.width, height());
    Panel2->setControlWidth(l.width);
    for (controls::ImageBox* image : m_backgrounds)
        image->setControlWidth(l.width);
    if (l.indicators)
        for (int i = 0; i < 3; ++i)
            m_indicators[i]->setLeft((*l.indicators)[i]);
    // The kept tools' items follow the settings dialog's menu choices; until the
    // dialog holds such choices, every kept item shows.
    for (const QString& item : l.keptItems)
        mark(item)->setVisible(true);
}

app::HandleState TForm1::handleState() const {
    return {Panel1->x(), Panel1->width(), Panel1->caption(), Timer1->isEnabled()};
}

void TForm1::setHandleState(const app::HandleState& state) {
    Panel1->setGeometry(state.left, Panel1->y(), state.width, Panel1->height());
    Panel1->setCaption(state.text);
    Timer1->setEnabled(state.animating);
}

void TForm1::resetHandle() {
    setHandleState({app::kHandleLeft, app::kHandleWidth, QString(), false});
}

void TForm1::restartHelpAnimation() {
    Timer1->setEnabled(true);
}

QString TForm1::weekText() const {
    return WeekNumberText(m_calendarDate);
}

// ---- Timers -----------------------------------------------------------------------------------------

void TForm1::Timer1Timer() {
    Timer1->setIntervalKeepingState(app::kHelpTickMs);
    app::HandleState state = handleState();
    state.animating = true;
    setHandleState(app::helpAnimationStep(state));
}

void TForm1::Timer2Timer() {
    Timer4->setEnabled(false);
    ProLabelKalenteri->setCaption(QStringLiteral("&Kalenteri"));
    Timer3->setEnabled(true);
}

void TForm1::Timer3Timer() {
    Timer2->setEnabled(false);
    ProLabelKalenteri->setCaption(weekText());
    Timer4->setEnabled(true);
}

void TForm1::Timer4Timer() {
    Timer3->setEnabled(false);
    Timer2->setEnabled(true);
    // Once it has handed over, further ticks would change nothing until Timer2
    // stops it; stopping it now spares an idle program ten wake-ups a second.
    Timer4->setEnabled(false);
}

void TForm1::Timer5Timer() {
    Timer5->setEnabled(false);
    close();
}

void TForm1::Timer6Timer() {
    // The calendar reminder repeats: the pop-up and the calendar come up and the tune plays.
    if (m_tools.reminder) {
        m_tools.reminder->setWindowTitle(QStringLiteral("Muistuttaja - Tänään on ") +
                                         fi::shortDate(platform::clock().now().date()));
        app::showTool(m_tools.reminder);
    }
    app::showTool(m_tools.calendar);
    sound::PlayNotationReported(sound::NamedTune(QStringLiteral("Voice")));
}

void TForm1::Timer7Timer() {
    const int position = 1000 - sound::GetWaveVolume();
    if (position == TrackBar1->value())
        return;
    m_timerSetsVolume = true;
    TrackBar1->setValue(position);
    m_timerSetsVolume = false;
}

void TForm1::volumePositionChanged(int position) {
    // Mirroring what the mixer already holds needs no write back; a write of
    // a value just read could round and creep the volume down.
    if (!m_timerSetsVolume)
        sound::SetWaveVolume(1000 - position);
}

void TForm1::EditRegChange() {
    platform::registry().writeString(kRunKey, QStringLiteral("EditReg_Text"), EditReg->text().trimmed());
}

// ---- Show, activation and close ---------------------------------------------------------------------

void TForm1::FormShow() {
    try {
        ProLabelKalenteri->setCaption(weekText());
        Timer2->setEnabled(true);
        setFixedSize(app::layout(currentLayout()).width, height());
        if (CheckMuistuttaja->isChecked()) {
            Timer6->setEnabled(true);
            app::showTool(m_tools.reminder);
            sound::PlayNotation(sound::NamedTune(QStringLiteral("Voice")));
        }
        if (markChecked(QStringLiteral("Lukitaan")) && markChecked(QStringLiteral("Varmistus")))
            app::showTool(m_tools.locker);
    } catch (const std::exception&) {
        // Show handling stops silently at the first error and keeps what was done.
    }
}

void TForm1::FormActivate() {
    setHandleNavy();
    if (m_tools.alarmClock) {
        auto* pieni = m_tools.alarmClock->findChild<QTimer*>(QStringLiteral("TimerTasaTuntiPieni"));
        auto* iso = m_tools.alarmClock->findChild<QTimer*>(QStringLiteral("TimerTasaTuntiIso"));
        auto set = [](QTimer* t, bool on) {
            if (t && on != t->isActive())
                on ? t->start() : t->stop();
        };
        if (markChecked(QStringLiteral("Einimerkki1"))) {
            set(pieni, false);
            set(iso, false);
        }
        if (markChecked(QStringLiteral("nimerkkitasatunnein1"))) {
            set(pieni, true);
            set(iso, false);
        }
        if (markChecked(QStringLiteral("AlarmIso"))) {
            set(iso, true);
            set(pieni, false);
        }
    }
    if (m_firstActivation) {
        m_firstActivation = false;
        if (markChecked(QStringLiteral("Ohjelmankynnistyspienennys")) && markChecked(QStringLiteral("LukitaanEi"))) {
            minimiseApplication();
            return;
        }
    }
    if (QWidget* settings = m_tools.settings) {
        auto chosen = [settings](const char* name) {
            auto* b = settings->findChild<QAbstractButton*>(QString::fromLatin1(name));
            return b && b->isChecked();
        };
        const bool onTop = bool(windowFlags() & Qt::WindowStaysOnTopHint);
        if (chosen("StayOnTop") && !onTop) {
            setWindowFlag(Qt::WindowStaysOnTopHint, true);
            show();
        } else if (chosen("StayOnTopNo") && onTop) {
            setWindowFlag(Qt::WindowStaysOnTopHint, false);
            show();
        }
        if (chosen("OmaTausta")) {
            auto* path = settings->findChild<QLineEdit*>(QStringLiteral("TaustaFileEdit"));
            if (!path || !m_backgrounds[6]->loadPicture(path->text().trimmed()))
                return;
        }
    }
    loadGlyphs();
}

void TForm1::loadGlyphs() {
    for (int i = 0; i < m_glyphEdits.size(); ++i) {
        const QString path = m_glyphEdits[i]->text().trimmed();
        if (path.isEmpty())
            continue;
        QPixmap glyph;
        if (!glyph.load(path))
            return; // a missing file ends the activation handling
        m_glyphButtons[i]->setGlyph(glyph);
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
    if (!m_firstShowSignalled) {
        m_firstShowSignalled = true;
        QTimer::singleShot(0, this, [this] {
            emit firstShown();
            // Looking for a tray host waits until the bar is up.
            for (controls::TrayIcon* icon : {RxTrayIcon1, RxTrayIcon2, RxTrayIcon3})
                icon->realize();
        });
    }
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    Timer4->setEnabled(false);
    QWidget::closeEvent(event);
    emit closed();
}
