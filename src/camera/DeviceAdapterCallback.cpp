#include "DeviceAdapterCallback.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <type_traits>
#include <atomic>
#include <cstring>
#include <iterator>

#include "DeviceAdapter.h"
#include "Kvrptpif.h"
#include "core/ApplicationData.h"
#include "flash/FlashAdapter.h"

namespace kavrotether {

namespace {

// Every event code the notify callback is registered for, in registration
// order. A code listed twice is registered (and removed) twice. The network
// kinds are registered after the first kNotifyBeforePtpip codes.
// 0x0D800010 is the code the worker handles for live-view image quality; the
// older 0x0D000010 stays registered beside it.
constexpr quint32 kNotifyCodes[] = {
    0x01000010,
    0x01000020,
    0x02000010,
    0x02000020,
    0x02000030,
    0x02000040,
    0x02000050,
    0x02000060,
    0x02000070,
    0x02000080,
    0x020000A0,
    0x020000B0,
    0x020000C0,
    0x020000E0,
    0x02000120,
    0x02000140,
    0x02000170,
    0x020001A0,
    0x020001C0,
    0x020001D0,
    0x020001D6,
    0x03000010,
    0x03000020,
    0x03000030,
    0x03000040,
    0x03000050,
    0x03000080,
    0x03000090,
    0x030000A0,
    0x030000B0,
    0x03010010,
    0x04000010,
    0x05000010,
    0x05000010,
    0x05000020,
    0x06000010,
    0x07000010,
    0x07000010,
    0x08000010,
    0x08000090,
    0x09000010,
    0x08000050,
    0x15C00010,
    0x0A000010,
    0x0C000010,
    0x0D000010,
    0x0D800010,
    0x41000010,
    0x10000000,
    0x10000001,
    0x10000002,
    0x10000040,
    0x10000041,
    0x10000042,
    0x10000043,
    0x10000080,
    0x10000090,
    0x10010000,
    0x1001FFFF,
    0x11000000,
    0x1100001F,
    0x12000010,
    0x12000020,
    0x12010040,
    0x12800040,
    0x12800041,
    0x12800042,
    0x12800110,
    0x12800111,
    0x12800112,
    0x12800113,
    0x15C00010,
    0x16000010,
    0x17000000,
    0x18000010,
    0x1FF10000,
    0x1FF20001,
    0x80010000,
    0x80020000,
    0x80030000,
    0x800300F0,
    0x80040000,
    0x80050000,
    0x800500F0,
    0x0E000000,
    0x0E000010,
    0x0E000011,
    0x12000070,
    0x41000015,
    1,
    2,
    3,
    4,
    5,
    6,
    // after the network kinds
    0x020001F0,
    0x0E000020,
    0x120100A0,
};
constexpr std::size_t kNotifyBeforePtpip = std::size(kNotifyCodes) - 3;
static_assert(std::size(kNotifyCodes) == 98, "97 registrations and the live-view quality code");

constexpr quint32 kPtpipKinds[] = {1, 3, 2, 4, 6, 5};

// Events of a camera other than the selected one that still pass the filter.
constexpr quint32 kOtherCameraPass[] = {
    1,
    2,
    3,
    4,
    5,
    6,
    CameraEventCode::PowerSavingInfo,
    CameraEventCode::BasicStreaming,
    CameraEventCode::ObjectReqTransfer,
    CameraEventCode::RecInfo,
    CameraEventCode::Ready4K6K,
    CameraEventCode::NotifyError,
    CameraEventCode::DeviceStray,
    CameraEventCode::FirmwareStatusExtra,
};

template<std::size_t N>
constexpr bool contains(const quint32 (&list)[N], quint32 code)
{
    for (quint32 c : list)
        if (c == code)
            return true;
    return false;
}

constexpr bool isFirmwareStatus(quint32 code)
{
    return (code >= CameraEventCode::FirmwareStatusFirst && code <= CameraEventCode::FirmwareStatusLast)
           || code == CameraEventCode::FirmwareStatusExtra;
}

// Setting writes: a newer value for the same camera replaces a waiting one.
// The network disconnect shares the range but is not a setting; the picture
// size is one though its code lies among the reads.
constexpr bool isSettingWrite(quint32 code)
{
    return (code >= WorkerCommandCode::SettingWriteFirst && code <= WorkerCommandCode::SettingWriteLast
            && code != WorkerCommandCode::PtpipDisconnect)
           || code == WorkerCommandCode::SetPictureSize;
}

template<typename Entry>
const Entry *findEntry(const Entry *table, std::size_t count, quint32 code)
{
    if (!table)
        return nullptr;
    const Entry *end = table + count;
    const Entry *it = std::lower_bound(table, end, code, [](const Entry &e, quint32 c) { return e.code < c; });
    return (it != end && it->code == code) ? it : nullptr;
}

const PtpipEntry *findPtpip(const DispatchTables &t, quint32 kind)
{
    for (std::size_t i = 0; i < t.ptpipCount; ++i)
        if (t.ptpip[i].kind == kind)
            return &t.ptpip[i];
    return nullptr;
}

// What the worker runs for the program's own commands (the handler column
// of WorkerCommands.def): each calls a DeviceAdapter operation with the
// item's parameter converted to its argument.
template<auto Read>
void runRead(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    (void)(adapter.*Read)();
}
// The flash records are read by the flash adapter, found in the registry.
template<auto Read>
void runFlashRead(DeviceAdapter &, const CallbackQueueItem &)
{
    if (FlashAdapter *flash = ApplicationData::getFlashAdapter())
        (void)(flash->*Read)();
}
void runStatusOfCards(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    (void)adapter.adp_KVR_func_api_GetStatusOfCards(nullptr, QString());
}
void runLiveViewData(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    adapter.adp_KVR_func_api_Get_LiveView_data();
}
void runFirmwareUpdate(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    (void)adapter.adp_KVR_func_api_FirmwareUpdate();
}
void runSearchCameraList(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    adapter.adp_KVR_func_api_Search_Camera_List();
}
void runRecInfoAnother(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    adapter.registerEventIdRecInfoAnother(item.cb_event_type, item.cb_event_param, item.cb_event_uuid);
}
void runSetEventTypeFromCamera(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    (void)adapter.adp_KVR_func_api_SetEventTypeFromCamera(item.cb_event_param != 0, item.cb_event_uuid);
}
void runSelectDevice(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    adapter.adp_KVR_func_api_Select_Device(int(item.cb_event_param));
}
void runPtpipDisconnect(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    QByteArray uuid = item.cb_event_uuid.toUtf8();
    adapter.registerEventPtpipDisconnectProc(PtpipKind::Disconnect, nullptr, uuid.data());
}

// A writer run with the item's parameter as its one argument (an
// enumeration value or an int, as the writer takes it).
template<typename>
struct WriterArgument;
template<typename R, typename A>
struct WriterArgument<R (DeviceAdapter::*)(A)>
{
    using type = A;
};
template<auto Write>
void runParamWriter(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    using Argument = typename WriterArgument<decltype(Write)>::type;
    (void)(adapter.*Write)(static_cast<Argument>(item.cb_event_param));
}
// The HLG writer names its camera in the item.
void runHlgShootingTypeWrite(DeviceAdapter &adapter, const CallbackQueueItem &item)
{
    (void)adapter.adp_KVR_func_api_HLG_Set_Cfg(int(item.cb_event_param), item.cb_event_uuid);
}
// The parameter only numbers the request; the row says which it is.
template<quint32 Command>
void runPhotoStyleRequest(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    (void)adapter.runPhotoStyleBackupRequest(Command);
}

// Every command row, handled or not, in code order, and which of them have
// a handler (told by the column's type: comparing function addresses is not
// a constant expression for every compiler set-up).
constexpr DispatchEntry kCommandRows[] = {
#define KAVRO_WORKER_COMMAND_ROW(kind, name, code, handler) DispatchEntry{code, handler},
    KAVRO_WORKER_COMMANDS(KAVRO_WORKER_COMMAND_ROW)
#undef KAVRO_WORKER_COMMAND_ROW
};
constexpr bool hasHandler(std::nullptr_t)
{
    return false;
}
constexpr bool hasHandler(void (*)(DeviceAdapter &, const CallbackQueueItem &))
{
    return true;
}
constexpr bool kCommandHandled[] = {
#define KAVRO_WORKER_COMMAND_HANDLED(kind, name, code, handler) hasHandler(handler),
    KAVRO_WORKER_COMMANDS(KAVRO_WORKER_COMMAND_HANDLED)
#undef KAVRO_WORKER_COMMAND_HANDLED
};

// clang-format off
#define KAVRO_DA_EVENT_ROW(code, handler)                                      \
    DispatchEntry{code, [](DeviceAdapter &a, const CallbackQueueItem &i) {       \
                      a.handler(i.cb_event_type, i.cb_event_param);              \
                  }}
#define KAVRO_DA_EVENT_UUID_ROW(code, handler)                                 \
    DispatchEntry{code, [](DeviceAdapter &a, const CallbackQueueItem &i) {       \
                      a.handler(i.cb_event_type, i.cb_event_param, i.cb_event_uuid); \
                  }}
// clang-format on
// The camera's events the worker handles.
constexpr DispatchEntry kEventRows[] = {
    // camera status and notifications
    KAVRO_DA_EVENT_ROW(0x08000050, registerEventIdPowerSavingInfo),
    KAVRO_DA_EVENT_ROW(0x0E000011, registerEventIdErrComTimeOut),
    // a network camera's streaming function, whichever camera reports it
    DispatchEntry{0x0E000020,
                  [](DeviceAdapter &a, const CallbackQueueItem &i) {
                      (void)a.adp_KVR_func_api_Net_Get_BasicStreaming_Function_UUID(i.cb_event_uuid);
                  }},
    KAVRO_DA_EVENT_ROW(0x10000040, registerEventIdObjectAdd),
    KAVRO_DA_EVENT_UUID_ROW(0x10000043, registerEventIdObjectReqTransfer),
    KAVRO_DA_EVENT_ROW(0x11000000, registerEventIdDataProg),
    KAVRO_DA_EVENT_ROW(0x12000010, registerEventIdRecInfo),
    KAVRO_DA_EVENT_ROW(0x12000070, registerEventIdLiveViewComposite),
    // the lens's zoom range and position
    DispatchEntry{0x120100A0,
                  [](DeviceAdapter &a, const CallbackQueueItem &) { (void)a.adp_KVR_func_api_LensZoom_Get_Info(); }},
    KAVRO_DA_EVENT_ROW(0x12800042, registerEventIdWbsetFailed),
    KAVRO_DA_EVENT_ROW(0x12800110, registerEventId4K6KCfg),
    KAVRO_DA_EVENT_UUID_ROW(0x12800111, registerEventId4K6KReady),
    KAVRO_DA_EVENT_ROW(0x12800112, registerEventId4K6KStart),
    KAVRO_DA_EVENT_ROW(0x12800113, registerEventId4K6KStop),
    KAVRO_DA_EVENT_UUID_ROW(0x15C00010, registerEventIdNotifyError),
    KAVRO_DA_EVENT_ROW(0x16000010, registerEventIdRecMonitorInfo),
    KAVRO_DA_EVENT_UUID_ROW(0x1FF10000, registerEventIdFrameDataTransferRead),
    KAVRO_DA_EVENT_UUID_ROW(0x1FF20001, registerEventIdDeviceStray),
};

template<typename Rows>
constexpr bool sortedUnique(const Rows &t)
{
    for (std::size_t i = 1; i < std::size(t); ++i)
        if (!(t[i - 1].code < t[i].code))
            return false;
    return true;
}
static_assert(sortedUnique(kEventRows), "merged below as a sorted list");
static_assert(sortedUnique(kCommandRows), "command rows are listed by ascending code");

constexpr bool commandsInRange()
{
    for (const DispatchEntry &row : kCommandRows)
        if (row.code < WorkerCommandCode::First || row.code > WorkerCommandCode::Last)
            return false;
    return true;
}
static_assert(commandsInRange(), "a command code lies in the command range");

constexpr std::size_t handledCommandCount()
{
    std::size_t n = 0;
    for (const bool handled : kCommandHandled)
        n += handled ? 1 : 0;
    return n;
}

// The number of rows of a built-in or standard array of rows.
template<typename T>
constexpr std::size_t rowCount()
{
    if constexpr (std::is_array_v<T>)
        return std::extent_v<T>;
    else
        return std::tuple_size_v<T>;
}

// Two lists sorted by code, merged into one sorted list.
template<typename A, typename B>
constexpr auto mergedByCode(const A &a, const B &b)
{
    std::array<DispatchEntry, rowCount<A>() + rowCount<B>()> out{};
    std::size_t i = 0;
    std::size_t j = 0;
    for (DispatchEntry &row : out)
        row = (j == std::size(b) || (i < std::size(a) && a[i].code < b[j].code)) ? a[i++] : b[j++];
    return out;
}

// The handled command rows, in code order.
constexpr auto handledCommandRows()
{
    std::array<DispatchEntry, handledCommandCount()> out{};
    std::size_t n = 0;
    for (std::size_t c = 0; c < std::size(kCommandRows); ++c)
        if (kCommandHandled[c])
            out[n++] = kCommandRows[c];
    return out;
}

// The setting-change events (settings/SettingEvents.def).
constexpr DispatchEntry kSettingEventRows[] = {
#define KAVRO_SETTING_EVENT_ROW(code, handler) KAVRO_DA_EVENT_ROW(code, handler),
    KAVRO_SETTING_EVENTS(KAVRO_SETTING_EVENT_ROW)
#undef KAVRO_SETTING_EVENT_ROW
};
static_assert(sortedUnique(kSettingEventRows), "setting events are listed by ascending code");

// The queued setting writers (settings/SettingWriters.def): each runs its
// worker with the item's value.
// clang-format off
#define KAVRO_SETTING_WRITER_ROW(code, worker, type, ...)                                          \
    DispatchEntry{code, [](DeviceAdapter &a, const CallbackQueueItem &i) {                         \
                      (void)a.worker(static_cast<type>(static_cast<qint32>(i.cb_event_param)));    \
                  }},
// clang-format on
constexpr DispatchEntry kSettingWriterRows[] = {KAVRO_SETTING_WRITERS(KAVRO_SETTING_WRITER_ROW)};
#undef KAVRO_SETTING_WRITER_ROW
static_assert(sortedUnique(kSettingWriterRows), "setting writers are listed by ascending code");
constexpr bool settingWritersInRange()
{
    for (const DispatchEntry &row : kSettingWriterRows)
        if (row.code < WorkerCommandCode::SettingWriteFirst || row.code > WorkerCommandCode::SettingWriteLast)
            return false;
    return true;
}
static_assert(settingWritersInRange(), "a setting writer's code lies in the setting-write range");

// The worker's table: the camera's events, the setting writers and the
// handled command rows, merged in code order.
constexpr auto mergedQueuedTable()
{
    return mergedByCode(mergedByCode(mergedByCode(kEventRows, kSettingEventRows), kSettingWriterRows),
                        handledCommandRows());
}
#undef KAVRO_DA_EVENT_ROW
#undef KAVRO_DA_EVENT_UUID_ROW
constexpr auto kQueuedTable = mergedQueuedTable();
static_assert(sortedUnique(kQueuedTable), "the worker looks codes up by binary search");

// network connection: kind 5 carries the error type where the others carry
// nothing, so each row hands over the second pointer untouched.
template<void (DeviceAdapter::*Handler)(uint, void *, void *)>
void runPtpip(DeviceAdapter &adapter, quint32 kind, void *data, const char *second)
{
    (adapter.*Handler)(kind, data, const_cast<char *>(second));
}

constexpr PtpipEntry kPtpipTable[] = {
    {PtpipKind::FoundDevice, runPtpip<&DeviceAdapter::registerEventPtpipFoundDeviceProc>},
    {PtpipKind::TimeoutSearch, runPtpip<&DeviceAdapter::registerEventPtpipTimeoutSearchProc>},
    {PtpipKind::StopSearch, runPtpip<&DeviceAdapter::registerEventPtpipStopSearchProc>},
    {PtpipKind::AuthenticatePw, runPtpip<&DeviceAdapter::registerEventPtpipAuthenticatePwProc>},
    {PtpipKind::FoundConnectedDevice, runPtpip<&DeviceAdapter::registerEventPtpipFoundConnectedDeviceProc>},
};

// Run at once on the SDK's thread.
void firmwareStatus(DeviceAdapter &a, quint32 code, quint32 param, const QString &)
{
    a.registerEventFWUPStatusProc(code, param);
}
constexpr std::array kImmediateTable{
    // camera status and notifications
    ImmediateEntry{1, firmwareStatus},          ImmediateEntry{2, firmwareStatus}, ImmediateEntry{3, firmwareStatus},
    ImmediateEntry{4, firmwareStatus},          ImmediateEntry{5, firmwareStatus}, ImmediateEntry{6, firmwareStatus},
    ImmediateEntry{0x41000015, firmwareStatus},
};
static_assert(sortedUnique(kImmediateTable), "looked up by binary search");

std::atomic<const DispatchTables *> g_tables{nullptr};

// A code that has no handler in this build is reported the first time it
// is dropped, not every time.
void warnUnhandled(quint32 code)
{
    static QMutex lock;
    static QSet<quint32> reported;
    QMutexLocker g(&lock);
    if (reported.contains(code))
        return;
    reported.insert(code);
    qWarning("DeviceAdapterCallback: no handler for code 0x%08X; its items are dropped", code);
}

} // namespace

DeviceAdapterCallback::DeviceAdapterCallback(QObject *parent) : QObject(parent) {}

DeviceAdapterCallback::~DeviceAdapterCallback()
{
    // Whoever deletes the receiver (the worker's thread as it ends) sees
    // every push and stop request made before under the queue mutex.
    QMutexLocker g(&m_queueMutex);
}

bool DeviceAdapterCallback::appendLocked(quint32 type, quint32 param, const QString &uuid)
{
    m_queue.push_back(CallbackQueueItem{type, param, uuid});
    if (m_wakeUp)
        m_wakeUp();
    return true;
}

bool DeviceAdapterCallback::pushArgumentLast(quint32 type, quint32 param, const QString &uuid)
{
    QMutexLocker g(&m_queueMutex);
    const bool write = isSettingWrite(type);
    for (CallbackQueueItem &item : m_queue) {
        if (item.cb_event_type != type || item.cb_event_uuid != uuid)
            continue;
        if (write) {
            item.cb_event_param = param;
            return false;
        }
        if (item.cb_event_param == param)
            return false;
    }
    return appendLocked(type, param, uuid);
}

bool DeviceAdapterCallback::pushArgumentCheck(quint32 type, quint32 param, const QString &uuid)
{
    QMutexLocker g(&m_queueMutex);
    for (const CallbackQueueItem &item : m_queue)
        if (item.cb_event_type == type)
            return false;
    return appendLocked(type, param, uuid);
}

bool DeviceAdapterCallback::pushArgumentCheck2(quint32 type, quint32 param, const QString &uuid)
{
    QMutexLocker g(&m_queueMutex);
    std::ptrdiff_t lastAf = -1;
    std::ptrdiff_t lastRec = -1;
    for (std::size_t i = 0; i < m_queue.size(); ++i) {
        if (m_queue[i].cb_event_type == CameraEventCode::AfInfo)
            lastAf = std::ptrdiff_t(i);
        else if (m_queue[i].cb_event_type == CameraEventCode::RecInfo)
            lastRec = std::ptrdiff_t(i);
    }
    if (lastAf >= 0) {
        if (lastRec < 0 || lastAf > lastRec)
            return false;
        // AF information must not run ahead of recording information that
        // arrived before it: the waiting one moves behind it as the new one.
        m_queue.erase(m_queue.begin() + lastAf);
    }
    return appendLocked(type, param, uuid);
}

bool DeviceAdapterCallback::popArgument(quint32 *type, quint32 *param, QString *uuid)
{
    if (!type || !param)
        return false;
    QMutexLocker g(&m_queueMutex);
    if (m_queue.empty())
        return false;
    CallbackQueueItem &head = m_queue.front();
    *type = head.cb_event_type;
    *param = head.cb_event_param;
    if (uuid)
        *uuid = head.cb_event_uuid;
    m_queue.pop_front();
    return true;
}

std::deque<CallbackQueueItem> DeviceAdapterCallback::pendingItems() const
{
    QMutexLocker g(&m_queueMutex);
    return m_queue;
}

void DeviceAdapterCallback::RequestInterruption()
{
    QMutexLocker g(&m_queueMutex);
    m_interruptionRequested = true;
}

void DeviceAdapterCallback::ClearInterruptionRequest()
{
    QMutexLocker g(&m_queueMutex);
    m_interruptionRequested = false;
}

bool DeviceAdapterCallback::IsInterruptionRequested() const
{
    QMutexLocker g(&m_queueMutex);
    return m_interruptionRequested;
}

void DeviceAdapterCallback::setWakeUp(std::function<void()> wakeUp)
{
    QMutexLocker g(&m_queueMutex);
    m_wakeUp = std::move(wakeUp);
}

const quint32 *DeviceAdapterCallback::notifyRegistrations(std::size_t *count)
{
    if (count)
        *count = std::size(kNotifyCodes);
    return kNotifyCodes;
}

const quint32 *DeviceAdapterCallback::ptpipRegistrations(std::size_t *count)
{
    if (count)
        *count = std::size(kPtpipKinds);
    return kPtpipKinds;
}

void DeviceAdapterCallback::CallbackRegist()
{
    for (std::size_t i = 0; i < kNotifyBeforePtpip; ++i)
        (void)KVR_func_api_Reg_NotifyCallback(kNotifyCodes[i], &DeviceAdapterCallback::registerCallback);
    for (quint32 kind : kPtpipKinds)
        (void)KVR_func_api_ptpip_Reg_Callback(kind, &DeviceAdapterCallback::registerCallback_PtpIp, nullptr, nullptr);
    for (std::size_t i = kNotifyBeforePtpip; i < std::size(kNotifyCodes); ++i)
        (void)KVR_func_api_Reg_NotifyCallback(kNotifyCodes[i], &DeviceAdapterCallback::registerCallback);
}

void DeviceAdapterCallback::CallbackUnRegist()
{
    for (std::size_t i = 0; i < kNotifyBeforePtpip; ++i)
        (void)KVR_func_api_Delete_CallBackInfo(kNotifyCodes[i]);
    for (quint32 kind : kPtpipKinds)
        (void)KVR_func_api_ptpip_Delete_Callback(kind, nullptr);
    for (std::size_t i = kNotifyBeforePtpip; i < std::size(kNotifyCodes); ++i)
        (void)KVR_func_api_Delete_CallBackInfo(kNotifyCodes[i]);
}

int DeviceAdapterCallback::registerCallback(quint32 event, quint32 param, const char *rawUuid)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return 0;
    const QString uuid = rawUuid ? QString::fromUtf8(rawUuid) : QString();
    const QString selected = adapter->camera_list_get_selected_camera_uuid();

