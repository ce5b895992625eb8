#pragma once

#include <QString>

#include <functional>

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

// Streams an object from its camera into the writer in chunks of at most
// ObjectCopy::kChunkSize through one buffer no larger than a chunk,
// whatever size the camera claims. interrupted() is asked before each chunk;
// afterChunk(offset) after each, and false ends the copy as interrupted.
StreamOutcome streamObject(const ObjectSource &source, SafeFileWriter &writer, const std::function<bool()> &interrupted,
                           const std::function<bool(quint64 offset)> &afterChunk = {});

} // namespace kavrotether
