#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QRecursiveMutex>
#include <QString>

#include <array>
#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <thread>

#include "DeviceAdapterData.h"
#include "DeviceAdapterProperties.h"
#include "DeviceSearch.h"
#include "SearchCameraListItemObject.h"
#include "Kvrptpif.h"
#include "core/Utilities.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"

class QThread;

namespace kavrotether {

class CustomDialog;
class DeviceAdapterCallback;

// Capability and status reads the interface queues for the selected camera.
// X(enqueuer, command code)
#define KAVRO_DA_READ_ENQUEUERS(X)                                                        \
    X(adp_KVR_func_api_CameraMode_GetCapability_Start, 0xFFFF0201)                        \
    X(adp_KVR_func_api_RecInfo_BurstBracket_GetCapability_Start, 0xFFFF0202)              \
    X(adp_KVR_func_api_RecInfo_SelfTimer_GetCapability_Start, 0xFFFF0203)                 \
    X(adp_KVR_func_api_IntervalInfo_GetCapability_Start, 0xFFFF0204)                      \
    X(adp_KVR_func_api_RecInfo_4K6K_GetCapability_Start, 0xFFFF0205)                      \
    X(adp_KVR_func_api_SetupCfgInfo_GetCapability_Start, 0xFFFF0206)                      \
    X(adp_KVR_func_api_SetupFilesCfgInfo_GetCapability_Start, 0xFFFF0207)                 \
    X(adp_KVR_func_api_Mov_Config_GetCapability_Start, 0xFFFF0208)                        \
    X(adp_KVR_func_api_Aperture_GetCapability_Start, 0xFFFF0209)                          \
    X(adp_KVR_func_api_SS_Get_Capability_Start, 0xFFFF020A)                               \
    X(adp_KVR_func_api_WB_GetCapability_Start, 0xFFFF020B)                                \
    X(adp_KVR_func_api_ISO_GetCapability_Start, 0xFFFF020C)                               \
    X(adp_KVR_func_api_ImageInfo_GetCapability_Start, 0xFFFF020D)                         \
    X(adp_KVR_func_api_AF_Config_GetCapability_Start, 0xFFFF020E)                         \
    X(adp_KVR_func_api_RecInfo_Metering_GetCapability_Start, 0xFFFF020F)                  \
    X(adp_KVR_func_api_Exposure_GetCapability_Start, 0xFFFF0210)                          \
    X(adp_KVR_func_api_PhotoStyle_GetCapability_Start, 0xFFFF0211)                        \
    X(adp_KVR_func_api_RecPreview_Cfg_GetCapability_Start, 0xFFFF0212)                    \
    X(adp_KVR_func_api_RecInfo_AF_Frame_GetCapability_Start, 0xFFFF0213)                  \
    X(adp_KVR_func_api_AFMF_Cfg2_GetCapability_Start, 0xFFFF0214)                         \
    X(adp_KVR_func_api_Strobe_GetCapability_Start, 0xFFFF0215)                            \
    X(adp_KVR_func_api_Strobe2_GetCapability_Start, 0xFFFF0216)                           \
    X(adp_KVR_func_api_GetBatteryInfo_Start, 0xFFFF0217)                                  \
    X(adp_KVR_func_api_GetCameraStatus_Start, 0xFFFF0218)                                 \
    X(adp_KVR_func_api_GetElapsedInMovieRec_Start, 0xFFFF0219)                            \
    X(adp_KVR_func_api_GetStatusOfCards_Start, 0xFFFF021A)                                \
    X(adp_KVR_func_api_GetDetailedFreeSpaces_Start, 0xFFFF021B)                           \
    X(adp_KVR_func_api_Get_AFAE_DisplayState_Start, 0xFFFF021C)                           \
    X(adp_KVR_func_api_WB_GetParam_Start, 0xFFFF021D)                                     \
    X(adp_KVR_func_api_WB_Get_KSet_Start, 0xFFFF021E)                                     \
    X(adp_KVR_func_api_WB_Get_ADJ_AB_Start, 0xFFFF021F)                                   \
    X(adp_KVR_func_api_WB_Get_ADJ_GM_Start, 0xFFFF0220)                                   \
    X(adp_KVR_func_api_WB_Get_ADJ_AB_Sep_Start, 0xFFFF0221)                               \
    X(adp_KVR_func_api_GetAFInfo_Start, 0xFFFF0222)                                       \
    X(adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame_Start, 0xFFFF0224)                \
    X(adp_KVR_func_api_Get_AFC_StartPositionState_Start, 0xFFFF0225)                      \
    X(adp_KVR_func_api_Mov_Filter_GetCapability_Start, 0xFFFF0226)                        \
    X(adp_KVR_func_api_PhotoStyle2_GetCapability_Start, 0xFFFF0227)                       \
    X(adp_KVR_func_api_Get_Rec_Info_Start, 0xFFFF022A)                                    \
    X(adp_KVR_func_api_Get_WB_Info_Start, 0xFFFF022B)                                     \
    X(adp_KVR_func_api_Get_NoiseReduction_RemainingTime_Start, 0xFFFF0304)                \
    X(adp_KVR_func_api_PowerSaving_GetCapability_Start, 0xFFFF0305)                       \
    X(adp_KVR_func_api_Get_HDMI_SDI_Status_Start, 0xFFFF0308)                             \
    X(adp_KVR_func_api_Get_Shot_Mode_Status_Start, 0xFFFF030C)

// The camera-facing object: its properties mirror the selected camera. The
// implementation is split by share: DeviceAdapter.cpp (the object itself),
// DeviceAdapterConnection.cpp, DeviceAdapterEvents.cpp.
class DeviceAdapter : public QObject
{
    Q_OBJECT
    // --- Utilities keys through Kv.DeviceAdapter (keep this block whole) ---
    // QML resolves Kv.DeviceAdapter.<key> in this class's enumerations and in those of
    // the classes moc lists as related; moc lists a class there when a property's
    // type is scoped by it and it has seen that class (hence the include).
    Q_PROPERTY(kavrotether::Utilities::Ternary vocabulary READ vocabulary CONSTANT)
public:
    kavrotether::Utilities::Ternary vocabulary() const { return kavrotether::Utilities::Ternary_Unknown; }
    // --- end of block ---
    Q_PROPERTY(kavrotether::VideoAdapter *videoSource READ videoSource NOTIFY videoSourceChanged)
    Q_PROPERTY(kavrotether::LiveViewManager *liveViewManager READ liveViewManager NOTIFY liveViewManagerChanged)
    Q_PROPERTY(QObject *deviceSearch READ deviceSearch NOTIFY deviceSearchChanged)
#define KAVRO_DA_DECLARE_PROPERTY(type, name, Name, emitRule)                 \
    Q_PROPERTY(type name READ name NOTIFY name##Changed)
    KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DECLARE_PROPERTY)
#undef KAVRO_DA_DECLARE_PROPERTY

public:
    using CameraInfo = kavrotether::CameraInfo;

