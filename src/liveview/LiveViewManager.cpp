#include "LiveViewManager.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>

#include <algorithm>
#include <cstring>

#include "VideoAdapter.h"

namespace kavrotether {

namespace {

constexpr quint32 kHistogramSize = sizeof(_tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM);
constexpr quint32 kPostureSize = sizeof(KVR_STRUCT_LIVEVIEW_INFO_POSTURE);
constexpr quint32 kLevelSize = sizeof(KVR_STRUCT_LIVEVIEW_INFO_LEVEL);
constexpr int kCycleMs = 30;
constexpr int kBusyRepollMs = 1;
constexpr int kHandOverGapMs = 15;
constexpr int kCommandGapMs = 200;
constexpr int kPerCameraSettleMs = 200;
constexpr QRgb kTileGrey = 0xff808080; // Qt::darkGray
constexpr QRgb kBlack = 0xff000000;

// A device lock that may be absent (cameras that need none).
class DeviceLock
{
public:
    explicit DeviceLock(const std::shared_ptr<QMutex> &mutex) : m_mutex(mutex.get())
    {
        if (m_mutex)
            m_mutex->lock();
    }
    ~DeviceLock()
    {
        if (m_mutex)
            m_mutex->unlock();
    }
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

private:
    QMutex *m_mutex;
};

// Plain pixel work on the 32-bit canvas: QPainter per tile and frame costs
// more than the copy itself.
void fillRect(QImage &canvas, const QRect &r, QRgb colour)
{
    const QRect c = r.intersected(canvas.rect());
    for (int y = c.top(); y <= c.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(y)) + c.left();
        std::fill(line, line + c.width(), colour);
    }
}

// Draws the frame scaled (nearest pixel) to `size` at (left, top) and greys
// the rest of the tile.
void paintFrame(QImage &canvas, const QRect &tile, const QImage &frame, const QSize &size, int left, int top)
{
    const QRect picture = QRect(QPoint(left, top), size).intersected(tile).intersected(canvas.rect());
    const QRect t = tile.intersected(canvas.rect());
    const bool same = frame.size() == size;
    std::vector<int> columns;
    if (!same) {
        columns.resize(size_t(picture.width()));
        for (int x = 0; x < picture.width(); ++x)
            columns[size_t(x)] = int(qint64(x + picture.left() - left) * frame.width() / size.width());
    }
    for (int y = t.top(); y <= t.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(y));
        if (y < picture.top() || y > picture.bottom()) {
            std::fill(line + t.left(), line + t.left() + t.width(), kTileGrey);
            continue;
        }
        std::fill(line + t.left(), line + picture.left(), kTileGrey);
        const int sy = same ? y - top : int(qint64(y - top) * frame.height() / size.height());
        const auto *src = reinterpret_cast<const QRgb *>(frame.constScanLine(sy));
        QRgb *dst = line + picture.left();
        if (same) {
            std::memcpy(dst, src + (picture.left() - left), size_t(picture.width()) * sizeof(QRgb));
        } else {
            for (int x = 0; x < picture.width(); ++x)
                dst[x] = src[columns[size_t(x)]];
        }
        std::fill(line + picture.right() + 1, line + t.left() + t.width(), kTileGrey);
    }
}

// The size the JPEG decoder gives cheaply (a DCT scale of 1/1 .. 1/8) that
// still covers `wanted`.
QSize decodeSize(const QSize &full, const QSize &wanted)
{
    for (int d : {8, 4, 2}) {
        const QSize s((full.width() + d - 1) / d, (full.height() + d - 1) / d);
        if (s.width() >= wanted.width() && s.height() >= wanted.height())
            return s;
    }
    return full;
}

QRectF fractionsOf(const QRect &painted, const QSize &canvas)
{
    if (canvas.isEmpty())
        return {};
    const double x = painted.x() > 0 ? double(painted.x()) / canvas.width() : 0.0;
    const double y = painted.y() > 0 ? double(painted.y()) / canvas.height() : 0.0;
    return {x, y, double(painted.width()) / canvas.width(), double(painted.height()) / canvas.height()};
}

} // namespace

