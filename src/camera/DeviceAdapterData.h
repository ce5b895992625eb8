#pragma once

#include <QList>
#include <QMap>
#include <QMutex>
#include <QRecursiveMutex>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

#include "CameraInfo.h"
#include "Kvrptpif.h"
#include "settings/SettingStorage.h"

namespace kavrotether {

// A device list together with the paths its entries point to, so that the
// list stays valid after the SDK or the search list lets go of the originals.
// Not copyable: a copy's pointers would point into the original.
struct DeviceListCopy
{
    KVR_CONNECT_DEVICE_INFO list{};
    std::array<std::wstring, KVR_MAX_DEVICES> paths;

    DeviceListCopy() = default;
    DeviceListCopy(const DeviceListCopy &) = delete;
    DeviceListCopy &operator=(const DeviceListCopy &) = delete;

    quint32 count() const { return list.count < KVR_MAX_DEVICES ? list.count : KVR_MAX_DEVICES; }
    void clear();
    // Adds one entry at the next free slot; false when the list is full.
    bool append(const KVR_DEVINFO &record, const wchar_t *path);
    // Takes over an SDK-filled list; the count is clamped to the capacity.
    void assign(const KVR_CONNECT_DEVICE_INFO &source);
};

class SearchCameraListItemObject;

// The known cameras in saved order. The connection code writes it on the GUI
// thread and the re-scan on the event worker while the interface reads it:
// every access copies under the list's own lock, and no other lock is waited
// for while that one is held. No entry is without a serial number: a
// nameless camera could never be found again and would leave a gap in the file.
class SavedCameraList
{
public:
    static constexpr int kCapacity = 512;

