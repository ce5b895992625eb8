// Camera discovery: search-list items, the USB enumeration and sorted list,
// the search loop on its thread, and the reading after a connection.

#include <QtTest>

#include <QPointer>
#include <QSemaphore>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueuedSpy.h"
#include "SimulatorFixture.h"
#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceSearch.h"
#include "camera/SearchCameraListItemObject.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using Item = SearchCameraListItemObject;

namespace {

template<std::size_t N>
void putUcs4(uint32_t (&field)[N], uint32_t *length, const QString &text)
{
    const QList<uint> chars = text.toUcs4();
    for (qsizetype i = 0; i < chars.size() && std::size_t(i) < N; ++i)
        field[i] = chars[i];
    *length = uint32_t(chars.size());
}

template<std::size_t N>
void putText(char (&field)[N], const QByteArray &text)
{
    std::memcpy(field, text.constData(), std::min<std::size_t>(N, std::size_t(text.size())));
}

// The post-connect readers of the tests: each logs its name and answers
// what the current case says.
struct ReadProbe
{
    QStringList ran;
    QString failing;
    QString blocking;
    QSemaphore entered;
    QMutex lock;
} *g_read = nullptr;

template<int N>
Utilities::Ternary probeReader(DeviceAdapter &adapter)
{
    static const char *const names[] = {"capA", "capB", "capSingle", "capC", "valA", "valB"};
    const QString name = QString::fromLatin1(names[N]);
    {
        QMutexLocker g(&g_read->lock);
        g_read->ran << name;
    }
    if (name == g_read->blocking) {
        g_read->entered.release();
        // Stays until the reading is cancelled.
        while (!adapter.deviceSearch()->IsConnectTreadCancel(1000)) {
        }
    }
    return name == g_read->failing ? Utilities::Ternary_False : Utilities::Ternary_True;
}

constexpr ConnectReadStep kCaps[] = {
    {"capA", probeReader<0>, true, false},
    {"capB", probeReader<1>, false, false},
    {"capSingle", probeReader<2>, true, true},
    {"capC", probeReader<3>, true, false},
};
constexpr ConnectReadStep kValues[] = {
    {"valA", probeReader<4>, true, false},
    {"valB", probeReader<5>, true, false},
};
constexpr ConnectReadStep kCapsWithGap[] = {
    {"capA", probeReader<0>, true, false},
    {"missing", nullptr, false, false},
    {"capC", probeReader<3>, true, false},
};

using kavrotether::test::globalCallCount;
using kavrotether::test::QueuedSpy;

} // namespace

class TestDeviceSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // items
    void serialFromDevicePath_data();
    void serialFromDevicePath();
    void macText_data();
    void macText();
    void usbItem();
    void lanItem();
    void lanItemUntrustedLengths();
    void settersEmitOnChange();

    // enumeration and list
    void enumerationFillsList();
    void enumerationFollowsPlugging();
    void connectedCameraShowsIndividualId();
    void enumerationFailureEmptiesList();
    void busySdkLockWithTrylock();
    void sortedInsertion_data();
    void sortedInsertion();

    // search loop
    void usbSearchFindsCameras_data();
    void usbSearchFindsCameras();
    void searchRepeatsUntilStopped();
    void addSearchEndsAfterOnePass();
    void networkSearchPendingRefusesStart();
    void refusedStopEndsTheWait();
    void restartStopsRunningSearch();
    void restartFromSignalHandler();

    // reading after a connection
    void connectReading_data();
    void connectReading();
    void connectReadingCancelled();
    void connectReadingWithoutReader();

private:
    void waitForStop(DeviceSearch &search, QSignalSpy &spy);

    test::IsolatedSettings m_settings;
    std::unique_ptr<DeviceAdapter> m_adapter;
};

void TestDeviceSearch::initTestCase()
{
    QVERIFY(m_settings.isValid());
}

void TestDeviceSearch::init()
{
    QVERIFY(test::startSimulator());
    m_adapter = std::make_unique<DeviceAdapter>();
    ApplicationData::setDeviceAdapter(m_adapter.get());
}

