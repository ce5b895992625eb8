#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>

#include "WorkerCommands.def"

namespace kavrotether {

class DeviceAdapter;

// The SDK's 32-bit event numbers that the queue treats specially.
namespace CameraEventCode {
enum : quint32 {
    FirmwareStatusFirst = 1,
    FirmwareStatusLast = 6,
    AfInfo = 0x01000010,
    AfConfig = 0x02000070,
    AfConfig2 = 0x02000120,
    AfFrameDisp = 0x020001D0,
    PowerSavingInfo = 0x08000050,
    LvImageQualityOld = 0x0D000010,
    LvImageQuality = 0x0D800010,
    BasicStreaming = 0x0E000020,
    ObjectAdd = 0x10000040,
    ObjectReqTransfer = 0x10000043,
    RecInfo = 0x12000010,
    Ready4K6K = 0x12800111,
    NotifyError = 0x15C00010,
    DeviceStray = 0x1FF20001,
    FirmwareStatusExtra = 0x41000015,
};
}

// The program's own command codes, queued beside the camera events: the
// ranges, and one constant per row of the command list.
namespace WorkerCommandCode {
enum : quint32 {
    First = 0xFFFF0101,
    SettingWriteFirst = 0xFFFF0101,
    SettingWriteLast = 0xFFFF01FF,
    ReadFirst = 0xFFFF0201,
    Last = 0xFFFF030C,
#define KAVRO_WORKER_COMMAND_CONSTANT(kind, name, code, handler) name = code,
    KAVRO_WORKER_COMMANDS(KAVRO_WORKER_COMMAND_CONSTANT)
#undef KAVRO_WORKER_COMMAND_CONSTANT
};
} // namespace WorkerCommandCode

// Network callback kinds.
namespace PtpipKind {
enum : quint32 {
    FoundDevice = 1,
    TimeoutSearch = 2,
    StopSearch = 3,
    Disconnect = 4,
    AuthenticatePw = 5,
    FoundConnectedDevice = 6,
};
}

struct CallbackQueueItem
{
    quint32 cb_event_type = 0;
    quint32 cb_event_param = 0;
    QString cb_event_uuid;
};

// One row of the worker's dispatch: the exact code and what runs for it.
struct DispatchEntry
{
    quint32 code;
    void (*run)(DeviceAdapter &adapter, const CallbackQueueItem &item);
};

// Handlers that run at once on the SDK's thread instead of being queued.
struct ImmediateEntry
{
    quint32 code;
    void (*run)(DeviceAdapter &adapter, quint32 code, quint32 param, const QString &uuid);
};

struct PtpipEntry
{
    quint32 kind;
    void (*run)(DeviceAdapter &adapter, quint32 kind, void *data, const char *uuid);
};

// Everything the worker and the SDK callbacks route to. Each table is sorted
// by code; a code without a row is logged once and discarded (queued) or
// dropped (immediate).
struct DispatchTables
{
    const DispatchEntry *queued = nullptr;
    std::size_t queuedCount = 0;
    const ImmediateEntry *immediate = nullptr;
    std::size_t immediateCount = 0;
    const PtpipEntry *ptpip = nullptr;
    std::size_t ptpipCount = 0;
    // The notice for an object added to the camera, run on the SDK thread
    // after the event was newly queued; null while there is none.
    void (*objectAddedNotice)(DeviceAdapter &adapter, quint32 code, quint32 param, const QString &uuid) = nullptr;
};

// The queue between the SDK's callbacks and the enqueuers on one side and the
// event worker thread on the other.
class DeviceAdapterCallback : public QObject
{
    Q_OBJECT
public:
    explicit DeviceAdapterCallback(QObject *parent = nullptr);
    ~DeviceAdapterCallback() override;

    // Each answers whether the item was appended. A setting write for a
    // camera that already has the same write waiting replaces that item's
    // value instead (the user's last choice wins) and answers false.
    bool pushArgumentLast(quint32 type, quint32 param, const QString &uuid);
    bool pushArgumentCheck(quint32 type, quint32 param, const QString &uuid);
    bool pushArgumentCheck2(quint32 type, quint32 param, const QString &uuid);
    bool popArgument(quint32 *type, quint32 *param, QString *uuid);

    void RequestInterruption();
    void ClearInterruptionRequest();
    bool IsInterruptionRequested() const;
    // Called after each item appended (the worker's wake-up); set before
    // the worker starts.
    void setWakeUp(std::function<void()> wakeUp);

    static void CallbackRegist();
    static void CallbackUnRegist();
    static int registerCallback(quint32 event, quint32 param, const char *uuid);
    static int registerCallback_PtpIp(quint32 kind, void *data, void *uuid, void *reserved);

    // Pops one item and runs it on the calling thread; false when the queue
    // was empty. Tests step with it.
    bool runOne();
    // The worker's step: runOne() unless a stop was requested (the items
    // still waiting then never run); false when nothing ran.
    bool runNext();
    // The items waiting, oldest first (a copy).
    std::deque<CallbackQueueItem> pendingItems() const;

    static const DispatchTables &productionTables();
    // Whether the worker has a handler for this code in the tables it routes
    // by (for the program's own commands: the command list's handler column).
    static bool hasQueuedHandler(quint32 code);
    // Replaces what the worker and the callbacks route to; null restores
    // the production tables.
    static void setDispatchTables(const DispatchTables *tables);
    static const DispatchTables &dispatchTables();

    // The SDK event codes registered by CallbackRegist, in order (a code may
    // appear twice), and the network kinds.
    static const quint32 *notifyRegistrations(std::size_t *count);
    static const quint32 *ptpipRegistrations(std::size_t *count);

private:
    bool appendLocked(quint32 type, quint32 param, const QString &uuid);

    mutable QMutex m_queueMutex;
    std::deque<CallbackQueueItem> m_queue;
    bool m_interruptionRequested = false;
    std::function<void()> m_wakeUp;
};

} // namespace kavrotether
