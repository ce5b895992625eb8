#include "LiveViewManager.h"

#include "Kvrptpif.h"

#include <QMutexLocker>

namespace kavrotether {

LiveViewManager::LiveViewManager(QObject *parent) : QObject(parent) {}

LiveViewManager::~LiveViewManager() = default;

int LiveViewManager::Get1PageMaxDevNum(int splitMode)
{
    static constexpr int perPage[] = {1, 2, 4, 6, 9, 12, 12};
    return (splitMode >= 1 && splitMode <= 6) ? perPage[splitMode] : 1;
}

LiveViewManager::LiveViewStatus LiveViewManager::videoImageStatus() const
{
    QMutexLocker g(&m_lock);
    return m_status;
}

bool LiveViewManager::IsLiveViewWorking() const
{
    // No fetch work exists until live view is started by its command thread.
    return false;
}

void LiveViewManager::SetVideoAdapter(VideoAdapter *adapter)
{
    QMutexLocker g(&m_lock);
    m_videoAdapter = adapter;
}

void LiveViewManager::SetCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode)
{
    QMutexLocker g(&m_lock);
    m_cameras = cameras;
    m_pageMode = !cameras.empty() && mode != VIEW_SPLIT_12_NOPAGE;
    if (m_pageMode)
        m_splitMode = mode;
    m_pageIndex = 0;
}

void LiveViewManager::SetSelectedCameraUUID(const _MULTIVIEW_DEVICE_PARAM &camera)
{
    QMutexLocker g(&m_lock);
    for (const auto &c : m_cameras) {
        if (c.uuid == camera.uuid) {
            m_selected = c;
            return;
        }
    }
    m_selected = camera;
}

void LiveViewManager::StartLiveAsync()
{
    bool noCamera;
    {
        QMutexLocker g(&m_lock);
        noCamera = m_cameras.empty();
    }
    setStatus(noCamera ? VIS_Pause : VIS_Start);
    queueCommand({Command::Start, {}, VIEW_SPLIT_SINGLE});
}

void LiveViewManager::StopLiveAsync()
{
    setStatus(VIS_Stop);
    queueCommand({Command::Stop, {}, VIEW_SPLIT_SINGLE});
}

void LiveViewManager::UpdateCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode)
{
    QMutexLocker g(&m_lock);
    // Only the newest camera list matters: an update still waiting is replaced.
    for (auto it = m_commands.begin(); it != m_commands.end();) {
        if (it->command == Command::Update)
            it = m_commands.erase(it);
        else
            ++it;
    }
    m_commands.push_back({Command::Update, cameras, mode});
}

void LiveViewManager::queueCommand(QueuedCommand command)
{
    QMutexLocker g(&m_lock);
    m_commands.push_back(std::move(command));
}

std::vector<LiveViewManager::Command> LiveViewManager::pendingCommands() const
{
    QMutexLocker g(&m_lock);
    std::vector<Command> result;
    result.reserve(m_commands.size());
    for (const auto &c : m_commands)
        result.push_back(c.command);
    return result;
}

void LiveViewManager::ForceStop()
{
    {
        QMutexLocker g(&m_lock);
        m_commands.clear();
    }
    setStatus(VIS_Stop);
}

// ---- page selection ----
// Until the fetch threads arrive nothing is painted: the page is only kept.
void LiveViewManager::SetViewPage(bool enable, _VIEW_SPLIT_MODE mode, int page)
{
    QMutexLocker g(&m_lock);
    m_pageMode = enable;
    m_splitMode = mode;
    m_pageIndex = page < 0 ? 0 : page;
}

bool LiveViewManager::IsViewPageEnable() const
{
    QMutexLocker g(&m_lock);
    return m_pageMode;
}

// ---- end page selection ----

void LiveViewManager::setStatus(LiveViewStatus status)
{
    {
        QMutexLocker g(&m_lock);
        m_status = status;
    }
    emit videoImageStatusChanged();
}

// ---- histogram hand-over (placeholder until the live-view fetch work lands) ----
void LiveViewManager::GetSelectedDevHistgram(_tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *out)
{
    if (out)
        *out = KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM{};
}
// ---- end histogram hand-over ----

} // namespace kavrotether