LiveViewManager::Layout LiveViewManager::layoutFor(bool pageMode, int splitMode, int cameraCount)
{
    static constexpr Layout table[] = {
        {0, {1280, 960}, 1, 1, 0},  {1, {1280, 480}, 2, 1, 2}, {2, {1280, 960}, 2, 2, 2},
        {3, {1280, 1080}, 2, 3, 2}, {4, {1280, 720}, 3, 3, 2}, {5, {1280, 960}, 3, 4, 2},
    };
    if (pageMode) {
        if (splitMode >= VIEW_SPLIT_2 && splitMode <= VIEW_SPLIT_12_NOPAGE)
            return table[std::min(splitMode, int(VIEW_SPLIT_12))];
        return table[0];
    }
    if (cameraCount <= 0)
        return {0, {640, 640}, 1, 1, 0};
    if (cameraCount == 1)
        return table[0];
    if (cameraCount == 2)
        return table[1];
    if (cameraCount <= 4)
        return table[2];
    if (cameraCount <= 6)
        return table[3];
    if (cameraCount <= 9)
        return table[4];
    return table[5];
}

QRect LiveViewManager::tileRect(const Layout &layout, int i)
{
    const int tileWidth = layout.canvas.width() / layout.columns;
    const int tileHeight = layout.canvas.height() / layout.rows;
    return QRect((i % layout.columns) * tileWidth + layout.margin, (i / layout.columns) * tileHeight + layout.margin,
                 tileWidth - 2 * layout.margin, tileHeight - 2 * layout.margin);
}

LiveViewManager::LiveViewManager(QObject *parent) : QObject(parent), m_canvas(1280, 960, QImage::Format_ARGB32)
{
    m_canvas.fill(0);
    m_clock.start();
    for (size_t i = 0; i < m_fetchThreads.size(); ++i)
        m_fetchThreads[i] = std::make_unique<WorkerThread>(QStringLiteral("liveview-fetch-%1").arg(i + 1));
    // The command thread runs until close() and again after reopen(); a
    // command queued while it is about to sleep wakes it, so none waits for
    // a later one.
    m_commandThread.startQueue([this] { return runOneCommand(); });
}

LiveViewManager::~LiveViewManager()
{
    // Before the command thread goes: the sink's notice wakes it.
    QObject::disconnect(m_sinkConnection);
    close();
}

int LiveViewManager::Get1PageMaxDevNum(int splitMode)
{
    static constexpr int perPage[] = {1, 2, 4, 6, 9, 12, 12};
    return (splitMode >= 1 && splitMode <= 6) ? perPage[splitMode] : 1;
}

void LiveViewManager::setVideoImageStatus(LiveViewStatus value)
{
    m_status.store(value);
    emit videoImageStatusChanged(value);
}

void LiveViewManager::setVideoImageError(LiveViewError value)
{
    m_error.store(value);
    emit videoImageErrorChanged(value);
}

void LiveViewManager::setPosture(ushort value)
{
    m_posture.store(value);
    emit postureChanged(value);
}

void LiveViewManager::setRoll(short value)
{
    m_roll.store(value);
    emit rollChanged(value);
}

void LiveViewManager::setPitch(short value)
{
    m_pitch.store(value);
    emit pitchChanged(value);
}

bool LiveViewManager::isFetching() const
{
    return std::any_of(m_fetchThreads.begin(), m_fetchThreads.end(), [](const auto &t) { return t->isRunning(); });
}

bool LiveViewManager::IsViewPageEnable() const
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    return m_pageMode;
}

void LiveViewManager::SetVideoAdapter(VideoAdapter *adapter)
{
    std::lock_guard<std::recursive_mutex> g(m_startLock);
    if (adapter == m_videoAdapter)
        return;
    QObject::disconnect(m_sinkConnection);
    m_videoAdapter = adapter;
    // A paused picture that found no sink is handed over once one arrives.
    if (adapter)
        m_sinkConnection = connect(
            adapter, &VideoAdapter::videoSinkChanged, this, [this] { m_commandThread.wake(); }, Qt::DirectConnection);
}

void LiveViewManager::SetCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode)
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    m_cameras = cameras;
    m_pageMode = !cameras.empty() && mode != VIEW_SPLIT_12_NOPAGE;
    m_splitMode = m_pageMode ? mode : VIEW_SPLIT_SINGLE;
    m_pageIndex = 0;
}

