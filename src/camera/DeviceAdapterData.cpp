#include "DeviceAdapterData.h"

#include <QFileInfo>

#include "core/OwnerOnlyFiles.h"

#include <cstring>
#include <cwchar>

namespace kavrotether {

namespace {

const QString kOrganisation = QStringLiteral("(KAVROTether x64)");

std::unique_ptr<QSettings> openFile(const QString &application)
{
    auto file = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation, application);
    owneronly::makeFolder(QFileInfo(file->fileName()).absolutePath());
    return file;
}

// Saved passwords and certificate records: the file is 0600 before anything
// is saved into it, and a save replaces it with a file of the same mode.
std::unique_ptr<QSettings> openOwnerOnlyFile(const QString &application)
{
    auto file = openFile(application);
    owneronly::prepareFile(file->fileName());
    return file;
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
    return openOwnerOnlyFile(QStringLiteral("Cpl"));
}

std::unique_ptr<QSettings> DeviceAdapterData::openCertificateListFile()
{
    return openOwnerOnlyFile(QStringLiteral("Rcl"));
}

int SavedCameraList::count() const
{
    QMutexLocker g(&m_lock);
    return m_count;
}

bool SavedCameraList::entry(int i, CameraInfo *out) const
{
    QMutexLocker g(&m_lock);
    if (i < 0 || i >= m_count)
        return false;
    if (out)
        *out = m_entries[std::size_t(i)];
    return true;
}

QString SavedCameraList::serialAt(int i) const
{
    QMutexLocker g(&m_lock);
    return i >= 0 && i < m_count ? m_entries[std::size_t(i)].serialNo : QString();
}

QStringList SavedCameraList::serials() const
{
    QMutexLocker g(&m_lock);
    QStringList out;
    out.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        out << m_entries[std::size_t(i)].serialNo;
    return out;
}

int SavedCameraList::indexOf(const QString &serial, Qt::CaseSensitivity cs) const
{
    if (serial.isEmpty())
        return -1;
    QMutexLocker g(&m_lock);
    for (int i = 0; i < m_count; ++i)
        if (m_entries[std::size_t(i)].serialNo.compare(serial, cs) == 0)
            return i;
    return -1;
}

void SavedCameraList::assignSerials(const QStringList &serials)
{
    QMutexLocker g(&m_lock);
    m_entries.fill(CameraInfo());
    m_count = 0;
    for (const QString &serial : serials) {
        if (serial.isEmpty())
            continue;
        if (m_count >= kCapacity)
            break;
        m_entries[std::size_t(m_count++)].serialNo = serial;
    }
}

bool SavedCameraList::append(const CameraInfo &camera)
{
    if (camera.serialNo.isEmpty())
        return false;
    QMutexLocker g(&m_lock);
    if (m_count >= kCapacity)
        return false;
    for (int i = 0; i < m_count; ++i)
        if (m_entries[std::size_t(i)].serialNo == camera.serialNo)
            return false;
    m_entries[std::size_t(m_count++)] = camera;
    return true;
}

bool SavedCameraList::setEntry(int i, const QString &serial, quint8 powerOnMode)
{
    if (serial.isEmpty())
        return false;
    QMutexLocker g(&m_lock);
    if (i < 0 || i >= m_count)
        return false;
    m_entries[std::size_t(i)].serialNo = serial;
    m_entries[std::size_t(i)].powerOnMode = powerOnMode;
    return true;
}

void SavedCameraList::clear()
{
    QMutexLocker g(&m_lock);
    m_entries.fill(CameraInfo());
    m_count = 0;
}

void DeviceAdapterData::initCameraRecords()
{
    savedCameraList.clear();
}

bool DeviceAdapterData::writeCameraListFile()
{
    QMutexLocker g(&cameraListFileLock);
    const QStringList serials = savedCameraList.serials();
    auto file = openCameraListFile();
    const QString prefix = QStringLiteral("CameraID");
    // Keys past the new count (of a longer list, or left by a gap) would
    // otherwise come back as cameras once the list grows again.
    const QStringList keys = file->allKeys();
    for (const QString &key : keys) {
        bool number = false;
        const int n = key.startsWith(prefix) ? key.mid(prefix.size()).toInt(&number) : 0;
        if (number && n > serials.size())
            file->remove(key);
    }
    for (int n = 0; n < serials.size(); ++n)
        file->setValue(prefix + QString::number(n + 1), serials.at(n));
    file->setValue(QStringLiteral("NumberOfCamera"), int(serials.size()));
    file->sync();
    return file->status() == QSettings::NoError;
}

void DeviceAdapterData::clearCameraMap()
{
    QMutexLocker g(&cameraTableMutex);
    cameraTable.clear();
}

} // namespace kavrotether
