#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace kavrotether {

class DeviceAdapter;
class SafeFileWriter;

enum class StreamOutcome { Done, Interrupted, ReadFailed, WriteFailed };

struct ObjectSource
{
    DeviceAdapter *adapter = nullptr;
    QString uuid;
    quint32 handle = 0;
    quint64 size = 0;
    // Movies always ask with 64-bit offsets; stills only past 4 GiB.
    bool wideOffsets = false;
};

// The buffer of one copy: at most one chunk, whatever size a camera
// claims.
class ChunkBuffer
{
public:
    // Room for min(size, chunk) bytes.
    uchar *reserve(quint64 size);

private:
    std::unique_ptr<uchar[]> m_data;
    quint64 m_size = 0;
};

// Streams an object from its camera into the writer in chunks of at most
// ObjectCopy::kChunkSize through the buffer. interrupted() is asked before
// each chunk is read and again once it is back; afterChunk(offset) after
// each, and false ends the copy as interrupted.
StreamOutcome streamObject(const ObjectSource &source, SafeFileWriter &writer, ChunkBuffer &buffer,
                           const std::function<bool()> &interrupted,
                           const std::function<bool(quint64 offset)> &afterChunk = {});

} // namespace kavrotether
