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
    X(int, btnAllCameraStatus, BtnAllCameraStatus, ChangedOnly)

#define KAVRO_DA_EVENTS_PROPERTIES(X)                                          \
    /* camera status */                                                        \
    X(uint, batteryLevel, BatteryLevel, ChangedOnly)                           \
    X(int, statusOfCards, StatusOfCards, ChangedOnly)                          \
    X(ulong, imageFreeSpace, ImageFreeSpace, ChangedOnly)                      \
    X(ulong, secondFreeSpace, SecondFreeSpace, ChangedOnly)                    \
    X(ulong, image4KFreeSpace, Image4KFreeSpace, ChangedOnly)                  \
    X(ulong, second4KFreeSpace, Second4KFreeSpace, ChangedOnly)                \
    X(int, elapsedInMovieRec, ElapsedInMovieRec, ChangedOnly)                  \
    X(int, cameraStatus, CameraStatus, ChangedOnly)                            \
    X(int, afState, AfState, ChangedOnly)                                      \
    X(int, afaeState, AfaeState, ChangedOnly)                                  \
    X(int, afcStartPosState, AfcStartPosState, ChangedOnly)                    \
    X(int, nrRemainingTime, NrRemainingTime, ChangedOnly)                      \
    X(int, hdmiSdiStatus, HdmiSdiStatus, ChangedOnly)                          \
    X(int, shotModeStatus, ShotModeStatus, ChangedOnly)                        \
    X(int, lvShootingStatus, LvShootingStatus, ChangedOnly)                    \
    X(int, usbMode, UsbMode, ChangedOnly)                                      \
    X(int, camConnectStatus, CamConnectStatus, ChangedOnly)                    \
    X(int, objInfoAssociatType, ObjInfoAssociatType, ChangedOnly)              \
    X(QString, pcSavedFilePath, PcSavedFilePath, ChangedOnly)

#define KAVRO_DA_SETTINGS_PROPERTIES(X)

#define KAVRO_DA_SHOOTING_PROPERTIES(X)

#define KAVRO_DA_ALL_PROPERTIES(X)                                             \
    KAVRO_DA_CONNECTION_PROPERTIES(X)                                          \
    KAVRO_DA_EVENTS_PROPERTIES(X)                                              \
    KAVRO_DA_SETTINGS_PROPERTIES(X)                                            \
    KAVRO_DA_SHOOTING_PROPERTIES(X)
