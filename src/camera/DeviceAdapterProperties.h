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
// DeviceAdapterData's KAVRO_DA_STORAGE list. The camera settings are not
// here: each is one row of settings/CameraSettings.def.

// clang-format off
#define KAVRO_DA_CONNECTION_PROPERTIES(X)                                      \
    X(bool, isCamerasConnected, IsCamerasConnected, ChangedOnly)               \
    X(int, connectionType, ConnectionType, ChangedOnly)
// clang-format on

// The selected camera's identity and features: read/write for the interface,
// whose setters are the store operations (store, announce a change). The
// shooting list below is read/write the same way.
// clang-format off
#define KAVRO_DA_SELECTED_CAMERA_PROPERTIES(X)                                 \
    /* device information of the selected camera */                           \
    X(QString, camMaker, CamMaker, ChangedOnly)                                \
    X(QString, camModelName, CamModelName, ChangedOnly)                        \
    X(QString, camFirmVer, CamFirmVer, ChangedOnly)                            \
    X(QString, camSerialNo, CamSerialNo, ChangedOnly)                          \
    X(QString, camIndividualId, CamIndividualId, ChangedOnly)                  \
    X(QString, camCurrentSelectedSerialNo, CamCurrentSelectedSerialNo, ChangedOnly) \
    X(QString, camName, CamName, ChangedOnly)                                  \
    X(bool, camSupportPowerSaving, CamSupportPowerSaving, ChangedOnly)         \
    X(bool, isPowerSavingWaitDialogOpen, IsPowerSavingWaitDialogOpen, ChangedOnly) \
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
// clang-format on

// Values the setting readers publish beside the camera settings: the
// exposure limits, the live-view image quality and whether a small AF frame
// is shown (announced on every read: the live-view window re-lays itself out
// on it). The AF frame, magnification and the picture's aspect are the
// live-view window's (KAVRO_DA_LIVEVIEW_PROPERTIES below).
// clang-format off
#define KAVRO_DA_EVENTS_PROPERTIES(X)                                          \
    X(int, exposureRangeMax, ExposureRangeMax, ChangedOnly)                    \
    X(int, exposureRangeMin, ExposureRangeMin, ChangedOnly)                    \
    X(bool, displayImgQuality, DisplayImgQuality, ChangedOnly)                 \
    X(int, imgQuality, ImgQuality, ChangedOnly)                                \
    X(bool, sFrame_info, SFrame_info, Always)
// clang-format on

// The lens's zoom range and position as the camera last told them; the
// interface's zoom control writes them too.
// clang-format off
#define KAVRO_DA_SHOOTING_PROPERTIES(X)                                        \
    X(bool, zoomLensCtrlEnable, ZoomLensCtrlEnable, ChangedOnly)               \
    X(uint, zoomLensTele, ZoomLensTele, ChangedOnly)                           \
    X(uint, zoomLensWide, ZoomLensWide, ChangedOnly)                           \
    X(uint, zoomLensLen, ZoomLensLen, ChangedOnly)
// clang-format on

// clang-format off
#define KAVRO_DA_ALL_PROPERTIES(X)                                             \
    KAVRO_DA_CONNECTION_PROPERTIES(X)                                          \
    KAVRO_DA_SELECTED_CAMERA_PROPERTIES(X)                                     \
    KAVRO_DA_EVENTS_PROPERTIES(X)                                              \
    KAVRO_DA_SHOOTING_PROPERTIES(X)
// clang-format on

// camera status: the same rows with the WRITE accessor the interface sees
// (most of them ignore what they are given). These rows are not part of
// KAVRO_DA_ALL_PROPERTIES; DeviceAdapter declares them on their own.
//   X(type, name, Name, emitRule, write)
// clang-format off
#define KAVRO_DA_STATUS_PROPERTIES(X)                                          \
    X(uint, batteryLevel, BatteryLevel, ChangedOnly, setBatteryLevel)          \
    X(int, statusOfCards, StatusOfCards, ChangedOnly, setStatusOfCards)        \
    X(ulong, imageFreeSpace, ImageFreeSpace, ChangedOnly, setImageFreeSpace)   \
    X(ulong, secondFreeSpace, SecondFreeSpace, ChangedOnly, setSecondFreeSpace) \
    X(ulong, image4KFreeSpace, Image4KFreeSpace, ChangedOnly, setImage4KFreeSpace) \
    X(ulong, second4KFreeSpace, Second4KFreeSpace, ChangedOnly, setSecond4KFreeSpace) \
    X(int, elapsedInMovieRec, ElapsedInMovieRec, ChangedOnly, setElapsedInMovieRec) \
    X(int, cameraStatus, CameraStatus, ChangedOnly, setCameraStatus)           \
    X(int, afState, AfState, ChangedOnly, setAfState)                          \
    X(int, afaeState, AfaeState, ChangedOnly, setAfaeState)                    \
    X(int, afcStartPosState, AfcStartPosState, ChangedOnly, setAfcStartPosState) \
    X(int, nrRemainingTime, NrRemainingTime, ChangedOnly, setNrRemainingTime)  \
    X(int, hdmiSdiStatus, HdmiSdiStatus, ChangedOnly, setHdmiSdiStatus)        \
    X(int, shotModeStatus, ShotModeStatus, ChangedOnly, setShotModeStatus)     \
    X(int, lvShootingStatus, LvShootingStatus, ChangedOnly, setLvShootingStatus) \
    X(kavrotether::Utilities::UsbMode, usbMode, UsbMode, ChangedOnly, setUsbModeValue) \
    X(int, camConnectStatus, CamConnectStatus, ChangedOnly, setCamConnectStatusValue) \
    X(int, objInfoAssociatType, ObjInfoAssociatType, ChangedOnly, setObjInfoAssociatType) \
    X(int, btnAllCameraStatus, BtnAllCameraStatus, ChangedOnly, setBtnAllCameraStatus) \
    X(QString, pcSavedFilePath, PcSavedFilePath, ChangedOnly, setPcSavedFilePath)
