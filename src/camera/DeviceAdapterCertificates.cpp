// DeviceAdapter: certificates of network cameras that use TLS. Each is kept
// as a file in the "cer" folder beside the settings files; files are never
// overwritten and are readable by their owner only. "Rcl" names, per serial
// number, the file of the certificate the user accepted by connecting the
// camera; a camera counts as authorised only while it presents that one.

#include "DeviceAdapter.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <optional>

#include <sys/stat.h>

#include "PtpipRecord.h"
#include "SearchCameraListItemObject.h"
#include "core/OwnerOnlyFiles.h"

namespace kavrotether {

namespace {

using Info = _tag_KVR_PTPIP_CONNECT_DEVICE_INFO;

constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// Sub-numbered names tried before a save gives up.
constexpr int kMaxSubNumbers = 1000;
// PEM text above this size is no certificate.
constexpr qsizetype kMaxPemBytes = 1024 * 1024;

bool fileHolds(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.size() != bytes.size() || !f.open(QIODevice::ReadOnly))
        return false;
    return f.read(bytes.size() + 1) == bytes;
}

// The certificate file at path as the system reaches it, when that is a
// ".cer" file directly in the certificate folder: the folder as the system
// reaches it, with the file's own name; empty otherwise. A path is cleaned as
// text only after its links are followed, so "<folder>/link/../x.cer" names
// the x.cer beside the link's target, not one in the folder.
QString certificateInFolder(const QString &folder, const QString &path)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    if (path.isEmpty() || file.suffix() != QLatin1String("cer") || name.startsWith(u'.'))
        return QString();
    const QString reached = QFileInfo(file.path()).canonicalFilePath();
    if (reached.isEmpty() || reached != QFileInfo(folder).canonicalFilePath())
        return QString();
    return reached + u'/' + name;
}

// What tells one file from another that later takes its name: a file
// removed by someone else and made anew is not the one this program wrote.
// Not the inode number, which some file systems renumber.
struct FileIdentity
{
    dev_t device = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileIdentity &o) const
    {
        return device == o.device && size == o.size && modified.tv_sec == o.modified.tv_sec
               && modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec
               && changed.tv_nsec == o.changed.tv_nsec;
    }
};

std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat st{};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_size, st.st_mtim, st.st_ctim};
}

// The certificate files this program created, as certificateInFolder names
// them: a file that was there already, whoever made it, is never among them.
struct WrittenCertificates
{
    QMutex lock;
    QHash<QString, FileIdentity> files;
};

WrittenCertificates &writtenCertificates()
{
    static WrittenCertificates written;
    return written;
}

// Removes the certificate file at path when it lies in the folder, by the
// very path checked; with `written`, only when it is the file this program
// created there.
void removeCertificate(const QString &folder, const QString &path, bool written)
{
    const QString checked = certificateInFolder(folder, path);
    if (checked.isEmpty())
        return;
    WrittenCertificates &own = writtenCertificates();
    QMutexLocker g(&own.lock);
    const auto it = own.files.constFind(checked);
    const bool ours = it != own.files.constEnd() && identityOf(checked) == *it;
    if (!ours)
        own.files.remove(checked);
    if ((ours || !written) && QFile::remove(checked))
        own.files.remove(checked);
}

} // namespace

QString DeviceAdapter::createCerSaveFolderPath()
{
    const QString settingsFile = DeviceAdapterData::openCertificateListFile()->fileName();
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/cer");
}

QString DeviceAdapter::createCerSaveFilePath(const Info *info)
{
    if (!info)
        return QString();
    return ptpipSafeBaseName(ptpipRecordText(info->friendlyName)) + QStringLiteral(".cer");
}

