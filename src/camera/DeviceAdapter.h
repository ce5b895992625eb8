#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QRecursiveMutex>
#include <QSize>
#include <QString>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

#include "DeviceAdapterData.h"
#include "DeviceAdapterProperties.h"
#include "settings/SettingEvents.def"
#include "settings/SettingMembers.h"
#include "DeviceSearch.h"
#include "SearchCameraListItemObject.h"
#include "WorkerCommands.def"
#include "shooting/ShootingCommands.def"
#include "shooting/AfDataAccessors.def"
#include "settings/SettingWriters.def"
#include "Kvrptpif.h"
#include "core/StopLocks.h"
#include "core/Utilities.h"
#include "core/WorkerThread.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"

namespace kavrotether {

class CustomDialog;
class DeviceAdapterCallback;
class DeviceAdapterTestAccess;

// The camera-facing object: its properties mirror the selected camera. The
// implementation is split by share, one file each (the "----" blocks below
// name theirs):
//  - DeviceAdapter.cpp: the object itself, its teardown and property stores;
//  - connection: DeviceAdapterConnection (SDK start and finish, the stop
//    list, the event worker, camera table and locks), Startup, Search,
//    Sessions, Network, Certificates, Passwords, KnownCameras, DeviceInfo,
//    Selection (selected camera, hand-over to live view);
//  - events and status: DeviceAdapterEvents (enqueuers), Notifications,
//    Status, Dialogs, Firmware, ObjectTransfer;
//  - live view: DeviceAdapterLiveView (modes, pages, overlay values);
//  - settings/: the setting readers, writers, events and setting files;
//  - shooting/: the remote-control commands, AF data and lens zoom.
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
    Q_PROPERTY(kavrotether::VideoAdapter *videoSource READ videoSource WRITE setVideoSource NOTIFY videoSourceChanged)
    Q_PROPERTY(kavrotether::LiveViewManager *liveViewManager READ liveViewManager NOTIFY liveViewManagerChanged)
    Q_PROPERTY(QObject *deviceSearch READ deviceSearch NOTIFY deviceSearchChanged)
// clang-format off
#define KAVRO_DA_DECLARE_PROPERTY(type, name, Name, emitRule)                 \
    Q_PROPERTY(type name READ name NOTIFY name##Changed)
    // clang-format on
    KAVRO_DA_CONNECTION_PROPERTIES(KAVRO_DA_DECLARE_PROPERTY)
    KAVRO_DA_EVENTS_PROPERTIES(KAVRO_DA_DECLARE_PROPERTY)
#undef KAVRO_DA_DECLARE_PROPERTY
// clang-format off
#define KAVRO_DA_DECLARE_WRITABLE_PROPERTY(type, name, Name, emitRule)        \
    Q_PROPERTY(type name READ name WRITE set##Name##Value NOTIFY name##Changed)
    // clang-format on
    KAVRO_DA_SELECTED_CAMERA_PROPERTIES(KAVRO_DA_DECLARE_WRITABLE_PROPERTY)
    KAVRO_DA_SHOOTING_PROPERTIES(KAVRO_DA_DECLARE_WRITABLE_PROPERTY)
#undef KAVRO_DA_DECLARE_WRITABLE_PROPERTY

public:
    using CameraInfo = kavrotether::CameraInfo;
    // A per-camera lock is handed out shared: a lock dropped with its camera
    // lives on while any record or guard still holds it.
    using DeviceMutex = std::shared_ptr<QMutex>;

    // Holds one camera's lock for its life, and only while the connection is
    // a network one; remembers whether it locked, so the unlock always
    // matches even when the connection type changes in between. The lock
    // object stays alive while held, even if the camera goes meanwhile. An
    // empty UUID means the selected camera.
    class DeviceLock
    {
    public:
        DeviceLock(DeviceAdapter &adapter, const QString &uuid);
        // For a step of the close: waits within the close's allowance
        // (StopLocks); given up, the camera must not be called.
        DeviceLock(DeviceAdapter &adapter, const QString &uuid, const char *step);
        ~DeviceLock();
        DeviceLock(const DeviceLock &) = delete;
        DeviceLock &operator=(const DeviceLock &) = delete;
        bool isLocked() const { return m_locked; }
        bool givenUp() const { return m_givenUp; }

    private:
        static DeviceMutex mutexOf(DeviceAdapter &adapter, const QString &uuid);

        DeviceMutex m_mutex;
        bool m_locked = false;
        bool m_givenUp = false;
    };

    explicit DeviceAdapter(QObject *parent = nullptr);
    ~DeviceAdapter() override;

    bool event(QEvent *e) override;

    VideoAdapter *videoSource()
    {
        return &m_videoSource;
    }
    VideoAdapter *videoAdapter()
    {
        return &m_videoSource;
    }
    LiveViewManager *liveViewManager()
    {
        return &m_liveViewManager;
    }
    DeviceSearch *deviceSearch()
    {
        return &m_deviceSearch;
    }

// clang-format off
#define KAVRO_DA_DECLARE_ACCESSORS(type, name, Name, emitRule)                \
    type name() const;                                                         \
    void set##Name##Value(type value);
    // clang-format on
    KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DECLARE_ACCESSORS)
#undef KAVRO_DA_DECLARE_ACCESSORS
    void setIsCamerasConnected(bool value)
    {
        setIsCamerasConnectedValue(value);
    }

    // ---- connection (DeviceAdapterConnection.cpp) ----
    void camera_list_load_setting_file();
    Q_INVOKABLE void ptpip_enhance_security_load_pw_list();
    Q_INVOKABLE void ptpip_enhance_security_show_input_password_dialog();

    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Init();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Finish();
    // Shutdown after the event loop: the QML normally finishes the SDK itself,
    // but a loop that ended some other way must not leave it running.
    void finishSdkIfInitialised();
    // A step of a stop or of the close went on without a lock that a camera
    // call held past the time limit (see StopLocks), and no later step had
    // it: that call may come back at any time.
    bool lockGivenUpAtClose() const
    {
        return m_stopLocks.anyGivenUp();
    }
    // Among them the SDK lock: the SDK may be left unfinished.
    bool sdkLockGivenUpAtClose() const
    {
        return m_stopLocks.givenUp(&sdkMutex);
    }
    // Empties the search list at the program's end, removing the certificates
    // nobody accepted; the entries are the caller's. Waits for the list and
    // the certificate files within the close's allowance: without them it
    // takes nothing and removes nothing.
    QList<SearchCameraListItemObject *> takeSearchListAtEnd();
    // The pictures (camera UUID, an empty one for the selected camera, and
    // object handle) a close leaves unsaved, for its log: "<camera> (object
    // <handle>), ...", a camera named by its individual ID, else its model
    // name, else its UUID. The camera table is waited for within the close's
    // allowance; without it (or without an adapter) the UUIDs name them.
    using PictureAtClose = std::pair<QString, quint32>;
    static QString picturesNamedAtClose(DeviceAdapter *adapter, const std::vector<PictureAtClose> &pictures);

    // Every thread that calls into this adapter or the SDK, stopped in order
    // and joined (bounded): the device search, the network connect thread,
    // the post-connect reader, the event worker, the live-view manager's
    // command and fetch threads, then the stops other owners appended. Runs
    // before the SDK is finished on every closing path; harmless when nothing
    // runs and when run twice. Until the SDK is initialised again none of the
    // adapter's own threads starts.
    void stopBackgroundThreads();
    // Appends an owner's stop (flash, transfer) to that list,
    // after the rows already there. Called on the GUI thread; the stop must
    // be harmless when run twice and when its owner is gone.
    void appendBackgroundStop(const QString &name, std::function<void()> stop);
    // The list's names in the order it runs them.
    QStringList backgroundStopNames() const;

    // Creates the event receiver, starts its worker and registers the SDK
    // callbacks; a second call while one works starts nothing.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Reg_NotifyCallback();
    // Asks the event worker to stop, waits (bounded) until it has left and
    // takes the SDK callbacks away.
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

    Q_INVOKABLE QString camera_list_get_selected_camera_uuid() const;
    void setSelectedCameraUuid(const QString &uuid);
    bool isMultiviewMode() const;
    bool isFwupProcessing() const;
    QString getFwupProcessingUUID() const;
    void setDisconnectInFwup(bool on);

    // Per-camera locks, one per connected camera UUID.
    DeviceMutex getOrCreateDeviceMutex(const QString &uuid);
    void deleteDeviceMutex(const QString &uuid);
    // A camera that was selected but is not kept (no session, table full):
    // closes its session and device and drops its lock, so it is not left busy.
    void releaseUnusedCamera(const QString &uuid);
    // After a USB search added cameras: the list, the live view, the notice.
    void publishSearchedCameras();
    void dev_mutex_delete_all();
    bool hasDeviceMutex(const QString &uuid);

    // The camera table, walked and changed only under its lock.
    static constexpr int kMaxCameras = Utilities::CameraID_Max;
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
    // A read enqueuer's body: queues the command only when the worker has a
    // handler for it, otherwise answers Ternary_Unknown and queues nothing.
    Utilities::Ternary enqueueRead(quint32 code);
#define KAVRO_DA_DECLARE_ENQUEUER_Enqueuer(name) Q_INVOKABLE kavrotether::Utilities::Ternary name();
#define KAVRO_DA_DECLARE_ENQUEUER_Internal(name)
#define KAVRO_DA_DECLARE_ENQUEUER(kind, name, code, handler) KAVRO_DA_DECLARE_ENQUEUER_##kind(name)
    KAVRO_WORKER_COMMANDS(KAVRO_DA_DECLARE_ENQUEUER)
#undef KAVRO_DA_DECLARE_ENQUEUER
#undef KAVRO_DA_DECLARE_ENQUEUER_Internal
#undef KAVRO_DA_DECLARE_ENQUEUER_Enqueuer

signals:
    void videoSourceChanged();
    void liveViewManagerChanged();
    void deviceSearchChanged();
#define KAVRO_DA_DECLARE_SIGNAL(type, name, Name, emitRule) void name##Changed(type value);
    KAVRO_DA_ALL_PROPERTIES(KAVRO_DA_DECLARE_SIGNAL)
#undef KAVRO_DA_DECLARE_SIGNAL

private:
    // Tests reach the state behind the surface through this one seam only.
    friend class DeviceAdapterTestAccess;

    VideoAdapter m_videoSource;
    LiveViewManager m_liveViewManager;
    std::unique_ptr<DeviceAdapterData> d;

    // The global SDK lock: SDK calls that name no camera.
    QMutex sdkMutex;
    // The locks the steps of a stop or of the close take on the interface's
    // thread, with one allowance for all of them until the SDK is initialised
    // again. A step that gets no SDK lock does not call the SDK, one that
    // gets no camera lock does not call that camera.
    StopLocks m_stopLocks;
    std::unique_lock<QMutex> lockSdkForStop(const char *step);
    Utilities::Ternary finishSdkLocked();
    // Around the read of one live-view frame.
    QMutex liveViewMutex;

private:
    // Held across "look at the receiver, push to it", so that shutdown cannot
    // free the receiver between the two. Nothing but the queue mutex is taken
    // under it.
    mutable QMutex callbackReceiverLock;
    DeviceAdapterCallback *callbackReceiver = nullptr;
    // The receiver this adapter made for its worker (shared with the worker,
    // which keeps it alive should it have to be left running).
    std::shared_ptr<DeviceAdapterCallback> m_ownedReceiver;
    WorkerThread m_eventWorker{QStringLiteral("event worker")};
    bool m_callbacksRegistered = false;

    // Addresses and sizes handed over by the last live-view frame read.
    std::array<quintptr, 13> liveViewBuffers{};
    // The network password dialog while it is shown.
    QObject *passwordDialog = nullptr;

private:
    DeviceSearch m_deviceSearch;

    // The network connect thread and the found cameras it works through,
    // guarded by foundDeviceMutex (a standard mutex, so that the thread
    // sanitizer sees it).
    WorkerThread m_connectWorker{QStringLiteral("network connect")};
    std::recursive_mutex foundDeviceMutex;
    std::deque<_tag_KVR_PTPIP_CONNECT_DEVICE_INFO> foundDeviceQueue;
    // Set by the connect thread, with the queue empty in view, once it has
    // decided to end: a camera found after that starts a new one.
    bool m_connectThreadFinished = true;

public:
    // The connect thread is working (started and not yet ended).
    bool isConnectThreadRunning() const;
    // Found cameras waiting for the connect thread.
    int foundDeviceCount();

    // ---- custom dialog (DeviceAdapterDialogs.cpp) ----
public:
    // Opens the back end's confirmation / result window unless one is open.
    void trigger_window_dialog(Utilities::DialogType type, Utilities::IconType icon, bool isNoBtnFocus);
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

    // ---- camera status and notifications (DeviceAdapterStatus.cpp, DeviceAdapterNotifications.cpp) ----
// clang-format off
#define KAVRO_DA_DECLARE_STATUS_PROPERTY(type, name, Name, emitRule, write)   \
    Q_PROPERTY(type name READ name WRITE write NOTIFY name##Changed)
    // clang-format on
    KAVRO_DA_STATUS_PROPERTIES(KAVRO_DA_DECLARE_STATUS_PROPERTY)
#undef KAVRO_DA_DECLARE_STATUS_PROPERTY
public:
// clang-format off
#define KAVRO_DA_DECLARE_STATUS_ACCESSORS(type, name, Name, emitRule, write)  \
    type name() const;                                                         \
    void set##Name##Value(type value);
    // clang-format on
    KAVRO_DA_STATUS_PROPERTIES(KAVRO_DA_DECLARE_STATUS_ACCESSORS)
#undef KAVRO_DA_DECLARE_STATUS_ACCESSORS
signals:
#define KAVRO_DA_DECLARE_STATUS_SIGNAL(type, name, Name, emitRule, write) void name##Changed(type value);
    KAVRO_DA_STATUS_PROPERTIES(KAVRO_DA_DECLARE_STATUS_SIGNAL)
#undef KAVRO_DA_DECLARE_STATUS_SIGNAL
    // The USB mode as a plain number, beside the enumeration above.
    void usbModeChanged(uint value);

public:
    enum BatteryLevel : int {
        BL_Empty = 5,
        BL_Full = 100,
        BL_Ac = 65530,
        BL_PreUnder = 65532,
        BL_Under = 65534,
        BL_Undef = 65535
    };
    Q_ENUM(BatteryLevel)
    enum StatusOfCards : int { STOC_Undef = -1, STOC_Normal = 0, STOC_Nocard = 1, STOC_Protected = 2, STOC_Error = 3 };
    Q_ENUM(StatusOfCards)

    // The interface cannot change the camera's status: these accept and ignore.
    Q_INVOKABLE void setBatteryLevel(uint) {}
    Q_INVOKABLE void setImageFreeSpace(ulong) {}
    Q_INVOKABLE void setSecondFreeSpace(ulong) {}
    Q_INVOKABLE void setImage4KFreeSpace(ulong) {}
    Q_INVOKABLE void setSecond4KFreeSpace(ulong) {}
    Q_INVOKABLE void setAfState(int) {}
    Q_INVOKABLE void setAfaeState(int) {}
    Q_INVOKABLE void setStatusOfCards(int) {}
    Q_INVOKABLE void setElapsedInMovieRec(int) {}
    Q_INVOKABLE void setCameraStatus(int) {}
    Q_INVOKABLE void setAfcStartPosState(int) {}
    Q_INVOKABLE void setNrRemainingTime(int) {}
    Q_INVOKABLE void setHdmiSdiStatus(int) {}
    Q_INVOKABLE void setShotModeStatus(int) {}

    void setAfcStatePosStateValue(int value)
    {
        setAfcStartPosStateValue(value);
    }
    void setCamConnectStatus(Utilities::CameraConnectStatus status)
    {
        setCamConnectStatusValue(status);
    }
    void setBtnAllCameraStatus(int status)
    {
        setBtnAllCameraStatusValue(status);
    }
    void setObjInfoAssociatType(int type)
    {
        setObjInfoAssociatTypeValue(type);
    }
    Q_INVOKABLE void setPcSavedFilePath(const QString &path);
    Q_INVOKABLE void pcSavedFilePathChangedExec();
    Q_INVOKABLE void cameraStatusComplete()
    {
        emit cameraStatusCompleteNotify();
    }

    // Readers of the selected camera; 1 on success, 0 on failure.
    int adp_KVR_func_api_GetBatteryInfo();
    int adp_KVR_func_api_Get_Rec_Info();
    int adp_KVR_func_api_GetCameraStatus();
    int adp_KVR_func_api_GetElapsedInMovieRec();
    int adp_KVR_func_api_GetDetailedFreeSpaces();
    int adp_KVR_func_api_Get_AFAE_DisplayState();
    int adp_KVR_func_api_Get_AFC_StartPositionState();
    Q_INVOKABLE int adp_KVR_func_api_Get_NoiseReduction_RemainingTime();
    int adp_KVR_func_api_Lv_Composite_Get_Shooting_Status();
    int adp_KVR_func_api_Lv_Composite_Get_Shooting_Information();
    int adp_KVR_func_api_Get_HDMI_SDI_Status();
    int adp_KVR_func_api_Get_Shot_Mode_Status();
    // With a null out-pointer the result is stored as statusOfCards.
    int adp_KVR_func_api_GetStatusOfCards(StatusOfCards *out, const QString &uuid);
    int adp_KVR_func_api_Mnt_GetInfo_Get_UsbMode(const QString &uuid, Utilities::UsbMode *out);
    Q_INVOKABLE bool isBatteryLevelAC(int devIndex);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetEventTypeFromCamera_Start(bool flag,
                                                                                              const QString &uuid);
    int adp_KVR_func_api_SetEventTypeFromCamera(bool flag, const QString &uuid);
    Q_INVOKABLE bool camera_list_get_camera_streamingFunction(const QString &uuid);

    Q_INVOKABLE uint firmware_update_get_data_frame() const;
    Q_INVOKABLE quint8 firmware_update_get_result() const;
    Q_INVOKABLE void firmware_update_finish_progress();
    Q_INVOKABLE uint setup_info_error_code(int index) const;
    Q_INVOKABLE QString setup_info_error_date_time(int index) const;
    // The composite shooting information last read (remaining time, completed
    // shots, elapsed time).
    KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO lvCompositeShootingInformation() const;

    // Movie-quality list texts: frame rate ("60p", "59.94p" with two
    // decimals) and the compression catalogue keys ("1,3,5").
    static QString movQualityFrameRateText(quint32 word, bool twoDecimals);
    static QString mov_compression_method_text_keys(quint16 code);
    // The same texts for entry `index` of the movie-quality list as last
    // read; empty at or beyond its count.
    Q_INVOKABLE QString mov_quality_list_data_frame_rate(uint index) const;
    Q_INVOKABLE QString mov_quality_list_data_compression_method(uint index) const;

    // Notification handlers, run by the event worker.
    void registerEventIdPowerSavingInfo(quint32 type, quint32 param);
    void registerEventIdNotifyError(quint32 type, quint32 param, const QString &uuid);
    void registerEventIdObjectAdd(quint32 type, quint32 param);
    void registerEventIdObjectReqTransfer(quint32 type, quint32 param, const QString &uuid);
    void registerEventIdDataProg(quint32, quint32) {}
    void registerEventIdRecInfo(quint32 type, quint32 param);
    void registerEventIdRecInfoAnother(quint32 type, quint32 param, const QString &uuid);
    void registerEventIdWbsetFailed(quint32 type, quint32 param);
    void registerEventId4K6KCfg(quint32, quint32) {}
    void registerEventId4K6KReady(quint32 type, quint32 param, const QString &uuid);
    void registerEventId4K6KStart(quint32, quint32) {}
    void registerEventId4K6KStop(quint32 type, quint32 param);
    void registerEventIdRecMonitorInfo(quint32 type, quint32 param);
    void registerEventIdFrameDataTransferRead(quint32 type, quint32 param, const QString &uuid);
    void registerEventIdDeviceStray(quint32 type, quint32 param, const QString &uuid);
    void registerEventIdErrComTimeOut(quint32, quint32) {}
    void registerEventIdLiveViewComposite(quint32 type, quint32 param);
    // These two run on the SDK's thread.
    void registerEventFWUPStatusProc(quint32 type, quint32 param);
    void registerAddEventReceivedNotify(quint32 type, quint32 param, const QString &uuid);

    // Cameras that take commands now: powered, and sending commands or
    // selected. lockHeld: the caller holds the camera table already.
    Q_INVOKABLE int getSendCmdDevNum(bool lockHeld = false);
    Q_INVOKABLE bool isSupportMultiView() const
    {
        return true;
    }
    int adp_KVR_func_api_GetSetupInfoError(const QString &uuid);
    int adp_KVR_func_api_ExpInShot_GetAutoISO();
    Q_INVOKABLE int adp_KVR_func_api_WB_Ctrl_WBSET_END_REQ();
    int adp_KVR_func_api_Get_Lv_Composite_Info();
    std::chrono::steady_clock::time_point recordingEndedAt() const;

    Q_INVOKABLE bool isCustomDialogVisible() const;
    Q_INVOKABLE void closeCustomDialog(kavrotether::Utilities::DialogType type);

signals:
    void cameraStatusCompleteNotify();
    void initSetupTetherModeChanged(kavrotether::Utilities::PowerSavingTetherMode mode);
    void cameraListChanged();
    void cameraErrorNotify(const QString &individual_id);
    void anotherCameraStatusChanged(int status, const QString &uuid);
    void wbErrorNotify();
    void objectAddEventReceivedNotify();

private:
    // Stores a selected camera's status word in its table record; answers
    // whether the record held another value (false when not in the table).
    bool storeCameraStatusInTable(const QString &uuid, quint16 status);
    // Sets or clears the recording bit of a camera's tether-mode word by its
    // status; answers whether the word changed (false when not in the table).
    bool updateTetherRecBit(const QString &uuid, int status, bool *cleared);
    // Entry `index` of the kept movie-quality list; false beyond its count.
    bool movieQualityEntry(uint index, KVR_STRUCT_MOV_QUALITY_DATA *entry) const;
    // A composite state the interface has no picture for is shown as unknown.
    static int lvShootingStatusOf(quint16 value);
    // ---- end camera status and notifications ----

private:
    bool m_sdkInitialised = false;
    // The adapter's own rows of the stop list; others append theirs.
    struct OwnStop
    {
        const char *name;
        void (*stop)(DeviceAdapter &adapter);
    };
    static const std::vector<OwnStop> &ownStops();
    struct BackgroundStop
    {
        QString name;
        std::function<void()> stop;
    };
    std::vector<BackgroundStop> m_appendedStops;

    // ---- known cameras (DeviceAdapterKnownCameras.cpp) ----
public:
    Q_INVOKABLE int camera_list_number_of_camera();
    Q_INVOKABLE QString camera_list_get_camera_serial_number(int camIndex);
    Q_INVOKABLE bool camera_list_check_camera_existence(QString serialNo);
    Q_INVOKABLE int camera_list_get_camera_current_dev_index();
    Q_INVOKABLE void camera_list_set_camera_value(int camIndex, QString camSerialNo, bool camPowerOnMode);
    Q_INVOKABLE int camera_list_get_camera_dev_index(int camIndex);
    Q_INVOKABLE QString camera_list_get_camera_uuid(int camIndex);
    Q_INVOKABLE kavrotether::Utilities::Ternary camConnectDeviceStatus(int camIndex);
    Q_INVOKABLE QString camera_list_get_camera_individual_id(int camIndex);
    Q_INVOKABLE QString camera_list_get_camera_modelName(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_power_mode(int camIndex);
    Q_INVOKABLE uint camera_list_get_camera_tether_mode_status(int camIndex);
    Q_INVOKABLE bool camera_list_check_camera_support_power_saving(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_supportHLG(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_enableHLG(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_setupFilesCfgSet(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_support_FWUP(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_sendCmdEnable(int camIndex);
    Q_INVOKABLE bool camera_list_get_camera_liveViewEnable(int camIndex);
    Q_INVOKABLE void camera_list_set_camera_sendCmdEnable(int camIndex, bool enable);
    Q_INVOKABLE void camera_list_set_camera_liveViewEnable(int camIndex, bool enable);
    Q_INVOKABLE QString camera_list_get_camera_individual_id(QString uuid);
    Q_INVOKABLE QString camera_list_get_camera_modelName(QString uuid);
    Q_INVOKABLE bool camera_list_get_camera_power_mode_DisplayList(QString uuid);
    Q_INVOKABLE bool camera_list_get_camera_sendCmdEnableByUUID(QString uuid);
    Q_INVOKABLE void camera_list_set_camera_tether_mode_status(QString uuid,
                                                               kavrotether::Utilities::TetherModeDisableStatus flag,
                                                               bool on);
    Q_INVOKABLE uint camera_list_get_objAssociatDesc(QString uuid);
    Q_INVOKABLE void camera_list_set_objAssociatDesc(QString uuid, uint associatDesc);
    Q_INVOKABLE int camera_list_get_objCopyFileNumber(QString uuid);
    Q_INVOKABLE void camera_list_set_objCopyFileNumber(QString uuid, int number);
    Q_INVOKABLE QString camera_list_get_camera_serialNo_DisplayList(QString uuid);
    Q_INVOKABLE int camera_list_get_number_of_displayed_camera();
    Q_INVOKABLE void camera_list_update_camera_list(bool isSearchCamera = false);
    Q_INVOKABLE bool isFindSerialNo(QString serialNo);
    Q_INVOKABLE int GetCameraSettingListIndex(QString serialNo);

private:
    // Runs f(CameraInfo&) on the first table camera (UUID order) whose serial
    // number is that of saved entry camIndex, under the table lock; false
    // when there is none.
    template<typename F>
    bool withMatchingCamera(int camIndex, F &&f);
    template<typename F>
    bool withCameraByUuid(const QString &uuid, F &&f);

    // ---- SDK start-up (DeviceAdapterStartup.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Set_SendCommand_RetryType_Config();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_DbgLog_Config();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Set_Awake_Msg(QString msg);
    kavrotether::Utilities::Ternary adp_Kvr_func_api_Get_Error(ulong &result);
    // The SDK's debug-log level for these two settings.
    static quint32 sdkDebugLogLevel(bool debugEnable, int sdkDbgType);

    // ---- USB connection and sessions (DeviceAdapterSessions.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_Set_Connection_Type(int type);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_OpenSession(QString uuid = QStringLiteral("All"));
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CloseSession(QString uuid = QStringLiteral("All"));
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CloseDevice(QString uuid);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SelectPnPDevice();
    Q_INVOKABLE kavrotether::Utilities::Ternary connectEnableDevice();
    Q_INVOKABLE kavrotether::Utilities::Ternary searchAddedDevice();
    Q_INVOKABLE kavrotether::Utilities::Ternary selectUsbDevices();
    Q_INVOKABLE bool updateSelectedDevice();
    Q_INVOKABLE void disconnectAllNotify();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Search_Camera_List_start();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Search_Camera_List(bool trylock = false);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(int index,
                                                                                                QString password,
                                                                                                QString text,
                                                                                                ushort mode);
    // Sends the store location saved for this camera as its recording target.
    Q_INVOKABLE void applyStoredFileTargetById(QString serialNo);
    // Any connected camera's recording target by serial number: the setter
    // does not report failures; the getter gives FLTG_Unknown when the
    // camera is not connected or the read fails.
    Q_INVOKABLE void setFileTargetById(QString serialNo, kavrotether::Utilities::FileTarget target);
    Q_INVOKABLE kavrotether::Utilities::FileTarget getFileTargetById(QString serialNo);
    // Sends every connected known camera its saved store location.
    Q_INVOKABLE void set_file_target_for_camera_list();

private:
    // The UUID of the connected camera with this serial number; empty when
    // none has it.
    QString uuidOfConnectedSerial(const QString &serialNo);
    // Sends the selected camera this target; true when the camera took it.
    bool sendSelectedFileTarget(kavrotether::Utilities::FileTarget value);

public:
    Q_INVOKABLE void notifyConnectErrMsg(QString name);
signals:
    void notifyConnectErrorMessage(int kind, QString name, int code);
    void switchCameraNotify(int devIndex);
    void settingErrorNotify();

private:
    // Selects device i of the list, opens its session and enters it into
    // the table; true when it was added.
    bool addSelectedUsbDevice(DeviceListCopy &list, quint32 i, bool underSelectedCameraLock);
    // The shared device list, read and written under its own lock only.
    std::unique_ptr<DeviceListCopy> deviceListSnapshot();
    void storeDeviceList(const KVR_CONNECT_DEVICE_INFO &list);
    // Appends a network camera's record (it has no device path); a copy of
    // the list with it, for the SDK to select from.
    std::unique_ptr<DeviceListCopy> appendToDeviceList(const KVR_DEVINFO &record);
    // Opens the session of each camera once; those that failed go to failed.
    void openSessions(const QStringList &uuids, QStringList *failed);
    // Closes the cameras' sessions and devices, drops their locks and
    // removes their rows.
    void releaseCameras(const QStringList &uuids);
    // Rebuilds the device list from the ticked search-list entries; their count.
    quint32 deviceListFromTickedEntries();
    void closeDisableDevice();
    kavrotether::Utilities::Ternary selectEnableUsbDevice();
    // Stops live view for a camera about to go and waits until it has.
    void stopLiveViewFor(const QString &uuid);
    // Waits (bounded) until the live-view manager has stopped. No events
    // run meanwhile: no handler may enter the adapter half-way through.
    void waitForLiveViewStop(int timeoutMs = 2000);

public:
    kavrotether::Utilities::Ternary adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(bool trylock = false);

private:
    // On a network connection with a camera waiting for its password, posts
    // the request that opens the password dialog; whether one was posted.
    bool postPasswordRequestIfAwaited();

    // ---- device information (DeviceAdapterDeviceInfo.cpp) ----
public:
    struct DeviceInfo
    {
        QString makerName;
        QString modelName;
        QString firmVersion;
        QString serialNo;
    };
    struct DeviceExtInfo
    {
        quint8 afPointScope = 0;
        quint8 animalRecognition = 0;
        quint8 changeSystemFreq = 1;
        quint32 afFramesMax = 0;
        quint8 recCtrlMenu = 0x0F;
        quint8 setupFiles = 0x0F;
        quint8 firmwareUpdate = 0x0F;
        quint8 lvMagnification = 0;
        quint8 pdaf = 0;
    };
    using CameraHlgInfo = std::array<quint8, 6>;
    // Decodes the 40-byte extended identifier; missing words keep the defaults.
    static DeviceExtInfo decodeExtDeviceId(const quint8 *buffer, std::size_t size);

    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo(const QString &uuid, DeviceInfo *info);
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo_ExtInfo(const QString &uuid, DeviceExtInfo *info);
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo_VendorName(const QString &uuid,
                                                                              QString *out = nullptr);
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo_ModelName(const QString &uuid,
                                                                             QString *out = nullptr);
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo_VersionInfo(const QString &uuid,
                                                                               QString *out = nullptr);
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetDeviceInfo_SerialNo(const QString &uuid,
                                                                            QString *out = nullptr);
    kavrotether::Utilities::Ternary adp_KVR_func_api_Body_SettingInfo_Get_Individual_Id(const QString &uuid,
                                                                                        QString *out = nullptr);
    kavrotether::Utilities::Ternary adp_KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode(
        const QString &uuid, Utilities::PowerSavingTetherMode *out = nullptr);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(
        QString uuid, kavrotether::Utilities::PowerSavingTetherMode value);
    ushort adp_KVR_func_api_GetCameraStatus_UUID(const QString &uuid);
    ushort adp_KVR_func_api_Net_Get_BasicStreaming_Function_UUID(const QString &uuid);
    bool isSupportPowerSaving(const QString &uuid);
    bool getCameraHlgInfo(const QString &uuid, CameraHlgInfo *info);
    bool getCameraInfo(int devIndex, const QString &devicePath, const QString &uuid, bool isWlan, CameraInfo *info);
    // Reads a table camera's identity, power saving and features again from
    // the camera into its record; false when it is not in the table.
    bool refreshCameraInfo(const QString &uuid);
    bool setCameraInfoOfSelectedCamera(const QString &uuid);

private:
    // Copies the feature flags of a camera into the properties.
    void applyFeatureFlags(const DeviceExtInfo &ext, bool supportPowerSaving);
    using TextReader = uint8_t (*)(char *, uint32_t, uint32_t *, const char *, uint32_t *);
    kavrotether::Utilities::Ternary readDeviceText(TextReader reader, const QString &uuid, QString *out,
                                                   void (DeviceAdapter::*store)(QString), bool clearOnFailure);

    // ---- camera selection and live view (DeviceAdapterSelection.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Select_Device_Start(int dev_index);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Select_Device(int dev_index);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Ctrl_LiveView_Start();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Ctrl_LiveView_Stop();
    Q_INVOKABLE void setLiveviewPause();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_LiveView_data_Start();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_LiveView_data();
    Q_INVOKABLE void updateLiveviewSelectCamera();
    bool CreateMultiviewParam(const QString &uuid, _MULTIVIEW_DEVICE_PARAM *param);
    // The cameras of the multi-camera page shown now (lowers the page index
    // while it lies beyond the cameras).
    std::vector<_MULTIVIEW_DEVICE_PARAM> multiviewPageCameras();
    // Stores the addresses and sizes the last frame read left.
    void setLiveViewData();
    // ---- network connection, certificates and passwords ----
    // (DeviceAdapterNetwork.cpp, DeviceAdapterCertificates.cpp,
    // DeviceAdapterPasswords.cpp)
public slots:
    // Network reports; each returns at once for a kind not its own. Kinds
    // 1, 2, 3, 5 and 6 run on the SDK's thread, kind 4 on the event worker.
    void registerEventPtpipFoundDeviceProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);
    void registerEventPtpipTimeoutSearchProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);
    void registerEventPtpipStopSearchProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);
    void registerEventPtpipDisconnectProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);
    void registerEventPtpipAuthenticatePwProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);
    void registerEventPtpipFoundConnectedDeviceProc(uint cb_event_type, void *cb_event_param1, void *cb_event_param2);

public:
    void ptpipConnectThreadProc(WorkerThread::Run &run);
    // Asks the connect thread to stop and joins it (bounded); no connect
    // thread starts after this until the SDK is initialised again.
    void stopConnectThread();
    // Selects one found network camera through the SDK with its saved
    // password and records its device key; the UUID on success.
    bool ptpipSelectWithSavedPassword(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, QString *uuid, uint *err);
    // Connects the enabled, not yet connected network entries of the search
    // list; true when at least one was connected. add: cameras added to
    // running sessions (connectPtpipDevice), else the first connection.
    bool selectEnableLanDevice(uint *err, bool add);
    bool selectPtpipDevice(_tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, uint *err);
    bool connectPtpipDevice(_tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, uint *err);
    void updateRclIni(QString key, QString value);
    // A found TLS camera counts as authorised when the certificate it
    // presents is the one kept for its serial number: the file of the
    // certificate folder that "Rcl" names holds exactly that text.
    bool ptpipCertificateAuthorised(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info);
    // The certificate file kept for a camera; empty when none is.
    QString ptpipKeptCertificatePath(const QString &serialNo);
    // The user connects a TLS camera as listed: the certificate file of its
    // entry becomes the one kept for it, and the SDK reads it.
    void ptpipAcceptCertificate(const QString &serialNo, const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO &info,
                                const QString &path);
    Q_INVOKABLE bool ptpip_camera_is_connect_by_lan_wifi();

    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(
        int timeOutVal_ms);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(
        int mSearchVal_ms, int timeOutVal_ms);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_Set_Pc_Name(int pc_Name_Length, QString pc_Name);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_Set_Ip_Addr(QString ipAddr);
    Q_INVOKABLE QString adp_KVR_func_api_ptpip_Get_Ip_Addr();
    Q_INVOKABLE int adp_KVR_func_api_ptpip_Get_Connection_Type();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetSearchCondition(int connectDevType,
                                                                                    QString modelName);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_StopGetDeviceInfo();

    // Certificates of TLS cameras, one file per camera in the "cer" folder
    // beside the settings files.
    QString createCerSaveFolderPath();
    // The file name of the record's certificate: its friendly name reduced
    // to a safe base name, then ".cer".
    QString createCerSaveFilePath(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info);
    Q_INVOKABLE QString adp_KVR_func_api_ptpip_GetCertPEM(int dev_index);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_SetCerFilePath(int dev_index, QString filePath);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ptpip_UpdateCer(int dev_index);
    int saveCerFile(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, QString *savedPath);
    // Renews the certificate through the SDK, then saves and registers it
    // (ptpipRegisterCertificate); registeredPath: the camera's registered
    // file, in and out.
    bool updateCer(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, QString *registeredPath = nullptr);

    // Network passwords.
    Q_INVOKABLE void ptpip_enhance_security_update_pw_list(QString serialNo, QString encryptionPw);
    Q_INVOKABLE QString ptpip_enhance_security_get_saved_password(QString serialNo);
    Q_INVOKABLE ulong ptpip_enhance_security_get_device_encryption_key(QString serialNo);
    Q_INVOKABLE int ptpip_enhance_security_get_number_of_error();
    Q_INVOKABLE int ptpip_enhance_security_get_error_device_index();
    Q_INVOKABLE int ptpip_enhance_security_get_error_type();
    Q_INVOKABLE ulong ptpip_enhance_security_get_error_encryption_key();
    Q_INVOKABLE QString ptpip_enhance_security_get_error_friendly_name();
    Q_INVOKABLE QString ptpip_enhance_security_get_error_serial_number();
    Q_INVOKABLE void ptpip_enhance_security_show_change_password_dialog(int devIndex, QString serialNo);
    Q_INVOKABLE void ptpip_enhance_security_active_password_dialog();
    Q_INVOKABLE void ptpip_enhance_security_close_password_dialog();
    Q_INVOKABLE bool ptpip_enhance_security_sent_password();
    void clearPwInfoAndDialog();
    bool isCheckingPtpipEnhanceSecurityInfo();

    // Removes the certificate files entries that left the search list named:
    // those of this program's certificate folder that are neither kept for
    // a camera nor named by an entry still listed.
    void dropLeftCertificates(const QStringList &paths);

private:
    // Lists a found network camera in the search list (see AddSortSearchList);
    // false when the list could not be had within tableWait.
    bool ptpipListFoundDevice(SearchCameraListItemObject *item,
                              std::chrono::milliseconds tableWait = std::chrono::milliseconds::max());
    bool ptpipConnectDevice(_tag_KVR_PTPIP_CONNECT_DEVICE_INFO *info, uint *err, bool select);
    // ---- end network ----
public:
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
    // Takes ownership; inserts in the order of the saved camera list. A
    // network camera listed already (same serial number; the same address
    // where neither has one) has its entry replaced in place, keeping the
    // entry's tick. Another camera's entry at the address announced is left
    // at no address (dropped when it has no serial number either).
    void AddSortSearchList(SearchCameraListItemObject *item);
    // As above, waiting for the list no longer than tableWait (max(): as long
    // as it takes): false, the item dropped, when it could not be had.
    bool AddSortSearchList(SearchCameraListItemObject *item, std::chrono::milliseconds tableWait);
    QList<QObject *> searchList();
    int searchListCount();
signals:
    void searchListChanged();
    // ---- end device search ----

    // ---- camera settings (settings/CameraSettings.def, settings/DeviceAdapterSettings.cpp) ----
public:
    KAVRO_CAMERA_SETTINGS(KAVRO_CAMSET_PROPERTY)
    // Whether a message is shown now; counts nested messages, announces nothing.
    Q_PROPERTY(int msgDisplayed READ msgDisplayed WRITE setMsgDisplayed)
public:
    KAVRO_CAMERA_SETTINGS(KAVRO_CAMSET_ACCESSORS)
    // Capability accessors of their own shape.
    Q_INVOKABLE kavrotether::Utilities::Ternary apertureCapability(short value) const;
    Q_INVOKABLE short apertureCapabilityValue(int index) const;
    Q_INVOKABLE int apertureCapabilityNum() const;
    Q_INVOKABLE kavrotether::Utilities::Ternary isoAutoCapability() const;
    Q_INVOKABLE int isoAutoCapabilityValue(int index) const;
    Q_INVOKABLE int isoAutoCapabilityNum() const;
    Q_INVOKABLE kavrotether::Utilities::Ternary picture4K6KCapability(kavrotether::Utilities::Picture4K6K value) const;
    Q_INVOKABLE int picture4K6KCapabilityNum() const;
    Q_INVOKABLE int recMovieCapabilityNum() const;
    Q_INVOKABLE kavrotether::Utilities::Ternary movieConfigQualityCapability(int value) const;
    Q_INVOKABLE int movieConfigQualityCapabilityNum() const;
    Q_INVOKABLE kavrotether::Utilities::Ternary movieDetailDisplay(
        kavrotether::Utilities::MovieDetailDisplay value) const;
    // An empty UUID asks about the selected camera, any other a camera of the table.
    Q_INVOKABLE kavrotether::Utilities::Ternary hlgShootingTypeCapability(int value, QString device_uuid = QString());
    Q_INVOKABLE bool imgInfoHeifModeAvailable() const;
    Q_INVOKABLE bool pscLUT2Available() const;
    Q_INVOKABLE bool pscDensity2Available() const;
    Q_INVOKABLE bool pscSupportHLG() const;
    Q_INVOKABLE bool pscEnableHLG() const;
    Q_INVOKABLE int imageQualityFlagNum() const;
    Q_INVOKABLE bool isExpMovieMode() const;
    Q_INVOKABLE kavrotether::Utilities::Ternary photoStyleCompCapability(
        kavrotether::Utilities::PhotoStyleComp value) const;
    Q_INVOKABLE int photoStyleCompCapacityNum() const;
    int msgDisplayed() const;
    Q_INVOKABLE void setMsgDisplayed(bool on);
signals:
    KAVRO_CAMERA_SETTINGS(KAVRO_CAMSET_SIGNALS)
    void picture4K6KFpsFlgNumChanged();
    void photoStyleCompFlgNumChanged();
    void photoStyleCapabilityChanged();
    // ---- end camera settings ----

    // ---- setting readers ----
public:
    // Each reader asks the selected camera (the out-pointer forms: any
    // camera) and publishes what it answers in the data block, with the
    // signals. They run on the event worker (events, queued reads), on the
    // post-connect reading thread and on the GUI thread when QML calls them.
    // The camera's SDK call, under the camera's lock; the UUID goes as local
    // 8-bit text and no error record is asked for.
    template<typename Fn, typename... Args>
    quint8 callCamera(const QString &uuid, Fn fn, Args... args)
    {
        const QByteArray id = uuid.toLocal8Bit();
        DeviceLock lock(*this, uuid);
        return fn(args..., id.constData(), nullptr);
    }
    template<typename Fn, typename... Args>
    quint8 callSelectedCamera(Fn fn, Args... args)
    {
        return callCamera(camera_list_get_selected_camera_uuid(), fn, args...);
    }
    // The other cameras a write to the selected camera is repeated on, each
    // once, in camera-table order: with "All Cameras" checked every powered
    // camera of the saved list, and always every powered camera whose
    // send-command flag is set. f(uuid) runs with the camera table held.
    template<typename F>
    void forEachMirroredCamera(F &&f);
    // The same walk with the passes chosen: the "All Cameras" pass (also
    // when the button is not checked) and the send-command pass.
    template<typename F>
    void forEachMirroredCamera(bool allCameras, bool sendCommand, F &&f);
    // A write's SDK call repeated on those cameras; their answers are not
    // looked at.
    template<typename Fn, typename... Args>
    void callMirroredCameras(Fn fn, Args... args)
    {
        forEachMirroredCamera([&](const QString &uuid) { (void)callCamera(uuid, fn, args...); });
    }
    // A write's SDK call on the selected camera, then on the mirrored ones;
    // the selected camera's answer (the others' are not looked at).
    template<typename Fn, typename... Args>
    quint8 callSelectedAndMirrored(Fn fn, Args... args)
    {
        const quint8 result = callSelectedCamera(fn, args...);
        callMirroredCameras(fn, args...);
        return result;
    }

    // ---- setting events (settings/SettingEvents.def, settings/DeviceAdapterSettingEvents.cpp) ----
public slots:
#define KAVRO_DA_DECLARE_SETTING_EVENT(code, handler) void handler(quint32 cb_event_type, quint32 cb_event_param);
    KAVRO_SETTING_EVENTS(KAVRO_DA_DECLARE_SETTING_EVENT)
#undef KAVRO_DA_DECLARE_SETTING_EVENT
    // The camera's position reports change nothing the program shows.
    void registerEventIdGpsInfo(quint32, quint32) {}
signals:
#define KAVRO_DA_DECLARE_SETTING_EVENT_SIGNAL(code, handler) \
    void handler##Signal(quint32 cb_event_type, quint32 cb_event_param);
    KAVRO_SETTING_EVENTS(KAVRO_DA_DECLARE_SETTING_EVENT_SIGNAL)
#undef KAVRO_DA_DECLARE_SETTING_EVENT_SIGNAL
    void hlgShootingTypeChanged(uint value);
    void pscSupportHLGChanged(bool value);

    // ---- exposure and white-balance capability readers (settings/DeviceAdapterExposureReaders.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Aperture_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SS_Get_Capability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ISO_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Exposure_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecPreview_Cfg_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupCfgInfo_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_GetAFInfo();
    // The movie-quality detail display as last read (Ternary), and a new read of it.
    Q_INVOKABLE kavrotether::Utilities::Ternary validDisplayMovQuality() const;
    Q_INVOKABLE void updateDisplayMovQuality();
signals:
    void af_frame_info_Changed();
    void af_pdaf_frame_numChanged();
    void af_detect_frame_info_Changed();

private:
    // ---- end exposure and white-balance capability readers ----

    // ---- mode, drive and focus capability readers (settings/DeviceAdapterModeReaders.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_IntervalInfo_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_BurstBracket_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_SelfTimer_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_4K6K_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Config_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_Metering_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_GetCapability();

private:
    // ---- end mode, drive and focus capability readers ----

    // ---- image, movie, live-view and photo-style readers (settings/DeviceAdapterImageReaders.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_GetImageInfo();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_Quality_Detail_Display();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_LiveView_Str_Get_Recom_Img();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_LiveView_Str_Get_Trans_Img();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_PhotoStyle_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_PhotoStyle2_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data();
    // The movie exposure modes as the movie menu reads them on its own thread;
    // no signal, the caller reads the members again.
    Q_INVOKABLE bool updateCreativeVideoMode();
    // Whether the camera offers this movie-quality code.
    Q_INVOKABLE kavrotether::Utilities::Ternary recMovieCapability(uint feature) const;

    // live-view image quality
    Q_PROPERTY(int imageQuality READ imgQuality WRITE setImgQuality NOTIFY imgQualityChanged)
    void setImgQuality(int quality);
    // Sends the stream format of this quality to the selected camera (and the
    // ones that follow it); a refused quality is taken back. Nothing is sent
    // while the camera gives no recommended formats.
    Q_INVOKABLE void setImgQuality2(kavrotether::Utilities::LiveViewImageQuality quality, bool forceAll);
    Q_INVOKABLE kavrotether::Utilities::Ternary lv_image_quality_list_data_display(
        kavrotether::Utilities::LiveViewImageQuality quality) const;
    Q_INVOKABLE QString
    lv_image_quality_list_data_resolution(kavrotether::Utilities::LiveViewImageQuality quality) const;
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_LiveView_Str_Set_Trans_Img(bool forceAll);
    // The camera's own recommended stream format of a quality (a network
    // camera's compression set by the quality); false when it has none.
    bool getImgQualityParam(const QString &uuid, kavrotether::Utilities::LiveViewImageQuality quality,
                            KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *out);

signals:
    void imageQualityFlgNumChanged();

private:
    // Applies an aspect code to the aspect members; false when the code ends
    // the read.
    bool applyImageAspect(quint16 code, bool imageInfoRead);
    void applyImageQuality(quint16 code);
    // Publishes the components first..last that one photo-style reader
    // (0 or 1) found offered.
    void publishPhotoStyleComponents(int reader, int first, int last,
                                     const std::array<quint8, Utilities::PSC_Max> &offered);
    // true when the selected camera took the quality.
    bool setImgQuality2Once(int quality, bool forceAll, bool restoring);
    // Reads the selected camera's recommended stream formats into the data
    // block and publishes the qualities it recommends; the SDK's result.
    quint8 readRecommendedFormats();
    // The selected camera's recommended stream format of a quality, read
    // from the camera first when none was read from it yet; false when the
    // camera gives none.
    bool selectedRecommendedFormat(int quality, KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *out);
    // The selected camera's recommended formats were read in this run.
    bool selectedRecommendationsRead() const;
    // The live-view quality the settings keep becomes the one in effect, as
    // reading the recommendations makes it.
    void applyLvImageQualityPreference();

    static constexpr std::size_t kMovieQualityCodes = 1056;
    // Per movie-quality code: offered by the camera, and listed in the
    // movie-quality list now shown.
    SettingFlags<kMovieQualityCodes> m_recMovieFlags{};
    SettingFlags<kMovieQualityCodes> m_movieDetailListFlags{};
    // Live-view qualities the camera recommends a format for.
    SettingFlags<Utilities::LvImgQ_Max> m_lvImageQualityFlags{};
    // Components each photo-style reader found; their sum is published.
    std::array<std::atomic<int>, 2> m_photoStyleCompCounts{};
    // ---- end image, movie, live-view and photo-style readers ----

    // ---- parameter and white-balance readers (settings/DeviceAdapterParameterReaders.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_IntervalInfo_Get_Interval_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_C3_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_Exposure_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_4k_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_4K6K_Info();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_4K6K_Get_FocusSelect_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_iA_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_CreativeMode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_Mode_Pos();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Aperture_GetParam();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SS_GetParam();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_GetJpegHeifMode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_Get_ImageSize();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_Get_ImageAspect();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_MeteringInfo_Get_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_ExTelecon_Get_Cfg();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ISO_GetParam();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Exposure_GetParam();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_GetPhotoStyleInfo();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_C_Movie_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_Rec_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_Quality_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupConfig_Get_SystemFreq_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupFilesConfig_Get_Target();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_HDMI_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Get_ExTelecon_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_WB_Info();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_GetParam();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Get_KSet();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Get_ADJ_AB();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Get_ADJ_GM();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Get_ADJ_AB_Sep();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_Kvr_lib_ptpif_KvrExt_GetPhotoStyle2Info();

    // Any camera's value (an empty UUID: the selected camera). A non-null
    // out-pointer receives the value and nothing else changes; without one
    // the selected camera's property is updated as by the plain reader.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Get_DriveMode(
        kavrotether::Utilities::DriveMode *pDriveMode = nullptr, QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_Get_ImageQuality(
        kavrotether::Utilities::ImgInfoQuality *pImgInfoQ = nullptr, QString device_uuid = QString());
    // The HLG shooting type: 0 off, 1 8K, 2 full, 3 4K. A failed read counts
    // as off: the out-value, or the stored type, becomes 0.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_HLG_Get_Cfg(int *pHlgType = nullptr,
                                                                                     QString device_uuid = QString());
    kavrotether::Utilities::Ternary adp_KVR_func_api_SetupFilesConfig_Get_Target(
        kavrotether::Utilities::FileTarget *pTarget, QString device_uuid = QString());

    // A camera's white-balance mode and adjustment codes as list indices; -1
    // for a code the program has no value for.
    static int wbModeCodeToIndex(quint32 code);
    static int wbAdjustCodeToIndex(quint32 code);
    // Undo the slider encoding of the photo-style adjustments: the step in
    // bits 8 to 11 (1 when none), the value in the low byte, negative when
    // bits 12 to 15 are 8.
    static int getStep(int v);
    static int getNumerator(int v);

    // Store operations of values published beside the settings.
    void setafFrame_asp_x(double value);
    void setlvGDraw_diagonal_rotation(double value);
    void setExposureRangeMax(int value);
    void setExposureRangeMin(int value);
    void setPscSupportHLG(bool value);

    // Which kinds of file the computer receives from a camera, as bits.
    enum PcCopyMode : int {
        CM_NOT = 0,
        CM_JPEG = 1,
        CM_RAW = 2,
        CM_JPEG_RAW = 3,
        CM_HLG = 4,
        CM_JPEG_HLG = 5,
        CM_HEIF = 8,
        CM_HEIF_RAW = 10
    };
    Q_ENUM(PcCopyMode)
    // A camera's copy-to-computer mask from its recording target, card
    // state, picture quality and HLG type and the RAW/HLG transfer
    // preferences; an empty UUID works from the selected camera's stored
    // values, any other reads them from that camera.
    Q_INVOKABLE quint16 getCopyPcMaskValByUUID(QString uuid);
    // The selected camera's mask, kept by updateCopyPcMask.
    Q_INVOKABLE quint16 copyPcMaskVal() const;
    Q_INVOKABLE void updateCopyPcMask();
    // A camera's HLG shooting type; -1 when it is not connected, has HLG
    // switched off or unsupported, or the read failed.
    Q_INVOKABLE int getPscHlgShootingTypeByUUID(QString uuid);

private:
    // Reads one code from the selected camera (zeroed first) and, on
    // success, keeps it in raw (when given), converts it and stores the
    // value through the setting's store operation; answer on success,
    // Ternary_False on failure. onlyOne: only result 1 counts as success.
    template<typename Code, typename T>
    kavrotether::Utilities::Ternary readParameter(uint8_t (*fn)(Code *, const char *, uint32_t *),
                                                  std::atomic<quint16> *raw, int (*convert)(quint32),
                                                  void (DeviceAdapter::*store)(T),
                                                  kavrotether::Utilities::Ternary answer, bool onlyOne = false);
    // The 6K/4K photo mode of the kept mode and recording-format codes.
    void storePicture4K6K();
    std::atomic<quint16> m_copyPcMask{0};
    // The movie filter's values as they were when its editing began; the
    // filter's end restores them on cancel.
    std::atomic<quint32> m_savedMovieFrameRate{0};
    std::atomic<quint16> m_savedMoviePixel{0};
    std::atomic<quint16> m_savedMovieCompressMethod{0};
    std::atomic<quint16> m_savedMovieBitRate{0};
    std::atomic<quint16> m_savedMovieVFR{0};
    std::atomic<quint16> m_savedMovieHLG{0};
    // ---- end parameter and white-balance readers ----
    // ---- set-up readers (settings/DeviceAdapterSetupReaders.cpp) ----
public:
    // The HLG shooting types of a camera (pscHlgShootingType and the
    // per-camera reads hold these values).
    enum HlgShootingType : int {
        HlgShootingType_Unknown = -1,
        HlgShootingType_OFF,
        HlgShootingType_8K,
        HlgShootingType_Full,
        HlgShootingType_4K,
        HlgShootingType_Max
    };
    Q_ENUM(HlgShootingType)
    // The picture aspect the camera reports (aspectRatio holds these; the
    // codes of the camera's aspect list, not the movie pixel aspect of
    // Utilities::AspectRatio).
    enum AspectRatio : int {
        AR_Error = 0,
        AR_Nomal_4_3 = 1,
        AR_Film_3_2 = 2,
        AR_Hdtv_16_9 = 3,
        AR_Blog_1_1 = 4,
        AR_Multi_MULTI = 5,
        AR_65_24 = 10,
        AR_2_1 = 11
    };
    Q_ENUM(AspectRatio)
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupFilesCfgInfo_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_PowerSaving_GetCapability();
    // The camera's system frequency cannot be changed from here.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupConfig_Set_SystemFreq_Mode()
    {
        return kavrotether::Utilities::Ternary_False;
    }
    Q_INVOKABLE kavrotether::Utilities::Ternary pwTetherConnectModeCapability(
        kavrotether::Utilities::PowerSavingTetherMode mode) const;
    Q_INVOKABLE int pwTetherConnectModeCapabilityNum() const;
signals:
    void pwTetherConnectModeFlgNumChanged();
    // ---- end set-up readers ----

    // ---- movie filter (settings/DeviceAdapterMovieFilter.cpp) ----
public:
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_GetCapability();
    // Entry `index` of each filter list as last read; 0 outside the list.
    Q_INVOKABLE uint mov_quality_filter_frame_rate_value(int index) const;
    Q_INVOKABLE uint mov_quality_filter_pixel_value(int index) const;
    Q_INVOKABLE uint mov_quality_filter_compression_method_value(int index) const;
    Q_INVOKABLE uint mov_quality_filter_vfr_value(int index) const;
    Q_INVOKABLE uint mov_quality_filter_hlg_value(int index) const;
    // Texts of the frame-rate and compression-method lists; empty outside them.
    Q_INVOKABLE QString mov_quality_filter_frame_rate_string(int index) const;
    Q_INVOKABLE QString mov_quality_filter_compression_method_string(int index) const;
    // ---- end movie filter ----
    // ---- end setting readers ----

    // ---- lens zoom (shooting/DeviceAdapterLensZoom.cpp) ----
public:
    void setZoomLensCtrlEnable(bool value)
    {
        setZoomLensCtrlEnableValue(value);
    }
    void setZoomLensTele(uint value)
    {
        setZoomLensTeleValue(value);
    }
    void setZoomLensWide(uint value)
    {
        setZoomLensWideValue(value);
    }
    void setZoomLensLen(uint value)
    {
        setZoomLensLenValue(value);
    }
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_LensZoomInfo_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_LensZoom_Get_Info();
    // ---- end lens zoom ----

    // ---- irregular writers (settings/DeviceAdapterIrregularWriters.cpp) ----
public:
    // Writers whose rules depart from the common queued shape. Each pair is
    // an enqueuer (answers whether the command was queued) and its worker
    // (Ternary_True when the selected camera took the value). The recording
    // and focus modes are written on the calling thread by their properties;
    // their enqueuers exist for callers that must not wait.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Set_Mode_Pos_Start(
        kavrotether::Utilities::RecordingMode value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Set_Mode_Pos(
        kavrotether::Utilities::RecordingMode value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Config_Set_AF_Mode_Param_Start(
        kavrotether::Utilities::FocusMode value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Config_Set_AF_Mode_Param(
        kavrotether::Utilities::FocusMode value);
    // The movie exposure mode: the recording mode at the time the worker
    // runs decides whether creativeVideoAE or sqMotion is written.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param_Start(
        kavrotether::Utilities::CreativeVideoAE value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param(
        kavrotether::Utilities::CreativeVideoAE value);
    // The queued write of the value a refused program-to-manual movie mode
    // write displaced; it is itself never followed by another.
    kavrotether::Utilities::Ternary restoreCreativeVideoAE(kavrotether::Utilities::CreativeVideoAE value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_IntervalInfo_Set_Mode_Start(
        kavrotether::Utilities::IntervalMode value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_IntervalInfo_Set_Mode(
        kavrotether::Utilities::IntervalMode value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Set_4k_Mode_Start(
        kavrotether::Utilities::Picture4K6K value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_CameraMode_Set_4k_Mode(
        kavrotether::Utilities::Picture4K6K value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_Set_ImageSize_Start(int value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_ImageInfo_Set_ImageSize(int value);
    // The HLG shooting type of one camera (an empty UUID: the selected one);
    // never repeated on other cameras.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_HLG_Set_Cfg_Start(int value,
                                                                                   QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_HLG_Set_Cfg(int value,
                                                                             QString device_uuid = QString());
    Q_INVOKABLE void setPscHlgShootingTypeByUUID(QString device_uuid, int value);
    // Both white-balance adjustments at once: A-B in the high half of the
    // value, G-M in the low half.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Set_ADJ_Start(int value);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Set_ADJ(int value);
    Q_INVOKABLE void setWbAdjust(kavrotether::Utilities::WhiteBalanceAdjust ab,
                                 kavrotether::Utilities::WhiteBalanceAdjust gm);
    // The camera's photo-style backup while the photo-style popup is open.
    // Queued, so that each runs after the photo-style writes made before it.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Rec_Ctrl_Backup_PhotoStyle_Req();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Rec_Ctrl_Restore_PhotoStyle_Req();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req();
    // The worker of the three: sends the backup command to the selected and
    // the mirrored cameras.
    kavrotether::Utilities::Ternary runPhotoStyleBackupRequest(quint32 command);
signals:
    void reflectFocusMode(kavrotether::Utilities::RecordingMode value);
    void focusModeInnerChanged(kavrotether::Utilities::FocusMode value);
    void pictureSizeInnerChanged(int value);

private:
    kavrotether::Utilities::Ternary writeCreativeVideoAE(kavrotether::Utilities::CreativeVideoAE value, bool restoring);
    kavrotether::Utilities::Ternary enqueuePhotoStyleBackupRequest(quint32 code);
    // Numbers the photo-style requests, so that the queue never takes a
    // request for a copy of one still waiting.
    std::atomic<quint32> m_photoStyleRequestCount{0};
    // ---- end irregular writers ----
    // ---- setting writers (settings/DeviceAdapterSettingWriters.cpp) ----
public:
    // Each enqueuer queues its write for the selected camera and answers
    // Ternary_False when there is no queue; each worker sends the value to
    // the selected camera and the other chosen cameras and answers
    // Ternary_True only when the selected camera took it.
    KAVRO_SETTING_WRITERS(KAVRO_SETTING_WRITER_MEMBERS)
    // The photo-style slider code: magnitude in bits 0-7 (at most 0xFF),
    // the step in bits 8-11 when it is not 1, bit 15 for a negative value.
    static quint32 convertSliderValue(int value, int step);
    // The density code: ten times the magnitude (at most 0x7FFF), bit 15 for
    // a negative value.
    static quint32 convertDensityValue(int value);

private:
    template<typename Row>
    kavrotether::Utilities::Ternary runSettingWriter(int value);

signals:
    KAVRO_SETTING_WRITERS(KAVRO_SETTING_WRITER_INNER_SIGNAL)
    void pscPhotoModeChanged(int value);
    // ---- end setting writers ----
    // ---- setup writers (settings/DeviceAdapterSetupWriters.cpp) ----
public:
    // The movie-quality list as last read: its count, and the columns of
    // entry `index` (0xFFFFFFFF, or an empty text, at or beyond the count).
    Q_INVOKABLE int mov_quality_list_number_of_quality() const;
    Q_INVOKABLE uint mov_quality_list_data_pixels(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_vfr(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_hlg(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_sq(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_ssd(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_sd(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_cfexpress(uint index) const;
    Q_INVOKABLE uint mov_quality_list_data_video_quality(uint index) const;
    Q_INVOKABLE QString mov_quality_list_data_bit_rate(uint index) const;
    // The quality modes of the movie menu as last read.
    Q_INVOKABLE int mov_menu_config_number_of_quality_mode() const;
    Q_INVOKABLE uint mov_menu_config_quality_mode(uint index) const;

    // Editing of the movie filter on the selected camera: the end submits
    // or cancels (a cancel puts the values from before the edit back).
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_MovieFilter_Ctrl_Start();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_MovieFilter_Ctrl_End(
        kavrotether::Utilities::MovieFilterCtrl value);
    // Writers of the selected camera and the cameras that follow it; each
    // sends the code its setter put in the kept record. Ternary_True only
    // when the selected camera took it.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_Frame_rate_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_Pixel_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_Compression_method_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_Bit_rate_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_VFR_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Filter_Set_HLG_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Set_Rec_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Mov_Config_Set_Quality_mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_SetupFilesConfig_Set_Target();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Set_MF_Assist_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Set_LV_Mag_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Set_PinP_Aspect_Info();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param_On();

    // The selected camera's single values of the AF/MF configuration and of
    // the record preview.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Get_AF_Pinpoint_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Get_LV_Mag_Mode();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp();

    // Recording-display and preview settings the program does not change:
    // each answers success and leaves the camera alone.
#define KAVRO_SETUP_WRITERS_UNUSED(X) \
    X(adp_KVR_func_api_RecDisp_Config_GetCapability) \
    X(adp_KVR_func_api_RecDisp_Config_Get_Histgram_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Get_Histgram_Pos_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Set_Histgram_Pos_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Get_Guidline_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Set_Guidline_Mode_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Get_Guidline_Pos_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Set_Guideline_Pos_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Get_Centermarker_Param) \
    X(adp_KVR_func_api_RecDisp_Config_Set_CenterMarker_Mode_Param) \
    X(adp_KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Param) \
    X(adp_KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Guide) \
    X(adp_KVR_func_api_RecPreview_Cfg_Info_Get_AutoPreview) \
    X(adp_KVR_func_api_RecPreview_Cfg_Info_Get_AlwayPreview)
#define KAVRO_SETUP_WRITERS_DECLARE_UNUSED(name) \
    Q_INVOKABLE kavrotether::Utilities::Ternary name() \
    { \
        return kavrotether::Utilities::Ternary_True; \
    }
    KAVRO_SETUP_WRITERS_UNUSED(KAVRO_SETUP_WRITERS_DECLARE_UNUSED)
#undef KAVRO_SETUP_WRITERS_DECLARE_UNUSED

    // The selected camera's own recording target (its saved store location):
    // sent to it alone, a refusal put back without a notice; the copy mask
    // follows in every case.
    void setFileTargetOfSelectedCamera(kavrotether::Utilities::FileTarget value);
    // A camera on wireless LAN is told the live-view quality by the stream's
    // compression, whatever it recommends.
    void applyNetworkStreamQuality(const QString &uuid, int quality, KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *format);

signals:
    // A synchronous movie setter's value was taken by the camera.
    void recMovieInnerChanged(uint value);
    void movieFrameRateInnerChanged(uint value);
    void moviePixelInnerChanged(uint value);
    void movieCompressMethodInnerChanged(uint value);
    void movieBitRateInnerChanged(uint value);
    void movieVFRInnerChanged(uint value);
    void movieHLGInnerChanged(uint value);

private:
    // Sends a code to the selected camera and repeats it on the cameras
    // that follow it; Ternary_True only when the selected camera took it.
    template<typename Code>
    kavrotether::Utilities::Ternary sendMirrored(uint8_t (*fn)(Code, const char *, uint32_t *), Code code);
    // ---- end setup writers ----

    // ---- shooting commands (shooting/DeviceAdapterShooting.cpp) ----
public:
    // One invokable per row of shooting/ShootingCommands.def; Ternary_True
    // only when the selected camera (a Named row's camera) answered 1.
#define KAVRO_SHOOT_DECLARE(frame, name, args, fn, code, words, onTwo, onFail, extra) \
    Q_INVOKABLE kavrotether::Utilities::Ternary name args;
    KAVRO_SHOOTING_COMMANDS(KAVRO_SHOOT_DECLARE)
#undef KAVRO_SHOOT_DECLARE
    // The white-balance spot needs no request of its own.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_WB_Set_WSET_Set_Req_Param();
    // The 6K/4K cutting control record, sent to the selected and the
    // mirrored cameras; Ternary_True only when the selected camera answered 1.
    kavrotether::Utilities::Ternary adp_KVR_func_api_Rec_Ctrl_4K6K(const KVR_STRUCT_REC_CTRL *record);
signals:
    void memoryCardNothingNotify();
    void mfAssistStartErrorNotify();

private:
    enum class ShootingFrame { Single, Mirrored, Named };
    enum class ShootingFailure { None, SettingError, AssistError };
    struct ShootingOutcome
    {
        // Result 2 (no card): whether it has its own action, and the stop
        // command that runs in full before the notice.
        struct CardAction
        {
            bool notify;
            kavrotether::Utilities::Ternary (DeviceAdapter::*stop)();
        } card;
        ShootingFailure onFailure;
        bool onCard() const { return card.notify; }
    };
    template<typename Record>
    static Record shootingRecord(quint32 code, std::initializer_list<qint32> words);
    template<typename Record>
    // named: the camera of a Named frame (empty: the selected one).
    quint8 sendShootingRecord(ShootingFrame frame, const QString &named,
                              uint8_t (*fn)(const Record *, const char *, uint32_t *), const Record &record);
    kavrotether::Utilities::Ternary judgeShootingResult(quint8 result, const ShootingOutcome &outcome);
    // ---- end shooting commands ----
    // ---- AF data (shooting/DeviceAdapterAfData.cpp) ----
public:
    Q_PROPERTY(int afFrame_pos_X READ afFrame_pos_X WRITE setAfFrame_pos_X NOTIFY afFrame_pos_XChanged)
    Q_PROPERTY(int afFrame_pos_Y READ afFrame_pos_Y WRITE setAfFrame_pos_Y NOTIFY afFrame_pos_YChanged)
    int afFrame_pos_X() const;
    int afFrame_pos_Y() const;
    // The interface's own position: stored, not announced.
    void setAfFrame_pos_X(int value);
    void setAfFrame_pos_Y(int value);
    // The camera's position: announced when it changed.
    void setAfFrame_pos_XValue(int value);
    void setAfFrame_pos_YValue(int value);
    void setSFrame_info(bool value);

    // Parts of the AF-frame record read again on request; any non-zero
    // result counts as success. The pinpoint read publishes the
    // magnification, assist type and MF-assist mode.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Get_OnePoint_Frame();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame();
    // Positions the interface keeps in the stored record; the camera is not
    // told and the answer is always Ternary_False. Positions keep their low
    // 16 bits; width and height are not used.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Set_OnePoint_Frame(int posX, int posY,
                                                                                                     int width = -1,
                                                                                                     int height = -1);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Set_PinPoint_Frame(int posX, int posY,
                                                                                                     int width = -1,
                                                                                                     int height = -1);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Set_Multi_AF_Frame(int posIndex);
    // table: the 315 bytes of the custom areas; without one only the index
    // is kept.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_RecInfo_AF_Frame_Set_CMulti_AF_Frame(
        int curIndex, uchar *table = nullptr);

    // The AF display frame, face and tracking information of the selected
    // camera; any non-zero result counts as success. The face read moves
    // afFrame_pos_X/Y.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Info_Get_Disp_Frame();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Info_Get_FaceInfo();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_AF_Info_Get_TrackingInfo();
    // The value the selected camera attached to its notification
    // ulGetType, into *pulParam; only result 1 counts.
    kavrotether::Utilities::Ternary adp_KVR_func_api_GetEventTag(uint *pulParam, uint ulGetType);

    // The overlay's reads of the AF records (shooting/AfDataAccessors.def).
#define KAVRO_AF_DECLARE_VALUE(name, expression) Q_INVOKABLE int name() const;
#define KAVRO_AF_DECLARE_INDEXED(name, limit, fallback, expression) Q_INVOKABLE int name(int index) const;
    KAVRO_AF_INFO_VALUES(KAVRO_AF_DECLARE_VALUE)
    KAVRO_AF_INFO_INDEXED(KAVRO_AF_DECLARE_INDEXED)
    KAVRO_AF_FRAME_VALUES(KAVRO_AF_DECLARE_VALUE)
    KAVRO_AF_FRAME_INDEXED(KAVRO_AF_DECLARE_INDEXED)
#undef KAVRO_AF_DECLARE_INDEXED
#undef KAVRO_AF_DECLARE_VALUE
    // The phase-detection grid's frame and cluster sizes for a picture of
    // this size; 0 while the camera has not told its grid.
    Q_INVOKABLE uint af_pdaf_frame_size_w(int baseSizeW, int baseSizeH) const;
    Q_INVOKABLE uint af_pdaf_frame_size_h(int baseSizeW, int baseSizeH) const;
    Q_INVOKABLE uint af_pdaf_cluster_x(int baseSize) const;
    Q_INVOKABLE uint af_pdaf_cluster_y(int baseSize) const;
    // Live composite shooting progress (seconds, shots, seconds).
    Q_INVOKABLE int lv_composite_shooting_information_remaining_time() const;
    Q_INVOKABLE int lv_composite_shooting_information_number_completed_shots() const;
    Q_INVOKABLE int lv_composite_shooting_information_elapsed_shoot_time() const;

    // The assist views' magnification (a ratio; the camera keeps tenths).
    // The three ratios move together; a refused change puts the old one
    // back. The MF and live-view forms read the camera's ratio back and
    // announce it; the AF form announces nothing.
    Q_INVOKABLE void setAf_magnify(int ratio);
    Q_INVOKABLE void setMf_magnify(int ratio);
    Q_INVOKABLE void setLvMag_magnify(int ratio);
signals:
    void afFrame_pos_XChanged(int value);
    void afFrame_pos_YChanged(int value);

private:
    // Runs f on the stored record under its lock and answers what f answers.
    template<typename F>
    int withAfInfo(F &&f) const;
    template<typename F>
    int withAfFrame(F &&f) const;
    enum class Magnifier { Af, Mf, LvMag };
    void changeMagnification(Magnifier magnifier, int ratio);
    // Sends one magnification step to the selected camera (and, for the
    // point scope, to the cameras that follow it); true on result 1.
    bool sendMagnification(Magnifier magnifier, int direction, int step);
    // The AF information readers' records, under m_afReadRecordLock.
    mutable QMutex m_afReadRecordLock;
    KVR_STRUCT_AFINFO_DISP_FRAME m_afDispFrame{};
    KVR_STRUCT_AFINFO_FACEINFO m_afFaceInfo{};
    KVR_STRUCT_AFINFO_TRACKINGINFO m_afTrackingInfo{};
    // ---- end AF data ----
    // ---- camera setting files (settings/DeviceAdapterSettingFiles.cpp) ----
public:
    // Saves the settings of one camera into filePath; Ternary_True once the
    // file holds exactly what the camera delivered.
    Q_INVOKABLE kavrotether::Utilities::Ternary setup_file_config_setting_save_setting(QString device_uuid,
                                                                                       QString filePath);
    // Loads filePath into one camera, into "ALL" (the powered cameras of the
    // saved list) or "SELECTED" (the powered cameras that take commands);
    // Ternary_True when some camera took it.
    Q_INVOKABLE kavrotether::Utilities::Ternary setup_file_config_setting_restore_setting(QString device_uuid,
                                                                                          QString filePath);

private:
    // One camera's turn of a restore: the first `length` bytes of `data` go to
    // the camera when they fit its limit; true when it took them.
    bool restoreSettingFile(const QString &uuid, QByteArray &data, quint32 length, QByteArray &infoBuffer);
    // ---- end camera setting files ----

    // ---- live-view mode switch and overlay data (DeviceAdapterLiveView.cpp) ----
public:
    Q_PROPERTY(bool isMultiviewMode READ isMultiviewMode NOTIFY isMultiviewModeChanged)
    Q_PROPERTY(int liveview_size_width READ liveview_size_width WRITE setLiveview_size_width NOTIFY
                   liveview_size_width_Changed)
    Q_PROPERTY(int liveview_size_height READ liveview_size_height WRITE setLiveview_size_height NOTIFY
                   liveview_size_height_Changed)
    Q_PROPERTY(QSize liveview_size READ liveview_size NOTIFY liveview_size_Changed)
// clang-format off
#define KAVRO_DA_DECLARE_LIVEVIEW_PROPERTY(type, name, Name, emitRule, write, writeRule) \
    Q_PROPERTY(type name READ name WRITE write NOTIFY name##Changed)
    // clang-format on
    KAVRO_DA_LIVEVIEW_PROPERTIES(KAVRO_DA_DECLARE_LIVEVIEW_PROPERTY)
#undef KAVRO_DA_DECLARE_LIVEVIEW_PROPERTY
// clang-format off
#define KAVRO_DA_LIVEVIEW_WRITE_StoreOnly(type, write) void write(type value);
#define KAVRO_DA_LIVEVIEW_WRITE_Announce(type, write) void write(type value);
#define KAVRO_DA_LIVEVIEW_WRITE_Ignore(type, write) void write(type value);
#define KAVRO_DA_LIVEVIEW_WRITE_Own(type, write)
#define KAVRO_DA_DECLARE_LIVEVIEW_ACCESSORS(type, name, Name, emitRule, write, writeRule) \
    type name() const;                                                         \
    void set##Name##Value(type value);                                         \
    KAVRO_DA_LIVEVIEW_WRITE_##writeRule(type, write)
    // clang-format on
    KAVRO_DA_LIVEVIEW_PROPERTIES(KAVRO_DA_DECLARE_LIVEVIEW_ACCESSORS)
#undef KAVRO_DA_DECLARE_LIVEVIEW_ACCESSORS
#undef KAVRO_DA_LIVEVIEW_WRITE_Own
#undef KAVRO_DA_LIVEVIEW_WRITE_Ignore
#undef KAVRO_DA_LIVEVIEW_WRITE_Announce
#undef KAVRO_DA_LIVEVIEW_WRITE_StoreOnly

    // The interface's drawing size of the picture: the single setters keep
    // it silently, the pair announces it once.
    int liveview_size_width() const;
    int liveview_size_height() const;
    QSize liveview_size() const;
    void setLiveview_size_width(int width);
    void setLiveview_size_height(int height);
    Q_INVOKABLE void setLiveview_size_value(int width, int height);
    // The video output object is a member; this only tells QML to read it again.
    Q_INVOKABLE void setVideoSource(const kavrotether::VideoAdapter *);
    // Set by the camera's events only: the interface's write is ignored.
    Q_INVOKABLE void setLvShootingStatus(int) {}

    // Single or multi-camera view. The switch runs on the event worker
    // (the asynchronous form) and is ignored within 3 s of the last mode
    // switch stamp (start-up, a camera's recording state changing): a camera
    // that has just begun or ended recording is not to be restarted.
    Q_INVOKABLE void setLiveviewMode_Async(bool multiMode);
    Q_INVOKABLE void setLiveviewMode(bool multiMode);
    // The camera's recording state changed: restarts the 3 s guard.
    void touchLiveViewModeSwitch();
    // The page of the multi-camera view (never negative) and its split mode
    // (_VIEW_SPLIT_MODE; 6: no pages).
    Q_INVOKABLE void setLiveviewMultiPage(int pageIndex);
    Q_INVOKABLE int getLiveviewMultiPage() const;
    Q_INVOKABLE void setLiveviewMultiPageMode(int splitMode);
    Q_INVOKABLE int getLiveviewMultiPageMode() const;
    // A view port over the cameras handed to live view (the shown page):
    // enabled, the manager shows `pageIndex` of that list in `splitMode`;
    // disabled, the stored split mode from the list's start. Only in multi view.
    Q_INVOKABLE void setLiveviewMultiViewPort(bool enable, int splitMode, int pageIndex);
    Q_INVOKABLE bool isLiveviewMultiViewPortEnable() const;
    // One camera's stream in multi view at its own quality (the tile the
    // user looks at closely); a few tries, then silently given up.
    Q_INVOKABLE void setLiveviewMultiImgSingleQuality(QString uuid,
                                                      kavrotether::Utilities::LiveViewImageQuality quality);
    // Asks every connected camera to hold back (on) or send again (off) the
    // focus events that flood the queue while many cameras show live view.
    bool SetIgnoreEventMode(bool on);
signals:
    void isMultiviewModeChanged(bool isMultiViewMode);
    void liveview_size_width_Changed();
    void liveview_size_height_Changed();
    void liveview_size_Changed();
#define KAVRO_DA_DECLARE_LIVEVIEW_SIGNAL(type, name, Name, emitRule, write, writeRule) void name##Changed(type value);
    KAVRO_DA_LIVEVIEW_PROPERTIES(KAVRO_DA_DECLARE_LIVEVIEW_SIGNAL)
#undef KAVRO_DA_DECLARE_LIVEVIEW_SIGNAL
    // ---- end live-view mode switch and overlay data ----

    // ---- object transfer (DeviceAdapterObjectTransfer.cpp) ----
public:
    // One call per SDK object function, for any camera (an empty UUID: the
    // selected camera), under that camera's lock for the call only, so a
    // chunked transfer lets other work on the camera run between chunks.
    // Ternary_True when the SDK answered anything but 0.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object_FormatType(
        uint ObjHandle, uint *pFormatType, QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object_AssociatType(
        uint ObjHandle, uint *pAssociatType, QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object_AssociatDesc(
        uint ObjHandle, uint *pAssociatDesc, QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object_DataSize(
        uint ObjHandle, quint64 *pDataSize, QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object(uint ObjHandle, uchar *lpStoreBufAdder,
                                                                            uint StoreBufSize,
                                                                            QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Partial_Object(
        uint ObjHandle, uchar *lpStoreBufAdder, uint ui32_DataOffset, uint u32_SplitTransferBytes,
        QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Partial_ObjectEx(
        uint ObjHandle, uchar *lpStoreBufAdder, quint64 ui64_DataOffset, uint u32_SplitTransferBytes,
        QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Skip_Object_Transfer(uint ObjHandle,
                                                                                      QString device_uuid = QString());
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Get_Object_FileName(
        uint ObjHandle, KVR_STRUCT_PTP_ARRAY_STRING *pFileName, QString device_uuid = QString());
    // The cutting calls always address the selected camera. The frame call's
    // size word goes in as the buffer's capacity and comes back as the
    // frame's byte count.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_4k6k_Cutting_GetNumOfFrames(uint *pulParam);
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(uchar *pJpegBuf,
                                                                                                   uint *pJpegSize);
    // ---- end object transfer ----

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

// One walk for both passes, so that a camera that qualifies in both gets the
// write once.
template<typename F>
void DeviceAdapter::forEachMirroredCamera(F &&f)
{
    forEachMirroredCamera(btnAllCameraStatus() == Utilities::BtnAllCameraStatus_Checked, true, std::forward<F>(f));
}

template<typename F>
void DeviceAdapter::forEachMirroredCamera(bool allCameras, bool sendCommand, F &&f)
{
    const QString selected = camera_list_get_selected_camera_uuid();
    const QStringList saved = allCameras ? d->savedCameraList.serials() : QStringList();
    QMutexLocker g(&d->cameraTableMutex);
    for (auto it = d->cameraTable.cbegin(); it != d->cameraTable.cend(); ++it) {
        if (it.key() == selected || it->powerOnMode == 0)
            continue;
        const bool inAllCameras = allCameras && !it->serialNo.isEmpty() && saved.contains(it->serialNo);
        if (inAllCameras || (sendCommand && it->sendCmdEnable != 0))
            f(it.key());
    }
}

template<typename F>
bool DeviceAdapter::withMatchingCamera(int camIndex, F &&f)
{
    const QString serial = d->savedCameraList.serialAt(camIndex);
    if (serial.isEmpty())
        return false;
    QMutexLocker g(&d->cameraTableMutex);
    for (auto it = d->cameraTable.begin(); it != d->cameraTable.end(); ++it) {
        if (it->serialNo == serial) {
            f(it.key(), *it);
            return true;
        }
    }
    return false;
}

template<typename F>
bool DeviceAdapter::withCameraByUuid(const QString &uuid, F &&f)
{
    QMutexLocker g(&d->cameraTableMutex);
    const auto it = d->cameraTable.find(uuid);
    if (it == d->cameraTable.end())
        return false;
    f(*it);
    return true;
}

} // namespace kavrotether
