#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "camera/CameraInfo.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "support/AdapterFixture.h"
#include "support/IsolatedSettings.h"
#include "support/DeviceAdapterTestAccess.h"
#include "support/FaultyStorage.h"
#include "support/SimulatorFixture.h"
#include "transfer/FileNaming.h"
#include "transfer/ObjectCopy.h"
#include "transfer/ObjectNaming.h"
#include "transfer/SafeFileWriter.h"

using namespace kavrotether;
using namespace kavrotether::test;

namespace {

// Every entry of a folder, hidden ones (temporary files) included.
QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList pictures(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Runs step(thread, i) for i below `each` on `count` threads at once.
void atOnce(int count, int each, const std::function<void(int, int)> &step)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < count; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < each; ++i)
                step(t, i);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
}

// The error the stand-in lock call fails with.
std::atomic<int> lockError{0};

int failingLock(int, int)
{
    errno = lockError.load();
    return -1;
}

// As if every writer that held a lock were gone.
int grantingLock(int, int)
{
    return 0;
}

// Entries with the random letters of the writer's own files as "*".
QStringList shapes(QStringList names)
{
    static const QRegularExpression random(QStringLiteral("(\\.part-|\\.claim-)[A-Za-z0-9]{6}$"));
    for (QString &name : names)
        name.replace(random, QStringLiteral("\\1*"));
    return names;
}

const QByteArray kOthers("someone else's");

// A storage that refuses no-replace renames and hard links into one folder,
// as some FUSE mounts and network shares do. The calls are stood in for
// below, in the test executable, ahead of the C library's; every path
// outside the folder goes to the C library's own.
struct RefusingStorage
{
    QByteArray folder; // with its trailing "/"
    int linkError = 0;
    // Another program writes the name at the first refused rename.
    bool takeFirstName = false;
    // Stands in for a plain rename into the folder; null: the real one.
    std::function<int(const char *from, const char *to)> rename;
    // As exFAT through FUSE: a file looked up by name has another inode
    // number than its descriptor once no descriptor of it is open.
    bool renumbers = false;
};

std::mutex storageLock;
RefusingStorage storage;

// The storage's answers for a path in its folder; null elsewhere.
std::unique_ptr<RefusingStorage> refusingFor(const char *path, bool takeName = false)
{
    std::lock_guard<std::mutex> g(storageLock);
    if (storage.folder.isEmpty() || !path
        || std::strncmp(path, storage.folder.constData(), size_t(storage.folder.size())) != 0)
        return nullptr;
    auto answers = std::make_unique<RefusingStorage>(storage);
    if (takeName)
        storage.takeFirstName = false;
    return answers;
}

// Installs a refusing storage for a folder while it lives.
struct RefusedPublishing
{
    RefusedPublishing(const QString &folder, int linkError, bool takeFirstName = false,
                      std::function<int(const char *, const char *)> rename = {}, bool renumbers = false)
    {
        std::lock_guard<std::mutex> g(storageLock);
        storage = {QFile::encodeName(folder) + '/', linkError, takeFirstName, std::move(rename), renumbers};
    }
    ~RefusedPublishing()
    {
        std::lock_guard<std::mutex> g(storageLock);
        storage = {};
    }
    RefusedPublishing(const RefusedPublishing &) = delete;
    RefusedPublishing &operator=(const RefusedPublishing &) = delete;
};

int realRename(const char *from, const char *to)
{
    static const auto call = cLibrary<int (*)(const char *, const char *)>("rename");
    return call(from, to);
}

QByteArray linkTarget(const QByteArray &link)
{
    char target[4096];
    return QByteArray(target, qMax<ssize_t>(::readlink(link.constData(), target, sizeof target), 0));
}

// A file looked up by name: its number as the renumbering storage gives it.
int lookedUp(int result, const QByteArray &path, struct stat *st)
{
    const auto refusing = refusingFor(path.constData());
    DIR *fds = result == 0 && refusing && refusing->renumbers ? ::opendir("/proc/self/fd") : nullptr;
    bool open = !fds;
    while (const dirent *fd = fds ? ::readdir(fds) : nullptr)
        open = open || linkTarget(QByteArray("/proc/self/fd/") + fd->d_name) == path;
    if (fds)
        ::closedir(fds);
    st->st_ino += open ? 0 : 1000000;
    return result;
}

} // namespace

extern "C" int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags) noexcept
{
    if (const auto refusing = refusingFor(to, true)) {
        QFile other(QFile::decodeName(to));
        if (refusing->takeFirstName && other.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            other.write(kOthers);
        errno = EINVAL;
        return -1;
    }
    static const auto call = cLibrary<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2");
    return call(fromDir, from, toDir, to, flags);
}

extern "C" int link(const char *from, const char *to) noexcept
{
    if (const auto refusing = refusingFor(to)) {
        errno = refusing->linkError;
        return -1;
    }
    static const auto call = cLibrary<int (*)(const char *, const char *)>("link");
    return call(from, to);
}

extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags) noexcept
{
    if (const auto refusing = refusingFor(to)) {
        errno = refusing->linkError;
        return -1;
    }
    static const auto call = cLibrary<int (*)(int, const char *, int, const char *, int)>("linkat");
    return call(fromDir, from, toDir, to, flags);
}

extern "C" int lstat(const char *path, struct stat *st) noexcept
{
    static const auto call = cLibrary<int (*)(const char *, struct stat *)>("lstat");
    return lookedUp(call(path, st), path, st);
}

extern "C" int fstatat(int dir, const char *name, struct stat *st, int flags) noexcept
{
    static const auto call = cLibrary<int (*)(int, const char *, struct stat *, int)>("fstatat");
    const QByteArray folder = name[0] == '/' ? QByteArray() : linkTarget("/proc/self/fd/" + QByteArray::number(dir));
    return lookedUp(call(dir, name, st, flags), folder + (folder.isEmpty() ? "" : "/") + name, st);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    const auto refusing = refusingFor(to);
    return refusing && refusing->rename ? refusing->rename(from, to) : realRename(from, to);
}

// The transfer controller against simulated cameras: names taken by many
// threads at once, files that appear only complete and never in place of
// another, the movie and 6K/4K dialogs' states and the copy list.
class TestObjectTransfer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void writerNeverReplaces_data();
    void writerNeverReplaces();
    void staleTemporariesGo();
    void savingWhereLocksFail_data();
    void savingWhereLocksFail();
    void savedModeFollowsUmask_data();
    void savedModeFollowsUmask();
    void namingAtOnceSharesNoName();
    void failedSavesUseUpTheirNumbers();
    void failingSavesAtOnceShareNoName();
    void prefixFromSettingsFile_data();
    void prefixFromSettingsFile();
    void pairNeverRewindsTheNumber();
    void defaultFolderIsCreated();
    void copyList_data();
    void copyList();
    void stateWritesAnnounceNothing();
    void stopInEachCuttingState_data();
    void stopInEachCuttingState();
    void objectCallsTakeAnyNonZeroAnswer_data();
    void objectCallsTakeAnyNonZeroAnswer();
    void stillSkipMatrix_data();
    void stillSkipMatrix();
    void stillChunks_data();
    void stillChunks();
    void stillFailureLeavesNothing_data();
    void stillFailureLeavesNothing();
    void hostileCameraNames_data();
    void hostileCameraNames();
    void pairingInBothOrders_data();
    void pairingInBothOrders();
    void twoMoviesOfferedApart();
    void movieStopBetweenChunks();
    void movieStopDuringLastChunk();
    void movieStartTwice();
    void movieFailureIsAnnounced();
    void shutdownMidMovieLeavesNothing();
    void shutdownDuringLastStillReadLeavesNothing_data();
    void shutdownDuringLastStillReadLeavesNothing();
    void cutting_data();
    void cutting();
    void refusedCutKeepsTheNumber();
    // Last: the other camera does not come back.
    void cameraLostMidTransferLeavesNothing();

