#pragma once

// Property lists of DeviceAdapter, grouped by the share of the adapter that
// owns them. Each row names a stored value of DeviceAdapterData and becomes,
// inside DeviceAdapter, a Q_PROPERTY (READ <name>, NOTIFY <name>Changed), the
// getter <name>(), the store operation set<Name>Value(type) that keeps a value
// read from a camera and the signal <name>Changed(type).
//
//   X(type, name, Name, emitRule)
//
// emitRule is ChangedOnly (the signal follows only a different value) or
// Always (every store is announced, e.g. values the interface re-reads on
// each notice). WRITE accessors are not generated: each setter has its own
// road to the camera (queued, direct or none) and is declared by hand.
//
// A row needs a storage row of the same name and type in
// DeviceAdapterData's KAVRO_DA_STORAGE list.

#define KAVRO_DA_CONNECTION_PROPERTIES(X)                                      \
    X(bool, isCamerasConnected, IsCamerasConnected, ChangedOnly)               \
    X(int, connectionType, ConnectionType, ChangedOnly)                        \
    X(int, btnAllCameraStatus, BtnAllCameraStatus, ChangedOnly)               \
    /* device information of the selected camera */                           \
    X(int, camConnectStatus, CamConnectStatus, ChangedOnly)                    \
    X(QString, camMaker, CamMaker, ChangedOnly)                                \
    X(QString, camModelName, CamModelName, ChangedOnly)                        \
    X(QString, camFirmVer, CamFirmVer, ChangedOnly)                            \
    X(QString, camSerialNo, CamSerialNo, ChangedOnly)                          \
    X(QString, camIndividualId, CamIndividualId, ChangedOnly)                  \
    X(QString, camCurrentSelectedSerialNo, CamCurrentSelectedSerialNo, ChangedOnly) \
    X(QString, camName, CamName, ChangedOnly)                                  \
    X(bool, camSupportPowerSaving, CamSupportPowerSaving, ChangedOnly)         \
    X(int, pwTetherConnectMode, PwTetherConnectMode, ChangedOnly)              \
    X(bool, afPointScopeEnable, AfPointScopeEnable, ChangedOnly)               \
    X(bool, afAnimalRecognitionEnable, AfAnimalRecognitionEnable, ChangedOnly) \
    X(bool, changeSystemFreqEnable, ChangeSystemFreqEnable, ChangedOnly)       \
    X(bool, recCtrlMenuEnable, RecCtrlMenuEnable, ChangedOnly)                 \
    X(bool, setupFilesCfgSetEnable, SetupFilesCfgSetEnable, ChangedOnly)       \
    X(bool, camFirmUpEnable, CamFirmUpEnable, ChangedOnly)                     \
    X(bool, lvMagEnable, LvMagEnable, ChangedOnly)                             \
    X(bool, afPDAFEnable, AfPDAFEnable, ChangedOnly)                           \
    X(int, afFramesMax, AfFramesMax, ChangedOnly)

#define KAVRO_DA_EVENTS_PROPERTIES(X)

#define KAVRO_DA_SETTINGS_PROPERTIES(X)

#define KAVRO_DA_SHOOTING_PROPERTIES(X)

#define KAVRO_DA_ALL_PROPERTIES(X)                                             \
    KAVRO_DA_CONNECTION_PROPERTIES(X)                                          \
    KAVRO_DA_EVENTS_PROPERTIES(X)                                              \
    KAVRO_DA_SETTINGS_PROPERTIES(X)                                            \
    KAVRO_DA_SHOOTING_PROPERTIES(X)
