#pragma once

// Shared helpers of the archive tests: a temporary folder, files with chosen
// contents and dates, and a content that compresses well or not at all.

#include "layout_codec.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace backup_test {

inline std::string randomBytes(size_t n, unsigned seed = 1) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (auto& c : s)
        c = char(rng() & 0xff);
    return s;
}

inline std::string text(size_t n) {
    std::string s;
    int line = 0;
    while (s.size() < n)
        s += "Rivi " + std::to_string(line++) + ": varmuuskopio tiivistää tekstin hyvin.\n";
    s.resize(n);
    return s;
}

// 2024-05-06 10:20:30 as a packed DOS date-time, worked out by hand.
constexpr uint32_t kDos20240506 = (44u << 25) | (5u << 21) | (6u << 16) | (10u << 11) | (20u << 5) | 15u;
inline QDateTime at20240506() {
    return QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30));
}

class TempFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    std::string spath(const QString& name) const { return path(name).toStdString(); }

    QString put(const QString& name, const std::string& data, const QDateTime& when = QDateTime()) {
        const QString p = path(name);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data.data(), qint64(data.size()));
        f.flush();
        if (when.isValid())
            f.setFileTime(when, QFileDevice::FileModificationTime);
        f.close();
        return p;
    }
    std::string get(const QString& name) const { return layout::readFile(spath(name)); }
    // Every file under a folder, relative paths sorted: nothing stray left behind.
    QStringList filesUnder(const QString& folder) const {
        QStringList out;
        const QDir base(path(folder));
        QDirIterator it(base.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << base.relativeFilePath(it.next());
        out.sort();
        return out;
    }
};

} // namespace backup_test
