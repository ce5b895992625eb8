#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

#include "ApplicationSettingsKeys.h"
#include "Utilities.h"

// Declarations generated from the key table. A kind that has no property
// (Prefix, None) expands to nothing.
// clang-format off
#define KAVRO_SETTING_PROPERTY(n, key, kind, type, def, valid, prop, Prop) \
    KAVRO_SETTING_PROPERTY_##kind(type, prop, Prop)
#define KAVRO_SETTING_PROPERTY_Value(type, prop, Prop) \
    Q_PROPERTY(type prop READ prop WRITE set##Prop NOTIFY prop##Changed)
// clang-format on
#define KAVRO_SETTING_PROPERTY_Permission KAVRO_SETTING_PROPERTY_Value
#define KAVRO_SETTING_PROPERTY_WindowList KAVRO_SETTING_PROPERTY_Value
#define KAVRO_SETTING_PROPERTY_LogList KAVRO_SETTING_PROPERTY_Value
#define KAVRO_SETTING_PROPERTY_Prefix(type, prop, Prop)
#define KAVRO_SETTING_PROPERTY_None(type, prop, Prop)

// clang-format off
#define KAVRO_SETTING_ACCESSORS(n, key, kind, type, def, valid, prop, Prop) \
    KAVRO_SETTING_ACCESSORS_##kind(type, prop, Prop)
#define KAVRO_SETTING_ACCESSORS_Value(type, prop, Prop) \
    type prop() const; \
    void set##Prop(type value);
// clang-format on
#define KAVRO_SETTING_ACCESSORS_Permission KAVRO_SETTING_ACCESSORS_Value
// clang-format off
#define KAVRO_SETTING_ACCESSORS_WindowList(type, prop, Prop) \
    type prop() const; \
    void set##Prop(const type &value);
// clang-format on
#define KAVRO_SETTING_ACCESSORS_LogList KAVRO_SETTING_ACCESSORS_WindowList
#define KAVRO_SETTING_ACCESSORS_Prefix(type, prop, Prop)
#define KAVRO_SETTING_ACCESSORS_None(type, prop, Prop)

// clang-format off
#define KAVRO_SETTING_SIGNALS(n, key, kind, type, def, valid, prop, Prop) \
    KAVRO_SETTING_SIGNALS_##kind(type, prop, Prop)
#define KAVRO_SETTING_SIGNALS_Value(type, prop, Prop) \
    void prop##Changed(type value);
#define KAVRO_SETTING_SIGNALS_Permission(type, prop, Prop) \
    void prop##Changed(type value); \
    void prop##Changed();
#define KAVRO_SETTING_SIGNALS_WindowList(type, prop, Prop) \
    void prop##Changed(const type &value);
#define KAVRO_SETTING_SIGNALS_LogList(type, prop, Prop) \
    void prop##Changed();
// clang-format on
#define KAVRO_SETTING_SIGNALS_Prefix(type, prop, Prop)
#define KAVRO_SETTING_SIGNALS_None(type, prop, Prop)

// clang-format off
#define KAVRO_WINDOW_STATE_ACCESSORS(prop, Prop, element) \
    Q_INVOKABLE element prop##ForWindow(kavrotether::ApplicationSettings::WindowList window) const; \
    Q_INVOKABLE void set##Prop##ForWindow(kavrotether::ApplicationSettings::WindowList window, element value);
// clang-format on

// An enumeration of the common shape: Unknown -1, two choices, Max.
// clang-format off
#define KAVRO_SETTING_CHOICE_ENUM(Name, prefix, first, second) \
    enum Name : int { prefix##Unknown = -1, prefix##first = 0, prefix##second = 1, prefix##Max = 2 }; \
    Q_ENUM(Name)
// clang-format on

namespace kavrotether {

// The user's preferences and window states. Nothing is cached: every getter
// reads the INI file and every setter writes it, so a value written on one
// thread is seen at once by every reader on any other.
class ApplicationSettings : public QObject
{
    Q_OBJECT
public:
    enum WindowSize : int { WindowExpanded = 0, WindowShrinked = 1 };
    Q_ENUM(WindowSize)
    enum ImageViewerType : int {
        ImageViewerType_Unknown = -1,
        ImageViewerType_Std = 0,
        ImageViewerType_Ext = 1,
        ImageViewerType_Max = 2
    };
    Q_ENUM(ImageViewerType)
    enum StoreLocationType : int {
        StoLocType_Unknown = -1,
        StoLocType_SdCard = 0,
        StoLocType_SdCardPc = 1,
        StoLocType_Pc = 2,
        StoLocType_Max = 3
    };
    Q_ENUM(StoreLocationType)
    KAVRO_SETTING_CHOICE_ENUM(StoreFolderType, StoFolderType_, Default, User)
    KAVRO_SETTING_CHOICE_ENUM(StoreFolderDate, StoFolderDate_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(StoreFolderCamera, StoFolderCamera_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(FolderNameType, FolNameType_, Default, User)
    KAVRO_SETTING_CHOICE_ENUM(StoreFileNameCamera, StoFileNameCamera_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(RawTransferType, RawTransType_, ON, OFF)
    KAVRO_SETTING_CHOICE_ENUM(HlgTransferType, HlgTransType_, ON, OFF)
    KAVRO_SETTING_CHOICE_ENUM(DisplayReviewType, DisRevType_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(VersionCheckType, VerChkType_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(LogPermission, LogPer_, On, Off)
    KAVRO_SETTING_CHOICE_ENUM(TransConfirmDlgType, ConfirmDlgType_, ON, OFF)
    enum SdkDebugType : int { SdkDbgType_NotSelect = 0, SdkDbgType_File = 1, SdkDbgType_DbgOutput = 2 };
    Q_ENUM(SdkDebugType)
    // Index of a top-level window in every window-state list.
    enum WindowList : int {
        WinList_Unknown = -1,
        WinList_Main = 0,
        WinList_Flash = 1,
        WinList_Live = 2,
        WinList_CamList = 3,
        WinList_Preview = 4,
        WinList_Preference = 5,
        WinList_Max = 6
    };
    Q_ENUM(WindowList)

    KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_PROPERTY)
    // The selected camera's HLG shooting type, kept by the camera side; it has
    // no key and this object never announces it.
    Q_PROPERTY(int hlgShootingType READ hlgShootingType WRITE setHlgShootingType NOTIFY hlgShootingTypeChanged)

public:
    // What the store needs from the camera side. Start-up binds it to the
    // application's DeviceAdapter; while nothing is bound, no camera is
    // connected: targets are not pushed and read back as -1, and the HLG
    // shooting type reads as unknown (-1).
    class CameraAccess
    {
    public:
        virtual ~CameraAccess() = default;
        virtual int hlgShootingType() const = 0;
        virtual void setHlgShootingType(int value) = 0;
        virtual QString selectedSerialNo() const = 0;
        // The selected camera's target, through its property setter.
        virtual void setSelectedFileTarget(int target) = 0;
        virtual void setFileTargetById(const QString &serialNo, int target) = 0;
        // 0 to 2, or -1 when the camera is not connected or the read fails.
        virtual int getFileTargetById(const QString &serialNo) const = 0;
    };

    // One camera of the preferences window's store-location table.
    struct TargetCameraEntry
    {
        QString serialNo;
        bool changed = false;
        qint32 storeLocationType = StoLocType_SdCardPc;
    };
    static constexpr int TargetCameraCapacity = Utilities::CameraID_Max;

    explicit ApplicationSettings(QObject *parent = nullptr);
    ~ApplicationSettings() override;

    void setCameraAccess(std::unique_ptr<CameraAccess> access);

    KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_ACCESSORS)
    KAVRO_WINDOW_STATE_LISTS(KAVRO_WINDOW_STATE_ACCESSORS)

    Q_INVOKABLE QStringList strLogFileList() const;
    Q_INVOKABLE void setStrLogFileList(const QStringList &list);

    // The folder the file names for the user's folder type while it cannot
    // take pictures (a disk not plugged in), which the getters replace by
    // the default folder; empty otherwise. The choice is still the
    // photographer's, to show and keep.
    Q_INVOKABLE QString refusedStoreFolder() const;

    int hlgShootingType() const;
    void setHlgShootingType(int value);

    // Store location per camera: the file holds the choice of every camera
    // ever set; the table holds the preferences window's pending choices.
    Q_INVOKABLE kavrotether::ApplicationSettings::StoreLocationType getStoreLocationTypeFromFile(
        const QString &cameraSerialNo) const;
    Q_INVOKABLE int getStoreLocationTypeFromList(const QString &cameraSerialNo) const;
    Q_INVOKABLE QString getTargetCameraListByID(int index) const;
    Q_INVOKABLE void setTargetCameraListByID(const QString &cameraSerialNo, int value, int index);
    Q_INVOKABLE int getTargetCameraListLength() const;
    Q_INVOKABLE void setTargetCameraListLength(int length);
    Q_INVOKABLE void setStoreLocationType();

    static QStringList variantListToStringList(const QVariantList &list);
    static QVariantList stringToVariantList(const QStringList &list);
    static QList<double> variantListToDoubleList(const QVariantList &list);
    static QVariantList doubleListToVariantList(const QList<double> &list);

Q_SIGNALS:
    KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_SIGNALS)
    void hlgShootingTypeChanged(int value);
    // The user's folder type was read while the folder key names no usable
    // folder (`folder`, as the file holds it), so pictures go to the default
    // folder. Once per stored value, always from the event loop of this
    // object's thread.
    void storeFolderUnusable(const QString &folder);
    // The folder was set (each Save of the preferences sets it), changed or
    // not, and is judged again: the folder type read from now on may differ
    // from what was read before, without a change of any value. Emitted on
    // the setting thread, before the setter returns.
    void storeFolderRechecked();

private:
    class Impl;
    Impl *d;
};

} // namespace kavrotether