void TestDeviceSearch::cleanup()
{
    m_adapter.reset();
    ApplicationData::setDeviceAdapter(nullptr);
    DeviceSearch::setConnectReadTables(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    test::stopSimulator();
}

// Waits for the loop started last to announce its start and its end (the
// spy is cleared before each start).
void TestDeviceSearch::waitForStop(DeviceSearch &search, QSignalSpy &spy)
{
    while (spy.count() < 2)
        QVERIFY(spy.wait(5000));
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
}

// ---- items ----

void TestDeviceSearch::serialFromDevicePath_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("31 whole") << 31 << 31;
    QTest::newRow("32 tail") << 32 << 31;
    QTest::newRow("40 tail") << 40 << 31;
}

void TestDeviceSearch::serialFromDevicePath()
{
    QFETCH(int, length);
    QFETCH(int, kept);
    QString path;
    for (int i = 0; i < length; ++i)
        path += QChar(u'a' + i % 26);
    const QString serial = Item::serialFromDevicePath(path);
    QCOMPARE(serial.size(), kept);
    QVERIFY(path.endsWith(serial));
}

void TestDeviceSearch::macText_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("one pair") << QByteArray("AB") << QStringLiteral("ab");
    QTest::newRow("six pairs") << QByteArray("0080F0A1B2C3") << QStringLiteral("00:80:f0:a1:b2:c3");
    QTest::newRow("eight of ten pairs") << QByteArray("00010F107F80FEFF1122")
                                        << QStringLiteral("00:01:0f:10:7f:80:fe:ff");
    QTest::newRow("ends at the NUL") << QByteArray("AB01\0CD", 7) << QStringLiteral("ab:01");
    QTest::newRow("odd digit dropped") << QByteArray("ABC") << QStringLiteral("ab");
    QTest::newRow("not hex") << QByteArray("\xAB\x01", 2) << QString();
}

void TestDeviceSearch::macText()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QCOMPARE(Item::macText(field.constData(), std::size_t(field.size())), text);
}

void TestDeviceSearch::usbItem()
{
    KVR_DEVINFO record{};
    record.devIndex = 7;
    putUcs4(record.makerName, &record.makerNameLength, QStringLiteral("KAVRO"));
    putUcs4(record.modelName, &record.modelNameLength, QStringLiteral("Rozado \U0001F4F7"));
    const std::wstring path = L"usb-0000:00:14.0-3.1-SERIAL-0123456789";
    Item item;
    const QDateTime before = QDateTime::currentDateTimeUtc();
    item.fillFromUsb(record, path.c_str(), QStringLiteral("Studio left"));
    QCOMPARE(item.devIndex(), 7);
    QCOMPARE(item.devMakerName(), QStringLiteral("KAVRO"));
    QCOMPARE(item.devModelName(), QStringLiteral("Rozado \U0001F4F7"));
    QCOMPARE(item.devFrlyName(), QStringLiteral("Studio left"));
    QCOMPARE(item.connectMode(), Item::CONNECT_USB);
    QCOMPARE(item.devSerialNo(), QString::fromStdWString(path).right(31));
    QVERIFY(item.ip().isEmpty());
    QVERIFY(item.macAddress().isEmpty());
    QVERIFY(!item.isWlan());
    QVERIFY(!item.enableTls());
    QCOMPARE(item.getDevInfoDateUTC().timeSpec(), Qt::UTC);
    QVERIFY(item.getDevInfoDateUTC() >= before);
    // The item keeps its own copies: the SDK's path may go.
    QCOMPARE(QString::fromWCharArray(item.GetConnectUsbDevID()), QString::fromStdWString(path));
    KVR_DEVINFO copy{};
    item.GetConnectUsbDevInfo(&copy);
    QCOMPARE(std::memcmp(&copy, &record, sizeof copy), 0);
}