private:
    QString folder() const { return m_folder->path(); }
    quint32 addObject(uint format, qint64 size);
    QByteArray cameraBytes(quint32 handle, quint64 size);
    bool skipped(quint32 handle);
    // A connected camera other than the selected one, with its simulator
    // index; empty when there is none.
    QString otherCamera(int *index = nullptr);
    // The camera's file target, picture quality and HLG type (camera
    // codes) and whether a card is ready; the change events are handled.
    void setCamera(uint target, uint quality, uint hlg, bool card);

    IsolatedSettings m_settings;
    std::unique_ptr<InstalledSettings> m_appSettings;
    AdapterFixture m_fixture;
    std::unique_ptr<ObjectCopy> m_copy;
    std::unique_ptr<QTemporaryDir> m_folder;
    int m_index = -1;
    QString m_uuid;
};

void TestObjectTransfer::initTestCase()
{
    QVERIFY(m_settings.isValid());
    m_appSettings = std::make_unique<InstalledSettings>();
    QVERIFY(m_fixture.start());
    m_index = m_fixture.connectWithoutReading();
    QVERIFY(m_index >= 0);
    m_uuid = m_fixture->camera_list_get_selected_camera_uuid();
}

void TestObjectTransfer::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_appSettings->setStoreFolderType(ApplicationSettings::StoFolderType_User);
    m_appSettings->setStoreFolderUrl(folder());
    m_appSettings->setStoreFolderDate(ApplicationSettings::StoFolderDate_Off);
    m_appSettings->setStoreFolderCamera(ApplicationSettings::StoFolderCamera_Off);
    m_appSettings->setFolderNameType(ApplicationSettings::FolNameType_User);
    m_appSettings->setFolderNamePrefix(QStringLiteral("IMG_"));
    m_appSettings->setStoreFileNameCamera(ApplicationSettings::StoFileNameCamera_Off);
    m_appSettings->setFileNumber(0);
    m_copy = std::make_unique<ObjectCopy>();
    ApplicationData::setObjectCopy(m_copy.get());
    kvrsim::clearCallLogs();
}

void TestObjectTransfer::cleanup()
{
    ApplicationData::setObjectCopy(nullptr);
    m_copy.reset();
    m_folder.reset();
}

void TestObjectTransfer::cleanupTestCase()
{
    m_fixture.stop();
    m_appSettings.reset();
}

void TestObjectTransfer::writerNeverReplaces_data()
{
    QTest::addColumn<QString>("takenBeforeCommit");
    QTest::addColumn<bool>("offerNext");
    QTest::addColumn<rlim_t>("sizeLimit");
    QTest::addColumn<int>("linkError"); // 0: the storage takes no-replace renames
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("left");
    const rlim_t none = RLIM_INFINITY;
    QTest::newRow("free name") << QString() << false << none << 0 << true << QStringList{"a.jpg"};
    QTest::newRow("taken meanwhile, next offered")
        << "a.jpg" << true << none << 0 << true << QStringList{"a.jpg", "a_01.jpg"};
    QTest::newRow("taken meanwhile, no next") << "a.jpg" << false << none << 0 << false << QStringList{"a.jpg"};
    QTest::newRow("file-size limit") << QString() << false << rlim_t(1000) << 0 << false << QStringList();
    // Where neither a no-replace rename nor a hard link is had.
    QTest::newRow("links refused, taken meanwhile, next offered")
        << "a.jpg" << true << none << EPERM << true << QStringList{"a.jpg", "a_01.jpg"};
    QTest::newRow("links refused, taken meanwhile, no next")
        << "a.jpg" << false << none << EOPNOTSUPP << false << QStringList{"a.jpg"};
}

void TestObjectTransfer::writerNeverReplaces()
{
    QFETCH(QString, takenBeforeCommit);
    QFETCH(bool, offerNext);
    QFETCH(rlim_t, sizeLimit);
    QFETCH(int, linkError);
    QFETCH(bool, ok);
    QFETCH(QStringList, left);

    const QByteArray bytes(4096, 'p');
    std::unique_ptr<RefusedPublishing> refused;
    if (linkError != 0)
        refused = std::make_unique<RefusedPublishing>(folder(), linkError);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    {
        SafeFileWriter writer(folder() + "/a.jpg");
        QVERIFY(writer.open());
        rlimit limited = saved;
        limited.rlim_cur = sizeLimit;
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool written = writer.write(bytes.constData(), bytes.size());
        setrlimit(RLIMIT_FSIZE, &saved);
        // Nothing is under the picture's name while it is written.
        QVERIFY(!QFileInfo::exists(folder() + "/a.jpg"));
        if (!takenBeforeCommit.isEmpty())
            writeFile(folder() + "/" + takenBeforeCommit, kOthers);
        const bool committed = written
                               && writer.commit(offerNext
                                                    ? std::function<QString()>([&] { return folder() + "/a_01.jpg"; })
                                                    : std::function<QString()>());
        QCOMPARE(committed, ok);
        if (!ok)
            QVERIFY(!writer.errorString().isEmpty());
    }
    QCOMPARE(entries(folder()), left);
    if (!takenBeforeCommit.isEmpty())
        QCOMPARE(readAll(folder() + "/" + takenBeforeCommit), kOthers);
    if (ok)
        QCOMPARE(readAll(folder() + "/" + left.last()), bytes);
}

