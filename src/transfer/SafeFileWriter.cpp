#include "SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include "core/WorkerThread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrotether {

namespace {

// The reservations are never destroyed: a save that a close left in a
// camera call may give its name back while the program exits.
QSet<QString> &reservedPaths()
{
    static auto *paths = new QSet<QString>;
    return *paths;
}

// Temporaries are named "." + final name (cut) + ".part-" + six letters or
// digits, the claims of final names (see moveOverOwnPlaceholder) the same
// with ".claim-"; only names of those shapes are ever removed as stale.
constexpr char kTemporaryMark[] = ".part-";
constexpr char kClaimMark[] = ".claim-";
constexpr int kRandomLetters = 6;
constexpr int kMaxCreateAttempts = 100;
// A claim's record: device, inode, change and modification time of the
// placeholder, then its name; a longer file is no claim of ours.
constexpr int kMaxClaimBytes = 512;
// A placeholder is dated to an even second of 2000 to 2008 drawn at random:
// FAT (two-second steps), exFAT and network shares keep such a time as set,
// and no picture being saved has it.
constexpr qint64 kMarkBase = 946684800;
constexpr int kMarkSteps = 1 << 27;

bool isLetterOrDigit(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

template<size_t N>
bool hasWriterShape(const char *name, const char (&mark)[N])
{
    const size_t length = std::strlen(name);
    const size_t tail = N - 1 + kRandomLetters;
    if (name[0] != '.' || length <= tail + 1)
        return false;
    if (std::strncmp(name + length - tail, mark, N - 1) != 0)
        return false;
    for (size_t i = length - kRandomLetters; i < length; ++i) {
        if (!isLetterOrDigit(name[i]))
            return false;
    }
    return true;
}

QByteArray randomLetters()
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray out(kRandomLetters, '\0');
    for (char &c : out)
        c = kAlphabet[QRandomGenerator::global()->bounded(int(sizeof(kAlphabet) - 1))];
    return out;
}

// The temporaries of the writers at work. Never destroyed, and its lock is
// never held across a file system call: a writer may be stuck in one.
struct OpenTemporaries
{
    std::mutex lock;
    std::condition_variable created;
    QSet<QByteArray> paths;
    // Creates under way, whose names are not known yet.
    int creating = 0;
    // No create starts any more.
    bool closed = false;
    // The paths were taken for removal: a create that ends now removes its
    // own file.
    bool removed = false;
};

OpenTemporaries &openTemporaries()
{
    static auto *temporaries = new OpenTemporaries;
    return *temporaries;
}

void forgetTemporary(const QByteArray &path)
{
    OpenTemporaries &open = openTemporaries();
    std::lock_guard<std::mutex> g(open.lock);
    open.paths.remove(path);
}

std::atomic<SafeFileWriter::LockCall> &lockCall()
{
    static std::atomic<SafeFileWriter::LockCall> call{&::flock};
    return call;
}

// Locks a temporary without waiting: 0, or the lock call's error.
int lockTemporary(int fd)
{
    return lockCall().load()(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// The answers of a file system that keeps no locks at all (a network mount
// without a lock service), rather than of a file someone else locked.
bool locksUnsupported(int error)
{
    return error == ENOLCK || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writes all of data: 0, or the error (ENOSPC for a write that took nothing).
int writeAll(int fd, const char *data, qint64 size, qint64 &written)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        data += n;
        size -= n;
        written += n;
    }
    return 0;
}

// Creates and locks a new temporary: the create applies the umask as any
// plain create does. Where the file system keeps no locks the temporary
// goes without one, and the sweep leaves such a folder alone. A cleaner may
// take a new file in the moment before it is locked and remove it; such a
// file is given up for another name. A temporary given up is removed at
// once (unless its name went to another file meanwhile), so a folder never
// fills with empty ones.
int createLockedTemporary(const QByteArray &stem, QByteArray &path)
{
    for (int attempt = 0; attempt < kMaxCreateAttempts; ++attempt) {
        path = stem + randomLetters();
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        const int lockError = lockTemporary(fd);
        struct stat opened{};
        struct stat named{};
        const bool stillNamed = ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0
                                && sameFile(opened, named);
        if (stillNamed && (lockError == 0 || locksUnsupported(lockError)))
            return fd;
        if (stillNamed)
            ::unlink(path.constData());
        ::close(fd);
        if (lockError != 0 && lockError != EWOULDBLOCK && !locksUnsupported(lockError)) {
            errno = lockError;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

QByteArray claimRecord(const struct stat &placeholder, const QByteArray &name)
{
    return QByteArray::number(qulonglong(placeholder.st_dev)) + ' ' + QByteArray::number(qulonglong(placeholder.st_ino))
           + ' ' + QByteArray::number(qlonglong(placeholder.st_ctime)) + ' '
           + QByteArray::number(qlonglong(placeholder.st_mtime)) + '\n' + name;
}

// The placeholder a claim names, read from the claim's file: false unless
// the record is whole and names a file of its own folder.
bool readClaim(int fd, QByteArray &name, struct stat &placeholder)
{
    char buffer[kMaxClaimBytes + 1];
    qint64 size = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer + size, sizeof buffer - size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        size += n;
        if (size > kMaxClaimBytes)
            return false;
    }
    const QByteArray record(buffer, qsizetype(size));
    const qsizetype newline = record.indexOf('\n');
    const QList<QByteArray> numbers = record.left(newline).split(' ');
    name = record.mid(newline + 1);
    const bool plainName = !name.isEmpty() && !name.contains('/') && !name.contains('\0') && name != "."
                           && name != "..";
    // Claims of writers before the mark have no modification time.
    if (newline < 0 || numbers.size() < 3 || numbers.size() > 4 || !plainName)
        return false;
    bool device = false;
    bool inode = false;
    bool changed = false;
    bool marked = true;
    placeholder.st_dev = dev_t(numbers.at(0).toULongLong(&device));
    placeholder.st_ino = ino_t(numbers.at(1).toULongLong(&inode));
    placeholder.st_ctime = time_t(numbers.at(2).toLongLong(&changed));
    placeholder.st_mtime = numbers.size() == 4 ? time_t(numbers.at(3).toLongLong(&marked)) : time_t(-1);
    return device && inode && changed && marked;
}

// Whether the file is still the empty placeholder claimed. exFAT and FUSE
// mounts number a file otherwise once it is closed or the storage mounted
// again; what they keep is its name, that it is empty and the time it was
// marked with.
bool isPlaceholder(const struct stat &now, const struct stat &claimed)
{
    if (!S_ISREG(now.st_mode) || now.st_size != 0)
        return false;
    if (sameFile(now, claimed) && now.st_ctime == claimed.st_ctime)
        return true;
    return claimed.st_mtime != time_t(-1) && now.st_mtime == claimed.st_mtime;
}

// The last way onto storage that takes neither a no-replace rename nor a
// hard link (some FUSE mounts and network shares): an exclusive create
// claims the final name with an empty placeholder, and the finished
// temporary is renamed over that file of our own. No file of anyone else's
// is ever replaced, and nothing partial shows under the final name. A claim
// file beside it, locked like a temporary while the writer lives, records
// which file the placeholder is, so the sweep after a killed writer removes
// the placeholder, and never a file that took its name since. The claim goes
// only with its placeholder. A writer killed between the claim and its
// record leaves a placeholder nothing proves its own: it stays. errno EEXIST
// when the name is taken.
bool moveOverOwnPlaceholder(const QByteArray &from, const char *to)
{
    QByteArray claimPath;
    const QByteArray stem = from.left(from.size() - qsizetype(sizeof(kTemporaryMark) - 1 + kRandomLetters));
    const int claimFd = createLockedTemporary(stem + kClaimMark, claimPath);
    if (claimFd < 0)
        return false;
    const auto dropClaim = [&](int error) {
        ::unlink(claimPath.constData());
        ::close(claimFd);
        errno = error;
    };
    const int placeholderFd = ::open(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (placeholderFd < 0) {
        dropClaim(errno);
        return false;
    }
    // Both times: FUSE mounts of the older library drop a change of one
    // alone. Where times cannot be set, the placeholder's own marks it.
    const time_t mark = time_t(kMarkBase + 2 * qint64(QRandomGenerator::global()->bounded(kMarkSteps)));
    const timespec times[2] = {{mark, 0}, {mark, 0}};
    ::futimens(placeholderFd, times);
    struct stat claimed{};
    struct stat named{};
    const bool known = ::fstat(placeholderFd, &claimed) == 0;
    int error = known ? 0 : errno;
    const auto stillPlaceholder = [&] { return known && ::lstat(to, &named) == 0 && isPlaceholder(named, claimed); };
    // Looked at first while it is open, while the storage still numbers it
    // as its descriptor.
    const bool ours = stillPlaceholder();
    const char *slash = std::strrchr(to, '/');
    const QByteArray record = claimRecord(claimed, slash ? slash + 1 : to);
    qint64 written = 0;
    if (ours)
        error = writeAll(claimFd, record.constData(), record.size(), written);
    ::close(placeholderFd);
    if (error == 0 && !(ours && stillPlaceholder())) {
        // Another program put its own file there meanwhile.
        dropClaim(EEXIST);
        return false;
    }
    if (error == 0 && ::rename(from.constData(), to) == 0) {
        dropClaim(0);
        return true;
    }
    if (error == 0)
        error = errno;
    if (error == EEXIST && stillPlaceholder() && ::unlink(to) == 0) {
        // The storage never replaces a name, not even with our placeholder
        // under it: the picture takes the name freed, and EEXIST now is
        // another program's file that took it meanwhile.
        const bool moved = ::rename(from.constData(), to) == 0;
        dropClaim(moved ? 0 : errno);
        return moved;
    }
    if (!stillPlaceholder() || ::unlink(to) == 0) {
        dropClaim(error);
    } else {
        // Unlocked, the claim is the sweep's to finish with its placeholder.
        ::close(claimFd);
        errno = error;
    }
    return false;
}

// Moves from into to unless to exists; errno EEXIST when it does.
bool moveWithoutReplacing(const QByteArray &from, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // File systems without the flag: a hard link fails on an existing name.
    if (::link(from.constData(), to) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno != EPERM && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        return false;
    return moveOverOwnPlaceholder(from, to);
}

} // namespace

std::mutex &FileNameReservations::lock()
{
    static auto *m = new std::mutex;
    return *m;
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

SafeFileWriter::LockCall SafeFileWriter::replaceLockCall(LockCall call)
{
    return lockCall().exchange(call ? call : &::flock);
}

void SafeFileWriter::removeOpenTemporariesAtEnd()
{
    OpenTemporaries &open = openTemporaries();
    QSet<QByteArray> paths;
    {
        std::unique_lock<std::mutex> g(open.lock);
        open.closed = true;
        // A create under way names its file in a moment; one stuck in the
        // file system is waited for no longer than a stop.
        open.created.wait_for(g, std::chrono::milliseconds(WorkerThread::kDefaultStopTimeoutMs),
                              [&] { return open.creating == 0; });
        open.removed = true;
        paths.swap(open.paths);
    }
    for (const QByteArray &path : std::as_const(paths))
        ::unlink(path.constData());
}

void SafeFileWriter::removeStaleTemporaries(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const bool claim = hasWriterShape(entry->d_name, kClaimMark);
        if (!claim && !hasWriterShape(entry->d_name, kTemporaryMark))
            continue;
        const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A live writer holds the lock until its file is in place; the name
        // is checked to be the file locked before it goes. Where locks do
        // not work a live writer's temporary cannot be told from a killed
        // one's: the folder is left alone.
        struct stat opened{};
        struct stat named{};
        const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
        const int lockError = regular ? lockTemporary(fd) : -1;
        if (lockError == 0 && ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0
            && sameFile(opened, named)) {
            // A killed writer's placeholder goes before its claim, and only
            // while it is proven the file claimed, still empty: once the
            // picture is moved over it, the name is the picture's. The claim
            // stays while its placeholder does.
            QByteArray placeholderName;
            struct stat claimed{};
            struct stat placeholder{};
            bool placeholderStays = false;
            if (claim && readClaim(fd, placeholderName, claimed)) {
                if (::fstatat(dirFd, placeholderName.constData(), &placeholder, AT_SYMLINK_NOFOLLOW) == 0)
                    placeholderStays = isPlaceholder(placeholder, claimed)
                                       && ::unlinkat(dirFd, placeholderName.constData(), 0) != 0;
                else
                    placeholderStays = errno != ENOENT;
            }
            if (!placeholderStays)
                ::unlinkat(dirFd, entry->d_name, 0);
        }
        ::close(fd);
        if (locksUnsupported(lockError))
            break;
    }
    ::closedir(dir);
}

namespace {

// Leftovers come from writers of a program that was killed: one look into a
// folder per run finds them all.
void removeStaleTemporariesOnce(const QString &folder)
{
    static std::mutex lock;
    static QSet<QString> cleaned;
    {
        std::lock_guard<std::mutex> g(lock);
        if (cleaned.contains(folder))
            return;
        cleaned.insert(folder);
    }
    SafeFileWriter::removeStaleTemporaries(folder);
}

} // namespace

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
    removeStaleTemporariesOnce(info.path());
    // A dot name in the same folder: the final move stays on one file system
    // and viewers skip the file while it grows.
    // The final name, shortened, keeps the temporary name within the file
    // system's limit whatever the final one's length.
    const QByteArray stem = QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName().left(64)
                                              + QLatin1String(kTemporaryMark));
    OpenTemporaries &open = openTemporaries();
    {
        std::lock_guard<std::mutex> g(open.lock);
        if (open.closed) {
            fail(QStringLiteral("cannot create %1").arg(m_finalPath), ECANCELED);
            finish();
            return false;
        }
        ++open.creating;
    }
    m_fd = createLockedTemporary(stem, m_tempPath);
    int error = m_fd < 0 ? errno : 0;
    {
        std::lock_guard<std::mutex> g(open.lock);
        --open.creating;
        if (m_fd >= 0 && open.removed)
            error = ECANCELED;
        else if (m_fd >= 0)
            open.paths.insert(m_tempPath);
    }
    open.created.notify_all();
    if (error != 0) {
        if (m_fd >= 0) {
            ::unlink(m_tempPath.constData());
            ::close(m_fd);
            m_fd = -1;
        }
        fail(QStringLiteral("cannot create %1").arg(m_finalPath), error);
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
    const int error = writeAll(m_fd, static_cast<const char *>(data), size, m_written);
    if (error != 0) {
        fail(QStringLiteral("cannot write %1").arg(m_finalPath), error);
        abort();
        return false;
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
    // The lock outlives the checked close on a second descriptor of the
    // same open file, until the file is in place.
    m_lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (m_lockFd < 0) {
        fail(QStringLiteral("cannot close %1").arg(m_finalPath), errno);
        ::close(fd);
        abort();
        return false;
    }
    if (::close(fd) != 0) {
        fail(QStringLiteral("cannot close %1").arg(m_finalPath), errno);
        abort();
        return false;
    }
    std::lock_guard<std::mutex> g(FileNameReservations::lock());
    // However the storage answers, a save tries a bounded number of names.
    for (int attempt = 1;; ++attempt) {
        if (moveWithoutReplacing(m_tempPath, m_finalPath.toLocal8Bit().constData()))
            break;
        const int error = errno;
        const QString next = error == EEXIST && nextName && attempt < kMaxCreateAttempts ? nextName() : QString();
        if (next.isEmpty()) {
            fail(QStringLiteral("cannot move into place %1").arg(m_finalPath), error);
            ::unlink(m_tempPath.constData());
            forgetTemporary(m_tempPath);
            m_tempPath.clear();
            closeLock();
            FileNameReservations::releaseLocked(m_reserved);
            m_reserved.clear();
            return false;
        }
        m_finalPath = next;
    }
    forgetTemporary(m_tempPath);
    m_tempPath.clear();
    closeLock();
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
        forgetTemporary(m_tempPath);
        m_tempPath.clear();
    }
    closeLock();
    finish();
}

void SafeFileWriter::closeLock()
{
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

void SafeFileWriter::finish()
{
    if (!m_reserved.isEmpty()) {
        FileNameReservations::release(m_reserved);
        m_reserved.clear();
    }
}

} // namespace kavrotether
