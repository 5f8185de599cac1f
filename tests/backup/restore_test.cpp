// Restoring: the five modes, where files go, and what is never written.

#include "backup/backup_file.h"
#include "backup/restore_target.h"

#include "backup_fixture.h"

using namespace arkivo::backup;
using namespace backup_test;

namespace {

class Restoring : public TempFolder {
protected:
    // An archive from the independent writer: one file, stored on 2024-05-06.
    QString oneFileArchive(const std::string& storedName, const std::string& data) {
        layout::Writer w;
        w.header("T", int32_t(data.size()), 1);
        w.recordStart(storedName, kDos20240506);
        w.segmentStart();
        w.compressedBlock(data);
        w.segmentEnd();
        w.end();
        layout::writeFile(spath("one.var"), w.out);
        return path("one.var");
    }
};

TEST_F(Restoring, FiveModesDecideByExistenceAndDate) {
    enum Existing { None, Older, Newer };
    struct Case {
        TRestoreMode mode;
        Existing existing;
        bool restored;
    };
    const Case cases[] = {
        {rmAll, None, true},
        {rmAll, Older, true},
        {rmAll, Newer, true},
        {rmNoOverwrite, None, true},
        {rmNoOverwrite, Older, false},
        {rmNoOverwrite, Newer, false},
        {rmNewer, None, true},
        {rmNewer, Older, true},
        {rmNewer, Newer, false},
        {rmExisting, None, false},
        {rmExisting, Older, true},
        {rmExisting, Newer, true},
        {rmExistingNewer, None, false},
        {rmExistingNewer, Older, true},
        {rmExistingNewer, Newer, false},
    };
    const QString archive = oneFileArchive("/vanha/paikka/kirje.txt", "uusi sisältö");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " existing " << c.existing);
        QFile::remove(path("out/kirje.txt"));
        if (c.existing != None)
            put("out/kirje.txt", "vanha", at20240506().addDays(c.existing == Older ? -1 : 1));
        TBackupFile engine;
        engine.setRestoreMode(c.mode);
        EXPECT_TRUE(engine.Restore(archive, path("out")));
        const bool restored = QFileInfo::exists(path("out/kirje.txt")) && get("out/kirje.txt") == "uusi sisältö";
        EXPECT_EQ(restored, c.restored);
        EXPECT_EQ(engine.ProcessedFiles(), c.restored ? 1 : 0);
    }
}

