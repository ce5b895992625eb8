#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <string>

#include "Kvrptpif.h"

namespace kavrotether {

// Read-only properties of a found camera, filled once from the SDK's record.
// X(type, name, Name)
// clang-format off
#define KAVRO_SEARCH_ITEM_FIXED_PROPERTIES(X)                                  \
    X(int, devIndex, DevIndex)                                                 \
    X(QString, devMakerName, DevMakerName)                                     \
    X(QString, devModelName, DevModelName)                                     \
    X(QString, devFrlyName, DevFrlyName)                                       \
    X(kavrotether::SearchCameraListItemObject::ConnectMode, connectMode, ConnectMode) \
    X(QString, ip, Ip)                                                         \
    X(QString, macAddress, MacAddress)                                         \
    X(bool, isWlan, IsWlan)                                                    \
    X(QString, devSerialNo, DevSerialNo)                                       \
    X(bool, enableTls, EnableTls)                                              \
    X(QDateTime, getDevInfoDateUTC, GetDevInfoDateUTC)
// clang-format on

// One camera found by a search, as the search list shows it. The user ticks
// it (enable) to connect it.
class SearchCameraListItemObject : public QObject
{
    Q_OBJECT
public:
    enum ConnectMode : int { CONNECT_USB = 0, CONNECT_LAN = 1 };
    Q_ENUM(ConnectMode)

private:
// clang-format off
#define KAVRO_SEARCH_ITEM_DECLARE_PROPERTY(type, name, Name)                   \
    Q_PROPERTY(type name READ name NOTIFY name##Changed)
    // clang-format on
    KAVRO_SEARCH_ITEM_FIXED_PROPERTIES(KAVRO_SEARCH_ITEM_DECLARE_PROPERTY)
#undef KAVRO_SEARCH_ITEM_DECLARE_PROPERTY
    Q_PROPERTY(bool enable READ enable WRITE setEnable NOTIFY enableChanged)
    Q_PROPERTY(bool authorize READ authorize WRITE setAuthorize NOTIFY authorizeChanged)
    Q_PROPERTY(QString caFilePath READ caFilePath WRITE setCAFilePath NOTIFY caFilePathChanged)

public:
    explicit SearchCameraListItemObject(QObject *parent = nullptr);
    ~SearchCameraListItemObject() override;

    // A USB camera: its device-list record, its device path and the
    // individual id read from it (empty when it could not be read).
    void fillFromUsb(const KVR_DEVINFO &record, const wchar_t *devicePath, const QString &individualId);
    // A camera found on the network.
    void fillFromLan(const KVR_PTPIP_CONNECT_DEVICE_INFO &record);
    // This network entry, tick and certificate included, at no address: a
    // new item (no parent) on the calling thread.
    SearchCameraListItemObject *copyAtNoAddress() const;

#define KAVRO_SEARCH_ITEM_DECLARE_GETTER(type, name, Name) \
    type name() const \
    { \
        return m_##name; \
    }
    KAVRO_SEARCH_ITEM_FIXED_PROPERTIES(KAVRO_SEARCH_ITEM_DECLARE_GETTER)
#undef KAVRO_SEARCH_ITEM_DECLARE_GETTER
    bool enable() const
    {
        return m_enable;
    }
    bool authorize() const
    {
        return m_authorize;
    }
    QString caFilePath() const
    {
        return m_caFilePath;
    }
    void setEnable(bool on);
    void setAuthorize(bool on);
    void setCAFilePath(const QString &path);

    // Whole-record copies; nothing happens when either pointer is null.
    static void Copy_KVR_DEV_INFO(KVR_DEVINFO *to, const KVR_DEVINFO *from);
    static void Copy_KVR_PTPIP_CONNECT_DEVICE_INFO(KVR_PTPIP_CONNECT_DEVICE_INFO *to,
                                                   const KVR_PTPIP_CONNECT_DEVICE_INFO *from);
    void GetConnectUsbDevInfo(KVR_DEVINFO *out) const;
    void GetConnectLanDevInfo(KVR_PTPIP_CONNECT_DEVICE_INFO *out) const;
    // The kept device path; valid as long as the item.
    const wchar_t *GetConnectUsbDevID() const
    {
        return m_devicePath.c_str();
    }

    // The part of a device path shown as the serial number.
    static QString serialFromDevicePath(const QString &path);
    // The MAC field's hexadecimal text (at most eight pairs) as "aa:bb:...".
    static QString macText(const char *field, std::size_t size);

signals:
#define KAVRO_SEARCH_ITEM_DECLARE_SIGNAL(type, name, Name) void name##Changed();
    KAVRO_SEARCH_ITEM_FIXED_PROPERTIES(KAVRO_SEARCH_ITEM_DECLARE_SIGNAL)
#undef KAVRO_SEARCH_ITEM_DECLARE_SIGNAL
    void enableChanged();
    void authorizeChanged();
    void caFilePathChanged();

private:
    int m_devIndex = 0;
    QString m_devMakerName;
    QString m_devModelName;
    QString m_devFrlyName;
    ConnectMode m_connectMode = CONNECT_USB;
    QString m_ip;
    QString m_macAddress;
    bool m_isWlan = false;
    QString m_devSerialNo;
    bool m_enableTls = false;
    QDateTime m_getDevInfoDateUTC;
    bool m_enable = false;
    bool m_authorize = false;
    QString m_caFilePath;

    KVR_DEVINFO m_usbRecord{};
    KVR_PTPIP_CONNECT_DEVICE_INFO m_lanRecord{};
    std::wstring m_devicePath;
};

} // namespace kavrotether
