// The event queue: push rules, pop, the SDK callbacks' filters and the
// dispatch of popped items, stepped on the test's thread.

#include <QtTest>

#include "DeviceAdapterTestAccess.h"
#include "QueueTestSupport.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using kavrotether::test::itemText;
using kavrotether::test::queueText;

namespace {

enum PushKind { Last, Check, Check2 };

// "TYPE:param:uuid" with the type in hex, as written in the data rows.
CallbackQueueItem parseItem(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    CallbackQueueItem item;
    item.cb_event_type = parts.value(0).toUInt(nullptr, 16);
    item.cb_event_param = parts.value(1).toUInt();
    item.cb_event_uuid = parts.value(2);
    return item;
}

QString canon(const QString &text)
{
    const CallbackQueueItem i = parseItem(text);
    return itemText(i.cb_event_type, i.cb_event_param, i.cb_event_uuid);
}

QStringList canon(const QStringList &list)
{
    QStringList out;
    for (const QString &s : list)
        out << canon(s);
    return out;
}

// What the test tables saw, in order.
struct Record
{
    QStringList queued;
    QStringList immediate;
    QStringList ptpip;
    QStringList notices;
} g_record;

void recordQueued(DeviceAdapter &, const CallbackQueueItem &item)
{
    g_record.queued << itemText(item.cb_event_type, item.cb_event_param, item.cb_event_uuid);
}
void recordAperture(DeviceAdapter &, const CallbackQueueItem &item)
{
    g_record.queued << QStringLiteral("aperture %1").arg(qint16(item.cb_event_param & 0xFFFF));
}
void recordFlag(DeviceAdapter &, const CallbackQueueItem &item)
{
    g_record.queued << QStringLiteral("flag %1").arg(item.cb_event_param != 0);
}
void recordImmediate(DeviceAdapter &, quint32 code, quint32 param, const QString &uuid)
{
    g_record.immediate << itemText(code, param, uuid);
}
void recordPtpip(DeviceAdapter &, quint32 kind, void *, const char *uuid)
{
    g_record.ptpip << itemText(kind, 0, QString::fromUtf8(uuid ? uuid : ""));
}
void recordNotice(DeviceAdapter &, quint32 code, quint32 param, const QString &uuid)
{
    g_record.notices << itemText(code, param, uuid);
}

constexpr DispatchEntry kTestQueued[] = {
    {0x02000040, recordQueued}, {0x12000010, recordQueued}, {0xFFFF010A, recordAperture},
    {0xFFFF0136, recordFlag},   {0xFFFF0190, recordQueued},
};
constexpr ImmediateEntry kTestImmediate[] = {
    {1, recordImmediate}, {2, recordImmediate}, {3, recordImmediate},          {4, recordImmediate},
    {5, recordImmediate}, {6, recordImmediate}, {0x41000015, recordImmediate},
};
constexpr PtpipEntry kTestPtpip[] = {
    {1, recordPtpip}, {2, recordPtpip}, {3, recordPtpip}, {5, recordPtpip}, {6, recordPtpip},
};

DispatchTables testTables()
{
    DispatchTables t;
    t.queued = kTestQueued;
    t.queuedCount = std::size(kTestQueued);
    t.immediate = kTestImmediate;
    t.immediateCount = std::size(kTestImmediate);
    t.ptpip = kTestPtpip;
    t.ptpipCount = std::size(kTestPtpip);
    t.objectAddedNotice = recordNotice;
    return t;
}

const char kSelected[] = "CAM-SEL";
const char kOther[] = "CAM-OTHER";

} // namespace

class TestCallbackQueue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pushRules_data();
    void pushRules();
    void userLastChoiceWins();
    void popEdges();

    void notifyFilters_data();
    void notifyFilters();
    void firmwareUpdateMarksDisconnect();
    void noReceiverDropsEverything();
    void objectAddedNotice();
    void ptpipRouting();

    void dispatchStepByStep();
    void registrationTablesMirror();
    void productionRowsCanBeReached();

private:
    std::unique_ptr<DeviceAdapter> m_adapter;
    std::unique_ptr<DeviceAdapterCallback> m_receiver;
    DispatchTables m_tables;
};

