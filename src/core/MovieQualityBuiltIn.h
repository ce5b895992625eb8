#pragma once

#include "Utilities.h"

#include <cstddef>

namespace kavrotether::moviequality {

// One entry of a built-in movie-quality list, laid out like the camera's.
struct BuiltInEntry
{
    quint16 qualityId;
    quint16 pixelFormat;      // a MoviePixel value
    quint32 frameRate;        // bit 31 progressive, low 28 bits 1/100 fps
    quint16 compression;      // bit groups, see Utilities::movieCompressionMethodToStr
    quint16 bitRate;          // Mbit/s
    quint32 nominalFrameRate; // same encoding, 0xFFFFFFFF for none
};
constexpr quint16 ListEnd = 0xFFFF;

// Fills an SDK movie-quality record (laid out as Utilities::MovieQualityRecordHeader
// and MovieQualityRecordEntrySize say) from the built-in list of the frequency;
// see Utilities::GetMovieQualityBuiltInData.
void fillBuiltInRecord(void *record, std::size_t recordSize, Utilities::SystemFrequency frequency, bool exactRates);

} // namespace kavrotether::moviequality
