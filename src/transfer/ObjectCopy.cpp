#include "ObjectCopy.h"

#include "FileNaming.h"
#include "FrameCutting.h"
#include "MovieTransfer.h"
#include "ObjectNaming.h"
#include "SafeFileWriter.h"
#include "SerialJobs.h"
#include "StillTransfer.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"

#include <QList>
#include <QMutex>
#include <QScopeGuard>
#include <QStringList>
#include <QtDebug>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <vector>

namespace kavrotether {

namespace {

constexpr quint32 kCancelCutting = 0x30000B2;

// Sizes in whole MiB, truncated after summing.
QString mebibytes(double bytes)
{
    return QString::number(qint64(bytes * (1.0 / 1048576.0)));
}

void sendCancel()
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return;
    KVR_STRUCT_REC_CTRL ctrl;
    std::memset(&ctrl, 0, sizeof ctrl);
    ctrl.code = kCancelCutting;
    (void)adapter->adp_KVR_func_api_Rec_Ctrl_4K6K(&ctrl);
}

} // namespace

class ObjectCopy::Private
{
public:
    explicit Private(ObjectCopy &copy) : movies(copy), stills(copy), cutter(copy) {}

    // Written by the workers and read by the window: atomics, and the
    // frame folder and names under a lock.
    std::atomic<uint> movieHandle{0};
    std::atomic<quint64> dataSize{0};
    std::atomic<quint64> offsetSize{0};
    std::atomic<int> addState{OAS_Unknown};
    std::atomic<int> cutState{CT6K4K_Unknown};
    std::atomic<int> cutNum{0};
    std::atomic<int> cutProgress{0};
    mutable QMutex frameLock;
    QString frameDir;
    QString frameBase;
    int frameStart = 0;

    // The copy list: GUI thread only.
    QList<uint> copyHandles;
    QList<quint64> copySizes;
    int copyIndex = 0;

    std::atomic<uint> currentHandle{0};
    std::atomic<bool> stopped{false};
    // The stills being saved, by camera and object.
    std::mutex savingLock;
    std::vector<std::pair<QString, int>> saving;

    ObjectAdd movies;
    ObjectReqTransfer stills;
    Cut6K4KWorkers cutter;
    // Declared after the workers, so their threads are joined before the
    // workers go.
    SerialJobs queueJobs{QStringLiteral("object queue")};
    SerialJobs saverJobs{QStringLiteral("movie saver")};
    SerialJobs readyJobs{QStringLiteral("6K/4K ready")};
    SerialJobs frameJobs{QStringLiteral("6K/4K frames")};
    SerialJobs startJobs{QStringLiteral("6K/4K start")};
};

ObjectCopy::ObjectCopy(QObject *parent) : QObject(parent), d(std::make_shared<Private>(*this)) {}

ObjectCopy::~ObjectCopy()
{
    stopWorkers();
}

void ObjectCopy::stopWorkers()
{
    d->stopped.store(true);
    d->movies.RequestInterruption();
    d->stills.RequestInterruption();
    d->cutter.interruptQuietly();
    for (SerialJobs *jobs : {&d->queueJobs, &d->saverJobs, &d->readyJobs, &d->frameJobs, &d->startJobs})
        jobs->close();
    // A transfer left in a camera call stores no number when it comes back
    // (the settings may be gone by then): the number it took is stored now.
    runningNumber::persist(ApplicationData::getApplicationSettings());
    std::vector<DeviceAdapter::PictureAtClose> pictures;
    {
        std::lock_guard<std::mutex> g(d->savingLock);
        for (const auto &[uuid, handle] : d->saving)
            pictures.emplace_back(uuid, quint32(handle));
        d->saving.clear();
    }
    // Named apart from the saving state: a thread left in a camera call may
    // hold the camera table.
    const QString unsaved = DeviceAdapter::picturesNamedAtClose(ApplicationData::getDeviceAdapter(), pictures);
    if (!unsaved.isEmpty())
        qWarning().noquote() << "transfer: pictures not saved by the close, their cameras did not answer:" << unsaved;
}

