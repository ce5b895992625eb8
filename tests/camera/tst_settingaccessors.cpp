// The camera settings' members as the interface reaches them: a setting
// button knows its setting only by name and calls <name>Capability,
// <name>CapabilityNum and <name>CapabilityValue, and writes the property.
// The script engine here calls them the same way.
#include <QJSEngine>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

#include "DeviceAdapterTestAccess.h"
#include "QueueTestSupport.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"

using namespace kavrotether;

namespace {

using Fill = std::function<void(DeviceAdapterData &)>;

// Sets every flag, or every list slot i to 1000 + i, of the row's storage.
#define TEST_FILL_FLAGS_Flags(key) \
    [](DeviceAdapterData &d) { \
        for (auto &f : d.key##Flags) \
            f.store(1); \
    }
#define TEST_FILL_FLAGS_FlagsValues(key) TEST_FILL_FLAGS_Flags(key)
// clang-format off
#define TEST_FILL_VALUES_Values(key)                                                               \
    [](DeviceAdapterData &d) {                                                                     \
        for (std::size_t i = 0; i < d.key##Values.size(); ++i)                                     \
            d.key##Values[i].store(qint32(1000 + i));                                              \
    }
// clang-format on
#define TEST_FILL_VALUES_FlagsValues(key) TEST_FILL_VALUES_Values(key)
#define TEST_NO_FILL(key) Fill()
#define TEST_FILL_FLAGS_Values TEST_NO_FILL
#define TEST_FILL_FLAGS_Count TEST_NO_FILL
#define TEST_FILL_FLAGS_Limits TEST_NO_FILL
#define TEST_FILL_FLAGS_SpecialCount TEST_NO_FILL
#define TEST_FILL_FLAGS_Special TEST_NO_FILL
#define TEST_FILL_FLAGS_Plain TEST_NO_FILL
#define TEST_FILL_VALUES_Flags TEST_NO_FILL
#define TEST_FILL_VALUES_Count TEST_NO_FILL
#define TEST_FILL_VALUES_Limits TEST_NO_FILL
#define TEST_FILL_VALUES_SpecialCount TEST_NO_FILL
#define TEST_FILL_VALUES_Special TEST_NO_FILL
#define TEST_FILL_VALUES_Plain TEST_NO_FILL

struct SettingRow
{
    const char *name;
    const char *key;
    const char *kind;
    const char *share;
    const char *countSignal;
    const char *writer;
    int flagSlots;
    Fill fillFlags;
    Fill fillValues;
};

// clang-format off
#define TEST_SETTING_ROW(name, Name, storeOp, type, width, start, kind, enumeration, slots, key,   \
                         share, countSignal, writer, enqueuer)                                      \
    {#name, #key, #kind, #share, #countSignal, #writer, int(slots),                                \
     TEST_FILL_FLAGS_##kind(key), TEST_FILL_VALUES_##kind(key)},
// clang-format on

const std::vector<SettingRow> &settingRows()
{
    static const std::vector<SettingRow> rows = {KAVRO_CAMERA_SETTINGS(TEST_SETTING_ROW)};
    return rows;
}

bool isOneOf(const char *text, std::initializer_list<const char *> words)
{
    for (const char *w : words) {
        if (qstrcmp(text, w) == 0)
            return true;
    }
    return false;
}

bool hasMethod(const QMetaObject *meta, const QByteArray &name, QMetaMethod::MethodType type)
{
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.name() == name && m.methodType() == type)
            return true;
    }
    return false;
}

} // namespace

class TestSettingAccessors : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceAdapter> m_adapter;
    std::unique_ptr<DeviceAdapterCallback> m_receiver;
    std::unique_ptr<QJSEngine> m_engine;

    // Runs a script with the adapter as "a".
    QJSValue run(const QString &script)
    {
        const QJSValue v = m_engine->evaluate(script);
        if (v.isError())
            qWarning() << script << v.toString();
        return v;
    }
    DeviceAdapterData &data() { return DeviceAdapterTestAccess::settingStorage(*m_adapter); }

