// The switch between single and multi-camera live view against simulated
// cameras: the 3 s guard after start-up and after a recording change, the
// multi view's Low kept apart from the photographer's quality in the
// settings file (from the first switch of a run, no recommended format read
// yet, to the next run), the single view's stream quality saved and brought
// back, focus events held back only on network cameras, pages and the view
// port, one camera's own quality in multi view, and the values the
// live-view window writes back.
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueueTestSupport.h"
#include "SimulatorFixture.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

using namespace kavrotether;

namespace {

// What the photographer and the program do, in a row's order.
enum Step {
    Tick,       // "All Cameras" ticked in the camera list
    Untick,     // and unticked
    Open,       // the live-view window shows
    Choose,     // the photographer picks the other quality on the window's button
    Close,      // the program closes with the window showing
    StartAgain, // the next run on the same settings file, up to the connection
};
constexpr const char *kStepNames[] = {"tick", "untick", "open", "choose", "close", "start again"};

QString quality(int value)
{
    static const char *const names[] = {"Low", "Std", "Fine"};
    return value >= 0 && value < Utilities::LvImgQ_Max ? QString::fromLatin1(names[value]) : QString::number(value);
}

} // namespace

class TestLiveViewMode : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void modeSwitchGuard_data();
    void modeSwitchGuard();
    void multiViewLowKeepsThePreference_data();
    void multiViewLowKeepsThePreference();
    void qualitySavedAndRestored();
    void ignoreEventModeOnNetworkOnly_data();
    void ignoreEventModeOnNetworkOnly();
    void pagesAndViewPort();
    void singleCameraQuality_data();
    void singleCameraQuality();
    void writtenBackValues_data();
    void writtenBackValues();
    void repluggedCameraRejoinsMultiView_data();
    void repluggedCameraRejoinsMultiView();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    // The guard's time has passed since start-up.
    void ageModeSwitch() { DeviceAdapterTestAccess::settingStorage(adapter()).liveViewModeSwitchNs -= 4'000'000'000; }
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG streamOf(const QString &uuid)
    {
        KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG sent{};
        KVR_func_api_LiveView_Str_Get_Trans_Img(&sent, uuid.toLocal8Bit().constData(), nullptr);
        return sent;
    }
    // The quality whose recommended format the camera streams now.
    QString streamedQuality(const QString &uuid)
    {
        KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG recommended{};
        const quint32 size = streamOf(uuid).size;
        if (KVR_func_api_LiveView_Str_Get_Recom_Img(&recommended, uuid.toLocal8Bit().constData(), nullptr) == 1)
            for (int q = 0; q < std::min<int>(recommended.count, Utilities::LvImgQ_Max); ++q)
                if (recommended.entries[q].size == size)
                    return quality(q);
        return QStringLiteral("%1x%2").arg(size >> 16).arg(size & 0xFFFF);
    }
    void startCameras(int cameras);
    void showLiveViewWindow();
    void closeLiveViewWindow();

    std::unique_ptr<test::IsolatedSettings> m_isolated;
    std::unique_ptr<test::InstalledSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1; // the selected camera
    int m_other = -1;
    QString m_uuid;
    QString m_otherUuid;
};

void TestLiveViewMode::init()
{
    m_isolated = std::make_unique<test::IsolatedSettings>();
    m_settings = std::make_unique<test::InstalledSettings>();
    QVERIFY(m_fixture.start());
    m_index = m_fixture.connectWithoutReading();
    QVERIFY(m_index >= 0);
    m_uuid = QString::fromStdString(kvrsim::uuidOf(m_index));
    for (const QString &uuid : adapter().cameraTableUuids())
        if (uuid != m_uuid)
            m_otherUuid = uuid;
    for (int i : kvrsim::cameras())
        if (QString::fromStdString(kvrsim::uuidOf(i)) == m_otherUuid)
            m_other = i;
    QVERIFY(m_other >= 0);
    QCOMPARE(adapter().adp_KVR_func_api_LiveView_Str_Get_Recom_Img(), Utilities::Ternary_True);
    kvrsim::clearCallLogs();
}

void TestLiveViewMode::cleanup()
{
    m_fixture.stop();
    m_settings.reset();
    m_isolated.reset();
}

