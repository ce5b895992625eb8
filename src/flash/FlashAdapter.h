#pragma once

#include <QMutex>
#include <QObject>

#include <memory>

#include "core/Utilities.h" // see the Utilities block in the class
#include "core/WorkerThread.h"

// The flash settings of the selected camera, one row each, in the order of
// the value block:
//   X(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group)
// Enum        the Utilities enumeration of the value (-1: unknown)
// countSignal announces a new count of offered values
// table       the Utilities code table (index -> camera code); readers invert it
// flags       F: one availability flag per index, asked with <name>Capability(feature); N: none
// capChanged  Y: the class declares <name>CapabilityChanged() (kept for QML; nothing emits it)
// inner       I: a successful write announces <name>InnerChanged(value); N: nothing
// record      the capability record that carries it (Strobe, Strobe2) and its
// slot        list position in that record
// setter      the SDK function that writes it (without KVR_func_api_)
// group       group byte of the Strobe2 setters (A 1, B 2, C 3, built-in 4); 0 for the others
// clang-format off
#define KAVRO_FLASH_SETTINGS(X) \
    X(FlashDimmer,        flashDimmer,        FlashDimmer,        flashDimFlgNumChanged,           arrFlashDimmerVal,        F, Y, I, Strobe,  2,  RecInfo_Flash_Set_Dimmer,           0) \
    X(FlashMode,          flashMode,          FlashMode,          flashModeFlgNumChanged,          arrFlashModeVal,          F, Y, N, Strobe,  0,  StrobeInfo_Set_StrobeMode_Param,    0) \
    X(FlashSync,          flashSync,          FlashSync,          flashSyncFlgNumChanged,          arrFlashSyncVal,          F, Y, N, Strobe,  3,  RecInfo_Flash_Set_Sync,             0) \
    X(FlashAdjust,        flashAdjust,        FlashAdjust,        flashAdjustFlgNumChanged,        arrFlashAdjustVal,        N, N, N, Strobe,  4,  RecInfo_Flash_Set_Adjust,           0) \
    X(FlashManual,        flashManual,        FlashManual,        flashManualFlgNumChanged,        arrFlashManualVal,        N, N, N, Strobe,  6,  RecInfo_Flash_Set_Manual,           0) \
    X(ExposureLink,       exposureLink,       ExposureLink,       expoLinkFlgNumChanged,           arrExpoLinkVal,           F, Y, N, Strobe,  5,  RecInfo_Flash_Set_Exposure_Link,    0) \
    X(WirelessMode,       wirelessMode,       WirelessMode,       wirModeFlgNumChanged,            arrWirelessModeVal,       F, Y, I, Strobe,  7,  RecInfo_Flash_Set_Wireless_Mode,    0) \
    X(WirelessChannel,    wirelessChannel,    WirelessChannel,    wirChFlgNumChanged,              arrWirelessChVal,         F, Y, N, Strobe,  8,  RecInfo_Flash_Set_Wireless_Ch,      0) \
    X(WirelessFP,         wirelessFP,         WirelessFP,         wirFPFlgNumChanged,              arrWirelesFPVal,          F, Y, N, Strobe,  9,  RecInfo_Flash_Set_Wireless_FP,      0) \
    X(WirelessComPower,   wirelessComPower,   WirelessComPower,   wirComPowerFlgNumChanged,        arrWirelesComPowerVal,    F, Y, N, Strobe,  10, RecInfo_Flash_Set_Wireless_ComPower, 0) \
    X(BuildInFlashDimmer, buildInFlashDimmer, BuildInFlashDimmer, buildInFlashDimFlgNumChanged,    arrBuildInFlashDimmerVal, F, Y, N, Strobe2, 4,  RecInfo_Flash2_Set_Dimmer,          4) \
    X(GroupFlashDimmer,   aGroupDimmer,       AGroupDimmer,       aGroupDimFlgNumChanged,          arrGroupFlashDimmerVal,   F, Y, I, Strobe2, 1,  RecInfo_Flash2_Set_Dimmer,          1) \
    X(GroupFlashDimmer,   bGroupDimmer,       BGroupDimmer,       bGroupDimFlgNumChanged,          arrGroupFlashDimmerVal,   F, Y, I, Strobe2, 2,  RecInfo_Flash2_Set_Dimmer,          2) \
    X(GroupFlashDimmer,   cGroupDimmer,       CGroupDimmer,       cGroupDimFlgNumChanged,          arrGroupFlashDimmerVal,   F, Y, I, Strobe2, 3,  RecInfo_Flash2_Set_Dimmer,          3) \
    X(FlashAdjust,        buildInFlashAdjust, BuildInFlashAdjust, buildInFlashAdjustFlgNumChanged, arrFlashAdjustVal,        N, Y, N, Strobe2, 9,  RecInfo_Flash2_Set_Adjust,          4) \
    X(FlashAdjust,        aGroupFlashAdjust,  AGroupFlashAdjust,  aGroupFlashAdjustFlgNumChanged,  arrFlashAdjustVal,        N, Y, N, Strobe2, 6,  RecInfo_Flash2_Set_Adjust,          1) \
    X(FlashAdjust,        bGroupFlashAdjust,  BGroupFlashAdjust,  bGroupFlashAdjustFlgNumChanged,  arrFlashAdjustVal,        N, Y, N, Strobe2, 7,  RecInfo_Flash2_Set_Adjust,          2) \
    X(FlashAdjust,        cGroupFlashAdjust,  CGroupFlashAdjust,  cGroupFlashAdjustFlgNumChanged,  arrFlashAdjustVal,        N, Y, N, Strobe2, 8,  RecInfo_Flash2_Set_Adjust,          3) \
    X(FlashManual,        buildInFlashManual, BuildInFlashManual, buildInFlashManualFlgNumChanged, arrFlashManualVal,        N, Y, N, Strobe2, 14, RecInfo_Flash2_Set_Manual,          4) \
    X(FlashManual,        aGroupFlashManual,  AGroupFlashManual,  aGroupFlashManualFlgNumChanged,  arrFlashManualVal,        N, Y, N, Strobe2, 11, RecInfo_Flash2_Set_Manual,          1) \
    X(FlashManual,        bGroupFlashManual,  BGroupFlashManual,  bGroupFlashManualFlgNumChanged,  arrFlashManualVal,        N, Y, N, Strobe2, 12, RecInfo_Flash2_Set_Manual,          2) \
    X(FlashManual,        cGroupFlashManual,  CGroupFlashManual,  cGroupFlashManualFlgNumChanged,  arrFlashManualVal,        N, Y, N, Strobe2, 13, RecInfo_Flash2_Set_Manual,          3)

