#include "ObjectStream.h"

#include "ObjectCopy.h"
#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace kavrotether {

uchar *ChunkBuffer::reserve(quint64 size)
{
    const quint64 wanted = std::min<quint64>(size, ObjectCopy::kChunkSize);
    if (wanted > m_size) {
        m_data.reset();
        m_data.reset(new uchar[wanted]);
        m_size = wanted;
    }
    return m_data.get();
}

StreamOutcome streamObject(const ObjectSource &source, SafeFileWriter &writer, ChunkBuffer &chunkBuffer,
                           const std::function<bool()> &interrupted,
                           const std::function<bool(quint64 offset)> &afterChunk)
{
    uchar *buffer = chunkBuffer.reserve(source.size);
    quint64 offset = 0;
    while (offset < source.size) {
        if (interrupted && interrupted())
            return StreamOutcome::Interrupted;
        const auto length = quint32(std::min<quint64>(ObjectCopy::kChunkSize, source.size - offset));
        const bool wide = source.wideOffsets || offset + length > std::numeric_limits<quint32>::max();
        const Utilities::Ternary read = wide ? source.adapter->adp_KVR_func_api_Get_Partial_ObjectEx(
                                            source.handle, buffer, offset, length, source.uuid)
                                             : source.adapter->adp_KVR_func_api_Get_Partial_Object(
                                                 source.handle, buffer, quint32(offset), length, source.uuid);
        // A chunk that comes back after the close or a stop is the last:
        // nothing of it is written, so nothing is published.
        if (interrupted && interrupted())
            return StreamOutcome::Interrupted;
        if (read != Utilities::Ternary_True)
            return StreamOutcome::ReadFailed;
        if (!writer.write(buffer, length))
            return StreamOutcome::WriteFailed;
        offset += length;
        if (afterChunk && !afterChunk(offset))
            return StreamOutcome::Interrupted;
    }
    return StreamOutcome::Done;
}

} // namespace kavrotether
