#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <map>
#include <vector>

#include "Kvrptpif.h"
#include "core/StopLocks.h"
#include "core/WorkerThread.h"

namespace kavrotether {

class VideoAdapter;

// One camera of the live view.
struct _MULTIVIEW_DEVICE_PARAM
{
    QByteArray uuid; // camera UUID as 8-bit text
    int devIndex = 0;
    // The camera's lock, none when it has none. Shared, so that a camera
    // removed while this record is still in use cannot free it meanwhile.
    std::shared_ptr<QMutex> devMutex;
    // Where the camera's picture (or its black square) was painted last, in
    // canvas pixels; written only by the manager.
    quint32 x = 0;
    quint32 y = 0;
    quint32 w = 0;
    quint32 h = 0;
    quint16 cameraStatus = 0;
    quint32 tetherModeStatus = 0;
    int skip = 0; // 1: shown without a picture
};

// Page layout of the live view: 0 single camera, 1..6 multi-camera layouts.
enum _VIEW_SPLIT_MODE {
    VIEW_SPLIT_SINGLE = 0,
    VIEW_SPLIT_2 = 1,
    VIEW_SPLIT_4 = 2,
    VIEW_SPLIT_6 = 3,
    VIEW_SPLIT_9 = 4,
    VIEW_SPLIT_12 = 5,
    VIEW_SPLIT_12_NOPAGE = 6
};

// Drives live view of one or several cameras: starts and stops it on each
// camera, fetches and paints their frames into one canvas and hands that
// to the VideoAdapter.
class LiveViewManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        LiveViewStatus videoImageStatus READ videoImageStatus WRITE setVideoImageStatus NOTIFY videoImageStatusChanged)
    Q_PROPERTY(
        LiveViewError videoImageError READ videoImageError WRITE setVideoImageError NOTIFY videoImageErrorChanged)
    Q_PROPERTY(ushort posture READ posture WRITE setPosture NOTIFY postureChanged)
    Q_PROPERTY(short roll READ roll WRITE setRoll NOTIFY rollChanged)
    Q_PROPERTY(short pitch READ pitch WRITE setPitch NOTIFY pitchChanged)
