#pragma once

#include <QtGlobal>

#include <memory>
#include <mutex>

namespace kavrotether {

class ObjectCopy;

// Cutting frames from a 6K/4K burst: reading the frame count and asking the
// user (ready), preparing folder and names and telling the camera to start
// (start), and storing each frame the camera sends (frame). Each runs on its
// own thread; the frame buffer is held for the whole run of the program.
class Cut6K4KWorkers
{
public:
    explicit Cut6K4KWorkers(ObjectCopy &copy) : m_copy(copy) {}

    void ready();
    void start6K4K();
    void frame();
    // Tells the camera to stop cutting and ends a start-number search.
    void RequestInterruption();
    // At shutdown: only the flag, nothing is sent; a frame read that comes
    // back afterwards is dropped without touching anything else.
    void interruptQuietly();

private:
    bool interrupted() const;
    bool closed() const;

    ObjectCopy &m_copy;
    mutable std::mutex m_lock;
    bool m_interrupted = false;
    bool m_closed = false;
    std::unique_ptr<uchar[]> m_frameBuffer;
};

} // namespace kavrotether