// Connected, every camera streams the standard format, so that a write of
// another one shows.
void TestLiveViewMode::startCameras(int cameras)
{
    QVERIFY(m_fixture.start(test::usbScenario(cameras)));
    QVERIFY(m_fixture.connectWithoutReading() >= 0);
    QCOMPARE(adapter().cameraTableCount(), cameras);
    const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG standard{(1280u << 16) | 720u, 0, 0};
    for (const QString &uuid : adapter().cameraTableUuids())
        QCOMPARE(int(KVR_func_api_LiveView_Str_Set_Trans_Img(standard, uuid.toLocal8Bit().constData(), nullptr)), 1);
}

// The calls the live-view window makes as it shows: in multi view it starts
// the view itself, in single view the settled camera status starts it
// again; either way the stream settings are read.
void TestLiveViewMode::showLiveViewWindow()
{
    DeviceAdapter &a = adapter();
    const bool multi = a.isMultiviewMode();
    if (!multi) {
        a.videoSource()->setVideoOutVisibleStatus(true);
        a.adp_KVR_func_api_Ctrl_LiveView_Stop();
    }
    a.adp_KVR_func_api_Ctrl_LiveView_Start();
    a.adp_KVR_func_api_LiveView_Str_Get_Recom_Img_Start();
    a.adp_KVR_func_api_LiveView_Str_Get_Trans_Img_Start();
    if (multi)
        a.videoSource()->setVideoOutVisibleStatus(true);
    m_fixture.deliverAndRun();
}

// The program's close with the window showing: the window's forced close
// stops the view, then the window hides.
void TestLiveViewMode::closeLiveViewWindow()
{
    adapter().adp_KVR_func_api_Ctrl_LiveView_Stop();
    adapter().videoSource()->setVideoOutVisibleStatus(false);
    QVERIFY(adapter().liveViewManager()->waitCommandsDone(5000));
}

void TestLiveViewMode::modeSwitchGuard_data()
{
    QTest::addColumn<bool>("aged");
    QTest::addColumn<bool>("recordingChanged");
    QTest::addColumn<bool>("switched");

    QTest::newRow("just built") << false << false << false;
    QTest::newRow("3 s after start-up") << true << false << true;
    QTest::newRow("a camera began recording") << true << true << false;
}

// Runs through the event worker's command, as the interface sends it.
void TestLiveViewMode::modeSwitchGuard()
{
    QFETCH(bool, aged);
    QFETCH(bool, recordingChanged);
    QFETCH(bool, switched);
    DeviceAdapter &a = adapter();
    if (aged)
        ageModeSwitch();
    if (recordingChanged) {
        kvrsim::updateStatus(m_other, [](kvrsim::StatusValues &s) { s.cameraStatus = 1; });
        a.registerEventIdRecInfoAnother(WorkerCommandCode::RecInfoAnother, 0, m_otherUuid);
    }
    QSignalSpy changed(&a, &DeviceAdapter::isMultiviewModeChanged);
    a.setLiveviewMode_Async(true);
    m_fixture.deliverAndRun();
    QCOMPARE(a.isMultiviewMode(), switched);
    QCOMPARE(changed.count(), switched ? 1 : 0);
    QCOMPARE(test::callCount(m_index, "LiveView_Str_Set_Trans_Img"), switched ? 1 : 0);
}

void TestLiveViewMode::multiViewLowKeepsThePreference_data()
{
    QTest::addColumn<int>("cameras");
    QTest::addColumn<int>("preference"); // the live-view quality the settings file holds at first
    QTest::addColumn<QList<int>>("steps");
    for (int preference : {int(Utilities::LvImgQ_Std), int(Utilities::LvImgQ_Fine)}) {
        const auto row = [preference](const char *what, int cameras, const QList<int> &steps) {
            QTest::addRow("%s, %s", what, qPrintable(quality(preference))) << cameras << preference << steps;
        };
        row("one camera ticked before the window opens, unticked", 1, {Tick, Untick});
        row("three cameras ticked before the window opens, unticked", 3, {Tick, Untick});
        row("ticked before the window opens", 12, {Tick});
        row("ticked after the window opened", 12, {Open, Tick});
        row("window opened in multi view", 12, {Tick, Open});
        row("window opened in multi view, unticked", 12, {Tick, Open, Untick});
        row("closed in multi view", 12, {Tick, Open, Close});
        row("closed in multi view, started again", 12, {Tick, Open, Close, StartAgain, Open});
        row("chosen in single view, closed in multi view, started again", 12,
            {Open, Choose, Tick, Close, StartAgain, Open});
    }
}

