#include "alarms/three_step_alarm.h"

#include "common/finnish_format.h"
#include "platform/clock.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QFileInfo>

#include <stdexcept>

namespace arkivo::alarms {

namespace {
const QString kCaptionOff = QStringLiteral("&Hälytys päälle");
const QString kCaptionOn = QStringLiteral("&Hälytys päällä");
} // namespace

const char* const ThreeStepAlarm::kPathValues[kForms] = {"SoundFileName", "TextFileName", "PiipTextFileName"};

AlarmOwner AlarmOwner::alarmClock() {
    // Red again after a note's blue or maroon title.
    return {QStringLiteral("Software\\Arkivo\\Kello"),
            QStringLiteral("Hälytys päällä"),
            5,
            QStringLiteral("HERÄTYSKELLO"),
            QColor(Qt::red),
            true};
}

AlarmOwner AlarmOwner::note1() {
    return {QStringLiteral("Software\\Arkivo\\Muistilaput\\KelloML1"),
            QStringLiteral("Hälytys päällä1"),
            3,
            QStringLiteral("MUISTILAPPU 1"),
            QColor(Qt::blue),
            false};
}

AlarmOwner AlarmOwner::note2() {
    return {QStringLiteral("Software\\Arkivo\\Muistilaput2\\KelloML2"),
            QStringLiteral("Hälytys päällä2"),
            4,
            QStringLiteral("MUISTILAPPU 2"),
            QColor(0x80, 0, 0),
            false};
}

ThreeStepAlarm::ThreeStepAlarm(AlarmOwner owner, AlarmHost host, QObject* parent)
    : QObject(parent), m_owner(std::move(owner)), m_host(std::move(host)), m_caption(kCaptionOff) {
    m_moment = platform::clock().now();
    m_moment.setTime(QTime(m_moment.time().hour(), m_moment.time().minute(), m_moment.time().second()));
    m_trigger.setObjectName(QStringLiteral("Trigger"));
    m_trigger.setInterval(1000);
    connect(&m_trigger, &QTimer::timeout, this, &ThreeStepAlarm::pollTick);
}

void ThreeStepAlarm::pollTick() {
    try {
        fire();
    } catch (const std::exception& e) {
        if (m_host.error)
            m_host.error(QString::fromUtf8(e.what()));
    }
}

bool ThreeStepAlarm::available(int form) const {
    const QString& p = m_paths.at(form);
    return !p.isEmpty() && QFileInfo(p).isFile();
}

void ThreeStepAlarm::setPath(int form, const QString& text) {
    const QString trimmed = text.trimmed();
    m_paths.at(form) = trimmed;
    m_folders.at(form) = QFileInfo(trimmed).path();
    if (trimmed.isEmpty())
        m_folders.at(form).clear();
    platform::registry().writeString(m_owner.key, QString::fromLatin1(kPathValues[form]), trimmed);
    emit pathChanged(form, trimmed);
    // Availability update: every form's test button follows its file.
    for (int i = 0; i < kForms; ++i) {
        const bool enabled = available(i);
        if (enabled != m_testEnabled.at(i)) {
            m_testEnabled.at(i) = enabled;
            emit testEnabledChanged(i, enabled);
        }
    }
}

void ThreeStepAlarm::changeDate(const QDate& date) {
    m_moment = QDateTime(date, m_moment.time());
    storeAndArm();
}

void ThreeStepAlarm::changeTime(const QTime& time) {
    m_moment = QDateTime(m_moment.date(), time);
    storeAndArm();
}

void ThreeStepAlarm::setMoment(const QDateTime& moment) {
    m_moment = moment;
    emit momentChanged(m_moment);
}

void ThreeStepAlarm::storeAndArm() {
    platform::registry().writeString(m_owner.key, QStringLiteral("AlarmTime"), momentText(m_moment));
    bool any = false;
    for (int i = 0; i < kForms; ++i)
        any = any || available(i);
    if (platform::clock().now() < m_moment && any && !m_trigger.isActive())
        m_trigger.start();
}

void ThreeStepAlarm::setSwitch(bool on) {
    if (on == m_switch)
        return;
    m_switch = on;
    emit switchChanged(on);
    switchHandler();
}

void ThreeStepAlarm::switchHandler() {
    storeAndArm();
    platform::registry().writeBool(m_owner.key, m_owner.switchValue, m_owner.switchValue, m_switch);
    setCaption(kCaptionOff);
    if (m_host.indicator)
        m_host.indicator(m_owner.indicator, m_switch);
    if (m_switch)
        setCaption(kCaptionOn);
    if (platform::clock().now() > m_moment)
        fire();
    if (!m_testEnabled[0] && !m_testEnabled[1] && !m_testEnabled[2]) {
        // Switching off with nothing chosen shows the panel as well.
        setSwitch(false);
        showInfoPanel();
    }
}

void ThreeStepAlarm::fire() {
    if (!(platform::clock().now() > m_moment))
        return;
    m_trigger.stop();
    for (int form = 0; form < kForms; ++form)
        if (m_switch && available(form))
            formAction(form);
    setSwitch(false);
    setCaption(kCaptionOff);
}

void ThreeStepAlarm::test(int form) {
    if (form == 2)
        ringForm3();
    else if (available(form))
        formAction(form);
}

void ThreeStepAlarm::formAction(int form) {
    if (form < 2) {
        if (available(form))
            platform::shell().open(m_paths.at(form));
        return;
    }
    ringForm3();
}

void ThreeStepAlarm::ringForm3() {
    auto action = [this] {
        if (available(2))
            platform::shell().open(m_paths.at(2));
        if (!m_host.ring)
            throw std::runtime_error("no alarm pop-up");
        m_host.ring(m_owner.popupTitle, m_owner.titleColor);
    };
    if (!m_owner.guardForm3) {
        action();
        return;
    }
    try {
        action();
    } catch (...) {
        if (m_host.beep)
            m_host.beep();
    }
}

void ThreeStepAlarm::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(caption);
}

