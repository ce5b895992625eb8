#include "DeviceAdapterData.h"

namespace kavrotether {

namespace {

const QString kOrganisation = QStringLiteral("(KAVROTether x64)");

std::unique_ptr<QSettings> openFile(const QString &application)
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation,
                                       application);
}

} // namespace

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
