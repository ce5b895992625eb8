#include "DeviceAdapterData.h"

#include <cstring>
#include <cwchar>

namespace kavrotether {

namespace {

const QString kOrganisation = QStringLiteral("(KAVROTether x64)");

std::unique_ptr<QSettings> openFile(const QString &application)
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation, application);
}

} // namespace

namespace {
// Device paths are the SDK's; one without its end is not read beyond this.
constexpr std::size_t kMaxDevicePathChars = 1024;
} // namespace

void DeviceListCopy::clear()
{
    std::memset(&list, 0, sizeof list);
    for (std::wstring &p : paths)
        p.clear();
}

bool DeviceListCopy::append(const KVR_DEVINFO &record, const wchar_t *path)
{
    const quint32 at = count();
    if (at >= KVR_MAX_DEVICES)
        return false;
    list.devices[at] = record;
    paths[at] = path ? std::wstring(path, wcsnlen(path, kMaxDevicePathChars)) : std::wstring();
    list.devicePath[at] = paths[at].c_str();
    list.count = at + 1;
    return true;
}

void DeviceListCopy::assign(const KVR_CONNECT_DEVICE_INFO &source)
{
    clear();
    const quint32 n = source.count < KVR_MAX_DEVICES ? source.count : KVR_MAX_DEVICES;
    for (quint32 i = 0; i < n; ++i)
        append(source.devices[i], source.devicePath[i]);
}

DeviceAdapterData::DeviceAdapterData()
{
    initCameraRecords();
    clearCameraMap();
}

// The per-camera locks are shared pointers: any still in the map go with it.
DeviceAdapterData::~DeviceAdapterData() = default;

std::unique_ptr<QSettings> DeviceAdapterData::openCameraListFile()
{
    return openFile(QStringLiteral("CameraList"));
}

std::unique_ptr<QSettings> DeviceAdapterData::openPasswordFile()
{
    return openFile(QStringLiteral("Cpl"));
}

std::unique_ptr<QSettings> DeviceAdapterData::openCertificateListFile()
{
    return openFile(QStringLiteral("Rcl"));
}

void DeviceAdapterData::initCameraRecords()
{
    savedCameraList.fill(CameraInfo());
}

void DeviceAdapterData::clearCameraMap()
{
    QMutexLocker g(&cameraTableMutex);
    cameraTable.clear();
}

} // namespace kavrotether