void ThreeStepAlarm::showInfoPanel() {
    if (m_info)
        return;
    m_info = true;
    emit infoPanelChanged(true);
}

void ThreeStepAlarm::hideInfoPanel() {
    if (!m_info)
        return;
    m_info = false;
    emit infoPanelChanged(false);
}

bool ThreeStepAlarm::startUpSteps(const QString& programFolder) {
    auto& reg = platform::registry();
    for (int form = 0; form < kForms; ++form)
        setPath(form, reg.readString(m_owner.key, QString::fromLatin1(kPathValues[form])));
    for (int form = 0; form < kForms; ++form)
        if (m_paths.at(form).isEmpty())
            m_folders.at(form) = programFolder;
    const QString stored = reg.readString(m_owner.key, QStringLiteral("AlarmTime"));
    if (!stored.isEmpty()) {
        const std::optional<QDateTime> moment = parseMomentText(stored);
        if (!moment)
            return false;
        setMoment(*moment);
    }
    if (platform::clock().now() > m_moment)
        fire();
    return true;
}

void ThreeStepAlarm::readStoredSwitch() {
    setSwitch(platform::registry().readBool(m_owner.key, m_owner.switchValue, m_owner.switchValue));
}

QString ThreeStepAlarm::momentText(const QDateTime& moment) {
    const QString date = fi::shortDate(moment.date());
    if (moment.time() == QTime(0, 0))
        return date;
    return date + u' ' + fi::longTime(moment.time());
}

std::optional<QDateTime> ThreeStepAlarm::parseMomentText(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const std::optional<QDate> date = fi::parseShortDate(blank < 0 ? trimmed : trimmed.left(blank));
    if (!date)
        return std::nullopt;
    if (blank < 0)
        return QDateTime(*date, QTime(0, 0));
    const std::optional<QTime> time = fi::parseTime(trimmed.mid(blank + 1).trimmed());
    if (!time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

} // namespace arkivo::alarms
