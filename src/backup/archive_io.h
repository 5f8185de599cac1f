#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// Plain buffered file access for the archive engine: a volume being written,
// a volume being read, and a restored file. Written files go to a temporary
// name beside the target and take its name only when complete, so a stopped
// or failed run never leaves a half-written file under the real name.

namespace arkivo::backup {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile() { discard(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens a temporary file in the target's folder. A file that already has
    // the target's name keeps its permissions on the new one.
    bool create(const QString& target);
    bool isOpen() const { return m_fd >= 0; }
    bool write(const char* data, qint64 size);
    bool writeInt32(std::int32_t value);
    qint64 position() const { return m_written + qint64(m_buffer.size()); }
    bool flush();
    int handle() const { return m_fd; }
    bool setModified(const QDateTime& when);
    // Flushes, closes and renames the temporary file to the target.
    bool commit();
    // Closes and removes the temporary file (no-op when nothing is open).
    void discard();
    const QString& target() const { return m_target; }

private:
    int m_fd = -1;
    QString m_target;
    QByteArray m_tempPath;
    std::vector<char> m_buffer;
    qint64 m_written = 0;
};

class InputFile {
public:
    InputFile() = default;
    ~InputFile() { close(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    // False when the file ends before `size` bytes (or on a read error).
    bool read(char* data, qint64 size);
    bool readInt32(std::int32_t& value);
    bool skip(qint64 size);

private:
    bool fill();
    int m_fd = -1;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
};

} // namespace arkivo::backup
