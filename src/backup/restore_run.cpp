// Restore() and Test(): the reading half of the engine.

#include "backup/archive_format.h"
#include "backup/archive_io.h"
#include "backup/backup_file.h"
#include "backup/chunk_workers.h"
#include "backup/restore_target.h"

#include "common/dos_datetime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <deque>

namespace arkivo::backup {

namespace {

constexpr int kChunksInFlight = 64;

// A file being restored (or, when testing, checked without writing).
struct Target {
    QString path;   // where it goes; empty when only checked
    QString stored; // its name in the archive
    quint32 dosTime = 0;
    OutputFile out;
};

struct Pending {
    ChunkJob* job = nullptr; // a block to write, or null: the target is complete
    bool stored = false;
    std::shared_ptr<Target> target;
};

} // namespace

class RestoreReader {
public:
    RestoreReader(TBackupFile& engine, const QString& archive, const QString& folder, bool testOnly)
        : e(engine), m_archive(archive), m_folder(folder), m_testOnly(testOnly), m_workers(engine.m_threads) {
        m_jobs.resize(kChunksInFlight);
        for (auto& job : m_jobs) {
            job = std::make_unique<ChunkJob>();
            m_free.push_back(job.get());
        }
    }
    ~RestoreReader() {
        for (Pending& p : m_pending)
            if (p.job)
                m_workers.wait(p.job);
        for (Pending& p : m_pending)
            if (p.target)
                p.target->out.discard();
        if (m_current)
            m_current->out.discard();
    }

    bool run();

private:
    bool readHeader();
    void fileRecord(const QByteArray& name);
    void continuation(const QByteArray& name);
    bool readSegment(const std::shared_ptr<Target>& into);
    void finishCurrent();
    void writeOne();
    void drain() {
        while (!m_pending.empty())
            writeOne();
    }
    // An error found while reading ahead: what came before it in the archive
    // is written (and its own errors reported) first.
    void fail(int code, const QString& file) {
        drain();
        e.setError(code, file);
    }
    void damaged(const QString& file) { fail(errInvalidArchive, file); }

    TBackupFile& e;
    QString m_archive;
    QString m_folder;
    bool m_testOnly;
    InputFile m_in;
    int m_volume = 1;
    std::shared_ptr<Target> m_current; // the file whose segment may go on in the next volume
    QString m_currentStored;
    QSet<QString> m_pendingPaths;