void TestDeviceSearch::lanItem()
{
    KVR_PTPIP_CONNECT_DEVICE_INFO record{};
    record.devIndex = 3;
    putUcs4(record.makerName, &record.makerNameLength, QStringLiteral("KAVRO"));
    putUcs4(record.modelName, &record.modelNameLength, QStringLiteral("Rozado Sim N3"));
    putText(record.friendlyName, "Stage cam");
    record.friendlyNameLength = 9;
    record.tls = 1;
    putText(record.certFilePath, "/certs/n3.pem");
    putText(record.ipAddress, "192.168.54.10");
    putText(record.date, "Wed, 09 Dec 2026 04:00:00 GMT");
    putText(record.serialNo, "N3SERIAL");
    record.serialNoLength = 8;
    putText(record.macAddress, QByteArray("AB01020304050607080910"));
    record.macAddressLength = 22;
    record.wifi = 1;

    Item item;
    item.fillFromLan(record);
    QCOMPARE(item.devIndex(), 3);
    QCOMPARE(item.devModelName(), QStringLiteral("Rozado Sim N3"));
    QCOMPARE(item.devFrlyName(), QStringLiteral("Stage cam"));
    QCOMPARE(item.connectMode(), Item::CONNECT_LAN);
    QCOMPARE(item.ip(), QStringLiteral("192.168.54.10"));
    QCOMPARE(item.macAddress(), QStringLiteral("ab:01:02:03:04:05:06:07"));
    QCOMPARE(item.macAddress().count(QLatin1Char(':')), 7);
    QVERIFY(item.isWlan());
    QVERIFY(item.enableTls());
    QCOMPARE(item.devSerialNo(), QStringLiteral("N3SERIAL"));
    QCOMPARE(item.caFilePath(), QStringLiteral("/certs/n3.pem"));
    QCOMPARE(item.getDevInfoDateUTC(), QDateTime(QDate(2026, 12, 9), QTime(4, 0), Qt::UTC));
    QVERIFY(!item.enable());
    QVERIFY(!item.authorize());
    KVR_PTPIP_CONNECT_DEVICE_INFO copy{};
    item.GetConnectLanDevInfo(&copy);
    QCOMPARE(std::memcmp(&copy, &record, sizeof copy), 0);
}

void TestDeviceSearch::lanItemUntrustedLengths()
{
    // Lengths beyond their fields, no terminators and characters that are
    // none: the item reads only inside each field.
    KVR_PTPIP_CONNECT_DEVICE_INFO record;
    std::memset(&record, 'x', sizeof record);
    record.makerNameLength = 0xFFFFFFFFu;
    for (uint32_t &c : record.makerName)
        c = 0xD800;
    record.modelNameLength = 100000;
    for (uint32_t &c : record.modelName)
        c = 'M';
    record.friendlyNameLength = 5000;
    record.serialNoLength = 5000;
    Item item;
    item.fillFromLan(record);
    QCOMPARE(item.devMakerName().size(), 256);
    QCOMPARE(item.devMakerName().at(0), QChar(QChar::ReplacementCharacter));
    QCOMPARE(item.devModelName(), QString(256, QLatin1Char('M')));
    QCOMPARE(item.devFrlyName().size(), 256);
    QCOMPARE(item.devSerialNo().size(), 256);
    QCOMPARE(item.ip().size(), 256);
    QVERIFY(!item.getDevInfoDateUTC().isValid());
}

void TestDeviceSearch::settersEmitOnChange()
{
    Item item;
    QSignalSpy enable(&item, &Item::enableChanged);
    QSignalSpy authorize(&item, &Item::authorizeChanged);
    QSignalSpy path(&item, &Item::caFilePathChanged);
    item.setEnable(false);
    item.setEnable(true);
    item.setEnable(true);
    item.setAuthorize(true);
    item.setAuthorize(true);
    item.setCAFilePath(QString());
    item.setCAFilePath(QStringLiteral("/c.pem"));
    item.setCAFilePath(QStringLiteral("/c.pem"));
    // Through the meta-object, as the interface writes them.
    QVERIFY(item.setProperty("enable", false));
    QCOMPARE(enable.count(), 2);
    QCOMPARE(authorize.count(), 1);
    QCOMPARE(path.count(), 1);
    QCOMPARE(item.property("caFilePath").toString(), QStringLiteral("/c.pem"));
}

// ---- enumeration and list ----

void TestDeviceSearch::enumerationFillsList()
{
    DeviceAdapter &adapter = *m_adapter;
    QSignalSpy changed(&adapter, &DeviceAdapter::searchListChanged);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QCOMPARE(changed.count(), 1);
    // The default scenario's two USB cameras; the network one is not listed.
    const QList<QObject *> list = adapter.property("searchList").value<QList<QObject *>>();
    QCOMPARE(list.size(), 2);
    const auto *a1 = qobject_cast<Item *>(list.at(0));
    const auto *b2 = qobject_cast<Item *>(list.at(1));
    QVERIFY(a1 && b2);
    QCOMPARE(a1->devModelName(), QStringLiteral("Rozado Sim A1"));
    QCOMPARE(b2->devModelName(), QStringLiteral("Rozado Sim B2"));
    for (const Item *item : {a1, b2}) {
        QCOMPARE(item->devMakerName(), QString::fromStdString(kvrsim::profileOf(item->devIndex()).maker));
        QCOMPARE(item->devSerialNo(), QString::fromStdString(kvrsim::profileOf(item->devIndex()).serial));
        QVERIFY(item->enable());
        QVERIFY(item->authorize());
        QCOMPARE(item->connectMode(), Item::CONNECT_USB);
        // Owned by the adapter's thread, whatever thread searched.
        QCOMPARE(item->thread(), adapter.thread());
    }
    QCOMPARE(DeviceAdapterTestAccess::deviceList(adapter).count, 2u);
}

