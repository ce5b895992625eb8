// The live-view pipeline: layout, painting and hit tests, the command queue
// and its threads, the simulated cameras' frames, and the hand-over to a
// video sink.

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>

#include <memory>
#include <thread>

#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"
#include "support/QueuedSpy.h"
#include "support/SimulatorFixture.h"

using namespace kavrotether;
using Command = LiveViewManager::Command;

namespace {

constexpr int kWaitMs = 20000; // generous: sanitizer builds are slow

// Cameras without an SDK behind them (never asked for frames when skipped).
std::vector<_MULTIVIEW_DEVICE_PARAM> fakeCameras(int count, int skip)
{
    std::vector<_MULTIVIEW_DEVICE_PARAM> result(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        result[size_t(i)].uuid = "fake-" + QByteArray::number(i);
        result[size_t(i)].devIndex = 100 + i;
        result[size_t(i)].skip = skip;
    }
    return result;
}

// Live view of simulated cameras with sessions, a manager, an adapter and a sink.
struct Rig
{
    explicit Rig(int count)
    {
        ok = test::startSimulator(test::usbScenario(count));
        for (int index : kvrsim::cameras()) {
            indexes.push_back(index);
            _MULTIVIEW_DEVICE_PARAM p;
            p.uuid = QByteArray::fromStdString(test::openUsbCamera(index));
            p.devIndex = index;
            p.devMutex = std::make_shared<QMutex>();
            ok = ok && !p.uuid.isEmpty();
            params.push_back(p);
        }
        adapter.setVideoSink(&sink);
        manager->SetVideoAdapter(&adapter);
    }
    ~Rig()
    {
        if (manager)
            manager->ForceStop();
        adapter.ForceStop();
        test::stopSimulator();
    }
    void start(const std::vector<_MULTIVIEW_DEVICE_PARAM> &shown, int selected = 0)
    {
        manager->SetCameraUUID(shown, VIEW_SPLIT_12_NOPAGE);
        if (selected >= 0)
            manager->SetSelectedCameraUUID(shown[size_t(selected)]);
        manager->StartLiveAsync();
    }
    int frameRequests(int i) const { return test::callCount(indexes[size_t(i)], "Get_LiveView_data"); }

    bool ok = false;
    std::vector<int> indexes;
    std::vector<_MULTIVIEW_DEVICE_PARAM> params;
    QVideoSink sink;
    VideoAdapter adapter;
    // On the heap, as the program has it: reset, it is destroyed while its
    // threads may still run, and what they touch of it is freed memory.
    std::unique_ptr<LiveViewManager> manager = std::make_unique<LiveViewManager>();
};

QRgb pixelAt(const LiveViewManager &manager, QPoint p)
{
    return manager.canvasCopy().pixel(p);
}

} // namespace

