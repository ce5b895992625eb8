// DeviceAdapter: the queued setting writers of settings/SettingWriters.def.
// Every worker is the one engine below, run on the event worker thread; each
// row only says how its value becomes a camera code and what follows the
// camera's answer.

#include "camera/DeviceAdapter.h"

#include <algorithm>
#include <cstdlib>

namespace kavrotether {

namespace {

enum class Restore { Always, IfDiffers };

// The signal's own parameter type, so that a stored 16-bit or int value is
// announced as the property's type.
template<typename>
struct SignalArg;
template<typename A>
struct SignalArg<void (DeviceAdapter::*)(A)>
{
    using type = A;
};

template<auto Signal, typename V>
void announce(DeviceAdapter &adapter, V value)
{
    using Arg = typename SignalArg<decltype(Signal)>::type;
    emit(adapter.*Signal)(static_cast<Arg>(value));
}

// The width of the code is the width of the SDK function's first parameter:
// the code is cut to it once, and every camera gets the same bits.
template<typename Arg>
quint8 sendToChosenCameras(DeviceAdapter &adapter, uint8_t (*fn)(Arg, const char *, uint32_t *), quint32 code,
                           bool mirrored)
{
    const Arg arg = static_cast<Arg>(code);
    return mirrored ? adapter.callSelectedAndMirrored(fn, arg) : adapter.callSelectedCamera(fn, arg);
}

// ---- the columns of a row ----

#define KAVRO_WR_CONVERT_Table(table) quint32(Utilities::codeAt(Utilities::table, value))
#define KAVRO_WR_CONVERT_Value static_cast<quint32>(value)
#define KAVRO_WR_CONVERT_Slider(block) DeviceAdapter::convertSliderValue(value, d.block##Step.load())
#define KAVRO_WR_CONVERT_Density DeviceAdapter::convertDensityValue(value)

#define KAVRO_WR_SUCCESS_None(key)
#define KAVRO_WR_SUCCESS_Changed(key) announce<&DeviceAdapter::key##Changed>(a, value);
#define KAVRO_WR_SUCCESS_Inner(key) announce<&DeviceAdapter::key##InnerChanged>(a, value);
// clang-format off
#define KAVRO_WR_SUCCESS_Style(key)                                                                \
    (void)a.adp_KVR_func_api_PhotoStyle_GetCapability();                                           \
    (void)a.adp_KVR_func_api_PhotoStyle2_GetCapability();                                          \
    announce<&DeviceAdapter::pscPhotoModeChanged>(a, value);                                       \
    KAVRO_WR_SUCCESS_Changed(key)
#define KAVRO_WR_SUCCESS_StyleBase(key)                                                            \
    (void)a.adp_KVR_func_api_PhotoStyle_GetCapability();                                           \
    announce<&DeviceAdapter::pscPhotoModeChanged>(a, value);                                       \
    KAVRO_WR_SUCCESS_Changed(key)
#define KAVRO_WR_SUCCESS_StyleBase2(key)                                                           \
    (void)a.adp_KVR_func_api_PhotoStyle2_GetCapability();                                          \
    announce<&DeviceAdapter::pscPhotoModeChanged>(a, value);                                       \
    KAVRO_WR_SUCCESS_Changed(key)
#define KAVRO_WR_SUCCESS_ChangedIsoCaps(key)                                                       \
    KAVRO_WR_SUCCESS_Changed(key)                                                                  \
    (void)a.adp_KVR_func_api_ISO_GetCapability();
#define KAVRO_WR_SUCCESS_ChangedStyle2Caps(key)                                                    \
    KAVRO_WR_SUCCESS_Changed(key)                                                                  \
    (void)a.adp_KVR_func_api_PhotoStyle2_GetCapability();
#define KAVRO_WR_SUCCESS_ChangedWbCaps(key)                                                        \
    KAVRO_WR_SUCCESS_Changed(key)                                                                  \
    (void)a.adp_KVR_func_api_WB_GetCapability();
// clang-format on

#define KAVRO_WR_AFTER_Nothing
#define KAVRO_WR_AFTER_CopyPcMask a.updateCopyPcMask();

#define KAVRO_WR_KEEP_NoRaw
#define KAVRO_WR_KEEP_RawOnFail(name)
#define KAVRO_WR_KEEP_RawAlways(name) d.raw_##name.store(static_cast<quint16>(code));
#define KAVRO_WR_UNDO_NoRaw
#define KAVRO_WR_UNDO_RawOnFail(name) d.raw_##name.store(static_cast<quint16>(code));
#define KAVRO_WR_UNDO_RawAlways(name) d.raw_##name.store(static_cast<quint16>(code));

// One traits type per row, read by DeviceAdapter::runSettingWriter.
// clang-format off
#define KAVRO_WR_ROW(code_, worker, type, sdk, key, convert, restore_, success, after, raw, mirror)   \
    struct worker##Row                                                                             \
    {                                                                                              \
        static auto &field(DeviceAdapterData &d) { return d.key; }                                 \
        static constexpr auto sdkCall = &KVR_func_api_##sdk;                                       \
        static constexpr auto changed = &DeviceAdapter::key##Changed;                              \
        static constexpr Restore restore = Restore::restore_;                                      \
        static constexpr bool mirrored = KAVRO_WR_MIRROR_##mirror;                                 \
        static quint32 code(const DeviceAdapterData &d, int value)                                 \
        {                                                                                          \
            (void)d;                                                                               \
            return KAVRO_WR_CONVERT_##convert;                                                     \
        }                                                                                          \
        static void keepCode(DeviceAdapterData &d, quint32 code)                                   \
        {                                                                                          \
            (void)d, (void)code;                                                                   \
            KAVRO_WR_KEEP_##raw                                                                    \
        }                                                                                          \
        static void undoCode(DeviceAdapterData &d, quint32 code)                                   \
        {                                                                                          \
            (void)d, (void)code;                                                                   \
            KAVRO_WR_UNDO_##raw                                                                    \
        }                                                                                          \
        static void succeeded(DeviceAdapter &a, int value)                                         \
        {                                                                                          \
            (void)a, (void)value;                                                                  \
            KAVRO_WR_SUCCESS_##success(key)                                                        \
        }                                                                                          \
        static void finished(DeviceAdapter &a)                                                     \
        {                                                                                          \
            (void)a;                                                                               \
            KAVRO_WR_AFTER_##after                                                                 \
        }                                                                                          \
    };
// clang-format on
#define KAVRO_WR_MIRROR_Mirrored true
#define KAVRO_WR_MIRROR_SelectedOnly false

KAVRO_SETTING_WRITERS(KAVRO_WR_ROW)
#undef KAVRO_WR_ROW

} // namespace

// A value with no bits beyond the camera's field: the magnitude stops at the
// largest the field holds instead of wrapping into the sign or step bits.
quint32 DeviceAdapter::convertSliderValue(int value, int step)
{
    const quint32 magnitude = quint32(std::min<qint64>(std::llabs(qint64(value)), 0xFF));
    quint32 code = magnitude;
    if (value < 0)
        code |= 0x8000u;
    if (step != 1)
        code |= quint32(step & 0xF) << 8;
    return code;
}

quint32 DeviceAdapter::convertDensityValue(int value)
{
    const quint32 magnitude = quint32(std::min<qint64>(std::llabs(qint64(value)) * 10, 0x7FFF));
    return value < 0 ? (magnitude | 0x8000u) : magnitude;
}

template<typename Row>
Utilities::Ternary DeviceAdapter::runSettingWriter(int value)
{
    auto &field = Row::field(*d);
    using Stored = decltype(field.load());
    const Stored next = static_cast<Stored>(value);
    const Stored old = field.load();
    if (next == old)
        return Utilities::Ternary_False;
    field.store(next);
    const quint32 code = Row::code(*d, int(next));
    Row::keepCode(*d, code);

    const bool ok = sendToChosenCameras(*this, Row::sdkCall, code, Row::mirrored) == 1;
    if (ok) {
        Row::succeeded(*this, int(next));
    } else {
        emit settingErrorNotify();
        Row::undoCode(*d, Row::code(*d, int(old)));
        // A reader may already have stored the camera's own value meanwhile:
        // only a value this write left behind is taken back.
        if (Row::restore == Restore::Always || field.load() != old) {
            field.store(old);
            announce<Row::changed>(*this, old);
        }
    }
    Row::finished(*this);
    return Utilities::ternaryOf(ok);
}

// clang-format off
#define KAVRO_WR_DEFINE(code, worker, type, sdk, key, convert, restore, success, after, raw, mirror)  \
    Utilities::Ternary DeviceAdapter::worker##_Start(type value)                                   \
    {                                                                                              \
        return enqueueCommand(code, static_cast<quint32>(static_cast<qint32>(value)));             \
    }                                                                                              \
    Utilities::Ternary DeviceAdapter::worker(type value)                                           \
    {                                                                                              \
        return runSettingWriter<worker##Row>(static_cast<int>(value));                             \
    }
// clang-format on
KAVRO_SETTING_WRITERS(KAVRO_WR_DEFINE)
#undef KAVRO_WR_DEFINE

} // namespace kavrotether