void LiveViewManager::UpdateCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode)
{
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        m_cameras = cameras;
        m_pageMode = mode != VIEW_SPLIT_12_NOPAGE;
        m_splitMode = m_pageMode ? mode : VIEW_SPLIT_SINGLE;
        m_pageIndex = 0;
    }
    // Only the newest camera list matters: an update still waiting is replaced.
    enqueue({Command::Update, VIEW_SPLIT_SINGLE, false, 0}, {Command::Update});
}

void LiveViewManager::SetSelectedCameraUUID(const _MULTIVIEW_DEVICE_PARAM &camera)
{
    bool shown = false;
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        for (const auto &c : m_cameras)
            shown = shown || c.uuid == camera.uuid;
    }
    {
        std::lock_guard<std::recursive_mutex> g(m_startLock);
        m_selected = camera;
    }
    if (!shown)
        clearSelectedPaintSize();
}

void LiveViewManager::SetSelectedPaintSize(double x, double y, double w, double h)
{
    offerSelectedPaintSize(QRectF(x, y, w, h));
}

void LiveViewManager::offerSelectedPaintSize(const QRectF &fractions)
{
    {
        std::lock_guard<std::recursive_mutex> g(m_startLock);
        if (m_selectedPaint == fractions)
            return;
        m_selectedPaint = fractions;
    }
    emit selctedPaintSizeChanged(m_layoutId.load() != 0, fractions.x(), fractions.y(), fractions.width(),
                                 fractions.height());
}

void LiveViewManager::clearSelectedPaintSize()
{
    {
        std::lock_guard<std::recursive_mutex> g(m_startLock);
        if (m_selectedPaint == QRectF())
            return;
        m_selectedPaint = QRectF();
    }
    emit selctedPaintSizeChanged(m_layoutId.load() != 0, 0, 0, 0, 0);
}

QRectF LiveViewManager::selectedPaintSize() const
{
    std::lock_guard<std::recursive_mutex> g(m_startLock);
    return m_selectedPaint;
}

void LiveViewManager::StartLiveAsync()
{
    LiveViewStatus status;
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        status = m_cameras.empty() ? VIS_Pause : VIS_Start;
    }
    m_status.store(status);
    enqueue({Command::Start, VIEW_SPLIT_SINGLE, false, 0}, {Command::Start, Command::Update});
    emit videoImageStatusChanged(status);
}

void LiveViewManager::StopLiveAsync()
{
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        m_stopCameras = m_cameras;
    }
    m_status.store(VIS_Stop);
    enqueue({Command::Stop, VIEW_SPLIT_SINGLE, false, 0}, {Command::Stop, Command::Update});
    emit videoImageStatusChanged(VIS_Stop);
}

void LiveViewManager::SetViewPage(bool enable, _VIEW_SPLIT_MODE mode, int page)
{
    enqueue({Command::ViewPage, mode, enable, std::max(page, 0)}, {Command::ViewPage});
}

void LiveViewManager::enqueue(QueuedCommand command, std::initializer_list<Command> replaced)
{
    {
        std::lock_guard<std::mutex> g(m_queueLock);
        m_commands.erase(std::remove_if(m_commands.begin(), m_commands.end(),
                                        [&](const QueuedCommand &c) {
                                            return std::find(replaced.begin(), replaced.end(), c.command)
                                                   != replaced.end();
                                        }),
                         m_commands.end());
        m_commands.push_back(std::move(command));
    }
    m_commandThread.wake();
}

std::vector<LiveViewManager::Command> LiveViewManager::pendingCommands() const
{
    std::lock_guard<std::mutex> g(m_queueLock);
    std::vector<Command> result;
    result.reserve(m_commands.size());
    for (const auto &c : m_commands)
        result.push_back(c.command);
    return result;
}

void LiveViewManager::holdCommands(bool hold)
{
    {
        std::lock_guard<std::mutex> g(m_queueLock);
        m_held = hold;
    }
    m_commandThread.wake();
}

bool LiveViewManager::waitCommandsDone(int timeoutMs) const
{
    std::unique_lock<std::mutex> g(m_queueLock);
    return m_queueIdle.wait_for(g, std::chrono::milliseconds(timeoutMs),
                                [this] { return m_commands.empty() && !m_commandRunning; });
}