class TestLiveView : public QObject
{
    Q_OBJECT

private slots:
    // ---- layout table and tile geometry ----
    void layoutTable_data()
    {
        QTest::addColumn<bool>("pageMode");
        QTest::addColumn<int>("split");
        QTest::addColumn<int>("cameras");
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QRect>("lastTile"); // tile 11 or the last one the layout has
        QTest::newRow("none") << false << 0 << 0 << 0 << QSize(640, 640) << QRect(0, 0, 640, 640);
        QTest::newRow("one") << false << 0 << 1 << 0 << QSize(1280, 960) << QRect(0, 0, 1280, 960);
        QTest::newRow("two") << false << 0 << 2 << 1 << QSize(1280, 480) << QRect(642, 2, 636, 476);
        QTest::newRow("three") << false << 0 << 3 << 2 << QSize(1280, 960) << QRect(642, 482, 636, 476);
        QTest::newRow("six") << false << 0 << 6 << 3 << QSize(1280, 1080) << QRect(642, 722, 636, 356);
        QTest::newRow("seven") << false << 0 << 7 << 4 << QSize(1280, 720) << QRect(854, 482, 422, 236);
        QTest::newRow("eleven") << false << 0 << 11 << 5 << QSize(1280, 960) << QRect(854, 722, 422, 236);
        QTest::newRow("thirteen") << false << 0 << 13 << 5 << QSize(1280, 960) << QRect(854, 722, 422, 236);
        QTest::newRow("page single") << true << 0 << 5 << 0 << QSize(1280, 960) << QRect(0, 0, 1280, 960);
        QTest::newRow("page 4") << true << 2 << 1 << 2 << QSize(1280, 960) << QRect(642, 482, 636, 476);
        QTest::newRow("page 9") << true << 4 << 12 << 4 << QSize(1280, 720) << QRect(854, 482, 422, 236);
        QTest::newRow("page 12 no pages") << true << 6 << 1 << 5 << QSize(1280, 960) << QRect(854, 722, 422, 236);
        QTest::newRow("page beyond") << true << 9 << 3 << 0 << QSize(1280, 960) << QRect(0, 0, 1280, 960);
    }
    void layoutTable()
    {
        QFETCH(bool, pageMode);
        QFETCH(int, split);
        QFETCH(int, cameras);
        QFETCH(int, id);
        QFETCH(QSize, canvas);
        QFETCH(QRect, lastTile);
        const auto layout = LiveViewManager::layoutFor(pageMode, split, cameras);
        QCOMPARE(layout.id, id);
        QCOMPARE(layout.canvas, canvas);
        const int tiles = layout.columns * layout.rows;
        QCOMPARE(tiles, id == 0 ? 1 : LiveViewManager::Get1PageMaxDevNum(id));
        QCOMPARE(LiveViewManager::tileRect(layout, tiles - 1), lastTile);
        // Tiles never overlap and stay on the canvas.
        for (int i = 0; i < tiles; ++i) {
            QVERIFY(QRect(QPoint(), canvas).contains(LiveViewManager::tileRect(layout, i)));
            if (i > 0)
                QVERIFY(!LiveViewManager::tileRect(layout, i).intersects(LiveViewManager::tileRect(layout, i - 1)));
        }
    }

    // ---- skip squares, hit tests and pages (no SDK frames) ----
    void skipSquaresAndHitTests()
    {
        VideoAdapter adapter;
        LiveViewManager manager;
        manager.SetVideoAdapter(&adapter);
        manager.SetCameraUUID(fakeCameras(3, 1), VIEW_SPLIT_12_NOPAGE);
        manager.StartLiveAsync();
        // 2 x 2 tiles of 636 x 476: black squares of 476 centred in each.
        const QRect second(642 + 80, 2, 476, 476);
        QTRY_COMPARE_WITH_TIMEOUT(manager.paintedRects().at(1), second, kWaitMs);
        // The third is another fetch thread's: its probes below wait for it.
        QTRY_COMPARE_WITH_TIMEOUT(manager.paintedRects().at(2), QRect(2 + 80, 482, 476, 476), kWaitMs);
        QCOMPARE(manager.layoutId(), 2);
        QCOMPARE(pixelAt(manager, second.center()), qRgb(0, 0, 0));
        QCOMPARE(pixelAt(manager, QPoint(645, 5)), qRgb(128, 128, 128));
        // The fourth tile has no camera and stays grey.
        QCOMPARE(pixelAt(manager, QPoint(960, 720)), qRgb(128, 128, 128));
        struct Probe
        {
            QPoint p;
            int devIndex;
            int listIndex;
        };
        const Probe probes[] = {
            {second.topLeft(), 101, 1},
            {second.bottomRight() + QPoint(1, 1), 101, 1}, // the far border is inside
            {second.topLeft() - QPoint(1, 0), -1, -1},
            {QPoint(640, 240), -1, -1}, // margin between tiles
            {QPoint(82, 482 + 100), 102, 2},
            {QPoint(-1, -1), -1, -1},
        };
        for (const Probe &probe : probes) {
            QCOMPARE(manager.getCameraDevIndex(probe.p.x(), probe.p.y()), probe.devIndex);
            QCOMPARE(manager.getCameraListIndex(probe.p.x(), probe.p.y()), probe.listIndex);
        }
        QCOMPARE(manager.getCameraListUUID(2), QStringLiteral("fake-2"));
        QCOMPARE(manager.getCameraListUUID(3), QString());
        QCOMPARE(manager.getCameraListUUID(-1), QString());
    }

