// Backup(): the writing half of the engine.

#include "backup/archive_format.h"
#include "backup/archive_io.h"
#include "backup/backup_file.h"
#include "backup/chunk_workers.h"
#include "backup/file_patterns.h"

#include "common/dos_datetime.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <deque>
#include <limits>

namespace arkivo::backup {

namespace {

// Chunks read ahead of the writer; with 32 KiB per chunk this bounds the
// engine's buffers to about 2 MiB whatever the file sizes.
constexpr int kChunksInFlight = 64;

struct Entry {
    QString path;      // the file to read
    QByteArray record; // the name stored in its record
    bool fileList = false;
};

// What the reading side hands the writing side, in archive order.
struct Item {
    enum class Kind { FileStart, Chunk, FileEnd, Failed };
    Kind kind;
    const Entry* entry = nullptr;
    quint32 dosTime = 0;
    ChunkJob* job = nullptr;
};

} // namespace

class BackupWriter {
public:
    BackupWriter(TBackupFile& engine, const QString& archive)
        : e(engine), m_archive(archive), m_workers(engine.m_threads) {
        m_jobs.resize(kChunksInFlight);
        for (auto& job : m_jobs) {
            job = std::make_unique<ChunkJob>();
            m_free.push_back(job.get());
        }
    }

    ~BackupWriter() {
        // Workers finish queued jobs before the jobs' memory goes.
        for (Item& item : m_items)
            if (item.job)
                m_workers.wait(item.job);
    }

    bool run(const QStringList& patterns);

private:
    bool produce();
    void consume(Item& item);
    bool writeBlock(ChunkJob& job);
    bool nextVolume();
    bool writeOk(bool ok) {
        if (!ok)
            e.setError(errCannotWriteArchive);
        return ok;
    }

    TBackupFile& e;
    QString m_archive;
    std::vector<Entry> m_entries;
    OutputFile m_out;
    int m_volume = 1;

    // Reading side.
    size_t m_next = 0;
    InputFile m_source;
    const Entry* m_reading = nullptr;
    qint64 m_remaining = 0;
    bool m_exhausted = false;

    std::vector<std::unique_ptr<ChunkJob>> m_jobs;
    std::vector<ChunkJob*> m_free;
    std::deque<Item> m_items;
    ChunkWorkers m_workers; // declared last: joined before the jobs are freed
};

// Adds one item to the queue; false when nothing more is to come.
bool BackupWriter::produce() {
    if (m_exhausted)
        return false;
    if (!m_reading) {
        while (m_next < m_entries.size()) {
            const Entry& entry = m_entries[m_next++];
            const QFileInfo info(entry.path);
            if (!info.exists())
                continue; // gone since the list was made
            if (!m_source.open(entry.path)) {
                m_items.push_back({Item::Kind::Failed, &entry});
                m_exhausted = true;
                return true;
            }
            m_reading = &entry;
            m_remaining = info.size();
            m_items.push_back({Item::Kind::FileStart, &entry, toDosDateTime(info.lastModified())});
            return true;
        }
        m_exhausted = true;
        return false;
    }
    if (m_remaining == 0) {
        m_items.push_back({Item::Kind::FileEnd, m_reading});
        m_source.close();
        m_reading = nullptr;
        return true;
    }
    ChunkJob* job = m_free.back();
    job->kind = ChunkJob::Kind::Deflate;
    job->level = e.zlibLevel();
    job->inSize = int(std::min<qint64>(kChunkSize, m_remaining));
    if (!m_source.read(job->in, job->inSize)) {
        m_items.push_back({Item::Kind::Failed, m_reading});
        m_source.close();
        m_exhausted = true;
        return true;
    }
    m_free.pop_back();
    m_remaining -= job->inSize;
    m_workers.submit(job);
    m_items.push_back({Item::Kind::Chunk, m_reading, 0, job});
    return true;
}

bool BackupWriter::run(const QStringList& patterns) {
    e.progress(QString());

    const QStringList files = expandFilePatterns(patterns, m_archive);
    QByteArray idText;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        e.m_totalSize += info.size();
        if (e.m_saveFileId)
            idText += encodeStoredText(path) + '\t' + QByteArray::number(toDosDateTime(info.lastModified())) + '=' +
                      QByteArray::number(info.size()) + "\r\n";
    }