    std::vector<std::unique_ptr<ChunkJob>> m_jobs;
    std::vector<ChunkJob*> m_free;
    std::deque<Pending> m_pending;
    ChunkWorkers m_workers;
};

bool RestoreReader::readHeader() {
    std::int32_t length = 0, total = 0, count = 0;
    QByteArray title;
    if (!m_in.readInt32(length) || length < 0 || length > kMaxNameLength)
        return false;
    title.resize(length);
    if (!m_in.read(title.data(), length) || !m_in.readInt32(total) || !m_in.readInt32(count))
        return false;
    e.m_totalSize = total;
    e.m_fileCount = count;
    e.m_processedBytes = 0;
    return true;
}

bool RestoreReader::run() {
    if (!m_in.open(m_archive))
        return false;
    if (!readHeader()) {
        e.setError(errCannotReadArchive);
        return false;
    }
    while (e.m_continue) {
        std::int32_t length = 0;
        if (!m_in.readInt32(length)) {
            damaged(m_currentStored);
            break;
        }
        if (length == 0)
            break;
        if (length < 0 || length > kMaxNameLength) {
            damaged(m_currentStored);
            break;
        }
        QByteArray name(length, Qt::Uninitialized);
        if (!m_in.read(name.data(), length)) {
            damaged(m_currentStored);
            break;
        }
        if (name.startsWith(kNextDiskName))
            continuation(name);
        else
            fileRecord(name);
    }
    if (e.m_continue)
        finishCurrent();
    drain();
    return e.m_error == 0 && e.m_continue;
}

void RestoreReader::fileRecord(const QByteArray& rawName) {
    finishCurrent();
    const QString stored = decodeStoredText(rawName);
    m_currentStored = stored;
    std::int32_t dosTime = 0;
    if (!m_in.readInt32(dosTime)) {
        damaged(stored);
        return;
    }
    auto target = std::make_shared<Target>();
    target->stored = stored;
    target->dosTime = quint32(dosTime);
    bool restore = true;
    if (!m_testOnly) {
        const RestoreTarget where = restoreTarget(stored, m_folder, e.m_restoreFullPath);
        if (rawName == kFileListName) {
            restore = false;
        } else if (!where.safe) {
            // Never written outside the chosen folder: skip it, say so at the end.
            restore = false;
            const bool cont = e.m_continue;
            e.setError(errCannotReadFile, stored);
            e.m_continue = cont;
        } else {
            target->path = where.path;
            if (m_pendingPaths.contains(target->path) || e.OnRestoreFile)
                drain(); // the decision must see what was restored before it
            restore = shouldRestore(target->path, target->dosTime, e.m_restoreMode);
            if (e.OnRestoreFile) {
                QString path = target->path;
                e.OnRestoreFile(e, path, dosTime, restore);
                target->path = path;
            }
            if (restore) {
                const QString folder = QFileInfo(target->path).absolutePath();
                QDir().mkpath(folder);
                restore = QFileInfo(folder).isDir();
            }
            if (restore && !target->out.create(target->path)) {
                fail(errCannotReadFile, target->path);
                return;
            }
        }
    }
    e.m_currentFile = restore ? (m_testOnly ? stored : target->path) : QString();
    if (restore) {
        m_current = target;
        m_pendingPaths.insert(target->path);
    }
    readSegment(restore ? target : nullptr);
}

void RestoreReader::continuation(const QByteArray& name) {
    bool digits = name.size() == kNextDiskRecordLength;
    const int number = digits ? name.mid(9, 3).toInt(&digits) : 0;
    // Volumes follow one another: a record pointing back would read them forever.
    if (!digits || number != m_volume + 1) {
        damaged(m_currentStored);
        return;
    }
    m_in.close();
    m_volume = number;
    const QString path = volumeName(m_archive, number);
    while (!QFileInfo(path).isFile()) {
        // Nobody to ask: the volume is missing.
        if (!e.OnNeedDisk && !e.m_prompts) {
            fail(errCannotReadArchive, path);
            return;
        }
        drain();
        if (!e.m_continue || !e.askForVolume(number)) {
            e.m_continue = false;
            return;
        }
    }
    if (!m_in.open(path)) {
        fail(errCannotReadArchive, path);
        return;
    }
    readSegment(m_current);
}

bool RestoreReader::readSegment(const std::shared_ptr<Target>& into) {
    char tag[4];
    if (!m_in.read(tag, 4) || memcmp(tag, kSegmentTag, 4) != 0) {
        damaged(m_currentStored);
        return false;
    }
    while (e.m_continue) {
        std::int32_t b = 0;
        if (!m_in.readInt32(b) || b < -kChunkSize || b > kChunkSize) {
            damaged(m_currentStored);
            return false;
        }
        if (b == 0)
            return true;
        const int size = b < 0 ? -b : b;
        if (!into) {
            if (!m_in.skip(size)) {
                damaged(m_currentStored);
                return false;
            }
            continue;
        }
        while (m_free.empty())
            writeOne();
        ChunkJob* job = m_free.back();
        if (!m_in.read(job->in, size)) {
            damaged(m_currentStored);
            return false;
        }
        m_free.pop_back();
        job->inSize = size;
        job->kind = ChunkJob::Kind::Inflate;
        if (b > 0)
            m_workers.submit(job);
        m_pending.push_back({job, b < 0, into});
    }
    return false;
}

// The current file is whole once the next record is not its continuation.
void RestoreReader::finishCurrent() {
    if (m_current)
        m_pending.push_back({nullptr, false, m_current});
    m_current.reset();
}

void RestoreReader::writeOne() {
    Pending p = m_pending.front();
    m_pending.pop_front();
    Target& t = *p.target;
    if (!p.job) {
        // Complete: hand it to the caller, date it and give it its name.
        m_pendingPaths.remove(t.path);
        if (!e.m_continue || m_testOnly) {
            if (e.m_continue && t.stored != QLatin1String(kFileListName))
                ++e.m_processedFiles;
            return;
        }
        if (e.OnFileRestored) {
            QString name = t.path;
            QFile stream;
            if (t.out.flush() && stream.open(t.out.handle(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
                stream.seek(stream.size());
                e.OnFileRestored(e, name, stream);
                stream.flush();
            }
        }
        t.out.setModified(fromDosDateTime(t.dosTime));
        if (!t.out.commit()) {
            e.setError(errCannotReadFile, t.path);
            return;
        }
        ++e.m_processedFiles;
        return;
    }
    ChunkJob* job = p.job;
    if (!p.stored)
        m_workers.wait(job);
    m_free.push_back(job);
    if (!e.m_continue)
        return;
    if (!p.stored && job->failed) {
        e.setError(errCompression, t.stored);
        t.out.discard();
        return;
    }
    const char* data = p.stored ? job->in : job->out;
    const int size = p.stored ? job->inSize : job->outSize;
    if (!m_testOnly && !t.out.write(data, size)) {
        e.setError(errCannotReadFile, t.path);
        t.out.discard();
        return;
    }
    e.m_processedBytes += size;
    e.idle();
    e.progress(m_testOnly ? t.stored : t.path);
}

bool TBackupFile::Restore(const QString& archiveName, const QString& targetFolder) {
    QString folder = targetFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    m_error = 0;
    m_errorText.clear();
    m_errorFile.clear();
    m_processedFiles = 0;
    m_processedBytes = 0;
    m_continue = true;
    m_busy = true;
    bool ok = false;
    if (QFileInfo(archiveName).isFile()) {
        RestoreReader reader(*this, archiveName, folder, false);
        ok = reader.run();
    }
    finishRun();
    return ok;
}

bool TBackupFile::Test(const QString& archiveName) {
    m_error = 0;
    m_errorText.clear();
    m_errorFile.clear();
    m_processedFiles = 0;
    m_processedBytes = 0;
    m_continue = true;
    m_busy = true;
    bool ok = false;
    if (QFileInfo(archiveName).isFile()) {
        RestoreReader reader(*this, archiveName, QString(), true);
        ok = reader.run();
    } else {
        setError(errCannotReadArchive, archiveName);
    }
    finishRun();
    return ok;
}

} // namespace arkivo::backup
