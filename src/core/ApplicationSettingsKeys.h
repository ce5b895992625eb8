#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// Every key of the application's settings file, in key-number order.
//
// X(number, key, kind, type, default, valid, property, Property)
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
//   valid     what the file may hold (the file can be edited by hand or
//             damaged): any other value reads as the default, and the log
//             says so once
//             InRange(low, high)  a whole number from low to high
//             OneOf(a, ...)       one of the choices the program offers
//             UsableFolder        empty, or an absolute path to a folder that
//                                 exists or can be made and takes files
//                                 (links lead to a folder); the user's folder
//                                 type falls back to the default folder, with
//                                 a notice naming the folder, while it names
//                                 no such folder; the file keeps both
//             AnyValue            whatever the type converts (flags, texts,
//                                 lists); every number and choice has a rule
//
// The types, defaults and rules are evaluated in ApplicationSettings' scope.
// moc needs none of this, and its parser stops at the rules' definitions.
#ifndef Q_MOC_RUN
namespace kavrotether::settingrules {

struct ValueRule
{
    enum Kind { Any, Range, Choices, Folder };
    Kind kind = Any;
    int low = 0;
    int high = 0;
    std::array<int, 4> choices{};
    std::size_t choiceCount = 0;

    constexpr bool allows(int value) const
    {
        switch (kind) {
        case Range:
            return value >= low && value <= high;
        case Choices:
            for (std::size_t i = 0; i < choiceCount; ++i) {
                if (choices[i] == value)
                    return true;
            }
            return false;
        default:
            return true;
        }
    }
    constexpr bool checksNumbers() const { return kind == Range || kind == Choices; }
};

constexpr ValueRule AnyValue{};
constexpr ValueRule UsableFolder{ValueRule::Folder};

constexpr ValueRule InRange(int low, int high)
{
    return ValueRule{ValueRule::Range, low, high};
}

template<typename... Choice>
constexpr ValueRule OneOf(Choice... choice)
{
    static_assert(sizeof...(Choice) >= 1 && sizeof...(Choice) <= 4, "a rule holds one to four choices");
    ValueRule rule{ValueRule::Choices, 0, 0, {int(choice)...}, sizeof...(Choice)};
    rule.low = std::min({int(choice)...});
    rule.high = std::max({int(choice)...});
    return rule;
}

// The turns the live view's rotate buttons step through.
constexpr ValueRule QuarterTurns = OneOf(0, 90, 180, 270);

} // namespace kavrotether::settingrules
#endif