    // Holds one camera's lock for its life, and only while the connection is
    // a network one; remembers whether it locked, so the unlock always
    // matches even when the connection type changes in between. The lock
    // object stays alive while held, even if the camera goes meanwhile. An
    // empty UUID means the selected camera.
    class DeviceLock
    {
    public:
        DeviceLock(DeviceAdapter &adapter, const QString &uuid);
        ~DeviceLock();
        DeviceLock(const DeviceLock &) = delete;
        DeviceLock &operator=(const DeviceLock &) = delete;
        bool isLocked() const { return m_locked; }

    private:
        std::shared_ptr<QMutex> m_mutex;
        bool m_locked = false;
    };

    explicit DeviceAdapter(QObject *parent = nullptr);
    ~DeviceAdapter() override;

    bool event(QEvent *e) override;

    VideoAdapter *videoSource() { return &m_videoSource; }
    VideoAdapter *videoAdapter() { return &m_videoSource; }
    LiveViewManager *liveViewManager() { return &m_liveViewManager; }
    DeviceSearch *deviceSearch() { return &m_deviceSearch; }

    DeviceAdapterData &dataBlock() { return *d; }

#define KAVRO_DA_DECLARE_ACCESSORS(type, name, Name, emitRule)                \
    type name() const;                                                         \
    void set##Name##Value(type value);
    KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DECLARE_ACCESSORS)
#undef KAVRO_DA_DECLARE_ACCESSORS
    void setIsCamerasConnected(bool value) { setIsCamerasConnectedValue(value); }

