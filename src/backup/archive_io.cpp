#include "backup/archive_io.h"

#include "backup/archive_format.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arkivo::backup {

namespace {

constexpr size_t kBufferSize = 256 * 1024;

mode_t creationMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace

bool OutputFile::create(const QString& target) {
    discard();
    m_target = target;
    const QFileInfo info(target);
    QByteArray templ = QFile::encodeName(info.absolutePath() + QLatin1String("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(templ.data());
    if (fd < 0)
        return false;
    struct stat existing {};
    const QByteArray native = QFile::encodeName(target);
    ::fchmod(fd, ::stat(native.constData(), &existing) == 0 ? (existing.st_mode & 07777) : creationMode());
    m_fd = fd;
    m_tempPath = templ;
    m_written = 0;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    return true;
}

bool OutputFile::write(const char* data, qint64 size) {
    if (m_fd < 0)
        return false;
    if (m_buffer.size() + size_t(size) > kBufferSize && !flush())
        return false;
    if (size_t(size) >= kBufferSize) {
        if (!writeAll(m_fd, data, size_t(size)))
            return false;
        m_written += size;
        return true;
    }
    m_buffer.insert(m_buffer.end(), data, data + size);
    return true;
}

bool OutputFile::writeInt32(std::int32_t value) {
    char bytes[4];
    putInt32(bytes, value);
    return write(bytes, 4);
}

bool OutputFile::flush() {
    if (m_fd < 0)
        return false;
    if (m_buffer.empty())
        return true;
    if (!writeAll(m_fd, m_buffer.data(), m_buffer.size()))
        return false;
    m_written += qint64(m_buffer.size());
    m_buffer.clear();
    return true;
}

bool OutputFile::setModified(const QDateTime& when) {
    if (!flush() || !when.isValid())
        return false;
    const qint64 ms = when.toMSecsSinceEpoch();
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(ms / 1000);
    times[1].tv_nsec = long(ms % 1000) * 1000000L;
    return ::futimens(m_fd, times) == 0;
}

bool OutputFile::commit() {
    if (m_fd < 0 || !flush())
        return false;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    const QByteArray native = QFile::encodeName(m_target);
    if (!closed || ::rename(m_tempPath.constData(), native.constData()) != 0) {
        ::unlink(m_tempPath.constData());
        m_tempPath.clear();
        return false;
    }
    m_tempPath.clear();
    return true;
}

void OutputFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        ::unlink(m_tempPath.constData());
        m_tempPath.clear();
    }
    m_buffer.clear();
}

bool InputFile::open(const QString& path) {
    close();
    const QByteArray native = QFile::encodeName(path);
    m_fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close();
        return false;
    }
    m_buffer.resize(kBufferSize);
    m_pos = m_end = 0;
    return true;
}

void InputFile::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_pos = m_end = 0;
}

bool InputFile::fill() {
    if (m_fd < 0)
        return false;
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        m_pos = 0;
        m_end = size_t(n);
        return true;
    }
}

bool InputFile::read(char* data, qint64 size) {
    while (size > 0) {
        if (m_pos == m_end && !fill())
            return false;
        const size_t n = std::min(size_t(size), m_end - m_pos);
        std::memcpy(data, m_buffer.data() + m_pos, n);
        m_pos += n;
        data += n;
        size -= qint64(n);
    }
    return true;
}

bool InputFile::readInt32(std::int32_t& value) {
    char bytes[4];
    if (!read(bytes, 4))
        return false;
    value = getInt32(bytes);
    return true;
}

bool InputFile::skip(qint64 size) {
    while (size > 0) {
        if (m_pos == m_end && !fill())
            return false;
        const size_t n = std::min(size_t(size), m_end - m_pos);
        m_pos += n;
        size -= qint64(n);
    }
    return true;
}

} // namespace arkivo::backup