bool LiveViewManager::runOneCommand()
{
    // Held while the command runs, so that ForceStop waits for it; taken
    // before the command is, so that a command ForceStop removed never runs.
    std::lock_guard<std::timed_mutex> running(m_runLock);
    QueuedCommand command;
    {
        std::lock_guard<std::mutex> g(m_queueLock);
        if (m_held || m_commands.empty()) {
            m_queueIdle.notify_all();
            return false;
        }
        command = std::move(m_commands.front());
        m_commands.pop_front();
        m_commandRunning = true;
    }
    switch (command.command) {
    case Command::Start:
        startLive(false);
        break;
    case Command::Stop:
        stopLive(false);
        break;
    case Command::Update:
        updateCamera();
        break;
    case Command::ViewPage:
        viewPage(command);
        break;
    }
    bool more;
    {
        std::lock_guard<std::mutex> g(m_queueLock);
        m_commandRunning = false;
        more = !m_commands.empty();
        if (!more)
            m_queueIdle.notify_all();
    }
    // Cameras need a moment between a start or stop and what follows it.
    if (more && (command.command == Command::Start || command.command == Command::Stop)) {
        if (WorkerThread::Run *run = WorkerThread::current())
            run->waitForStop(std::chrono::milliseconds(kCommandGapMs));
    }
    return true;
}

void LiveViewManager::ForceStop()
{
    forceStop(false, nullptr);
}

void LiveViewManager::close()
{
    forceStop(true, nullptr);
}

void LiveViewManager::close(StopLocks &locks)
{
    forceStop(true, &locks);
}

void LiveViewManager::forceStop(bool closing, StopLocks *locks)
{
    setAborted(true);
    m_commandThread.wake();
    {
        std::lock_guard<std::mutex> g(m_queueLock);
        m_commands.clear();
    }
    for (auto &t : m_fetchThreads)
        t->requestStop();
    // The command that runs sees the abort and ends early; once closed, no
    // later one starts a camera or a fetch thread behind this stop.
    if (closing)
        m_commandThread.close();
    {
        // A command the close left running waits for its cameras' calls.
        const std::unique_lock<std::timed_mutex> running = locks ? locks->take(m_runLock, "live view's run lock",
                                                                               "live view's stop")
                                                                 : std::unique_lock<std::timed_mutex>(m_runLock);
        // Without it the abort stays: the command ends early once back.
        if (running.owns_lock()) {
            stopLive(true);
            setAborted(false);
        }
    }
    setVideoImageStatus(VIS_Stop);
}

void LiveViewManager::reopen()
{
    {
        // Asked for while the SDK was finished: no camera would answer.
        std::lock_guard<std::mutex> g(m_queueLock);
        m_commands.clear();
    }
    m_commandThread.reopen();
    if (!m_commandThread.isRunning())
        m_commandThread.startQueue([this] { return runOneCommand(); });
}

void LiveViewManager::setAborted(bool on)
{
    {
        std::lock_guard<std::mutex> g(m_abort->lock);
        m_abort->on = on;
    }
    m_abort->changed.notify_all();
}

bool LiveViewManager::aborted() const
{
    std::lock_guard<std::mutex> g(m_abort->lock);
    return m_abort->on;
}

void LiveViewManager::setWorking(bool on)
{
    {
        std::lock_guard<std::mutex> g(m_stateLock);
        m_working.store(on);
    }
    m_stateChanged.notify_all();
}

bool LiveViewManager::waitUntilStopped(int timeoutMs) const
{
    std::unique_lock<std::mutex> g(m_stateLock);
    return m_stateChanged.wait_for(g, std::chrono::milliseconds(std::max(timeoutMs, 0)),
                                   [this] { return !m_working.load(); });
}

std::pair<int, int> LiveViewManager::shownRange(int perPageOfLayout) const
{
    const int count = int(m_cameras.size());
    if (!m_pageMode)
        return {0, std::min(count, perPageOfLayout)};
    const int perPage = Get1PageMaxDevNum(m_splitMode);
    const qint64 first = qint64(m_pageIndex) * perPage;
    if (first >= count)
        return {count, count};
    return {int(first), int(std::min<qint64>(count, first + std::min(perPage, perPageOfLayout)))};
}

