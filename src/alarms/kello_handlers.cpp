// The alarm clock's show, close and key handling, its timers and the countdown page switch.

#include "alarms/kello.h"

#include "alarms/ajastin_page.h"
#include "alarms/alarm_bell.h"
#include "alarms/alarm_page.h"
#include "alarms/chime.h"
#include "alarms/piip.h"
#include "alarms/three_step_alarm.h"
#include "common/finnish_format.h"
#include "controls/bevel_panel.h"
#include "controls/dot_matrix_display.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/services.h"
#include "settings/app_link.h"
#include "sound/nuotit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

using namespace arkivo;

void TKello::showEvent(QShowEvent* event) {
    // The stored chime states were just restored; the panel's marks have the last word.
    applyChimeMarks();
    resize(width(), 421);
    m_ajastin->hide();
    m_toolbar->show();
    m_displayFrame->show();
    m_alarmPage->show();
    setWindowTitle(QStringLiteral("Herätyskello"));
    Timer3->setEnabled(true);
    if (!m_alarm->switchOn())
        m_alarm->setMoment(platform::clock().now());
    copyBackground();
    QWidget::showEvent(event);
}

void TKello::copyBackground() {
    PanelLink* link = panelLink();
    if (!link)
        return;
    const QPixmap picture = link->backgroundPicture();
    if (!picture.isNull())
        Image1->setPixmap(picture);
}

void TKello::closeEvent(QCloseEvent* event) {
    Timer3->setEnabled(false);
    m_ajastin->windowClosed();
    QWidget::closeEvent(event);
}

bool TKello::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* link = panelLink())
            link->setHandleGrey();
    return QWidget::event(event);
}

void TKello::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        platform::help().show(m_ajastin->isVisible() ? QStringLiteral("Ajastin") : QStringLiteral("Herätyskello"));
        return;
    }
    QWidget::keyPressEvent(event);
}

void TKello::Timer3Timer() {
    LCDLabel1->setCaption(fi::formatDateTime(QStringLiteral("hh:mm:ss dd.mm.yy"), platform::clock().now()));
}

void TKello::Timer1Timer() {
    if (m_ajastin->isVisible())
        if (TPiip* piip = TPiip::instance())
            piip->showAlarm(QStringLiteral("AJASTIN"));
    sound::PlayNotationReported(sound::NamedTune(QStringLiteral("Kello")));
}

void TKello::silence() {
    Timer1->setEnabled(false);
    m_ajastin->silenced();
}

void TKello::stopRinging() {
    Timer1->setEnabled(false);
}

void TKello::TimerTasaTuntiPieniTimer() {
    try {
        m_chimeLabel->setText(alarms::chimeText(platform::clock().now().time()));
        if (m_chimeLabel->text() != QLatin1String("00"))
            return;
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                platform::Delay(100);
            alarms::defaultBeep();
        }
    } catch (const std::exception&) {
        alarms::defaultBeep();
    }
}

void TKello::TimerTasaTuntiIsoTimer() {
    m_chimeLabel->setText(alarms::chimeText(platform::clock().now().time()));
    if (m_chimeLabel->text() == QLatin1String("00"))
        sound::PlayNotationReported(sound::NamedTune(QStringLiteral("Tasa")));
}

void TKello::openAjastin() {
    m_toolbar->hide();
    m_displayFrame->hide();
    m_alarmPage->hide();
    m_ajastin->show();
    m_ajastin->raise();
    resize(width(), 280);
    setWindowTitle(QStringLiteral("Ajastin"));
    ProPanel1->setBevel3D(false);
    ProPanel1->setOuterBevel(controls::BevelPanel::Bevel::None);
}

void TKello::closeAjastin() {
    m_ajastin->hide();
    m_toolbar->show();
    m_displayFrame->show();
    m_alarmPage->show();
    resize(width(), 421);
    setWindowTitle(QStringLiteral("Herätyskello"));
    ProPanel1->setBevel3D(true);
    ProPanel1->setOuterBevel(controls::BevelPanel::Bevel::Raised);
}
