// arkivo-backup: the archive engine on the command line, for scripts and cron.

#include "backup/backup_file.h"

#include "common/dos_datetime.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

using namespace arkivo::backup;

namespace {

const char* const kUsage =
    "usage:\n"
    "  arkivo-backup create [--title T] [--level 0|1|6|9] [--volume-size BYTES] [--file-ids] ARCHIVE PATTERN...\n"
    "  arkivo-backup list ARCHIVE\n"
    "  arkivo-backup extract [--to DIR] [--full-path] [--mode all|no-overwrite|newer|existing|existing-newer] "
    "ARCHIVE\n"
    "  arkivo-backup test ARCHIVE\n"
    "A PATTERN is a file, or a folder and a mask (\"/home/me/docs/*.txt\"); a trailing \" /s\" takes subfolders too.\n"
    "--threads N sets the number of compression threads (default: one per core).\n";

void say(FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

int usage(const QString& problem) {
    if (!problem.isEmpty())
        say(stderr, QStringLiteral("arkivo-backup: ") + problem);
    std::fputs(kUsage, stderr);
    return 2;
}

// Volume questions on a terminal; without one a missing volume is an error.
class TerminalPrompts final : public BackupPrompts {
public:
    void showError(const QString& text) override { say(stderr, QStringLiteral("arkivo-backup: ") + text); }
    bool askForDisk(const QString& text) override {
        say(stderr, text + QStringLiteral(" [OK: Enter, Cancel: q]"));
        std::string line;
        if (!std::getline(std::cin, line))
            return false;
        return line != "q" && line != "Q";
    }
};

struct Options {
    QString command;
    QStringList positional;
    QString title;
    int level = 1;
    qint64 volumeSize = 0;
    bool fileIds = false;
    QString to;
    bool fullPath = false;
    TRestoreMode mode = rmAll;
    int threads = 0;
};

bool parse(const QStringList& args, Options& o, QString& problem) {
    if (args.isEmpty()) {
        problem = QStringLiteral("no command");
        return false;
    }
    o.command = args.first();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) {
                problem = a + QStringLiteral(" needs a value");
                return false;
            }
            out = args[++i];
            return true;
        };
        QString v;
        bool ok = true;
        if (a == QLatin1String("--title")) {
            if (!value(o.title))
                return false;
        } else if (a == QLatin1String("--level")) {
            if (!value(v))
                return false;
            o.level = v.toInt(&ok);
            if (!ok || (o.level != 0 && o.level != 1 && o.level != 6 && o.level != 9)) {
                problem = QStringLiteral("--level takes 0, 1, 6 or 9");
                return false;
            }
        } else if (a == QLatin1String("--volume-size")) {
            if (!value(v))
                return false;
            o.volumeSize = v.toLongLong(&ok);
            // A volume must hold at least one chunk besides its slack.
            if (!ok || (o.volumeSize != 0 && (o.volumeSize < 65536 || o.volumeSize > 0x7fffffff))) {
                problem = QStringLiteral("--volume-size takes 0 or 65536 to 2147483647 bytes");
                return false;
            }
        } else if (a == QLatin1String("--threads")) {
            if (!value(v))
                return false;
            o.threads = v.toInt(&ok);
            if (!ok || o.threads < 1) {
                problem = QStringLiteral("--threads takes a positive number");
                return false;
            }
        } else if (a == QLatin1String("--file-ids")) {
            o.fileIds = true;
        } else if (a == QLatin1String("--to")) {
            if (!value(o.to))
                return false;
        } else if (a == QLatin1String("--full-path")) {
            o.fullPath = true;
        } else if (a == QLatin1String("--mode")) {
            if (!value(v))
                return false;
            static const QStringList modes = {"all", "no-overwrite", "newer", "existing", "existing-newer"};
            const int m = modes.indexOf(v);
            if (m < 0) {
                problem = QStringLiteral("unknown mode: ") + v;
                return false;
            }
            o.mode = TRestoreMode(m);
        } else if (a.startsWith(QLatin1String("--"))) {
            problem = QStringLiteral("unknown option: ") + a;
            return false;
        } else {
            o.positional << a;
        }
    }
    return true;
}

