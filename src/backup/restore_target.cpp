#include "backup/restore_target.h"

#include "common/dos_datetime.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace arkivo::backup {

RestoreTarget restoreTarget(const QString& stored, const QString& folder, bool fullPath) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    const bool windowsName = drive.match(stored).hasMatch() || stored.startsWith(QLatin1Char('\\'));
    QString path = stored;
    if (windowsName)
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = path.startsWith(QLatin1Char('/')) && !windowsName;
    if (path.contains(QChar(0)))
        return {}; // no file system takes such a name

    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            return {};
        if (part != QLatin1String("."))
            parts << part;
    }
    if (windowsName && !parts.isEmpty() && parts.first().endsWith(QLatin1Char(':')))
        parts.removeFirst();
    if (parts.isEmpty())
        return {};

    if (folder.isEmpty()) {
        // An archive made elsewhere has no original place on this system.
        if (!absolute)
            return {};
        return {QLatin1Char('/') + parts.join(QLatin1Char('/')), true};
    }
    if (fullPath)
        return {folder + parts.join(QLatin1Char('/')), true};
    return {folder + parts.last(), true};
}

bool shouldRestore(const QString& path, quint32 storedDosTime, TRestoreMode mode) {
    const QFileInfo existing(path);
    const bool exists = existing.exists();
    const bool older = exists && toDosDateTime(existing.lastModified()) < storedDosTime;
    switch (mode) {
    case rmAll:
        return true;
    case rmNoOverwrite:
        return !exists;
    case rmNewer:
        return !exists || older;
    case rmExisting:
        return exists;
    case rmExistingNewer:
        return older;
    }
    return false;
}

} // namespace arkivo::backup