    int count() const;
    // A copy of entry i; false outside the list.
    bool entry(int i, CameraInfo *out) const;
    QString serialAt(int i) const;
    QStringList serials() const;
    // Position of the first entry with this serial number; -1 for none.
    int indexOf(const QString &serial, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // Replaces the list by these serial numbers in order; empty ones and any
    // beyond the capacity are left out.
    void assignSerials(const QStringList &serials);
    // Appends a camera whose serial number is not yet known; false for an
    // empty or known serial number and when the list is full.
    bool append(const CameraInfo &camera);
    // Sets the serial number and power-on mode of entry i; false outside the
    // list or for an empty serial number (the entry then stays as it was).
    bool setEntry(int i, const QString &serial, quint8 powerOnMode);
    void clear();

private:
    mutable QMutex m_lock;
    int m_count = 0;
    std::array<CameraInfo, kCapacity> m_entries;
};

// One stored value shared between the GUI thread, the event worker and the
// SDK's threads. Plain values are atomic; anything else (strings) is copied
// under a lock, never handed out by reference.
template<typename T, bool = std::is_trivially_copyable_v<T> && (sizeof(T) <= 8)>
class StoredValue
{
public:
    explicit StoredValue(T start) : m_value(start) {}
    T load() const { return m_value.load(); }
    // Answers whether the value changed.
    bool store(T value) { return m_value.exchange(value) != value; }

private:
    std::atomic<T> m_value;
};

template<typename T>
class StoredValue<T, false>
{
public:
    explicit StoredValue(T start) : m_value(std::move(start)) {}
    T load() const
    {
        QMutexLocker g(&m_lock);
        return m_value;
    }
    bool store(const T &value)
    {
        QMutexLocker g(&m_lock);
        if (m_value == value)
            return false;
        m_value = value;
        return true;
    }

private:
    mutable QMutex m_lock;
    T m_value;
};

// Storage behind the adapter's properties other than the camera settings
// (those are rows of settings/CameraSettings.def), with the start value of each:
// enumeration values start at -1 (the Unknown key, not read yet), counts and
// flags at 0, unless a row says otherwise. X(type, name, start)
// clang-format off
#define KAVRO_DA_STORAGE(X)                                                    \
    X(bool, isCamerasConnected, false)                                         \
    /* USB until the device search sets it: an AUTO search starts with */     \
    /* this type, and a network first pass ends at the first network */        \
    /* camera before any USB camera is listed. */                              \
    X(int, connectionType, 0)                                                  \
    X(int, btnAllCameraStatus, -1)                                             \
    X(int, statusOfCards, -1)                                                  \
    X(int, afState, -1)                                                        \
    X(int, assistType, -1)                                                     \
    X(int, objInfoAssociatType, -1)                                            \
    X(int, camConnectStatus, -1)                                               \
    X(int, shotModeStatus, -1)                                                 \
    X(int, validDisplayMovQuality, -1)                                         \
    X(int, tetherConnectPowerSavingMode, -1)                                   \
    X(int, exposureRangeMax, 30)                                               \
    X(int, exposureRangeMin, 0)                                                \
    X(bool, displayImgQuality, false)                                          \
    X(int, imgQuality, 0)                                                      \
    X(int, sFrame_outer_posX, 0)                                               \
    X(int, sFrame_outer_posY, 0)                                               \
    X(int, sFrame_outer_sizeW, 0)                                              \
    X(int, sFrame_outer_sizeH, 0)                                              \
    X(int, sFrame_mag_posX, 0)                                                 \
    X(int, sFrame_mag_posY, 0)                                                 \
    X(int, sFrame_mag_sizeW, 0)                                                \
    X(int, sFrame_mag_sizeH, 0)                                                \
    X(bool, sFrame_info, false)                                                \
    X(bool, zoomLensCtrlEnable, false)                                         \
    X(uint, zoomLensTele, 0)                                                   \
    X(uint, zoomLensWide, 0)                                                   \
    X(uint, zoomLensLen, 0)                                                    \
    X(int, af_magnify, 30)                                                     \
    X(int, mf_magnify, 30)                                                     \
    X(int, lvMag_magnify, 30)                                                  \
    X(int, afFrame_pos_X, 50)                                                  \
    X(int, afFrame_pos_Y, 50)                                                  \
    X(int, mfFrame_pos_X, 50)                                                  \
    X(int, mfFrame_pos_Y, 50)                                                  \
    X(int, lvMag_pos_X, 50)                                                    \
    X(int, lvMag_pos_Y, 50)                                                    \
    X(int, mfa_mode, 2)                                                        \
    X(double, afFrame_asp_x, 1.3333333)                                        \
    X(double, lvGDraw_diagonal_rotation, 36.8)                                 \
    X(bool, lvcShowLvControlItem, true)                                        \
    X(bool, liveViewOn, false)                                                 \
    X(bool, multiviewMode, false)                                              \
    X(int, liveviewMultiPageMode, 6)                                           \
    X(int, multiviewPage, 0)                                                   \
    /* live-view mode switch and overlay data */                               \
    X(int, afFrame_pos_pin_X, 50)                                              \
    X(int, afFrame_pos_pin_Y, 50)                                              \
    X(int, wbset_pos_X, 0)                                                     \
    X(int, wbset_pos_Y, 0)                                                     \
    X(int, liveview_size_width, 0)                                             \
    X(int, liveview_size_height, 0)                                            \
    X(bool, liveviewViewPortEnable, false)                                     \
    /* the single view's quality while multi view shows every camera low; */  \
    /* -1: none saved */                                                       \
    X(int, singleViewImgQuality, -1)                                           \
    /* device information of the selected camera */                           \
    X(QString, camMaker, QString())                                            \
    X(QString, camModelName, QString())                                        \
    X(QString, camFirmVer, QString())                                          \
    X(QString, camSerialNo, QString())                                         \
    X(QString, camIndividualId, QString())                                     \
    X(QString, camCurrentSelectedSerialNo, QString())                          \
    X(QString, camName, QString())                                             \
    X(bool, camSupportPowerSaving, false)                                      \
    X(bool, isPowerSavingWaitDialogOpen, false)                                \
    X(int, pwTetherConnectMode, -1)                                            \
    X(bool, afPointScopeEnable, false)                                         \
    X(bool, afAnimalRecognitionEnable, false)                                  \
    X(bool, changeSystemFreqEnable, false)                                     \
    X(bool, recCtrlMenuEnable, false)                                          \
    X(bool, setupFilesCfgSetEnable, false)                                     \
    X(bool, camFirmUpEnable, false)                                            \
    X(bool, lvMagEnable, false)                                                \
    X(bool, afPDAFEnable, false)                                               \
    X(int, afFramesMax, -1)                                                    \
    X(int, usbMode, -1)                                                        \
    X(bool, liveViewCameraChosen, false)                                       \
    /* camera status */                                                        \
    X(uint, batteryLevel, 65535)                                               \
    X(ulong, imageFreeSpace, 0)                                                \
    X(ulong, secondFreeSpace, 0)                                               \
    X(ulong, image4KFreeSpace, 0)                                              \
    X(ulong, second4KFreeSpace, 0)                                             \
    X(int, elapsedInMovieRec, 0)                                               \
    X(int, cameraStatus, -1)                                                   \
    X(int, afaeState, -1)                                                      \
    X(int, afcStartPosState, -1)                                               \
    X(int, nrRemainingTime, 0)                                                 \
    X(int, hdmiSdiStatus, -1)                                                  \
    X(int, lvShootingStatus, -1)                                               \
    X(QString, pcSavedFilePath, QString())                                       \
    /* camera queries */                                                       \
    X(int, afFrameColor, 0)
// clang-format on

// The adapter's private data block: settings files of the connection code,
// property storage, the saved camera list, the camera table and the locks.
class DeviceAdapterData : public SpecialSettingStorage
{
public:
    static constexpr int kSavedCameraCapacity = SavedCameraList::kCapacity;