private slots:
    void init()
    {
        m_adapter = std::make_unique<DeviceAdapter>();
        // A receiver nobody drains: whatever a write queues stays visible.
        m_receiver = std::make_unique<DeviceAdapterCallback>();
        QVERIFY(m_adapter->attachCallbackReceiver(m_receiver.get()));
        m_engine = std::make_unique<QJSEngine>();
        QJSEngine::setObjectOwnership(m_adapter.get(), QJSEngine::CppOwnership);
        m_engine->globalObject().setProperty(QStringLiteral("a"), m_engine->newQObject(m_adapter.get()));
    }

    void cleanup()
    {
        m_engine.reset();
        m_adapter->attachCallbackReceiver(nullptr);
        m_adapter.reset();
        m_receiver.reset();
    }

    void everyRowIsAPropertyWithItsSignals_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < settingRows().size(); ++i)
            QTest::newRow(settingRows()[i].name) << int(i);
    }

    void everyRowIsAPropertyWithItsSignals()
    {
        QFETCH(int, row);
        const SettingRow &r = settingRows()[std::size_t(row)];
        const QMetaObject *meta = m_adapter->metaObject();
        const int index = meta->indexOfProperty(r.name);
        QVERIFY(index >= 0);
        const QMetaProperty property = meta->property(index);
        QVERIFY(property.isReadable());
        QVERIFY(property.hasNotifySignal());
        // A setting that shares its storage is announced by the owner's signal.
        QCOMPARE(property.notifySignal().name(), QByteArray(r.key) + "Changed");
        QCOMPARE(property.isWritable(), isOneOf(r.writer, {"St", "StQuiet", "N", "S", "Qi", "Q"}));

        const bool counted = qstrcmp(r.countSignal, "NoCount") != 0;
        if (counted)
            QVERIFY2(hasMethod(meta, r.countSignal, QMetaMethod::Signal), r.countSignal);
        const QByteArray name(r.name);
        const bool flags = isOneOf(r.kind, {"Flags", "FlagsValues"});
        const bool values = isOneOf(r.kind, {"Values", "FlagsValues"});
        // Special rows have hand-written accessors of their own shape.
        if (!isOneOf(r.kind, {"Special", "SpecialCount"})) {
            QCOMPARE(hasMethod(meta, name + "Capability", QMetaMethod::Method), flags);
            QCOMPARE(hasMethod(meta, name + "CapabilityValue", QMetaMethod::Method), values);
        }
        if (isOneOf(r.kind, {"Flags", "Values", "FlagsValues", "Count"}))
            QVERIFY(hasMethod(meta, name + "CapabilityNum", QMetaMethod::Method));
        if (qstrcmp(r.kind, "Limits") == 0) {
            for (const char *limit : {"Min", "Max", "Step"})
                QVERIFY(hasMethod(meta, name + limit, QMetaMethod::Method));
        }
    }

    // Flags answer only inside 0 .. _Max-1; the unsigned test keeps the
    // Unknown key and every negative value out.
    void capabilityFlagBounds_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < settingRows().size(); ++i) {
            if (settingRows()[i].fillFlags)
                QTest::newRow(settingRows()[i].name) << int(i);
        }
    }

    void capabilityFlagBounds()
    {
        QFETCH(int, row);
        const SettingRow &r = settingRows()[std::size_t(row)];
        const QString call = QStringLiteral("a.%1Capability(%2)").arg(QLatin1String(r.name));
        QVERIFY(r.flagSlots > 0);
        QCOMPARE(run(call.arg(0)).toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run(QStringLiteral("a.%1CapabilityNum()").arg(QLatin1String(r.name))).toInt(), 0);

        r.fillFlags(data());
        QCOMPARE(run(call.arg(0)).toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run(call.arg(r.flagSlots - 1)).toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run(call.arg(r.flagSlots)).toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run(call.arg(-1)).toInt(), int(Utilities::Ternary_False));
    }

    // The bound of a value list is its capacity, not its count.
    void capabilityValueBounds_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < settingRows().size(); ++i) {
            if (settingRows()[i].fillValues)
                QTest::newRow(settingRows()[i].name) << int(i);
        }
    }

    void capabilityValueBounds()
    {
        QFETCH(int, row);
        const SettingRow &r = settingRows()[std::size_t(row)];
        settingRows()[std::size_t(row)].fillValues(data());
        const QString call = QStringLiteral("a.%1CapabilityValue(%2)").arg(QLatin1String(r.name));
        QCOMPARE(run(call.arg(0)).toInt(), 1000);
        QCOMPARE(run(call.arg(511)).toInt(), 1511);
        QCOMPARE(run(call.arg(512)).toInt(), -1);
        QCOMPARE(run(call.arg(-1)).toInt(), -1);
    }

    void sharedStorage_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"burstSpeed", "burstSpeed1", "burstSpeed2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void sharedStorage()
    {
        QFETCH(QString, name);
        data().burstSpeedFlags[Utilities::BS_Max - 1].store(1);
        data().burstSpeedCount.store(3);
        QSignalSpy changed(m_adapter.get(), &DeviceAdapter::burstSpeedChanged);
        m_adapter->setBurstSpeedValue(Utilities::BurstSpeed(Utilities::BS_Max - 1));

        QCOMPARE(run(QStringLiteral("a.%1Capability(%2)").arg(name).arg(Utilities::BS_Max - 1)).toInt(),
                 int(Utilities::Ternary_True));
        QCOMPARE(run(QStringLiteral("a.%1Capability(0)").arg(name)).toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run(QStringLiteral("a.%1CapabilityNum()").arg(name)).toInt(), 3);
        QCOMPARE(run(QStringLiteral("a.%1").arg(name)).toInt(), int(Utilities::BS_Max - 1));
        QCOMPARE(changed.count(), 1);
    }

    // What a write from the interface does for the writers that need no
    // camera: nothing is ever queued for the camera.
    void writeFromInterface_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("readBack");
        QTest::addColumn<int>("announced");

        QTest::newRow("stores and announces a change") << "sceneGuideScene" << 3 << 3 << 1;
        QTest::newRow("an unchanged value is not announced") << "sceneGuideScene" << -1 << -1 << 0;
        QTest::newRow("stores without a signal") << "systemFrequency" << 2 << 2 << 0;
        QTest::newRow("stores a movie quality") << "movieConfigQuality" << 4 << 4 << 1;
        QTest::newRow("ignores the value") << "imgInfoAspect" << 3 << -1 << 0;
        QTest::newRow("ignores a flag") << "autoRecognizeAnimalEnable" << 1 << 0 << 0;
    }

    void writeFromInterface()
    {
        QFETCH(QString, name);
        QFETCH(int, written);
        QFETCH(int, readBack);
        QFETCH(int, announced);
        const QMetaProperty property = m_adapter->metaObject()->property(
            m_adapter->metaObject()->indexOfProperty(name.toLatin1()));
        QSignalSpy spy(m_adapter.get(), property.notifySignal());

        run(QStringLiteral("a.%1 = %2").arg(name).arg(written));
        QCOMPARE(run(QStringLiteral("a.%1").arg(name)).toInt(), readBack);
        QCOMPARE(spy.count(), announced);
        if (announced)
            QCOMPARE(spy.first().first().toInt(), readBack);
        QCOMPARE(test::queueText(*m_receiver), QStringList());
    }

    void messagesNest()
    {
        m_adapter->setMsgDisplayed(true);
        m_adapter->setMsgDisplayed(true);
        m_adapter->setMsgDisplayed(false);
        QCOMPARE(m_adapter->property("msgDisplayed").toInt(), 1);
        m_adapter->setMsgDisplayed(false);
        QCOMPARE(m_adapter->property("msgDisplayed").toInt(), 0);
        m_adapter->setMsgDisplayed(true);
        QCOMPARE(m_adapter->property("msgDisplayed").toInt(), 1);
    }

    // Accessors of their own shape.
    void specialAccessors()
    {
        // The aperture list is walked up to its count only.
        data().apertureValues[0].store(28);
        data().apertureValues[1].store(-40);
        data().apertureValues[2].store(56);
        data().apertureCount.store(2);
        QCOMPARE(run("a.apertureCapability(-40)").toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run("a.apertureCapability(56)").toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run("a.apertureCapabilityValue(1)").toInt(), -40);
        QCOMPARE(run("a.apertureCapabilityValue(a.apertureCapabilityNum())").toInt(), -1);
        // A count beyond the list's capacity never reads past it.
        data().apertureCount.store(100000);
        QCOMPARE(run("a.apertureCapabilityValue(600)").toInt(), -1);

        // The ISO list serves automatic ISO only while the camera is on it.
        data().isoValues[0].store(100);
        QCOMPARE(run("a.isoAutoCapability()").toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run("a.isoAutoCapabilityValue(0)").toInt(), -1);
        m_adapter->setIsoAutoValue(-3);
        QCOMPARE(run("a.isoAutoCapability()").toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run("a.isoAutoCapabilityValue(0)").toInt(), 100);
        QCOMPARE(run("a.isoAutoCapabilityValue(512)").toInt(), -1);

        // A 6K/4K photo mode needs both its burst type and its frame rate.
        data().picture4K6KFlags[2][0].store(1);
        data().picture4K6KFlags[3][0].store(1);
        data().picture4K6KFlags[3][1].store(1);
        data().picture4K6KCount.store(2);
        data().picture4K6KFpsCount.store(3);
        QCOMPARE(run("a.picture4K6KCapability(2)").toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run("a.picture4K6KCapability(3)").toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run("a.picture4K6KCapability(9)").toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run("a.picture4K6KCapabilityNum()").toInt(), 6);

        // No movie quality can be chosen while a 4K movie records.
        data().recMovieCount.store(5);
        QCOMPARE(run("a.recMovieCapabilityNum()").toInt(), 5);
        m_adapter->setCameraStatusValue(Utilities::CamStatus_MovRec_4k);
        QCOMPARE(run("a.recMovieCapabilityNum()").toInt(), 0);

        // The HLG types of the selected camera, or of a camera of the table.
        data().hlgShootingTypeFlags[1].store(1);
        QCOMPARE(run("a.hlgShootingTypeCapability(1)").toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run("a.hlgShootingTypeCapability(4)").toInt(), int(Utilities::Ternary_False));
        QCOMPARE(run("a.hlgShootingTypeCapability(1, 'nobody')").toInt(), int(Utilities::Ternary_False));
        CameraInfo camera;
        camera.hlgDetail[3] = 1;
        QVERIFY(m_adapter->addCameraToTable(QStringLiteral("cam-1"), camera));
        QCOMPARE(run("a.hlgShootingTypeCapability(3, 'cam-1')").toInt(), int(Utilities::Ternary_True));
        QCOMPARE(run("a.hlgShootingTypeCapability(1, 'cam-1')").toInt(), int(Utilities::Ternary_False));

        // HEIF is offered when a listed quality code is one of 13 to 16.
        QVERIFY(!run("a.imgInfoHeifModeAvailable()").toBool());
        data().imgInfoQualityCodes[0].store(12);
        data().imgInfoQualityCodes[1].store(16);
        data().imgInfoQualityCodeCount.store(1);
        QVERIFY(!run("a.imgInfoHeifModeAvailable()").toBool());
        data().imgInfoQualityCodeCount.store(2);
        QVERIFY(run("a.imgInfoHeifModeAvailable()").toBool());
    }

    void exposureInMovieMode_data()
    {
        QTest::addColumn<int>("shotMode");
        QTest::addColumn<int>("recordingMode");
        QTest::addColumn<bool>("expected");
        QTest::newRow("movie, manual") << int(Utilities::Shot_Mode_Status_Movie) << int(Utilities::RM_ManualExposure)
                                       << true;
        QTest::newRow("slow-quick, program")
            << int(Utilities::Shot_Mode_Status_Slow_Quick) << int(Utilities::RM_ProgramAE) << true;
        QTest::newRow("movie, creative video")
            << int(Utilities::Shot_Mode_Status_Movie) << int(Utilities::RM_CreativeVideo) << false;
        QTest::newRow("unknown, S&Q") << int(Utilities::Shot_Mode_Status_Unknown) << int(Utilities::RM_SQMotion)
                                      << true;
        QTest::newRow("unknown, manual") << int(Utilities::Shot_Mode_Status_Unknown)
                                         << int(Utilities::RM_ManualExposure) << false;
        QTest::newRow("photo, manual") << int(Utilities::Shot_Mode_Status_Photo) << int(Utilities::RM_ManualExposure)
                                       << false;
    }

    void exposureInMovieMode()
    {
        QFETCH(int, shotMode);
        QFETCH(int, recordingMode);
        QFETCH(bool, expected);
        m_adapter->setShotModeStatusValue(shotMode);
        m_adapter->setRecordingModeValue(Utilities::RecordingMode(recordingMode));
        QCOMPARE(run("a.isExpMovieMode()").toBool(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingAccessors)
#include "tst_settingaccessors.moc"
