#include "ObjectStream.h"

#include "ObjectCopy.h"
#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace kavrotether {

StreamOutcome streamObject(const ObjectSource &source, SafeFileWriter &writer, const std::function<bool()> &interrupted,
                           const std::function<bool(quint64 offset)> &afterChunk)
{
    const quint64 bufferSize = std::min<quint64>(source.size, ObjectCopy::kChunkSize);
    std::unique_ptr<uchar[]> buffer(bufferSize ? new uchar[bufferSize] : nullptr);
    quint64 offset = 0;
    while (offset < source.size) {
        if (interrupted && interrupted())
            return StreamOutcome::Interrupted;
        const auto length = quint32(std::min<quint64>(ObjectCopy::kChunkSize, source.size - offset));
        const bool wide = source.wideOffsets || offset + length > std::numeric_limits<quint32>::max();
        const Utilities::Ternary read = wide ? source.adapter->adp_KVR_func_api_Get_Partial_ObjectEx(
                                            source.handle, buffer.get(), offset, length, source.uuid)
                                             : source.adapter->adp_KVR_func_api_Get_Partial_Object(
                                                 source.handle, buffer.get(), quint32(offset), length, source.uuid);
        if (read != Utilities::Ternary_True)
            return StreamOutcome::ReadFailed;
        if (!writer.write(buffer.get(), length))
            return StreamOutcome::WriteFailed;
        offset += length;
        if (afterChunk && !afterChunk(offset))
            return StreamOutcome::Interrupted;
    }
    return StreamOutcome::Done;
}

} // namespace kavrotether
