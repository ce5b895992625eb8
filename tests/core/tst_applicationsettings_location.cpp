#include "core/ApplicationSettings.h"

#include <QtTest>

#include "AdapterFixture.h"
#include "KvrSim.h"
#include "app/Startup.h"
#include "camera/CameraInfo.h"
#include "core/ApplicationData.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

using namespace kavrotether;

namespace {

std::unique_ptr<QSettings> openRaw()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("(KAVROTether x64)"),
                                       QStringLiteral("KAVROTether"));
}

// Connected cameras by serial number with the target each one holds. A
// camera listed in `refusing` ignores every change of its target.
class FakeCameras : public ApplicationSettings::CameraAccess
{
public:
    QMap<QString, int> targets;
    QStringList refusing;
    QString selected;
    int hlg = 0;
    QStringList calls;

    int hlgShootingType() const override { return hlg; }
    void setHlgShootingType(int value) override { calls.append(QStringLiteral("hlg %1").arg(value)); }
    QString selectedSerialNo() const override { return selected; }
    void setSelectedFileTarget(int target) override
    {
        calls.append(QStringLiteral("selected %1").arg(target));
        take(selected, target);
    }
    void setFileTargetById(const QString &serialNo, int target) override
    {
        calls.append(QStringLiteral("%1 %2").arg(serialNo).arg(target));
        take(serialNo, target);
    }
    int getFileTargetById(const QString &serialNo) const override { return targets.value(serialNo, -1); }

private:
    void take(const QString &serialNo, int target)
    {
        if (targets.contains(serialNo) && !refusing.contains(serialNo))
            targets[serialNo] = target;
    }
};

} // namespace

class TestApplicationSettingsLocation : public QObject
{
    Q_OBJECT

private:
    QString m_path;
    std::unique_ptr<ApplicationSettings> m_settings;
    FakeCameras *m_cameras = nullptr;

    static QVariant stored(const QString &serialNo)
    {
        return openRaw()->value(QStringLiteral("StoreLocationType_") + serialNo);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_path = openRaw()->fileName();
        QVERIFY2(m_path.contains(QLatin1String("/test-home/")), "the test must run in its own home folder");
    }

    void init()
    {
        auto raw = openRaw();
        raw->clear();
        raw->sync();
        QFile::remove(m_path);
        m_settings = std::make_unique<ApplicationSettings>();
        auto cameras = std::make_unique<FakeCameras>();
        m_cameras = cameras.get();
        m_cameras->targets = {{"SN-A", 1}, {"SN-B", 1}, {"SN-C", 0}};
        m_cameras->selected = QStringLiteral("SN-A");
        m_settings->setCameraAccess(std::move(cameras));
    }

    void cleanup()
    {
        m_cameras = nullptr;
        m_settings.reset();
    }

    void storedChoiceFromFile_data()
    {
        QTest::addColumn<QString>("serialNo");
        QTest::addColumn<QVariant>("inFile");
        QTest::addColumn<int>("expected");
        QTest::newRow("no key") << "SN-A" << QVariant() << int(ApplicationSettings::StoLocType_SdCardPc);
        QTest::newRow("computer only") << "SN-A" << QVariant(2) << int(ApplicationSettings::StoLocType_Pc);
        QTest::newRow("card only") << "SN-A" << QVariant("0") << int(ApplicationSettings::StoLocType_SdCard);
        QTest::newRow("text") << "SN-A" << QVariant("card") << int(ApplicationSettings::StoLocType_SdCardPc);
        QTest::newRow("other camera's key") << "SN-B" << QVariant() << int(ApplicationSettings::StoLocType_SdCardPc);
    }
    void storedChoiceFromFile()
    {
        QFETCH(QString, serialNo);
        QFETCH(QVariant, inFile);
        QFETCH(int, expected);
        if (inFile.isValid())
            openRaw()->setValue(QStringLiteral("StoreLocationType_SN-A"), inFile);
        QCOMPARE(int(m_settings->getStoreLocationTypeFromFile(serialNo)), expected);
    }

    void emptyTable()
    {
        m_settings->setTargetCameraListByID("SN-B", ApplicationSettings::StoLocType_Pc, 0);
        QCOMPARE(m_settings->getTargetCameraListLength(), 0);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-B"), -1);
        m_settings->setStoreLocationType();
        QVERIFY(m_cameras->calls.isEmpty());
        QVERIFY(!stored("SN-B").isValid());
    }

