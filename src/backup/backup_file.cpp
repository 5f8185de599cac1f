#include "backup/backup_file.h"

#include "backup/archive_format.h"
#include "backup/archive_io.h"
#include "backup/chunk_workers.h"

#include <QCoreApplication>
#include <QThread>

#include <zlib.h>

#include <algorithm>

namespace arkivo::backup {

QString errorText(int code) {
    switch (code) {
    case errCannotReadFile:
        return QStringLiteral("Cannot read file");
    case errOverwriteFailed:
        return QStringLiteral("Overwriting file failed");
    case errCannotReadArchive:
        return QStringLiteral("Cannot read archive");
    case errCannotWriteArchive:
        return QStringLiteral("Cannot write to archive");
    case errInvalidArchive:
        return QStringLiteral("Invalid archive type");
    case errCompression:
        return QStringLiteral("Compression error");
    case errFileIdTemp:
        return QStringLiteral("Cannot create temporary file to save the file IDs");
    default:
        return QString();
    }
}

TBackupFile::TBackupFile() : m_threads(ChunkWorkers::defaultThreads()) {}

TBackupFile::~TBackupFile() = default;

void TBackupFile::setBackupMode(TBackupMode mode) {
    m_backupMode = mode;
    if (mode == bmIncremental)
        m_setArchiveFlag = true;
}

int TBackupFile::zlibLevel() const {
    switch (m_level) {
    case clNone:
        return 0;
    case clDefault:
        return Z_DEFAULT_COMPRESSION;
    case clMax:
        return 9;
    case clFastest:
    default:
        return 1;
    }
}

int TBackupFile::CompressionRate() const {
    if (m_totalSize <= 0)
        return 0;
    return int(100 - m_writtenBytes * 100 / m_totalSize);
}

// Keeps the first error of a run; later ones follow from it.
void TBackupFile::setError(int code, const QString& file) {
    m_continue = false;
    if (m_error != 0)
        return;
    m_error = code;
    m_errorFile = file;
    m_errorText = errorText(code);
    if (!file.isEmpty())
        m_errorText += QStringLiteral(": ") + file;
}

void TBackupFile::reportError() {
    if (m_error == 0)
        return;
    if (OnError)
        OnError(*this, m_error, m_errorText);
    else if (m_prompts)
        m_prompts->showError(m_errorText);
}

void TBackupFile::progress(const QString& fileName, int fixedPercent) {
    if (!OnProgress)
        return;
    qint64 percent = fixedPercent >= 0 ? fixedPercent : m_totalSize > 0 ? m_processedBytes * 100 / m_totalSize : 0;
    percent = std::clamp<qint64>(percent, 0, 100);
    bool cont = m_continue;
    OnProgress(*this, fileName, TPercentage(percent), cont);
    if (!cont)
        m_continue = false;
}

// The end of every run: the closing progress event, then the error, if any.
void TBackupFile::finishRun() {
    progress(QString(), 100);
    m_busy = false;
    reportError();
}

void TBackupFile::idle() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app && app->thread() == QThread::currentThread())
        QCoreApplication::processEvents();
}

// The next volume: the handler, else the prompt, else (nobody to ask) go on.
bool TBackupFile::askForVolume(int number) {
    bool cont = true;
    if (OnNeedDisk)
        OnNeedDisk(*this, quint16(number), cont);
    else if (m_prompts)
        cont = m_prompts->askForDisk(QStringLiteral("Please insert disk %1 and click OK to continue.").arg(number));
    return cont;
}

void TBackupFile::GetArchiveInfo(const QString& archiveName, QStringList* fileIds, QString& title) {
    title.clear();
    m_totalSize = 0;
    m_fileCount = 0;
    m_processedFiles = 0;
    m_error = 0;
    m_errorText.clear();
    m_errorFile.clear();
    InputFile in;
    if (!in.open(archiveName)) {
        setError(errCannotReadArchive);
        reportError();
        return;
    }
    auto fail = [&] {
        title.clear();
        setError(errInvalidArchive);
        reportError();
    };
    std::int32_t length = 0, total = 0, count = 0;
    if (!in.readInt32(length) || length < 0 || length > kMaxNameLength)
        return fail();
    QByteArray titleBytes(length, Qt::Uninitialized);
    if (!in.read(titleBytes.data(), length) || !in.readInt32(total) || !in.readInt32(count))
        return fail();
    title = decodeStoredText(titleBytes);
    m_totalSize = total;
    m_fileCount = count;
    if (!in.readInt32(length))
        return fail();
    if (!fileIds || length != int(qstrlen(kFileListName)))
        return;
    QByteArray name(length, Qt::Uninitialized);
    char tag[4];
    if (!in.read(name.data(), length))
        return fail();
    if (name != kFileListName)
        return;
    if (!in.skip(4) || !in.read(tag, 4) || memcmp(tag, kSegmentTag, 4) != 0)
        return fail();

    // The list is one segment in the first volume; a list that does not fit
    // there would have been split, which is damage for this purpose.
    ChunkCodec codec;
    ChunkJob job;
    job.kind = ChunkJob::Kind::Inflate;
    QByteArray text;
    for (;;) {
        std::int32_t b = 0;
        if (!in.readInt32(b) || b < -kChunkSize || b > kChunkSize)
            return fail();
        if (b == 0)
            break;
        job.inSize = b < 0 ? -b : b;
        if (!in.read(job.in, job.inSize))
            return fail();
        // A list of a million files is some 100 MB; more is damage, not a list.
        if (text.size() > 256 * 1024 * 1024)
            return fail();
        if (b < 0) {
            text.append(job.in, job.inSize);
            continue;
        }
        codec.run(job);
        if (job.failed) {
            title.clear();
            setError(errCompression);
            reportError();
            return;
        }
        text.append(job.out, job.outSize);
    }
    const QList<QByteArray> lines = text.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            fileIds->append(decodeStoredText(line));
    }
}

} // namespace arkivo::backup
