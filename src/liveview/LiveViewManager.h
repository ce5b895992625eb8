#pragma once

#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <deque>
#include <memory>
#include <vector>

class QMutex;
struct _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM;

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

// Drives live view of one or several cameras.
class LiveViewManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(LiveViewStatus videoImageStatus READ videoImageStatus NOTIFY videoImageStatusChanged)
public:
    enum LiveViewStatus : int { VIS_Stop = 0, VIS_Start = 1, VIS_Pause = 2 };
    Q_ENUM(LiveViewStatus)

    explicit LiveViewManager(QObject *parent = nullptr);
    ~LiveViewManager() override;

    static int Get1PageMaxDevNum(int splitMode);

    LiveViewStatus videoImageStatus() const;
    bool IsLiveViewWorking() const;
    void SetVideoAdapter(VideoAdapter *adapter);
    void SetCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode);
    void SetSelectedCameraUUID(const _MULTIVIEW_DEVICE_PARAM &camera);
    // Start, stop and camera-list changes while running are queued for the
    // command thread, which alone talks to the cameras; the status changes
    // at once so the interface can follow.
    void StartLiveAsync();
    void StopLiveAsync();
    void UpdateCameraUUID(const std::vector<_MULTIVIEW_DEVICE_PARAM> &cameras, _VIEW_SPLIT_MODE mode);
    void ForceStop();

    // ---- page selection (called by DeviceAdapter's view port) ----
    // Shows page `page` of the camera list in `mode`; enable false turns
    // page mode off.
    void SetViewPage(bool enable, _VIEW_SPLIT_MODE mode, int page);
    bool IsViewPageEnable() const;
    // ---- end page selection ----

    // Commands not yet taken by the command thread, oldest first.
    enum class Command { Start, Stop, Update };
    std::vector<Command> pendingCommands() const;

    // ---- histogram hand-over (placeholder until the live-view fetch work lands) ----
    // Copies the selected camera's latest histogram record; all zero while
    // no fetch work keeps one.
    void GetSelectedDevHistgram(_tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *out);
    // ---- end histogram hand-over ----

signals:
    void videoImageStatusChanged();

private:
    struct QueuedCommand
    {
        Command command;
        std::vector<_MULTIVIEW_DEVICE_PARAM> cameras; // Update only
        _VIEW_SPLIT_MODE mode = VIEW_SPLIT_SINGLE;    // Update only
    };

    void setStatus(LiveViewStatus status);
    void queueCommand(QueuedCommand command);

    mutable QRecursiveMutex m_lock;
    LiveViewStatus m_status = VIS_Stop;
    VideoAdapter *m_videoAdapter = nullptr;
    std::vector<_MULTIVIEW_DEVICE_PARAM> m_cameras;
    _MULTIVIEW_DEVICE_PARAM m_selected;
    bool m_pageMode = false;
    _VIEW_SPLIT_MODE m_splitMode = VIEW_SPLIT_SINGLE;
    int m_pageIndex = 0;
    // The command thread that runs these arrives with the live-view fetch
    // work; until then commands wait here and no fetch work ever runs.
    std::deque<QueuedCommand> m_commands;
};

} // namespace kavrotether