// Multi view shows every camera Low, whatever the photographer prefers; the
// preference in the settings file is theirs alone: written when they pick a
// quality in single view, never from the quality in effect, so the multi
// view's Low never reaches it, even for a moment, nor a close in multi view.
// After each step: the stream-format writes each camera was sent and the
// format it streams (every camera in multi view, the selected one in single
// view), the quality the window's button shows, and the settings file.
// "All Cameras" ticked before any window was opened is the first switch of
// the run: nothing has read the cameras' recommended formats yet.
void TestLiveViewMode::multiViewLowKeepsThePreference()
{
    QFETCH(int, cameras);
    QFETCH(int, preference);
    QFETCH(QList<int>, steps);
    m_settings->setLvImageQuality(preference);
    startCameras(cameras);
    if (QTest::currentTestFailed())
        return;
    int expected = preference;
    int chosen = 0; // the photographer's picks in this run
    auto written = std::make_unique<QSignalSpy>(m_settings.get(), &ApplicationSettings::lvImageQualityChanged);
    auto errors = std::make_unique<QSignalSpy>(&adapter(), &DeviceAdapter::settingErrorNotify);
    bool running = true;
    for (int step : steps) {
        kvrsim::clearCallLogs();
        switch (step) {
        case Tick:
        case Untick: {
            // As the camera list's tick does it.
            ageModeSwitch();
            adapter().setLiveviewMode_Async(step == Tick);
            adapter().setProperty("btnAllCameraStatus", int(step == Tick ? Utilities::BtnAllCameraStatus_Checked
                                                                         : Utilities::BtnAllCameraStatus_Unchecked));
            m_fixture.deliverAndRun();
            QCOMPARE(adapter().isMultiviewMode(), step == Tick);
            break;
        }
        case Open:
            showLiveViewWindow();
            break;
        case Choose:
            expected = expected == Utilities::LvImgQ_Std ? Utilities::LvImgQ_Fine : Utilities::LvImgQ_Std;
            ++chosen;
            QVERIFY(adapter().setProperty("imageQuality", expected));
            break;
        case Close:
            closeLiveViewWindow();
            for (int index : kvrsim::cameras())
                QCOMPARE(test::callCount(index, "LiveView_Str_Set_Trans_Img"), 0);
            m_fixture.stop();
            running = false;
            break;
        case StartAgain:
            m_settings = std::make_unique<test::InstalledSettings>();
            startCameras(cameras);
            written = std::make_unique<QSignalSpy>(m_settings.get(), &ApplicationSettings::lvImageQualityChanged);
            errors = std::make_unique<QSignalSpy>(&adapter(), &DeviceAdapter::settingErrorNotify);
            chosen = 0;
            running = true;
            break;
        }
        if (QTest::currentTestFailed())
            return;

        const QString at = QString::fromLatin1(kStepNames[step]) + QLatin1String(": ");
        QStringList held;
        QStringList wanted;
        const auto line = [&](const QString &what, const QString &value) {
            return at + what + QLatin1String(": ") + value;
        };
        if (running && step != StartAgain) {
            const bool multi = adapter().isMultiviewMode();
            const int inEffect = multi ? int(Utilities::LvImgQ_Low) : expected;
            const QString selected = adapter().camera_list_get_selected_camera_uuid();
            for (int index : kvrsim::cameras()) {
                const QString uuid = QString::fromStdString(kvrsim::uuidOf(index));
                if (!multi && uuid != selected)
                    continue;
                const QString camera = QStringLiteral("camera %1").arg(index);
                held << line(camera, streamedQuality(uuid));
                wanted << line(camera, quality(inEffect));
                // Each camera is told Low once as multi view begins, and
                // nothing more while it lasts.
                if (multi) {
                    const int writes = test::callCount(index, "LiveView_Str_Set_Trans_Img");
                    held << line(camera + QLatin1String(" writes"), QString::number(writes));
                    wanted << line(camera + QLatin1String(" writes"), QString::number(step == Tick ? 1 : 0));
                }
            }
            held << line(QStringLiteral("quality in effect"), quality(adapter().imgQuality()))
                 << line(QStringLiteral("setting errors"), QString::number(errors->count()));
            wanted << line(QStringLiteral("quality in effect"), quality(inEffect))
                   << line(QStringLiteral("setting errors"), QStringLiteral("0"));
        }
        held << line(QStringLiteral("settings file"), quality(ApplicationSettings().lvImageQuality()))
             << line(QStringLiteral("preference writes"), QString::number(written->count()));
        wanted << line(QStringLiteral("settings file"), quality(expected))
               << line(QStringLiteral("preference writes"), QString::number(chosen));
        QCOMPARE(held, wanted);
    }
    if (running)
        adapter().adp_KVR_func_api_Ctrl_LiveView_Stop();
}