void TestDeviceSearch::enumerationFollowsPlugging()
{
    DeviceAdapter &adapter = *m_adapter;
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QPointer<QObject> old = adapter.searchList().at(0);
    const int a1 = adapter.searchList().at(0)->property("devIndex").toInt();
    kvrsim::unplug(a1);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QCOMPARE(adapter.searchListCount(), 1);
    QVERIFY(adapter.searchList().at(0)->property("devIndex").toInt() != a1);
    // The replaced items go once the adapter's thread gets to them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    for (int index : kvrsim::cameras())
        kvrsim::unplug(index);
    QSignalSpy changed(&adapter, &DeviceAdapter::searchListChanged);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QCOMPARE(adapter.searchListCount(), 0);
    QCOMPARE(changed.count(), 2); // cleared, then (empty) filled
}

void TestDeviceSearch::connectedCameraShowsIndividualId()
{
    DeviceAdapter &adapter = *m_adapter;
    const int a1 = kvrsim::cameras().at(0);
    QVERIFY(!test::openUsbCamera(a1).empty());
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    auto idOf = [](int index) {
        const auto &p = kvrsim::profileOf(index);
        return QString::fromStdString(p.individualId.empty() ? p.model + "-" + p.serial : p.individualId);
    };
    QMap<int, QString> names;
    for (QObject *o : adapter.searchList()) {
        auto *item = qobject_cast<Item *>(o);
        names[item->devIndex()] = item->devFrlyName();
    }
    QCOMPARE(names.size(), 2);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const int index = it.key() == a1 ? a1 : kvrsim::cameras().at(1);
        QCOMPARE(it.value(), idOf(index));
    }
    // The camera that was read through a brief session of its own is let go
    // again; the one already open stays open.
    QVERIFY(kvrsim::inSession(a1));
    QVERIFY(!kvrsim::inSession(kvrsim::cameras().at(1)));
}

