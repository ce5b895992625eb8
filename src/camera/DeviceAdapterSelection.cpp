// DeviceAdapter: switching the selected camera and handing the cameras to
// live view.

#include "DeviceAdapter.h"

#include <QThread>

#include <algorithm>

#include "DeviceAdapterCallback.h"

namespace kavrotether {

namespace {

bool skipsLiveView(quint16 status)
{
    switch (status) {
    case Utilities::CamStatus_MovRec_Others:
    case Utilities::CamStatus_Playing:
    case Utilities::CamStatus_Processing:
    case Utilities::CamStatus_IP_LiveStreaming:
    case Utilities::CamStatus_LiveStreamingRemoteRec:
        return true;
    default:
        return false;
    }
}

} // namespace

bool DeviceAdapter::CreateMultiviewParam(const QString &uuid, _MULTIVIEW_DEVICE_PARAM *param)
{
    if (!param)
        return false;
    CameraInfo c;
    if (!cameraInfoByUuid(uuid, &c))
        return false;
    param->uuid = uuid.toLocal8Bit();
    param->devIndex = c.devIndex;
    {
        QMutexLocker g(&d->deviceMutexMapLock);
        const auto it = d->deviceMutexMap.constFind(uuid);
        param->devMutex = it != d->deviceMutexMap.constEnd() ? *it : nullptr;
    }
    param->cameraStatus = c.cameraStatus;
    param->tetherModeStatus = c.tetherModeStatus;
    param->skip = skipsLiveView(c.cameraStatus) ? 1 : (c.powerOnMode != 0 ? 0 : 1);
    return true;
}

std::vector<_MULTIVIEW_DEVICE_PARAM> DeviceAdapter::multiviewPageCameras()
{
    const int perPage = LiveViewManager::Get1PageMaxDevNum(d->liveviewMultiPageMode.load());
    const int connected = cameraTableCount();
    // With no camera connected the page ends below the first one; the next
    // count starts from the first page again, or that page would keep every
    // later multi view empty once cameras are back.
    int page = std::max(d->multiviewPage.load(), 0);
    while (page >= 0 && page * perPage >= connected)
        --page;
    d->multiviewPage.store(page);
    std::vector<_MULTIVIEW_DEVICE_PARAM> out;
    if (page < 0)
        return out;
    int running = 0;
    const QStringList saved = d->savedCameraList.serials();
    for (const QString &serial : saved) {
        QString uuid;
        withCameraTable([&](QMap<QString, CameraInfo> &table) {
            for (auto it = table.cbegin(); it != table.cend(); ++it)
                if (it->serialNo == serial && it->liveViewEnable != 0) {
                    uuid = it.key();
                    break;
                }
        });
        if (uuid.isEmpty())
            continue;
        if (running >= page * perPage && running < (page + 1) * perPage) {
            _MULTIVIEW_DEVICE_PARAM p;
            if (CreateMultiviewParam(uuid, &p))
                out.push_back(p);
        }
        ++running;
    }
    return out;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Select_Device_Start(int dev_index)
{
    const bool queued = withCallbackReceiver([&](DeviceAdapterCallback &receiver) {
        receiver.pushArgumentLast(WorkerCommandCode::SelectDevice, quint32(dev_index), QString());
    });
    return Utilities::ternaryOf(queued);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Select_Device(int dev_index)
{
    const bool liveView = d->liveViewOn.load();
    if (liveView && !camera_list_get_selected_camera_uuid().isEmpty() && !isMultiviewMode()) {
        adp_KVR_func_api_Ctrl_LiveView_Stop();
        d->liveViewOn.store(true);
        if (connectionType() == kConnectionUsb)
            waitForLiveViewStop();
    }
    QString uuid;
    withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it->devIndex == dev_index) {
                uuid = it.key();
                break;
            }
        if (!uuid.isEmpty())
            setCameraInfoOfSelectedCamera(uuid);
    });
    setIsCamerasConnected(true);
    emit switchCameraNotify(dev_index);