// clang-format on

// live-view mode switch and overlay data: the values the live-view window
// draws its overlays from and writes back. Declared by DeviceAdapter on
// their own, with the WRITE accessor QML calls:
//   X(type, name, Name, emitRule, write, writeRule)
// set<Name>Value stores and announces by emitRule, as the rows above; it is
// the camera's side. writeRule says what the interface's write does:
// StoreOnly keeps the interface's own value silently, Announce stores and
// announces a change, Ignore drops it (the camera's events set the value),
// Own: `write` is a member of its own (it talks to the camera).
// clang-format off
#define KAVRO_DA_LIVEVIEW_PROPERTIES(X)                                        \
    X(int, afFrame_pos_pin_X, AfFrame_pos_pin_X, ChangedOnly, setAfFrame_pos_pin_X, StoreOnly) \
    X(int, afFrame_pos_pin_Y, AfFrame_pos_pin_Y, ChangedOnly, setAfFrame_pos_pin_Y, StoreOnly) \
    X(int, mfFrame_pos_X, MfFrame_pos_X, ChangedOnly, setMfFrame_pos_X, StoreOnly) \
    X(int, mfFrame_pos_Y, MfFrame_pos_Y, ChangedOnly, setMfFrame_pos_Y, StoreOnly) \
    X(int, lvMag_pos_X, LvMag_pos_X, ChangedOnly, setLvMag_pos_X, StoreOnly)   \
    X(int, lvMag_pos_Y, LvMag_pos_Y, ChangedOnly, setLvMag_pos_Y, StoreOnly)   \
    X(int, sFrame_outer_posX, SFrame_outer_posX, ChangedOnly, setSFrame_outer_posX, StoreOnly) \
    X(int, sFrame_outer_posY, SFrame_outer_posY, ChangedOnly, setSFrame_outer_posY, StoreOnly) \
    X(int, sFrame_outer_sizeW, SFrame_outer_sizeW, ChangedOnly, setSFrame_outer_sizeW, StoreOnly) \
    X(int, sFrame_outer_sizeH, SFrame_outer_sizeH, ChangedOnly, setSFrame_outer_sizeH, StoreOnly) \
    X(int, sFrame_mag_posX, SFrame_mag_posX, ChangedOnly, setSFrame_mag_posX, StoreOnly) \
    X(int, sFrame_mag_posY, SFrame_mag_posY, ChangedOnly, setSFrame_mag_posY, StoreOnly) \
    X(int, sFrame_mag_sizeW, SFrame_mag_sizeW, ChangedOnly, setSFrame_mag_sizeW, StoreOnly) \
    X(int, sFrame_mag_sizeH, SFrame_mag_sizeH, ChangedOnly, setSFrame_mag_sizeH, StoreOnly) \
    X(int, wbset_pos_X, Wbset_pos_X, ChangedOnly, setwbset_pos_X, Announce)    \
    X(int, wbset_pos_Y, Wbset_pos_Y, ChangedOnly, setwbset_pos_Y, Announce)    \
    X(bool, lvcShowLvControlItem, LvcShowLvControlItem, ChangedOnly, setLvcShowLvControlItem, Announce) \
    X(int, mfa_mode, Mfa_mode, ChangedOnly, setMfa_mode, Ignore)               \
    X(int, assistType, AssistType, ChangedOnly, setAssistType, Ignore)         \
    /* the magnifications are announced on every read: the window */          \
    /* re-lays itself out on them */                                           \
    X(int, af_magnify, Af_magnify, Always, setAf_magnify, Own)                 \
    X(int, mf_magnify, Mf_magnify, Always, setMf_magnify, Own)                 \
    X(int, lvMag_magnify, LvMag_magnify, Always, setLvMag_magnify, Own)        \
    X(double, afFrame_asp_x, AfFrame_asp_x, ChangedOnly, setafFrame_asp_x, Own) \
    X(double, lvGDraw_diagonal_rotation, LvGDraw_diagonal_rotation, ChangedOnly, setlvGDraw_diagonal_rotation, Own)
// clang-format on
