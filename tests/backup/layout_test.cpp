// The archive bytes the engine writes, checked against the layout by hand
// and by the independent reader.

#include "backup/backup_file.h"

#include "backup_fixture.h"

#include <QThread>

#include <vector>

using namespace arkivo::backup;
using namespace backup_test;

namespace {

class Layout : public TempFolder {};

TEST_F(Layout, EmptyFileGivesNameDateAndEmptySegment) {
    const QString file = put("tyhja.txt", "", at20240506());
    TBackupFile engine;
    engine.setBackupTitle("Kopio");
    ASSERT_TRUE(engine.Backup({file}, path("a.var")));

    layout::Writer expected;
    expected.header("Kopio", 0, 1);
    expected.recordStart(file.toStdString(), kDos20240506);
    expected.segmentStart();
    expected.segmentEnd();
    expected.end();
    EXPECT_EQ(get("a.var"), expected.out);
    EXPECT_EQ(engine.WrittenBytes(), 4);
    EXPECT_EQ(engine.CompressionRate(), 0); // nothing to pack: no division by zero
}

TEST_F(Layout, BlocksAreCompressedOrStoredWithNegativeLength) {
    const std::string noise = randomBytes(20000);
    const std::string prose = text(40000);
    TBackupFile engine;
    ASSERT_TRUE(engine.Backup({put("noise.bin", noise), put("prose.txt", prose)}, path("a.var")));

    const layout::Archive a = layout::read(spath("a.var"));
    ASSERT_EQ(a.records.size(), 2u);
    // A short last chunk fits the 16 384-byte area even when it grows.
    EXPECT_EQ(a.records[0].blockLengths, (std::vector<int32_t>{-16384, 3616 + 11}));
    EXPECT_EQ(a.records[0].data, noise);
    ASSERT_EQ(a.records[1].blockLengths.size(), 3u);
    for (int32_t b : a.records[1].blockLengths)
        EXPECT_GT(b, 0);
    EXPECT_EQ(a.records[1].data, prose);
    EXPECT_EQ(a.totalSize, 60000);
}

TEST_F(Layout, CompressionRateCountsTagAndBlockHeaders) {
    // 1000 bytes that deflate at level 1 into a 92-byte stream.
    std::string data(1000, '\0');
    for (int i = 0; i < 1000; ++i)
        data[size_t(i)] = char('a' + (i * i / 7) % 15);
    TBackupFile engine;
    ASSERT_TRUE(engine.Backup({put("a.txt", data)}, path("a.var")));
    ASSERT_EQ(layout::read(spath("a.var")).records[0].blockLengths, std::vector<int32_t>{92});
    EXPECT_EQ(engine.WrittenBytes(), 4 + 96);
    EXPECT_EQ(engine.CompressionRate(), 90);
}

TEST_F(Layout, IndependentReaderReadsEverythingIncludingTheFileIdList) {
    const QString a = put("d/a.txt", text(50000), at20240506());
    const QString b = put("d/Iso Kirjain.BIN", randomBytes(30000), at20240506());
    TBackupFile engine;
    engine.setBackupTitle("Viikon kopio äö");
    engine.setSaveFileID(true);
    ASSERT_TRUE(engine.Backup({path("d/*.*")}, path("k.var")));

    const layout::Archive arc = layout::read(spath("k.var"));
    EXPECT_EQ(arc.title, "Viikon kopio äö");
    EXPECT_EQ(arc.fileCount, 2);
    ASSERT_EQ(arc.records.size(), 3u);
    EXPECT_EQ(arc.records[0].name, "FILE:LIST");
    const std::string list = b.toStdString() + "\t" + std::to_string(kDos20240506) + "=30000\r\n" + a.toStdString() +
                             "\t" + std::to_string(kDos20240506) + "=50000\r\n";
    EXPECT_EQ(arc.records[0].data, list);
    EXPECT_EQ(arc.totalSize, int32_t(80000 + list.size()));
    EXPECT_EQ(arc.records[1].name, b.toStdString()); // case kept
    EXPECT_EQ(arc.records[2].data, text(50000));

    QStringList ids;
    QString title;
    engine.GetArchiveInfo(path("k.var"), &ids, title);
    EXPECT_EQ(title, QString::fromUtf8("Viikon kopio äö"));
    EXPECT_EQ(engine.FileCount(), 2);
    EXPECT_EQ(ids, (QStringList{b + "\t" + QString::number(kDos20240506) + "=30000",
                                a + "\t" + QString::number(kDos20240506) + "=50000"}));
}

struct Recorded {
    std::vector<std::string> volumes;
    std::vector<std::pair<QString, int>> progress;
    bool allOnCallerThread = true;
};

Recorded backupWith(int threads, const QStringList& patterns, const QString& archive, qint32 maxSize) {
    Recorded run;
    TBackupFile engine;
    engine.setThreads(threads);
    engine.setMaxSize(maxSize);
    engine.setSaveFileID(true);
    QThread* caller = QThread::currentThread();
    engine.OnProgress = [&](TBackupFile&, const QString& name, TPercentage p, bool&) {
        run.progress.emplace_back(name, int(p));
        run.allOnCallerThread = run.allOnCallerThread && QThread::currentThread() == caller;
    };
    engine.OnNeedDisk = [&](TBackupFile&, quint16, bool&) {
        run.allOnCallerThread = run.allOnCallerThread && QThread::currentThread() == caller;
    };
    EXPECT_TRUE(engine.Backup(patterns, archive));
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? archive.toStdString() : layout::volumeName(archive.toStdString(), n);
        if (!QFileInfo::exists(QString::fromStdString(name)))
            break;
        run.volumes.push_back(layout::readFile(name));
    }
    return run;
}

TEST_F(Layout, ParallelRunWritesTheSameBytesAndEventsAsOneThread) {
    put("src/big.txt", text(900000));
    put("src/noise.bin", randomBytes(300000));
    for (int i = 0; i < 40; ++i)
        put(QString("src/small/%1.txt").arg(i), text(size_t(i * 97)));
    const QStringList patterns{path("src/* /s")};

    const Recorded one = backupWith(1, patterns, path("one.var"), 0);
    const Recorded many = backupWith(4, patterns, path("many.var"), 0);
    EXPECT_EQ(one.volumes, many.volumes);
    EXPECT_EQ(one.progress, many.progress);
    EXPECT_TRUE(many.allOnCallerThread);

    const Recorded oneSpanned = backupWith(1, patterns, path("s1.var"), 100000);
    const Recorded manySpanned = backupWith(4, patterns, path("s4.var"), 100000);
    EXPECT_GT(oneSpanned.volumes.size(), 2u);
    EXPECT_EQ(oneSpanned.volumes, manySpanned.volumes);
    EXPECT_TRUE(manySpanned.allOnCallerThread);
}

} // namespace