void TestDeviceSearch::enumerationFailureEmptiesList()
{
    DeviceAdapter &adapter = *m_adapter;
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QCOMPARE(adapter.searchListCount(), 2);
    kvrsim::failNext("GetPnPDeviceInfo", 1);
    QSignalSpy changed(&adapter, &DeviceAdapter::searchListChanged);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_False);
    QCOMPARE(adapter.searchListCount(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestDeviceSearch::busySdkLockWithTrylock()
{
    DeviceAdapter &adapter = *m_adapter;
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    kvrsim::clearCallLogs();
    QSignalSpy changed(&adapter, &DeviceAdapter::searchListChanged);
    {
        QMutexLocker held(&DeviceAdapterTestAccess::sdkLock(adapter));
        QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(true), Utilities::Ternary_True);
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(adapter.searchListCount(), 2);
    QCOMPARE(globalCallCount("GetPnPDeviceInfo"), 0);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(true), Utilities::Ternary_True);
    QCOMPARE(globalCallCount("GetPnPDeviceInfo"), 1);
}

void TestDeviceSearch::sortedInsertion_data()
{
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("saved order") << QStringList{"S1", "S2", "S3"} << QStringList{"S3", "S1", "S2"}
                                 << QStringList{"S1", "S2", "S3"};
    QTest::newRow("unknown last") << QStringList{"S1", "S2"} << QStringList{"X", "S2", "Y", "S1"}
                                  << QStringList{"S1", "S2", "X", "Y"};
    QTest::newRow("equal position keeps found order")
        << QStringList{"S1", "S2"} << QStringList{"S2#a", "S1", "S2#b"} << QStringList{"S1", "S2#a", "S2#b"};
    QTest::newRow("no saved list") << QStringList{} << QStringList{"B", "A"} << QStringList{"B", "A"};
    QTest::newRow("first unknown stays first of unknown")
        << QStringList{"S1"} << QStringList{"X", "S1"} << QStringList{"S1", "X"};
    QTest::newRow("empty serial has no position")
        << QStringList{"", "S1"} << QStringList{"S1", ""} << QStringList{"S1", ""};
}

void TestDeviceSearch::sortedInsertion()
{
    QFETCH(QStringList, saved);
    QFETCH(QStringList, found);
    QFETCH(QStringList, order);
    test::loadKnownCameras(*m_adapter, saved);
    // "S2#a" and "S2#b" are two cameras with the serial "S2", told apart by
    // their model name.
    for (const QString &entry : found) {
        const QString serial = entry.section(QLatin1Char('#'), 0, 0);
        KVR_DEVINFO record{};
        putUcs4(record.modelName, &record.modelNameLength, entry);
        const std::wstring path = serial.toStdWString();
        auto *item = new Item;
        item->fillFromUsb(record, path.c_str(), QString());
        m_adapter->AddSortSearchList(item);
    }
    QStringList got;
    for (QObject *o : m_adapter->searchList())
        got << qobject_cast<Item *>(o)->devModelName();
    QCOMPARE(got, order);
}

// ---- search loop ----

void TestDeviceSearch::usbSearchFindsCameras_data()
{
    QTest::addColumn<bool>("background");
    QTest::addColumn<int>("searching");
    QTest::newRow("shown") << false << int(DeviceSearch::DEVSEARCH_STATUS_Searching);
    QTest::newRow("background") << true << int(DeviceSearch::DEVSEARCH_STATUS_SearchingBackground);
}

void TestDeviceSearch::usbSearchFindsCameras()
{
    QFETCH(bool, background);
    QFETCH(int, searching);
    DeviceSearch &search = *m_adapter->deviceSearch();
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Unknown));
    std::vector<int> seen;
    QMutex seenLock;
    connect(
        &search, &DeviceSearch::devSearchStatusChanged, &search,
        [&] {
            QMutexLocker g(&seenLock);
            seen.push_back(search.devSearchStatus());
        },
        Qt::DirectConnection);
    QueuedSpy statusSpy(&search, &DeviceSearch::devSearchStatusChanged);
    QSignalSpy &status = statusSpy.spy;
    QSignalSpy bg(&search, &DeviceSearch::backgroundSearchChanged);
    QSignalSpy add(&search, &DeviceSearch::addSearchModeChanged);
    bool started = false;
    QVERIFY(QMetaObject::invokeMethod(
        &search, "startSearch", Q_RETURN_ARG(bool, started), Q_ARG(bool, background), Q_ARG(bool, false),
        Q_ARG(kavrotether::DeviceSearch::DeviceSearchMode, DeviceSearch::DEVSEARCH_MODE_USB)));
    QVERIFY(started);
    QCOMPARE(bg.count(), 1);
    QCOMPARE(add.count(), 1);
    QCOMPARE(search.property("backgroundSearch").toBool(), background);
    waitForStop(search, status);
    search.stopSearch();
    QCOMPARE(m_adapter->searchListCount(), 2);
    QMutexLocker g(&seenLock);
    QCOMPARE(seen, (std::vector<int>{searching, 0}));
}

void TestDeviceSearch::searchRepeatsUntilStopped()
{
    for (int index : kvrsim::cameras())
        kvrsim::unplug(index);
    DeviceSearch &search = *m_adapter->deviceSearch();
    QueuedSpy passesSpy(m_adapter.get(), &DeviceAdapter::searchListChanged);
    QSignalSpy &passes = passesSpy.spy;
    QVERIFY(search.startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_USB));
    // Each pass ends its enumeration with a change notice.
    QTRY_VERIFY_WITH_TIMEOUT(passes.count() >= 3, 10000);
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Searching));
    search.stopSearch();
    // Stopped and joined: nothing runs any more.
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
}

void TestDeviceSearch::addSearchEndsAfterOnePass()
{
    for (int index : kvrsim::cameras())
        kvrsim::unplug(index);
    kvrsim::clearCallLogs();
    DeviceSearch &search = *m_adapter->deviceSearch();
    QueuedSpy statusSpy(&search, &DeviceSearch::devSearchStatusChanged);
    QSignalSpy &status = statusSpy.spy;
    QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    QVERIFY(search.addSearchMode());
    waitForStop(search, status);
    search.stopSearch();
    QCOMPARE(globalCallCount("GetPnPDeviceInfo"), 1);
    QCOMPARE(m_adapter->searchListCount(), 0);
}