void TestObjectTransfer::staleTemporariesGo()
{
    const QString killed = ".IMG_0007.jpg.part-Ab12Cd";
    const QString working = ".IMG_0008.jpg.part-Ef34Gh";
    writeFile(folder() + "/" + killed, "half a picture");
    writeFile(folder() + "/" + working, "a picture being written");
    // A writer still at work holds the lock on its temporary.
    QFile held(folder() + "/" + working);
    QVERIFY(held.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
    // Not of the writer's pattern: the user's own.
    writeFile(folder() + "/.notes.part-1", "mine");
    writeFile(folder() + "/x.jpg.part-Ab12Cd", "mine");

    const QByteArray bytes(100, 'p');
    SafeFileWriter first(folder() + "/a.jpg");
    QVERIFY(first.open() && first.write(bytes.constData(), bytes.size()) && first.commit());
    // This program's own writer at work is not taken for a killed one.
    SafeFileWriter second(folder() + "/b.jpg");
    QVERIFY(second.open());
    SafeFileWriter::removeStaleTemporaries(folder());
    QVERIFY(second.write(bytes.constData(), bytes.size()) && second.commit());
    QCOMPARE(entries(folder()), QStringList({working, ".notes.part-1", "a.jpg", "b.jpg", "x.jpg.part-Ab12Cd"}));
}

void TestObjectTransfer::savingWhereLocksFail_data()
{
    QTest::addColumn<int>("error");     // of locks; 0: locks work
    QTest::addColumn<int>("linkError"); // 0: no-replace renames work
    // What happens at the rename over the placeholder: a sweep while the
    // writer lives, or as after the writer was killed just before or just
    // after it.
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("failure"); // the error told; 0: saved
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("atMove"); // after the sweep at the rename
    const QString working = ".IMG_0009.jpg.part-Ef34Gh";
    const QString picture = "IMG_0001.jpg";
    const QStringList none;
    // The ways a file system without locks (a network mount without a lock
    // service) refuses them.
    QTest::newRow("ENOLCK") << ENOLCK << 0 << "" << 1000ll << 0 << QStringList{working, picture} << none;
    QTest::newRow("EOPNOTSUPP") << EOPNOTSUPP << 0 << "" << 1000ll << 0 << QStringList{working, picture} << none;
    QTest::newRow("ENOSYS") << ENOSYS << 0 << "" << 1000ll << 0 << QStringList{working, picture} << none;
    QTest::newRow("EINVAL") << EINVAL << 0 << "" << 1000ll << 0 << QStringList{working, picture} << none;
    QTest::newRow("any other error") << EIO << 0 << "" << 1000ll << EIO << QStringList{working} << none;
    // The ways a FUSE mount or a network share refuses a hard link, after a
    // no-replace rename.
    QTest::newRow("links refused: EPERM") << 0 << EPERM << "" << 1000ll << 0 << QStringList{picture} << none;
    QTest::newRow("links refused: ENOSYS") << 0 << ENOSYS << "" << 1000ll << 0 << QStringList{picture} << none;
    QTest::newRow("links refused: EOPNOTSUPP") << 0 << EOPNOTSUPP << "" << 1000ll << 0 << QStringList{picture} << none;
    QTest::newRow("links and locks refused")
        << ENOLCK << EPERM << "" << 1000ll << 0 << QStringList{working, picture} << none;
    QTest::newRow("links refused, name taken meanwhile")
        << 0 << EPERM << "taken" << 1000ll << 0 << QStringList{picture, "IMG_0001_01.jpg"} << none;
    QTest::newRow("link fails otherwise") << 0 << EIO << "" << 1000ll << EIO << none << none;
    QTest::newRow("links refused, rename fails") << 0 << EPERM << "rename fails" << 1000ll << EIO << none << none;
    QTest::newRow("links refused, swept at the move")
        << 0 << EPERM << "swept" << 1000ll << 0 << QStringList{picture}
        << QStringList{".IMG_0001.jpg.claim-*", ".IMG_0001.jpg.part-*", picture};
    // The temporary, the claim and the placeholder go; the rename finds no
    // temporary.
    QTest::newRow("links refused, killed before the move")
        << 0 << EPERM << "killed before" << 1000ll << ENOENT << none << none;
    // An empty picture in the placeholder's place: not the file claimed.
    QTest::newRow("links refused, killed after moving an empty picture")
        << 0 << EPERM << "killed after" << 0ll << 0 << QStringList{picture} << QStringList{picture};
    // Storage whose rename never replaces a name, not even our placeholder.
    QTest::newRow("links refused, renames never replace")
        << 0 << EPERM << "never replaces" << 1000ll << 0 << QStringList{picture} << none;
    QTest::newRow("links refused, every name taken at the rename")
        << 0 << EPERM << "taken at every rename" << 1000ll << EEXIST << none << none;
    // exFAT through FUSE: files renumbered once closed, or after a remount.
    QTest::newRow("links refused, files renumbered")
        << 0 << EPERM << "renumbered" << 1000ll << 0 << QStringList{picture} << none;
    QTest::newRow("links refused, renumbered, killed before the move")
        << 0 << EPERM << "renumbered, killed before" << 1000ll << ENOENT << none << none;
}

void TestObjectTransfer::savingWhereLocksFail()
{
    QFETCH(int, error);
    QFETCH(int, linkError);
    QFETCH(QString, meanwhile);
    QFETCH(qint64, size);
    QFETCH(int, failure);
    QFETCH(QStringList, left);
    QFETCH(QStringList, atMove);
    setCamera(1, 0, 0, true);
    // Another writer's temporary at work, unlocked: the first save into the
    // folder sweeps it for leftovers where locks work.
    const QString working = ".IMG_0009.jpg.part-Ef34Gh";
    writeFile(folder() + "/" + working, "a picture being written");
    QSignalSpy failed(m_copy.get(), &ObjectCopy::objectTransferFailed);
    lockError = error;
    const SafeFileWriter::LockCall flock = error != 0 ? SafeFileWriter::replaceLockCall(&failingLock) : nullptr;
    QStringList seenAtMove;
    int renames = 0;
    const auto renameOverPlaceholder = [&](const char *from, const char *to) {
        if (meanwhile == "rename fails") {
            errno = EIO;
            return -1;
        }
        if (meanwhile == "never replaces" || meanwhile == "taken at every rename") {
            // A save that loops stops the test rather than hanging it.
            if (++renames > 1000)
                qFatal("a save loops without end");
            errno = EEXIST;
            return meanwhile == "never replaces" && ::access(to, F_OK) != 0 ? realRename(from, to) : -1;
        }
        const bool after = meanwhile == "killed after";
        const int moved = after ? realRename(from, to) : 0;
        const bool killed = meanwhile.contains("killed");
        const SafeFileWriter::LockCall kept = killed ? SafeFileWriter::replaceLockCall(&grantingLock) : nullptr;
        SafeFileWriter::removeStaleTemporaries(folder());
        if (killed)
            SafeFileWriter::replaceLockCall(kept);
        seenAtMove = shapes(entries(folder()));
        return after ? moved : realRename(from, to);
    };
    std::unique_ptr<RefusedPublishing> refused;
    if (linkError != 0)
        refused = std::make_unique<RefusedPublishing>(folder(), linkError, meanwhile == "taken",
                                                      meanwhile.isEmpty() || meanwhile == "taken"
                                                              || meanwhile == "renumbered"
                                                          ? std::function<int(const char *, const char *)>()
                                                          : renameOverPlaceholder,
                                                      meanwhile.startsWith("renumbered"));
    const quint32 handle = addObject(1, size);
    m_copy->startObjectReqTransfer(int(handle), m_uuid);
    refused.reset();
    if (error != 0)
        SafeFileWriter::replaceLockCall(flock);
    QCOMPARE(entries(folder()), left);
    QCOMPARE(seenAtMove, atMove);
    QCOMPARE(failed.count(), failure == 0 ? 0 : 1);
    // The name is used up whichever way the save went.
    QCOMPARE(m_appSettings->fileNumber(), 1);
    if (failure == 0)
        QCOMPARE(readAll(folder() + "/" + left.last()), cameraBytes(handle, quint64(size)));
    else
        QVERIFY2(failed.at(0).at(1).toString().endsWith(QString::fromLocal8Bit(std::strerror(failure))),
                 qPrintable(failed.at(0).at(1).toString()));
    if (meanwhile == "taken")
        QCOMPARE(readAll(folder() + "/" + left.first()), kOthers);
}

void TestObjectTransfer::savedModeFollowsUmask_data()
{
    QTest::addColumn<uint>("mask");
    QTest::addColumn<uint>("mode");
    QTest::newRow("022") << 022u << 0644u;
    QTest::newRow("027") << 027u << 0640u;
    QTest::newRow("077") << 077u << 0600u;
}

void TestObjectTransfer::savedModeFollowsUmask()
{
    QFETCH(uint, mask);
    QFETCH(uint, mode);
    const mode_t saved = ::umask(mode_t(mask));
    SafeFileWriter writer(folder() + "/a.jpg");
    const bool ok = writer.open() && writer.write("p", 1) && writer.commit();
    ::umask(saved);
    QVERIFY(ok);
    struct stat st{};
    QCOMPARE(::stat(QFile::encodeName(folder() + "/a.jpg").constData(), &st), 0);
    QCOMPARE(uint(st.st_mode & 07777), mode);
}

void TestObjectTransfer::namingAtOnceSharesNoName()
{
    // Twelve cameras' stills and movies named at the same moment.
    constexpr int kThreads = 12;
    constexpr int kEach = 20;
    std::vector<QStringList> names(kThreads);
    atOnce(kThreads, kEach, [&](int t, int i) {
        QString name, dir, path;
        const uint format = i % 4 == 3 ? 5u : 1u;
        if (ObjectCopy::makeFileName(format, name, dir, path, 1, 0, true, QStringLiteral("cam-%1").arg(t)))
            names[t] << path;
    });
    QSet<QString> all;
    for (const QStringList &list : names) {
        QCOMPARE(list.size(), kEach);
        for (const QString &path : list) {
            QVERIFY2(!all.contains(path), qPrintable(path));
            all.insert(path);
            ObjectCopy::releaseFileName(path);
        }
    }
    QCOMPARE(m_appSettings->fileNumber(), kThreads * kEach);
}

void TestObjectTransfer::failedSavesUseUpTheirNumbers()
{
    setCamera(1, 0, 0, true);
    QSignalSpy failed(m_copy.get(), &ObjectCopy::objectTransferFailed);
    for (int i = 0; i < 3; ++i) {
        kvrsim::failNext("Get_Object", 1);
        m_copy->startObjectReqTransfer(int(addObject(1, 1000)), m_uuid);
    }
    QCOMPARE(failed.count(), 3);
    QCOMPARE(m_appSettings->fileNumber(), 3);
    m_copy->startObjectReqTransfer(int(addObject(1, 1000)), m_uuid);
    QCOMPARE(entries(folder()), QStringList{"IMG_0004.jpg"});
    QCOMPARE(m_appSettings->fileNumber(), 4);

    // One folder for every camera, no label in names: the selected camera's
    // JPEG fails, the other camera's next shot is saved, then the RAW of the
    // failed shot arrives. It keeps its shot's number, which the other
    // camera's JPEG does not share.
    const QString other = otherCamera();
    QVERIFY(!other.isEmpty());
    const auto save = [&](const QString &uuid, uint format, bool newNumber, bool publish) {
        runningNumber::PersistAtEnd persist;
        NamedFile file;
        if (!nameObject(format, 0, newNumber, uuid, file, false))
            return false;
        SafeFileWriter writer(file.filePath);
        return publish && writer.open() && writer.write("p", 1) && commitNamed(writer, file);
    };
    QVERIFY(!save(m_uuid, 1, true, false));
    QVERIFY(save(other, 1, true, true));
    QVERIFY(save(m_uuid, 2, false, true));
    QCOMPARE(pictures(folder()), QStringList({"IMG_0004.jpg", "IMG_0005.rw2", "IMG_0006.jpg"}));
    QCOMPARE(m_appSettings->fileNumber(), 6);
}

void TestObjectTransfer::failingSavesAtOnceShareNoName()
{
    constexpr int kThreads = 8;
    constexpr int kEach = 15;
    std::vector<QStringList> published(kThreads);
    // Every third save fails after its name was chosen.
    atOnce(kThreads, kEach, [&](int t, int i) {
        runningNumber::PersistAtEnd persist;
        NamedFile file;
        if (!nameObject(1, 0, true, QStringLiteral("cam-%1").arg(t), file, false))
            return;
        SafeFileWriter writer(file.filePath);
        if (writer.open() && writer.write("p", 1) && (t + i) % 3 != 0 && commitNamed(writer, file))
            published[t] << file.fileName;
    });
    QStringList all;
    for (const QStringList &list : published)
        all += list;
    all.sort();
    QCOMPARE(all.size(), kThreads * kEach - kThreads * kEach / 3);
    // Each file on disk is one save's, under a number of its own: no name
    // was chosen twice, so none needed a sub-number.
    QCOMPARE(entries(folder()), all);
    for (const QString &name : std::as_const(all))
        QVERIFY2(QRegularExpression("^IMG_\\d{4}\\.jpg$").match(name).hasMatch(), qPrintable(name));
}

void TestObjectTransfer::prefixFromSettingsFile_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<uint>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("parent folder") << "../x_" << 1u << "IMG_0001.jpg";
    QTest::newRow("absolute") << "/tmp/x_" << 1u << "IMG_0001.jpg";
    QTest::newRow("drive and wildcard") << "c:*" << 1u << "IMG_0001.jpg";
    QTest::newRow("control character") << "a\tb" << 1u << "IMG_0001.jpg";
    QTest::newRow("empty") << "" << 1u << "IMG_0001.jpg";
    // Empty is the format's own prefix; only a refused one is the default.
    QTest::newRow("empty, movie") << "" << 4u << "MOV_0001.mov";
    QTest::newRow("refused, movie") << "../x_" << 5u << "IMG_0001.mp4";
    QTest::newRow("21 characters") << QString(21, QLatin1Char('p')) << 1u << "IMG_0001.jpg";
    QTest::newRow("20 characters") << QString(20, QLatin1Char('p')) << 1u << QString(20, QLatin1Char('p')) + "0001.jpg";
    QTest::newRow("dots and letters") << QString::fromUtf8("..Été_") << 1u << QString::fromUtf8("..Été_0001.jpg");
}

