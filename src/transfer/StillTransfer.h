#pragma once

#include <QString>

#include <mutex>

namespace kavrotether {

class ObjectCopy;

// Saves the stills a camera asks the computer to take, on the calling
// (camera-event) thread: JPEG, RAW, HLG and HEIF, the files of one shot
// sharing one number, the file the preview should show published.
class ObjectReqTransfer
{
public:
    explicit ObjectReqTransfer(ObjectCopy &copy) : m_copy(copy) {}

    void saveObject(uint handle, uint format, quint64 size, uint associationType, const QString &uuid);
    void saveRAW(uint handle, uint format, quint64 size, uint associationType, const QString &uuid);
    void saveHLG(uint handle, uint format, quint64 size, uint associationType, const QString &uuid);
    void saveHEIF(uint handle, uint format, quint64 size, uint associationType, const QString &uuid);
    // For good: the program closes. A save that comes back from the camera
    // afterwards gives its file up and touches nothing but itself.
    void RequestInterruption();

private:
    enum class Kind { Raw, Hlg, Heif };
    void saveChunked(Kind kind, uint handle, uint format, quint64 size, uint associationType, const QString &uuid);
    bool takesNewNumber(uint format, uint desc, bool rawOnly, const QString &uuid);
    bool interrupted() const;

    ObjectCopy &m_copy;
    mutable std::mutex m_lock;
    bool m_interrupted = false;
};

} // namespace kavrotether