#define KAVRO_FLASH_PROPERTY(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group) \
    Q_PROPERTY(kavrotether::Utilities::Enum name READ name WRITE set##Name NOTIFY name##Changed)

#define KAVRO_FLASH_CAPABILITY_F(Enum, name) \
    Q_INVOKABLE kavrotether::Utilities::Ternary name##Capability(kavrotether::Utilities::Enum feature) const { return capability(Row_##name, feature); }
#define KAVRO_FLASH_CAPABILITY_N(Enum, name)
#define KAVRO_FLASH_ACCESSORS(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group) \
    kavrotether::Utilities::Enum name() const { return kavrotether::Utilities::Enum(value(Row_##name)); } \
    Q_INVOKABLE void set##Name(kavrotether::Utilities::Enum v) { write(Row_##name, v); } \
    void set##Name##Value(kavrotether::Utilities::Enum v) { storeValue(Row_##name, v); } \
    Q_INVOKABLE int name##CapabilityNum() const { return count(Row_##name); } \
    KAVRO_FLASH_CAPABILITY_##flags(Enum, name)

#define KAVRO_FLASH_CAPCHANGED_Y(name) void name##CapabilityChanged();
#define KAVRO_FLASH_CAPCHANGED_N(name)
#define KAVRO_FLASH_INNER_I(Enum, name) void name##InnerChanged(kavrotether::Utilities::Enum value);
#define KAVRO_FLASH_INNER_N(Enum, name)
#define KAVRO_FLASH_SIGNALS(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group) \
    void name##Changed(kavrotether::Utilities::Enum value); \
    void countSignal(); \
    KAVRO_FLASH_CAPCHANGED_##capChanged(name) \
    KAVRO_FLASH_INNER_##inner(Enum, name)

#define KAVRO_FLASH_ROW_ID(Enum, name, Name, countSignal, table, flags, capChanged, inner, record, slot, setter, group) \
    Row_##name,
// clang-format on

namespace kavrotether {

class FlashAdapterCallback;

// Settings of the built-in, external and wireless flashes of the selected
// camera: read from the camera's two flash records, written one setting at a
// time to the selected camera only.
class FlashAdapter : public QObject
{
    Q_OBJECT
    // --- Utilities keys through Kv.FlashAdapter (keep this block whole) ---
    // QML resolves Kv.FlashAdapter.<key> in this class's enumerations and in those of
    // the classes moc lists as related; moc lists a class there when a property's
    // type is scoped by it and it has seen that class (hence the include).
    Q_PROPERTY(kavrotether::Utilities::Ternary vocabulary READ vocabulary CONSTANT)
public:
    kavrotether::Utilities::Ternary vocabulary() const { return kavrotether::Utilities::Ternary_Unknown; }
    // --- end of block ---
    KAVRO_FLASH_SETTINGS(KAVRO_FLASH_PROPERTY)

public:
    enum Row : int { KAVRO_FLASH_SETTINGS(KAVRO_FLASH_ROW_ID) RowCount };

    explicit FlashAdapter(QObject *parent = nullptr);
    ~FlashAdapter() override;

    KAVRO_FLASH_SETTINGS(KAVRO_FLASH_ACCESSORS)

    // The camera's adjustment and manual-ratio codes as indexes; -1 for a
    // code outside the lists.
    static int adjustCodeToIndex(quint32 code);
    static int manualRatioCodeToIndex(quint32 code);

    // Readers of the selected camera's flash records: flash settings
    // (Strobe) and built-in flash with wireless groups (Strobe2). False, with
    // nothing changed, when the camera does not answer. They run on the flash
    // worker, the event worker, the connection thread and the GUI thread;
    // the flash lock keeps one record being filled and decoded at a time.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Strobe_GetCapability();
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Strobe2_GetCapability();

    // Starts the flash worker, which registers the two flash events and has
    // each reported change read again; a second call while it runs starts
    // nothing. Always True.
    Q_INVOKABLE kavrotether::Utilities::Ternary adp_KVR_func_api_Reg_NotifyCallback();
    // Asks the flash worker to stop and waits (bounded) until it has taken
    // the two events away; nothing when there is none.
    Q_INVOKABLE void stopCallbackThread();

    // The SDK callback's way in: queues the event on the receiver and wakes
    // the worker; false when no receiver was made yet.
    bool queueFlashEvent(quint32 event, quint32 param);

public slots:
    // Read the matching record again when given its event code; the two
    // ...Signal signals reach them queued.
    void registerEventIdStrobeConfig(uint cb_event_type, uint cb_event_param);
    void registerEventIdStrobe2Config(uint cb_event_type, uint cb_event_param);

signals:
    KAVRO_FLASH_SETTINGS(KAVRO_FLASH_SIGNALS)
    void settingErrorNotify();
    // The flash worker has been started.
    void operateFlashAdapterCallback();
    void registerEventIdStrobeConfigSignal(uint cb_event_type, uint cb_event_param);
    void registerEventIdStrobe2ConfigSignal(uint cb_event_type, uint cb_event_param);

private:
    struct Data;
    struct Change;

    int value(Row row) const;
    int count(Row row) const;
    Utilities::Ternary capability(Row row, int feature) const;
    void storeValue(Row row, int value);
    void write(Row row, int value);
    template<typename Record>
    Utilities::Ternary readRecord(Record &record, const Row *order, int rows);
    void announce(Row row, bool countChanged);
    void announceInner(Row row, int value);
    std::shared_ptr<FlashAdapterCallback> receiver() const;

    std::unique_ptr<Data> d;
    // Held across "look at the receiver, push to it", so that a stop cannot
    // drop the receiver between the two.
    mutable QMutex m_receiverLock;
    std::shared_ptr<FlashAdapterCallback> m_receiver;
    WorkerThread m_worker{QStringLiteral("flash worker")};
};

} // namespace kavrotether
