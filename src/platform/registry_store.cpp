#include "platform/registry_store.h"

#include "platform/registry_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace arkivo::platform {

namespace {

const QString kRunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kAutostartFile = QStringLiteral("arkivo.desktop");

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QStringList splitPath(const QString& key) {
    return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool isRunKey(const QString& key) {
    return splitPath(key).join(QLatin1Char('\\')).compare(kRunKey, Qt::CaseInsensitive) == 0;
}

// Desktop-entry string values escape the backslash and control characters.
QString desktopEscape(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString desktopUnescape(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text[++i];
            out += n == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                   : n == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                   : n == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                   : n == QLatin1Char('s') ? QChar(QLatin1Char(' '))
                                           : n;
        } else {
            out += text[i];
        }
    }
    return out;
}

// UTF-8 as written here, or UTF-16 with a byte-order mark as regedit exports.
QString decodeFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16);
        return decoder(bytes);
    }
    return QString::fromUtf8(bytes);
}

} // namespace

struct RegistryStore::Impl {
    QString filePath;
    QString autostartDir;
    bool autostartMapped = false;
    registry_text::Key root;
    bool dirty = false;
    bool saveScheduled = false;
    QObject context; // queued saves die with the store

    registry_text::Key* find(const QString& key) const {
        const registry_text::Key* k = &root;
        for (const QString& part : splitPath(key)) {
            k = k->child(part);
            if (!k)
                return nullptr;
        }
        return const_cast<registry_text::Key*>(k);
    }

    registry_text::Key& make(const QString& key) {
        registry_text::Key* k = &root;
        for (const QString& part : splitPath(key))
            k = &k->makeChild(part);
        return *k;
    }

    bool mapsRunKey(const QString& key) const { return autostartMapped && isRunKey(key); }
    QString autostartPath() const { return QDir(autostartDir).filePath(kAutostartFile); }

    // The autostart entry as (value name, value text); nothing when there is none.
    std::optional<std::pair<QString, QString>> readAutostart() const {
        QFile file(autostartPath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return std::nullopt;
        QString name = QStringLiteral("EditReg_Text"), exec, value;
        bool haveValue = false;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Exec=")))
                exec = desktopUnescape(line.mid(5));
            else if (line.startsWith(QLatin1String("X-Arkivo-RunValue=")))
                name = desktopUnescape(line.mid(18));
            else if (line.startsWith(QLatin1String("X-Arkivo-Value="))) {
                value = desktopUnescape(line.mid(15));
                haveValue = true;
            }
        }
        return std::make_pair(name, haveValue ? value : exec);
    }

    bool writeAutostart(const QString& name, const QString& text) const {
        if (!QDir().mkpath(autostartDir))
            return false;
        // A program path with blanks is quoted so that the desktop starts it as one word.
        QString exec = text.trimmed();
        if (exec.contains(QLatin1Char(' ')) && !exec.startsWith(QLatin1Char('"')) && QFileInfo(exec).isFile())
            exec = QLatin1Char('"') + exec + QLatin1Char('"');
        const QString content = QStringLiteral("[Desktop Entry]\n"
                                               "Type=Application\n"
                                               "Name=Arkivo\n"
                                               "Comment=Arkivo-työkalut käynnistyvät kirjauduttaessa\n"
                                               "Exec=%1\n"
                                               "X-GNOME-Autostart-enabled=true\n"
                                               "X-Arkivo-RunValue=%2\n"
                                               "X-Arkivo-Value=%3\n")
                                    .arg(desktopEscape(exec), desktopEscape(name), desktopEscape(text));
        QSaveFile file(autostartPath());
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(content.toUtf8());
        return file.commit();
    }

    void changed(RegistryStore* store) {
        dirty = true;
        if (!filePath.isEmpty())
            store->scheduleSave();
    }
};

RegistryStore::RegistryStore() : d(std::make_unique<Impl>()) {}

RegistryStore::RegistryStore(const QString& filePath) : d(std::make_unique<Impl>()) {
    d->filePath = filePath;
    d->autostartMapped = true;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    d->autostartDir = config + QStringLiteral("/autostart");
    if (auto* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &d->context, [this] {
            if (d->dirty)
                save();
        });
}

RegistryStore::~RegistryStore() {
    if (d->dirty && !d->filePath.isEmpty())
        save();
}