    if (!uuid.isEmpty() && uuid != selected && !contains(kOtherCameraPass, event))
        return 0;
    if (adapter->isMultiviewMode() && (event == CameraEventCode::AfInfo || event == CameraEventCode::AfFrameDisp))
        return 0;
    if (adapter->isFwupProcessing() && !uuid.isEmpty() && uuid == adapter->getFwupProcessingUUID()
        && !isFirmwareStatus(event)) {
        if (event == CameraEventCode::DeviceStray)
            adapter->setDisconnectInFwup(true);
        return 0;
    }
    if (!adapter->callbackReceiverObject())
        return 0;

    const DispatchTables &tables = dispatchTables();
    if (isFirmwareStatus(event)) {
        if (const ImmediateEntry *e = findEntry(tables.immediate, tables.immediateCount, event))
            e->run(*adapter, event, param, uuid);
        return 0;
    }
    // Only the push happens with the receiver held; the notice below runs
    // after it, with nothing held.
    bool objectAdded = false;
    adapter->withCallbackReceiver([&](DeviceAdapterCallback &receiver) {
        switch (event) {
        case CameraEventCode::AfInfo:
            receiver.pushArgumentCheck2(event, param, uuid);
            break;
        case CameraEventCode::AfConfig:
        case CameraEventCode::AfConfig2:
            receiver.pushArgumentCheck(event, param, uuid);
            break;
        case CameraEventCode::ObjectAdd:
            objectAdded = receiver.pushArgumentLast(event, param, uuid);
            break;
        case CameraEventCode::RecInfo:
            if (uuid != selected)
                receiver.pushArgumentLast(WorkerCommandCode::RecInfoAnother, param, uuid);
            else
                receiver.pushArgumentLast(event, param, uuid);
            break;
        default:
            receiver.pushArgumentLast(event, param, uuid);
            break;
        }
    });
    if (objectAdded && ((param >> 24) & 0xF) != 1 && tables.objectAddedNotice)
        tables.objectAddedNotice(*adapter, event, param, uuid);
    return 0;
}