void TestCallbackQueue::init()
{
    g_record = Record();
    m_tables = testTables();
    DeviceAdapterCallback::setDispatchTables(&m_tables);
    m_adapter = std::make_unique<DeviceAdapter>();
    m_receiver = std::make_unique<DeviceAdapterCallback>();
    QVERIFY(m_adapter->attachCallbackReceiver(m_receiver.get()));
    m_adapter->setSelectedCameraUuid(QString::fromLatin1(kSelected));
    ApplicationData::setDeviceAdapter(m_adapter.get());
}

void TestCallbackQueue::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    m_adapter->attachCallbackReceiver(nullptr);
    m_adapter.reset();
    m_receiver.reset();
    DeviceAdapterCallback::setDispatchTables(nullptr);
}

void TestCallbackQueue::pushRules_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("pushed");
    QTest::addColumn<bool>("appended");
    QTest::addColumn<QStringList>("after");

    const QString af = QStringLiteral("01000010:0:");
    const QString rec = QStringLiteral("12000010:0:");

    QTest::newRow("identical item dropped")
        << QStringList{"02000040:5:A"} << int(Last) << "02000040:5:A" << false << QStringList{"02000040:5:A"};
    QTest::newRow("other parameter kept") << QStringList{"02000040:5:A"} << int(Last) << "02000040:6:A" << true
                                          << QStringList{"02000040:5:A", "02000040:6:A"};
    QTest::newRow("other camera kept") << QStringList{"02000040:5:A"} << int(Last) << "02000040:5:B" << true
                                       << QStringList{"02000040:5:A", "02000040:5:B"};
    QTest::newRow("uuid compared case-sensitively") << QStringList{"02000040:5:abc"} << int(Last) << "02000040:5:ABC"
                                                    << true << QStringList{"02000040:5:abc", "02000040:5:ABC"};
    QTest::newRow("read keeps duplicate rule")
        << QStringList{"FFFF0209:0:"} << int(Last) << "FFFF0209:0:" << false << QStringList{"FFFF0209:0:"};
    QTest::newRow("write replaces waiting value in place")
        << QStringList{"FFFF010A:5:", "FFFF0209:0:"} << int(Last) << "FFFF010A:7:" << false
        << QStringList{"FFFF010A:7:", "FFFF0209:0:"};
    QTest::newRow("write for another camera appended") << QStringList{"FFFF0190:1:A"} << int(Last) << "FFFF0190:2:B"
                                                       << true << QStringList{"FFFF0190:1:A", "FFFF0190:2:B"};
    QTest::newRow("network disconnect is no setting write")
        << QStringList{"FFFF0135:0:A"} << int(Last) << "FFFF0135:0:B" << true
        << QStringList{"FFFF0135:0:A", "FFFF0135:0:B"};
    QTest::newRow("check drops any waiting item of the type")
        << QStringList{"02000070:1:A"} << int(Check) << "02000070:2:B" << false << QStringList{"02000070:1:A"};
    QTest::newRow("check: AF configurations do not block each other")
        << QStringList{"02000070:1:A"} << int(Check) << "02000120:1:A" << true
        << QStringList{"02000070:1:A", "02000120:1:A"};
    QTest::newRow("AF: first one appended")
        << QStringList{} << int(Check2) << "01000010:1:" << true << QStringList{"01000010:1:"};
    QTest::newRow("AF: waiting alone, dropped")
        << QStringList{af} << int(Check2) << "01000010:1:" << false << QStringList{af};
    QTest::newRow("AF: behind recording info appended")
        << QStringList{rec} << int(Check2) << "01000010:1:" << true << QStringList{rec, "01000010:1:"};
    QTest::newRow("AF: ahead of recording info moves behind it")
        << QStringList{af, rec} << int(Check2) << "01000010:2:" << true << QStringList{rec, "01000010:2:"};
    QTest::newRow("AF: already behind recording info, dropped")
        << QStringList{rec, af} << int(Check2) << "01000010:2:" << false << QStringList{rec, af};
    QTest::newRow("AF: only the last one moves")
        << QStringList{"01000010:1:", rec, "01000010:2:", "12000010:1:"} << int(Check2) << "01000010:3:" << true
        << QStringList{"01000010:1:", rec, "12000010:1:", "01000010:3:"};
}