public:
    enum LiveViewStatus : int { VIS_Unknown = -1, VIS_Stop = 0, VIS_Start = 1, VIS_Pause = 2, VIS_Max = 3 };
    Q_ENUM(LiveViewStatus)
    enum LiveViewError : int { VIE_Unknown = -1, VIE_NoError = 0, VIE_Busy = 1, VIE_Error = 2, VIE_Max = 3 };
    Q_ENUM(LiveViewError)

    // One row of the layout table.
    struct Layout
    {
        int id;       // 0 single camera, 1..5 the multi-camera layouts
        QSize canvas; // canvas size
        int columns;
        int rows;
        int margin; // around each tile
    };
    // The layout for a camera count (page mode off) or a split mode (page
    // mode on).
    static Layout layoutFor(bool pageMode, int splitMode, int cameraCount);
    // Tile i of a layout, filled row by row, in canvas pixels.
    static QRect tileRect(const Layout &layout, int i);

    // Frames larger than this are no frames; a single camera's canvas, which
    // takes the frame's size, never grows beyond it either.
    static constexpr int kJpegBufferSize = 0x100000;
    static constexpr int kMaxCanvasSide = 4096;

    explicit LiveViewManager(QObject *parent = nullptr);
    ~LiveViewManager() override;

    static int Get1PageMaxDevNum(int splitMode);

    LiveViewStatus videoImageStatus() const { return m_status.load(); }
    void setVideoImageStatus(LiveViewStatus value);
    LiveViewError videoImageError() const { return m_error.load(); }
    void setVideoImageError(LiveViewError value);
    ushort posture() const { return m_posture.load(); }
    void setPosture(ushort value);
    short roll() const { return m_roll.load(); }
    void setRoll(short value);
    short pitch() const { return m_pitch.load(); }
    void setPitch(short value);

    // Hit tests on the shown page, canvas pixels, borders included.
    Q_INVOKABLE int getCameraDevIndex(int x, int y) const;
    Q_INVOKABLE int getCameraListIndex(int x, int y) const;
    Q_INVOKABLE QString getCameraListUUID(int listIndex) const;

    bool IsLiveViewWorking() const { return m_working.load(); }
    // A frame-fetch thread runs, also one that a stop had to leave running.
    bool isFetching() const;
    bool IsViewPageEnable() const;
    void SetVideoAdapter(VideoAdapter *adapter);
    void SetCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode);
    void SetSelectedCameraUUID(const _MULTIVIEW_DEVICE_PARAM &camera);
    void SetSelectedPaintSize(double x, double y, double w, double h);
    // Start, stop, camera-list and page changes are queued for the command
    // thread, which runs them one at a time; the status changes at once so
    // the interface can follow.
    void StartLiveAsync();
    void StopLiveAsync();
    void UpdateCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode);
    void SetViewPage(bool enable, _VIEW_SPLIT_MODE mode, int page);
    // Empties the queue, waits for the command that runs and stops live view
    // on every camera it runs on; returns when all of it is done. The
    // threads it stops are waited for together, within one time limit: a
    // camera whose frame read does not come back by then is logged and left
    // running, to be stopped by a later stop.
    void ForceStop();
    // The closing path's stop, before the SDK is finished: as ForceStop, and
    // the command thread is joined and runs nothing until reopen(). With the
    // close's locks, a command left running is waited for within their
    // allowance: given up, live view is not stopped on the cameras (a later
    // close tries again).
    void close();
    void close(StopLocks &locks);
    void reopen();
    // Blocks until no live view works, at most timeoutMs; true when none does.
    bool waitUntilStopped(int timeoutMs) const;
    void GetSelectedDevHistgram(_tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *out) const;

    // Commands not yet taken by the command thread, oldest first.
    enum class Command { Start, Stop, Update, ViewPage };
    std::vector<Command> pendingCommands() const;
    // While held, queued commands wait (to look at the queue); releasing
    // wakes the command thread.
    void holdCommands(bool hold);
    // Blocks until the queue is empty and no command runs, at most timeoutMs.
    bool waitCommandsDone(int timeoutMs) const;

    // What is shown: the layout, a copy of the canvas, the selected
    // camera's painted rectangle as fractions of the canvas.
    int layoutId() const { return m_layoutId.load(); }
    QImage canvasCopy() const;
    QRectF selectedPaintSize() const;
    // Each camera-list entry's painted rectangle.
    std::vector<QRect> paintedRects() const;

signals:
    void videoImageStatusChanged(kavrotether::LiveViewManager::LiveViewStatus value);
    void videoImageErrorChanged(kavrotether::LiveViewManager::LiveViewError value);
    void postureChanged(ushort value);
    void rollChanged(short value);
    void pitchChanged(short value);
    void selctedPaintSizeChanged(bool isMultiMode, double offsetX, double offsetY, double w, double h);