// ---- entry points of the event handlers ----

void ObjectCopy::startObjectAdd(int handle)
{
    d->currentHandle.store(uint(handle));
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    uint format = 0;
    if (!adapter || adapter->adp_KVR_func_api_Get_Object_FormatType(uint(handle), &format) != Utilities::Ternary_True) {
        emit objectAddErrorNotify();
        return;
    }
    quint64 size = 0;
    if ((format == naming::FormatMov || format == naming::FormatMp4)
        && adapter->adp_KVR_func_api_Get_Object_DataSize(uint(handle), &size) != Utilities::Ternary_True) {
        emit objectAddErrorNotify();
        return;
    }
    // Every other format goes through the queue too and is reported as
    // dropped there, in order with the movies: the window counts each
    // announced object off.
    d->movies.push(uint(handle), format, size);
    d->queueJobs.post([d = d] { d->movies.doWork(); });
}

void ObjectCopy::startObjectReqTransfer(int handle, const QString &uuid)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter || d->stopped.load())
        return;
    d->currentHandle.store(uint(handle));
    const QString camera = uuid.isEmpty() ? adapter->camera_list_get_selected_camera_uuid() : uuid;
    // Past a close that gave up on this thread, nothing of this object is
    // touched: the saving state and the worker are held here.
    const std::shared_ptr<Private> keep = d;
    {
        std::lock_guard<std::mutex> g(keep->savingLock);
        keep->saving.emplace_back(camera, handle);
    }
    const auto saved = qScopeGuard([&keep, entry = std::make_pair(camera, handle)] {
        std::lock_guard<std::mutex> g(keep->savingLock);
        const auto it = std::find(keep->saving.begin(), keep->saving.end(), entry);
        if (it != keep->saving.end())
            keep->saving.erase(it);
    });
    uint associationType = 0;
    uint format = 0;
    quint64 size = 0;
    // A picture the camera cannot describe is lost like one that cannot be
    // written: the photographer hears of it.
    const auto unread = [&] {
        if (!keep->stopped.load())
            reportFailure(camera, QString(), QStringLiteral("the camera did not describe the picture"), TF_CameraRead);
    };
    if (adapter->adp_KVR_func_api_Get_Object_AssociatType(uint(handle), &associationType, camera)
            != Utilities::Ternary_True
        || adapter->adp_KVR_func_api_Get_Object_FormatType(uint(handle), &format, camera) != Utilities::Ternary_True)
        return unread();
    if (format != naming::FormatJpeg && format != naming::FormatRaw && format != naming::FormatHlg
        && format != naming::FormatHeif)
        return;
    if (adapter->adp_KVR_func_api_Get_Object_DataSize(uint(handle), &size, camera) != Utilities::Ternary_True)
        return unread();
    switch (format) {
    case naming::FormatJpeg:
        keep->stills.saveObject(uint(handle), format, size, associationType, camera);
        break;
    case naming::FormatRaw:
        keep->stills.saveRAW(uint(handle), format, size, associationType, camera);
        break;
    case naming::FormatHlg:
        keep->stills.saveHLG(uint(handle), format, size, associationType, camera);
        break;
    default:
        keep->stills.saveHEIF(uint(handle), format, size, associationType, camera);
        break;
    }
}

void ObjectCopy::startCut6K4KReady(int)
{
    d->readyJobs.post([d = d] { d->cutter.ready(); });
}

void ObjectCopy::startCut6K4KData(int)
{
    d->frameJobs.post([d = d] { d->cutter.frame(); });
}

void ObjectCopy::stop6K4K(int)
{
    const int state = d->cutState.load();
    if (state == CT6K4K_Confirm) {
        sendCancel();
        d->cutState.store(CT6K4K_Cancel);
        emit cut6K4KStateChanged(CT6K4K_Cancel);
    } else if (state == CT6K4K_Start) {
        emit interruptionCut6K4K();
        d->cutter.RequestInterruption();
        d->cutState.store(CT6K4K_Stop);
        emit cut6K4KStateChanged(CT6K4K_Stop);
    }
}

// ---- properties ----

