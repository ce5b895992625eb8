#include "FlashAdapter.h"

#include <QMutexLocker>
#include <QVarLengthArray>

#include <array>
#include <atomic>
#include <iterator>

#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/settings/CapabilityLists.h"
#include "core/ApplicationData.h"
#include "flash/FlashAdapterCallback.h"

namespace kavrotether {

namespace {

using StrobeSetter = uint8_t (*)(uint32_t, const char *, uint32_t *);
using GroupSetter = uint8_t (*)(uint32_t, uint8_t, const char *, uint32_t *);

enum class Record { Strobe, Strobe2 };

// What the code needs of a row: its code table, where the readers find it
// and how the writer sends it.
struct RowInfo
{
    const quint64 *codes;
    int codeCount;
    bool flagged;
    Record record;
    int slot;
    StrobeSetter set;
    GroupSetter setGroup;
    quint8 group;
};

// clang-format off
#define KAVRO_FLASH_FLAGGED_F true
#define KAVRO_FLASH_FLAGGED_N false
#define KAVRO_FLASH_SETTER_Strobe(setter) &KVR_func_api_##setter, nullptr
#define KAVRO_FLASH_SETTER_Strobe2(setter) nullptr, &KVR_func_api_##setter
#define KAVRO_FLASH_ROW_INFO(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group) \
    {Utilities::table, int(std::size(Utilities::table)), KAVRO_FLASH_FLAGGED_##flags, Record::record, slot, \
     KAVRO_FLASH_SETTER_##record(setter), group},
// clang-format on
constexpr RowInfo kRows[] = {KAVRO_FLASH_SETTINGS(KAVRO_FLASH_ROW_INFO)};
static_assert(std::size(kRows) == FlashAdapter::RowCount, "one entry per row");
#undef KAVRO_FLASH_ROW_INFO

// The widest flag table: one flag per flash mode.
constexpr int kMaxFlags = int(std::size(Utilities::arrFlashModeVal));

constexpr bool flagTablesFit()
{
    for (const RowInfo &row : kRows)
        if (row.flagged && row.codeCount > kMaxFlags)
            return false;
    return true;
}
static_assert(flagTablesFit(), "every flag table fits the flag storage");

// The readers' order: each record's settings as the record lists them,
// except that the strobe record's flash mode leads.
constexpr FlashAdapter::Row kStrobeOrder[] = {FlashAdapter::Row_flashMode,    FlashAdapter::Row_flashDimmer,
                                              FlashAdapter::Row_flashSync,    FlashAdapter::Row_flashAdjust,
                                              FlashAdapter::Row_flashManual,  FlashAdapter::Row_exposureLink,
                                              FlashAdapter::Row_wirelessMode, FlashAdapter::Row_wirelessChannel,
                                              FlashAdapter::Row_wirelessFP,   FlashAdapter::Row_wirelessComPower};
constexpr FlashAdapter::Row kStrobe2Order[] = {
    FlashAdapter::Row_buildInFlashDimmer, FlashAdapter::Row_aGroupDimmer,       FlashAdapter::Row_bGroupDimmer,
    FlashAdapter::Row_cGroupDimmer,       FlashAdapter::Row_buildInFlashAdjust, FlashAdapter::Row_aGroupFlashAdjust,
    FlashAdapter::Row_bGroupFlashAdjust,  FlashAdapter::Row_cGroupFlashAdjust,  FlashAdapter::Row_buildInFlashManual,
    FlashAdapter::Row_aGroupFlashManual,  FlashAdapter::Row_bGroupFlashManual,  FlashAdapter::Row_cGroupFlashManual};

constexpr bool ordersCoverTheirRecords()
{
    int strobe = 0;
    int strobe2 = 0;
    for (const RowInfo &row : kRows)
        (row.record == Record::Strobe ? strobe : strobe2)++;
    if (strobe != int(std::size(kStrobeOrder)) || strobe2 != int(std::size(kStrobe2Order)))
        return false;
    for (FlashAdapter::Row r : kStrobeOrder)
        if (kRows[r].record != Record::Strobe)
            return false;
    for (FlashAdapter::Row r : kStrobe2Order)
        if (kRows[r].record != Record::Strobe2)
            return false;
    return true;
}
static_assert(ordersCoverTheirRecords(), "each reader reads every row of its record once");

int codeToIndex(const RowInfo &row, quint32 code)
{
    for (int i = 0; i < row.codeCount; ++i)
        if (quint32(row.codes[i]) == code)
            return i;
    return -1;
}

template<typename T>
constexpr int listCount(const T &record)
{
    return int(std::size(record.lists));
}

} // namespace

struct FlashAdapter::Data
{
    Data()
    {
        for (auto &v : values)
            v.store(-1);
        for (auto &c : counts)
            c.store(0);
        for (auto &row : flags)
            for (auto &f : row)
                f.store(0);
    }