void TestObjectTransfer::prefixFromSettingsFile()
{
    QFETCH(QString, prefix);
    QFETCH(uint, format);
    QFETCH(QString, expected);
    // As a settings file edited by hand or left by another version holds it.
    m_appSettings->setFolderNamePrefix(prefix);
    QString name, dir, path;
    QVERIFY(ObjectCopy::makeFileName(format, name, dir, path, 1, 0, true, m_uuid));
    ObjectCopy::releaseFileName(path);
    QCOMPARE(name, expected);
    QCOMPARE(path, folder() + "/" + expected);
}

void TestObjectTransfer::pairNeverRewindsTheNumber()
{
    QStringList uuids;
    m_fixture->withCameraTable([&](QMap<QString, CameraInfo> &table) { uuids = table.keys(); });
    QVERIFY(uuids.size() >= 2);
    QString name, dir, path;
    QVERIFY(ObjectCopy::makeFileName(1, name, dir, path, 1, 0, true, uuids.at(0)));
    QCOMPARE(name, QStringLiteral("IMG_0001.jpg"));
    QVERIFY(ObjectCopy::makeFileName(1, name, dir, path, 1, 0, true, uuids.at(1)));
    QCOMPARE(name, QStringLiteral("IMG_0002.jpg"));
    // The first camera's RAW of its pair arrives after the other camera's
    // shot: its number, and the running number stays.
    QVERIFY(ObjectCopy::makeFileName(2, name, dir, path, 1, 0, false, uuids.at(0)));
    QCOMPARE(name, QStringLiteral("IMG_0001.rw2"));
    QCOMPARE(m_appSettings->fileNumber(), 2);
    QVERIFY(ObjectCopy::makeFileName(2, name, dir, path, 1, 0, false, uuids.at(0)));
    QCOMPARE(name, QStringLiteral("IMG_0001_01.rw2")); // the first is still being written
}

void TestObjectTransfer::defaultFolderIsCreated()
{
    m_appSettings->setStoreFolderType(ApplicationSettings::StoFolderType_Default);
    m_appSettings->setStoreFolderDate(ApplicationSettings::StoFolderDate_On);
    const QString pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0);
    QVERIFY(!pictures.isEmpty());
    const QString expected = pictures + "/" + QDate::currentDate().toString("yyyyMMdd");
    QDir(expected).removeRecursively();
    QString name, dir, path;
    QVERIFY(ObjectCopy::makeFileName(1, name, dir, path, 1, 0, true, m_uuid));
    QCOMPARE(dir, expected);
    QVERIFY(QFileInfo(expected).isDir());
    ObjectCopy::releaseFileName(path);
    QDir(expected).removeRecursively();
}

