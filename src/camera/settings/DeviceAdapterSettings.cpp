// DeviceAdapter: the camera settings' getters, store operations, WRITE
// accessors of the rows whose writer needs no camera, and capability
// accessors, generated from CameraSettings.def; then the accessors whose
// capability has a shape of its own. All of them run on the caller's thread
// and read the data block without a lock.

#include "camera/DeviceAdapter.h"

namespace kavrotether {

namespace {

// The bound test is unsigned, so the Unknown key and every negative value
// fall outside the table.
template<std::size_t N>
Utilities::Ternary flagOf(const SettingFlags<N> &flags, int value)
{
    const auto i = static_cast<unsigned>(value);
    return Utilities::ternaryOf(i < N && flags[i].load() != 0);
}

// The bound is the list's capacity, not its count: consumers walk the list
// and stop by its contents.
template<typename T>
int listEntry(const SettingValueList<T> &list, int index)
{
    const auto i = static_cast<unsigned>(index);
    return i < list.size() ? static_cast<int>(list[i].load()) : -1;
}

// A count from the camera, clamped to what its list can hold.
int clampedCount(int count)
{
    return count < 0 ? 0 : (count > int(kSettingValueCapacity) ? int(kSettingValueCapacity) : count);
}

} // namespace

// clang-format off
#define KAVRO_CAMSET_DEFINE(name, Name, storeOp, type, width, start, kind, enumeration, slots, key, \
                            share, countSignal, writer, enqueuer)                                  \
    type DeviceAdapter::name() const { return static_cast<type>(d->key.load()); }                  \
    KAVRO_CAMSET_DEFINE_STORE_##share(name, storeOp, type, width, key)                             \
    KAVRO_CAMSET_DEFINE_SETTER_##writer(Name, storeOp, type, width, key, enqueuer)                 \
    KAVRO_CAMSET_DEFINE_CAPABILITY_##kind(name, enumeration, key)
// clang-format on

// The signal carries what was stored, which for a 16-bit value is not
// always what was given.
// clang-format off
#define KAVRO_CAMSET_DEFINE_STORE_Own(name, storeOp, type, width, key)                             \
    void DeviceAdapter::storeOp(type value)                                                        \
    {                                                                                              \
        if (d->key.store(static_cast<width>(value)))                                               \
            emit name##Changed(name());                                                            \
    }
// clang-format on
#define KAVRO_CAMSET_DEFINE_STORE_Alias(name, storeOp, type, width, key)
#define KAVRO_CAMSET_DEFINE_STORE_Hand(name, storeOp, type, width, key)
// clang-format off
#define KAVRO_CAMSET_DEFINE_STORE_Always(name, storeOp, type, width, key)                          \
    void DeviceAdapter::storeOp(type value)                                                        \
    {                                                                                              \
        d->key.store(static_cast<width>(value));                                                   \
        emit name##Changed(name());                                                                \
    }
// clang-format on

// A Q row's WRITE queues its writer (settings/SettingWriters.def).
// clang-format off
#define KAVRO_CAMSET_DEFINE_SETTER_Q(Name, storeOp, type, width, key, enqueuer)                    \
    void DeviceAdapter::set##Name(type value) { (void)enqueuer(value); }
// clang-format on
#define KAVRO_CAMSET_DEFINE_SETTER_S(Name, storeOp, type, width, key, enqueuer)
#define KAVRO_CAMSET_DEFINE_SETTER_Qi(Name, storeOp, type, width, key, enqueuer)
// clang-format off
#define KAVRO_CAMSET_DEFINE_SETTER_St(Name, storeOp, type, width, key, enqueuer)                   \
    void DeviceAdapter::set##Name(type value) { storeOp(value); }
#define KAVRO_CAMSET_DEFINE_SETTER_StQuiet(Name, storeOp, type, width, key, enqueuer)              \
    void DeviceAdapter::set##Name(type value) { d->key.store(static_cast<width>(value)); }
#define KAVRO_CAMSET_DEFINE_SETTER_N(Name, storeOp, type, width, key, enqueuer)                    \
    void DeviceAdapter::set##Name(type) {}