    // Read by the interface without the lock; stored under it.
    std::array<std::atomic<int>, RowCount> values;
    std::array<std::atomic<int>, RowCount> counts;
    std::array<SettingFlags<kMaxFlags>, RowCount> flags;
    // The flash lock: one SDK call filling a record, with the decoding of
    // that record, or one write, at a time. Taken before the camera's lock,
    // never while a signal is emitted.
    QMutex lock;
    KVR_STRUCT_STROBE_CAPA_INFO strobe{};
    KVR_STRUCT_STROBE2_CAPA_INFO strobe2{};
};

// A change found under the lock, announced after it is released.
struct FlashAdapter::Change
{
    Row row;
    bool count;
};

FlashAdapter::FlashAdapter(QObject *parent) : QObject(parent), d(std::make_unique<Data>())
{
    connect(this, &FlashAdapter::registerEventIdStrobeConfigSignal, this, &FlashAdapter::registerEventIdStrobeConfig,
            Qt::QueuedConnection);
    connect(this, &FlashAdapter::registerEventIdStrobe2ConfigSignal, this, &FlashAdapter::registerEventIdStrobe2Config,
            Qt::QueuedConnection);
}

FlashAdapter::~FlashAdapter()
{
    stopCallbackThread();
    m_worker.close();
    QMutexLocker g(&m_receiverLock);
    m_receiver.reset();
}

int FlashAdapter::adjustCodeToIndex(quint32 code)
{
    return capability::codeIndex(Utilities::arrFlashAdjustVal, code);
}

int FlashAdapter::manualRatioCodeToIndex(quint32 code)
{
    return capability::codeIndex(Utilities::arrFlashManualVal, code);
}

int FlashAdapter::value(Row row) const
{
    return d->values[row].load();
}

int FlashAdapter::count(Row row) const
{
    return d->counts[row].load();
}

Utilities::Ternary FlashAdapter::capability(Row row, int feature) const
{
    if (!kRows[row].flagged || feature < 0 || feature >= kRows[row].codeCount)
        return Utilities::Ternary_False;
    return Utilities::ternaryOf(d->flags[row][std::size_t(feature)].load());
}

void FlashAdapter::storeValue(Row row, int value)
{
    if (row == Row_wirelessMode && value != Utilities::WirM_Off && value != Utilities::WirM_On)
        return;
    if (d->values[row].exchange(value) != value)
        announce(row, false);
}

void FlashAdapter::announce(Row row, bool countChanged)
{
    const int v = value(row);
    switch (row) {
#define KAVRO_FLASH_ANNOUNCE(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, \
                             group) \
    case Row_##name: \
        if (countChanged) \
            emit countSignal(); \
        else \
            emit name##Changed(Utilities::Enum(v)); \
        break;
        KAVRO_FLASH_SETTINGS(KAVRO_FLASH_ANNOUNCE)
#undef KAVRO_FLASH_ANNOUNCE
    case RowCount:
        break;
    }
}

void FlashAdapter::announceInner(Row row, int value)
{
    switch (row) {
#define KAVRO_FLASH_INNER_EMIT_I(Enum, name) \
    case Row_##name: \
        emit name##InnerChanged(Utilities::Enum(value)); \
        break;
#define KAVRO_FLASH_INNER_EMIT_N(Enum, name)
#define KAVRO_FLASH_INNER_EMIT(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, \
                               group) \
    KAVRO_FLASH_INNER_EMIT_##inner(Enum, name)
        KAVRO_FLASH_SETTINGS(KAVRO_FLASH_INNER_EMIT)
#undef KAVRO_FLASH_INNER_EMIT
#undef KAVRO_FLASH_INNER_EMIT_N
#undef KAVRO_FLASH_INNER_EMIT_I
    default:
        break;
    }
}