void TestObjectTransfer::copyList_data()
{
    QTest::addColumn<QList<quint64>>("sizes");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("final");
    QTest::newRow("empty") << QList<quint64>() << 0 << "0"
                           << "0" << true;
    QTest::newRow("truncated after summing") << QList<quint64>{524288, 524287} << 2 << "0"
                                             << "0" << true;
    QTest::newRow("two halves") << QList<quint64>{524288, 524288, 3u << 20} << 2 << "1"
                                << "4" << false;
    QTest::newRow("index 0") << QList<quint64>{5u << 20} << 0 << "0"
                             << "5" << false;
}

void TestObjectTransfer::copyList()
{
    QFETCH(QList<quint64>, sizes);
    QFETCH(int, index);
    QFETCH(QString, current);
    QFETCH(QString, total);
    QFETCH(bool, final);
    m_copy->clearObjectCopys();
    for (int i = 0; i < sizes.size(); ++i) {
        m_copy->setMovieHandle(uint(100 + i));
        m_copy->setObjectAddDataSize(ulong(sizes.at(i)));
        m_copy->pushObjectCopys();
    }
    m_copy->beginCopying();
    for (int i = 0; i < index; ++i)
        m_copy->nextCopy();
    QCOMPARE(m_copy->objectCopysCount(), sizes.size());
    QCOMPARE(m_copy->currentObjectCopyIndex(), index);
    QCOMPARE(m_copy->currentObjectCopySizeString(), current);
    QCOMPARE(m_copy->totalObjectCopysSizeString(), total);
    QCOMPARE(m_copy->isFinalObjectCopy(), final);
    if (index < sizes.size()) {
        m_copy->setObjectCopyToCurrent();
        QCOMPARE(m_copy->movieHandle(), uint(100 + index));
        QCOMPARE(quint64(m_copy->objectAddDataSize()), sizes.at(index));
    }
}

void TestObjectTransfer::stateWritesAnnounceNothing()
{
    QSignalSpy added(m_copy.get(), &ObjectCopy::objectAddStateChanged);
    QSignalSpy progress(m_copy.get(), &ObjectCopy::cut6K4KDataProgressChanged);
    for (auto state : {ObjectCopy::OAS_Unknown, ObjectCopy::OAS_Movie_Confirm, ObjectCopy::OAS_Max}) {
        m_copy->setProperty("objectAddState", int(state));
        QCOMPARE(m_copy->objectAddState(), state);
    }
    m_copy->setProperty("cut6K4KDataProgress", 7);
    m_copy->setProperty("objectAddOffsetSize", 7);
    QCOMPARE(m_copy->cut6K4KDataProgress(), 0);
    QCOMPARE(m_copy->objectAddOffsetSize(), 0ul);
    QCOMPARE(added.count(), 0);
    QCOMPARE(progress.count(), 0);
}

void TestObjectTransfer::stopInEachCuttingState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("announced");
    QTest::newRow("unknown") << int(ObjectCopy::CT6K4K_Unknown) << 0 << -2;
    QTest::newRow("confirm") << int(ObjectCopy::CT6K4K_Confirm) << 1 << int(ObjectCopy::CT6K4K_Cancel);
    QTest::newRow("start") << int(ObjectCopy::CT6K4K_Start) << 1 << int(ObjectCopy::CT6K4K_Stop);
    QTest::newRow("cancel") << int(ObjectCopy::CT6K4K_Cancel) << 0 << -2;
    QTest::newRow("stop") << int(ObjectCopy::CT6K4K_Stop) << 0 << -2;
}

void TestObjectTransfer::stopInEachCuttingState()
{
    QFETCH(int, state);
    QFETCH(int, sent);
    QFETCH(int, announced);
    // The state as the workers announce it, without starting a cut.
    m_copy->setCut6K4KStateValue(state);
    QSignalSpy changed(m_copy.get(), &ObjectCopy::cut6K4KStateChanged);
    QSignalSpy interrupted(m_copy.get(), &ObjectCopy::interruptionCut6K4K);
    m_copy->stop6K4K(0);
    QCOMPARE(callCount(m_index, "Rec_Ctrl_4K6K"), sent);
    QCOMPARE(changed.count(), announced == -2 ? 0 : 1);
    if (announced != -2)
        QCOMPARE(int(m_copy->cut6K4KState()), announced);
    QCOMPARE(interrupted.count(), state == ObjectCopy::CT6K4K_Start ? 1 : 0);
}

void TestObjectTransfer::objectCallsTakeAnyNonZeroAnswer_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("selectedByName");
    QTest::addColumn<bool>("success");
    QTest::newRow("2 counts as success") << 2 << false << true;
    QTest::newRow("1, camera named") << 1 << true << true;
    QTest::newRow("0 fails") << 0 << false << false;
}

void TestObjectTransfer::objectCallsTakeAnyNonZeroAnswer()
{
    QFETCH(int, answer);
    QFETCH(bool, selectedByName);
    QFETCH(bool, success);
    // An empty UUID addresses the selected camera, as its UUID does.
    const QString uuid = selectedByName ? m_uuid : QString();
    kvrsim::failNext("Get_Object_DataSize", 1, quint8(answer));
    quint64 size = 0;
    QCOMPARE(m_fixture->adp_KVR_func_api_Get_Object_DataSize(1, &size, uuid) == Utilities::Ternary_True, success);
    kvrsim::failNext("Skip_Object_Transfer", 1, quint8(answer));
    QCOMPARE(m_fixture->adp_KVR_func_api_Skip_Object_Transfer(1, uuid) == Utilities::Ternary_True, success);
    QCOMPARE(callCount(m_index, "Get_Object_DataSize"), 1);
    QCOMPARE(callCount(m_index, "Skip_Object_Transfer"), 1);
}

quint32 TestObjectTransfer::addObject(uint format, qint64 size)
{
    return kvrsim::addObject(m_index, format, size, false);
}

