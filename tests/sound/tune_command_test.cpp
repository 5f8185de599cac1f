// Runs the arkivo-tune program itself.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TuneRun {
    int exitCode;
    QByteArray output; // stdout and stderr
};

TuneRun tune(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ARKIVO_TONE", "none");
    p.setProcessEnvironment(env);
    p.start(ARKIVO_TUNE_PATH, args);
    EXPECT_TRUE(p.waitForFinished(10000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}

TEST(TuneCommandTest, WritesTheWavOfATune)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    const TuneRun r = tune({"--wav", path, "O4N4C8"});
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(QFile(path).size(), 44 + 2 * 5645); // 128 ms
}

TEST(TuneCommandTest, BadNotationPrintsTheErrorAndFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    for (const QStringList& args : {QStringList{"E#"}, QStringList{"--wav", path, "E#"}}) {
        const TuneRun r = tune(args);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(r.output, "Virhe nuotituksessa!\n");
    }
    EXPECT_FALSE(QFile::exists(path)); // nothing half-rendered is left behind
}

} // namespace