#define KAVRO_CAMSET_DEFINE_FLAG(name, enumeration, key)                                           \
    Utilities::Ternary DeviceAdapter::name##Capability(enumeration value) const                    \
    {                                                                                              \
        return flagOf(d->key##Flags, static_cast<int>(value));                                     \
    }
#define KAVRO_CAMSET_DEFINE_NUM(name, key)                                                         \
    int DeviceAdapter::name##CapabilityNum() const { return d->key##Count.load(); }
#define KAVRO_CAMSET_DEFINE_VALUE(name, key)                                                       \
    int DeviceAdapter::name##CapabilityValue(int index) const { return listEntry(d->key##Values, index); }

#define KAVRO_CAMSET_DEFINE_CAPABILITY_Flags(name, enumeration, key)                               \
    KAVRO_CAMSET_DEFINE_FLAG(name, enumeration, key)                                               \
    KAVRO_CAMSET_DEFINE_NUM(name, key)
#define KAVRO_CAMSET_DEFINE_CAPABILITY_Values(name, enumeration, key)                              \
    KAVRO_CAMSET_DEFINE_NUM(name, key)                                                             \
    KAVRO_CAMSET_DEFINE_VALUE(name, key)
#define KAVRO_CAMSET_DEFINE_CAPABILITY_FlagsValues(name, enumeration, key)                         \
    KAVRO_CAMSET_DEFINE_FLAG(name, enumeration, key)                                               \
    KAVRO_CAMSET_DEFINE_NUM(name, key)                                                             \
    KAVRO_CAMSET_DEFINE_VALUE(name, key)
// clang-format on
#define KAVRO_CAMSET_DEFINE_CAPABILITY_Count(name, enumeration, key) KAVRO_CAMSET_DEFINE_NUM(name, key)
// clang-format off
#define KAVRO_CAMSET_DEFINE_CAPABILITY_Limits(name, enumeration, key)                              \
    int DeviceAdapter::name##Min() const { return d->key##Min.load(); }                            \
    int DeviceAdapter::name##Max() const { return d->key##Max.load(); }                            \
    int DeviceAdapter::name##Step() const { return d->key##Step.load(); }
// clang-format on
#define KAVRO_CAMSET_DEFINE_CAPABILITY_SpecialCount(name, enumeration, key)
#define KAVRO_CAMSET_DEFINE_CAPABILITY_Special(name, enumeration, key)
#define KAVRO_CAMSET_DEFINE_CAPABILITY_Plain(name, enumeration, key)

KAVRO_CAMERA_SETTINGS(KAVRO_CAMSET_DEFINE)

// ---- capabilities of their own shape ----

Utilities::Ternary DeviceAdapter::apertureCapability(short value) const
{
    const int n = apertureCapabilityNum();
    for (int i = 0; i < n; ++i) {
        if (d->apertureValues[static_cast<std::size_t>(i)].load() == value)
            return Utilities::Ternary_True;
    }
    return Utilities::Ternary_False;
}

// Sign-extended like every 16-bit aperture; only the listed entries count.
short DeviceAdapter::apertureCapabilityValue(int index) const
{
    return index >= 0 && index < apertureCapabilityNum() ? d->apertureValues[static_cast<std::size_t>(index)].load()
                                                         : short(-1);
}

int DeviceAdapter::apertureCapabilityNum() const
{
    return clampedCount(d->apertureCount.load());
}

// -3 is the camera's automatic ISO: only then does the ISO list apply.
namespace {
constexpr int kIsoAuto = -3;
}

Utilities::Ternary DeviceAdapter::isoAutoCapability() const
{
    return Utilities::ternaryOf(isoAuto() == kIsoAuto);
}

int DeviceAdapter::isoAutoCapabilityValue(int index) const
{
    return isoAuto() == kIsoAuto ? isoCapabilityValue(index) : -1;
}

int DeviceAdapter::isoAutoCapabilityNum() const
{
    return isoCapabilityNum();
}

// A 6K/4K photo mode is offered when both its burst type and its frame rate are.
Utilities::Ternary DeviceAdapter::picture4K6KCapability(Utilities::Picture4K6K value) const
{
    const auto i = static_cast<unsigned>(value);
    if (i >= d->picture4K6KFlags.size())
        return Utilities::Ternary_False;
    const SettingFlags<2> &pair = d->picture4K6KFlags[i];
    return Utilities::ternaryOf(pair[0].load() && pair[1].load());
}

int DeviceAdapter::picture4K6KCapabilityNum() const
{
    return d->picture4K6KCount.load() * d->picture4K6KFpsCount.load();
}

// While the camera records a 4K movie the quality cannot change.
int DeviceAdapter::recMovieCapabilityNum() const
{
    const int status = cameraStatus();
    if (status == Utilities::CamStatus_MovRec_4k || status == Utilities::CamStatus_MovRemoteRec)
        return 0;
    return d->recMovieCount.load();
}

Utilities::Ternary DeviceAdapter::movieConfigQualityCapability(int) const
{
    return Utilities::Ternary_True;
}

int DeviceAdapter::movieConfigQualityCapabilityNum() const
{
    return 0;
}

Utilities::Ternary DeviceAdapter::movieDetailDisplay(Utilities::MovieDetailDisplay value) const
{
    return flagOf(d->movieDetailDisplayFlags, static_cast<int>(value));
}

Utilities::Ternary DeviceAdapter::hlgShootingTypeCapability(int value, QString device_uuid)
{
    const auto i = static_cast<unsigned>(value);
    if (i >= d->hlgShootingTypeFlags.size())
        return Utilities::Ternary_False;
    if (device_uuid.isEmpty())
        return flagOf(d->hlgShootingTypeFlags, value);
    bool offered = false;
    withCameraByUuid(device_uuid, [&](const CameraInfo &camera) { offered = camera.hlgDetail[i] != 0; });
    return Utilities::ternaryOf(offered);
}

// Camera codes 13 to 16 are the four HEIF qualities.
bool DeviceAdapter::imgInfoHeifModeAvailable() const
{
    const int n = clampedCount(d->imgInfoQualityCodeCount.load());
    for (int i = 0; i < n; ++i) {
        const quint16 code = d->imgInfoQualityCodes[static_cast<std::size_t>(i)].load();
        if (code >= 13 && code <= 16)
            return true;
    }
    return false;
}

bool DeviceAdapter::pscLUT2Available() const
{
    return d->pscLUT2Available.load();
}
bool DeviceAdapter::pscDensity2Available() const
{
    return d->pscDensity2Available.load();
}
bool DeviceAdapter::pscSupportHLG() const
{
    return d->pscSupportHLG.load();
}
bool DeviceAdapter::pscEnableHLG() const
{
    return d->pscEnableHLG.load();
}
int DeviceAdapter::imageQualityFlagNum() const
{
    return d->imageQualityFlagNum.load();
}

// Exposure applies to a movie in the P/A/S/M modes of the movie dial, and in
// creative video and S&Q motion while the camera reports no shot mode.
bool DeviceAdapter::isExpMovieMode() const
{
    const int mode = recordingMode();
    switch (shotModeStatus()) {
    case Utilities::Shot_Mode_Status_Movie:
    case Utilities::Shot_Mode_Status_Slow_Quick:
        return mode == Utilities::RM_ProgramAE || mode == Utilities::RM_AperturePriorityAE
               || mode == Utilities::RM_ShutterPriorityAE || mode == Utilities::RM_ManualExposure;
    case Utilities::Shot_Mode_Status_Unknown:
        return mode == Utilities::RM_CreativeVideo || mode == Utilities::RM_SQMotion;
    default:
        return false;
    }
}

Utilities::Ternary DeviceAdapter::photoStyleCompCapability(Utilities::PhotoStyleComp value) const
{
    return flagOf(d->photoStyleCompFlags, static_cast<int>(value));
}

int DeviceAdapter::photoStyleCompCapacityNum() const
{
    return d->photoStyleCompCount.load();
}

// ---- message display ----

int DeviceAdapter::msgDisplayed() const
{
    return d->msgDisplayed.load();
}

// Messages nest: the flag falls only when the outermost one closes.
void DeviceAdapter::setMsgDisplayed(bool on)
{
    if (on) {
        d->msgDisplayedDepth.fetch_add(1);
        d->msgDisplayed.store(1);
        return;
    }
    if (d->msgDisplayedDepth.fetch_sub(1) <= 1)
        d->msgDisplayed.store(0);
}

} // namespace kavrotether