    // ---- connection (DeviceAdapterConnection.cpp) ----
    void camera_list_load_setting_file();
    void ptpip_enhance_security_load_pw_list();
    void ptpip_enhance_security_show_input_password_dialog();

    Q_INVOKABLE int adp_KVR_func_api_Init();
    Q_INVOKABLE int adp_KVR_func_api_Finish();
    // Shutdown after the event loop: the QML normally finishes the SDK itself,
    // but a loop that ended some other way must not leave it running.
    void finishSdkIfInitialised();

    // Creates the event receiver and its thread once and starts the worker.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Reg_NotifyCallback();
    // Asks the event worker to stop and waits (bounded) until it has left.
    Q_INVOKABLE void stopCallbackThread();
    // The receiver as it is now; a thread other than the GUI thread uses it
    // only through withCallbackReceiver, which keeps it from going meanwhile.
    DeviceAdapterCallback *callbackReceiverObject() const;
    // Runs f(DeviceAdapterCallback&) while the receiver cannot be taken away;
    // false (f not run) when there is none. f only pushes: it must not call a
    // handler, the SDK or anything that waits for the worker.
    template<typename F>
    bool withCallbackReceiver(F &&f);
    // Gives the adapter a receiver that no worker thread drains, so that the
    // caller steps the queue itself (runOne). Only while none is registered;
    // the caller keeps ownership and detaches (null) before deleting it.
    bool attachCallbackReceiver(DeviceAdapterCallback *receiver);

    QString camera_list_get_selected_camera_uuid() const;
    void setSelectedCameraUuid(const QString &uuid);
    bool isMultiviewMode() const;
    bool isFwupProcessing() const;
    QString getFwupProcessingUUID() const;
    void setDisconnectInFwup(bool on);

    // Per-camera locks, one per connected camera UUID.
    QMutex *getOrCreateDeviceMutex(const QString &uuid);
    void deleteDeviceMutex(const QString &uuid);
    void dev_mutex_delete_all();
    bool hasDeviceMutex(const QString &uuid);

    // The camera table, walked and changed only under its lock.
    static constexpr int kMaxCameras = 12;
    // Refuses a thirteenth camera; replacing a camera already there is fine.
    bool addCameraToTable(const QString &uuid, const CameraInfo &info);
    bool removeCameraFromTable(const QString &uuid);
    int cameraTableCount();
    bool cameraInfoByUuid(const QString &uuid, CameraInfo *out);
    QStringList cameraTableUuids();
    // Runs f(QMap<QString, CameraInfo>&) with the table locked.
    template<typename F>
    auto withCameraTable(F &&f);

    // ---- events (DeviceAdapterEvents.cpp) ----
    // Queues a command for the event worker; Ternary_False while there is no
    // receiver, otherwise Ternary_True (also when an equal item waits).
    Utilities::Ternary enqueueCommand(quint32 code, quint32 param = 0, const QString &uuid = QString());
#define KAVRO_DA_DECLARE_ENQUEUER(name, code) Q_INVOKABLE kavrotether::Utilities::Ternary name();
    KAVRO_DA_READ_ENQUEUERS(KAVRO_DA_DECLARE_ENQUEUER)
#undef KAVRO_DA_DECLARE_ENQUEUER

signals:
    void operateDeviceAdapterCallback();
    void videoSourceChanged();
    void liveViewManagerChanged();
    void deviceSearchChanged();
#define KAVRO_DA_DECLARE_SIGNAL(type, name, Name, emitRule) void name##Changed(type value);
    KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DECLARE_SIGNAL)
#undef KAVRO_DA_DECLARE_SIGNAL

private:
    VideoAdapter m_videoSource;
    LiveViewManager m_liveViewManager;
    std::unique_ptr<DeviceAdapterData> d;

public:
    // The global SDK lock: SDK calls that name no camera.
    QMutex sdkMutex;
    // Around the read of one live-view frame.
    QMutex liveViewMutex;

