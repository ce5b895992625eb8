#pragma once

#include <QtGlobal>

#include <deque>
#include <mutex>

namespace kavrotether {

class ObjectCopy;

// The movie side of the transfer: a queue of announced objects that decides
// which movies to offer (queue thread), and the saver that streams one movie
// the user accepted to disk (saver thread).
class ObjectAdd
{
public:
    explicit ObjectAdd(ObjectCopy &copy) : m_copy(copy) {}

    void push(quint32 handle, quint32 format, quint64 size);
    bool popData(quint32 &handle, quint32 &format, quint64 &size);
    // One queued object per call.
    void doWork();
    void saveMovie(quint32 handle);
    void RequestInterruption();

private:
    struct Item
    {
        quint32 handle;
        quint32 format;
        quint64 size;
    };
    bool interrupted() const;

    ObjectCopy &m_copy;
    mutable std::mutex m_lock;
    std::deque<Item> m_items;
    bool m_interrupted = false;
};

} // namespace kavrotether