    QTemporaryFile idFile(QDir::tempPath() + QStringLiteral("/FIDXXXXXX"));
    if (e.m_saveFileId) {
        if (!idFile.open() || idFile.write(idText) != idText.size() || !idFile.flush()) {
            e.setError(errFileIdTemp);
            return false;
        }
        m_entries.push_back({idFile.fileName(), kFileListName, true});
        e.m_totalSize += idText.size();
    }
    for (const QString& path : files)
        m_entries.push_back({path, encodeStoredText(path), false});
    e.m_fileCount = files.size();

    const QByteArray title = encodeStoredText(e.m_title);
    if (!writeOk(m_out.create(m_archive) && m_out.writeInt32(title.size()) && m_out.write(title, title.size()) &&
                 m_out.writeInt32(qint32(std::min<qint64>(e.m_totalSize, std::numeric_limits<qint32>::max()))) &&
                 m_out.writeInt32(qint32(std::min<qint64>(e.m_fileCount, std::numeric_limits<qint32>::max())))))
        return false;
    e.m_processedBytes = 0;
    e.m_writtenBytes = 0;

    while (e.m_continue) {
        while (!m_free.empty() && m_items.size() < 4 * kChunksInFlight && produce()) {
        }
        if (m_items.empty())
            break;
        Item item = m_items.front();
        m_items.pop_front();
        consume(item);
        if (item.job)
            m_free.push_back(item.job);
    }
    if (!e.m_continue)
        return false;
    return writeOk(m_out.writeInt32(0) && m_out.commit());
}

void BackupWriter::consume(Item& item) {
    switch (item.kind) {
    case Item::Kind::Failed:
        e.setError(errCannotReadFile, item.entry->path);
        return;
    case Item::Kind::FileStart: {
        const QByteArray& name = item.entry->record;
        e.m_currentFile = item.entry->fileList ? QString() : item.entry->path;
        if (!item.entry->fileList)
            ++e.m_processedFiles;
        if (writeOk(m_out.writeInt32(name.size()) && m_out.write(name, name.size()) &&
                    m_out.writeInt32(qint32(item.dosTime)) && m_out.write(kSegmentTag, 4)))
            e.m_writtenBytes += 4;
        return;
    }
    case Item::Kind::FileEnd:
        writeOk(m_out.writeInt32(0));
        return;
    case Item::Kind::Chunk:
        m_workers.wait(item.job);
        if (e.m_maxSize != 0 && m_out.position() >= qint64(e.m_maxSize) - kVolumeSlack && !nextVolume())
            return;
        writeBlock(*item.job);
        return;
    }
}

bool BackupWriter::writeBlock(ChunkJob& job) {
    if (job.failed) {
        e.setError(errCompression, e.m_currentFile);
        return false;
    }
    const int length = job.blockLength();
    if (!writeOk(m_out.writeInt32(length) && m_out.write(job.blockData(), std::abs(length))))
        return false;
    e.m_writtenBytes += std::abs(length) + 4;
    e.m_processedBytes += job.inSize;
    e.idle();
    e.progress(e.m_currentFile);
    return true;
}

// The volume is full in the middle of a file: end its segment, point to the
// next volume, and go on there with a continuation segment.
bool BackupWriter::nextVolume() {
    ++m_volume;
    const QByteArray next = kNextDiskName + QByteArray::number(m_volume).rightJustified(3, '0');
    if (!writeOk(m_out.writeInt32(0) && m_out.writeInt32(next.size()) && m_out.write(next, next.size()) &&
                 m_out.commit()))
        return false;
    if (!e.m_continue || !e.askForVolume(m_volume)) {
        e.m_continue = false;
        return false;
    }
    if (!writeOk(m_out.create(volumeName(m_archive, m_volume)) && m_out.write(kSegmentTag, 4)))
        return false;
    e.m_writtenBytes += 4;
    return true;
}

bool TBackupFile::Backup(const QStringList& fileSpecs, const QString& archiveName) {
    m_error = 0;
    m_errorText.clear();
    m_errorFile.clear();
    m_busy = true;
    m_continue = true;
    m_totalSize = 0;
    m_processedFiles = 0;
    m_processedBytes = 0;
    m_writtenBytes = 0;
    m_fileCount = 0;
    bool ok = false;
    {
        BackupWriter writer(*this, archiveName);
        ok = writer.run(fileSpecs);
    }
    finishRun();
    return ok;
}

} // namespace arkivo::backup
