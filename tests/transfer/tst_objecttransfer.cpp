#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <thread>
#include <vector>

#include "camera/CameraInfo.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "support/AdapterFixture.h"
#include "support/IsolatedSettings.h"
#include "support/SimulatorFixture.h"
#include "transfer/ObjectCopy.h"
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

} // namespace

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
    void namingAtOnceSharesNoName();
    void pairNeverRewindsTheNumber();
    void defaultFolderIsCreated();
    void copyList_data();
    void copyList();
    void stateWritesAnnounceNothing();
    void stopInEachCuttingState_data();
    void stopInEachCuttingState();
    void objectCallsTakeAnyNonZeroAnswer_data();
    void objectCallsTakeAnyNonZeroAnswer();

private:
    QString folder() const { return m_folder->path(); }

    IsolatedSettings m_settings;
    std::unique_ptr<ApplicationSettings> m_appSettings;
    AdapterFixture m_fixture;
    std::unique_ptr<ObjectCopy> m_copy;
    std::unique_ptr<QTemporaryDir> m_folder;
    int m_index = -1;
    QString m_uuid;
};

void TestObjectTransfer::initTestCase()
{
    QVERIFY(m_settings.isValid());
    m_appSettings = std::make_unique<ApplicationSettings>();
    ApplicationData::setApplicationSettings(m_appSettings.get());
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
    ApplicationData::setApplicationSettings(nullptr);
}

void TestObjectTransfer::writerNeverReplaces_data()
{
    QTest::addColumn<QString>("takenBeforeCommit");
    QTest::addColumn<bool>("offerNext");
    QTest::addColumn<rlim_t>("sizeLimit");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("left");
    const rlim_t none = RLIM_INFINITY;
    QTest::newRow("free name") << QString() << false << none << true << QStringList{"a.jpg"};
    QTest::newRow("taken meanwhile, next offered")
        << "a.jpg" << true << none << true << QStringList{"a.jpg", "a_01.jpg"};
    QTest::newRow("taken meanwhile, no next") << "a.jpg" << false << none << false << QStringList{"a.jpg"};
    QTest::newRow("file-size limit") << QString() << false << rlim_t(1000) << false << QStringList();
}

void TestObjectTransfer::writerNeverReplaces()
{
    QFETCH(QString, takenBeforeCommit);
    QFETCH(bool, offerNext);
    QFETCH(rlim_t, sizeLimit);
    QFETCH(bool, ok);
    QFETCH(QStringList, left);

    const QByteArray bytes(4096, 'p');
    const QByteArray other("someone else's");
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
            writeFile(folder() + "/" + takenBeforeCommit, other);
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
        QCOMPARE(readAll(folder() + "/" + takenBeforeCommit), other);
    if (ok)
        QCOMPARE(readAll(folder() + "/" + left.last()), bytes);
}

void TestObjectTransfer::namingAtOnceSharesNoName()
{
    // Twelve cameras' stills and movies named at the same moment.
    constexpr int kThreads = 12;
    constexpr int kEach = 20;
    std::vector<QStringList> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                QString name, dir, path;
                const uint format = i % 4 == 3 ? 5u : 1u;
                if (ObjectCopy::makeFileName(format, name, dir, path, 1, 0, true, QStringLiteral("cam-%1").arg(t)))
                    names[t] << path;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
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

QTEST_MAIN(TestObjectTransfer)
#include "tst_objecttransfer.moc"