RegistryStore::LoadResult RegistryStore::load() {
    LoadResult result;
    d->root = registry_text::Key();
    d->dirty = false;
    if (d->filePath.isEmpty())
        return result;
    QFile file(d->filePath);
    if (!file.exists())
        return result;
    QString error;
    bool readable = file.open(QIODevice::ReadOnly);
    if (readable) {
        const QByteArray bytes = file.readAll();
        file.close();
        if (fromText(decodeFile(bytes), &error)) {
            d->dirty = false;
            d->saveScheduled = false;
            return result;
        }
    } else {
        error = file.errorString();
    }
    // Set the damaged file aside so that nothing of it is lost, and start from design values.
    const QString aside = d->filePath + QStringLiteral(".vioittunut-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    result.ok = false;
    if (QFile::rename(d->filePath, aside)) {
        result.setAsidePath = aside;
        result.message = QStringLiteral("Asetustiedosto %1 oli vioittunut (%2). Se siirrettiin nimelle %3, ja "
                                        "Arkivo aloittaa oletusasetuksin.")
                             .arg(QDir::toNativeSeparators(d->filePath), error, QDir::toNativeSeparators(aside));
    } else {
        result.message = QStringLiteral("Asetustiedostoa %1 ei voitu lukea (%2), eikä sitä voitu siirtää sivuun. "
                                        "Arkivo aloittaa oletusasetuksin.")
                             .arg(QDir::toNativeSeparators(d->filePath), error);
    }
    d->root = registry_text::Key();
    return result;
}

bool RegistryStore::save() {
    d->saveScheduled = false;
    if (d->filePath.isEmpty()) {
        d->dirty = false;
        return true;
    }
    const QFileInfo info(d->filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(d->filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(kOwnerOnly);
    file.write(toText().toUtf8());
    if (!file.commit())
        return false;
    QFile::setPermissions(d->filePath, kOwnerOnly);
    d->dirty = false;
    return true;
}

void RegistryStore::scheduleSave() {
    if (d->saveScheduled || d->filePath.isEmpty())
        return;
    auto* app = QCoreApplication::instance();
    if (!app) {
        save();
        return;
    }
    d->saveScheduled = true;
    QMetaObject::invokeMethod(
        &d->context,
        [this] {
            if (d->saveScheduled)
                save();
        },
        Qt::QueuedConnection);
}

QString RegistryStore::filePath() const {
    return d->filePath;
}

bool RegistryStore::keyExists(const QString& key) const {
    if (d->mapsRunKey(key) && d->readAutostart())
        return true;
    return d->find(key) != nullptr;
}

std::optional<QString> RegistryStore::value(const QString& key, const QString& name) const {
    if (d->mapsRunKey(key)) {
        const auto entry = d->readAutostart();
        if (entry && entry->first.compare(name, Qt::CaseInsensitive) == 0)
            return entry->second;
        return std::nullopt;
    }
    const registry_text::Key* k = d->find(key);
    if (!k)
        return std::nullopt;
    const registry_text::Value* v = k->value(name);
    if (!v || !v->isString)
        return std::nullopt;
    return v->text;
}

void RegistryStore::setValue(const QString& key, const QString& name, const QString& text) {
    if (d->mapsRunKey(key)) {
        d->writeAutostart(name, text);
        return;
    }
    registry_text::Key& k = d->make(key);
    registry_text::Value* v = k.value(name);
    if (v && v->isString && v->text == text)
        return;
    k.setString(name, text);
    d->changed(this);
}

bool RegistryStore::deleteValue(const QString& key, const QString& name) {
    if (d->mapsRunKey(key)) {
        const auto entry = d->readAutostart();
        if (!entry || entry->first.compare(name, Qt::CaseInsensitive) != 0)
            return false;
        return QFile::remove(d->autostartPath());
    }
    registry_text::Key* k = d->find(key);
    if (!k || !k->removeValue(name))
        return false;
    d->changed(this);
    return true;
}

bool RegistryStore::deleteKey(const QString& key) {
    const QStringList parts = splitPath(key);
    if (parts.isEmpty())
        return false;
    bool removed = false;
    if (d->mapsRunKey(key) && d->readAutostart())
        removed = QFile::remove(d->autostartPath());
    registry_text::Key* parent = d->find(QStringList(parts.mid(0, parts.size() - 1)).join(QLatin1Char('\\')));
    if (parent && parent->removeChild(parts.last())) {
        d->changed(this);
        removed = true;
    }
    return removed;
}

void RegistryStore::clearKey(const QString& key) {
    if (d->mapsRunKey(key)) {
        QFile::remove(d->autostartPath());
        return;
    }
    registry_text::Key& k = d->make(key);
    k.values.clear();
    k.children.clear();
    d->changed(this);
}

QStringList RegistryStore::valueNames(const QString& key) const {
    if (d->mapsRunKey(key)) {
        const auto entry = d->readAutostart();
        return entry ? QStringList{entry->first} : QStringList{};
    }
    QStringList names;
    if (const registry_text::Key* k = d->find(key))
        for (const registry_text::Value& v : k->values)
            names << v.name;
    return names;
}

QStringList RegistryStore::subKeys(const QString& key) const {
    QStringList names;
    if (const registry_text::Key* k = d->find(key))
        for (const auto& [folded, child] : k->children)
            names << child->name;
    return names;
}

QString RegistryStore::readString(const QString& key, const QString& name) const {
    return value(key, name).value_or(QString());
}

void RegistryStore::writeString(const QString& key, const QString& name, const QString& text) {
    setValue(key, name, text);
}

bool RegistryStore::readBool(const QString& key, const QString& section, const QString& name) const {
    // As an ini switch reads an integer: any non-zero number is on, anything else off.
    bool ok = false;
    const int n = readString(key + QLatin1Char('\\') + section, name).trimmed().toInt(&ok);
    return ok && n != 0;
}

void RegistryStore::writeBool(const QString& key, const QString& section, const QString& name, bool on) {
    setValue(key + QLatin1Char('\\') + section, name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

QString RegistryStore::toText() const {
    return registry_text::write(d->root);
}

bool RegistryStore::fromText(const QString& text, QString* error) {
    registry_text::Key parsed;
    QString message;
    if (!registry_text::parse(text, parsed, &message)) {
        if (error)
            *error = message;
        return false;
    }
    d->root = std::move(parsed);
    d->changed(this);
    return true;
}

void RegistryStore::setAutostartDir(const QString& dir) {
    d->autostartDir = dir;
    d->autostartMapped = true;
}

QString defaultRegistryPath() {
    const QString home = qEnvironmentVariable("ARKIVO_HOME");
    if (!home.isEmpty())
        return QDir(home).filePath(QStringLiteral("Arkivo.reg"));
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/arkivo/Arkivo.reg");
}

} // namespace arkivo::platform
