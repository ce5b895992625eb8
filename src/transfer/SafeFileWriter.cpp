#include "SafeFileWriter.h"

#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kavrotether {

namespace {

QSet<QString> &reservedPaths()
{
    static QSet<QString> paths;
    return paths;
}

// Moves from into to unless to exists; errno EEXIST when it does.
bool moveWithoutReplacing(const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // File systems without the flag: a hard link fails on an existing name.
    if (::link(from, to) != 0)
        return false;
    ::unlink(from);
    return true;
}

} // namespace

std::mutex &FileNameReservations::lock()
{
    static std::mutex m;
    return m;
}

bool FileNameReservations::isReservedLocked(const QString &path)
{
    return reservedPaths().contains(path);
}

void FileNameReservations::reserveLocked(const QString &path)
{
    reservedPaths().insert(path);
}

void FileNameReservations::releaseLocked(const QString &path)
{
    reservedPaths().remove(path);
}

void FileNameReservations::release(const QString &path)
{
    std::lock_guard<std::mutex> g(lock());
    releaseLocked(path);
}

bool FileNameReservations::isTakenLocked(const QString &path)
{
    return reservedPaths().contains(path) || QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

SafeFileWriter::SafeFileWriter(QString finalPath) : m_finalPath(std::move(finalPath)), m_reserved(m_finalPath) {}

SafeFileWriter::~SafeFileWriter()
{
    abort();
}

void SafeFileWriter::fail(const QString &what, int error)
{
    m_failed = true;
    if (m_error.isEmpty())
        m_error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

bool SafeFileWriter::open()
{
    if (m_fd >= 0)
        return true;
    const QFileInfo info(m_finalPath);
    // A dot name in the same folder: the final move stays on one file system
    // and viewers skip the file while it grows.
    // The final name, shortened, keeps the temporary name within the file
    // system's limit whatever the final one's length.
    m_tempPath =
        (info.path() + QStringLiteral("/.") + info.fileName().left(64) + QStringLiteral(".part-XXXXXX")).toLocal8Bit();
    m_fd = ::mkostemp(m_tempPath.data(), O_CLOEXEC);
    if (m_fd < 0) {
        fail(QStringLiteral("cannot create %1").arg(m_finalPath), errno);
        m_tempPath.clear();
        finish();
        return false;
    }
    return true;
}

bool SafeFileWriter::write(const void *data, qint64 size)
{
    if (m_fd < 0 || m_failed)
        return false;
    const char *p = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(QStringLiteral("cannot write %1").arg(m_finalPath), n < 0 ? errno : ENOSPC);
            abort();
            return false;
        }
        p += n;
        size -= n;
        m_written += n;
    }
    return true;
}

bool SafeFileWriter::commit(const std::function<QString()> &nextName)
{
    if (m_fd < 0 || m_failed) {
        abort();
        return false;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        fail(QStringLiteral("cannot close %1").arg(m_finalPath), errno);
        abort();
        return false;
    }
    std::lock_guard<std::mutex> g(FileNameReservations::lock());
    for (;;) {
        if (moveWithoutReplacing(m_tempPath.constData(), m_finalPath.toLocal8Bit().constData()))
            break;
        const int error = errno;
        const QString next = error == EEXIST && nextName ? nextName() : QString();
        if (next.isEmpty()) {
            fail(QStringLiteral("cannot move into place %1").arg(m_finalPath), error);
            ::unlink(m_tempPath.constData());
            m_tempPath.clear();
            FileNameReservations::releaseLocked(m_reserved);
            m_reserved.clear();
            return false;
        }
        m_finalPath = next;
    }
    m_tempPath.clear();
    FileNameReservations::releaseLocked(m_reserved);
    m_reserved.clear();
    return true;
}

void SafeFileWriter::abort()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        ::unlink(m_tempPath.constData());
        m_tempPath.clear();
    }
    finish();
}

void SafeFileWriter::finish()
{
    if (!m_reserved.isEmpty()) {
        FileNameReservations::release(m_reserved);
        m_reserved.clear();
    }
}

} // namespace kavrotether
