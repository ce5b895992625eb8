// The neighbouring services start-up and the camera side rely on before
// their own subsystems are built: what they promise must already hold.

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVideoSink>

#include "flash/FlashAdapter.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"
#include "transfer/ObjectCopy.h"
#include "transfer/PreviewImageInfo.h"
#include "versioncheck/VersionData.h"

using namespace kavrotether;

namespace {

using Command = LiveViewManager::Command;

std::vector<_MULTIVIEW_DEVICE_PARAM> cameras(int count)
{
    std::vector<_MULTIVIEW_DEVICE_PARAM> result(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        result[std::size_t(i)].uuid = QByteArray::number(1000 + i);
        result[std::size_t(i)].devIndex = i;
    }
    return result;
}

} // namespace

class TestNeighbourServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void camerasPerPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("perPage");
        QTest::newRow("negative") << -1 << 1;
        QTest::newRow("single") << 0 << 1;
        QTest::newRow("2") << 1 << 2;
        QTest::newRow("4") << 2 << 4;
        QTest::newRow("6") << 3 << 6;
        QTest::newRow("9") << 4 << 9;
        QTest::newRow("12") << 5 << 12;
        QTest::newRow("12 without pages") << 6 << 12;
        QTest::newRow("beyond") << 7 << 1;
    }
    void camerasPerPage()
    {
        QFETCH(int, mode);
        QFETCH(int, perPage);
        QCOMPARE(LiveViewManager::Get1PageMaxDevNum(mode), perPage);
    }

    void startStatusDependsOnCameras_data()
    {
        QTest::addColumn<int>("cameraCount");
        QTest::addColumn<int>("status");
        QTest::newRow("no camera") << 0 << int(LiveViewManager::VIS_Pause);
        QTest::newRow("one camera") << 1 << int(LiveViewManager::VIS_Start);
    }
    void startStatusDependsOnCameras()
    {
        QFETCH(int, cameraCount);
        QFETCH(int, status);
        LiveViewManager manager;
        manager.holdCommands(true);
        manager.SetCameraUUID(cameras(cameraCount), VIEW_SPLIT_4);
        QSignalSpy spy(&manager, &LiveViewManager::videoImageStatusChanged);
        manager.StartLiveAsync();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(int(manager.videoImageStatus()), status);
        QCOMPARE(manager.pendingCommands(), std::vector<Command>{Command::Start});
        // Nothing fetches until the command thread has run the start.
        QVERIFY(!manager.IsLiveViewWorking());

        manager.StopLiveAsync();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(manager.videoImageStatus(), LiveViewManager::VIS_Stop);
        QCOMPARE(manager.pendingCommands(), (std::vector<Command>{Command::Start, Command::Stop}));
    }

    void onlyTheNewestUpdateWaits()
    {
        LiveViewManager manager;
        manager.holdCommands(true);
        manager.StartLiveAsync();
        manager.UpdateCameraUUID(cameras(2), VIEW_SPLIT_2);
        manager.UpdateCameraUUID(cameras(4), VIEW_SPLIT_4);
        manager.StopLiveAsync();
        manager.UpdateCameraUUID(cameras(1), VIEW_SPLIT_SINGLE);
        QCOMPARE(manager.pendingCommands(), (std::vector<Command>{Command::Start, Command::Stop, Command::Update}));
    }

    void forceStopEmptiesTheQueue()
    {
        LiveViewManager manager;
        manager.SetCameraUUID(cameras(3), VIEW_SPLIT_4);
        manager.StartLiveAsync();
        manager.UpdateCameraUUID(cameras(2), VIEW_SPLIT_2);
        QSignalSpy spy(&manager, &LiveViewManager::videoImageStatusChanged);
        manager.ForceStop();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(manager.videoImageStatus(), LiveViewManager::VIS_Stop);
        QVERIFY(manager.pendingCommands().empty());
    }

    void videoAdapterForceStopDropsTheSink()
    {
        VideoAdapter adapter;
        QVideoSink sink;
        QSignalSpy spy(&adapter, &VideoAdapter::videoSinkChanged);
        adapter.setVideoSink(&sink);
        adapter.setVideoSink(&sink);
        QCOMPARE(spy.count(), 1);
        adapter.ForceStop();
        QCOMPARE(adapter.videoSink(), nullptr);
        adapter.ForceStop();
        QVERIFY(!adapter.getVideoOutVisibleStatus());
    }

    void objectAddWithoutTransferIsReportedAsFailed()
    {
        ObjectCopy copy;
        QSignalSpy error(&copy, &ObjectCopy::objectAddErrorNotify);
        copy.startObjectAdd(0x1234);
        QCOMPARE(error.count(), 1);
    }

    void stopWithoutCuttingChangesNothing()
    {
        ObjectCopy copy;
        QSignalSpy state(&copy, &ObjectCopy::cut6K4KStateChanged);
        copy.startCut6K4KReady(0);
        copy.startCut6K4KData(0);
        copy.stop6K4K(0);
        QCOMPARE(state.count(), 0);
        QCOMPARE(copy.cut6K4KState(), ObjectCopy::CT6K4K_Unknown);
    }

    void flashWithoutCameraNeverClaimsSuccess()
    {
        FlashAdapter flash;
        QCOMPARE(flash.adp_KVR_func_api_Strobe_GetCapability(), Utilities::Ternary_False);
        QCOMPARE(flash.adp_KVR_func_api_Strobe2_GetCapability(), Utilities::Ternary_False);
        // The receiver starts without a camera; stopping it twice is harmless.
        QCOMPARE(flash.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
        flash.stopCallbackThread();
        flash.stopCallbackThread();
    }

    void applicationObjectsHaveNoParent()
    {
        // Start-up owns them; a parent would delete them a second time.
        QCOMPARE(ObjectCopy().parent(), nullptr);
        QCOMPARE(PreviewImageInfo().parent(), nullptr);
        QCOMPARE(FlashAdapter().parent(), nullptr);
        VersionData versionData;
        QCOMPARE(versionData.parent(), nullptr);
        QVERIFY(!versionData.downloader()->isFetching());
    }
};

QTEST_MAIN(TestNeighbourServices)
#include "tst_neighbourservices.moc"