QByteArray TestObjectTransfer::cameraBytes(quint32 handle, quint64 size)
{
    const std::vector<uint8_t> bytes = kvrsim::objectBytes(m_index, handle, 0, quint32(size));
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

QString TestObjectTransfer::otherCamera(int *index)
{
    QStringList uuids;
    m_fixture->withCameraTable([&](QMap<QString, CameraInfo> &table) { uuids = table.keys(); });
    uuids.removeAll(m_uuid);
    const QString other = uuids.value(0);
    for (int i : kvrsim::cameras())
        if (index && !other.isEmpty() && QString::fromStdString(kvrsim::uuidOf(i)) == other)
            *index = i;
    return other;
}

bool TestObjectTransfer::skipped(quint32 handle)
{
    for (const kvrsim::ObjectInfo &info : kvrsim::objectInfo(m_index))
        if (info.handle == handle)
            return info.skipped;
    return false;
}

void TestObjectTransfer::setCamera(uint target, uint quality, uint hlg, bool card)
{
    kvrsim::turnDial(m_index, "fileTarget", target);
    kvrsim::turnDial(m_index, "imgInfoQuality", quality);
    kvrsim::turnDial(m_index, "hlgShootingType", hlg);
    kvrsim::updateStatus(m_index, [card](kvrsim::StatusValues &s) {
        s.cardCount = card ? 1 : 0;
        s.cards[0] = card ? 1 : 0;
    });
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
}

void TestObjectTransfer::stillSkipMatrix_data()
{
    QTest::addColumn<uint>("format");
    QTest::addColumn<uint>("target"); // camera codes: 0 camera only, 1 computer only, 2 both
    QTest::addColumn<uint>("quality");
    QTest::addColumn<uint>("hlg");
    QTest::addColumn<bool>("card");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("skip");
    QTest::newRow("JPEG, camera only") << 1u << 0u << 0u << 0u << true << false << true;
    QTest::newRow("JPEG, camera only, no card") << 1u << 0u << 0u << 0u << false << true << false;
    QTest::newRow("JPEG, computer and camera") << 1u << 2u << 0u << 0u << true << true << false;
    QTest::newRow("RAW, RAW+JPEG quality") << 2u << 1u << 4u << 0u << true << true << false;
    QTest::newRow("RAW, JPEG quality") << 2u << 2u << 0u << 0u << true << false << true;
    QTest::newRow("HLG, HLG off") << 6u << 1u << 0u << 0u << true << false << true;
    QTest::newRow("HLG, HLG on") << 6u << 1u << 0u << 2u << true << true << false;
    QTest::newRow("HEIF") << 7u << 1u << 13u << 0u << true << true << false;
    QTest::newRow("movie asked as a still") << 5u << 1u << 0u << 0u << true << false << false;
}

void TestObjectTransfer::stillSkipMatrix()
{
    QFETCH(uint, format);
    QFETCH(uint, target);
    QFETCH(uint, quality);
    QFETCH(uint, hlg);
    QFETCH(bool, card);
    QFETCH(bool, saved);
    QFETCH(bool, skip);
    setCamera(target, quality, hlg, card);
    m_fixture->setPcSavedFilePath(QString());
    const quint32 handle = addObject(format, 4096);
    m_copy->startObjectReqTransfer(int(handle), m_uuid);
    QCOMPARE(pictures(folder()).size(), saved ? 1 : 0);
    QCOMPARE(skipped(handle), skip);
    if (saved) {
        const QString path = folder() + "/" + pictures(folder()).value(0);
        QCOMPARE(readAll(path), cameraBytes(handle, 4096));
        // A single file (association type 0) is the one the preview shows.
        QCOMPARE(m_fixture->pcSavedFilePath(), path);
    }
    QCOMPARE(entries(folder()), pictures(folder()));
}

void TestObjectTransfer::stillChunks_data()
{
    QTest::addColumn<uint>("format");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("partialReads");
    QTest::addColumn<int>("wholeReads");
    const qint64 chunk = ObjectCopy::kChunkSize;
    QTest::newRow("RAW of one chunk") << 2u << chunk << 1 << 0;
    QTest::newRow("RAW one byte over") << 2u << chunk + 1 << 2 << 0;
    QTest::newRow("RAW of no bytes") << 2u << qint64(0) << 0 << 0;
    QTest::newRow("JPEG read whole") << 1u << qint64(100000) << 0 << 1;
    QTest::newRow("large JPEG in chunks") << 1u << chunk + 1 << 2 << 0;
}

void TestObjectTransfer::stillChunks()
{
    QFETCH(uint, format);
    QFETCH(qint64, size);
    QFETCH(int, partialReads);
    QFETCH(int, wholeReads);
    setCamera(1, 4, 0, true);
    const quint32 handle = addObject(format, size);
    m_copy->startObjectReqTransfer(int(handle), m_uuid);
    QCOMPARE(pictures(folder()).size(), 1);
    QCOMPARE(callCount(m_index, "Get_Partial_Object"), partialReads);
    QCOMPARE(callCount(m_index, "Get_Object"), wholeReads);
    const QByteArray saved = readAll(folder() + "/" + pictures(folder()).value(0));
    QCOMPARE(saved.size(), size);
    QVERIFY(saved == cameraBytes(handle, quint64(size)));
}

void TestObjectTransfer::stillFailureLeavesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("read failure mid-file") << "read";
    QTest::newRow("file-size limit") << "limit";
    QTest::newRow("folder is a file") << "folder";
    QTest::newRow("size not told") << "describe";
    // The name given back is the next camera's by the time the notice is read.
    QTest::newRow("read failure, another camera's picture of that name next") << "read, other next";
}

