#include "SearchCameraListItemObject.h"

#include <cctype>

#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace kavrotether {

namespace {

// Device paths longer than this are shown by their tail, which holds the
// serial number.
constexpr int kSerialTail = 31;
constexpr int kMacBytes = 8;
// Bounds a device path read from the SDK.
constexpr std::size_t kMaxDevicePath = 1024;

// Counts come from the SDK: never read past the field.
QString ucs4Text(const uint32_t *chars, uint32_t length, std::size_t capacity)
{
    const auto n = static_cast<qsizetype>(std::min<std::size_t>(length, capacity));
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = chars[i];
        if (c == 0)
            break;
        // Anything that is no character becomes the replacement character.
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            out.append(QChar(QChar::ReplacementCharacter));
        else
            out.append(QString::fromUcs4(&c, 1));
    }
    return out;
}

template<std::size_t N>
QString local8Text(const char (&field)[N], uint32_t length)
{
    const std::size_t n = std::min<std::size_t>(length, N);
    return QString::fromLocal8Bit(field, qsizetype(strnlen(field, n)));
}

template<std::size_t N>
QString utf8Text(const char (&field)[N])
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, N)));
}

} // namespace

SearchCameraListItemObject::SearchCameraListItemObject(QObject *parent) : QObject(parent) {}

SearchCameraListItemObject::~SearchCameraListItemObject() = default;

QString SearchCameraListItemObject::serialFromDevicePath(const QString &path)
{
    return path.size() > kSerialTail ? path.right(kSerialTail) : path;
}

QString SearchCameraListItemObject::macText(const char *field, std::size_t size)
{
    // The field holds the address as hexadecimal text without separators;
    // it is shown as lower-case pairs joined by ":". Anything that is not a
    // hexadecimal digit ends the address.
    QStringList parts;
    QString pair;
    for (std::size_t i = 0; field && i < size && field[i] != '\0' && parts.size() < kMacBytes; ++i) {
        const QChar c = QLatin1Char(field[i]);
        if (!isxdigit(uchar(field[i])))
            break;
        pair += c.toLower();
        if (pair.size() == 2) {
            parts << pair;
            pair.clear();
        }
    }
    return parts.join(QLatin1Char(':'));
}

void SearchCameraListItemObject::fillFromUsb(const KVR_DEVINFO &record, const wchar_t *devicePath,
                                             const QString &individualId)
{
    Copy_KVR_DEV_INFO(&m_usbRecord, &record);
    m_devicePath = devicePath ? std::wstring(devicePath, wcsnlen(devicePath, kMaxDevicePath)) : std::wstring();
    m_devIndex = int(record.devIndex);
    m_devMakerName = ucs4Text(record.makerName, record.makerNameLength, std::size(record.makerName));
    m_devModelName = ucs4Text(record.modelName, record.modelNameLength, std::size(record.modelName));
    m_devFrlyName = individualId;
    m_connectMode = CONNECT_USB;
    m_ip.clear();
    m_macAddress.clear();
    m_isWlan = false;
    m_devSerialNo = serialFromDevicePath(QString::fromWCharArray(m_devicePath.c_str(), qsizetype(m_devicePath.size())));
    m_enableTls = false;
    m_caFilePath.clear();
    m_getDevInfoDateUTC = QDateTime::currentDateTimeUtc();
}

void SearchCameraListItemObject::fillFromLan(const KVR_PTPIP_CONNECT_DEVICE_INFO &record)
{
    Copy_KVR_PTPIP_CONNECT_DEVICE_INFO(&m_lanRecord, &record);
    m_devicePath.clear();
    m_devIndex = int(record.devIndex);
    m_devMakerName = ucs4Text(record.makerName, record.makerNameLength, std::size(record.makerName));
    m_devModelName = ucs4Text(record.modelName, record.modelNameLength, std::size(record.modelName));
    m_devFrlyName = local8Text(record.friendlyName, record.friendlyNameLength);
    m_connectMode = CONNECT_LAN;
    m_ip = utf8Text(record.ipAddress);
    m_macAddress = macText(record.macAddress, sizeof record.macAddress);
    m_isWlan = record.wifi != 0;
    m_devSerialNo = local8Text(record.serialNo, record.serialNoLength);
    m_enableTls = record.tls != 0;
    m_caFilePath = utf8Text(record.certFilePath);
    m_getDevInfoDateUTC = QDateTime::fromString(utf8Text(record.date),
                                                QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    m_getDevInfoDateUTC.setTimeZone(QTimeZone::utc());
}

SearchCameraListItemObject *SearchCameraListItemObject::copyAtNoAddress() const
{
    KVR_PTPIP_CONNECT_DEVICE_INFO record = m_lanRecord;
    std::memset(record.ipAddress, 0, sizeof record.ipAddress);
    auto *copy = new SearchCameraListItemObject;
    copy->fillFromLan(record);
    copy->m_enable = m_enable;
    copy->m_authorize = m_authorize;
    copy->m_caFilePath = m_caFilePath;
    return copy;
}

void SearchCameraListItemObject::setEnable(bool on)
{
    if (m_enable == on)
        return;
    m_enable = on;
    emit enableChanged();
}

void SearchCameraListItemObject::setAuthorize(bool on)
{
    if (m_authorize == on)
        return;
    m_authorize = on;
    emit authorizeChanged();
}

void SearchCameraListItemObject::setCAFilePath(const QString &path)
{
    if (m_caFilePath == path)
        return;
    m_caFilePath = path;
    emit caFilePathChanged();
}

void SearchCameraListItemObject::Copy_KVR_DEV_INFO(KVR_DEVINFO *to, const KVR_DEVINFO *from)
{
    if (to && from)
        std::memcpy(to, from, sizeof *to);
}

void SearchCameraListItemObject::Copy_KVR_PTPIP_CONNECT_DEVICE_INFO(KVR_PTPIP_CONNECT_DEVICE_INFO *to,
                                                                    const KVR_PTPIP_CONNECT_DEVICE_INFO *from)
{
    if (to && from)
        std::memcpy(to, from, sizeof *to);
}

void SearchCameraListItemObject::GetConnectUsbDevInfo(KVR_DEVINFO *out) const
{
    Copy_KVR_DEV_INFO(out, &m_usbRecord);
}

void SearchCameraListItemObject::GetConnectLanDevInfo(KVR_PTPIP_CONNECT_DEVICE_INFO *out) const
{
    Copy_KVR_PTPIP_CONNECT_DEVICE_INFO(out, &m_lanRecord);
}

} // namespace kavrotether
