#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace arkivo::platform {

namespace {

bool usable(const QString& dir) {
    return QDir().mkpath(dir) && QFileInfo(dir).isWritable();
}

} // namespace

QString programFolder() {
    const QString home = qEnvironmentVariable("ARKIVO_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QDir(home).absolutePath();
    }
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (!exeDir.isEmpty() && QFileInfo(exeDir).isWritable())
            return exeDir;
    }
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dir = data + QStringLiteral("/arkivo");
    usable(dir);
    return dir;
}

} // namespace arkivo::platform