void TestCallbackQueue::pushRules()
{
    QFETCH(QStringList, before);
    QFETCH(int, kind);
    QFETCH(QString, pushed);
    QFETCH(bool, appended);
    QFETCH(QStringList, after);

    DeviceAdapterCallback q;
    for (const QString &s : before) {
        const CallbackQueueItem i = parseItem(s);
        QVERIFY(q.pushArgumentLast(i.cb_event_type, i.cb_event_param, i.cb_event_uuid));
    }
    const CallbackQueueItem p = parseItem(pushed);
    bool result = false;
    switch (kind) {
    case Last:
        result = q.pushArgumentLast(p.cb_event_type, p.cb_event_param, p.cb_event_uuid);
        break;
    case Check:
        result = q.pushArgumentCheck(p.cb_event_type, p.cb_event_param, p.cb_event_uuid);
        break;
    default:
        result = q.pushArgumentCheck2(p.cb_event_type, p.cb_event_param, p.cb_event_uuid);
        break;
    }
    QCOMPARE(result, appended);
    QCOMPARE(queueText(q), canon(after));
}

void TestCallbackQueue::userLastChoiceWins()
{
    // Writing A, B, A while the worker is busy must leave A, not B.
    DeviceAdapterCallback q;
    q.pushArgumentLast(0xFFFF010A, 1, QString());
    q.pushArgumentLast(0xFFFF010A, 2, QString());
    q.pushArgumentLast(0xFFFF010A, 1, QString());
    QCOMPARE(queueText(q), canon(QStringList{"FFFF010A:1:"}));
}

void TestCallbackQueue::popEdges()
{
    DeviceAdapterCallback q;
    quint32 type = 0, param = 0;
    QString uuid;
    QVERIFY(!q.popArgument(&type, &param, &uuid));
    q.pushArgumentLast(1, 10, QStringLiteral("a"));
    q.pushArgumentLast(2, 20, QStringLiteral("b"));
    QVERIFY(!q.popArgument(nullptr, &param, &uuid));
    QVERIFY(!q.popArgument(&type, nullptr, &uuid));
    QCOMPARE(q.pendingItems().size(), std::size_t(2));
    QVERIFY(q.popArgument(&type, &param, nullptr));
    QCOMPARE(type, 1u);
    QCOMPARE(param, 10u);
    QVERIFY(q.popArgument(&type, &param, &uuid));
    QCOMPARE(type, 2u);
    QCOMPARE(uuid, QStringLiteral("b"));
    QVERIFY(!q.popArgument(&type, &param, &uuid));
}

void TestCallbackQueue::notifyFilters_data()
{
    QTest::addColumn<bool>("multiview");
    QTest::addColumn<bool>("updating");
    QTest::addColumn<quint32>("event");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<QStringList>("immediate");

    const QString sel = QString::fromLatin1(kSelected);
    const QString other = QString::fromLatin1(kOther);
    auto q = [](const char *s) { return QStringList{QString::fromLatin1(s)}; };
    const QStringList none;

    QTest::newRow("selected camera queued") << false << false << 0x02000040u << sel << q("02000040:7:CAM-SEL") << none;
    QTest::newRow("another camera's setting dropped") << false << false << 0x02000040u << other << none << none;
    QTest::newRow("another camera's recording info converted")
        << false << false << 0x12000010u << other << q("FFFF0309:7:CAM-OTHER") << none;
    QTest::newRow("another camera's transfer request queued")
        << false << false << 0x10000043u << other << q("10000043:7:CAM-OTHER") << none;
    QTest::newRow("another camera lost queued")
        << false << false << 0x1FF20001u << other << q("1FF20001:7:CAM-OTHER") << none;
    QTest::newRow("event without camera passes")
        << false << false << 0x02000040u << QString() << q("02000040:7:") << none;
    QTest::newRow("recording info without camera converted")
        << false << false << 0x12000010u << QString() << q("FFFF0309:7:") << none;
    QTest::newRow("selected recording info kept")
        << false << false << 0x12000010u << sel << q("12000010:7:CAM-SEL") << none;
    QTest::newRow("multi-view drops AF information") << true << false << 0x01000010u << sel << none << none;
    QTest::newRow("multi-view drops AF frame display") << true << false << 0x020001D0u << sel << none << none;
    QTest::newRow("multi-view keeps other events")
        << true << false << 0x02000040u << sel << q("02000040:7:CAM-SEL") << none;
    QTest::newRow("AF configuration through check rule")
        << false << false << 0x02000070u << sel << q("02000070:7:CAM-SEL") << none;
    QTest::newRow("live-view quality code queued")
        << false << false << 0x0D800010u << sel << q("0D800010:7:CAM-SEL") << none;
    QTest::newRow("updating camera's events dropped") << false << true << 0x02000040u << sel << none << none;
    QTest::newRow("updating camera's status runs at once")
        << false << true << 3u << sel << none << q("00000003:7:CAM-SEL");
    QTest::newRow("extra status runs at once")
        << false << false << 0x41000015u << QString() << none << q("41000015:7:");
    QTest::newRow("other camera passes during update")
        << false << true << 0x1FF20001u << other << q("1FF20001:7:CAM-OTHER") << none;
}