uint ObjectCopy::movieHandle() const
{
    return d->movieHandle.load();
}
void ObjectCopy::setMovieHandle(uint handle)
{
    d->movieHandle.store(handle);
}
ulong ObjectCopy::objectAddDataSize() const
{
    return ulong(d->dataSize.load());
}
void ObjectCopy::setObjectAddDataSize(ulong size)
{
    d->dataSize.store(size);
}
ulong ObjectCopy::objectAddOffsetSize() const
{
    return ulong(d->offsetSize.load());
}
ObjectCopy::ObjectAddState ObjectCopy::objectAddState() const
{
    return ObjectAddState(d->addState.load());
}
int ObjectCopy::cut6K4KDataNum() const
{
    return d->cutNum.load();
}
void ObjectCopy::setCut6K4KDataNum(int count)
{
    d->cutNum.store(count);
}
int ObjectCopy::cut6K4KDataProgress() const
{
    return d->cutProgress.load();
}
ObjectCopy::Cut6K4KState ObjectCopy::cut6K4KState() const
{
    return Cut6K4KState(d->cutState.load());
}

void ObjectCopy::setObjectAddState(ObjectAddState state)
{
    d->addState.store(state);
    if (state == OAS_Movie_Stop) {
        emit interruptionObjectAdd();
        d->movies.RequestInterruption();
    } else if (state == OAS_Movie_Start) {
        const uint handle = d->movieHandle.load();
        d->saverJobs.post([d = d, handle] { d->movies.saveMovie(handle); });
    }
}

void ObjectCopy::setCut6K4KState(Cut6K4KState state)
{
    d->cutState.store(state);
    if (state == CT6K4K_Stop) {
        emit interruptionCut6K4K();
        d->cutter.RequestInterruption();
    } else if (state == CT6K4K_Cancel) {
        sendCancel();
    } else if (state == CT6K4K_Start) {
        d->startJobs.post([d = d] { d->cutter.start6K4K(); });
    }
}

QString ObjectCopy::cut6K4KDataDirPath() const
{
    QMutexLocker g(&d->frameLock);
    return d->frameDir;
}

void ObjectCopy::setCut6K4KDataDirPath(const QString &path)
{
    QMutexLocker g(&d->frameLock);
    d->frameDir = path;
}

QString ObjectCopy::cut6K4KDataBaseName() const
{
    QMutexLocker g(&d->frameLock);
    return d->frameBase;
}

void ObjectCopy::setCut6K4KDataBaseName(const QString &name)
{
    QMutexLocker g(&d->frameLock);
    d->frameBase = name;
}

int ObjectCopy::cut6K4KDataStartNum() const
{
    QMutexLocker g(&d->frameLock);
    return d->frameStart;
}

void ObjectCopy::setCut6K4KDataStartNum(int number)
{
    QMutexLocker g(&d->frameLock);
    d->frameStart = number;
}

// ---- slots the workers queue ----

void ObjectCopy::setObjectAddStateValue(int state)
{
    d->addState.store(state);
    emit objectAddStateChanged(ObjectAddState(state));
}

void ObjectCopy::setObjectAddOffsetSizeValue(ulong offset)
{
    d->offsetSize.store(offset);
    emit objectAddOffsetSizeChanged(offset);
}

void ObjectCopy::setCut6K4KStateValue(int state)
{
    d->cutState.store(state);
    emit cut6K4KStateChanged(Cut6K4KState(state));
}

void ObjectCopy::setCut6K4KDataProgressValue(int progress)
{
    d->cutProgress.store(progress);
    emit cut6K4KDataProgressChanged(progress);
}

void ObjectCopy::setCut6K4KDataProgressInc()
{
    d->cutProgress.fetch_add(1);
}

void ObjectCopy::offerMovieValue(uint handle, qulonglong size)
{
    d->movieHandle.store(handle);
    d->dataSize.store(size);
    setObjectAddStateValue(OAS_Movie_Confirm);
}

void ObjectCopy::resetCutting(int frameCount)
{
    d->cutProgress.store(0);
    d->cutNum.store(frameCount);
}