void TestObjectTransfer::stillFailureLeavesNothing()
{
    QFETCH(QString, fault);
    setCamera(1, 4, 0, true);
    m_fixture->setPcSavedFilePath(QStringLiteral("/before"));
    QSignalSpy failed(m_copy.get(), &ObjectCopy::objectTransferFailed);
    int otherIndex = -1;
    const QString other = otherCamera(&otherIndex);
    if (fault == "read, other next") {
        m_appSettings->setFolderNameType(ApplicationSettings::FolNameType_Default);
        kvrsim::setNextObjectNames(m_index, {"P1000055.RW2"});
        kvrsim::setNextObjectNames(otherIndex, {"P1000055.RW2"});
    }
    const qint64 size = qint64(ObjectCopy::kChunkSize) + (4 << 20);
    const quint32 handle = addObject(2, size);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    if (fault.startsWith("read"))
        kvrsim::failObjectReadAt(m_index, qint64(ObjectCopy::kChunkSize) + 10);
    if (fault == "describe")
        kvrsim::failNext("Get_Object_DataSize", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    // The storage folder is sound (one that is not reads as the default
    // folder); the day's folder in it is a plain file.
    const QString day = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    if (fault == "folder") {
        writeFile(folder() + "/" + day, "x");
        m_appSettings->setStoreFolderDate(ApplicationSettings::StoFolderDate_On);
    }
    if (fault == "limit") {
        rlimit limited = saved;
        limited.rlim_cur = 1 << 20;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    m_copy->startObjectReqTransfer(int(handle), m_uuid);
    setrlimit(RLIMIT_FSIZE, &saved);
    kvrsim::failObjectReadAt(m_index, -1);
    QCOMPARE(entries(folder()), fault == "folder" ? QStringList{day} : QStringList());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(m_fixture->pcSavedFilePath(), QStringLiteral("/before"));
    // the notice names the camera as the user knows it, and why
    QCOMPARE(failed.at(0).at(2).toString(), m_fixture->camera_list_get_camera_individual_id(m_uuid).isEmpty()
                                               ? m_fixture->camera_list_get_camera_modelName(m_uuid)
                                               : m_fixture->camera_list_get_camera_individual_id(m_uuid));
    QVERIFY(!failed.at(0).at(2).toString().isEmpty());
    // told as a picture on the camera, never as a file of the folder
    QVERIFY(failed.at(0).at(4).toBool());
    QCOMPARE(failed.at(0).at(3).toInt(), fault != "limit" && fault != "folder" ? int(ObjectCopy::TF_CameraRead)
                                         : fault == "folder" ? int(ObjectCopy::TF_Folder)
                                                             : int(ObjectCopy::TF_Write));
    if (fault == "read, other next") {
        kvrsim::turnDial(otherIndex, "fileTarget", 1);
        kvrsim::turnDial(otherIndex, "imgInfoQuality", 4);
        m_copy->startObjectReqTransfer(int(kvrsim::addObject(otherIndex, 2, 1000, false)), other);
        QCOMPARE(pictures(folder()), QStringList{"P1000055.RW2"});
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("P1000055.RW2"));
    }
}

void TestObjectTransfer::hostileCameraNames_data()
{
    QTest::addColumn<QString>("cameraName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("parent") << "../x.JPG"
                            << "__x.JPG";
    QTest::newRow("absolute") << "/tmp/x.JPG"
                              << "_tmp_x.JPG";
    QTest::newRow("nested") << "a/b.JPG"
                            << "a_b.JPG";
    QTest::newRow("shown with another extension") << QString::fromUtf16(u"IMG\u202Egpj.exe") << "IMGgpj.jpg";
    QTest::newRow("nothing usable") << "\x01 \x02"
                                    << "IMG_0001.jpg";
    QTest::newRow("300 bytes") << QString(300, QLatin1Char('a'))
                               << QString(naming::kMaxNameBytes - 4, QLatin1Char('a')) + ".jpg";
}

void TestObjectTransfer::hostileCameraNames()
{
    QFETCH(QString, cameraName);
    QFETCH(QString, expected);
    setCamera(1, 0, 0, true);
    m_appSettings->setFolderNameType(ApplicationSettings::FolNameType_Default);
    kvrsim::setNextObjectNames(m_index, {cameraName.toStdString()});
    const quint32 handle = addObject(1, 1000);
    m_copy->startObjectReqTransfer(int(handle), m_uuid);
    QCOMPARE(entries(folder()), QStringList{expected});
}

void TestObjectTransfer::twoMoviesOfferedApart()
{
    DeviceAdapterTestAccess::setFileTarget(m_fixture.adapter(), Utilities::FLTG_PcOnly);
    QList<QPair<uint, quint64>> offers;
    connect(m_copy.get(), &ObjectCopy::objectAddStateChanged, this, [&](ObjectCopy::ObjectAddState state) {
        if (state == ObjectCopy::OAS_Movie_Confirm)
            offers.append({m_copy->movieHandle(), quint64(m_copy->objectAddDataSize())});
    });
    QSignalSpy dropped(m_copy.get(), &ObjectCopy::objectAddDroppedNotify);
    const quint32 first = addObject(5, 1 << 20);
    // every still format is counted off, not only JPEG
    const quint32 jpeg = addObject(1, 1000);
    const quint32 raw = addObject(2, 1000);
    const quint32 hlg = addObject(6, 1000);
    const quint32 heif = addObject(7, 1000);
    const quint32 second = addObject(4, 2 << 20);
    for (quint32 handle : {first, jpeg, raw, hlg, heif, second})
        m_copy->startObjectAdd(int(handle));
    QTRY_COMPARE(offers.size(), 2);
    QCOMPARE(offers.at(0), qMakePair(uint(first), quint64(1 << 20)));
    QCOMPARE(offers.at(1), qMakePair(uint(second), quint64(2 << 20)));
    QTRY_COMPARE(dropped.count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(dropped.at(i).at(0).toUInt(), uint(QList<quint32>({jpeg, raw, hlg, heif}).at(i)));
}

void TestObjectTransfer::movieStopBetweenChunks()
{
    const quint64 size = 3ull * ObjectCopy::kChunkSize;
    const quint32 handle = addObject(5, qint64(size));
    kvrsim::delayNext("Get_Partial_ObjectEx", 3, 300);
    QSignalSpy progress(m_copy.get(), &ObjectCopy::objectAddOffsetSizeChanged);
    m_copy->setMovieHandle(handle);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    QTRY_COMPARE(progress.count(), 1);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Stop);
    QTRY_VERIFY(callCount(m_index, "Get_Partial_ObjectEx") >= 2);
    QTRY_COMPARE(entries(folder()), QStringList());
    QVERIFY(callCount(m_index, "Get_Partial_ObjectEx") <= 2);
    QVERIFY(m_copy->objectAddDataSizeProgress() < 1.0);
}

void TestObjectTransfer::movieStopDuringLastChunk()
{
    const quint32 handle = addObject(5, 1 << 20);
    kvrsim::delayNext("Get_Partial_ObjectEx", 1, 300);
    m_copy->setMovieHandle(handle);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    // The temporary file is there while the one chunk is read.
    QTRY_COMPARE(entries(folder()).size(), 1);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Stop);
    // Every byte arrives, yet the stopped copy leaves nothing.
    QTRY_COMPARE(entries(folder()), QStringList());
    QCOMPARE(callCount(m_index, "Get_Partial_ObjectEx"), 1);
    QCOMPARE(m_copy->objectAddOffsetSize(), 0ul);
}

void TestObjectTransfer::movieStartTwice()
{
    const quint32 handle = addObject(5, 5 << 20);
    m_copy->setMovieHandle(handle);
    m_copy->setObjectAddDataSize(5 << 20);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    QTRY_COMPARE(pictures(folder()).size(), 2);
    QCOMPARE(pictures(folder()), QStringList({"IMG_0001.mp4", "IMG_0002.mp4"}));
    QTRY_COMPARE(m_copy->objectAddDataSizeProgress(), 1.0);
    QCOMPARE(readAll(folder() + "/IMG_0002.mp4"), cameraBytes(handle, 5 << 20));
}

void TestObjectTransfer::movieFailureIsAnnounced()
{
    const quint32 handle = addObject(5, 40 << 20);
    kvrsim::failObjectReadAt(m_index, qint64(ObjectCopy::kChunkSize) + 1);
    QSignalSpy states(m_copy.get(), &ObjectCopy::objectAddStateChanged);
    m_copy->setMovieHandle(handle);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    QTRY_COMPARE(m_copy->objectAddState(), ObjectCopy::OAS_Movie_Failed);
    QCOMPARE(entries(folder()), QStringList());
    QVERIFY(m_copy->objectAddDataSizeProgress() < 1.0);
    kvrsim::failObjectReadAt(m_index, -1);
}

void TestObjectTransfer::shutdownMidMovieLeavesNothing()
{
    const quint32 handle = addObject(5, qint64(3ull * ObjectCopy::kChunkSize));
    kvrsim::delayNext("Get_Partial_ObjectEx", 3, 300);
    QSignalSpy progress(m_copy.get(), &ObjectCopy::objectAddOffsetSizeChanged);
    m_copy->setMovieHandle(handle);
    m_copy->setObjectAddState(ObjectCopy::OAS_Movie_Start);
    QTRY_COMPARE(progress.count(), 1);
    // Joined on return: nothing half-written is left behind.
    m_copy->stopWorkers();
    QCOMPARE(entries(folder()), QStringList());
    QVERIFY(callCount(m_index, "Get_Partial_ObjectEx") < 3);
}

void TestObjectTransfer::shutdownDuringLastStillReadLeavesNothing_data()
{
    QTest::addColumn<uint>("format");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("call");
    QTest::newRow("RAW of one chunk") << 2u << qint64(4096) << "Get_Partial_Object";
    QTest::newRow("JPEG read whole") << 1u << qint64(4096) << "Get_Object";
}

void TestObjectTransfer::shutdownDuringLastStillReadLeavesNothing()
{
    // The close comes while the last read is under way, and the read then
    // succeeds: the picture is given up, as the close has reported it.
    QFETCH(uint, format);
    QFETCH(qint64, size);
    QFETCH(QString, call);
    setCamera(1, 4, 0, true);
    m_fixture->setPcSavedFilePath(QStringLiteral("/before"));
    kvrsim::delayNext(call.toStdString(), 1, 3'600'000);
    std::thread closing([&] {
        (void)QTest::qWaitFor([&] { return kvrsim::delayedCalls(call.toStdString()) == 1; }, 20000);
        m_copy->stopWorkers();
        kvrsim::clearInjections();
    });
    m_copy->startObjectReqTransfer(int(addObject(format, size)), m_uuid);
    closing.join();
    QCOMPARE(callCount(m_index, call.toStdString()), 1);
    QCOMPARE(entries(folder()), QStringList());
    QCOMPARE(m_fixture->pcSavedFilePath(), QStringLiteral("/before"));
}

void TestObjectTransfer::cutting_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<uint>("oversized");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty folder") << QStringList() << 0u
                                  << QStringList{"IMG_0001_01.jpg", "IMG_0001_02.jpg", "IMG_0001_03.jpg"};
    QTest::newRow("a frame name taken") << QStringList{"IMG_0001_02.jpg"} << 0u
                                        << QStringList{"IMG_0001_02.jpg", "IMG_0001_03.jpg", "IMG_0001_04.jpg",
                                                       "IMG_0001_05.jpg"};
    QTest::newRow("oversized frame") << QStringList() << uint(ObjectCopy::kFrameBufferSize + 1)
                                     << QStringList{"IMG_0001_01.jpg", "IMG_0001_02.jpg"};
}

