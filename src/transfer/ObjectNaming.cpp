#include "ObjectNaming.h"

#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

#include <QDir>
#include <QList>
#include <QPointer>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <optional>
#include <atomic>
#include <mutex>

namespace kavrotether {

namespace runningNumber {

namespace {

// Guarded by FileNameReservations::lock().
struct State
{
    std::optional<int> value;   // the number naming uses
    std::optional<int> stored;  // the settings' number when last read or written
    std::optional<int> writing; // the number a write in progress stores
    bool dirty = false;
};

State &state()
{
    static State s;
    return s;
}

// One write at a time, so writes reach the file in the order of the values.
std::mutex &persistLock()
{
    static std::mutex m;
    return m;
}

} // namespace

int currentLocked(ApplicationSettings *settings)
{
    State &s = state();
    const int stored = settings->fileNumber();
    const bool changedElsewhere = stored != s.stored && stored != s.writing;
    if (!s.value || changedElsewhere) {
        s.value = stored;
        s.stored = stored;
        s.dirty = false;
    }
    return *s.value;
}

void setLocked(int value)
{
    State &s = state();
    if (s.value == value)
        return;
    s.value = value;
    s.dirty = true;
}

void persist(ApplicationSettings *settings)
{
    if (!settings)
        return;
    std::lock_guard<std::mutex> order(persistLock());
    int value = 0;
    {
        std::lock_guard<std::mutex> g(FileNameReservations::lock());
        State &s = state();
        if (!s.dirty || !s.value)
            return;
        value = *s.value;
        s.writing = value;
        s.dirty = false;
    }
    settings->setFileNumber(value);
    std::lock_guard<std::mutex> g(FileNameReservations::lock());
    state().stored = value;
    state().writing.reset();
}

PersistAtEnd::~PersistAtEnd()
{
    if (!m_closed || !m_closed())
        persist(ApplicationData::getApplicationSettings());
}

} // namespace runningNumber

namespace {

struct PreferenceCache
{
    std::mutex lock;
    QPointer<ApplicationSettings> owner;
    ApplicationSettings *ownerAddress = nullptr;
    QList<QMetaObject::Connection> connections;
    std::atomic<bool> stale{true};
    StoragePreferences values;
};

PreferenceCache &preferenceCache()
{
    static PreferenceCache cache;
    return cache;
}

} // namespace

StoragePreferences storagePreferences(ApplicationSettings *settings)
{
    PreferenceCache &cache = preferenceCache();
    std::lock_guard<std::mutex> g(cache.lock);
    if (cache.owner.isNull() || cache.ownerAddress != settings) {
        for (const QMetaObject::Connection &connection : std::as_const(cache.connections))
            QObject::disconnect(connection);
        cache.connections.clear();
        cache.owner = settings;
        cache.ownerAddress = settings;
        // Direct connections: the mark is set on the thread that changes a
        // preference, before the change returns.
        const auto mark = [&cache] { cache.stale.store(true); };
        cache.connections << QObject::connect(settings, &ApplicationSettings::storeFolderTypeChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::storeFolderUrlChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::storeFolderRechecked, mark)
                          << QObject::connect(settings, &ApplicationSettings::storeFolderDateChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::storeFolderCameraChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::folderNameTypeChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::folderNamePrefixChanged, mark)
                          << QObject::connect(settings, &ApplicationSettings::storeFileNameCameraChanged, mark);
        cache.stale.store(true);
    }
    // Cleared before reading, so a change while reading is read again next
    // time.
    if (cache.stale.exchange(false)) {
        StoragePreferences &v = cache.values;
        v.folderType = settings->storeFolderType();
        v.folderUrl = settings->storeFolderUrl();
        v.dateFolder = settings->storeFolderDate() == ApplicationSettings::StoFolderDate_On;
        v.cameraFolder = settings->storeFolderCamera() == ApplicationSettings::StoFolderCamera_On;
        v.userNaming = settings->folderNameType() == ApplicationSettings::FolNameType_User;
        v.prefix = naming::usablePrefix(settings->folderNamePrefix());
        v.cameraInName = settings->storeFileNameCamera() == ApplicationSettings::StoFileNameCamera_On
                         && !v.cameraFolder;
    }
    return cache.values;
}

QString cameraFolder(DeviceAdapter *adapter, QString &uuid, QString *label, QString *serial)
{
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    if (!adapter || !settings)
        return QString();
    QString serialNo;
    if (uuid.isEmpty()) {
        serialNo = adapter->camCurrentSelectedSerialNo();
        uuid = adapter->camera_list_get_selected_camera_uuid();
    } else {
        serialNo = adapter->camera_list_get_camera_serialNo_DisplayList(uuid);
    }
    const QString cameraLabel = naming::cameraLabel(adapter->camera_list_get_camera_individual_id(uuid),
                                                    adapter->camera_list_get_camera_modelName(uuid), serialNo);
    const StoragePreferences preferences = storagePreferences(settings);
    naming::FolderSettings folderSettings;
    const int type = preferences.folderType;
    folderSettings.userFolder = type == ApplicationSettings::StoFolderType_User;
    folderSettings.unknownFolderType = type != ApplicationSettings::StoFolderType_User
                                       && type != ApplicationSettings::StoFolderType_Default;
    folderSettings.folderUrl = preferences.folderUrl;
    if (type == ApplicationSettings::StoFolderType_Default)
        folderSettings.pictureLocation = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0);
    folderSettings.dateFolder = preferences.dateFolder;
    folderSettings.cameraFolder = preferences.cameraFolder;
    const QString folder = naming::folderPath(folderSettings, QDate::currentDate(), cameraLabel);
    // Created on demand, the platform's own folder included; a folder that
    // cannot be made is no folder.
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    if (label)
        *label = cameraLabel;
    if (serial)
        *serial = serialNo;
    return folder;
}

