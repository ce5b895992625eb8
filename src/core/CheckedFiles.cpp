#include "CheckedFiles.h"

#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrotether::checkedfiles {

bool openRegularForReading(QFile &file)
{
    // Opening a FIFO without a writer waits in the kernel, and its size and
    // a device's say nothing: the type is judged on the opened descriptor,
    // which is opened without waiting.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool saveWhole(const QString &path, QByteArrayView data, QString *error)
{
    QSaveFile file(path);
    QString reason;
    // Qt 6.4's commit() renames even when the last buffered bytes could not
    // be written (a full disk), leaving a cut or empty file under the name:
    // they are flushed and checked first. Storage that reports its refusals
    // only when asked to sync (network shares) is asked here.
    if (!file.open(QIODevice::WriteOnly) || file.write(data.data(), data.size()) != data.size() || !file.flush())
        reason = file.errorString();
    else if (::fsync(file.handle()) != 0 && errno != EINVAL)
        reason = qt_error_string(errno);
    else if (file.commit())
        return true;
    else
        reason = file.errorString();
    if (error)
        *error = reason;
    file.cancelWriting();
    return false;
}

} // namespace kavrotether::checkedfiles
