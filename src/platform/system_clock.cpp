#include "platform/system_clock.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace arkivo::platform {

namespace {

// systemd's time service: SetTime(usec_utc, relative, interactive). With
// interactive set, polkit may ask the user for a password, so the call is
// given time for that.
constexpr const char* kTimedService = "org.freedesktop.timedate1";
constexpr const char* kTimedPath = "/org/freedesktop/timedate1";
constexpr int kTimedCallTimeoutMs = 120000;

SystemClock::Result setThroughTimed(const QDateTime& utc)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return {false, QStringLiteral("ohjelmalla ei ole oikeutta asettaa kelloa eikä järjestelmän väylää "
                                      "(D-Bus) tavoiteta")};

    QDBusMessage call = QDBusMessage::createMethodCall(kTimedService, kTimedPath, kTimedService,
                                                       QStringLiteral("SetTime"));
    call << qlonglong(utc.toMSecsSinceEpoch() * 1000) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimedCallTimeoutMs);
    if (reply.type() != QDBusMessage::ErrorMessage)
        return {true, {}};

    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Spawn.ServiceNotFound"))
        return {false, QStringLiteral("ohjelmalla ei ole oikeutta asettaa kelloa eikä järjestelmän "
                                      "aikapalvelua (timedated) ole saatavilla")};
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return {false, QStringLiteral("järjestelmän automaattinen ajan tahdistus (NTP) on päällä")};
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
        name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))
        return {false, QStringLiteral("järjestelmän aikapalvelu ei antanut lupaa asettaa kelloa")};
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
        return {false, QStringLiteral("järjestelmän aikapalvelu ei vastannut")};
    return {false, QStringLiteral("järjestelmän aikapalvelu ilmoitti virheen: %1").arg(reply.errorMessage())};
}

} // namespace

SystemClock::Result LinuxSystemClock::setTime(const QDateTime& utc)
{
    if (!utc.isValid())
        return {false, QStringLiteral("virheellinen aika")};

    const qint64 ms = utc.toMSecsSinceEpoch();
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1000);
    ts.tv_nsec = static_cast<long>((ms % 1000) * 1000000);
    if (ts.tv_nsec < 0) {
        ts.tv_sec -= 1;
        ts.tv_nsec += 1000000000L;
    }
    if (clock_settime(CLOCK_REALTIME, &ts) == 0)
        return {true, {}};

    const int error = errno;
    if (error == EPERM)
        return setThroughTimed(utc);
    if (error == EINVAL)
        return {false, QStringLiteral("järjestelmä ei hyväksy aikaa %1").arg(utc.toString(Qt::ISODate))};
    return {false, QStringLiteral("kellon asettaminen epäonnistui: %1").arg(QString::fromLocal8Bit(std::strerror(error)))};
}

} // namespace arkivo::platform