int create(TBackupFile& engine, const Options& o) {
    if (o.positional.size() < 2)
        return usage(QStringLiteral("create needs an archive and at least one file specification"));
    engine.setBackupTitle(o.title);
    engine.setCompressionLevel(o.level == 0 ? clNone : o.level == 6 ? clDefault : o.level == 9 ? clMax : clFastest);
    engine.setMaxSize(qint32(o.volumeSize));
    engine.setSaveFileID(o.fileIds);
    if (!engine.Backup(o.positional.mid(1), o.positional.first()))
        return 1;
    say(stdout, QStringLiteral("%1 files, %2 bytes, compression %3 %")
                    .arg(engine.ProcessedFiles())
                    .arg(engine.TotalSize())
                    .arg(engine.CompressionRate()));
    return 0;
}

int list(TBackupFile& engine, const Options& o) {
    if (o.positional.size() != 1)
        return usage(QStringLiteral("list needs one archive"));
    QStringList ids;
    QString title;
    engine.GetArchiveInfo(o.positional.first(), &ids, title);
    if (engine.ErrorCode() != 0)
        return 1;
    say(stdout, QStringLiteral("Title: ") + title);
    say(stdout, QStringLiteral("Files: %1").arg(engine.FileCount()));
    say(stdout, QStringLiteral("Total size: %1 bytes").arg(engine.TotalSize()));
    for (const QString& line : ids) {
        // path TAB packed date-time "=" size
        const int tab = line.indexOf(QLatin1Char('\t'));
        const int eq = line.indexOf(QLatin1Char('='), tab + 1);
        const QDateTime when = arkivo::fromDosDateTime(line.mid(tab + 1, eq - tab - 1).toUInt());
        say(stdout, line.left(tab) + QLatin1Char('\t') + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
                        QLatin1Char('\t') + line.mid(eq + 1));
    }
    return 0;
}

int extract(TBackupFile& engine, const Options& o, bool testOnly) {
    if (o.positional.size() != 1)
        return usage(QStringLiteral("%1 needs one archive").arg(o.command));
    const QString& archive = o.positional.first();
    engine.setRestoreMode(o.mode);
    engine.setRestoreFullPath(o.fullPath);
    if (testOnly) {
        if (!engine.Test(archive))
            return 1;
        say(stdout, QStringLiteral("%1: %2 files intact").arg(archive).arg(engine.ProcessedFiles()));
        return 0;
    }
    if (!engine.Restore(archive, o.to)) {
        if (engine.ErrorCode() == 0)
            say(stderr, QStringLiteral("arkivo-backup: %1: restore ended").arg(archive));
        return 1;
    }
    say(stdout, QStringLiteral("%1 of %2 files restored").arg(engine.ProcessedFiles()).arg(engine.FileCount()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    Options o;
    QString problem;
    if (!parse(args, o, problem))
        return usage(problem);

    TBackupFile engine;
    if (o.threads > 0)
        engine.setThreads(o.threads);
    engine.OnError = [](TBackupFile&, int, const QString& text) {
        say(stderr, QStringLiteral("arkivo-backup: ") + text);
    };
    TerminalPrompts prompts;
    if (o.command != QLatin1String("create") && ::isatty(STDIN_FILENO))
        engine.setPrompts(&prompts);

    if (o.command == QLatin1String("create"))
        return create(engine, o);
    if (o.command == QLatin1String("list"))
        return list(engine, o);
    if (o.command == QLatin1String("extract"))
        return extract(engine, o, false);
    if (o.command == QLatin1String("test"))
        return extract(engine, o, true);
    return usage(QStringLiteral("unknown command: ") + o.command);
}
