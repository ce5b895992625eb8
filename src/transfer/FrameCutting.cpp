#include "FrameCutting.h"

#include "FileNaming.h"
#include "ObjectCopy.h"
#include "ObjectNaming.h"
#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

#include <QMetaObject>

#include <cstring>

namespace kavrotether {

namespace {

constexpr quint32 kReadyEvent = 0x12800111;
constexpr quint32 kStartCutting = 0x30000B1;
constexpr quint32 kStopCutting = 0x30000B3;

Utilities::Ternary sendControl(DeviceAdapter *adapter, quint32 code)
{
    KVR_STRUCT_REC_CTRL ctrl;
    std::memset(&ctrl, 0, sizeof ctrl);
    ctrl.code = code;
    return adapter->adp_KVR_func_api_Rec_Ctrl_4K6K(&ctrl);
}

} // namespace

bool Cut6K4KWorkers::interrupted() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_interrupted;
}

void Cut6K4KWorkers::RequestInterruption()
{
    std::lock_guard<std::mutex> g(m_lock);
    if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter())
        sendControl(adapter, kStopCutting);
    m_interrupted = true;
}

void Cut6K4KWorkers::interruptQuietly()
{
    std::lock_guard<std::mutex> g(m_lock);
    m_interrupted = true;
    m_closed = true;
}

bool Cut6K4KWorkers::closed() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_closed;
}

void Cut6K4KWorkers::ready()
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    uint count = 0;
    if (!adapter || adapter->adp_KVR_func_api_GetEventTag(&count, kReadyEvent) != Utilities::Ternary_True)
        return;
    m_copy.resetCutting(int(count));
    QMetaObject::invokeMethod(&m_copy, "setCut6K4KDataProgressValue", Qt::QueuedConnection, Q_ARG(int, 0));
    QMetaObject::invokeMethod(&m_copy, "setCut6K4KStateValue", Qt::QueuedConnection,
                              Q_ARG(int, ObjectCopy::CT6K4K_Confirm));
}

void Cut6K4KWorkers::start6K4K()
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    if (!adapter || !settings)
        return;
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_interrupted = false;
    }
    const int count = m_copy.cut6K4KDataNum();
    QString uuid;
    QString label;
    const QString folder = cameraFolder(adapter, uuid, &label);
    if (folder.isEmpty()) {
        m_copy.reportFrameFailure(uuid, QString(), QStringLiteral("no folder for the cut frames"),
                                  ObjectCopy::TF_Folder);
        return;
    }
    const StoragePreferences preferences = storagePreferences(settings);
    naming::FrameBase base;
    int previousNumber = 0;
    {
        // The running number is taken under the naming lock like every
        // other, and used up before the camera is asked; a refusal gives it
        // back only when nobody took a later one meanwhile.
        std::lock_guard<std::mutex> g(FileNameReservations::lock());
        previousNumber = runningNumber::currentLocked(settings);
        base = naming::frameBaseName(preferences.prefix, label, preferences.cameraInName, previousNumber);
        const auto taken = [&](const QString &name) {
            return FileNameReservations::isTakenLocked(folder + QLatin1Char('/') + name);
        };
        const std::optional<int> start = naming::frameStartNumber(base.baseName, count, taken,
                                                                  [this] { return interrupted(); });
        if (!start)
            return;
        m_copy.setCut6K4KDataDirPath(folder);
        m_copy.setCut6K4KDataBaseName(base.baseName);
        m_copy.setCut6K4KDataStartNum(*start);
        runningNumber::setLocked(base.storeFileNumber);
    }
    if (sendControl(adapter, kStartCutting) != Utilities::Ternary_True) {
        std::lock_guard<std::mutex> g(FileNameReservations::lock());
        if (runningNumber::currentLocked(settings) == base.storeFileNumber)
            runningNumber::setLocked(previousNumber);
    }
    runningNumber::persist(settings);
}

void Cut6K4KWorkers::frame()
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return;
    if (!m_frameBuffer)
        m_frameBuffer.reset(new uchar[ObjectCopy::kFrameBufferSize]);
    uint size = ObjectCopy::kFrameBufferSize;
    if (adapter->adp_KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(m_frameBuffer.get(), &size)
            != Utilities::Ternary_True
        || closed())
        return;
    const QString folder = m_copy.cut6K4KDataDirPath();
    const QString baseName = m_copy.cut6K4KDataBaseName();
    if (size > ObjectCopy::kFrameBufferSize) {
        m_copy.reportFrameFailure(QString(), folder, QStringLiteral("a cut frame larger than its buffer was refused"),
                                  ObjectCopy::TF_CameraRead);
        return;
    }
    if (folder.isEmpty() || baseName.isEmpty())
        return;
    int number = m_copy.cut6K4KDataStartNum();
    const auto nextFree = [&] {
        while (FileNameReservations::isTakenLocked(folder + QLatin1Char('/') + naming::frameFileName(baseName, number)))
            ++number;
        return folder + QLatin1Char('/') + naming::frameFileName(baseName, number);
    };
    QString path;
    {
        std::lock_guard<std::mutex> g(FileNameReservations::lock());
        path = nextFree();
        FileNameReservations::reserveLocked(path);
    }
    SafeFileWriter writer(path);
    if (!writer.open() || !writer.write(m_frameBuffer.get(), size) || !writer.commit(nextFree)) {
        writer.abort();
        m_copy.reportFrameFailure(QString(), path, writer.errorString(), ObjectCopy::TF_Write);
        return;
    }
    m_copy.setCut6K4KDataProgressInc();
}

} // namespace kavrotether
