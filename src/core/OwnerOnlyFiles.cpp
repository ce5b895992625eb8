#include "OwnerOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrotether::owneronly {

bool makeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (!QDir().mkpath(parent))
        return false;
    return QDir().mkdir(info.absoluteFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner)
           || QFileInfo(path).isDir();
}

bool prepareFile(const QString &path)
{
    if (!makeFolder(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    struct stat st{};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && (st.st_mode & 077) != 0)
        ok = ::fchmod(fd, st.st_mode & 0700) == 0;
    ::close(fd);
    return ok;
}

} // namespace kavrotether::owneronly