void LiveViewManager::startLive(bool camerasRunning)
{
    for (const auto &t : m_fetchThreads) {
        if (t->isRunning())
            return;
    }
    setWorking(true);

    Layout layout;
    std::array<std::vector<Tile>, 4> groups;
    std::vector<_MULTIVIEW_DEVICE_PARAM> all;
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        layout = layoutFor(m_pageMode, m_splitMode, int(m_cameras.size()));
        const auto [first, last] = shownRange(Get1PageMaxDevNum(layout.id));
        for (int i = 0; first + i < last; ++i) {
            const auto &camera = m_cameras[size_t(first + i)];
            Tile tile;
            tile.uuid = camera.uuid;
            tile.devMutex = camera.devMutex;
            tile.skip = camera.skip;
            tile.rect = tileRect(layout, i);
            groups[size_t(i % 4)].push_back(tile);
        }
        all = m_cameras;
        if (!camerasRunning)
            m_appliedCameras = all;
    }
    // The cameras are started without the list lock: hit tests go on meanwhile.
    if (!camerasRunning)
        perCameraCommand(all, true);
    m_layoutId.store(layout.id);

    VideoAdapter *adapter;
    {
        std::lock_guard<std::recursive_mutex> g(m_startLock);
        adapter = m_videoAdapter;
    }
    bool handed = false;
    {
        std::lock_guard<std::mutex> g(m_canvasLock);
        m_canvas = QImage(layout.canvas, QImage::Format_ARGB32);
        m_canvas.fill(all.empty() ? kBlack : kTileGrey);
        handed = adapter
                 && adapter->SetImage(m_canvas.constBits(), int(m_canvas.sizeInBytes()), m_canvas.width(),
                                      m_canvas.height(), int(m_canvas.bytesPerLine()), m_canvas.format());
    }
    // The paused picture waits for the output's sink, whose arrival wakes
    // this thread, but never holds up a newer command (queuing one wakes it
    // too, and so does a stop).
    WorkerThread::Run *run = WorkerThread::current();
    if (all.empty() && adapter && run) {
        while (!handed && adapter->getVideoOutVisibleStatus() && !aborted() && pendingCommands().empty()) {
            if (run->wait())
                break;
            std::lock_guard<std::mutex> g(m_canvasLock);
            handed = adapter->SetImage(m_canvas.constBits(), int(m_canvas.sizeInBytes()), m_canvas.width(),
                                       m_canvas.height(), int(m_canvas.bytesPerLine()), m_canvas.format());
        }
    }
    clearSelectedPaintSize();
    if (aborted())
        return;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i].empty())
            m_fetchThreads[i]->start([this, i, tiles = groups[i], marks = m_marks](WorkerThread::Run &run) {
                fetchLoop(run, i, tiles, *marks);
            });
    }
}

std::vector<QByteArray> LiveViewManager::stopFetching()
{
    std::vector<WorkerThread *> threads;
    for (const auto &t : m_fetchThreads)
        threads.push_back(t.get());
    (void)WorkerThread::stopTogether(threads);
    // A thread that ended, or that will see the stop before its next read,
    // has no camera marked.
    std::vector<QByteArray> hung;
    {
        std::lock_guard<std::mutex> g(m_marks->lock);
        for (const QByteArray &uuid : m_marks->reading)
            if (!uuid.isEmpty())
                hung.push_back(uuid);
    }
    if (!hung.empty()) {
        QByteArrayList names(hung.begin(), hung.end());
        qWarning("LiveViewManager: the frame reads of %s did not come back in time; live view is left running on "
                 "those cameras",
                 names.join(", ").constData());
    }
    return hung;
}

void LiveViewManager::stopLive(bool everyRunningCamera)
{
    const std::vector<QByteArray> hung = stopFetching();
    std::vector<_MULTIVIEW_DEVICE_PARAM> cameras;
    if (everyRunningCamera) {
        std::lock_guard<std::mutex> g(m_runningLock);
        for (const auto &[uuid, mutex] : m_runningCameras) {
            _MULTIVIEW_DEVICE_PARAM p;
            p.uuid = uuid;
            p.devMutex = mutex;
            cameras.push_back(p);
        }
    } else {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        cameras = m_stopCameras;
    }
    // A stop would wait behind the read that has not come back (it holds
    // the camera's lock) and could not follow it anyway; the camera stays
    // among the running ones, for the next stop.
    cameras.erase(std::remove_if(cameras.begin(), cameras.end(),
                                 [&](const _MULTIVIEW_DEVICE_PARAM &c) {
                                     return std::find(hung.begin(), hung.end(), c.uuid) != hung.end();
                                 }),
                  cameras.end());
    perCameraCommand(cameras, false);
    setWorking(false);
}

