// Damaged archives end with the error's text: no crash, no hang, and no
// half-restored file under its real name.

#include "backup/backup_file.h"

#include "backup_fixture.h"

#include <functional>

using namespace arkivo::backup;
using namespace backup_test;

namespace {

class Damaged : public TempFolder {};

// The first file of every case is whole; the second is "/d/b.txt", where the
// damage sits after one good block.
struct Case {
    const char* what;
    std::function<void(layout::Writer&)> second; // writes the damaged second record
    int error;
    bool dropVolume2 = false;
    // Damage in place of the next record's name: the first file might have
    // gone on in a next volume, so it is not taken as whole.
    bool firstKept = true;
};

TEST_F(Damaged, EachKindOfDamageEndsWithItsError) {
    const std::string good = text(20000);
    const std::string big = text(20000);
    auto record = [](layout::Writer& w) {
        w.recordStart("/d/b.txt", kDos20240506);
        w.segmentStart();
        w.compressedBlock(text(16384));
    };
    const Case cases[] = {
        {"negative name length", [](layout::Writer& w) { w.int32(-5); }, errInvalidArchive, false, false},
        {"name length above 4096",
         [](layout::Writer& w) {
             w.int32(5000);
             w.raw(std::string(5000, 'x'));
         },
         errInvalidArchive, false, false},
        {"block longer than a chunk",
         [&](layout::Writer& w) {
             record(w);
             w.int32(16385);
             w.raw(std::string(16385, 'x'));
         },
         errInvalidArchive},
        {"stored block longer than a chunk",
         [&](layout::Writer& w) {
             record(w);
             w.int32(-16385);
             w.raw(std::string(16385, 'x'));
         },
         errInvalidArchive},
        {"chunk inflating beyond 16 384 bytes",
         [&](layout::Writer& w) {
             record(w);
             w.compressedBlock(big);
         },
         errCompression},
        {"wrong Adler-32",
         [&](layout::Writer& w) {
             record(w);
             std::string z = layout::zlibCompress(text(1000), 6);
             z.back() ^= 1;
             w.int32(int32_t(z.size()));
             w.raw(z);
             w.segmentEnd();
             w.end();
         },
         errCompression},
        {"not zlib at all",
         [&](layout::Writer& w) {
             record(w);
             w.int32(100);
             w.raw(randomBytes(100));
         },
         errCompression},
        {"cut in a block",
         [&](layout::Writer& w) {
             record(w);
             w.int32(500);
             w.raw(std::string(20, 'x'));
         },
         errInvalidArchive},
        {"cut after a block", [&](layout::Writer& w) { record(w); }, errInvalidArchive},
        {"cut before the end marker",
         [&](layout::Writer& w) {
             record(w);
             w.segmentEnd();
         },
         errInvalidArchive},
        {"missing segment tag",
         [](layout::Writer& w) {
             w.recordStart("/d/b.txt", kDos20240506);
             w.raw("XYZ");
             w.int32(0);
         },
         errInvalidArchive},
        {"bad continuation number",
         [&](layout::Writer& w) {
             record(w);
             w.segmentEnd();
             w.int32(12);
             w.raw("NEXT:DISKx2y");
         },
         errInvalidArchive},
        {"continuation back to the same volume",
         [&](layout::Writer& w) {
             record(w);
             w.segmentEnd();
             w.nextDisk(1);
         },
         errInvalidArchive},
        {"missing volume",
         [&](layout::Writer& w) {
             record(w);
             w.segmentEnd();
             w.nextDisk(2);
         },
         errCannotReadArchive, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(path("out")).removeRecursively();
        layout::Writer w;
        w.header("Vahingoittunut", 40000, 2);
        w.recordStart("/d/a.txt", kDos20240506);
        w.segmentStart();
        w.compressedBlock(good.substr(0, 16384));
        w.storedBlock(good.substr(16384));
        w.segmentEnd();
        c.second(w);
        layout::writeFile(spath("v.var"), w.out);
        QFile::remove(path("v.002"));

        TBackupFile engine;
        int reported = 0;
        engine.OnError = [&](TBackupFile&, int code, const QString&) {
            ++reported;
            EXPECT_EQ(code, c.error);
        };
        EXPECT_FALSE(engine.Restore(path("v.var"), path("out")));
        EXPECT_EQ(reported, 1);
        EXPECT_EQ(engine.ErrorCode(), c.error);
        EXPECT_TRUE(engine.ErrorText().startsWith(errorText(c.error)));
        // The whole first file is there; nothing of the second, not even a temporary.
        EXPECT_EQ(filesUnder("out"), c.firstKept ? QStringList{"a.txt"} : QStringList());

        TBackupFile tester;
        EXPECT_FALSE(tester.Test(path("v.var")));
        EXPECT_EQ(tester.ErrorCode(), c.error);
        if (!c.dropVolume2 && c.error != errInvalidArchive) {
            EXPECT_EQ(tester.ErrorFile(), "/d/b.txt");
        }
    }
}

TEST_F(Damaged, UnreadableHeaderIsReportedAsUnreadableArchive) {
    for (const std::string& bytes :
         {std::string("\x05\0\0\0ab", 6), std::string("\xff\xff\xff\xff", 4), std::string()}) {
        layout::writeFile(spath("h.var"), bytes);
        TBackupFile engine;
        EXPECT_FALSE(engine.Restore(path("h.var"), path("out")));
        EXPECT_EQ(engine.ErrorCode(), errCannotReadArchive);
        QString title = "x";
        engine.GetArchiveInfo(path("h.var"), nullptr, title);
        EXPECT_EQ(engine.ErrorCode(), errInvalidArchive);
        EXPECT_EQ(title, QString());
    }
    TBackupFile engine;
    QString title;
    engine.GetArchiveInfo(path("puuttuu.var"), nullptr, title);
    EXPECT_EQ(engine.ErrorCode(), errCannotReadArchive);
    EXPECT_FALSE(engine.Restore(path("puuttuu.var"), path("out")));
    EXPECT_EQ(engine.ErrorCode(), 0); // no archive: false at once, nothing to report
}

TEST_F(Damaged, IndependentWriterArchiveWithVolumesIsRestored) {
    // Stored and compressed blocks, the second file continued in volume 2 and 3.
    const std::string a = text(30000), b = randomBytes(40000);
    layout::Writer v1, v2, v3;
    v1.header("Toinen kirjoittaja", 70000, 2);
    v1.recordStart(spath("src/a.txt"), kDos20240506);
    v1.segmentStart();
    v1.compressedBlock(a.substr(0, 16384), 9);
    v1.compressedBlock(a.substr(16384), 0);
    v1.segmentEnd();
    v1.recordStart(spath("src/b.bin"), kDos20240506);
    v1.segmentStart();
    v1.storedBlock(b.substr(0, 16384));
    v1.segmentEnd();
    v1.nextDisk(2);
    v2.segmentStart();
    v2.storedBlock(b.substr(16384, 16384));
    v2.segmentEnd();
    v2.nextDisk(3);
    v3.segmentStart();
    v3.compressedBlock(b.substr(32768));
    v3.segmentEnd();
    v3.end();
    layout::writeFile(spath("w.var"), v1.out);
    layout::writeFile(spath("w.002"), v2.out);
    layout::writeFile(spath("w.003"), v3.out);

    TBackupFile engine;
    ASSERT_TRUE(engine.Restore(path("w.var"), QString())); // to the stored paths
    EXPECT_EQ(get("src/a.txt"), a);
    EXPECT_EQ(get("src/b.bin"), b);
    EXPECT_EQ(engine.ProcessedFiles(), 2);
    EXPECT_TRUE(engine.Test(path("w.var")));
}

} // namespace