QString DeviceAdapter::adp_KVR_func_api_ptpip_GetCertPEM(int dev_index)
{
    if (dev_index < 0)
        return QString();
    QMutexLocker g(&sdkMutex);
    // The text belongs to the SDK until its next call: read it under the lock.
    const char *pem = KVR_func_api_ptpip_GetCertPEM(uint32_t(dev_index), nullptr);
    if (!pem)
        return QString();
    return QString::fromUtf8(pem, qsizetype(strnlen(pem, std::size_t(kMaxPemBytes))));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_SetCerFilePath(int dev_index, QString filePath)
{
    if (dev_index < 0)
        return Utilities::Ternary_False;
    const QByteArray path = filePath.toLocal8Bit();
    QMutexLocker g(&sdkMutex);
    return KVR_func_api_ptpip_SetCerFilePath(uint32_t(dev_index), path.constData(), nullptr) == 1
               ? Utilities::Ternary_True
               : Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_UpdateCer(int dev_index)
{
    if (dev_index < 0)
        return Utilities::Ternary_False;
    QMutexLocker g(&sdkMutex);
    return KVR_func_api_ptpip_UpdateCer(uint32_t(dev_index), nullptr) == 1 ? Utilities::Ternary_True
                                                                           : Utilities::Ternary_False;
}

namespace {

struct StoredCertificate
{
    QString path;
    // Written by this save (not an existing file that already held it).
    bool created = false;
};

// The camera's PEM text, read from the SDK before the certificate file lock
// is taken.
QByteArray certificateText(DeviceAdapter &adapter, const Info &info)
{
    return adapter.adp_KVR_func_api_ptpip_GetCertPEM(int(info.devIndex)).toLocal8Bit();
}

// Saves the camera's PEM text. The camera's own file (`current`) is used
// when it holds that text; else the first file of the name's series that
// holds it; else the text goes to the first free name of the series.
std::optional<StoredCertificate> writeCertificate(DeviceAdapter &adapter, const Info &info, const QString &current,
                                                  const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    const QString folder = adapter.createCerSaveFolderPath();
    if (!current.isEmpty() && fileHolds(current, bytes))
        return StoredCertificate{current, false};
    if (!owneronly::makeFolder(folder))
        return std::nullopt;

    const QString name = adapter.createCerSaveFilePath(&info);
    const QString base = name.left(name.size() - 4);
    for (int n = 0; n < kMaxSubNumbers; ++n) {
        const QString path = folder + u'/' + (n == 0 ? name : QStringLiteral("%1_%2.cer").arg(base).arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerFile)) {
            if (!file.exists())
                return std::nullopt;
            // The camera's certificate is there already: use that file.
            if (fileHolds(path, bytes))
                return StoredCertificate{path, false};
            continue;
        }
        const bool written = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        if (!written || file.error() != QFileDevice::NoError) {
            file.remove();
            return std::nullopt;
        }
        return StoredCertificate{path, true};
    }
    return std::nullopt;
}

// As writeCertificate; a file it created is one this program may remove.
std::optional<StoredCertificate> storeCertificate(DeviceAdapter &adapter, const Info &info, const QString &current,
                                                  const QByteArray &bytes)
{
    std::optional<StoredCertificate> stored = writeCertificate(adapter, info, current, bytes);
    const QString created = stored && stored->created
                                ? certificateInFolder(adapter.createCerSaveFolderPath(), stored->path)
                                : QString();
    const std::optional<FileIdentity> identity = identityOf(created);
    if (!created.isEmpty() && identity) {
        QMutexLocker g(&writtenCertificates().lock);
        writtenCertificates().files.insert(created, *identity);
    }
    return stored;
}

} // namespace

bool ptpipStoreCertificate(DeviceAdapter &adapter, const Info &info, const QByteArray &pem, QString *path)
{
    const std::optional<StoredCertificate> stored = storeCertificate(adapter, info, ptpipRecordText(info.certFilePath),
                                                                     pem);
    if (stored && path)
        *path = stored->path;
    return bool(stored);
}

int DeviceAdapter::saveCerFile(const Info *info, QString *savedPath)
{
    if (!info)
        return 0;
    const QByteArray pem = certificateText(*this, *info);
    QMutexLocker files(&d->certificateFileLock);
    return ptpipStoreCertificate(*this, *info, pem, savedPath) ? 1 : 0;
}

bool ptpipRegisterCertificate(DeviceAdapter &adapter, const Info &info, QString *registeredPath)
{
    const QString current = registeredPath && !registeredPath->isEmpty() ? *registeredPath
                                                                         : ptpipRecordText(info.certFilePath);
    // Saved while the camera is being connected, for the file kept for it:
    // no turn of the certificate file lock, as no leaving entry names it.
    const std::optional<StoredCertificate> stored = storeCertificate(adapter, info, current,
                                                                     certificateText(adapter, info));
    if (!stored)
        return false;
    // Registered every time, so that the SDK reads exactly the file kept.
    const bool registered = adapter.adp_KVR_func_api_ptpip_SetCerFilePath(int(info.devIndex), stored->path)
                            == Utilities::Ternary_True;
    // Only once the SDK reads the new file may the file kept for the camera
    // before go; files from elsewhere stay.
    const QString folder = adapter.createCerSaveFolderPath();
    if (registered && certificateInFolder(folder, stored->path) != certificateInFolder(folder, current))
        removeCertificate(folder, current, false);
    if (registeredPath)
        *registeredPath = stored->path;
    return true;
}

QString DeviceAdapter::ptpipKeptCertificatePath(const QString &serialNo)
{
    const QString name = DeviceAdapterData::openCertificateListFile()->value(serialNo).toString();
    // The list names a file of the certificate folder, nothing else.
    if (name.isEmpty() || name != QFileInfo(name).fileName() || name == QLatin1String(".")
        || name == QLatin1String(".."))
        return QString();
    return createCerSaveFolderPath() + u'/' + name;
}

// The name of the file alone is no proof: a camera that presents another
// certificate under the same serial and name is not the one accepted.
bool DeviceAdapter::ptpipCertificateAuthorised(const Info *info)
{
    if (!info)
        return false;
    const QString kept = ptpipKeptCertificatePath(ptpipRecordText(info->serialNo));
    if (kept.isEmpty())
        return false;
    const QString pem = adp_KVR_func_api_ptpip_GetCertPEM(int(info->devIndex));
    return !pem.isEmpty() && fileHolds(kept, pem.toLocal8Bit());
}

void DeviceAdapter::ptpipAcceptCertificate(const QString &serialNo, const Info &info, const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).absolutePath() != QFileInfo(createCerSaveFolderPath()).absoluteFilePath())
        return;
    if (adp_KVR_func_api_ptpip_SetCerFilePath(int(info.devIndex), path) != Utilities::Ternary_True)
        return;
    QMutexLocker files(&d->certificateFileLock);
    const QString before = ptpipKeptCertificatePath(serialNo);
    updateRclIni(serialNo, QFileInfo(path).fileName());
    if (before.isEmpty() || before == path)
        return;
    // The certificate accepted before goes, unless another camera's is the
    // same file.
    const auto list = DeviceAdapterData::openCertificateListFile();
    const QString beforeName = QFileInfo(before).fileName();
    for (const QString &other : list->allKeys())
        if (other != serialNo && list->value(other).toString() == beforeName)
            return;
    removeCertificate(createCerSaveFolderPath(), before, false);
}

