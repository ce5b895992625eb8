#include "MovieTransfer.h"

#include "ObjectCopy.h"
#include "ObjectNaming.h"
#include "ObjectStream.h"
#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"

#include <QMetaObject>

namespace kavrotether {

void ObjectAdd::push(quint32 handle, quint32 format, quint64 size)
{
    std::lock_guard<std::mutex> g(m_lock);
    m_items.push_back({handle, format, size});
}

bool ObjectAdd::popData(quint32 &handle, quint32 &format, quint64 &size)
{
    std::lock_guard<std::mutex> g(m_lock);
    if (m_items.empty())
        return false;
    const Item item = m_items.front();
    m_items.pop_front();
    handle = item.handle;
    format = item.format;
    size = item.size;
    return true;
}

void ObjectAdd::RequestInterruption()
{
    std::lock_guard<std::mutex> g(m_lock);
    m_interrupted = true;
}

bool ObjectAdd::interrupted() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_interrupted;
}

void ObjectAdd::doWork()
{
    quint32 handle = 0;
    quint32 format = 0;
    quint64 size = 0;
    if (!popData(handle, format, size))
        return;
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    const int target = adapter ? adapter->fileTarget() : Utilities::FLTG_Unknown;
    const bool movie = format == naming::FormatMov || format == naming::FormatMp4;
    if (movie && (target == Utilities::FLTG_PcAndCamera || target == Utilities::FLTG_PcOnly)) {
        // Handle and size travel with the offer: a second movie announced
        // before the window took the first cannot overwrite them.
        QMetaObject::invokeMethod(&m_copy, "offerMovieValue", Qt::QueuedConnection, Q_ARG(uint, handle),
                                  Q_ARG(qulonglong, size));
        return;
    }
    QMetaObject::invokeMethod(&m_copy, "objectAddDroppedNotify", Qt::QueuedConnection, Q_ARG(uint, handle));
}

void ObjectAdd::saveMovie(quint32 handle)
{
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_interrupted = false;
    }
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    const auto failed = [this](const QString &path, const QString &reason) {
        m_copy.logFailure(QString(), path, reason);
        QMetaObject::invokeMethod(&m_copy, "setObjectAddStateValue", Qt::QueuedConnection,
                                  Q_ARG(int, ObjectCopy::OAS_Movie_Failed));
    };
    uint format = 0;
    quint64 size = 0;
    if (!adapter || adapter->adp_KVR_func_api_Get_Object_FormatType(handle, &format) != Utilities::Ternary_True) {
        failed(QString(), QStringLiteral("the camera did not tell the movie's format"));
        return;
    }
    runningNumber::PersistAtEnd persist;
    NamedFile file;
    if (!nameObject(format, int(handle), false, QString(), file, false)) {
        failed(QString(), QStringLiteral("no folder or name for a movie"));
        return;
    }
    SafeFileWriter writer(file.filePath);
    if (adapter->adp_KVR_func_api_Get_Object_DataSize(handle, &size) != Utilities::Ternary_True) {
        failed(file.filePath, QStringLiteral("the camera did not tell the movie's size"));
        return;
    }
    if (!writer.open()) {
        failed(file.filePath, writer.errorString());
        return;
    }
    const QString uuid = adapter->camera_list_get_selected_camera_uuid();
    ChunkBuffer buffer;
    const StreamOutcome outcome = streamObject(
        {adapter, uuid, handle, size, true}, writer, buffer, [this] { return interrupted(); },
        [this, size](quint64 offset) {
            // The window's stop, or the close, may come while a chunk is
            // read: that chunk is the last, and the partial file goes.
            if (interrupted() || m_copy.objectAddState() == ObjectCopy::OAS_Movie_Stop)
                return false;
            // The end is reported once the file is in place.
            if (offset < size)
                QMetaObject::invokeMethod(&m_copy, "setObjectAddOffsetSizeValue", Qt::QueuedConnection,
                                          Q_ARG(ulong, ulong(offset)));
            return true;
        });
    if (outcome == StreamOutcome::Interrupted) {
        writer.abort();
        return;
    }
    if (outcome != StreamOutcome::Done || !commitNamed(writer, file)) {
        writer.abort();
        failed(file.filePath, outcome == StreamOutcome::ReadFailed
                                  ? QStringLiteral("the camera did not deliver the movie")
                                  : writer.errorString());
        return;
    }
    QMetaObject::invokeMethod(&m_copy, "setObjectAddOffsetSizeValue", Qt::QueuedConnection, Q_ARG(ulong, ulong(size)));
}

} // namespace kavrotether