void TestLiveViewMode::qualitySavedAndRestored()
{
    DeviceAdapter &a = adapter();
    const std::string fn = "LiveView_Str_Set_Trans_Img";
    a.setImgQuality2(Utilities::LvImgQ_Fine, false);
    const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG fine = streamOf(m_uuid);
    ageModeSwitch();
    QSignalSpy changed(&a, &DeviceAdapter::isMultiviewModeChanged);

    // Multi view: every camera streams low, each told once. The interface
    // hears of the new mode as it is taken, before the streams follow: a
    // window still in single view meanwhile would pause the multi view.
    kvrsim::clearCallLogs();
    int streamWritesWhenAnnounced = -1;
    const auto announced = connect(
        &a, &DeviceAdapter::isMultiviewModeChanged, this,
        [&] { streamWritesWhenAnnounced = test::callCount(m_index, fn); }, Qt::DirectConnection);
    a.setLiveviewMode(true);
    disconnect(announced);
    QCOMPARE(streamWritesWhenAnnounced, 0);
    QCOMPARE(a.imgQuality(), int(Utilities::LvImgQ_Low));
    QCOMPARE(test::callCount(m_index, fn), 1);
    QCOMPARE(test::callCount(m_other, fn), 1);
    QVERIFY(streamOf(m_uuid).size != fine.size);

    // A second switch to multi view keeps the single view's quality.
    ageModeSwitch();
    a.setLiveviewMode(true);
    QCOMPARE(changed.count(), 1);

    // Back to single view: the saved quality is the camera's again.
    ageModeSwitch();
    kvrsim::clearCallLogs();
    a.setLiveviewMode(false);
    QCOMPARE(a.imgQuality(), int(Utilities::LvImgQ_Fine));
    QCOMPARE(streamOf(m_uuid).size, fine.size);
    QCOMPARE(test::callCount(m_index, fn), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toBool(), false);
    // The focus reads held back in multi view are queued again.
    QStringList queued = test::queueText(m_fixture.receiver());
    for (quint32 code : {quint32(WorkerCommandCode::adp_KVR_func_api_GetAFInfo_Start),
                         quint32(WorkerCommandCode::adp_KVR_func_api_RecInfo_AF_Frame_GetCapability_Start)})
        QVERIFY(!queued.filter(test::itemText(code, 0, QString())).isEmpty());
}

void TestLiveViewMode::ignoreEventModeOnNetworkOnly_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<int>("calls");

    QTest::newRow("usb") << 0 << 0;
    QTest::newRow("network") << int(kConnectionLan) << 1;
}

void TestLiveViewMode::ignoreEventModeOnNetworkOnly()
{
    QFETCH(int, connection);
    QFETCH(int, calls);
    DeviceAdapter &a = adapter();
    a.setConnectionTypeValue(connection);
    const std::string fn = "SetEventTypeFromCamera";
    ageModeSwitch();
    a.setLiveviewMode(true);
    QCOMPARE(test::callCount(m_index, fn), calls);
    QCOMPARE(test::callCount(m_other, fn), calls);
    ageModeSwitch();
    a.setLiveviewMode(false);
    QCOMPARE(test::callCount(m_index, fn), 2 * calls);
    QCOMPARE(test::callCount(m_other, fn), 2 * calls);
}