int DeviceAdapterCallback::registerCallback_PtpIp(quint32 kind, void *data, void *rawUuid, void *)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return 0;
    const char *uuidText = static_cast<const char *>(rawUuid);
    // Only a disconnection names a camera; the password request's second
    // pointer is its error type, not text.
    const QString uuid = uuidText && kind == PtpipKind::Disconnect
                             ? QString::fromUtf8(uuidText, qsizetype(strnlen(uuidText, 64)))
                             : QString();
    if (adapter->isFwupProcessing() && !uuid.isEmpty() && uuid == adapter->getFwupProcessingUUID()) {
        if (kind == PtpipKind::Disconnect)
            adapter->setDisconnectInFwup(true);
        return 0;
    }
    if (kind == PtpipKind::Disconnect) {
        adapter->withCallbackReceiver([&](DeviceAdapterCallback &receiver) {
            receiver.pushArgumentLast(WorkerCommandCode::PtpipDisconnect, 0, uuid);
        });
        return 0;
    }
    if (const PtpipEntry *e = findPtpip(dispatchTables(), kind))
        e->run(*adapter, kind, data, uuidText);
    return 0;
}

bool DeviceAdapterCallback::runOne()
{
    CallbackQueueItem item;
    if (!popArgument(&item.cb_event_type, &item.cb_event_param, &item.cb_event_uuid))
        return false;
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return true;
    const DispatchTables &tables = dispatchTables();
    const DispatchEntry *e = findEntry(tables.queued, tables.queuedCount, item.cb_event_type);
    if (e && e->run)
        e->run(*adapter, item);
    else
        warnUnhandled(item.cb_event_type);
    return true;
}

