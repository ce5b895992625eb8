#pragma once

// Every key of the application's settings file, in key-number order.
//
// X(number, key, kind, type, default, property, Property)
//   number    index into ApplicationSettings' key array
//   key       the key as it appears in the INI file (case matters)
//   kind      Value       change-only setter, emits <property>Changed(value)
//             Permission  as Value, then also emits the argument-less signal
//             WindowList  list of numbers, always written, emits the list
//             LogList     list of strings, always written, emits no argument
//             Prefix      no property: the prefix of per-camera keys
//             None        present in the file of older versions, never used
//   type      what the getter returns (enumerations are stored as int)
//   default   what the getter returns when the key is absent
//
// The types and defaults are evaluated in ApplicationSettings' scope.
// clang-format off
#define KAVRO_APPLICATION_SETTINGS_KEYS(X) \
    X( 0, "WindowSize",           Value,      WindowSize,          WindowExpanded,          windowSize,           WindowSize) \
    X( 1, "FlashWindowSize",      Value,      WindowSize,          WindowExpanded,          flashWindowSize,      FlashWindowSize) \
    X( 2, "VersionUpCheck",       Value,      bool,                false,                   versionUpCheck,       VersionUpCheck) \
    X( 3, "ImageViewerUrl",       Value,      QString,             QString(),               imageViewerUrl,       ImageViewerUrl) \
    X( 4, "ImageViewerType",      Value,      ImageViewerType,     ImageViewerType_Std,     imageViewerType,      ImageViewerType) \
    X( 5, "StoreLocationType",    Prefix,     StoreLocationType,   StoLocType_SdCardPc,     storeLocationType,    StoreLocationType) \
    X( 6, "StoreFolderUrl",       Value,      QString,             QString(),               storeFolderUrl,       StoreFolderUrl) \
    X( 7, "StoreFolderType",      Value,      StoreFolderType,     StoFolderType_Default,   storeFolderType,      StoreFolderType) \
    X( 8, "StoreFolderDate",      Value,      StoreFolderDate,     StoFolderDate_Off,       storeFolderDate,      StoreFolderDate) \
    X( 9, "StoreFolderCamera",    Value,      StoreFolderCamera,   StoFolderCamera_Off,     storeFolderCamera,    StoreFolderCamera) \
    X(10, "folderNameType",       Value,      FolderNameType,      FolNameType_Default,     folderNameType,       FolderNameType) \
    X(11, "folderNamePrefix",     Value,      QString,             QStringLiteral("IMG_"),  folderNamePrefix,     FolderNamePrefix) \
    X(12, "StoreFileNameCamera",  Value,      StoreFileNameCamera, StoFileNameCamera_Off,   storeFileNameCamera,  StoreFileNameCamera) \
    X(13, "rawTransferType",      Value,      RawTransferType,     RawTransType_ON,         rawTransferType,      RawTransferType) \
    X(14, "hlgTransferType",      Value,      HlgTransferType,     HlgTransType_ON,         hlgTransferType,      HlgTransferType) \
    X(15, "displayReviewType",    Value,      DisplayReviewType,   DisRevType_On,           displayReviewType,    DisplayReviewType) \
    X(16, "versionCheckType",     Value,      VersionCheckType,    VerChkType_On,           versionCheckType,     VersionCheckType) \
    X(17, "winStateX",            WindowList, QVariantList,        QVariantList(),          winStateX,            WinStateX) \
    X(18, "winStateY",            WindowList, QVariantList,        QVariantList(),          winStateY,            WinStateY) \
    X(19, "winStateWidth",        WindowList, QVariantList,        QVariantList(),          winStateWidth,        WinStateWidth) \
    X(20, "winStateHeight",       WindowList, QVariantList,        QVariantList(),          winStateHeight,       WinStateHeight) \
    X(21, "winStateMaximised",    WindowList, QVariantList,        QVariantList(),          winStateMaximised,    WinStateMaximised) \
    X(22, "winStateVisible",      WindowList, QVariantList,        QVariantList(),          winStateVisible,      WinStateVisible) \
    X(23, "fileNumber",           Value,      int,                 0,                       fileNumber,           FileNumber) \
    X(24, "logPermission",        Permission, LogPermission,       LogPer_Unknown,          logPermission,        LogPermission) \
    X(25, "logFileList",          LogList,    QVariantList,        QVariantList(),          logFileList,          LogFileList) \
    X(26, "debugEnable",          Value,      bool,                false,                   debugEnable,          DebugEnable) \
    X(27, "sdkDbgType",           Value,      SdkDebugType,        SdkDbgType_File,         sdkDbgType,           SdkDbgType) \
    X(28, "transConfirmDlgType",  Value,      TransConfirmDlgType, ConfirmDlgType_ON,       transConfirmDlgType,  TransConfirmDlgType) \
    X(29, "lvWbSetMode",          Value,      bool,                false,                   lvWbSetMode,          LvWbSetMode) \
    X(30, "lvLevelIndicator",     Value,      bool,                false,                   lvLevelIndicator,     LvLevelIndicator) \
    X(31, "lvGridIndicator",      Value,      bool,                false,                   lvGridIndicator,      LvGridIndicator) \
    X(32, "lvGLineIndicator",     Value,      bool,                false,                   lvGLineIndicator,     LvGLineIndicator) \
    X(33, "lvHistogramIndicator", Value,      bool,                false,                   lvHistogramIndicator, LvHistogramIndicator) \
    X(34, "lvRotationMode",       Value,      bool,                false,                   lvRotationMode,       LvRotationMode) \
    X(35, "lvRotation",           Value,      int,                 0,                       lvRotation,           LvRotation) \
    X(36, "lvRotationAuto",       Value,      int,                 0,                       lvRotationAuto,       LvRotationAuto) \
    X(37, "gridHorizon",          Value,      bool,                true,                    gridHorizon,          GridHorizon) \
    X(38, "gridVertical",         Value,      bool,                true,                    gridVertical,         GridVertical) \
    X(39, "gridDiagonal",         Value,      bool,                false,                   gridDiagonal,         GridDiagonal) \
    X(40, "gridHorNum",           Value,      int,                 2,                       gridHorNum,           GridHorNum) \
    X(41, "gridVerNum",           Value,      int,                 2,                       gridVerNum,           GridVerNum) \
    X(42, "gridThickness",        Value,      int,                 2,                       gridThickness,        GridThickness) \
    X(43, "gridColor",            Value,      QString,             QStringLiteral("#808080"), gridColor,          GridColor) \
    X(44, "gridCustom",           Value,      bool,                false,                   gridCustom,           GridCustom) \
    X(45, "grid3x3",              Value,      bool,                true,                    grid3x3,              Grid3x3) \
    X(46, "grid2x2Diagonal",      Value,      bool,                false,                   grid2x2Diagonal,      Grid2x2Diagonal) \
    X(47, "gLineAll",             None,       void,                0,                       gLineAll,             GLineAll) \
    X(48, "gLineHor1",            Value,      bool,                true,                    gLineHor1,            GLineHor1) \
    X(49, "gLineHor2",            Value,      bool,                true,                    gLineHor2,            GLineHor2) \
    X(50, "gLineVer1",            Value,      bool,                true,                    gLineVer1,            GLineVer1) \
    X(51, "gLineVer2",            Value,      bool,                true,                    gLineVer2,            GLineVer2) \
    X(52, "gLineHor1Pos",         Value,      int,                 25,                      gLineHor1Pos,         GLineHor1Pos) \
    X(53, "gLineHor2Pos",         Value,      int,                 75,                      gLineHor2Pos,         GLineHor2Pos) \
    X(54, "gLineVer1Pos",         Value,      int,                 25,                      gLineVer1Pos,         GLineVer1Pos) \
    X(55, "gLineVer2Pos",         Value,      int,                 75,                      gLineVer2Pos,         GLineVer2Pos) \
    X(56, "gLineThickness",       Value,      int,                 2,                       gLineThickness,       GLineThickness) \
    X(57, "gLineColor",           Value,      QString,             QStringLiteral("#0080ff"), gLineColor,         GLineColor) \
    X(58, "gLineCustom",          None,       void,                0,                       gLineCustom,          GLineCustom) \
    X(59, "lvImageQuality",       Value,      int,                 1,                       lvImageQuality,       LvImageQuality)
// clang-format on

// The six per-window lists: X(property, Property, element type of the
// per-window accessors). Each list is indexed by ApplicationSettings::WindowList.
// clang-format off
#define KAVRO_WINDOW_STATE_LISTS(X) \
    X(winStateX,         WinStateX,         double) \
    X(winStateY,         WinStateY,         double) \
    X(winStateWidth,     WinStateWidth,     double) \
    X(winStateHeight,    WinStateHeight,    double) \
    X(winStateMaximised, WinStateMaximised, bool) \
    X(winStateVisible,   WinStateVisible,   bool)
// clang-format on