QString ObjectCopy::cameraName(const QString &uuid)
{
    QString camera;
    if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter()) {
        const QString id = uuid.isEmpty() ? adapter->camera_list_get_selected_camera_uuid() : uuid;
        camera = adapter->camera_list_get_camera_individual_id(id);
        if (camera.isEmpty())
            camera = adapter->camera_list_get_camera_modelName(id);
        if (camera.isEmpty())
            camera = id;
    }
    return camera;
}

QString ObjectCopy::logFailure(const QString &uuid, const QString &filePath, const QString &reason)
{
    const QString camera = cameraName(uuid);
    qWarning().noquote() << "transfer failed:" << camera
                         << (filePath.isEmpty() ? QStringLiteral("(no name)") : filePath) << reason;
    return camera;
}

void ObjectCopy::reportFailure(const QString &uuid, const QString &cameraFileName, const QString &reason,
                               TransferFailure cause)
{
    emit objectTransferFailed(cameraFileName, reason, logFailure(uuid, cameraFileName, reason), cause, true);
}

void ObjectCopy::reportFrameFailure(const QString &uuid, const QString &filePath, const QString &reason,
                                    TransferFailure cause)
{
    emit objectTransferFailed(filePath, reason, logFailure(uuid, filePath, reason), cause, false);
}

void ObjectCopy::publishSavedPath(const QString &filePath)
{
    if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter())
        adapter->setPcSavedFilePath(filePath);
}

// ---- the movie dialog and the copy list ----

QString ObjectCopy::objectAddDataSizeString() const
{
    return QString::number(d->dataSize.load() >> 20);
}

QString ObjectCopy::objectAddDataOffsetSizeString() const
{
    return QString::number(d->offsetSize.load() >> 20);
}

double ObjectCopy::objectAddDataSizeProgress() const
{
    const quint64 size = d->dataSize.load();
    return size == 0 ? 0.0 : double(d->offsetSize.load()) / double(size);
}

void ObjectCopy::clearObjectCopys()
{
    d->copyHandles.clear();
    d->copySizes.clear();
    d->copyIndex = 0;
}

void ObjectCopy::pushObjectCopys()
{
    d->copyHandles.append(d->movieHandle.load());
    d->copySizes.append(d->dataSize.load());
}

void ObjectCopy::beginCopying()
{
    d->copyIndex = 0;
}
void ObjectCopy::nextCopy()
{
    ++d->copyIndex;
}

void ObjectCopy::setObjectCopyToCurrent()
{
    if (d->copyIndex < 0 || d->copyIndex >= d->copyHandles.size())
        return;
    d->movieHandle.store(d->copyHandles.at(d->copyIndex));
    d->dataSize.store(d->copySizes.at(d->copyIndex));
}

int ObjectCopy::currentObjectCopyIndex() const
{
    return d->copyIndex;
}
int ObjectCopy::objectCopysCount() const
{
    return int(d->copyHandles.size());
}
bool ObjectCopy::isFinalObjectCopy() const
{
    return d->copyHandles.size() <= d->copyIndex;
}

QString ObjectCopy::currentObjectCopySizeString() const
{
    double sum = 0;
    for (int i = 0; i < d->copyIndex && i < d->copySizes.size(); ++i)
        sum += double(d->copySizes.at(i));
    return mebibytes(sum);
}

QString ObjectCopy::totalObjectCopysSizeString() const
{
    double sum = 0;
    for (quint64 size : d->copySizes)
        sum += double(size);
    return mebibytes(sum);
}

// ---- naming ----

bool ObjectCopy::makeFileName(uint format, QString &fileName, QString &folder, QString &filePath, int, int handle,
                              bool newNumber, QString uuid)
{
    NamedFile file;
    if (!nameObject(format, handle, newNumber, std::move(uuid), file))
        return false;
    fileName = file.fileName;
    folder = file.folder;
    filePath = file.filePath;
    return true;
}

void ObjectCopy::releaseFileName(const QString &filePath)
{
    FileNameReservations::release(filePath);
}

} // namespace kavrotether