private:
    struct QueuedCommand
    {
        Command command;
        // ViewPage's page settings; an update's list and layout are stored
        // when it is queued.
        _VIEW_SPLIT_MODE mode = VIEW_SPLIT_SINGLE;
        bool enable = false;
        int page = 0;
    };
    // Per fetch thread, the camera whose frame read it is in (empty: none).
    // The fetch runs hold it too: a read that a stop left running may come
    // back after the manager is gone, and clears its mark here then.
    struct ReadMarks
    {
        std::mutex lock;
        std::array<QByteArray, 4> reading;
    };
    // The forced stop's abort, which the cameras' settle waits watch. Held
    // by those runs too: a camera call that a stop left running may come
    // back after the manager is gone, and waits on this then.
    struct AbortSignal
    {
        mutable std::mutex lock;
        std::condition_variable changed;
        bool on = false;
    };
    // One tile handed to a fetch thread.
    struct Tile
    {
        QByteArray uuid;
        std::shared_ptr<QMutex> devMutex;
        QRect rect;
        int skip = 0;
    };

    void enqueue(QueuedCommand command, std::initializer_list<Command> replaced);
    bool runOneCommand();
    void startLive(bool camerasRunning);
    void stopLive(bool everyRunningCamera);
    void updateCamera();
    void viewPage(const QueuedCommand &command);
    // Stops every fetch thread, all within one time limit; the cameras whose
    // frame read was still under way when it ran out (logged).
    std::vector<QByteArray> stopFetching();
    void perCameraCommand(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, bool start);
    // The body of fetch thread `slot`.
    void fetchLoop(WorkerThread::Run &run, std::size_t slot, std::vector<Tile> tiles, ReadMarks &marks);
    void setPaintSize(const QByteArray &uuid, const QRect &painted);
    void offerSelectedPaintSize(const QRectF &fractions);
    void clearSelectedPaintSize();
    int hitTest(int x, int y, bool listIndex) const;
    // First and one-past-last camera-list index of the shown page (list lock held).
    std::pair<int, int> shownRange(int perPageOfLayout) const;
    bool aborted() const;
    void setAborted(bool on);
    void setWorking(bool on);
    void forceStop(bool closing, StopLocks *locks);
    bool handOverDue();

    // Start lock: the adapter and the selected camera.
    mutable std::recursive_mutex m_startLock;
    VideoAdapter *m_videoAdapter = nullptr;
    QMetaObject::Connection m_sinkConnection;
    _MULTIVIEW_DEVICE_PARAM m_selected;
    QRectF m_selectedPaint;

    // Camera-list lock: the lists, the page settings and painted rectangles.
    mutable std::recursive_mutex m_listLock;
    std::vector<_MULTIVIEW_DEVICE_PARAM> m_cameras;
    // The list the cameras were last started from (by a start or an
    // update): an update starts and stops what differs from it, so lists
    // handed over while a start or an update still waited are not skipped.
    std::vector<_MULTIVIEW_DEVICE_PARAM> m_appliedCameras;
    std::vector<_MULTIVIEW_DEVICE_PARAM> m_stopCameras;
    bool m_pageMode = false;
    _VIEW_SPLIT_MODE m_splitMode = VIEW_SPLIT_SINGLE;
    int m_pageIndex = 0;

    // Canvas lock: painting and hand-over.
    mutable std::mutex m_canvasLock;
    QImage m_canvas;

    mutable std::mutex m_histogramLock;
    _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM m_histogram{};
    quint32 m_histogramSize = 0;

    // Queue lock: the commands; m_runLock is held while one runs, so that
    // ForceStop can wait for it (timed: the close waits within its allowance).
    mutable std::mutex m_queueLock;
    mutable std::condition_variable m_queueIdle;
    std::deque<QueuedCommand> m_commands;
    bool m_held = false;
    bool m_commandRunning = false;
    std::timed_mutex m_runLock;

    // Cameras on which live view was started and not stopped since, with
    // their locks.
    std::mutex m_runningLock;
    std::map<QByteArray, std::shared_ptr<QMutex>> m_runningCameras;

    std::atomic<LiveViewStatus> m_status{VIS_Stop};
    std::atomic<LiveViewError> m_error{VIE_NoError};
    std::atomic<ushort> m_posture{0};
    std::atomic<short> m_roll{0};
    std::atomic<short> m_pitch{0};
    // Written under m_stateLock, so that waits on m_stateChanged see each
    // change; read without it.
    mutable std::mutex m_stateLock;
    mutable std::condition_variable m_stateChanged;
    std::atomic<bool> m_working{false};
    const std::shared_ptr<AbortSignal> m_abort = std::make_shared<AbortSignal>();
    std::atomic<int> m_layoutId{0};
    QElapsedTimer m_clock;
    std::atomic<qint64> m_lastHandOverMs{-1000};

    WorkerThread m_commandThread{QStringLiteral("liveview-commands")};
    std::array<std::unique_ptr<WorkerThread>, 4> m_fetchThreads;
    const std::shared_ptr<ReadMarks> m_marks = std::make_shared<ReadMarks>();
};

} // namespace kavrotether
