// arkivo-backup as a script runs it: exit status, output, and the archive.

#include "backup_fixture.h"

#include <QProcess>

using namespace backup_test;

namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

class Command : public TempFolder {
protected:
    Result run(const QStringList& args) {
        QProcess p;
        p.setStandardInputFile(QProcess::nullDevice()); // no terminal: volumes are never asked
        p.start(ARKIVO_BACKUP_COMMAND, args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
};

TEST_F(Command, CreateListTestExtract) {
    put("src/a.txt", text(70000), at20240506());
    put("src/sub/b.bin", randomBytes(50000), at20240506());

    Result r = run({"create", "--title", "Yökopio", "--level", "9", "--volume-size", "65536", "--file-ids",
                    path("k.var"), path("src/* /s")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(path("k.002")));

    r = run({"list", path("k.var")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("Title: Yökopio\nFiles: 2\n"));
    EXPECT_TRUE(r.out.contains(path("src/sub/b.bin") + "\t2024-05-06 10:20:30\t50000\n"));

    r = run({"test", path("k.var")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();

    r = run({"extract", "--to", path("out"), "--full-path", "--mode", "no-overwrite", path("k.var")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QString restored = path("out") + path("src/sub/b.bin");
    EXPECT_EQ(layout::readFile(restored.toStdString()), get("src/sub/b.bin"));
}

TEST_F(Command, FailuresExitNonZeroWithTheEngineMessage) {
    put("src/a.txt", randomBytes(100000));
    ASSERT_EQ(run({"create", "--volume-size", "65536", path("k.var"), path("src/a.txt")}).status, 0);
    QFile::remove(path("k.002"));

    struct Case {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{"test", path("k.var")}, "Cannot read archive: " + path("k.002")},
        {{"extract", "--to", path("out"), path("k.var")}, "Cannot read archive: " + path("k.002")},
        {{"list", path("puuttuu.var")}, "Cannot read archive"},
        {{"create", path("x.var"), path("src/ei-ole/*.txt")}, ""},
        {{"create", "--level", "4", path("x.var"), path("src/a.txt")}, "--level takes 0, 1, 6 or 9"},
        {{"extract", "--mode", "sometimes", path("k.var")}, "unknown mode: sometimes"},
        {{"pack", path("k.var")}, "unknown command: pack"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Result r = run(c.args);
        if (c.message.isEmpty()) {
            EXPECT_EQ(r.status, 0); // no files matched: an empty archive
            continue;
        }
        EXPECT_NE(r.status, 0);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path("out/a.txt")));
}

} // namespace
