#include "MovieQualityBuiltIn.h"

#include <cstring>

namespace kavrotether::moviequality {

namespace {

#include "MovieQualityBuiltInLists.inc"

static_assert(sizeof(BuiltInEntry) == 16);
static_assert(offsetof(BuiltInEntry, qualityId) == 0);
static_assert(offsetof(BuiltInEntry, pixelFormat) == 2);
static_assert(offsetof(BuiltInEntry, frameRate) == 4);
static_assert(offsetof(BuiltInEntry, compression) == 8);
static_assert(offsetof(BuiltInEntry, bitRate) == 10);
static_assert(offsetof(BuiltInEntry, nominalFrameRate) == 12);

// Offsets inside one entry of the SDK's movie-quality record.
constexpr std::size_t EntryQualityId = 2;
constexpr std::size_t EntryFrameRate = 4;
constexpr std::size_t EntryPixelFormat = 8;
constexpr std::size_t EntryCompression = 10;
constexpr std::size_t EntryBitRate = 12;
constexpr quint32 NoNominalRate = 0xFFFFFFFFu;

template<typename T>
void put(uchar *record, std::size_t offset, T value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

const BuiltInEntry *builtInList(Utilities::SystemFrequency frequency)
{
    switch (frequency) {
    case Utilities::SFQ_NTSC:
        return movieQualityNtsc;
    case Utilities::SFQ_PAL:
        return movieQualityPal;
    case Utilities::SFQ_CINEMA:
        return movieQualityCinema;
    default:
        return nullptr;
    }
}

} // namespace

void fillBuiltInRecord(void *record, std::size_t recordSize, Utilities::SystemFrequency frequency, bool exactRates)
{
    constexpr std::size_t countSize = sizeof(quint16);
    if (!record || recordSize < countSize)
        return;
    auto *bytes = static_cast<uchar *>(record);
    constexpr std::size_t header = Utilities::MovieQualityRecordHeader;
    constexpr std::size_t entrySize = Utilities::MovieQualityRecordEntrySize;
    const std::size_t capacity = recordSize < header + 2 ? 0 : (recordSize - header - 2) / entrySize;

    quint16 count = 0;
    if (const BuiltInEntry *list = builtInList(frequency)) {
        for (; list[count].qualityId != ListEnd && count < capacity; ++count) {
            const BuiltInEntry &entry = list[count];
            const std::size_t at = header + entrySize * count;
            const quint32 rate = exactRates || entry.nominalFrameRate == NoNominalRate ? entry.frameRate
                                                                                       : entry.nominalFrameRate;
            put(bytes, at + EntryQualityId, entry.qualityId);
            put(bytes, at + EntryFrameRate, rate);
            put(bytes, at + EntryPixelFormat, entry.pixelFormat);
            put(bytes, at + EntryCompression, entry.compression);
            put(bytes, at + EntryBitRate, entry.bitRate);
        }
    }
    put(bytes, 0, count);
}

} // namespace kavrotether::moviequality
