// Camera setting files: saving one camera's data into a file and restoring a
// file into one camera, "ALL" or "SELECTED", against cameras that hand out
// and take back their own data.

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "AdapterFixture.h"
#include "FaultyStorage.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"

using namespace kavrotether;
using kavrotether::test::callCount;
using kavrotether::test::globalCallCount;

namespace {

// Two cameras of one model and one of another, all offering setting files.
const char kScenario[] = R"({"cameras": [
    {"model": "Rozado Sim A1", "serial": "SFA100000001"},
    {"model": "Rozado Sim A1", "serial": "SFA100000002"},
    {"model": "Rozado Sim C4", "serial": "SFC400000003"}]})";

constexpr qint64 kLimit = KVR_SETUP_FILE_MAX_SIZE;
const std::vector<std::string> kSetupCalls = {
    "SetupFilesConfigSetting_Get_Info", "SetupFilesConfigSetting_Get_Compatible",
    "SetupFilesConfigSetting_Get_MaxRecvBuff", "SetupFilesConfigSetting_Set_Data"};

QByteArray bytesOf(const std::vector<uint8_t> &data)
{
    return QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
}

} // namespace

class TestSettingFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTrip();
    void saveFault_data();
    void saveFault();
    void restoreLimit_data();
    void restoreLimit();
    void restoreTargets_data();
    void restoreTargets();
    void unusableFile_data();
    void unusableFile();
    void damagedFilesAreRefused();

private:
    QString uuid(int camera) const { return QString::fromStdString(kvrsim::uuidOf(m_cameras.at(camera))); }
    // Saves camera 0 (its data made `size` bytes long, 0: as it is).
    QString saveFirst(const QString &name, quint32 size = 0);
    int setupCallCount(int camera) const;

    test::IsolatedSettings m_settings;
    QTemporaryDir m_files;
    test::AdapterFixture m_fixture;
    DeviceAdapter *m_adapter = nullptr;
    std::vector<int> m_cameras;
};

void TestSettingFiles::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_files.isValid());
}

void TestSettingFiles::init()
{
    QVERIFY(m_fixture.start(kScenario));
    m_adapter = &m_fixture.adapter();
    QVERIFY(m_fixture.connectWithoutReading() >= 0);
    m_cameras.clear();
    for (const char *serial : {"SFA100000001", "SFA100000002", "SFC400000003"})
        m_cameras.push_back(kvrsim::indexOfSerial(serial));
    QCOMPARE(m_adapter->cameraTableCount(), 3);
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), uuid(0));
    QDir(m_files.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_files.path()));
}

void TestSettingFiles::cleanup()
{
    m_adapter = nullptr;
    m_fixture.stop();
}

QString TestSettingFiles::saveFirst(const QString &name, quint32 size)
{
    kvrsim::SetupFileState state;
    state.dataSize = size;
    kvrsim::setSetupFileState(m_cameras.at(0), state);
    const QString path = m_files.filePath(name);
    if (m_adapter->setup_file_config_setting_save_setting(uuid(0), path) != Utilities::Ternary_True)
        return {};
    return path;
}

int TestSettingFiles::setupCallCount(int camera) const
{
    int n = 0;
    for (const std::string &call : kSetupCalls)
        n += callCount(m_cameras.at(camera), call);
    return n;
}

void TestSettingFiles::roundTrip()
{
    const QString path = saveFirst(QStringLiteral("a.dat"));
    QVERIFY(!path.isEmpty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes, bytesOf(kvrsim::setupData(m_cameras.at(0))));

    // Into the other camera of that model, and back out of it unchanged.
    QCOMPARE(m_adapter->setup_file_config_setting_restore_setting(uuid(1), path), Utilities::Ternary_True);
    QCOMPARE(bytesOf(kvrsim::setupData(m_cameras.at(1))), bytes);
    const QString again = m_files.filePath(QStringLiteral("b.dat"));
    QCOMPARE(m_adapter->setup_file_config_setting_save_setting(uuid(1), again), Utilities::Ternary_True);
    QFile second(again);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), bytes);
}

void TestSettingFiles::saveFault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<quint32>("reportedSize");
    QTest::addColumn<int>("storageFault"); // 0: none, else a test::FaultyStorage::Fault
    QTest::newRow("camera refuses") << QStringLiteral("x.dat") << true << 0u << 0;
    QTest::newRow("length above the capacity") << QStringLiteral("x.dat") << false << quint32(kLimit + 1) << 0;
    QTest::newRow("folder missing") << QStringLiteral("none/x.dat") << false << 0u << 0;
    // Qt buffers up to 16 KiB and writes larger data at once.
    const int full = test::FaultyStorage::Full;
    QTest::newRow("disk full, new file") << QStringLiteral("y.dat") << false << 4096u << full;
    QTest::newRow("disk full, over a file") << QStringLiteral("x.dat") << false << 4096u << full;
    QTest::newRow("disk full, over a file, 20000 bytes") << QStringLiteral("x.dat") << false << 20000u << full;
    QTest::newRow("sync refused, over a file")
        << QStringLiteral("x.dat") << false << 4096u << int(test::FaultyStorage::SyncRefused);
}