void TestDeviceSearch::networkSearchPendingRefusesStart()
{
    // The SDK searches the network; the network events are reported to the
    // search the way the network handlers do.
    QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(1, nullptr), uint8_t(1));
    DeviceSearch &search = *m_adapter->deviceSearch();
    QueuedSpy statusSpy(&search, &DeviceSearch::devSearchStatusChanged);
    QSignalSpy &status = statusSpy.spy;
    QueuedSpy passesSpy(m_adapter.get(), &DeviceAdapter::searchListChanged);
    QSignalSpy &passes = passesSpy.spy;
    QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_LAN));
    QVERIFY(passes.count() > 0 || passes.wait(5000));
    QVERIFY(search.networkSearchPending());
    QVERIFY(!search.startSearch());
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Searching));
    search.SetPTPIPSearchEvent(7); // unknown kinds change nothing
    search.SetPTPIPSearchEvent(1); // a camera was found: the pass ends
    waitForStop(search, status);
    QVERIFY(search.networkSearchPending());
    QVERIFY(!search.startSearch());
    QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
    search.SetPTPIPSearchEvent(3);
    QVERIFY(!search.networkSearchPending());
    QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(0, nullptr), uint8_t(1));
    status.clear();
    QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    waitForStop(search, status);
    search.stopSearch();
    QCOMPARE(m_adapter->searchListCount(), 2);
}

void TestDeviceSearch::refusedStopEndsTheWait()
{
    // No network report reaches the search here: an end of the SDK's
    // search is never reported.
    DeviceSearch &search = *m_adapter->deviceSearch();
    QueuedSpy statusSpy(&search, &DeviceSearch::devSearchStatusChanged);
    QueuedSpy passesSpy(m_adapter.get(), &DeviceAdapter::searchListChanged);
    QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_LAN));
    QVERIFY(passesSpy.spy.count() > 0 || passesSpy.spy.wait(5000));
    search.SetPTPIPSearchEvent(1);
    waitForStop(search, statusSpy.spy);
    QVERIFY(search.networkSearchPending());

    // The SDK refuses to stop: nothing will report an end, so the stop
    // gives up at once rather than hold its caller up; a new search may
    // start.
    kvrsim::clearCallLogs();
    kvrsim::failNext("ptpip_StopGetDeviceInfo", 1);
    search.stopSearch();
    QCOMPARE(globalCallCount("ptpip_StopGetDeviceInfo"), 1);
    QVERIFY(kvrsim::networkSearchRunning());
    QVERIFY(!search.networkSearchPending());
    statusSpy.spy.clear();
    QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    waitForStop(search, statusSpy.spy);
    search.stopSearch();
    QCOMPARE(m_adapter->searchListCount(), 2);
}

void TestDeviceSearch::restartStopsRunningSearch()
{
    for (int index : kvrsim::cameras())
        kvrsim::unplug(index);
    DeviceSearch &search = *m_adapter->deviceSearch();
    std::atomic<int> running{0};
    std::atomic<int> most{0};
    connect(
        &search, &DeviceSearch::devSearchStatusChanged, &search,
        [&] {
            const int now = search.devSearchStatus() == 0 ? --running : ++running;
            most.store(std::max(most.load(), now));
        },
        Qt::DirectConnection);
    QueuedSpy passesSpy(m_adapter.get(), &DeviceAdapter::searchListChanged);
    QSignalSpy &passes = passesSpy.spy;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(search.startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_USB));
        QVERIFY(passes.wait(5000));
    }
    search.stopSearch();
    // One loop at a time, each one ended.
    QCOMPARE(most.load(), 1);
    QCOMPARE(running.load(), 0);
}

