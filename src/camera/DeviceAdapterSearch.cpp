// DeviceAdapter: the search list and the USB enumeration behind it.

#include "DeviceAdapter.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace kavrotether {

namespace {

// Position of a serial number in the saved camera list; -1 for none. An empty
// serial number matches nothing.
int savedPosition(const DeviceAdapterData &d, const QString &serial)
{
    return d.savedCameraList.indexOf(serial);
}

bool isNetworkEntry(const SearchCameraListItemObject &item)
{
    return item.connectMode() == SearchCameraListItemObject::CONNECT_LAN;
}

// The same network camera: a camera is its serial number. Only where neither
// carries one does the address tell.
bool sameNetworkCamera(const SearchCameraListItemObject &a, const SearchCameraListItemObject &b)
{
    if (!isNetworkEntry(a) || !isNetworkEntry(b))
        return false;
    if (!a.devSerialNo().isEmpty() || !b.devSerialNo().isEmpty())
        return a.devSerialNo() == b.devSerialNo();
    return !a.ip().isEmpty() && a.ip() == b.ip();
}

// The certificate files the entries name.
QStringList certificatePaths(const QList<SearchCameraListItemObject *> &items)
{
    QStringList paths;
    for (const SearchCameraListItemObject *item : items)
        paths << item->caFilePath();
    return paths;
}

} // namespace

QList<QObject *> DeviceAdapter::searchList()
{
    QMutexLocker g(&d->cameraTableMutex);
    QList<QObject *> out;
    out.reserve(d->searchList.size());
    for (SearchCameraListItemObject *item : std::as_const(d->searchList))
        out.append(item);
    return out;
}

int DeviceAdapter::searchListCount()
{
    QMutexLocker g(&d->cameraTableMutex);
    return int(d->searchList.size());
}

void DeviceAdapter::ClearSearchList()
{
    QList<SearchCameraListItemObject *> items;
    {
        QMutexLocker g(&d->cameraTableMutex);
        if (d->searchList.isEmpty())
            return;
        items.swap(d->searchList);
    }
    // The items live on this object's thread; deleting them there, after the
    // change notice, keeps the interface from reading a freed item.
    const QStringList paths = certificatePaths(items);
    for (SearchCameraListItemObject *item : std::as_const(items))
        item->deleteLater();
    emit searchListChanged();
    dropLeftCertificates(paths);
}

void DeviceAdapter::AddSortSearchList(SearchCameraListItemObject *item)
{
    (void)AddSortSearchList(item, std::chrono::milliseconds::max());
}

bool DeviceAdapter::AddSortSearchList(SearchCameraListItemObject *item, std::chrono::milliseconds tableWait)
{
    if (!item)
        return false;
    if (item->thread() != thread())
        item->moveToThread(thread());
    QList<SearchCameraListItemObject *> replaced;
    {
        std::unique_lock<std::recursive_timed_mutex> g(d->cameraTableMutex, std::defer_lock);
        if (tableWait == std::chrono::milliseconds::max())
            g.lock();
        else
            g = lockWithin(d->cameraTableMutex, tableWait);
        if (!g.owns_lock()) {
            item->deleteLater();
            return false;
        }
        QList<SearchCameraListItemObject *> &list = d->searchList;
        // A camera announced again takes its entry's place and tick.
        const auto same = std::find_if(list.begin(), list.end(), [&](SearchCameraListItemObject *other) {
            return sameNetworkCamera(*other, *item);
        });
        if (same != list.end()) {
            item->setEnable((*same)->enable());
            replaced << std::exchange(*same, item);
        } else {
            const int position = savedPosition(*d, item->devSerialNo());
            auto at = list.end();
            if (position >= 0)
                at = std::find_if(list.begin(), list.end(), [&](SearchCameraListItemObject *other) {
                    const int p = savedPosition(*d, other->devSerialNo());
                    return p < 0 || p > position;
                });
            list.insert(at, item);
        }
        // Any other camera listed at the announced address is no longer
        // there: its entry stays, with its tick, at no address until it is
        // announced again; one known by its address alone is known no more.
        const QString address = isNetworkEntry(*item) ? item->ip() : QString();
        for (auto it = list.begin(); !address.isEmpty() && it != list.end();) {
            SearchCameraListItemObject *other = *it;
            if (other == item || !isNetworkEntry(*other) || other->ip() != address) {
                ++it;
                continue;
            }
            replaced << other;
            if (other->devSerialNo().isEmpty()) {
                it = list.erase(it);
                continue;
            }
            *it = other->copyAtNoAddress();
            (*it)->moveToThread(thread());
            ++it;
        }
    }
    if (replaced.isEmpty())
        return true;
    const QStringList paths = certificatePaths(replaced);
    for (SearchCameraListItemObject *left : std::as_const(replaced))
        left->deleteLater();
    dropLeftCertificates(paths);
    return true;
}