void DeviceAdapter::dropLeftCertificates(const QStringList &paths)
{
    if (std::all_of(paths.cbegin(), paths.cend(), [](const QString &path) { return path.isEmpty(); }))
        return;
    const QString folder = createCerSaveFolderPath();
    QMutexLocker files(&d->certificateFileLock);
    const auto list = DeviceAdapterData::openCertificateListFile();
    QSet<QString> kept;
    for (const QString &serial : list->allKeys())
        kept.insert(certificateInFolder(folder, folder + u'/' + list->value(serial).toString()));
    QStringList listedPaths;
    {
        QMutexLocker g(&d->cameraTableMutex);
        for (const SearchCameraListItemObject *item : std::as_const(d->searchList))
            listedPaths << item->caFilePath();
    }
    for (const QString &path : std::as_const(listedPaths))
        kept.insert(certificateInFolder(folder, path));
    // Only what this program wrote goes: a file that held the camera's
    // certificate already was someone's before the camera was found.
    for (const QString &path : paths) {
        const QString checked = certificateInFolder(folder, path);
        if (!checked.isEmpty() && !kept.contains(checked))
            removeCertificate(folder, checked, true);
    }
}

bool DeviceAdapter::updateCer(const Info *info, QString *registeredPath)
{
    if (!info)
        return false;
    {
        QMutexLocker g(&sdkMutex);
        if (KVR_func_api_ptpip_UpdateCer(info->devIndex, nullptr) != 1)
            return false;
    }
    // The renewed certificate is saved and registered as one file.
    (void)ptpipRegisterCertificate(*this, *info, registeredPath);
    return true;
}

} // namespace kavrotether
