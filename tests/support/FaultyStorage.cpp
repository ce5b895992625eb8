#include "FaultyStorage.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace {

std::atomic<int> armed{0};
std::mutex folderLock;
QByteArray faultyFolder; // with its trailing "/"

bool faulty(int fd, int fault)
{
    if (armed.load() != fault)
        return false;
    char link[40];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link, target, sizeof target);
    std::lock_guard<std::mutex> g(folderLock);
    return length >= faultyFolder.size()
           && std::memcmp(target, faultyFolder.constData(), size_t(faultyFolder.size())) == 0;
}

using kavrotether::test::cLibrary;

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    if (faulty(fd, kavrotether::test::FaultyStorage::Full)) {
        errno = ENOSPC;
        return -1;
    }
    static const auto call = cLibrary<ssize_t (*)(int, const void *, size_t)>("write");
    return call(fd, data, size);
}

extern "C" int fsync(int fd)
{
    if (faulty(fd, kavrotether::test::FaultyStorage::SyncRefused)) {
        errno = EIO;
        return -1;
    }
    static const auto call = cLibrary<int (*)(int)>("fsync");
    return call(fd);
}

namespace kavrotether::test {

FaultyStorage::FaultyStorage(const QString &folder, Fault fault)
{
    {
        std::lock_guard<std::mutex> g(folderLock);
        faultyFolder = QFile::encodeName(folder) + '/';
    }
    armed.store(fault);
}

FaultyStorage::~FaultyStorage()
{
    armed.store(0);
}

} // namespace kavrotether::test