    void everyPageShowsItsOwnCameras_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("firstDevIndex");
        QTest::newRow("page 0") << 0 << 100;
        QTest::newRow("page 1") << 1 << 104;
        QTest::newRow("page 2") << 2 << 108;
        QTest::newRow("beyond the list") << 3 << -1;
    }
    void everyPageShowsItsOwnCameras()
    {
        QFETCH(int, page);
        QFETCH(int, firstDevIndex);
        VideoAdapter adapter;
        LiveViewManager manager;
        manager.SetVideoAdapter(&adapter);
        manager.SetCameraUUID(fakeCameras(12, 1), VIEW_SPLIT_4);
        manager.StartLiveAsync();
        manager.SetViewPage(true, VIEW_SPLIT_4, page);
        QVERIFY(manager.waitCommandsDone(kWaitMs));
        QVERIFY(manager.IsViewPageEnable());
        const QPoint firstTileCentre(2 + 318, 2 + 238);
        QTRY_COMPARE_WITH_TIMEOUT(manager.getCameraDevIndex(firstTileCentre.x(), firstTileCentre.y()), firstDevIndex,
                                  kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(manager, firstTileCentre),
                                  firstDevIndex < 0 ? qRgb(128, 128, 128) : qRgb(0, 0, 0), kWaitMs);
    }

    // ---- the command queue ----
    void commandsCoalesce_data()
    {
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("queue");
        QTest::newRow("stop then start") << "ST"
                                         << "ST";
        QTest::newRow("start twice") << "TT"
                                     << "T";
        QTest::newRow("stop start start") << "STT"
                                          << "ST";
        QTest::newRow("start stop start") << "TST"
                                          << "ST";
        QTest::newRow("updates drop") << "TUUU"
                                      << "TU";
        QTest::newRow("start drops update") << "UT"
                                            << "T";
        QTest::newRow("pages") << "TPP"
                               << "TP";
    }
    void commandsCoalesce()
    {
        QFETCH(QString, calls);
        QFETCH(QString, queue);
        LiveViewManager manager;
        manager.holdCommands(true);
        manager.SetCameraUUID(fakeCameras(2, 1), VIEW_SPLIT_12_NOPAGE);
        for (QChar c : calls) {
            if (c == 'T')
                manager.StartLiveAsync();
            else if (c == 'S')
                manager.StopLiveAsync();
            else if (c == 'U')
                manager.UpdateCameraUUID(fakeCameras(2, 1), VIEW_SPLIT_2);
            else if (c == 'P')
                manager.SetViewPage(true, VIEW_SPLIT_2, 0);
        }
        QString got;
        for (Command c : manager.pendingCommands())
            got += c == Command::Start ? 'T' : c == Command::Stop ? 'S' : c == Command::Update ? 'U' : 'P';
        QCOMPARE(got, queue);
        manager.holdCommands(false);
        QVERIFY(manager.waitCommandsDone(kWaitMs));
        QVERIFY(manager.pendingCommands().empty());
    }

    void lastCommandWinsUnderStress_data()
    {
        QTest::addColumn<bool>("endRunning");
        QTest::newRow("ends started") << true;
        QTest::newRow("ends stopped") << false;
    }
    void lastCommandWinsUnderStress()
    {
        QFETCH(bool, endRunning);
        Rig rig(2);
        QVERIFY(rig.ok);
        rig.manager->SetCameraUUID(rig.params, VIEW_SPLIT_12_NOPAGE);
        const auto hammer = [&](int seed) {
            for (int i = 0; i < 200; ++i) {
                switch ((i + seed) % 3) {
                case 0:
                    rig.manager->StartLiveAsync();
                    break;
                case 1:
                    rig.manager->StopLiveAsync();
                    break;
                default:
                    rig.manager->SetViewPage(false, VIEW_SPLIT_2, 0);
                    break;
                }
            }
        };
        std::thread a(hammer, 0), b(hammer, 1);
        a.join();
        b.join();
        if (endRunning)
            rig.manager->StartLiveAsync();
        else
            rig.manager->StopLiveAsync();
        QVERIFY(rig.manager->waitCommandsDone(kWaitMs));
        QCOMPARE(rig.manager->IsLiveViewWorking(), endRunning);
        for (int index : rig.indexes)
            QCOMPARE(kvrsim::liveViewRunning(index), endRunning);
        QCOMPARE(rig.manager->videoImageStatus(), endRunning ? LiveViewManager::VIS_Start : LiveViewManager::VIS_Stop);
    }

    void forceStopWhileRunning()
    {
        Rig rig(2);
        QVERIFY(rig.ok);
        rig.start(rig.params);
        QTRY_VERIFY_WITH_TIMEOUT(rig.frameRequests(1) > 3, kWaitMs);
        // Cameras that run are stopped, whatever the last stop list said.
        rig.manager->StartLiveAsync();
        QSignalSpy status(&*rig.manager, &LiveViewManager::videoImageStatusChanged);
        rig.manager->ForceStop();
        QCOMPARE(status.count(), 1);
        QCOMPARE(rig.manager->videoImageStatus(), LiveViewManager::VIS_Stop);
        QVERIFY(!rig.manager->IsLiveViewWorking());
        QVERIFY(rig.manager->pendingCommands().empty());
        const int requests = rig.frameRequests(0);
        for (int index : rig.indexes)
            QVERIFY(!kvrsim::liveViewRunning(index));
        QTest::qWait(100);
        QCOMPARE(rig.frameRequests(0), requests);
    }

    // Closing while every camera's frame read hangs: the fetch threads are
    // waited for together, one time limit for all of them, and the log
    // names each camera whose read did not come back. Those cameras are
    // not told to stop behind their reads; the others are, and a later stop
    // reaches the hung ones once their reads are back. A read that comes
    // back after the manager was destroyed touches nothing of it, nor does
    // a camera's stop that hangs as well. An update of the camera list that
    // drops the hung cameras does not send them a stop behind their reads.
    void closeWhileReadsHang_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<QString>("ending"); // "closed", "destroyed" or "updated" (to an empty list)
        QTest::addColumn<bool>("stopsHang"); // the cameras' live-view stops hang too
        QTest::newRow("four cameras, one per fetch thread") << 4 << "closed" << false;
        QTest::newRow("twelve cameras, three per fetch thread") << 12 << "closed" << false;
        QTest::newRow("four cameras, the manager destroyed") << 4 << "destroyed" << false;
        QTest::newRow("twelve cameras, stops hang, the manager destroyed") << 12 << "destroyed" << true;
        QTest::newRow("four cameras, the list updated without them") << 4 << "updated" << false;
    }
    void closeWhileReadsHang()
    {
        QFETCH(int, cameras);
        QFETCH(QString, ending);
        QFETCH(bool, stopsHang);
        const std::string read = "Get_LiveView_data";
        const std::string stop = "Ctrl_LiveView_Stop";
        Rig rig(cameras);
        QVERIFY(rig.ok);
        // Longer than any test runs: the calls end when the injections are cleared.
        kvrsim::delayNext(read, 1 << 20, 3'600'000);
        if (stopsHang)
            kvrsim::delayNext(stop, 1 << 20, 3'600'000);
        rig.start(rig.params);
        // The tiles go to the fetch threads in turn: each thread hangs in
        // its first camera's read.
        const int hung = std::min(cameras, 4);
        QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls(read), hung, kWaitMs);

        // One wait for all the fetch threads gives one warning from their
        // joins; a second "did not stop" would be a second wait. The log
        // names every hung camera. The cameras stopped behind them, when
        // their stops hang, are given up on in one wait as well.
        QString cameraNames;
        for (int i = 0; i < hung; ++i)
            cameraNames += QStringLiteral("(?=.*%1)")
                               .arg(QRegularExpression::escape(QString::fromLatin1(rig.params[size_t(i)].uuid)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^WorkerThread: (?=.*liveview-fetch).* did not stop within")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^LiveViewManager: ") + cameraNames));
        if (stopsHang)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                                   "^WorkerThread: (?=.*liveview-camera).* did not stop within")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("did not stop")));
        if (ending == QLatin1String("destroyed")) {
            rig.manager.reset(); // closes first
        } else if (ending == QLatin1String("closed")) {
            rig.manager->close();
        } else {
            rig.manager->UpdateCameraUUID({}, VIEW_SPLIT_12_NOPAGE);
            QVERIFY(rig.manager->waitCommandsDone(kWaitMs));
        }
        QCOMPARE(kvrsim::delayedCalls(read), hung); // back while the reads still hang
        QCOMPARE(kvrsim::delayedCalls(stop), stopsHang ? cameras - hung : 0);

        kvrsim::clearInjections();
        // Without a manager to ask, a fetch or camera run is seen ending by
        // letting go of the cameras' locks: the test's copies stay alone.
        const auto runsEnded = [&] {
            if (rig.manager)
                return !rig.manager->isFetching();
            return std::all_of(rig.params.begin(), rig.params.end(),
                               [](const auto &p) { return p.devMutex.use_count() == 1; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(runsEnded(), kWaitMs);
        for (int i = 0; i < cameras; ++i)
            QCOMPARE(kvrsim::liveViewRunning(rig.indexes[size_t(i)]), i < hung);
        if (!rig.manager)
            return;
        rig.manager->ForceStop();
        for (int index : rig.indexes)
            QVERIFY(!kvrsim::liveViewRunning(index));
    }

    void updateStartsAndStopsTheChangedCameras_data()
    {
        QTest::addColumn<QList<int>>("before"); // camera numbers, negative: skipped
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QList<bool>>("running"); // per camera 1..3 afterwards
        QTest::newRow("one leaves, one joins")
            << QList<int>{1, 2} << QList<int>{2, 3} << QList<bool>{false, true, true};
        QTest::newRow("skip set stops") << QList<int>{1, 2} << QList<int>{1, -2} << QList<bool>{true, false, false};
        QTest::newRow("skip cleared starts") << QList<int>{1, -2} << QList<int>{1, 2} << QList<bool>{true, true, false};
    }
    void updateStartsAndStopsTheChangedCameras()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(QList<bool>, running);
        Rig rig(3);
        QVERIFY(rig.ok);
        const auto listOf = [&](const QList<int> &numbers) {
            std::vector<_MULTIVIEW_DEVICE_PARAM> list;
            for (int n : numbers) {
                auto p = rig.params[size_t(std::abs(n) - 1)];
                p.skip = n < 0 ? 1 : 0;
                list.push_back(p);
            }
            return list;
        };
        rig.start(listOf(before));
        QVERIFY(rig.manager->waitCommandsDone(kWaitMs));
        // A camera shown skipped was started with the others: stop it first,
        // as a camera that cannot show live view would not run it.
        for (size_t i = 0; i < size_t(before.size()); ++i) {
            if (before[int(i)] < 0)
                KVR_func_api_Ctrl_LiveView_Stop(rig.params[size_t(-before[int(i)] - 1)].uuid.constData(), nullptr);
        }
        rig.manager->UpdateCameraUUID(listOf(after), VIEW_SPLIT_12_NOPAGE);
        QVERIFY(rig.manager->waitCommandsDone(kWaitMs));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(kvrsim::liveViewRunning(rig.indexes[size_t(i)]), running[i]);
    }

    // ---- frames of the simulated cameras ----
    // A camera's frames have its picture's shape, as large as the transfer
    // size allows, and a new size or aspect changes them while live view
    // runs: a 4:3 picture never shows letterboxed at 16:9.
    void singleCameraCanvasTakesTheFrameSize_data()
    {
        QTest::addColumn<QSize>("transfer");
        QTest::addColumn<uint>("aspect");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("fullHd"); // the frame once the transfer is 1920 x 1080
        QTest::newRow("640 x 480, 4:3") << QSize(640, 480) << 1u << QSize(640, 480) << QSize(1440, 1080);
        QTest::newRow("1920 x 1080, 16:9") << QSize(1920, 1080) << 3u << QSize(1920, 1080) << QSize(1920, 1080);
        QTest::newRow("1280 x 720, 4:3") << QSize(1280, 720) << 1u << QSize(960, 720) << QSize(1440, 1080);
        QTest::newRow("1280 x 720, 1:1") << QSize(1280, 720) << 4u << QSize(720, 720) << QSize(1080, 1080);
    }
    void singleCameraCanvasTakesTheFrameSize()
    {
        QFETCH(QSize, transfer);
        QFETCH(uint, aspect);
        QFETCH(QSize, frame);
        QFETCH(QSize, fullHd);
        Rig rig(1);
        QVERIFY(rig.ok);
        const auto setTransfer = [&](QSize size) {
            const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG t{(uint32_t(size.width()) << 16) | uint32_t(size.height()), 0, 0};
            return KVR_func_api_LiveView_Str_Set_Trans_Img(t, rig.params[0].uuid.constData(), nullptr);
        };
        QCOMPARE(setTransfer(transfer), 1);
        kvrsim::turnDial(rig.indexes[0], "imgInfoAspect", aspect);
        QSignalSpy offsets(&rig.adapter, &VideoAdapter::paintSizeChanged);
        rig.start(rig.params);
        QTRY_COMPARE_WITH_TIMEOUT(rig.manager->canvasCopy().size(), frame, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(rig.manager->selectedPaintSize(), QRectF(0, 0, 1, 1), kWaitMs);
        QCOMPARE(rig.manager->layoutId(), 0);
        // The frame reaches the sink at its own size.
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.videoFrame().size(), frame, kWaitMs);
        QVERIFY(!offsets.isEmpty());
        QCOMPARE(offsets.last().at(2).toDouble(), 1.0);
        // Without a new start: another size, then the 16:9 picture.
        QCOMPARE(setTransfer(QSize(1920, 1080)), 1);
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.videoFrame().size(), fullHd, kWaitMs);
        kvrsim::turnDial(rig.indexes[0], "imgInfoAspect", 3);
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.videoFrame().size(), QSize(1920, 1080), kWaitMs);
    }

    // A new size shows in the very next frame, at the cost of that one
    // frame's encoding: a read is never held up behind a whole ring of them.
    void newSizeCostsTheCameraOneFrame_data()
    {
        QTest::addColumn<QSize>("transfer");
        QTest::addColumn<uint>("aspect");
        QTest::addColumn<QSize>("frame");
        QTest::newRow("transfer size") << QSize(1920, 1080) << 1u << QSize(1440, 1080);
        QTest::newRow("picture aspect") << QSize(640, 480) << 3u << QSize(640, 360);
    }
    void newSizeCostsTheCameraOneFrame()
    {
        QFETCH(QSize, transfer);
        QFETCH(uint, aspect);
        QFETCH(QSize, frame);
        Rig rig(1);
        QVERIFY(rig.ok);
        const char *uuid = rig.params[0].uuid.constData();
        std::vector<uint8_t> jpeg(1 << 22);
        const auto read = [&] {
            uint32_t size = uint32_t(jpeg.size());
            const uint8_t ok = KVR_func_api_Get_LiveView_data(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                              jpeg.data(), &size, uuid, nullptr);
            return ok == 1 ? QImage::fromData(jpeg.data(), int(size)).size() : QSize();
        };
        QCOMPARE(KVR_func_api_Ctrl_LiveView_Start(uuid, nullptr), 1);
        QCOMPARE(read(), QSize(640, 480));
        const uint64_t encoded = kvrsim::liveViewFramesEncoded(rig.indexes[0]);
        const uint32_t size = (uint32_t(transfer.width()) << 16) | uint32_t(transfer.height());
        QCOMPARE(KVR_func_api_LiveView_Str_Set_Trans_Img({size, 0, 0}, uuid, nullptr), 1);
        kvrsim::turnDial(rig.indexes[0], "imgInfoAspect", aspect);
        QCOMPARE(read(), frame);
        QCOMPARE(kvrsim::liveViewFramesEncoded(rig.indexes[0]) - encoded, uint64_t(1));
    }

    void onlyTheSelectedCameraFeedsHistogramPostureAndLevel_data()
    {
        QTest::addColumn<bool>("selectedShown");
        QTest::newRow("selected shown") << true;
        QTest::newRow("selected not shown") << false;
    }
    void onlyTheSelectedCameraFeedsHistogramPostureAndLevel()
    {
        QFETCH(bool, selectedShown);
        Rig rig(3);
        QVERIFY(rig.ok);
        test::QueuedSpy roll(&*rig.manager, &LiveViewManager::rollChanged);
        test::QueuedSpy posture(&*rig.manager, &LiveViewManager::postureChanged);
        rig.manager->SetCameraUUID({rig.params[0], rig.params[1]}, VIEW_SPLIT_12_NOPAGE);
        rig.manager->SetSelectedCameraUUID(rig.params[selectedShown ? 1 : 2]);
        rig.manager->StartLiveAsync();
        QTRY_VERIFY_WITH_TIMEOUT(rig.frameRequests(0) > 10 && rig.frameRequests(1) > 10, kWaitMs);
        QTest::qWait(100);
        _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM h{};
        rig.manager->GetSelectedDevHistgram(&h);
        if (!selectedShown) {
            QCOMPARE(roll.spy.count(), 0);
            QCOMPARE(posture.spy.count(), 0);
            QCOMPARE(h.count, 0u);
            QCOMPARE(rig.manager->selectedPaintSize(), QRectF());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(roll.spy.count() > 5, kWaitMs);
        QVERIFY(posture.spy.count() > 5);
        QCOMPARE(h.count, 64u);
        // The level moves from frame to frame (a call without news would leave it).
        const short first = rig.manager->roll();
        QTRY_VERIFY_WITH_TIMEOUT(rig.manager->roll() != first, kWaitMs);
        // Two tiles of 636 x 476 side by side; the picture is 634 x 476 in the second.
        QTRY_VERIFY_WITH_TIMEOUT(rig.manager->selectedPaintSize().x() > 0.5, kWaitMs);
    }

    void busyCameraIsAskedAgainAtOnce()
    {
        Rig rig(1);
        QVERIFY(rig.ok);
        rig.start(rig.params);
        QTRY_VERIFY_WITH_TIMEOUT(kvrsim::liveViewFramesServed(rig.indexes[0]) > 2, kWaitMs);
        // Asked again only at the next 30 ms cycle, 2,000 busy answers would
        // take a minute, three times the wait; asked again after 1 ms they
        // are through well inside it, however loaded the machine.
        const int before = rig.frameRequests(0);
        kvrsim::injectLiveViewFault(rig.indexes[0], kvrsim::LiveViewFault::Busy, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.frameRequests(0) >= before + 2001, kWaitMs);
    }

    void brokenFramesAreNoFrames_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("corrupt") << int(kvrsim::LiveViewFault::CorruptFrame);
        QTest::newRow("oversized size word") << int(kvrsim::LiveViewFault::OversizedSize);
    }
    void brokenFramesAreNoFrames()
    {
        QFETCH(int, fault);
        Rig rig(1);
        QVERIFY(rig.ok);
        kvrsim::injectLiveViewFault(rig.indexes[0], kvrsim::LiveViewFault(fault), 1000000);
        rig.start(rig.params);
        QTRY_VERIFY_WITH_TIMEOUT(rig.frameRequests(0) > 5, kWaitMs);
        // Nothing was painted: the single-camera canvas kept its start size.
        QCOMPARE(rig.manager->canvasCopy().size(), QSize(1280, 960));
        QCOMPARE(rig.manager->paintedRects().at(0), QRect(0, 0, 0, 0));
        QCOMPARE(rig.manager->selectedPaintSize(), QRectF());
        QVERIFY(rig.manager->IsLiveViewWorking());
    }

    // ---- the video adapter ----
    void adapterBufferOnlyGrows_data()
    {
        QTest::addColumn<QList<int>>("heights"); // rows of 64 x 4 bytes
        QTest::addColumn<QList<int>>("capacities");
        QTest::newRow("same size") << QList<int>{10, 10} << QList<int>{2560, 2560};
        QTest::newRow("shrinks") << QList<int>{10, 5} << QList<int>{2560, 2560};
        QTest::newRow("grows") << QList<int>{5, 10, 20} << QList<int>{1280, 2560, 5120};
    }
    void adapterBufferOnlyGrows()
    {
        QFETCH(QList<int>, heights);
        QFETCH(QList<int>, capacities);
        VideoAdapter adapter;
        QImage image(64, 20, QImage::Format_ARGB32);
        image.fill(Qt::red);
        // No sink: nothing is copied.
        QVERIFY(!adapter.SetImage(image.constBits(), 256 * 10, 64, 10, 256, image.format()));
        QCOMPARE(adapter.bufferCapacity(), 0);
        QVideoSink sink;
        adapter.setVideoSink(&sink);
        QVERIFY(!adapter.SetImage(nullptr, 256, 64, 1, 256, image.format()));
        for (int i = 0; i < heights.size(); ++i) {
            QVERIFY(adapter.SetImage(image.constBits(), 256 * heights[i], 64, heights[i], 256, image.format()));
            QCOMPARE(adapter.bufferCapacity(), capacities[i]);
        }
    }

    void adapterSinkRules()
    {
        VideoAdapter adapter;
        QVideoSink first, second;
        QSignalSpy changed(&adapter, &VideoAdapter::videoSinkChanged);
        QVERIFY(!adapter.isFrameTimerActive());
        adapter.setVideoSink(&first);
        QCOMPARE(changed.count(), 1);
        QVERIFY(adapter.isFrameTimerActive());
        adapter.setVideoSink(&first);
        QCOMPARE(changed.count(), 1);
        adapter.setVideoSink(&second);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(adapter.videoSink(), &second);
        adapter.setVideoSink(nullptr);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(adapter.videoSink(), nullptr);
        QVERIFY(!adapter.isFrameTimerActive());
        adapter.setVideoOutVisibleStatus(true);
        QVERIFY(adapter.isFrameTimerActive());
        QVERIFY(adapter.getVideoOutVisibleStatus());
        adapter.setVideoOutVisibleStatus(false);
        QVERIFY(!adapter.isFrameTimerActive());
    }

    void frameReachesTheSink_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("pixelFormat");
        QTest::newRow("ARGB32") << int(QImage::Format_ARGB32) << int(QVideoFrameFormat::Format_BGRA8888);
        QTest::newRow("RGB32") << int(QImage::Format_RGB32) << int(QVideoFrameFormat::Format_BGRX8888);
    }
    void frameReachesTheSink()
    {
        QFETCH(int, format);
        QFETCH(int, pixelFormat);
        VideoAdapter adapter;
        QVideoSink sink;
        adapter.setVideoSink(&sink);
        QSignalSpy offsets(&adapter, &VideoAdapter::paintSizeChanged);
        // Rows padded beyond the picture, as a canvas may have.
        QImage image(30, 20, QImage::Format(format));
        image.fill(qRgb(10, 200, 30));
        image.setPixel(29, 19, qRgb(250, 1, 2));
        adapter.SetPaintOffset(0.25, 0, 0.5, 1);
        QVERIFY(adapter.SetImage(image.constBits(), int(image.sizeInBytes()), 30, 20, int(image.bytesPerLine()),
                                 image.format()));
        adapter.slotTick();
        QCOMPARE(offsets.count(), 1);
        QCOMPARE(offsets.at(0).at(0).toDouble(), 0.25);
        adapter.slotTick();
        QCOMPARE(offsets.count(), 1);
        QVideoFrame frame = sink.videoFrame();
        QCOMPARE(frame.size(), QSize(30, 20));
        QCOMPARE(int(frame.pixelFormat()), pixelFormat);
        const QImage shown = frame.toImage();
        QCOMPARE(shown.pixel(29, 19) & 0xffffff, qRgb(250, 1, 2) & 0xffffff);
        QCOMPARE(shown.pixel(0, 0) & 0xffffff, qRgb(10, 200, 30) & 0xffffff);
    }

    void twelveCamerasReachTheSink()
    {
        Rig rig(12);
        QVERIFY(rig.ok);
        rig.start(rig.params);
        QTRY_COMPARE_WITH_TIMEOUT(rig.sink.videoFrame().size(), QSize(1280, 960), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(rig.frameRequests(11) > 3, kWaitMs);
        QCOMPARE(rig.manager->layoutId(), 5);
        // Every tile's picture is painted; the margins stay grey.
        const auto allPainted = [&] {
            const auto rects = rig.manager->paintedRects();
            return std::all_of(rects.begin(), rects.end(), [](const QRect &r) { return r.width() > 0; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allPainted(), kWaitMs);
        QCOMPARE(pixelAt(*rig.manager, QPoint(0, 0)), qRgb(128, 128, 128));
    }
};

QTEST_MAIN(TestLiveView)
#include "tst_liveview.moc"