bool DeviceAdapterCallback::runNext()
{
    return !IsInterruptionRequested() && runOne();
}

const DispatchTables &DeviceAdapterCallback::productionTables()
{
    static const DispatchTables tables = [] {
        DispatchTables t;
        t.queued = kQueuedTable.empty() ? nullptr : kQueuedTable.data();
        t.queuedCount = kQueuedTable.size();
        t.ptpip = kPtpipTable;
        t.ptpipCount = std::size(kPtpipTable);
        // camera status and notifications
        t.immediate = kImmediateTable.data();
        t.immediateCount = kImmediateTable.size();
        t.objectAddedNotice = [](DeviceAdapter &a, quint32 code, quint32 param, const QString &uuid) {
            a.registerAddEventReceivedNotify(code, param, uuid);
        };
        return t;
    }();
    return tables;
}

bool DeviceAdapterCallback::hasQueuedHandler(quint32 code)
{
    const DispatchTables &tables = dispatchTables();
    const DispatchEntry *e = findEntry(tables.queued, tables.queuedCount, code);
    return e && e->run;
}

void DeviceAdapterCallback::setDispatchTables(const DispatchTables *tables)
{
    g_tables.store(tables);
}

const DispatchTables &DeviceAdapterCallback::dispatchTables()
{
    const DispatchTables *t = g_tables.load();
    return t ? *t : productionTables();
}

} // namespace kavrotether