void TestCallbackQueue::notifyFilters()
{
    QFETCH(bool, multiview);
    QFETCH(bool, updating);
    QFETCH(quint32, event);
    QFETCH(QString, uuid);
    QFETCH(QStringList, queued);
    QFETCH(QStringList, immediate);

    DeviceAdapterTestAccess::setMultiviewMode(*m_adapter, multiview);
    DeviceAdapterTestAccess::setFirmwareUpdateRunning(*m_adapter, QString::fromLatin1(kSelected), updating);

    const QByteArray raw = uuid.toUtf8();
    QCOMPARE(DeviceAdapterCallback::registerCallback(event, 7, raw.constData()), 0);
    QCOMPARE(queueText(*m_receiver), canon(queued));
    QCOMPARE(g_record.immediate, canon(immediate));
    QCOMPARE(DeviceAdapterTestAccess::firmwareCameraLost(*m_adapter), false);
}

void TestCallbackQueue::firmwareUpdateMarksDisconnect()
{
    DeviceAdapterTestAccess::setFirmwareUpdateRunning(*m_adapter, QString::fromLatin1(kSelected), true);
    DeviceAdapterCallback::registerCallback(0x1FF20001, 0, kSelected);
    QVERIFY(m_receiver->pendingItems().empty());
    QVERIFY(DeviceAdapterTestAccess::firmwareCameraLost(*m_adapter));

    m_adapter->setDisconnectInFwup(false);
    char uuid[sizeof kSelected];
    memcpy(uuid, kSelected, sizeof kSelected);
    DeviceAdapterCallback::registerCallback_PtpIp(4, nullptr, uuid, nullptr);
    QVERIFY(m_receiver->pendingItems().empty());
    QVERIFY(DeviceAdapterTestAccess::firmwareCameraLost(*m_adapter));
}

void TestCallbackQueue::noReceiverDropsEverything()
{
    m_adapter->attachCallbackReceiver(nullptr);
    DeviceAdapterCallback::registerCallback(0x02000040, 1, kSelected);
    DeviceAdapterCallback::registerCallback(0x10000040, 1, kSelected);
    QVERIFY(m_receiver->pendingItems().empty());
    QVERIFY(g_record.notices.isEmpty());
}

void TestCallbackQueue::objectAddedNotice()
{
    DeviceAdapterCallback::registerCallback(0x10000040, 0x00000005, kSelected);
    DeviceAdapterCallback::registerCallback(0x10000040, 0x00000005, kSelected); // duplicate
    DeviceAdapterCallback::registerCallback(0x10000040, 0x01000006, kSelected); // bits 24-27 = 1
    DeviceAdapterCallback::registerCallback(0x10000040, 0x02000007, kSelected);
    QCOMPARE(m_receiver->pendingItems().size(), std::size_t(3));
    QCOMPARE(g_record.notices, canon(QStringList{"10000040:5:CAM-SEL", "10000040:33554439:CAM-SEL"}));
}