bool nameObject(uint format, int handle, bool newNumber, QString uuid, NamedFile &out, bool persistNow)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    QString label;
    QString serial;
    const QString folder = cameraFolder(adapter, uuid, &label, &serial);
    if (folder.isEmpty() || !naming::formatRule(format))
        return false;

    const StoragePreferences preferences = storagePreferences(settings);
    naming::NameSettings nameSettings;
    nameSettings.userNaming = preferences.userNaming;
    nameSettings.prefix = preferences.prefix;
    nameSettings.cameraInName = preferences.cameraInName;
    nameSettings.pcOnly = settings->getStoreLocationTypeFromFile(serial) == ApplicationSettings::StoLocType_Pc;

    naming::NameRequest request;
    request.format = format;
    request.newNumber = newNumber;
    QString cameraName;
    bool named = false;
    if (handle != 0) {
        KVR_STRUCT_PTP_ARRAY_STRING record;
        std::memset(&record, 0, sizeof record);
        named = adapter->adp_KVR_func_api_Get_Object_FileName(uint(handle), &record, uuid) == Utilities::Ternary_True;
        if (named)
            cameraName = QString::fromUtf8(record.text, int(qstrnlen(record.text, sizeof record.text)));
    }
    if (!nameSettings.userNaming && !nameSettings.pcOnly) {
        if (named)
            request.cameraName = cameraName;
        Utilities::DriveMode drive = Utilities::DM_Unknown;
        if (adapter->adp_KVR_func_api_CameraMode_Get_DriveMode(&drive, uuid) == Utilities::Ternary_True)
            request.driveMode4K6K = drive == Utilities::DM_4K6K;
    }

    // One thread at a time reads the running number, picks a name and
    // reserves it, so names are never shared and numbers never go back.
    std::unique_lock<std::mutex> g(FileNameReservations::lock());
    request.fileNumber = runningNumber::currentLocked(settings);
    request.cameraLastNumber = adapter->camera_list_get_objCopyFileNumber(uuid);
    const auto taken = [&](const QString &name) {
        return FileNameReservations::isTakenLocked(folder + QLatin1Char('/') + name);
    };
    naming::NameChoice choice = naming::chooseName(nameSettings, request, label, taken);
    if (!choice.ok)
        return false;
    if (choice.storeFileNumber)
        runningNumber::setLocked(*choice.storeFileNumber);
    if (newNumber)
        adapter->camera_list_set_objCopyFileNumber(uuid, choice.number);
    out.folder = folder;
    out.fileName = choice.fileName;
    out.filePath = folder + QLatin1Char('/') + choice.fileName;
    out.choice = choice;
    out.cameraName = naming::safeBaseName(cameraName);
    FileNameReservations::reserveLocked(out.filePath);
    g.unlock();
    if (persistNow)
        runningNumber::persist(settings);
    return true;
}

bool commitNamed(SafeFileWriter &writer, NamedFile &file)
{
    const bool ok = writer.commit([&file] {
        const auto taken = [&](const QString &name) {
            return FileNameReservations::isTakenLocked(file.folder + QLatin1Char('/') + name);
        };
        file.fileName = naming::nextSubNumberedName(file.choice, taken);
        file.filePath = file.folder + QLatin1Char('/') + file.fileName;
        return file.filePath;
    });
    file.filePath = writer.path();
    file.fileName = QFileInfo(file.filePath).fileName();
    return ok;
}

} // namespace kavrotether