void LiveViewManager::updateCamera()
{
    // Stopped: the new list waits for the next start, which starts every
    // camera; fetching here would run without the cameras' live view.
    if (!m_working.load())
        return;
    const std::vector<QByteArray> hung = stopFetching();
    std::vector<_MULTIVIEW_DEVICE_PARAM> toStart;
    std::vector<_MULTIVIEW_DEVICE_PARAM> toStop;
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        const auto find = [](const std::vector<_MULTIVIEW_DEVICE_PARAM> &list, const QByteArray &uuid) {
            const auto it = std::find_if(list.begin(), list.end(), [&](const auto &c) { return c.uuid == uuid; });
            return it == list.end() ? nullptr : &*it;
        };
        for (const auto &c : m_cameras) {
            const auto *before = find(m_appliedCameras, c.uuid);
            if (!before || (before->skip == 1 && c.skip == 0))
                toStart.push_back(c);
        }
        // As in a stop, a camera whose read has not come back is not sent
        // one behind it; it stays among the running ones, for a later stop.
        for (const auto &c : m_appliedCameras) {
            const auto *now = find(m_cameras, c.uuid);
            if ((!now || (c.skip == 0 && now->skip == 1)) && std::find(hung.begin(), hung.end(), c.uuid) == hung.end())
                toStop.push_back(c);
        }
        m_appliedCameras = m_cameras;
    }
    perCameraCommand(toStart, true);
    startLive(true);
    perCameraCommand(toStop, false);
}

void LiveViewManager::viewPage(const QueuedCommand &command)
{
    {
        std::lock_guard<std::recursive_mutex> g(m_listLock);
        m_pageMode = command.enable;
        m_splitMode = command.mode;
        m_pageIndex = command.page;
    }
    if (!m_working.load())
        return; // shown by the next start
    stopFetching();
    startLive(true);
}

void LiveViewManager::perCameraCommand(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, bool start)
{
    if (cameras.empty())
        return;
    // In parallel: the batch takes as long as the slowest camera, and no
    // longer than one time limit.
    std::vector<std::unique_ptr<WorkerThread>> threads;
    std::vector<WorkerThread *> batch;
    for (const auto &camera : cameras) {
        auto thread = std::make_unique<WorkerThread>(
            QStringLiteral("liveview-camera %1").arg(QString::fromLatin1(camera.uuid)));
        // Nothing of the manager is reached from the run: a call left
        // running by the time limit may come back after it is gone.
        thread->start([abort = m_abort, camera, start](WorkerThread::Run &) {
            {
                DeviceLock lock(camera.devMutex);
                if (start)
                    KVR_func_api_Ctrl_LiveView_Start(camera.uuid.constData(), nullptr);
                else
                    KVR_func_api_Ctrl_LiveView_Stop(camera.uuid.constData(), nullptr);
            }
            // The camera settles; a forced stop does not wait for it.
            std::unique_lock<std::mutex> g(abort->lock);
            abort->changed.wait_for(g, std::chrono::milliseconds(kPerCameraSettleMs), [&] { return abort->on; });
        });
        batch.push_back(thread.get());
        threads.push_back(std::move(thread));
    }
    (void)WorkerThread::stopTogether(batch);
    std::lock_guard<std::mutex> g(m_runningLock);
    for (const auto &camera : cameras) {
        if (start)
            m_runningCameras[camera.uuid] = camera.devMutex;
        else
            m_runningCameras.erase(camera.uuid);
    }
}