void TestDeviceSearch::restartFromSignalHandler()
{
    DeviceSearch &search = *m_adapter->deviceSearch();
    int nested = 0;
    // The interface may answer a change notice with a new search.
    connect(&search, &DeviceSearch::backgroundSearchChanged, &search, [&] {
        if (nested++ == 0)
            QVERIFY(search.startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    });
    QueuedSpy statusSpy(&search, &DeviceSearch::devSearchStatusChanged);
    QVERIFY(search.startSearch(true, true, DeviceSearch::DEVSEARCH_MODE_USB));
    waitForStop(search, statusSpy.spy);
    search.stopSearch();
    QCOMPARE(nested, 2);
    // The later request is the one that ran.
    QVERIFY(!search.backgroundSearch());
    QCOMPARE(m_adapter->searchListCount(), 2);
}

// ---- reading after a connection ----

void TestDeviceSearch::connectReading_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<bool>("multiview");
    QTest::addColumn<QStringList>("ran");
    QTest::addColumn<int>("status");
    const QStringList all{"capA", "capB", "capSingle", "capC", "valA", "valB"};
    QTest::newRow("all succeed") << QString() << false << all << int(Utilities::CamConnectSts_Success);
    QTest::newRow("ignored reader fails")
        << QStringLiteral("capB") << false << all << int(Utilities::CamConnectSts_Success);
    QTest::newRow("counted reader fails")
        << QStringLiteral("capSingle") << false << QStringList{"capA", "capB", "capSingle"}
        << int(Utilities::CamConnectSts_Error);
    QTest::newRow("multi-view skips") << QStringLiteral("capSingle") << true
                                      << QStringList{"capA", "capB", "capC", "valA", "valB"}
                                      << int(Utilities::CamConnectSts_Success);
    QTest::newRow("value reader fails") << QStringLiteral("valA") << false
                                        << QStringList{"capA", "capB", "capSingle", "capC", "valA"}
                                        << int(Utilities::CamConnectSts_Error);
    QTest::newRow("last value reader fails")
        << QStringLiteral("valB") << false << all << int(Utilities::CamConnectSts_Error);
}

void TestDeviceSearch::connectReading()
{
    QFETCH(QString, failing);
    QFETCH(bool, multiview);
    QFETCH(QStringList, ran);
    QFETCH(int, status);
    ReadProbe probe;
    probe.failing = failing;
    g_read = &probe;
    const ConnectReadTables tables{kCaps, std::size(kCaps), kValues, std::size(kValues)};
    DeviceSearch::setConnectReadTables(&tables);
    DeviceAdapterTestAccess::setMultiviewMode(*m_adapter, multiview);
    m_adapter->setCamConnectStatus(Utilities::CamConnectSts_Connecting);
    m_adapter->deviceSearch()->startGetConnectInitData();
    QTRY_COMPARE_WITH_TIMEOUT(m_adapter->camConnectStatus(), status, 10000);
    m_adapter->deviceSearch()->stopGetConnectInitData();
    g_read = nullptr;
    QCOMPARE(probe.ran, ran);
}

void TestDeviceSearch::connectReadingCancelled()
{
    ReadProbe probe;
    probe.blocking = QStringLiteral("capC");
    g_read = &probe;
    const ConnectReadTables tables{kCaps, std::size(kCaps), kValues, std::size(kValues)};
    DeviceSearch::setConnectReadTables(&tables);
    DeviceSearch &search = *m_adapter->deviceSearch();
    search.startGetConnectInitData();
    QVERIFY(probe.entered.tryAcquire(1, 10000));
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_GetData));
    // A new connection cancels and replaces the running reading.
    search.startGetConnectInitData();
    QVERIFY(probe.entered.tryAcquire(1, 10000));
    search.stopGetConnectInitData();
    QVERIFY(search.IsConnectTreadCancel(0));
    g_read = nullptr;
    // Cancelled readings end quietly, at GetData, and never read values.
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_GetData));
    QCOMPARE(probe.ran.count(QStringLiteral("capC")), 2);
    QVERIFY(!probe.ran.contains(QStringLiteral("valA")));
}

void TestDeviceSearch::connectReadingWithoutReader()
{
    // The program's own reading, as far as this build has readers (run here
    // as the reader thread runs it): an honest failure, never a success.
    m_adapter->setCamConnectStatus(Utilities::CamConnectSts_Connecting);
    m_adapter->deviceSearch()->GetSDKCapability();
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Error));

    ReadProbe probe;
    g_read = &probe;
    const ConnectReadTables gap{kCapsWithGap, std::size(kCapsWithGap), kValues, std::size(kValues)};
    DeviceSearch::setConnectReadTables(&gap);
    m_adapter->setCamConnectStatus(Utilities::CamConnectSts_Connecting);
    m_adapter->deviceSearch()->startGetConnectInitData();
    QTRY_COMPARE_WITH_TIMEOUT(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Error), 10000);
    m_adapter->deviceSearch()->stopGetConnectInitData();
    g_read = nullptr;
    QCOMPARE(probe.ran, QStringList{"capA"});
}

QTEST_MAIN(TestDeviceSearch)
#include "tst_devicesearch.moc"