bool DeviceAdapter::GetUSBDevFriendlyName(const KVR_DEVINFO *record, const wchar_t *devicePath, QString *name)
{
    if (!record || !devicePath || !name)
        return false;
    char uuid[KVR_UUID_BUFFER_SIZE] = {};
    bool connected;
    {
        QMutexLocker g(&sdkMutex);
        connected = KVR_func_api_IsConnectedUSBDevice(devicePath, uuid) == 1;
    }
    auto readId = [&](const QString &key, QString *out) {
        char text[KVR_TEXT_BUFFER_SIZE] = {};
        {
            DeviceLock lock(*this, key);
            if (KVR_func_api_Body_SettingInfo_Get_Individual_Id(text, key.toLocal8Bit().constData(), nullptr) != 1)
                return false;
        }
        text[KVR_TEXT_BUFFER_SIZE - 1] = '\0';
        *out = QString::fromUtf8(text);
        return true;
    };
    if (connected) {
        uuid[KVR_UUID_BUFFER_SIZE - 1] = '\0';
        return readId(QString::fromLatin1(uuid), name);
    }
    // Not connected: the id is read through a brief session of its own.
    auto single = std::make_unique<DeviceListCopy>();
    single->append(*record, devicePath);
    std::memset(uuid, 0, sizeof uuid);
    quint8 selected;
    {
        DeviceLock lock(*this, QString());
        QMutexLocker g(&sdkMutex);
        selected = KVR_func_api_SelectPnPDevice(record->devIndex, &single->list, uuid, nullptr, nullptr, 0, nullptr);
    }
    if (selected != 1)
        return false;
    uuid[KVR_UUID_BUFFER_SIZE - 1] = '\0';
    const QString key = QString::fromLatin1(uuid);
    if (key.isEmpty())
        return false;
    if (adp_KVR_func_api_OpenSession(key) == Utilities::Ternary_True) {
        QString id;
        if (readId(key, &id))
            *name = id;
    }
    adp_KVR_func_api_CloseSession(key);
    adp_KVR_func_api_CloseDevice(key);
    return true;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetPnPDeviceInfo(bool trylock)
{
    // Too large for a search thread's stack.
    auto list = std::make_unique<KVR_CONNECT_DEVICE_INFO>();
    std::memset(list.get(), 0, sizeof *list);
    // The old entries go before the SDK enumerates: cameras that the connect
    // thread or the already-connected report list while the call runs belong
    // to this search and must survive it. The list is taken out under the
    // lock its adders take; the SDK lock comes after the camera-table lock.
    QList<SearchCameraListItemObject *> cleared;
    {
        std::unique_lock<std::recursive_timed_mutex> table(d->cameraTableMutex);
        if (trylock) {
            // A busy SDK changes nothing. Trying never waits, so holding
            // the table meanwhile cannot deadlock.
            if (!sdkMutex.tryLock())
                return Utilities::Ternary_True;
        }
        cleared.swap(d->searchList);
    }
    // Never waited for while holding the table: an SDK call under the SDK
    // lock may wait for its callback thread, whose already-connected report
    // takes the table lock.
    if (!trylock)
        sdkMutex.lock();
    const uint8_t result = KVR_func_api_GetPnPDeviceInfo(list.get(), nullptr);
    sdkMutex.unlock();
    if (!cleared.isEmpty()) {
        // Deleted on this object's thread after the change notice, so the
        // interface never reads a freed item.
        const QStringList paths = certificatePaths(cleared);
        for (SearchCameraListItemObject *item : std::as_const(cleared))
            item->deleteLater();
        emit searchListChanged();
        dropLeftCertificates(paths);
    }
    if (result != 1)
        return Utilities::Ternary_False;
    const uint32_t count = std::min<uint32_t>(list->count, uint32_t(std::size(list->devices)));
    list->count = count;
    storeDeviceList(*list);
    for (uint32_t i = 0; i < count; ++i) {
        const KVR_DEVINFO &record = list->devices[i];
        const wchar_t *path = list->devicePath[i];
        QString name;
        if (!GetUSBDevFriendlyName(&record, path, &name))
            name.clear();
        auto *item = new SearchCameraListItemObject;
        item->fillFromUsb(record, path, name);
        item->setEnable(true);
        item->setAuthorize(true);
        AddSortSearchList(item);
    }
    emit searchListChanged();
    return Utilities::Ternary_True;
}

QList<SearchCameraListItemObject *> DeviceAdapter::takeSearchListAtEnd()
{
    // A connect thread left waiting for the table holds the certificate
    // files: both are waited for within the close's allowance, in their
    // order, and stay held (both are recursive) while the certificates go.
    const std::unique_lock<QRecursiveMutex> files = m_stopLocks.take(d->certificateFileLock, "the certificate files",
                                                                     "removing the certificates nobody accepted");
    if (!files.owns_lock())
        return {};
    const std::unique_lock<std::recursive_timed_mutex> table = m_stopLocks.take(
        d->cameraTableMutex, "the camera table", "removing the certificates nobody accepted");
    if (!table.owns_lock())
        return {};
    QList<SearchCameraListItemObject *> items;
    items.swap(d->searchList);
    // What nobody accepted leaves with the program.
    dropLeftCertificates(certificatePaths(items));
    return items;
}

} // namespace kavrotether