void LiveViewManager::fetchLoop(WorkerThread::Run &run, std::size_t slot, std::vector<Tile> tiles, ReadMarks &marks)
{
    std::unique_ptr<uint8_t[]> jpeg(new uint8_t[kJpegBufferSize]);
    _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM histogram{};
    KVR_STRUCT_LIVEVIEW_INFO_POSTURE posture{};
    KVR_STRUCT_LIVEVIEW_INFO_LEVEL level{};
    const int layout = m_layoutId.load();
    while (!run.stopRequested()) {
        QElapsedTimer cycle;
        cycle.start();
        bool busy = false;
        bool lastOk = false;
        QRectF fractions;
        VideoAdapter *adapter;
        QByteArray selected;
        {
            std::lock_guard<std::recursive_mutex> g(m_startLock);
            adapter = m_videoAdapter;
            selected = m_selected.uuid;
        }
        for (Tile &tile : tiles) {
            const bool isSelected = tile.uuid == selected;
            if (tile.skip != 0) {
                if (!adapter)
                    continue;
                const int side = std::min(tile.rect.width(), tile.rect.height());
                const QRect square(tile.rect.x() + (tile.rect.width() - side) / 2,
                                   tile.rect.y() + (tile.rect.height() - side) / 2, side, side);
                QSize canvasSize;
                {
                    std::lock_guard<std::mutex> g(m_canvasLock);
                    fillRect(m_canvas, tile.rect, kTileGrey);
                    fillRect(m_canvas, square, kBlack);
                    canvasSize = m_canvas.size();
                }
                setPaintSize(tile.uuid, square);
                fractions = fractionsOf(square, canvasSize);
                if (isSelected)
                    offerSelectedPaintSize(fractions);
                continue;
            }
            // The size words are in and out: each call gets the capacities
            // again, so a call that brought nothing does not silence the next.
            quint32 jpegSize = kJpegBufferSize;
            quint32 histogramSize = kHistogramSize;
            quint32 postureSize = kPostureSize;
            quint32 levelSize = kLevelSize;
            quint32 error = 0;
            {
                // Looked at with the mark set, under one lock: a stop that
                // finds no camera marked finds no read to come either.
                std::lock_guard<std::mutex> g(marks.lock);
                if (run.stopRequested())
                    return;
                marks.reading[slot] = tile.uuid;
            }
            {
                DeviceLock lock(tile.devMutex);
                KVR_func_api_Get_LiveView_data(&histogram, &histogramSize, &posture, &postureSize, &level, &levelSize,
                                               jpeg.get(), &jpegSize, tile.uuid.constData(), &error);
            }
            {
                std::lock_guard<std::mutex> g(marks.lock);
                marks.reading[slot].clear();
            }
            // A read that outlasted the stop's time limit may come back after
            // the manager (and its video adapter) are gone: nothing of them
            // is touched any more.
            if (run.stopRequested())
                return;
            lastOk = false;
            if (error == KVR_ERR_BUSY) {
                busy = true;
                continue;
            }
            // A size beyond the buffer is a broken answer, not a frame.
            if (error != 0 || jpegSize == 0 || jpegSize > quint32(kJpegBufferSize) || !adapter)
                continue;

            QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(jpeg.get()), int(jpegSize));
            QBuffer device(&data);
            device.open(QIODevice::ReadOnly);
            QImageReader reader(&device, "jpg");
            QSize full = reader.size();
            if (!full.isValid() || full.isEmpty())
                continue;
            if (layout == 0) {
                // A single camera is shown at the size it sends, within bounds.
                const QSize target = full.boundedTo(QSize(kMaxCanvasSide, kMaxCanvasSide));
                if (target != tile.rect.size()) {
                    tile.rect = QRect(QPoint(0, 0), target);
                    std::lock_guard<std::mutex> g(m_canvasLock);
                    m_canvas = QImage(target, QImage::Format_ARGB32);
                    m_canvas.fill(kTileGrey);
                }
            }
            const QSize scaled = full.scaled(tile.rect.size(), Qt::KeepAspectRatio);
            if (scaled.isEmpty())
                continue;
            // Decoding near the tile's size lets the decoder skip most of the
            // work; the rest is a fast scale while painting.
            const QSize decoded = decodeSize(full, scaled);
            if (decoded != full)
                reader.setScaledSize(decoded);
            QImage frame = reader.read();
            if (frame.isNull())
                continue;
            if (frame.format() != QImage::Format_RGB32 && frame.format() != QImage::Format_ARGB32)
                frame = frame.convertToFormat(QImage::Format_RGB32);
            lastOk = true;
            const int left = tile.rect.x() + (tile.rect.width() - scaled.width()) / 2;
            const int top = tile.rect.y() + (tile.rect.height() - scaled.height()) / 2;
            QSize canvasSize;
            {
                std::lock_guard<std::mutex> g(m_canvasLock);
                paintFrame(m_canvas, tile.rect, frame, scaled, left, top);
                canvasSize = m_canvas.size();
            }
            const QRect painted(left, top, scaled.width(), scaled.height());
            fractions = fractionsOf(painted, canvasSize);
            setPaintSize(tile.uuid, painted);
            if (!isSelected)
                continue;
            {
                std::lock_guard<std::mutex> g(m_histogramLock);
                m_histogram = histogram;
                m_histogramSize = histogramSize;
            }
            if (postureSize != 0)
                setPosture(posture.posture);
            if (levelSize != 0) {
                setPitch(level.pitch);
                setRoll(level.roll);
            }
            offerSelectedPaintSize(fractions);
        }
        // The output shows at most ~30 pictures a second: with several fetch
        // threads, a canvas handed over moments ago by another one is not
        // copied again.
        if (adapter && handOverDue()) {
            std::lock_guard<std::mutex> g(m_canvasLock);
            if (layout != 0)
                adapter->SetPaintOffset(0, 0, 1, 1);
            else if (lastOk)
                adapter->SetPaintOffset(fractions.x(), fractions.y(), fractions.width(), fractions.height());
            adapter->SetImage(m_canvas.constBits(), int(m_canvas.sizeInBytes()), m_canvas.width(), m_canvas.height(),
                              int(m_canvas.bytesPerLine()), m_canvas.format());
        }
        const qint64 spent = cycle.elapsed();
        if (spent < kCycleMs && run.waitForStop(std::chrono::milliseconds(busy ? kBusyRepollMs : kCycleMs - spent)))
            break;
    }
}