void TestCallbackQueue::ptpipRouting()
{
    char uuid[] = "NET-1";
    for (quint32 kind : {1u, 2u, 3u, 5u, 6u, 7u})
        DeviceAdapterCallback::registerCallback_PtpIp(kind, nullptr, uuid, nullptr);
    QCOMPARE(g_record.ptpip, canon(QStringList{"1:0:NET-1", "2:0:NET-1", "3:0:NET-1", "5:0:NET-1", "6:0:NET-1"}));
    QVERIFY(m_receiver->pendingItems().empty());
    DeviceAdapterCallback::registerCallback_PtpIp(4, nullptr, uuid, nullptr);
    DeviceAdapterCallback::registerCallback_PtpIp(4, nullptr, nullptr, nullptr);
    QCOMPARE(queueText(*m_receiver), canon(QStringList{"FFFF0135:0:NET-1", "FFFF0135:0:"}));
}

void TestCallbackQueue::dispatchStepByStep()
{
    DeviceAdapterCallback &q = *m_receiver;
    q.pushArgumentLast(0x03000010, 1, QString()); // registered, no row
    q.pushArgumentLast(0x0200003F, 1, QString()); // a neighbour of a row
    q.pushArgumentLast(0x02000040, 2, QStringLiteral("u"));
    q.pushArgumentLast(0xFFFF0131, 1, QString());       // command without a row
    q.pushArgumentLast(0xFFFF010A, 0x1FFFE, QString()); // low 16 bits, signed
    q.pushArgumentLast(0xFFFF0136, 5, QString());
    q.pushArgumentLast(0xFFFF0190, 3, QStringLiteral("cam"));

    const QStringList expected[] = {
        {},
        {},
        {canon("02000040:2:u")},
        {canon("02000040:2:u")},
        {canon("02000040:2:u"), "aperture -2"},
        {canon("02000040:2:u"), "aperture -2", "flag 1"},
        {canon("02000040:2:u"), "aperture -2", "flag 1", canon("FFFF0190:3:cam")},
    };
    for (const QStringList &after : expected) {
        QVERIFY(q.runOne());
        QCOMPARE(g_record.queued, after);
    }
    QVERIFY(!q.runOne());
}

void TestCallbackQueue::registrationTablesMirror()
{
    std::size_t count = 0;
    const quint32 *codes = DeviceAdapterCallback::notifyRegistrations(&count);
    QSet<quint32> distinct;
    for (std::size_t i = 0; i < count; ++i)
        distinct.insert(codes[i]);
    // 97 registrations of 94 codes, plus the live-view quality code.
    QCOMPARE(count, std::size_t(98));
    QCOMPARE(distinct.size(), 95);
    QVERIFY(distinct.contains(0x0D800010));
    QVERIFY(distinct.contains(0x0D000010));
    QVERIFY(!distinct.contains(0x02000110));
    QVERIFY(!distinct.contains(0x020001B0));
    DeviceAdapterCallback::ptpipRegistrations(&count);
    QCOMPARE(count, std::size_t(6));
}

void TestCallbackQueue::productionRowsCanBeReached()
{
    // A row for an event nobody registers never runs (as live-view quality
    // once did); a command row must lie in the command range.
    std::size_t count = 0;
    const quint32 *codes = DeviceAdapterCallback::notifyRegistrations(&count);
    const QSet<quint32> registered(codes, codes + count);
    const DispatchTables &t = DeviceAdapterCallback::productionTables();
    for (std::size_t i = 0; i < t.queuedCount; ++i) {
        const quint32 code = t.queued[i].code;
        const bool command = code >= WorkerCommandCode::First && code <= WorkerCommandCode::Last;
        QVERIFY2(command || registered.contains(code), qPrintable(QString::number(code, 16)));
        QVERIFY(t.queued[i].run);
    }
    for (std::size_t i = 0; i < t.immediateCount; ++i)
        QVERIFY(registered.contains(t.immediate[i].code));
}

QTEST_GUILESS_MAIN(TestCallbackQueue)
#include "tst_callbackqueue.moc"