TEST_F(Restoring, TargetPathsNeverLeaveTheFolder) {
    struct Case {
        const char* stored;
        const char* folder;
        bool fullPath;
        const char* expected; // nullptr: skipped
    };
    const Case cases[] = {
        {"/home/maija/a.txt", "", false, "/home/maija/a.txt"},
        {"/home/maija/a.txt", "/palautus/", false, "/palautus/a.txt"},
        {"/home/maija/a.txt", "/palautus/", true, "/palautus/home/maija/a.txt"},
        {"c:\\data\\a.txt", "/palautus/", true, "/palautus/data/a.txt"},
        {"c:\\data\\a.txt", "/palautus/", false, "/palautus/a.txt"},
        {"c:\\data\\a.txt", "", false, nullptr},  // no original place here
        {"suhteellinen.txt", "", false, nullptr}, // nor for a relative name
        {"/home/../etc/passwd", "", false, nullptr},
        {"/home/maija/../../etc/passwd", "/palautus/", true, nullptr},
        {"c:\\..\\..\\x.txt", "/palautus/", true, nullptr},
        {"/home/maija/..", "/palautus/", false, nullptr},
        {"/", "/palautus/", false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const RestoreTarget t = restoreTarget(QString::fromUtf8(c.stored), QString::fromUtf8(c.folder), c.fullPath);
        EXPECT_EQ(t.safe, c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(t.path, QString::fromUtf8(c.expected));
        }
    }
    EXPECT_FALSE(restoreTarget(QString("/home/a") + QChar(0) + "b.txt", "/palautus/", false).safe);
}

TEST_F(Restoring, FullPathBelowTheFolderAndStoredDate) {
    TBackupFile engine;
    engine.setRestoreFullPath(true);
    ASSERT_TRUE(engine.Restore(oneFileArchive("c:\\data\\a.txt", "sisältö"), path("out")));
    EXPECT_EQ(get("out/data/a.txt"), "sisältö");
    EXPECT_EQ(QFileInfo(path("out/data/a.txt")).lastModified(), at20240506());
}

TEST_F(Restoring, UnsafeRecordIsSkippedNamedAndTheRestRestored) {
    layout::Writer w;
    w.header("T", 2, 2);
    for (const char* name : {"/x/../../pako.txt", "/x/hyva.txt"}) {
        w.recordStart(name, kDos20240506);
        w.segmentStart();
        w.storedBlock("ok");
        w.segmentEnd();
    }
    w.end();
    layout::writeFile(spath("a.var"), w.out);
    TBackupFile engine;
    engine.setRestoreFullPath(true);
    int reports = 0;
    engine.OnError = [&](TBackupFile&, int code, const QString& text) {
        ++reports;
        EXPECT_EQ(code, errCannotReadFile);
        EXPECT_EQ(text, "Cannot read file: /x/../../pako.txt");
    };
    EXPECT_FALSE(engine.Restore(path("a.var"), path("out/sisa")));
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(filesUnder("out"), QStringList{"sisa/x/hyva.txt"});
}

TEST_F(Restoring, HandlersMayRedirectOrVetoAndSeeTheOpenFile) {
    layout::Writer w;
    w.header("T", 4, 2);
    for (const char* name : {"/a/yksi.txt", "/a/kaksi.txt"}) {
        w.recordStart(name, kDos20240506);
        w.segmentStart();
        w.storedBlock("data");
        w.segmentEnd();
    }
    w.end();
    layout::writeFile(spath("a.var"), w.out);
    TBackupFile engine;
    engine.OnRestoreFile = [&](TBackupFile&, QString& name, qint32 fa, bool& doRestore) {
        EXPECT_EQ(quint32(fa), kDos20240506);
        if (name.endsWith("kaksi.txt"))
            doRestore = false;
        else
            name = path("muualle/yksi.txt");
    };
    engine.OnFileRestored = [&](TBackupFile&, QString& name, QFile& stream) {
        EXPECT_EQ(name, path("muualle/yksi.txt"));
        stream.write("+loppu");
    };
    ASSERT_TRUE(engine.Restore(path("a.var"), path("out")));
    EXPECT_EQ(get("muualle/yksi.txt"), "data+loppu");
    EXPECT_EQ(filesUnder("out"), QStringList());
}

TEST_F(Restoring, StopLeavesNoHalfWrittenFile) {
    const std::string data = text(400000);
    TBackupFile writer;
    ASSERT_TRUE(writer.Backup({put("src/iso.txt", data)}, path("a.var")));
    put("out/iso.txt", "edellinen versio");
    TBackupFile engine;
    engine.OnProgress = [](TBackupFile& e, const QString&, TPercentage p, bool&) {
        if (p > 10 && p < 100)
            e.Stop();
    };
    EXPECT_FALSE(engine.Restore(path("a.var"), path("out")));
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(get("out/iso.txt"), "edellinen versio");
    EXPECT_EQ(filesUnder("out"), QStringList{"iso.txt"});
}

TEST_F(Restoring, StoppedBackupLeavesTheOldArchive) {
    put("a.var", "vanha arkisto");
    TBackupFile engine;
    engine.OnProgress = [](TBackupFile&, const QString&, TPercentage p, bool& cont) { cont = p < 20 || p == 100; };
    EXPECT_FALSE(engine.Backup({put("src/iso.txt", text(400000))}, path("a.var")));
    EXPECT_EQ(get("a.var"), "vanha arkisto");
    EXPECT_EQ(filesUnder(""), (QStringList{"a.var", "src/iso.txt"}));
}

} // namespace
