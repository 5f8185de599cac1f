#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class QFile;

// The archive engine: packs files into an archive of zlib-compressed 16 KiB
// chunks (layout in archive_format.h), possibly over several volumes of a
// limited size, and restores them under a choice of overwrite rules.
//
// It holds no widgets. Questions it cannot settle itself (an error nobody
// handles, the next volume) go to the event handlers, else to the prompts a
// window or the command line installs; with neither, an error is only kept
// in ErrorCode()/ErrorText() and a missing volume is an error.
//
// Chunks are compressed and inflated on worker threads; everything else,
// and every event, happens on the caller's thread in archive order, and the
// archive is the same byte for byte whatever the number of threads.
//
// This system has no archive attribute: SetArchiveFlag changes nothing on
// disk and bmIncremental takes every file.

namespace arkivo::backup {

enum TBackupMode { bmAll, bmIncremental };
enum TCompressionLevel { clFastest, clNone, clDefault, clMax };
enum TRestoreMode { rmAll, rmNoOverwrite, rmNewer, rmExisting, rmExistingNewer };
using TPercentage = quint8;

// Error codes given to OnError.
enum BackupError {
    errNone = 0,
    errCannotReadFile = 1,
    errOverwriteFailed = 2,
    errCannotReadArchive = 3,
    errCannotWriteArchive = 4,
    errInvalidArchive = 5,
    errCompression = 6,
    errFileIdTemp = 7,
};
QString errorText(int code);

// The fallback questions, shown by whoever runs the engine.
class BackupPrompts {
public:
    virtual ~BackupPrompts() = default;
    // An error message with an OK button.
    virtual void showError(const QString& text) = 0;
    // "Please insert disk 2 and click OK to continue." with OK and Cancel; true for OK.
    virtual bool askForDisk(const QString& text) = 0;
};

class TBackupFile {
public:
    TBackupFile();
    ~TBackupFile();
    TBackupFile(const TBackupFile&) = delete;
    TBackupFile& operator=(const TBackupFile&) = delete;

    using TProgressEvent =
        std::function<void(TBackupFile& sender, const QString& fileName, TPercentage percent, bool& cont)>;
    using TNeedDiskEvent = std::function<void(TBackupFile& sender, quint16 diskId, bool& cont)>;
    // fa: the stored packed DOS date-time.
    using TRestoreFileEvent = std::function<void(TBackupFile& sender, QString& fileName, qint32 fa, bool& doRestore)>;
    // Called with the target still open (at its end), before its date is set and it is closed.
    using TFileRestoredEvent = std::function<void(TBackupFile& sender, QString& fileName, QFile& stream)>;
    using TBackupErrorEvent = std::function<void(TBackupFile& sender, int error, const QString& errString)>;

    TProgressEvent OnProgress;
    TNeedDiskEvent OnNeedDisk;
    TRestoreFileEvent OnRestoreFile;
    TFileRestoredEvent OnFileRestored;
    TBackupErrorEvent OnError;

    QString Version() const { return QStringLiteral("5.00"); }
    void setVersion(const QString&) {}
    QString BackupTitle() const { return m_title; }
    void setBackupTitle(const QString& title) { m_title = title; }
    TBackupMode BackupMode() const { return m_backupMode; }
    void setBackupMode(TBackupMode mode);
    TCompressionLevel CompressionLevel() const { return m_level; }
    void setCompressionLevel(TCompressionLevel level) { m_level = level; }
    TRestoreMode RestoreMode() const { return m_restoreMode; }
    void setRestoreMode(TRestoreMode mode) { m_restoreMode = mode; }
    qint32 MaxSize() const { return m_maxSize; }
    void setMaxSize(qint32 bytes) { m_maxSize = bytes; }
    bool SetArchiveFlag() const { return m_setArchiveFlag; }
    void setSetArchiveFlag(bool on) { m_setArchiveFlag = on; }
    bool RestoreFullPath() const { return m_restoreFullPath; }
    void setRestoreFullPath(bool on) { m_restoreFullPath = on; }
    bool SaveFileID() const { return m_saveFileId; }
    void setSaveFileID(bool on) { m_saveFileId = on; }

    // Builds the archive; true only when it was written whole.
    bool Backup(const QStringList& fileSpecs, const QString& archiveName);
    // Restores into targetFolder, or to the stored paths when it is empty;
    // true when no error occurred and the run was not stopped.
    bool Restore(const QString& archiveName, const QString& targetFolder);
    // Reads every volume and inflates every chunk, writing nothing; the first
    // damaged file is in ErrorFile().
    bool Test(const QString& archiveName);
    // Title, total size and file count; the file-ID lines into *fileIds when
    // the archive has them and a list is given.
    void GetArchiveInfo(const QString& archiveName, QStringList* fileIds, QString& title);
    // 100 - written bytes * 100 / total size; 0 when there was nothing to pack.
    int CompressionRate() const;
    bool IsBusy() const { return m_busy; }
    // Ends a running backup or restore at its next block, file or volume.
    void Stop() { m_continue = false; }

    // Run-time state. Kept in 64 bits, so progress and the rate stay right
    // beyond 2 GiB; the archive header's total size is stored saturated.
    qint64 FileCount() const { return m_fileCount; }
    qint64 ProcessedFiles() const { return m_processedFiles; }
    qint64 TotalSize() const { return m_totalSize; }
    qint64 ProcessedBytes() const { return m_processedBytes; }
    qint64 WrittenBytes() const { return m_writtenBytes; }
    QString CurrentFile() const { return m_currentFile; }
    int ErrorCode() const { return m_error; }
    QString ErrorText() const { return m_errorText; }
    QString ErrorFile() const { return m_errorFile; }

    void setPrompts(BackupPrompts* prompts) { m_prompts = prompts; }
    // Worker threads for the chunks; 1 does everything on the caller's thread.
    void setThreads(int threads) { m_threads = threads < 1 ? 1 : threads; }
    int threads() const { return m_threads; }

private:
    friend class BackupWriter;
    friend class RestoreReader;

    void setError(int code, const QString& file = QString());
    void reportError();
    void progress(const QString& fileName, int percent = -1);
    void finishRun();
    bool askForVolume(int number);
    void idle();
    int zlibLevel() const;

    QString m_title;
    TBackupMode m_backupMode = bmAll;
    TCompressionLevel m_level = clFastest;
    TRestoreMode m_restoreMode = rmAll;
    qint32 m_maxSize = 0;
    bool m_setArchiveFlag = true;
    bool m_restoreFullPath = false;
    bool m_saveFileId = false;

    qint64 m_fileCount = 0;
    qint64 m_processedFiles = 0;
    qint64 m_totalSize = 0;
    qint64 m_processedBytes = 0;
    qint64 m_writtenBytes = 0;
    QString m_currentFile;
    bool m_busy = false;
    std::atomic<bool> m_continue{true};
    int m_error = 0;
    QString m_errorText;
    QString m_errorFile;

    BackupPrompts* m_prompts = nullptr;
    int m_threads;
};

} // namespace arkivo::backup
