#pragma once

// Storage of the camera settings in DeviceAdapterData, generated from
// CameraSettings.def, and the storage of the few settings whose capability
// has a shape of its own.
//
// The readers write these on the event worker while the interface reads them
// on the GUI thread without a lock: every cell is atomic, so a reader sees an
// old or a new entry, never a torn one (a table and its count may briefly
// disagree).

#include <QtGlobal>

#include <array>
#include <atomic>
#include <cstddef>

#include "CameraSettings.def"
#include "core/Utilities.h"

namespace kavrotether {

// One flag byte per enumeration value: 1 when the camera listed the value in
// its last capability answer. Value-initialised, so every flag starts at 0.
template<std::size_t N>
using SettingFlags = std::array<std::atomic<quint8>, N>;

// The values a camera lists for a value-list setting, in its order.
static constexpr std::size_t kSettingValueCapacity = 512;
template<typename T>
using SettingValueList = std::array<std::atomic<T>, kSettingValueCapacity>;

// Capabilities that do not follow the row shape (see DeviceAdapterSettings.cpp
// for what each accessor answers from them).
struct SpecialSettingStorage
{
    // Apertures are 16-bit values walked up to the count (apertureCount).
    SettingValueList<qint16> apertureValues{};
    // Per 6K/4K photo mode, one flag from the burst-type list and one from
    // the frame-rate list; the type count is picture4K6KCount.
    std::array<SettingFlags<2>, Utilities::PQQ_Max> picture4K6KFlags{};
    std::atomic<int> picture4K6KFpsCount{0};
    // HLG shooting types the selected camera offers (OFF, 8K, Full, 4K).
    SettingFlags<4> hlgShootingTypeFlags{};
    // Which detail columns the movie-quality list shows.
    SettingFlags<Utilities::MVDD_Max> movieDetailDisplayFlags{};
    // The image-quality codes of the last image-information capability answer.
    std::atomic<int> imgInfoQualityCodeCount{0};
    SettingValueList<quint16> imgInfoQualityCodes{};
    // Photo-style components the camera offers, and their count (both
    // photo-style capability readers add to it).
    SettingFlags<Utilities::PSC_Max> photoStyleCompFlags{};
    std::atomic<int> photoStyleCompCount{0};
    std::atomic<bool> pscLUT2Available{false};
    std::atomic<bool> pscDensity2Available{false};
    std::atomic<bool> pscSupportHLG{false};
    std::atomic<bool> pscEnableHLG{false};
    // Live-view image qualities the camera offers.
    std::atomic<int> imageQualityFlagNum{0};
    // Messages shown now, nested; msgDisplayed is whether one is shown.
    std::atomic<int> msgDisplayedDepth{0};
    std::atomic<int> msgDisplayed{0};
};

} // namespace kavrotether

// X-list expansion for DeviceAdapterData's class body: the value of each
// storage row and the capability storage its kind needs.
// clang-format off
#define KAVRO_CAMSET_STORAGE(name, Name, storeOp, type, width, start, kind, enumeration, slots, key, \
                             share, countSignal, writer, enqueuer)                                 \
    KAVRO_CAMSET_STORAGE_##share(key, width, start, kind, slots)
// clang-format on
#define KAVRO_CAMSET_STORAGE_Alias(key, width, start, kind, slots)
#define KAVRO_CAMSET_STORAGE_Always(key, width, start, kind, slots) KAVRO_CAMSET_STORAGE_Own(key, width, start, kind, slots)
#define KAVRO_CAMSET_STORAGE_Hand(key, width, start, kind, slots) KAVRO_CAMSET_STORAGE_Own(key, width, start, kind, slots)
// clang-format off
#define KAVRO_CAMSET_STORAGE_Own(key, width, start, kind, slots)                                   \
    StoredValue<width> key{start};                                                                 \
    KAVRO_CAMSET_CAPABILITY_STORAGE_##kind(key, slots)
// clang-format on

#define KAVRO_CAMSET_COUNT_STORAGE(key) StoredValue<int> key##Count{0};
// clang-format off
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Flags(key, slots)                                          \
    SettingFlags<slots> key##Flags{};                                                              \
    KAVRO_CAMSET_COUNT_STORAGE(key)
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Values(key, slots)                                         \
    SettingValueList<qint32> key##Values{};                                                        \
    KAVRO_CAMSET_COUNT_STORAGE(key)
#define KAVRO_CAMSET_CAPABILITY_STORAGE_FlagsValues(key, slots)                                    \
    SettingFlags<slots> key##Flags{};                                                              \
    SettingValueList<qint32> key##Values{};                                                        \
    KAVRO_CAMSET_COUNT_STORAGE(key)
// clang-format on
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Count(key, slots) KAVRO_CAMSET_COUNT_STORAGE(key)
#define KAVRO_CAMSET_CAPABILITY_STORAGE_SpecialCount(key, slots) KAVRO_CAMSET_COUNT_STORAGE(key)
// clang-format off
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Limits(key, slots)                                         \
    StoredValue<int> key##Min{0};                                                                  \
    StoredValue<int> key##Max{0};                                                                  \
    StoredValue<int> key##Step{0};
// clang-format on
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Special(key, slots)
#define KAVRO_CAMSET_CAPABILITY_STORAGE_Plain(key, slots)