// A failed save reports failure and leaves the folder as it was: an earlier
// file of that name untouched, no partial or temporary file.
void TestSettingFiles::saveFault()
{
    QFETCH(QString, name);
    QFETCH(bool, refuse);
    QFETCH(quint32, reportedSize);
    QFETCH(int, storageFault);
    const QString path = m_files.filePath(name);
    {
        QFile earlier(m_files.filePath(QStringLiteral("x.dat")));
        QVERIFY(earlier.open(QIODevice::NewOnly));
        QCOMPARE(earlier.write("earlier"), qint64(7));
    }
    if (refuse)
        kvrsim::failNext("SetupFilesConfigSetting_Get_Data", 1);
    kvrsim::SetupFileState state;
    state.dataSize = reportedSize;
    kvrsim::setSetupFileState(m_cameras.at(0), state);
    {
        std::optional<test::FaultyStorage> storage;
        if (storageFault)
            storage.emplace(m_files.path(), test::FaultyStorage::Fault(storageFault));
        QCOMPARE(m_adapter->setup_file_config_setting_save_setting(uuid(0), path), Utilities::Ternary_False);
    }
    QCOMPARE(QDir(m_files.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("x.dat")});
    QFile earlier(m_files.filePath(QStringLiteral("x.dat")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
}

void TestSettingFiles::restoreLimit_data()
{
    QTest::addColumn<quint32>("fileSize");
    QTest::addColumn<bool>("compatible");
    QTest::addColumn<quint32>("maxRecv");
    QTest::addColumn<bool>("sent");
    QTest::newRow("camera's limit") << 8192u << true << 8192u << true;
    QTest::newRow("camera's limit + 1") << 8193u << true << 8192u << false;
    QTest::newRow("own size, not compatible") << 4096u << false << 1024u << true;
    QTest::newRow("own size + 1, not compatible") << 4097u << false << 8192u << false;
    QTest::newRow("15 MiB") << quint32(kLimit) << true << quint32(kLimit) << true;
}

void TestSettingFiles::restoreLimit()
{
    QFETCH(quint32, fileSize);
    QFETCH(bool, compatible);
    QFETCH(quint32, maxRecv);
    QFETCH(bool, sent);
    const QString path = saveFirst(QStringLiteral("a.dat"), fileSize);
    QVERIFY(!path.isEmpty());
    QCOMPARE(QFileInfo(path).size(), qint64(fileSize));
    kvrsim::SetupFileState state;
    state.compatible = compatible;
    state.maxRecv = maxRecv;
    kvrsim::setSetupFileState(m_cameras.at(1), state);
    kvrsim::clearCallLogs();
    QCOMPARE(m_adapter->setup_file_config_setting_restore_setting(uuid(1), path),
             sent ? Utilities::Ternary_True : Utilities::Ternary_False);
    QCOMPARE(callCount(m_cameras.at(1), "SetupFilesConfigSetting_Get_Info"), 1);
    QCOMPARE(callCount(m_cameras.at(1), "SetupFilesConfigSetting_Set_Data"), sent ? 1 : 0);
}

void TestSettingFiles::restoreTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("sendCommand");  // saved-list position whose camera takes commands, -1: none
    QTest::addColumn<int>("taken");        // result
    QTest::addColumn<QList<int>>("asked"); // cameras sent the data
    const QStringList all{QStringLiteral("SFA100000001"), QStringLiteral("SFA100000002"),
                          QStringLiteral("SFC400000003")};
    QTest::newRow("ALL, a refusing camera among them")
        << QStringLiteral("ALL") << all << -1 << 1 << QList<int>{0, 1, 2};
    QTest::newRow("ALL, none saved") << QStringLiteral("ALL") << QStringList() << -1 << 0 << QList<int>{};
    QTest::newRow("ALL, only the other model")
        << QStringLiteral("ALL") << QStringList{all.at(2)} << -1 << 0 << QList<int>{2};
    QTest::newRow("SELECTED, one camera ticked") << QStringLiteral("SELECTED") << all << 1 << 1 << QList<int>{1};
    QTest::newRow("SELECTED, none ticked") << QStringLiteral("SELECTED") << all << -1 << 0 << QList<int>{};
    QTest::newRow("lower-case all is a UUID") << QStringLiteral("all") << all << -1 << 0 << QList<int>{};
    QTest::newRow("one camera of the other model") << QStringLiteral("#2") << all << -1 << 0 << QList<int>{2};
}

void TestSettingFiles::restoreTargets()
{
    QFETCH(QString, target);
    QFETCH(QStringList, saved);
    QFETCH(int, sendCommand);
    QFETCH(int, taken);
    QFETCH(QList<int>, asked);
    const QString path = saveFirst(QStringLiteral("a.dat"));
    QVERIFY(!path.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray other = bytesOf(kvrsim::setupData(m_cameras.at(2)));
    test::loadKnownCameras(*m_adapter, saved);
    if (sendCommand >= 0)
        m_adapter->camera_list_set_camera_sendCmdEnable(sendCommand, true);
    if (target == QStringLiteral("#2"))
        target = uuid(2);
    kvrsim::clearCallLogs();
    QCOMPARE(m_adapter->setup_file_config_setting_restore_setting(target, path), Utilities::Ternary(taken));
    for (int camera = 0; camera < 3; ++camera) {
        QCOMPARE(callCount(m_cameras.at(camera), "SetupFilesConfigSetting_Set_Data"), asked.contains(camera) ? 1 : 0);
        if (!asked.contains(camera))
            QCOMPARE(setupCallCount(camera), 0);
    }
    QCOMPARE(globalCallCount("SetupFilesConfigSetting_Get_Info(all)"), target == QStringLiteral("all") ? 1 : 0);
    // The other model keeps its own data; the first model's cameras hold the file.
    QCOMPARE(bytesOf(kvrsim::setupData(m_cameras.at(2))), other);
    if (asked.contains(1))
        QCOMPARE(bytesOf(kvrsim::setupData(m_cameras.at(1))), bytes);
}

void TestSettingFiles::unusableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size"); // -1: not created, -2: a FIFO
    QTest::addColumn<bool>("reachesCamera");
    QTest::newRow("missing") << QStringLiteral("none.dat") << qint64(-1) << false;
    QTest::newRow("a folder") << QStringLiteral(".") << qint64(-1) << false;
    QTest::newRow("a FIFO") << QStringLiteral("fifo.dat") << qint64(-2) << false;
    QTest::newRow("15 MiB + 1") << QStringLiteral("big.dat") << kLimit + 1 << false;
    QTest::newRow("20 MiB") << QStringLiteral("big.dat") << qint64(20) * 1024 * 1024 << false;
    // An empty file is sent; the camera takes no empty data.
    QTest::newRow("empty") << QStringLiteral("empty.dat") << qint64(0) << true;
}

void TestSettingFiles::unusableFile()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(bool, reachesCamera);
    const QString path = m_files.filePath(name);
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::NewOnly));
        QVERIFY(file.resize(size));
    }
    if (size == -2)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const std::vector<uint8_t> before = kvrsim::setupData(m_cameras.at(1));
    kvrsim::clearCallLogs();
    QCOMPARE(m_adapter->setup_file_config_setting_restore_setting(uuid(1), path), Utilities::Ternary_False);
    QCOMPARE(callCount(m_cameras.at(1), "SetupFilesConfigSetting_Set_Data"), reachesCamera ? 1 : 0);
    if (!reachesCamera)
        QCOMPARE(setupCallCount(1), 0);
    QVERIFY(kvrsim::setupData(m_cameras.at(1)) == before);
}