void TestLiveViewMode::pagesAndViewPort()
{
    DeviceAdapter &a = adapter();
    LiveViewManager *manager = a.liveViewManager();
    a.setLiveviewMultiPage(-3);
    QCOMPARE(a.getLiveviewMultiPage(), 0);
    a.setLiveviewMultiPage(2);
    QCOMPARE(a.getLiveviewMultiPage(), 2);

    // Outside multi view the view port is left alone.
    a.setLiveviewMultiViewPort(true, VIEW_SPLIT_SINGLE, 1);
    QVERIFY(!a.isLiveviewMultiViewPortEnable());
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(!manager->IsViewPageEnable());

    DeviceAdapterTestAccess::setMultiviewMode(a, true);
    a.setLiveviewMultiViewPort(true, -7, -1);
    QVERIFY(a.isLiveviewMultiViewPortEnable());
    // The page change is queued for the manager's command thread.
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(manager->IsViewPageEnable());
    a.setLiveviewMultiPageMode(VIEW_SPLIT_12_NOPAGE);
    a.setLiveviewMultiViewPort(false, VIEW_SPLIT_4, 3);
    QVERIFY(!a.isLiveviewMultiViewPortEnable());
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(!manager->IsViewPageEnable());
    a.setLiveviewMultiPageMode(VIEW_SPLIT_4);
    a.setLiveviewMultiViewPort(false, VIEW_SPLIT_12_NOPAGE, 0);
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(manager->IsViewPageEnable());

    // A page beyond the cameras, and no camera at all: the stored page
    // comes down to the last one, never below the first.
    a.setLiveviewMultiPage(9);
    a.adp_KVR_func_api_Ctrl_LiveView_Start();
    QCOMPARE(a.getLiveviewMultiPage(), 0);
    a.removeCameraFromTable(m_uuid);
    a.removeCameraFromTable(m_otherUuid);
    a.adp_KVR_func_api_Ctrl_LiveView_Start();
    QCOMPARE(a.getLiveviewMultiPage(), 0);
    a.adp_KVR_func_api_Ctrl_LiveView_Stop();
}

void TestLiveViewMode::singleCameraQuality_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("calls");
    QTest::addColumn<bool>("taken");

    QTest::newRow("standard") << int(Utilities::LvImgQ_Std) << 0 << 1 << true;
    QTest::newRow("taken at the fourth try") << int(Utilities::LvImgQ_Fine) << 3 << 4 << true;
    QTest::newRow("given up after four") << int(Utilities::LvImgQ_Fine) << 4 << 4 << false;
    QTest::newRow("negative quality") << -1 << 0 << 0 << false;
    QTest::newRow("quality beyond the list") << int(Utilities::LvImgQ_Max) << 0 << 0 << false;
}

// The camera in the tile, not the selected one, and on wireless LAN the
// quality goes by the compression.
void TestLiveViewMode::singleCameraQuality()
{
    QFETCH(int, quality);
    QFETCH(int, refusals);
    QFETCH(int, calls);
    QFETCH(bool, taken);
    DeviceAdapter &a = adapter();
    a.withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_otherUuid].isWlan = 1; });
    const std::string fn = "LiveView_Str_Set_Trans_Img";
    if (refusals > 0)
        kvrsim::failNext(fn, refusals, 2, 0, m_otherUuid.toStdString());
    QSignalSpy changed(&a, &DeviceAdapter::imgQualityChanged);
    a.setLiveviewMultiImgSingleQuality(m_otherUuid, Utilities::LiveViewImageQuality(quality));
    QCOMPARE(test::callCount(m_other, fn), calls);
    QCOMPARE(test::callCount(m_index, fn), 0);
    QCOMPARE(changed.count(), taken ? 1 : 0);
    if (taken) {
        QCOMPARE(a.imgQuality(), quality);
        QCOMPARE(int(streamOf(m_otherUuid).compression), quality == Utilities::LvImgQ_Std ? 64 : 128);
    }
}

