#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace arkivo::test {

// A folder of small alarm files that exist until the test ends.
class AlarmFiles {
public:
    QString make(const QString& name, const QByteArray& content = "x") {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }
    QString missing(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace arkivo::test