// Fills the record from the selected camera and takes every listed setting
// from it, in the given order: flags from the counted entries only, then
// the count, then the current value. The signals follow once the flash lock
// is released, in the same order.
template<typename Record>
Utilities::Ternary FlashAdapter::readRecord(Record &record, const Row *order, int rows)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return Utilities::Ternary_False;
    QVarLengthArray<Change, 2 * RowCount> changes;
    {
        QMutexLocker g(&d->lock);
        quint8 result = 0;
        if constexpr (std::is_same_v<Record, KVR_STRUCT_STROBE_CAPA_INFO>)
            result = adapter->callSelectedCamera(KVR_func_api_Strobe_GetCapability, &record);
        else
            result = adapter->callSelectedCamera(KVR_func_api_Strobe2_GetCapability, &record);
        if (result == 0)
            return Utilities::Ternary_False;
        for (int i = 0; i < rows; ++i) {
            const Row row = order[i];
            const RowInfo &info = kRows[row];
            Q_ASSERT(info.slot >= 0 && info.slot < listCount(record));
            const KVR_STRUCT_CAPA_LIST &list = record.lists[info.slot];
            if (info.flagged)
                capability::fillFlags(d->flags[row], list, [&info](quint32 code) { return codeToIndex(info, code); });
            const int n = capability::countedEntries(list);
            if (d->counts[row].exchange(n) != n)
                changes.append({row, true});
            const int v = codeToIndex(info, record.current[info.slot]);
            // A wireless mode the camera reports as neither off nor on
            // leaves the shown mode as it was.
            if (v < 0 && row == Row_wirelessMode)
                continue;
            if (d->values[row].exchange(v) != v)
                changes.append({row, false});
        }
    }
    for (const Change &c : changes)
        announce(c.row, c.count);
    return Utilities::Ternary_True;
}

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Strobe_GetCapability()
{
    return readRecord(d->strobe, kStrobeOrder, int(std::size(kStrobeOrder)));
}

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Strobe2_GetCapability()
{
    return readRecord(d->strobe2, kStrobe2Order, int(std::size(kStrobe2Order)));
}

// Writes one setting to the selected camera (no other camera follows it).
// The new value shows at once; a refused write puts the old one back and
// says so.
void FlashAdapter::write(Row row, int value)
{
    const RowInfo &info = kRows[row];
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    int old = -1;
    quint8 result = 0;
    {
        QMutexLocker g(&d->lock);
        old = d->values[row].load();
        if (value == old)
            return;
        d->values[row].store(value);
        const quint32 code = value >= 0 && value < info.codeCount ? quint32(info.codes[value]) : 0u;
        if (adapter)
            result = info.set ? adapter->callSelectedCamera(info.set, code)
                              : adapter->callSelectedCamera(info.setGroup, code, info.group);
        if (result != 1)
            d->values[row].store(old);
    }
    if (result != 1) {
        emit settingErrorNotify();
        announce(row, false);
    } else {
        announceInner(row, value);
    }
    // The camera may have changed the modes it offers with the new one:
    // the event worker reads the flash record again, whatever the answer.
    if (row == Row_flashMode && adapter)
        (void)adapter->enqueueCommand(WorkerCommandCode::adp_KVR_func_api_Strobe_GetCapability_Start, 0, QString());
}

void FlashAdapter::registerEventIdStrobeConfig(uint cb_event_type, uint)
{
    if (cb_event_type == FlashAdapterCallback::kStrobeEvent)
        (void)adp_KVR_func_api_Strobe_GetCapability();
}

void FlashAdapter::registerEventIdStrobe2Config(uint cb_event_type, uint)
{
    if (cb_event_type == FlashAdapterCallback::kStrobe2Event)
        (void)adp_KVR_func_api_Strobe2_GetCapability();
}

std::shared_ptr<FlashAdapterCallback> FlashAdapter::receiver() const
{
    QMutexLocker g(&m_receiverLock);
    return m_receiver;
}

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Reg_NotifyCallback()
{
    if (m_worker.isRunning())
        return Utilities::Ternary_True;
    std::shared_ptr<FlashAdapterCallback> r;
    {
        QMutexLocker g(&m_receiverLock);
        if (!m_receiver)
            m_receiver = std::make_shared<FlashAdapterCallback>();
        r = m_receiver;
    }
    // The run keeps its receiver alive should it have to be left running.
    if (m_worker.start([r](WorkerThread::Run &) { r->doWork(); }))
        emit operateFlashAdapterCallback();
    return Utilities::Ternary_True;
}

void FlashAdapter::stopCallbackThread()
{
    const std::shared_ptr<FlashAdapterCallback> r = receiver();
    if (!r)
        return;
    r->RequestInterruption();
    (void)m_worker.stop();
}

bool FlashAdapter::queueFlashEvent(quint32 event, quint32 param)
{
    {
        QMutexLocker g(&m_receiverLock);
        if (!m_receiver)
            return false;
        m_receiver->pushArgumentLast(event, param);
    }
    m_worker.wake();
    return true;
}

} // namespace kavrotether
