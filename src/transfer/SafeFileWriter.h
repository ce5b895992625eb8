#pragma once

#include <QString>

#include <functional>
#include <mutex>

namespace kavrotether {

// Names this process has chosen but not yet moved into place. Naming looks
// at them as taken, so two threads naming at once never pick the same one.
class FileNameReservations
{
public:
    // Held while a name is chosen and reserved, and while a finished file
    // is moved into place.
    static std::mutex &lock();
    // With lock() held.
    static bool isReservedLocked(const QString &path);
    static void reserveLocked(const QString &path);
    static void releaseLocked(const QString &path);
    static void release(const QString &path);
    // With lock() held: on disk or reserved.
    static bool isTakenLocked(const QString &path);
};

// Writes one file so that it appears under its final name only when it is
// complete, and never in place of another file: the bytes go to a temporary
// file in the same folder, every write and the close are checked, and the
// finished file is moved to its name without replacing anything (where the
// storage takes neither a no-replace rename nor a hard link, over an empty
// placeholder of its own that claimed the name). Whatever fails, the
// temporary file is removed and the reserved name released.
// The file gets the mode a plain create would give it (0666 less the umask),
// so other accounts the user lets read the folder can read the pictures.
class SafeFileWriter
{
public:
    // Removes the temporaries of this writer's pattern in the folder that no
    // live writer holds (a writer holds a lock on its temporary until its
    // file is in place): what a killed program left. So too the empty
    // placeholders such a writer had claimed its name with, each only while
    // its claim proves it the file claimed; a claim stays while its
    // placeholder does. A folder whose file system keeps no locks is left
    // alone: there writers go without them.
    // Done by open() the first time this process saves into a folder.
    static void removeStaleTemporaries(const QString &folder);

    // The call that locks temporaries, flock unless replaced: a test stands
    // in a file system that keeps no locks. Gives the call it replaced; null
    // puts flock back.
    using LockCall = int (*)(int fd, int operation);
    static LockCall replaceLockCall(LockCall call);

    // For an end of the program that destroys no writer (one is held in a
    // camera call): removes the temporaries of the writers at work, and from
    // then on no writer makes one. A file moved into place before stays
    // whole; a commit after fails and publishes nothing.
    static void removeOpenTemporariesAtEnd();

    // The final path, normally reserved by the naming step; its reservation
    // is released when the writer finishes either way.
    explicit SafeFileWriter(QString finalPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;

    bool open();
    bool write(const void *data, qint64 size);
    // Closes and moves into place. When the name was taken meanwhile (by
    // another program), nextName (run with the reservations locked) gives
    // the next one to try (not reserved); without it, or when it gives nothing, it fails.
    bool commit(const std::function<QString()> &nextName = {});
    // Drops the partial file.
    void abort();

    // The path the file ended under (after commit), or the one asked for.
    const QString &path() const { return m_finalPath; }
    const QString &errorString() const { return m_error; }
    qint64 written() const { return m_written; }

private:
    void fail(const QString &what, int error);
    void finish();
    void closeLock();

    QString m_finalPath;
    QString m_reserved;
    QByteArray m_tempPath;
    QString m_error;
    int m_fd = -1;
    // A second descriptor of the temporary that keeps its lock from the
    // checked close until the file is in place.
    int m_lockFd = -1;
    qint64 m_written = 0;
    bool m_failed = false;
};

} // namespace kavrotether