private:
    // Held across "look at the receiver, push to it", so that shutdown cannot
    // free the receiver between the two. Nothing but the queue mutex is taken
    // under it.
    mutable QMutex callbackReceiverLock;
    DeviceAdapterCallback *callbackReceiver = nullptr;
    QThread *callbackThread = nullptr;

public:
    // Addresses and sizes handed over by the last live-view frame read.
    std::array<quintptr, 13> liveViewBuffers{};
    // The network password dialog while it is shown.
    QObject *passwordDialog = nullptr;
    // Switches between single and multi-camera live view within 3 s of
    // this are ignored.
    std::chrono::steady_clock::time_point lastLiveViewModeSwitch;

private:
    DeviceSearch m_deviceSearch;

public:
    // The network connect thread and what it works on.
    std::thread connectThread;
    QRecursiveMutex foundDeviceMutex;
    std::deque<_tag_KVR_PTPIP_CONNECT_DEVICE_INFO> foundDeviceQueue;
    std::atomic<bool> connectThreadStop{false};
    std::atomic<bool> connectThreadFinished{false};

    // ---- custom dialog (DeviceAdapterDialogs.cpp) ----
public:
    // Opens the back end's confirmation / result window unless one is open.
    void trigger_window_dialog(Utilities::DialogType type, Utilities::IconType icon,
                               bool isNoBtnFocus);
    // The open dialog was answered with Yes.
    void customDialogOnAccepted();
    // The open dialog has closed; it deletes itself.
    void deleteCustomDialogObj();
signals:
    void customDialogPowerSavingOnAcceptedSignal();
    void customDialogFWOnAcceptedSignal();
private:
    // Guarded: the dialog deletes itself, so the reference may not outlive it.
    QPointer<CustomDialog> m_customDialog;
    // ---- end custom dialog ----

private:
    bool m_sdkInitialised = false;

    // ---- device search (DeviceAdapterSearch.cpp) ----
    Q_PROPERTY(QList<QObject *> searchList READ searchList NOTIFY searchListChanged)
public:
    // Enumerates the USB cameras into the search list. With trylock a busy
    // SDK lock answers Ternary_True at once and changes nothing.
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetPnPDeviceInfo(bool trylock = false);
    // Hands the items to the GUI thread for deletion (the interface may be
    // showing them while a search thread clears the list).
    void ClearSearchList();
    bool GetUSBDevFriendlyName(const KVR_DEVINFO *record, const wchar_t *devicePath, QString *name);
    // Takes ownership; inserts in the order of the saved camera list.
    void AddSortSearchList(SearchCameraListItemObject *item);
    QList<QObject *> searchList();
    int searchListCount();
signals:
    void searchListChanged();
    // ---- end device search ----

    // ---- firmware update and camera queries (DeviceAdapterFirmware.cpp) ----
public:
    Q_PROPERTY(kavrotether::Utilities::AFFrameColor afFrameColor READ afFrameColor NOTIFY afFrameColorChanged)
    Q_INVOKABLE bool adp_KVR_func_api_FirmwareUpdate_start(QString device_uuid, QString path, bool bNeedReset);
    // The event worker's run of a started update; Ternary_True when the
    // camera reported success.
    kavrotether::Utilities::Ternary adp_KVR_func_api_FirmwareUpdate();
    Q_INVOKABLE int getLiveviewDevNum();
    Q_INVOKABLE QStringList checkRestoreCompatible(QString uuid);
    kavrotether::Utilities::AFFrameColor afFrameColor() const;
    void setAfFrameColorValue(kavrotether::Utilities::AFFrameColor value);
signals:
    void firmwareUpdateCompleted();
    void afFrameColorChanged(kavrotether::Utilities::AFFrameColor value);
    // ---- end firmware update and camera queries ----
};

template<typename F>
bool DeviceAdapter::withCallbackReceiver(F &&f)
{
    QMutexLocker g(&callbackReceiverLock);
    if (!callbackReceiver)
        return false;
    f(*callbackReceiver);
    return true;
}

template<typename F>
auto DeviceAdapter::withCameraTable(F &&f)
{
    QMutexLocker g(&d->cameraTableMutex);
    return f(d->cameraTable);
}

} // namespace kavrotether