bool LiveViewManager::handOverDue()
{
    const qint64 now = m_clock.elapsed();
    qint64 last = m_lastHandOverMs.load();
    while (now - last >= kHandOverGapMs) {
        if (m_lastHandOverMs.compare_exchange_weak(last, now))
            return true;
    }
    return false;
}

void LiveViewManager::setPaintSize(const QByteArray &uuid, const QRect &painted)
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    for (auto &c : m_cameras) {
        if (c.uuid != uuid)
            continue;
        c.x = quint32(painted.x());
        c.y = quint32(painted.y());
        c.w = quint32(painted.width());
        c.h = quint32(painted.height());
    }
}

std::vector<QRect> LiveViewManager::paintedRects() const
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    std::vector<QRect> result;
    for (const auto &c : m_cameras)
        result.emplace_back(int(c.x), int(c.y), int(c.w), int(c.h));
    return result;
}

int LiveViewManager::hitTest(int x, int y, bool listIndex) const
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    const Layout layout = layoutFor(m_pageMode, m_splitMode, int(m_cameras.size()));
    const auto [first, last] = shownRange(Get1PageMaxDevNum(layout.id));
    for (int i = first; i < last; ++i) {
        const auto &c = m_cameras[size_t(i)];
        const qint64 px = x, py = y;
        if (qint64(c.x) <= px && px <= qint64(c.x) + c.w && qint64(c.y) <= py && py <= qint64(c.y) + c.h)
            return listIndex ? i : c.devIndex;
    }
    return -1;
}

int LiveViewManager::getCameraDevIndex(int x, int y) const
{
    return hitTest(x, y, false);
}

int LiveViewManager::getCameraListIndex(int x, int y) const
{
    return hitTest(x, y, true);
}

QString LiveViewManager::getCameraListUUID(int listIndex) const
{
    std::lock_guard<std::recursive_mutex> g(m_listLock);
    if (listIndex < 0 || size_t(listIndex) >= m_cameras.size())
        return {};
    return QString::fromUtf8(m_cameras[size_t(listIndex)].uuid);
}

void LiveViewManager::GetSelectedDevHistgram(_tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *out) const
{
    if (!out)
        return;
    std::lock_guard<std::mutex> g(m_histogramLock);
    *out = m_histogram;
}

QImage LiveViewManager::canvasCopy() const
{
    std::lock_guard<std::mutex> g(m_canvasLock);
    return m_canvas.copy();
}

} // namespace kavrotether
