// Volumes of a limited size: where a volume closes, how the next is named,
// and restoring across them.

#include "backup/backup_file.h"

#include "backup_fixture.h"

using namespace arkivo::backup;
using namespace backup_test;

namespace {

class Spanning : public TempFolder {};

// One random file of 100 stored blocks of 16 388 bytes each. Before a block
// the position is 24 + title + name + 16 388 k; the volume closes once that
// reaches 1 400 000 - 16 484 = 1 383 516, which 84 blocks do exactly when
// title + name = 6 900 bytes, and one byte less needs an 85th block.
TEST_F(Spanning, VolumeClosesOnceItReaches1383516Bytes) {
    struct Case {
        int titleAndName;
        int blocksInFirst;
        qint64 firstSize;
    };
    for (const Case c : {Case{6900, 84, 1383516 + 4 + 16}, Case{6899, 85, 1399903 + 4 + 16}}) {
        SCOPED_TRACE(c.titleAndName);
        const std::string data = randomBytes(100 * 16384);
        const QString file = put("r.bin", data);
        const QString archive = path("levy.var");
        TBackupFile engine;
        engine.setMaxSize(1400000);
        engine.setBackupTitle(QString(c.titleAndName - int(file.toUtf8().size()), QLatin1Char('T')));
        std::vector<int> asked;
        engine.OnNeedDisk = [&](TBackupFile&, quint16 disk, bool&) { asked.push_back(disk); };
        ASSERT_TRUE(engine.Backup({file}, archive));

        EXPECT_EQ(asked, std::vector<int>{2});
        EXPECT_EQ(QFileInfo(archive).size(), c.firstSize);
        const std::string first = get("levy.var");
        EXPECT_EQ(first.substr(first.size() - 16), std::string("\x0c\0\0\0NEXT:DISK002", 16));
        EXPECT_TRUE(QFileInfo::exists(path("levy.002")));
        EXPECT_FALSE(QFileInfo::exists(path("levy.003")));
        EXPECT_EQ(get("levy.002").substr(0, 4), std::string("EC2\0", 4));

        const layout::Archive a = layout::read(archive.toStdString());
        EXPECT_EQ(a.volumes, 2);
        EXPECT_EQ(a.records[0].data, data);
        QFile::remove(archive);
        QFile::remove(path("levy.002"));
    }
}

class SpannedArchive : public Spanning {
protected:
    std::string big = randomBytes(700000);
    std::string small = text(5000);
    void SetUp() override {
        put("src/a_big.bin", big, at20240506());
        put("src/b_small.txt", small, at20240506());
        TBackupFile engine;
        engine.setMaxSize(300000);
        ASSERT_TRUE(engine.Backup({path("src/*")}, path("arc.var")));
        ASSERT_TRUE(QFileInfo::exists(path("arc.003")));
    }
};

TEST_F(SpannedArchive, RestoresAcrossVolumesWithDatesAndNothingElse) {
    TBackupFile engine;
    ASSERT_TRUE(engine.Restore(path("arc.var"), path("out")));
    EXPECT_EQ(get("out/a_big.bin"), big);
    EXPECT_EQ(get("out/b_small.txt"), small);
    EXPECT_EQ(QFileInfo(path("out/a_big.bin")).lastModified(), at20240506());
    EXPECT_EQ(filesUnder("out"), (QStringList{"a_big.bin", "b_small.txt"}));
    EXPECT_EQ(engine.ProcessedFiles(), 2);
}

TEST_F(SpannedArchive, SkippingTheSpannedFileOnlySkipsItsContinuation) {
    put("out/a_big.bin", "keep me");
    TBackupFile engine;
    engine.setRestoreMode(rmNoOverwrite);
    ASSERT_TRUE(engine.Restore(path("arc.var"), path("out")));
    EXPECT_EQ(get("out/a_big.bin"), "keep me");
    EXPECT_EQ(get("out/b_small.txt"), small);
    EXPECT_EQ(engine.ProcessedFiles(), 1);
}

TEST_F(SpannedArchive, MissingVolumeIsAnErrorWithNothingHalfWritten) {
    QFile::rename(path("arc.002"), path("elsewhere.002"));
    TBackupFile engine;
    EXPECT_FALSE(engine.Restore(path("arc.var"), path("out")));
    EXPECT_EQ(engine.ErrorCode(), errCannotReadArchive);
    EXPECT_TRUE(engine.ErrorText().contains("arc.002"));
    EXPECT_EQ(filesUnder("out"), QStringList());
}

TEST_F(SpannedArchive, AskedVolumeCanBeBroughtOrRefused) {
    struct Case {
        bool bring;
        bool result;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        QFile::rename(path("arc.002"), path("elsewhere.002"));
        QDir(path("out")).removeRecursively();
        TBackupFile engine;
        int asked = 0;
        engine.OnNeedDisk = [&](TBackupFile&, quint16 disk, bool& cont) {
            ++asked;
            EXPECT_EQ(disk, 2);
            if (c.bring)
                QFile::rename(path("elsewhere.002"), path("arc.002"));
            else
                cont = false;
        };
        EXPECT_EQ(engine.Restore(path("arc.var"), path("out")), c.result);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(engine.ErrorCode(), 0); // a refused volume is no error
        EXPECT_EQ(filesUnder("out").size(), c.result ? 2 : 0);
    }
}

TEST_F(Spanning, RefusedVolumeEndsTheBackup) {
    put("r.bin", randomBytes(400000));
    TBackupFile engine;
    engine.setMaxSize(200000);
    engine.OnNeedDisk = [](TBackupFile&, quint16, bool& cont) { cont = false; };
    EXPECT_FALSE(engine.Backup({path("r.bin")}, path("k.var")));
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(path("k.002")));
}

} // namespace
