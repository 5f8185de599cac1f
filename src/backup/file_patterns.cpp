#include "backup/file_patterns.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace arkivo::backup {

namespace {

struct Expansion {
    QStringList paths;
    QSet<QString> seen;
    QString archive;

    void expand(const QString& folder, const QString& mask, bool recursive) {
        const QDir dir(folder);
        if (recursive) {
            // Symbolic links to folders are not followed: they may loop.
            const QStringList subfolders =
                dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
            for (const QString& sub : subfolders)
                expand(dir.filePath(sub), mask, true);
        }
        QStringList files;
        if (mask.contains(QLatin1Char('*')) || mask.contains(QLatin1Char('?')) || mask.contains(QLatin1Char('[')))
            files = dir.entryList({mask}, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
        else if (QFileInfo(dir.filePath(mask)).isFile())
            files << mask;
        for (const QString& name : files) {
            const QString path = QDir::cleanPath(dir.absoluteFilePath(name));
            if (path == archive || seen.contains(path))
                continue;
            seen.insert(path);
            paths << path;
        }
    }
};

} // namespace

QStringList expandFilePatterns(const QStringList& patterns, const QString& archiveFile) {
    static const QRegularExpression recursiveSwitch(QStringLiteral("\\s+/[sS]$"));
    Expansion e;
    e.archive = QDir::cleanPath(QFileInfo(archiveFile).absoluteFilePath());
    for (const QString& entry : patterns) {
        QString pattern = entry.trimmed();
        const QRegularExpressionMatch m = recursiveSwitch.match(pattern);
        const bool recursive = m.hasMatch();
        if (recursive)
            pattern = pattern.left(m.capturedStart()).trimmed();
        if (pattern.isEmpty())
            continue;
        const QFileInfo info(pattern);
        QString mask = pattern.endsWith(QLatin1Char('/')) ? QString() : info.fileName();
        if (mask.isEmpty() || mask == QLatin1String("*.*"))
            mask = QStringLiteral("*");
        const QString folder = pattern.endsWith(QLatin1Char('/')) ? QDir(pattern).absolutePath() : info.absolutePath();
        e.expand(folder, mask, recursive);
    }
    return e.paths;
}

} // namespace arkivo::backup
