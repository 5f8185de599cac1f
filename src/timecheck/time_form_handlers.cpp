// The time window's handlers: fetching, the auto-close choice, the colour toy and help.
#include "timecheck/time_form.h"

#include "common/colors.h"
#include "controls/kam_button.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "settings/app_link.h"
#include "timecheck/time_check.h"
#include "timecheck/time_form_widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>

using namespace arkivo;
using namespace arkivo::timecheck;

namespace {

const QString kAutoEi = QStringLiteral("AutoEi_Checked");
const QString kAuto2sek = QStringLiteral("Auto2sek_Checked");
const QString kAuto6sek = QStringLiteral("Auto6sek_Checked");
const QString kInterval = QStringLiteral("Interval");

} // namespace

void TTimeForm::FormCreate()
{
    platform::RegistryStore& registry = platform::registry();
    // Each switch is a value in a section of its own name; missing reads unchecked.
    Auto2sek->setChecked(registry.readBool(kKey, kAuto2sek, kAuto2sek));
    Auto6sek->setChecked(registry.readBool(kKey, kAuto6sek, kAuto6sek));
    AutoEi->setChecked(registry.readBool(kKey, kAutoEi, kAutoEi));
    bool ok = false;
    const int interval = registry.value(kKey + QLatin1Char('\\') + kInterval, kInterval).value_or(QString()).toInt(&ok);
    Timer1->setIntervalKeepingState(ok && interval > 0 ? interval : 0);
}

void TTimeForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (PanelLink* link = panelLink(); link && link->markChecked(kCheckNowMark))
        Button1Click();
}

void TTimeForm::closeEvent(QCloseEvent* event)
{
    if (PanelLink* link = panelLink())
        link->setMarkChecked(kCheckNowMark, false);
    Timer1->setEnabled(false);
    event->accept();
}

void TTimeForm::Button1Click()
{
    TimeSocket->start(Palvelin->currentText());
}

void TTimeForm::KamButton2Click()
{
    // The desktop's network connection editor, when one is installed.
    platform::shell().openTool(QStringLiteral("rasphone"));
}

void TTimeForm::PalvelinChange(const QString& text)
{
    appendLog(QStringLiteral("Osoitteeksi vaihdettu: ") + text);
}

void TTimeForm::AutoEiClick()
{
    AutoEi->setChecked(true);
    saveAutoClose();
}

void TTimeForm::Auto2sekClick()
{
    Auto2sek->setChecked(true);
    Timer1->setIntervalKeepingState(2000);
    saveAutoClose();
}

void TTimeForm::Auto6sekClick()
{
    Auto6sek->setChecked(true);
    Timer1->setIntervalKeepingState(6000);
    saveAutoClose();
}

void TTimeForm::saveAutoClose()
{
    platform::RegistryStore& registry = platform::registry();
    registry.writeBool(kKey, kAuto2sek, kAuto2sek, Auto2sek->isChecked());
    registry.writeBool(kKey, kAuto6sek, kAuto6sek, Auto6sek->isChecked());
    registry.writeBool(kKey, kAutoEi, kAutoEi, AutoEi->isChecked());
    registry.setValue(kKey + QLatin1Char('\\') + kInterval, kInterval, QString::number(Timer1->interval()));
    registry.scheduleSave();
}

void TTimeForm::Timer1Timer()
{
    close();
}

void TTimeForm::StatusBarClick()
{
    QRandomGenerator random(platform::clock().tickCount());
    const qint32 face = qint32(random.bounded(99999));
    setToyColours(colors::toQColor(face), colors::toQColor(face ^ 0xFFFF));
}

void TTimeForm::StatusBarDblClick()
{
    setToyColours(colors::toQColor(colors::clNavy), colors::toQColor(colors::clWhite));
}

void TTimeForm::setToyColours(const QColor& face, const QColor& font)
{
    ProPanel1->setColor(face);
    Button1->setColor(face);
    KamButton2->setColor(face);
    GroupBox1->setFontColor(font);
    GroupBox2->setFontColor(font);
    SpeedButton1->setFontColor(font);
    AutoEi->setFontColor(font);
    Auto2sek->setFontColor(font);
    Auto6sek->setFontColor(font);
    Button1->setFontColor(font);
    KamButton2->setFontColor(font);
}

void TTimeForm::SpeedButton1Click()
{
    platform::help().show(QStringLiteral("TarkistutaKello"));
}

void TTimeForm::appendLog(const QString& line)
{
    TimeData->appendPlainText(line);
}

void TTimeForm::setLogActive(bool active)
{
    QPalette p = TimeData->palette();
    p.setColor(QPalette::Text, active ? Qt::red : Qt::black);
    TimeData->setPalette(p);
}

void TTimeForm::takeStamps()
{
    const TimeCheck::Stamps& stamps = TimeSocket->stamps();
    DateTimePicker1->setDateTime(stamps.connected);
    DateTimePicker2->setDateTime(stamps.after);
    const qint64 difference = stamps.differenceMs < 0 ? -stamps.differenceMs : stamps.differenceMs;
    DateTimePicker3->setTime(QTime(0, 0).addMSecs(int(difference % (24 * 3600 * 1000))));
    if (!stamps.line.isEmpty())
        Edit1->setText(stamps.line);
}