    // Multi view already shows every camera, whether or not it runs: the
    // selected one has nothing of its own to start.
    const bool start = (liveView || m_videoSource.getVideoOutVisibleStatus()) && !isMultiviewMode();
    if (!start)
        return Utilities::Ternary_True;
    if (camSupportPowerSaving() && pwTetherConnectMode() != Utilities::PwTether_ON) {
        setLiveviewPause();
        return Utilities::Ternary_True;
    }
    adp_KVR_func_api_Ctrl_LiveView_Start();
    adp_KVR_func_api_LiveView_Str_Get_Recom_Img_Start();
    adp_KVR_func_api_LiveView_Str_Get_Trans_Img_Start();
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Ctrl_LiveView_Start()
{
    std::vector<_MULTIVIEW_DEVICE_PARAM> set;
    _VIEW_SPLIT_MODE mode = VIEW_SPLIT_12_NOPAGE;
    const QString selected = camera_list_get_selected_camera_uuid();
    if (!isMultiviewMode()) {
        CameraInfo c;
        const bool known = cameraInfoByUuid(selected, &c);
        if (known && c.cameraStatus != Utilities::CamStatus_IP_LiveStreaming
            && c.cameraStatus != Utilities::CamStatus_LiveStreamingRemoteRec && c.powerOnMode != 0) {
            _MULTIVIEW_DEVICE_PARAM p;
            CreateMultiviewParam(selected, &p);
            if (p.skip) {
                setLiveviewPause();
                d->liveViewOn.store(true);
                return Utilities::Ternary_True;
            }
            set.push_back(p);
        }
    } else {
        set = multiviewPageCameras();
        mode = _VIEW_SPLIT_MODE(qBound(0, d->liveviewMultiPageMode.load(), int(VIEW_SPLIT_12_NOPAGE)));
    }
    m_liveViewManager.SetCameraUUID(set, mode);
    _MULTIVIEW_DEVICE_PARAM p;
    if (CreateMultiviewParam(selected, &p)) {
        m_liveViewManager.SetSelectedCameraUUID(p);
        m_liveViewManager.SetVideoAdapter(&m_videoSource);
        m_liveViewManager.StartLiveAsync();
    }
    d->liveViewOn.store(true);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Ctrl_LiveView_Stop()
{
    m_liveViewManager.StopLiveAsync();
    d->liveViewOn.store(false);
    return Utilities::Ternary_True;
}

void DeviceAdapter::setLiveviewPause()
{
    const auto status = m_liveViewManager.videoImageStatus();
    if (status == LiveViewManager::VIS_Pause)
        return;
    if (status != LiveViewManager::VIS_Stop)
        m_liveViewManager.StopLiveAsync();
    m_liveViewManager.SetCameraUUID({}, VIEW_SPLIT_12_NOPAGE);
    m_liveViewManager.SetVideoAdapter(&m_videoSource);
    m_liveViewManager.StartLiveAsync();
}

void DeviceAdapter::updateLiveviewSelectCamera()
{
    if (!m_videoSource.getVideoOutVisibleStatus() || !isMultiviewMode())
        return;
    const auto mode = _VIEW_SPLIT_MODE(qBound(0, d->liveviewMultiPageMode.load(), int(VIEW_SPLIT_12_NOPAGE)));
    m_liveViewManager.UpdateCameraUUID(multiviewPageCameras(), mode);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_LiveView_data_Start()
{
    const bool queued = withCallbackReceiver([](DeviceAdapterCallback &receiver) {
        receiver.pushArgumentCheck(WorkerCommandCode::LiveViewData, 0, QString());
    });
    return Utilities::ternaryOf(queued);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_LiveView_data()
{
    const int status = camConnectStatus();
    if (!d->liveViewOn.load() || status == Utilities::CamConnectSts_Connecting
        || status == Utilities::CamConnectSts_GetData || status == Utilities::CamConnectSts_GetDataBackground)
        return Utilities::Ternary_False;
    const QByteArray uuid = camera_list_get_selected_camera_uuid().toLocal8Bit();
    QMutexLocker g(&liveViewMutex);
    auto &f = d->liveViewFrame;
    const int n = f.nextBuffer;
    if (f.jpeg[std::size_t(n)].size() != f.kJpegCapacity)
        f.jpeg[std::size_t(n)].assign(f.kJpegCapacity, 0);
    uint32_t histogramSize = sizeof f.histogram;
    uint32_t postureSize = sizeof f.posture;
    uint32_t levelSize = sizeof f.level;
    uint32_t jpegSize = f.kJpegCapacity;
    uint32_t err = 0;
    f.result = KVR_func_api_Get_LiveView_data(&f.histogram, &histogramSize, &f.posture, &postureSize, &f.level,
                                              &levelSize, f.jpeg[std::size_t(n)].data(), &jpegSize, uuid.constData(),
                                              &err);
    // Sizes are the SDK's word: never more than the buffers hold.
    f.histogramSize = qMin<quint32>(histogramSize, sizeof f.histogram);
    f.postureSize = qMin<quint32>(postureSize, sizeof f.posture);
    f.levelSize = qMin<quint32>(levelSize, sizeof f.level);
    f.jpegSize[std::size_t(n)] = f.result == 1 ? qMin<quint32>(jpegSize, f.kJpegCapacity) : 0;
    f.nextBuffer = 1 - n;
    if (f.result != 1)
        f.error = err;
    setLiveViewData();
    return Utilities::ternaryOf(f.result == 1);
}

void DeviceAdapter::setLiveViewData()
{
    // Called with liveViewMutex held: histogram, its size, posture, its size,
    // level, its size, the two JPEG buffers and their sizes, the buffer
    // filled last, the result and the error code.
    auto &f = d->liveViewFrame;
    const int filled = 1 - f.nextBuffer;
    liveViewBuffers = {{quintptr(&f.histogram), f.histogramSize, quintptr(&f.posture), f.postureSize,
                        quintptr(&f.level), f.levelSize, quintptr(f.jpeg[0].data()), f.jpegSize[0],
                        quintptr(f.jpeg[1].data()), f.jpegSize[1], quintptr(filled), f.result, f.error}};
}

} // namespace kavrotether