    DeviceAdapterData();
    ~DeviceAdapterData();
    DeviceAdapterData(const DeviceAdapterData &) = delete;
    DeviceAdapterData &operator=(const DeviceAdapterData &) = delete;

    // A fresh settings object per use: QSettings is never shared between
    // threads, and these files are read through at every access.
    static std::unique_ptr<QSettings> openCameraListFile();
    static std::unique_ptr<QSettings> openPasswordFile();
    static std::unique_ptr<QSettings> openCertificateListFile();

    void initCameraRecords();
    // Writes the known cameras to the "CameraList" file, numbered 1 to n
    // without gaps, and removes the keys of a longer list written before.
    // Writers take turns, so the file ends with the latest list.
    bool writeCameraListFile();
    void clearCameraMap();

#define KAVRO_DA_STORAGE_MEMBER(type, name, start) StoredValue<type> name{start};
    KAVRO_DA_STORAGE(KAVRO_DA_STORAGE_MEMBER)
#undef KAVRO_DA_STORAGE_MEMBER
    KAVRO_CAMERA_SETTINGS(KAVRO_CAMSET_STORAGE)
    // ---- live-view mode switch (DeviceAdapterLiveView.cpp) ----
    // Switches between single and multi-camera view within 3 s of this
    // (steady clock, ns) are ignored: set at construction and whenever a
    // camera's recording state changes, on the event worker.
    std::atomic<qint64> liveViewModeSwitchNs{steadyNowNs()};
    static qint64 steadyNowNs()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    // ---- end live-view mode switch ----

    // Firmware update: the filters of the SDK callbacks read these on the
    // SDK's threads.
    StoredValue<QString> fwupUuid{QString()};
    std::atomic<bool> fwupRunning{false};
    std::atomic<bool> fwupDisconnected{false};

    SavedCameraList savedCameraList;
    // Writers of the "CameraList" file take turns (see writeCameraListFile).
    QMutex cameraListFileLock;
    // Written by the re-scan on the event worker as well.
    std::atomic<int> currentDevIndex{0};
    // Read by the SDK callbacks on their own threads.
    StoredValue<QString> selectedCameraUuid{QString()};

    // cameraTable is walked and changed only under cameraTableMutex.
    QMap<QString, CameraInfo> cameraTable;
    // The camera list's ticks of a camera pulled out, by serial number (under
    // cameraTableMutex): plugged back in under a new UUID, it keeps them.
    struct CameraTicks
    {
        quint8 sendCmdEnable = 0;
        quint8 liveViewEnable = 0;
    };
    QMap<QString, CameraTicks> pulledCameraTicks;
    QList<SearchCameraListItemObject *> searchList;
    // Timed: the close waits for it no longer than its allowance.
    std::recursive_timed_mutex cameraTableMutex;