void TestLiveViewMode::writtenBackValues_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("announced"); // of the two writes

    // The interface's own positions and small-frame rectangles are kept
    // silently; the white-balance spot, the control items and the aspect
    // are announced; what the camera's events set is not the interface's.
    for (const char *name :
         {"afFrame_pos_pin_X", "afFrame_pos_pin_Y", "mfFrame_pos_X", "mfFrame_pos_Y", "lvMag_pos_X", "lvMag_pos_Y",
          "afFrame_pos_X", "liveview_size_width", "liveview_size_height", "sFrame_outer_posX", "sFrame_mag_sizeH"})
        QTest::newRow(name) << QByteArray(name) << QVariant(77) << true << 0;
    QTest::newRow("wbset_pos_X") << QByteArray("wbset_pos_X") << QVariant(-12) << true << 1;
    QTest::newRow("wbset_pos_Y") << QByteArray("wbset_pos_Y") << QVariant(640) << true << 1;
    QTest::newRow("lvcShowLvControlItem") << QByteArray("lvcShowLvControlItem") << QVariant(false) << true << 1;
    QTest::newRow("afFrame_asp_x") << QByteArray("afFrame_asp_x") << QVariant(1.5) << true << 1;
    QTest::newRow("mfa_mode") << QByteArray("mfa_mode") << QVariant(7) << false << 0;
    QTest::newRow("assistType") << QByteArray("assistType") << QVariant(7) << false << 0;
    QTest::newRow("lvShootingStatus") << QByteArray("lvShootingStatus") << QVariant(3) << false << 0;
    // The adapter keeps its own video source; a write only announces it.
    QTest::newRow("videoSource") << QByteArray("videoSource") << QVariant::fromValue<VideoAdapter *>(nullptr) << false
                                 << 2;
}

void TestLiveViewMode::writtenBackValues()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(bool, kept);
    QFETCH(int, announced);
    DeviceAdapter &a = adapter();
    const QMetaObject *meta = a.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(name.constData()));
    QVERIFY(property.isValid() && property.isWritable() && property.hasNotifySignal());
    QSignalSpy notify(&a, property.notifySignal());
    QVERIFY(property.write(&a, value));
    QVERIFY(property.write(&a, value));
    QCOMPARE(property.read(&a) == value, kept);
    QCOMPARE(notify.count(), announced);
}

// A camera pulled out of a running multi view and plugged back in is shown
// again once the re-scan has brought it back, and takes commands as before:
// also when it comes back before the view has started again for the
// cameras that stayed (their stop outlasted the pull's wait for it, so the
// start waits behind the stop).
void TestLiveViewMode::repluggedCameraRejoinsMultiView_data()
{
    QTest::addColumn<int>("slowStopMs");
    QTest::newRow("view started again") << 0;
    QTest::newRow("view about to start again") << 2500;
}

void TestLiveViewMode::repluggedCameraRejoinsMultiView()
{
    QFETCH(int, slowStopMs);
    DeviceAdapter &a = adapter();
    LiveViewManager *manager = a.liveViewManager();
    for (int i = 0; i < a.camera_list_number_of_camera(); ++i) {
        a.camera_list_set_camera_liveViewEnable(i, true);
        a.camera_list_set_camera_sendCmdEnable(i, true);
    }
    DeviceAdapterTestAccess::setMultiviewMode(a, true);
    a.videoSource()->setVideoOutVisibleStatus(true);
    QCOMPARE(a.adp_KVR_func_api_Ctrl_LiveView_Start(), Utilities::Ternary_True);
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(kvrsim::liveViewRunning(m_index));
    QVERIFY(kvrsim::liveViewRunning(m_other));

    if (slowStopMs > 0)
        kvrsim::delayNext("Ctrl_LiveView_Stop", 1, slowStopMs, kvrsim::uuidOf(m_index));
    kvrsim::unplug(m_other);
    m_fixture.deliverAndRun();
    if (slowStopMs == 0) {
        QVERIFY(manager->waitCommandsDone(5000));
        QVERIFY(kvrsim::liveViewRunning(m_index));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!manager->IsLiveViewWorking(), 5000);
    }
    QCOMPARE(a.cameraTableCount(), 1);

    kvrsim::plug(m_other);
    kvrsim::clearCallLogs();
    QCOMPARE(a.adp_KVR_func_api_Search_Camera_List_start(), Utilities::Ternary_True);
    m_fixture.deliverAndRun();
    QCOMPARE(a.cameraTableCount(), 2);
    QVERIFY(manager->waitCommandsDone(5000));
    QVERIFY(kvrsim::liveViewRunning(m_index));
    QVERIFY(kvrsim::liveViewRunning(m_other));
    const auto log = kvrsim::callLog(m_other);
    QCOMPARE(std::count(log.begin(), log.end(), std::string("Ctrl_LiveView_Start")), 1);
    QVERIFY(a.camera_list_get_camera_sendCmdEnableByUUID(QString::fromStdString(kvrsim::uuidOf(m_other))));
    a.adp_KVR_func_api_Ctrl_LiveView_Stop();
}

QTEST_MAIN(TestLiveViewMode)
#include "tst_liveviewmode.moc"