// Cut and randomly damaged files: each refused at once, the camera's data
// untouched.
void TestSettingFiles::damagedFilesAreRefused()
{
    const QString path = saveFirst(QStringLiteral("a.dat"));
    QVERIFY(!path.isEmpty());
    QFile source(path);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const std::vector<uint8_t> before = kvrsim::setupData(m_cameras.at(1));
    QList<QByteArray> damaged;
    for (qsizetype cut : {qsizetype(1), qsizetype(12), qsizetype(20), bytes.size() / 2, bytes.size() - 1})
        damaged << bytes.left(cut);
    QRandomGenerator random(20261209);
    for (int i = 0; i < 24; ++i) {
        QByteArray copy = bytes;
        const int changes = 1 + random.bounded(4);
        for (int c = 0; c < changes; ++c)
            copy[random.bounded(int(copy.size()))] ^= char(1 + random.bounded(255));
        if (copy != bytes)
            damaged << copy;
    }
    for (int i = 0; i < damaged.size(); ++i) {
        const QString name = m_files.filePath(QStringLiteral("damaged-%1.dat").arg(i));
        QFile file(name);
        QVERIFY(file.open(QIODevice::NewOnly));
        QCOMPARE(file.write(damaged.at(i)), qint64(damaged.at(i).size()));
        file.close();
        QCOMPARE(m_adapter->setup_file_config_setting_restore_setting(uuid(1), name), Utilities::Ternary_False);
    }
    QVERIFY(kvrsim::setupData(m_cameras.at(1)) == before);
}

QTEST_MAIN(TestSettingFiles)
#include "tst_settingfiles.moc"
