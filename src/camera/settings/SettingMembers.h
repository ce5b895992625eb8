#pragma once

// DeviceAdapter's members of the camera settings, generated from
// CameraSettings.def: expansions for the property block, the public
// accessors and the signals. Definitions are in DeviceAdapterSettings.cpp.

#include "CameraSettings.def"

// ---- properties ----
// clang-format off
#define KAVRO_CAMSET_PROPERTY(name, Name, storeOp, type, width, start, kind, enumeration, slots, key, \
                              share, countSignal, writer, enqueuer)                                \
    Q_PROPERTY(type name READ name KAVRO_CAMSET_WRITE_##writer(Name)                               \
                   NOTIFY KAVRO_CAMSET_NOTIFY_##share(name, key))
// clang-format on
#define KAVRO_CAMSET_WRITE_Q(Name) WRITE set##Name
#define KAVRO_CAMSET_WRITE_S(Name) WRITE set##Name
#define KAVRO_CAMSET_WRITE_Qi(Name) WRITE set##Name
#define KAVRO_CAMSET_WRITE_St(Name) WRITE set##Name
#define KAVRO_CAMSET_WRITE_StQuiet(Name) WRITE set##Name
#define KAVRO_CAMSET_WRITE_N(Name) WRITE set##Name
#define KAVRO_CAMSET_NOTIFY_Own(name, key) name##Changed
#define KAVRO_CAMSET_NOTIFY_Always(name, key) name##Changed
#define KAVRO_CAMSET_NOTIFY_Hand(name, key) name##Changed
#define KAVRO_CAMSET_NOTIFY_Alias(name, key) key##Changed

// ---- accessors ----
// clang-format off
#define KAVRO_CAMSET_ACCESSORS(name, Name, storeOp, type, width, start, kind, enumeration, slots, key, \
                               share, countSignal, writer, enqueuer)                               \
    type name() const;                                                                             \
    KAVRO_CAMSET_STORE_##share(storeOp, type)                                                      \
    KAVRO_CAMSET_SETTER_##writer(Name, type)                                                       \
    KAVRO_CAMSET_CAPABILITY_##kind(name, enumeration)
// clang-format on

#define KAVRO_CAMSET_STORE_Own(storeOp, type) void storeOp(type value);
#define KAVRO_CAMSET_STORE_Always(storeOp, type) void storeOp(type value);
#define KAVRO_CAMSET_STORE_Hand(storeOp, type) void storeOp(type value);
#define KAVRO_CAMSET_STORE_Alias(storeOp, type)

#define KAVRO_CAMSET_SETTER_Q(Name, type) Q_INVOKABLE void set##Name(type value);
#define KAVRO_CAMSET_SETTER_S(Name, type) Q_INVOKABLE void set##Name(type value);
#define KAVRO_CAMSET_SETTER_Qi(Name, type) Q_INVOKABLE void set##Name(type value);
#define KAVRO_CAMSET_SETTER_St(Name, type) Q_INVOKABLE void set##Name(type value);
#define KAVRO_CAMSET_SETTER_StQuiet(Name, type) Q_INVOKABLE void set##Name(type value);
#define KAVRO_CAMSET_SETTER_N(Name, type) Q_INVOKABLE void set##Name(type value);

// clang-format off
#define KAVRO_CAMSET_CAPABILITY_FLAG(name, enumeration)                                            \
    Q_INVOKABLE kavrotether::Utilities::Ternary name##Capability(enumeration value) const;
// clang-format on
#define KAVRO_CAMSET_CAPABILITY_NUM(name) Q_INVOKABLE int name##CapabilityNum() const;
#define KAVRO_CAMSET_CAPABILITY_VALUE(name) Q_INVOKABLE int name##CapabilityValue(int index) const;
// clang-format off
#define KAVRO_CAMSET_CAPABILITY_Flags(name, enumeration)                                           \
    KAVRO_CAMSET_CAPABILITY_FLAG(name, enumeration)                                                \
    KAVRO_CAMSET_CAPABILITY_NUM(name)
#define KAVRO_CAMSET_CAPABILITY_Values(name, enumeration)                                          \
    KAVRO_CAMSET_CAPABILITY_NUM(name)                                                              \
    KAVRO_CAMSET_CAPABILITY_VALUE(name)
#define KAVRO_CAMSET_CAPABILITY_FlagsValues(name, enumeration)                                     \
    KAVRO_CAMSET_CAPABILITY_FLAG(name, enumeration)                                                \
    KAVRO_CAMSET_CAPABILITY_NUM(name)                                                              \
    KAVRO_CAMSET_CAPABILITY_VALUE(name)
// clang-format on
#define KAVRO_CAMSET_CAPABILITY_Count(name, enumeration) KAVRO_CAMSET_CAPABILITY_NUM(name)
// clang-format off
#define KAVRO_CAMSET_CAPABILITY_Limits(name, enumeration)                                          \
    Q_INVOKABLE int name##Min() const;                                                             \
    Q_INVOKABLE int name##Max() const;                                                             \
    Q_INVOKABLE int name##Step() const;
// clang-format on
#define KAVRO_CAMSET_CAPABILITY_SpecialCount(name, enumeration)
#define KAVRO_CAMSET_CAPABILITY_Special(name, enumeration)
#define KAVRO_CAMSET_CAPABILITY_Plain(name, enumeration)

// ---- signals: an Alias row uses its owner's ----
// clang-format off
#define KAVRO_CAMSET_SIGNALS(name, Name, storeOp, type, width, start, kind, enumeration, slots, key, \
                             share, countSignal, writer, enqueuer)                                 \
    KAVRO_CAMSET_SIGNALS_##share(name, type, kind, countSignal)
// clang-format on
#define KAVRO_CAMSET_SIGNALS_Alias(name, type, kind, countSignal)
#define KAVRO_CAMSET_SIGNALS_Always(name, type, kind, countSignal) KAVRO_CAMSET_SIGNALS_Own(name, type, kind, countSignal)
#define KAVRO_CAMSET_SIGNALS_Hand(name, type, kind, countSignal) KAVRO_CAMSET_SIGNALS_Own(name, type, kind, countSignal)
// clang-format off
#define KAVRO_CAMSET_SIGNALS_Own(name, type, kind, countSignal)                                    \
    void name##Changed(type value);                                                                \
    KAVRO_CAMSET_COUNT_SIGNAL_##kind(countSignal)
// clang-format on
#define KAVRO_CAMSET_COUNT_SIGNAL_Flags(countSignal) void countSignal();
#define KAVRO_CAMSET_COUNT_SIGNAL_Values(countSignal) void countSignal();
#define KAVRO_CAMSET_COUNT_SIGNAL_FlagsValues(countSignal) void countSignal();
#define KAVRO_CAMSET_COUNT_SIGNAL_Count(countSignal) void countSignal();
#define KAVRO_CAMSET_COUNT_SIGNAL_SpecialCount(countSignal) void countSignal();
#define KAVRO_CAMSET_COUNT_SIGNAL_Limits(countSignal)
#define KAVRO_CAMSET_COUNT_SIGNAL_Special(countSignal)
#define KAVRO_CAMSET_COUNT_SIGNAL_Plain(countSignal)