// clang-format off
#define KAVRO_APPLICATION_SETTINGS_KEYS(X) \
    X( 0, "WindowSize",           Value,      WindowSize,          WindowExpanded,            OneOf(WindowExpanded, WindowShrinked),                              windowSize,           WindowSize) \
    X( 1, "FlashWindowSize",      Value,      WindowSize,          WindowExpanded,            OneOf(WindowExpanded, WindowShrinked),                              flashWindowSize,      FlashWindowSize) \
    X( 2, "VersionUpCheck",       Value,      bool,                false,                     AnyValue,                                                           versionUpCheck,       VersionUpCheck) \
    X( 3, "ImageViewerUrl",       Value,      QString,             QString(),                 AnyValue,                                                           imageViewerUrl,       ImageViewerUrl) \
    X( 4, "ImageViewerType",      Value,      ImageViewerType,     ImageViewerType_Std,       OneOf(ImageViewerType_Std, ImageViewerType_Ext),                    imageViewerType,      ImageViewerType) \
    X( 5, "StoreLocationType",    Prefix,     StoreLocationType,   StoLocType_SdCardPc,       OneOf(StoLocType_SdCard, StoLocType_SdCardPc, StoLocType_Pc),       storeLocationType,    StoreLocationType) \
    X( 6, "StoreFolderUrl",       Value,      QString,             QString(),                 UsableFolder,                                                       storeFolderUrl,       StoreFolderUrl) \
    X( 7, "StoreFolderType",      Value,      StoreFolderType,     StoFolderType_Default,     OneOf(StoFolderType_Default, StoFolderType_User),                   storeFolderType,      StoreFolderType) \
    X( 8, "StoreFolderDate",      Value,      StoreFolderDate,     StoFolderDate_Off,         OneOf(StoFolderDate_On, StoFolderDate_Off),                         storeFolderDate,      StoreFolderDate) \
    X( 9, "StoreFolderCamera",    Value,      StoreFolderCamera,   StoFolderCamera_Off,       OneOf(StoFolderCamera_On, StoFolderCamera_Off),                     storeFolderCamera,    StoreFolderCamera) \
    X(10, "folderNameType",       Value,      FolderNameType,      FolNameType_Default,       OneOf(FolNameType_Default, FolNameType_User),                       folderNameType,       FolderNameType) \
    X(11, "folderNamePrefix",     Value,      QString,             QStringLiteral("IMG_"),    AnyValue,                                                           folderNamePrefix,     FolderNamePrefix) \
    X(12, "StoreFileNameCamera",  Value,      StoreFileNameCamera, StoFileNameCamera_Off,     OneOf(StoFileNameCamera_On, StoFileNameCamera_Off),                 storeFileNameCamera,  StoreFileNameCamera) \
    X(13, "rawTransferType",      Value,      RawTransferType,     RawTransType_ON,           OneOf(RawTransType_ON, RawTransType_OFF),                           rawTransferType,      RawTransferType) \
    X(14, "hlgTransferType",      Value,      HlgTransferType,     HlgTransType_ON,           OneOf(HlgTransType_ON, HlgTransType_OFF),                           hlgTransferType,      HlgTransferType) \
    X(15, "displayReviewType",    Value,      DisplayReviewType,   DisRevType_On,             OneOf(DisRevType_On, DisRevType_Off),                               displayReviewType,    DisplayReviewType) \
    X(16, "versionCheckType",     Value,      VersionCheckType,    VerChkType_On,             OneOf(VerChkType_On, VerChkType_Off),                               versionCheckType,     VersionCheckType) \
    X(17, "winStateX",            WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateX,            WinStateX) \
    X(18, "winStateY",            WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateY,            WinStateY) \
    X(19, "winStateWidth",        WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateWidth,        WinStateWidth) \
    X(20, "winStateHeight",       WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateHeight,       WinStateHeight) \
    X(21, "winStateMaximised",    WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateMaximised,    WinStateMaximised) \
    X(22, "winStateVisible",      WindowList, QVariantList,        QVariantList(),            AnyValue,                                                           winStateVisible,      WinStateVisible) \
    X(23, "fileNumber",           Value,      int,                 0,                         InRange(0, 9999),                                                   fileNumber,           FileNumber) \
    X(24, "logPermission",        Permission, LogPermission,       LogPer_Unknown,            OneOf(LogPer_Unknown, LogPer_On, LogPer_Off),                       logPermission,        LogPermission) \
    X(25, "logFileList",          LogList,    QVariantList,        QVariantList(),            AnyValue,                                                           logFileList,          LogFileList) \
    X(26, "debugEnable",          Value,      bool,                false,                     AnyValue,                                                           debugEnable,          DebugEnable) \
    X(27, "sdkDbgType",           Value,      SdkDebugType,        SdkDbgType_File,           OneOf(SdkDbgType_NotSelect, SdkDbgType_File, SdkDbgType_DbgOutput), sdkDbgType,           SdkDbgType) \
    X(28, "transConfirmDlgType",  Value,      TransConfirmDlgType, ConfirmDlgType_ON,         OneOf(ConfirmDlgType_ON, ConfirmDlgType_OFF),                       transConfirmDlgType,  TransConfirmDlgType) \
    X(29, "lvWbSetMode",          Value,      bool,                false,                     AnyValue,                                                           lvWbSetMode,          LvWbSetMode) \
    X(30, "lvLevelIndicator",     Value,      bool,                false,                     AnyValue,                                                           lvLevelIndicator,     LvLevelIndicator) \
    X(31, "lvGridIndicator",      Value,      bool,                false,                     AnyValue,                                                           lvGridIndicator,      LvGridIndicator) \
    X(32, "lvGLineIndicator",     Value,      bool,                false,                     AnyValue,                                                           lvGLineIndicator,     LvGLineIndicator) \
    X(33, "lvHistogramIndicator", Value,      bool,                false,                     AnyValue,                                                           lvHistogramIndicator, LvHistogramIndicator) \
    X(34, "lvRotationMode",       Value,      bool,                false,                     AnyValue,                                                           lvRotationMode,       LvRotationMode) \
    X(35, "lvRotation",           Value,      int,                 0,                         QuarterTurns,                                                       lvRotation,           LvRotation) \
    X(36, "lvRotationAuto",       Value,      int,                 0,                         QuarterTurns,                                                       lvRotationAuto,       LvRotationAuto) \
    X(37, "gridHorizon",          Value,      bool,                true,                      AnyValue,                                                           gridHorizon,          GridHorizon) \
    X(38, "gridVertical",         Value,      bool,                true,                      AnyValue,                                                           gridVertical,         GridVertical) \
    X(39, "gridDiagonal",         Value,      bool,                false,                     AnyValue,                                                           gridDiagonal,         GridDiagonal) \
    X(40, "gridHorNum",           Value,      int,                 2,                         InRange(1, 99),                                                     gridHorNum,           GridHorNum) \
    X(41, "gridVerNum",           Value,      int,                 2,                         InRange(1, 99),                                                     gridVerNum,           GridVerNum) \
    X(42, "gridThickness",        Value,      int,                 2,                         InRange(1, 10),                                                     gridThickness,        GridThickness) \
    X(43, "gridColor",            Value,      QString,             QStringLiteral("#808080"), AnyValue,                                                           gridColor,            GridColor) \
    X(44, "gridCustom",           Value,      bool,                false,                     AnyValue,                                                           gridCustom,           GridCustom) \
    X(45, "grid3x3",              Value,      bool,                true,                      AnyValue,                                                           grid3x3,              Grid3x3) \
    X(46, "grid2x2Diagonal",      Value,      bool,                false,                     AnyValue,                                                           grid2x2Diagonal,      Grid2x2Diagonal) \
    X(47, "gLineAll",             None,       void,                0,                         AnyValue,                                                           gLineAll,             GLineAll) \
    X(48, "gLineHor1",            Value,      bool,                true,                      AnyValue,                                                           gLineHor1,            GLineHor1) \
    X(49, "gLineHor2",            Value,      bool,                true,                      AnyValue,                                                           gLineHor2,            GLineHor2) \
    X(50, "gLineVer1",            Value,      bool,                true,                      AnyValue,                                                           gLineVer1,            GLineVer1) \
    X(51, "gLineVer2",            Value,      bool,                true,                      AnyValue,                                                           gLineVer2,            GLineVer2) \
    X(52, "gLineHor1Pos",         Value,      int,                 25,                        InRange(0, 99),                                                     gLineHor1Pos,         GLineHor1Pos) \
    X(53, "gLineHor2Pos",         Value,      int,                 75,                        InRange(0, 99),                                                     gLineHor2Pos,         GLineHor2Pos) \
    X(54, "gLineVer1Pos",         Value,      int,                 25,                        InRange(0, 99),                                                     gLineVer1Pos,         GLineVer1Pos) \
    X(55, "gLineVer2Pos",         Value,      int,                 75,                        InRange(0, 99),                                                     gLineVer2Pos,         GLineVer2Pos) \
    X(56, "gLineThickness",       Value,      int,                 2,                         InRange(1, 10),                                                     gLineThickness,       GLineThickness) \
    X(57, "gLineColor",           Value,      QString,             QStringLiteral("#0080ff"), AnyValue,                                                           gLineColor,           GLineColor) \
    X(58, "gLineCustom",          None,       void,                0,                         AnyValue,                                                           gLineCustom,          GLineCustom) \
    X(59, "lvImageQuality",       Value,      int,                 1,                         InRange(0, 2),                                                      lvImageQuality,       LvImageQuality)
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
