#include "ExifReader.h"

#include "ByteReader.h"

#include <cstring>

namespace kavrotether {

namespace {

constexpr uint16_t kOrientationTag = 274;

uint16_t bigWord(const unsigned char *p)
{
    return uint16_t((p[0] << 8) | p[1]);
}

} // namespace

int64_t ExifHeadReader::OpenExif(unsigned char *data, unsigned int size)
{
    if (!data || size < 6)
        return -3;
    m_info.orientation = 0;
    if (bigWord(data) != 0xFFD8 || bigWord(data + 2) != 0xFFE1)
        return -1;
    const unsigned int segmentLength = bigWord(data + 4);
    if (segmentLength > size - 4)
        return -1;
    // Everything read below lies inside the APP1 segment: its length word,
    // the six identifier bytes and at least a TIFF header.
    if (segmentLength < 2 + 6 + 8 || std::memcmp(data + 6, "Exif\0\0", 6) != 0)
        return -1;
    unsigned char *base = data + 12;
    const uint64_t tiffSize = segmentLength - 8;
    const auto inside = [tiffSize](uint64_t offset, uint64_t length) {
        return offset <= tiffSize && length <= tiffSize - offset;
    };

    ByteReaderIntel intel;
    ByteReaderMotorola motorola;
    ByteReader *reader = nullptr;
    if (bigWord(base) == 0x4949)
        reader = &intel;
    else if (bigWord(base) == 0x4D4D)
        reader = &motorola;
    else
        return -1;
    if (reader->ReadWORD(base + 2) != 42)
        return -1;

    const uint64_t ifd = reader->ReadDWORD(base + 4);
    if (!inside(ifd, 2))
        return -1;
    const unsigned int entries = reader->ReadWORD(base + ifd);
    if (entries == 0)
        return 0;
    if (!inside(ifd + 2, 12ull * entries))
        return -1;
    for (unsigned int i = 0; i < entries; ++i) {
        unsigned char *entry = base + ifd + 2 + 12ull * i;
        const uint16_t tag = reader->ReadWORD(entry);
        const int elementSize = tiffTypeSize(reader->ReadWORD(entry + 2));
        // An entry of a type this reader does not know cannot be read, but
        // tells nothing about the others.
        if (tag != kOrientationTag || elementSize < 0)
            continue;
        const uint64_t length = uint64_t(reader->ReadDWORD(entry + 4)) * unsigned(elementSize);
        const uint64_t place = length > 4 ? reader->ReadDWORD(entry + 8) : uint64_t(entry + 8 - base);
        if (!inside(place, 2))
            return -1;
        m_info.orientation = reader->ReadWORD(base + place);
    }
    return 0;
}

int64_t ExifHeadReader::GetExifInfo(ExifInfo *info) const
{
    if (info)
        *info = m_info;
    return 0;
}

ExifReader::~ExifReader()
{
    CloseFile();
}

int64_t ExifReader::OpenFile(const QString &path)
{
    if (!m_file.open(path, 0))
        return -2;
    // The EXIF block sits at the start: a size cut to 32 bits still covers it.
    const unsigned int parsed = m_file.size() > 0xFFFFFFFFull ? 0xFFFFFFFFu : unsigned(m_file.size());
    const int64_t result = m_head.OpenExif(m_file.data(), parsed);
    if (result < 0)
        return result;
    m_head.GetExifInfo(&m_info);
    return 0;
}

int64_t ExifReader::GetExifInfo(ExifInfo *info) const
{
    if (info)
        *info = m_info;
    return 0;
}

int64_t ExifReader::CloseFile()
{
    m_file.close();
    return 0;
}

} // namespace kavrotether