void TestObjectTransfer::cutting()
{
    QFETCH(QStringList, existing);
    QFETCH(uint, oversized);
    QFETCH(QStringList, expected);
    for (const QString &name : existing)
        writeFile(folder() + "/" + name, "taken");
    setCamera(1, 0, 0, true);
    DeviceAdapterTestAccess::setFileTarget(m_fixture.adapter(), Utilities::FLTG_PcOnly);
    QSignalSpy failed(m_copy.get(), &ObjectCopy::objectTransferFailed);

    kvrsim::offerCut(m_index, 3);
    QTRY_VERIFY((m_fixture.deliverAndRun(), m_copy->cut6K4KState() == ObjectCopy::CT6K4K_Confirm));
    QCOMPARE(m_copy->cut6K4KDataNum(), 3);
    if (oversized)
        kvrsim::setNextFrameSize(m_index, oversized);
    m_copy->setCut6K4KState(ObjectCopy::CT6K4K_Start);
    const int frames = oversized ? 2 : 3;
    QTRY_VERIFY((m_fixture.deliverAndRun(), m_copy->cut6K4KDataProgress() == frames));
    QTRY_VERIFY((m_fixture.deliverAndRun(), m_copy->cut6K4KState() == ObjectCopy::CT6K4K_Stop));
    QCOMPARE(pictures(folder()), expected);
    QCOMPARE(m_appSettings->fileNumber(), 1);
    QCOMPARE(failed.count(), oversized ? 1 : 0);
    QVERIFY(!oversized || !failed.at(0).at(4).toBool());
    for (const QString &name : expected)
        if (!existing.contains(name))
            QVERIFY(readAll(folder() + "/" + name).startsWith("\xFF\xD8"));
}

void TestObjectTransfer::refusedCutKeepsTheNumber()
{
    m_appSettings->setFileNumber(41);
    m_copy->setCut6K4KDataNum(3);
    m_copy->setCut6K4KState(ObjectCopy::CT6K4K_Start);
    QTRY_COMPARE(callCount(m_index, "Rec_Ctrl_4K6K"), 1);
    QTRY_COMPARE(m_copy->cut6K4KDataBaseName(), QStringLiteral("IMG_0042"));
    QTRY_COMPARE(m_appSettings->fileNumber(), 41);
}

void TestObjectTransfer::pairingInBothOrders_data()
{
    QTest::addColumn<bool>("jpegFirst");
    QTest::newRow("JPEG first") << true;
    QTest::newRow("RAW first") << false;
}

void TestObjectTransfer::pairingInBothOrders()
{
    QFETCH(bool, jpegFirst);
    int otherIndex = -1;
    const QString other = otherCamera(&otherIndex);
    QVERIFY(otherIndex >= 0);
    setCamera(1, 4, 0, true);
    kvrsim::turnDial(otherIndex, "fileTarget", 1);
    kvrsim::turnDial(otherIndex, "imgInfoQuality", 4);

    // RAW+JPEG shots: two on the selected camera, one on the other; their
    // announcements are left unanswered, the test hands the files over in
    // its own order.
    ApplicationData::setObjectCopy(nullptr);
    const auto release = [](const QString &uuid) {
        KVR_STRUCT_REC_CTRL ctrl{};
        ctrl.code = KVR_CMD_RELEASE_ONE_SHOT;
        return KVR_func_api_Rec_Ctrl_Release(&ctrl, uuid.toLocal8Bit().constData(), nullptr);
    };
    const size_t before = kvrsim::objectInfo(m_index).size();
    const size_t otherBefore = kvrsim::objectInfo(otherIndex).size();
    QCOMPARE(release(m_uuid), quint8(1));
    QCOMPARE(release(other), quint8(1));
    QCOMPARE(release(m_uuid), quint8(1));
    m_fixture.deliverAndRun();
    ApplicationData::setObjectCopy(m_copy.get());
    const std::vector<kvrsim::ObjectInfo> mine = kvrsim::objectInfo(m_index);
    const std::vector<kvrsim::ObjectInfo> theirs = kvrsim::objectInfo(otherIndex);
    QCOMPARE(mine.size(), before + 4);
    QCOMPARE(theirs.size(), otherBefore + 2);
    const auto handle = [](const std::vector<kvrsim::ObjectInfo> &list, size_t at) { return int(list.at(at).handle); };
    // Each shot lists its RAW before its JPEG.
    const size_t first = jpegFirst ? 1 : 0;
    const size_t second = jpegFirst ? 0 : 1;
    m_copy->startObjectReqTransfer(handle(mine, before + first), m_uuid);
    m_copy->startObjectReqTransfer(handle(theirs, otherBefore + second), other);
    m_copy->startObjectReqTransfer(handle(theirs, otherBefore + first), other);
    m_copy->startObjectReqTransfer(handle(mine, before + second), m_uuid);
    m_copy->startObjectReqTransfer(handle(mine, before + 2 + first), m_uuid);
    m_copy->startObjectReqTransfer(handle(mine, before + 2 + second), m_uuid);
    QCOMPARE(pictures(folder()), QStringList({"IMG_0001.jpg", "IMG_0001.rw2", "IMG_0002.jpg", "IMG_0002.rw2",
                                              "IMG_0003.jpg", "IMG_0003.rw2"}));
    QCOMPARE(m_appSettings->fileNumber(), 3);
    // The JPEG of a pair is the preview, never its RAW.
    QCOMPARE(m_fixture->pcSavedFilePath(), folder() + "/IMG_0003.jpg");
}

void TestObjectTransfer::cameraLostMidTransferLeavesNothing()
{
    int otherIndex = -1;
    const QString other = otherCamera(&otherIndex);
    QVERIFY(otherIndex >= 0);
    kvrsim::turnDial(otherIndex, "fileTarget", 1);
    kvrsim::turnDial(otherIndex, "imgInfoQuality", 4);
    const quint32 handle = kvrsim::addObject(otherIndex, 2, qint64(ObjectCopy::kChunkSize) + (8 << 20), false);
    kvrsim::loseCameraAtOffset(otherIndex, qint64(ObjectCopy::kChunkSize) + 100);
    QSignalSpy failed(m_copy.get(), &ObjectCopy::objectTransferFailed);
    m_copy->startObjectReqTransfer(int(handle), other);
    QCOMPARE(entries(folder()), QStringList());
    QCOMPARE(failed.count(), 1);
}

QTEST_MAIN(TestObjectTransfer)
#include "tst_objecttransfer.moc"
