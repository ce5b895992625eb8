// What the readers make of capability lists that are not tidy: codes left
// past the count, counts beyond the list's capacity, a setting supported
// with nothing listed, and support marked in a slot's last byte.
#include <QtTest>

#include <functional>
#include <memory>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"

using namespace kavrotether;
using Adapter = DeviceAdapter;
using Read = Utilities::Ternary (DeviceAdapter::*)();
// Whether the value whose camera code is 0 is offered.
using CodeZeroOffered = std::function<bool(Adapter &)>;
using Count = std::function<int(Adapter &)>;

Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(CodeZeroOffered)
Q_DECLARE_METATYPE(Count)

namespace {

bool isTrue(Utilities::Ternary t)
{
    return t == Utilities::Ternary_True;
}

} // namespace

class TestCapabilityLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void codesPastTheCountAreNotOffered_data();
    void codesPastTheCountAreNotOffered();
    void valueListsEndAtTheCount();
    void supportedWithNothingListed();
    void baseStyle2MarkedInTheSlotsLastByte();

private:
    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
};

void TestCapabilityLists::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    QVERIFY(m_fixture.start());
    m_index = m_fixture.connectWithoutReading();
    QVERIFY(m_index >= 0);
}

void TestCapabilityLists::cleanup()
{
    m_fixture.stop();
    m_settings.reset();
}

// Zero-filled slots past the count would offer the value whose code is 0:
// the first one of many settings. With the count above the capacity, the
// reader looks at the whole list and no further.
void TestCapabilityLists::codesPastTheCountAreNotOffered_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<Read>("read");
    QTest::addColumn<CodeZeroOffered>("codeZeroOffered");
    QTest::addColumn<Count>("count");

    QTest::newRow("metering") << "meteringMode" << &Adapter::adp_KVR_func_api_RecInfo_Metering_GetCapability
                              << CodeZeroOffered(
                                     [](Adapter &a) { return isTrue(a.meteringModeCapability(Utilities::MM_Spot)); })
                              << Count([](Adapter &a) { return a.meteringModeCapabilityNum(); });
    QTest::newRow("drive") << "driveMode" << &Adapter::adp_KVR_func_api_CameraMode_GetCapability
                           << CodeZeroOffered(
                                  [](Adapter &a) { return isTrue(a.driveModeCapability(Utilities::DM_Single)); })
                           << Count([](Adapter &a) { return a.driveModeCapabilityNum(); });
    QTest::newRow("recording mode") << "recordingMode" << &Adapter::adp_KVR_func_api_CameraMode_GetCapability
                                    << CodeZeroOffered([](Adapter &a) {
                                           return isTrue(a.recordingModeCapability(Utilities::RM_ProgramAE));
                                       })
                                    << Count([](Adapter &a) { return a.recordingModeCapabilityNum(); });
    QTest::newRow("system frequency") << "systemFrequency" << &Adapter::adp_KVR_func_api_SetupCfgInfo_GetCapability
                                      << CodeZeroOffered([](Adapter &a) {
                                             return isTrue(a.systemFrequencyCapability(Utilities::SFQ_NTSC));
                                         })
                                      << Count(); // this reader stores no count
    QTest::newRow("file target") << "fileTarget" << &Adapter::adp_KVR_func_api_SetupFilesCfgInfo_GetCapability
                                 << CodeZeroOffered([](Adapter &a) {
                                        return isTrue(a.fileTargetCapability(Utilities::FLTG_CameraOnly));
                                    })
                                 << Count();
}

void TestCapabilityLists::codesPastTheCountAreNotOffered()
{
    QFETCH(QString, setting);
    QFETCH(Read, read);
    QFETCH(CodeZeroOffered, codeZeroOffered);
    QFETCH(Count, count);
    DeviceAdapter &adapter = m_fixture.adapter();
    const std::string name = setting.toStdString();
    kvrsim::setOffered(m_index, name, {1, 2});
    kvrsim::turnDial(m_index, name, 1);

    kvrsim::ListShape junk;
    junk.junkPastCount = true;
    junk.junk = 0;
    kvrsim::setListShape(m_index, name, junk);
    QCOMPARE((adapter.*read)(), Utilities::Ternary_True);
    QVERIFY(!codeZeroOffered(adapter));
    if (count)
        QCOMPARE(count(adapter), 2);

    // A count beyond the capacity: the 512 codes the list holds are read
    // (the junk among them too) and nothing past them.
    junk.reportedCount = 65535;
    kvrsim::setListShape(m_index, name, junk);
    QCOMPARE((adapter.*read)(), Utilities::Ternary_True);
    QVERIFY(codeZeroOffered(adapter));
    if (count)
        QCOMPARE(count(adapter), 65535);
}

// A value list holds the listed values and 0 after them, where the
// interface's walk stops; its bound is the capacity.
void TestCapabilityLists::valueListsEndAtTheCount()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    kvrsim::setOffered(m_index, "iso", {100, 200});
    kvrsim::ListShape junk;
    junk.junkPastCount = true;
    junk.junk = 400;
    kvrsim::setListShape(m_index, "iso", junk);
    QCOMPARE(adapter.adp_KVR_func_api_ISO_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter.isoCapabilityNum(), 2);
    QCOMPARE(adapter.isoCapabilityValue(1), 200);
    QCOMPARE(adapter.isoCapabilityValue(2), 0);
    QCOMPARE(adapter.isoCapabilityValue(511), 0);
    QCOMPARE(adapter.isoCapabilityValue(512), -1);
    QCOMPARE(adapter.isoCapabilityValue(-1), -1);
}

// HLG supported with no type listed: supported, switched off.
void TestCapabilityLists::supportedWithNothingListed()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    kvrsim::setOffered(m_index, "hlgShootingType", {});
    kvrsim::ListShape empty;
    empty.supportedWhenEmpty = true;
    kvrsim::setListShape(m_index, "hlgShootingType", empty);
    QCOMPARE(adapter.adp_KVR_func_api_RecInfo_Metering_GetCapability(), Utilities::Ternary_True);
    QVERIFY(adapter.pscSupportHLG());
    QVERIFY(!adapter.pscEnableHLG());
    QCOMPARE(adapter.pscHlgShootingType(), 0);
    for (int type = 0; type < 4; ++type)
        QCOMPARE(adapter.hlgShootingTypeCapability(type), Utilities::Ternary_False);
}

void TestCapabilityLists::baseStyle2MarkedInTheSlotsLastByte()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    kvrsim::setOffered(m_index, "pscBasePhotoStyle2", {});
    QCOMPARE(adapter.adp_KVR_func_api_PhotoStyle2_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter.photoStyleCompCapability(Utilities::PSC_BasePhotoStyle2), Utilities::Ternary_False);
    kvrsim::ListShape marked;
    marked.slotLastByte = 3;
    kvrsim::setListShape(m_index, "pscBasePhotoStyle2", marked);
    QCOMPARE(adapter.adp_KVR_func_api_PhotoStyle2_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter.photoStyleCompCapability(Utilities::PSC_BasePhotoStyle2), Utilities::Ternary_True);
}

QTEST_MAIN(TestCapabilityLists)
#include "tst_capabilitylists.moc"