    void listLookup()
    {
        m_settings->setTargetCameraListLength(3);
        m_settings->setTargetCameraListByID("SN-A", 0, 0);
        m_settings->setTargetCameraListByID("SN-B", 2, 1);
        m_settings->setTargetCameraListByID("SN-B", 1, 2);
        m_settings->setTargetCameraListByID("SN-D", 2, 3);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-A"), 0);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-B"), 2);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("sn-b"), -1);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-"), -1);
        // Beyond the length, even though the entry is filled.
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-D"), -1);
        QCOMPARE(m_settings->getTargetCameraListByID(1), QStringLiteral("SN-B"));
        // Shortening the table clears no entry.
        m_settings->setTargetCameraListLength(1);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-B"), -1);
        m_settings->setTargetCameraListLength(3);
        QCOMPARE(m_settings->getStoreLocationTypeFromList("SN-B"), 2);
    }

    void applyPushesAndRemembersWhatCamerasTook()
    {
        m_cameras->refusing = QStringList({"SN-C"});
        m_settings->setTargetCameraListLength(3);
        m_settings->setTargetCameraListByID("SN-A", ApplicationSettings::StoLocType_Pc, 0);
        m_settings->setTargetCameraListByID("SN-B", ApplicationSettings::StoLocType_SdCard, 1);
        m_settings->setTargetCameraListByID("SN-C", ApplicationSettings::StoLocType_Pc, 2);
        m_settings->setStoreLocationType();
        // The selected camera through its own setter, the others by serial.
        QCOMPARE(m_cameras->calls, QStringList({"selected 2", "SN-B 0", "SN-C 2"}));
        QCOMPARE(stored("SN-A"), QVariant(2));
        QCOMPARE(stored("SN-B"), QVariant(0));
        QVERIFY(!stored("SN-C").isValid());
        QCOMPARE(m_settings->getStoreLocationTypeFromFile("SN-C"), ApplicationSettings::StoLocType_SdCardPc);

        // Every flag was cleared, the refused one too: nothing is pushed again.
        m_cameras->calls.clear();
        m_settings->setStoreLocationType();
        QVERIFY(m_cameras->calls.isEmpty());
    }

    void onlyChangedEntriesAreApplied()
    {
        m_settings->setTargetCameraListLength(2);
        m_settings->setTargetCameraListByID("SN-A", 1, 0);
        m_settings->setTargetCameraListByID("SN-B", 1, 1);
        m_settings->setStoreLocationType();
        m_cameras->calls.clear();
        openRaw()->remove(QStringLiteral("StoreLocationType_SN-A"));

        m_settings->setTargetCameraListByID("SN-B", 2, 1);
        m_settings->setStoreLocationType();
        QCOMPARE(m_cameras->calls, QStringList({"SN-B 2"}));
        QVERIFY(!stored("SN-A").isValid());
        QCOMPARE(stored("SN-B"), QVariant(2));
    }

    void entriesNotPushed_data()
    {
        QTest::addColumn<QString>("serialNo");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("length");
        QTest::newRow("below range") << "SN-B" << -1 << 0 << 1;
        QTest::newRow("above range") << "SN-B" << 3 << 0 << 1;
        QTest::newRow("beyond length") << "SN-B" << 2 << 1 << 1;
        QTest::newRow("not connected") << "SN-X" << 2 << 0 << 1;
        QTest::newRow("no serial number") << "" << 2 << 0 << 1;
        QTest::newRow("index beyond table") << "SN-B" << 2 << 12 << 12;
        QTest::newRow("negative index") << "SN-B" << 2 << -1 << 12;
    }
    void entriesNotPushed()
    {
        QFETCH(QString, serialNo);
        QFETCH(int, value);
        QFETCH(int, index);
        QFETCH(int, length);
        m_settings->setTargetCameraListLength(length);
        m_settings->setTargetCameraListByID(serialNo, value, index);
        m_settings->setStoreLocationType();
        QCOMPARE(openRaw()->allKeys(), QStringList());
        QCOMPARE(m_cameras->targets.value("SN-B"), 1);
        if (serialNo != "SN-X")
            QVERIFY(m_cameras->calls.isEmpty());
    }

    void outsideTheTable()
    {
        m_settings->setTargetCameraListLength(100);
        QCOMPARE(m_settings->getTargetCameraListLength(), ApplicationSettings::TargetCameraCapacity);
        m_settings->setTargetCameraListLength(-4);
        QCOMPARE(m_settings->getTargetCameraListLength(), 0);
        m_settings->setTargetCameraListByID("SN-A", 2, 12);
        m_settings->setTargetCameraListByID("SN-A", 2, -1);
        QCOMPARE(m_settings->getTargetCameraListByID(12), QString());
        QCOMPARE(m_settings->getTargetCameraListByID(-1), QString());
        m_settings->setTargetCameraListByID("SN-L", 2, 11);
        QCOMPARE(m_settings->getTargetCameraListByID(11), QStringLiteral("SN-L"));
    }

    void oddSerialNumbersKeepTopLevelKeys_data()
    {
        QTest::addColumn<QString>("serialNo");
        QTest::newRow("slash") << "AB/CD";
        QTest::newRow("backslash") << "AB\\CD";
        QTest::newRow("percent") << "AB%2FCD";
        QTest::newRow("only slashes") << "//";
        QTest::newRow("spaces and equals") << " A = B ";
    }
    void oddSerialNumbersKeepTopLevelKeys()
    {
        QFETCH(QString, serialNo);
        m_cameras->targets.insert(serialNo, 1);
        m_cameras->targets.insert("AB/CD", 1);
        m_settings->setTargetCameraListLength(1);
        m_settings->setTargetCameraListByID(serialNo, ApplicationSettings::StoLocType_Pc, 0);
        m_settings->setStoreLocationType();
        QCOMPARE(m_settings->getStoreLocationTypeFromFile(serialNo), ApplicationSettings::StoLocType_Pc);
        auto raw = openRaw();
        QCOMPARE(raw->childGroups(), QStringList());
        QCOMPARE(raw->allKeys().size(), 1);
        QVERIFY(raw->allKeys().constFirst().startsWith(QLatin1String("StoreLocationType_")));
        if (serialNo != "AB/CD")
            QCOMPARE(m_settings->getStoreLocationTypeFromFile("AB/CD"), ApplicationSettings::StoLocType_SdCardPc);
    }

    void withoutCamerasNothingIsWritten()
    {
        ApplicationSettings unbound;
        unbound.setTargetCameraListLength(1);
        unbound.setTargetCameraListByID("SN-A", 2, 0);
        unbound.setStoreLocationType();
        QVERIFY(!stored("SN-A").isValid());
        QCOMPARE(unbound.hlgShootingType(), -1);
        unbound.setHlgShootingType(2);
    }

    // The program's own binding (the one main installs) against connected
    // simulated cameras: the apply reaches the selected camera and another
    // one, remembers only what each took, and the stored choices come back
    // after a connection.
    void storeLocationRoundTripInTheProgram()
    {
        // The settings come first and go last, as in the program: the
        // adapter's search worker reads them until the fixture stops.
        test::InstalledSettings settings;
        test::AdapterFixture fixture;
        QVERIFY(fixture.start());
        QVERIFY(test::connectUsbCameras(fixture.adapter()));
        DeviceAdapter &adapter = fixture.adapter();
        startup::bindCameraAccess(settings, adapter);

        const QString selected = adapter.camCurrentSelectedSerialNo();
        QString other;
        QString otherUuid;
        for (const QString &uuid : adapter.cameraTableUuids()) {
            CameraInfo info;
            QVERIFY(adapter.cameraInfoByUuid(uuid, &info));
            if (info.serialNo != selected) {
                other = info.serialNo;
                otherUuid = uuid;
            }
        }
        QVERIFY(!selected.isEmpty());
        QVERIFY(!other.isEmpty());

        auto apply = [&](int selectedChoice, int otherChoice) {
            settings.setTargetCameraListLength(2);
            settings.setTargetCameraListByID(selected, selectedChoice, 0);
            settings.setTargetCameraListByID(other, otherChoice, 1);
            settings.setStoreLocationType();
        };
        apply(ApplicationSettings::StoLocType_Pc, ApplicationSettings::StoLocType_SdCard);
        QCOMPARE(adapter.getFileTargetById(selected), Utilities::FLTG_PcOnly);
        QCOMPARE(adapter.getFileTargetById(other), Utilities::FLTG_CameraOnly);
        QCOMPARE(adapter.fileTarget(), Utilities::FLTG_PcOnly);
        QCOMPARE(stored(selected).toInt(), int(ApplicationSettings::StoLocType_Pc));
        QCOMPARE(stored(other).toInt(), int(ApplicationSettings::StoLocType_SdCard));

        // A camera that refuses keeps its target, and its stored choice.
        kvrsim::failNext("SetupFilesConfig_Set_Target", 1, 0, KVR_ERR_REFUSED, otherUuid.toStdString());
        apply(ApplicationSettings::StoLocType_Pc, ApplicationSettings::StoLocType_SdCardPc);
        QCOMPARE(adapter.getFileTargetById(other), Utilities::FLTG_CameraOnly);
        QCOMPARE(stored(other).toInt(), int(ApplicationSettings::StoLocType_SdCard));
        QCOMPARE(adapter.getFileTargetById(QStringLiteral("no-such-camera")), Utilities::FLTG_Unknown);

        // What a connection applies is the stored choice of each known camera.
        adapter.setFileTargetById(selected, Utilities::FLTG_PcAndCamera);
        adapter.setFileTargetById(other, Utilities::FLTG_PcAndCamera);
        adapter.set_file_target_for_camera_list();
        QCOMPARE(adapter.getFileTargetById(selected), Utilities::FLTG_PcOnly);
        QCOMPARE(adapter.getFileTargetById(other), Utilities::FLTG_CameraOnly);
        QCOMPARE(adapter.fileTarget(), Utilities::FLTG_PcOnly);
    }

    void hlgShootingTypeGoesToTheCameraSide()
    {
        QSignalSpy spy(m_settings.get(), &ApplicationSettings::hlgShootingTypeChanged);
        m_cameras->hlg = 3;
        QCOMPARE(m_settings->property("hlgShootingType").toInt(), 3);
        m_settings->setHlgShootingType(3);
        QVERIFY(m_cameras->calls.isEmpty());
        m_settings->setHlgShootingType(1);
        QCOMPARE(m_cameras->calls, QStringList({"hlg 1"}));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!QFile::exists(m_path));
    }
};

QTEST_GUILESS_MAIN(TestApplicationSettingsLocation)
#include "tst_applicationsettings_location.moc"
