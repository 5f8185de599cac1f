// Fuzz target: an arbitrary file read as an archive. GetArchiveInfo, Test
// and Restore into a scratch folder must end with a result, never a crash,
// a hang, or a file written outside the folder. The input also serves as
// volume 2, so continuation records reach a real volume.

#include "backup/backup_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using arkivo::backup::TBackupFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir scratch;
    static const QString archive = scratch.filePath(QStringLiteral("f.var"));
    static const QString volume2 = scratch.filePath(QStringLiteral("f.002"));
    static const QString target = scratch.filePath(QStringLiteral("out"));
    for (const QString& name : {archive, volume2}) {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    TBackupFile engine;
    engine.setThreads(2);
    QStringList ids;
    QString title;
    engine.GetArchiveInfo(archive, &ids, title);
    engine.Test(archive);
    for (bool fullPath : {false, true}) {
        engine.setRestoreFullPath(fullPath);
        engine.Restore(archive, target);
    }
    // Everything restored stays inside the scratch folder.
    const QStringList left = QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : left)
        if (name != QLatin1String("f.var") && name != QLatin1String("f.002") && name != QLatin1String("out"))
            std::abort();
    QDir(target).removeRecursively();
    return 0;
}
