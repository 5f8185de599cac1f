#include "sound/nuotit.h"

#include "platform/registry_store.h"
#include "platform/services.h"

#include <QHash>

namespace arkivo::sound {

namespace {

// The one copy of the four tunes for the whole run, by lower-case name
// (stored names compare without case, as registry names do).
QHash<QString, QString>& tunes()
{
    static QHash<QString, QString> held;
    return held;
}

} // namespace

const QStringList& NamedTuneNames()
{
    static const QStringList names{QStringLiteral("Voice"), QStringLiteral("Hiiri"), QStringLiteral("Tasa"),
                                   QStringLiteral("Kello")};
    return names;
}

QString DefaultNamedTune(const QString& name)
{
    static const QHash<QString, QString> defaults{
        {QStringLiteral("voice"), QStringLiteral("O4N4TTCTCTCTETDTDTDTFTETETDTDTC1")}, // "Ukko-Nooa"
        {QStringLiteral("hiiri"), QStringLiteral("O2N4MLC2O6G32")},
        {QStringLiteral("tasa"), QStringLiteral("O4N4C8")},
        {QStringLiteral("kello"), QStringLiteral("O4N4TTC2D4E6F8G10A12B14")},
    };
    return defaults.value(name.toLower());
}

QString NamedTune(const QString& name) { return tunes().value(name.toLower()); }

void SetNamedTune(const QString& name, const QString& text) { tunes().insert(name.toLower(), text); }

void loadNamedTunes()
{
    for (const QString& name : NamedTuneNames())
        SetNamedTune(name, platform::registry().readString(kNamedTunesKey, name));
}

void storeNamedTune(const QString& name, const QString& text)
{
    const QString tune = text.trimmed();
    SetNamedTune(name, tune);
    platform::registry().writeString(kNamedTunesKey, name, tune);
}

} // namespace arkivo::sound