    // Per-camera locks, shared so that a lock removed from the map lives on
    // until the last guard that holds or waits on it lets go.
    QMap<QString, std::shared_ptr<QMutex>> deviceMutexMap;
    // Guards deviceMutexMap only; never held while a camera lock is waited for.
    QMutex deviceMutexMapLock;

    // Saved network passwords by serial number (scrambled text).
    QMap<QString, QString> savedPasswordMap;
    QMutex savedPasswordMapLock;

    // The SDK's device list of the cameras to select, shared by the USB
    // search, the USB connect and the network select. Its path pointers point
    // into deviceListPaths, never into SDK or search-list memory that may be
    // freed. Both are read and written only under deviceListLock, and nothing
    // else is waited for while it is held; callers (and the SDK) work on a
    // DeviceListCopy.
    KVR_CONNECT_DEVICE_INFO deviceList{};
    std::array<std::wstring, KVR_MAX_DEVICES> deviceListPaths;
    QMutex deviceListLock;

    // Live-view frame read: records, two JPEG buffers used in turn, and
    // what the last read left. Guarded by the adapter's liveViewMutex.
    struct LiveViewFrame
    {
        static constexpr quint32 kJpegCapacity = 0x100000;
        KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM histogram{};
        quint32 histogramSize = 0;
        KVR_STRUCT_LIVEVIEW_INFO_POSTURE posture{};
        quint32 postureSize = 0;
        KVR_STRUCT_LIVEVIEW_INFO_LEVEL level{};
        quint32 levelSize = 0;
        std::array<std::vector<quint8>, 2> jpeg;
        std::array<quint32, 2> jpegSize{{0, 0}};
        int nextBuffer = 0;
        quint8 result = 0;
        quint32 error = 0;
    } liveViewFrame;
    // network connection, certificates and passwords
    // One network camera waiting for its password, first in first out.
    struct PasswordErrorEntry
    {
        quint32 errorType = 0;
        quint32 devIndex = 0;
        quint64 deviceKey = 0;
        QString friendlyName;
        QString serialNo;
    };
    // Appended on the SDK's thread, read and emptied on the GUI thread:
    // both lists are used only under networkStateLock.
    QList<PasswordErrorEntry> passwordErrorList;
    // Saving a found camera's certificate and listing its entry, and removing
    // the files of entries that left the list, take turns under this lock.
    // Held around file work and the search list's lock only, never across an
    // SDK call: the SDK's own thread lists cameras too.
    QRecursiveMutex certificateFileLock;
    QMap<QString, quint64> deviceKeyMap;
    mutable QMutex networkStateLock;
    // A network camera was found in this search.
    std::atomic<bool> lanConnected{false};
    // ---- camera status and notifications ----
    // Recording-information reads that saw a movie running; the object-added
    // notice on the SDK thread reads and resets it.
    std::atomic<int> movieRecCounter{0};
    // Firmware-update progress, written on the SDK thread, polled by the
    // update window.
    std::atomic<quint32> fwupDataFrame{0};
    std::atomic<quint8> fwupResult{0};
    // The selected camera's tether mode as the power-saving event last told.
    std::atomic<int> initSetupTetherMode{-1};
    std::atomic<quint32> autoIso{0};
    // Set while a lens zoom runs: exposure notices are ignored meanwhile.
    std::atomic<bool> lensZoomRunning{false};
    // Records copied from the cameras; read by the GUI thread, written by the
    // event worker, always under statusRecordLock.
    mutable QMutex statusRecordLock;
    KVR_STRUCT_BATTERY_INFO batteryInfo{};
    KVR_STRUCT_SETUP_INFO_ERROR setupInfoError{};
    KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO lvCompositeShootingInfo{};
    std::chrono::steady_clock::time_point recordingEndedAt{};
    // ---- end camera status and notifications ----
    // ---- setting readers ----
    // The camera's own codes of settings whose value is converted, kept as
    // read: other reads and the writers need the code itself (the 6K/4K
    // photo mode is computed from two of them, the movie writers send the
    // recording-mode and quality codes back).
#define KAVRO_DA_RAW_CODES(X)                                                                                          \
    X(intervalMode) X(custom3Set) X(exposureParam) X(mode4k) X(recFormat4K6K) X(focusSelect4K6K) X(iAMode)             \
    X(creativeMode) X(driveMode) X(modePos) X(jpegHeifMode) X(imageSize) X(imageQuality) X(imageAspect)                \
    X(meteringMode) X(exTelecon) X(cMovieMode) X(movieRecMode) X(movieQualityMode) X(systemFreq) X(selfTimerCustom)    \
    X(wbMode) X(wbKSet) X(wbAdjustAB) X(wbAdjustGM) X(wbAdjustABSep)
#define KAVRO_DA_RAW_CODE_MEMBER(name) std::atomic<quint16> raw_##name{0};
    KAVRO_DA_RAW_CODES(KAVRO_DA_RAW_CODE_MEMBER)
#undef KAVRO_DA_RAW_CODE_MEMBER
    // The SDK's capability records of the selected camera as last read;
    // readers fill a record of their own and copy it here, so a reader on
    // the GUI thread and one on the event worker never share one. Read and
    // written only under capabilityRecordLock.
    struct CapabilityRecords
    {
        KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO cameraMode{};
        KVR_STRUCT_BURST_BRACKET_CAPA_INFO burst{};
        KVR_STRUCT_SELFTIMER_CAPA_INFO selfTimer{};
        KVR_STRUCT_INTERVAL_CAPA_INFO interval{};
        KVR_STRUCT_4K6K_CAPA_INFO rec4K6K{};
        KVR_STRUCT_SETUP_CFG_CAPA_INFO setupCfg{};
        KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO setupFiles{};
        KVR_STRUCT_APERTURE_CAPA_INFO aperture{};
        KVR_STRUCT_SS_CAPA_INFO shutterSpeed{};
        KVR_STRUCT_ISO_CAPA_INFO iso{};
        KVR_STRUCT_EXPOSURE_CAPA_INFO exposure{};
        KVR_STRUCT_WB_CAPA_INFO whiteBalance{};
        KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO image{};
        KVR_STRUCT_AF_CONFIG_CAPA_INFO afConfig{};
        KVR_STRUCT_METERING_CAPA_INFO metering{};
        KVR_STRUCT_AFMF_CFG2_CAPA_INFO afmfCfg2{};
        KVR_STRUCT_REC_PREVIEW_CAPA_INFO recPreview{};
        KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO movieConfig{};
        KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO movieQualityList{};
        KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO movieFilter{};
        KVR_STRUCT_PHOTOSTYLE_CAPA_INFO photoStyle{};
        KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO photoStyle2{};
        KVR_STRUCT_AF_FRAME_CAPA_INFO afFrame{};
        KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO smallFrame{};
        KVR_STRUCT_AF_INFO afInfo{};
        KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG recomImg{};
        QString recomImgUuid; // the camera recomImg was read from; empty: none yet
        KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG transImg{};
    };
    mutable QMutex capabilityRecordLock;
    CapabilityRecords capabilityRecords;
    // The tether modes the selected camera offers while power saving.
    SettingFlags<Utilities::PwTether_Max> pwTetherConnectModeFlags{};
    StoredValue<int> pwTetherConnectModeCount{0};
    // ---- end setting readers ----
    // firmware update: the request, written by the start and read by the
    // event worker (progress and result are fwupDataFrame and fwupResult).
    QMutex fwupRequestMutex;
    std::array<char, KVR_FWUP_PATH_MAX + 1> fwupPath{};
    quint32 fwupPathLength = 0;
    quint32 fwupFixedValue = 10000;
    quint32 fwupResetFlag = 0;
};

} // namespace kavrotether
