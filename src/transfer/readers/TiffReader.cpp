#include "TiffReader.h"

#include "ByteReader.h"

#include <cstring>
#include <unordered_set>

namespace kavrotether {

namespace {

enum : uint16_t {
    TypeShort = 3,
    TypeLong = 4,
    TypeUndefined = 7,
    TagRawThumbnail1 = 46,
    TagRawThumbnail2 = 295,
    TagCompression = 259,
    TagOrientation = 274,
    TagJpegOffset = 513,
    TagJpegLength = 514,
};

constexpr uint16_t kHlgCompression = 0xC7E8;
constexpr unsigned int kMaxIfds = 64;

template<typename T>
T element(uint64_t value, unsigned int i)
{
    T elements[sizeof(value) / sizeof(T)];
    std::memcpy(elements, &value, sizeof(value));
    return i < sizeof(value) / sizeof(T) ? elements[i] : T(0);
}

} // namespace

uint16_t _IFDEntry::shortAt(unsigned int i) const
{
    return element<uint16_t>(value, i);
}

uint32_t _IFDEntry::longAt(unsigned int i) const
{
    return element<uint32_t>(value, i);
}

long IFDList::Search(long ifdIndex, unsigned short tag, std::vector<_IFDEntry> *out) const
{
    if (!out)
        return -3;
    long found = 0;
    for (size_t i = 0; i < ifds.size(); ++i) {
        if (ifdIndex >= 0 && size_t(ifdIndex) != i)
            continue;
        for (const _IFDEntry &entry : ifds[i].entries) {
            if (entry.tag == tag) {
                out->push_back(entry);
                ++found;
                break;
            }
        }
    }
    return found;
}

int64_t TiffHeadReader::Open(unsigned char *data, unsigned int size)
{
    m_list.ifds.clear();
    m_magic = 0;
    if (!data || size < 8)
        return -3;
    m_size = size;
    ByteReaderIntel intel;
    ByteReaderMotorola motorola;
    ByteReader *reader = nullptr;
    const uint16_t order = uint16_t((data[0] << 8) | data[1]);
    if (order == 0x4949)
        reader = &intel;
    else if (order == 0x4D4D)
        reader = &motorola;
    else
        return -3;
    m_magic = reader->ReadWORD(data + 2);
    if (m_magic != 0x55 && m_magic != 42)
        return -3;

    // The walk ends at the first link it cannot follow: one outside the
    // data, one to an IFD that does not fit, one back to an IFD already read
    // (it would never end) or one past the handful of IFDs a camera writes
    // (a long chain of tiny ones would cost memory). The IFDs read before it
    // stay: a RAW file keeps its previews in IFD0, whatever follows.
    std::unordered_set<uint32_t> visited;
    uint32_t offset = reader->ReadDWORD(data + 4);
    for (unsigned int index = 0; offset != 0; ++index) {
        if (index >= kMaxIfds || !visited.insert(offset).second || offset >= size)
            break;
        _IFD ifd;
        if (ReadTiffIFD(data, data + offset, index, reader, &ifd) != 0)
            break;
        offset = ifd.nextOffset;
        m_list.ifds.push_back(std::move(ifd));
    }
    return offset != 0 && m_list.ifds.empty() ? -1 : 0;
}

int64_t TiffHeadReader::ReadTiffIFD(unsigned char *base, unsigned char *place, unsigned int index, ByteReader *reader,
                                    _IFD *out)
{
    if (!base || !place || !reader || !out || place < base)
        return -3;
    const uint64_t size = m_size;
    const auto inside = [size](uint64_t offset, uint64_t length) { return offset <= size && length <= size - offset; };
    const uint64_t at = uint64_t(place - base);
    if (!inside(at, 2))
        return -1;
    out->entryCount = reader->ReadWORD(place);
    if (!inside(at + 2, 12ull * out->entryCount + 4))
        return -1;
    out->entries.clear();
    out->entries.reserve(out->entryCount);
    for (unsigned int i = 0; i < out->entryCount; ++i) {
        unsigned char *field = place + 2 + 12ull * i;
        _IFDEntry entry;
        entry.ifdIndex = index;
        entry.tag = reader->ReadWORD(field);
        entry.type = reader->ReadWORD(field + 2);
        entry.count = reader->ReadDWORD(field + 4);
        // A type this reader does not know gives no size to check the value
        // by: the entry is left out, the others are read.
        const int elementSize = tiffTypeSize(entry.type);
        if (elementSize < 0)
            continue;
        const uint64_t length = uint64_t(entry.count) * unsigned(elementSize);
        if (length <= 4) {
            entry.value = uint64_t(uintptr_t(field + 8));
            ConvToIntelFormat(&entry, reader);
        } else {
            const uint64_t valueOffset = reader->ReadDWORD(field + 8);
            if (!inside(valueOffset, length))
                return -1;
            entry.value = uint64_t(uintptr_t(base + valueOffset));
        }
        out->entries.push_back(entry);
    }
    out->nextOffset = reader->ReadDWORD(place + 2 + 12ull * out->entryCount);
    return 0;
}

void TiffHeadReader::ConvToIntelFormat(_IFDEntry *entry, ByteReader *reader)
{
    if (!entry || !reader || entry->count == 0)
        return;
    unsigned char *from = entry->pointer();
    uint64_t converted = 0;
    const auto store = [&](const void *elements, size_t bytes) {
        // Only what the 64-bit value holds is converted; longer values stay
        // pointers into the data.
        if (bytes > sizeof(converted))
            return;
        std::memcpy(&converted, elements, bytes);
        entry->value = converted;
    };
    switch (entry->type) {
    case 3:
    case 8: {
        uint16_t words[4] = {};
        if (entry->count > 4)
            return;
        for (uint32_t i = 0; i < entry->count; ++i)
            words[i] = reader->ReadWORD(from + 2 * i);
        store(words, 2 * entry->count);
        break;
    }
    case 4:
    case 9:
    case 11: {
        uint32_t dwords[2] = {};
        if (entry->count > 2)
            return;
        for (uint32_t i = 0; i < entry->count; ++i)
            dwords[i] = reader->ReadDWORD(from + 4 * i);
        store(dwords, 4 * entry->count);
        break;
    }
    case 5:
    case 10:
    case 12: {
        if (entry->count > 1)
            return;
        const uint64_t pair = (uint64_t(reader->ReadDWORD(from)) << 32) | reader->ReadDWORD(from + 4);
        store(&pair, sizeof(pair));
        break;
    }
    default:
        break;
    }
}

TiffReader::~TiffReader()
{
    CloseFile();
}

int64_t TiffReader::OpenFile(const QString &path)
{
    CloseFile();
    if (!m_file.open(path, 1))
        return -2;
    m_data = m_file.data();
    m_fileSize = m_file.size();
    return parse();
}

int64_t TiffReader::OpenMemory(unsigned char *data, uint64_t size)
{
    CloseFile();
    if (!data)
        return -3;
    m_data = data;
    m_fileSize = size;
    return parse();
}

int64_t TiffReader::parse()
{
    // A file beyond 4 GiB is read only as far as 32-bit offsets reach.
    const unsigned int size = m_fileSize > 0xFFFFFFFFull ? 0xFFFFFFFFu : unsigned(m_fileSize);
    const int64_t result = m_head.Open(m_data, size);
    if (result != 0)
        CloseFile();
    return result;
}

uint32_t TiffReader::GuessFileType()
{
    if (!m_data)
        return Unknown;
    if (m_head.magic() == 0x55)
        return Raw;
    if (m_head.magic() != 42)
        return Unknown;
    std::vector<_IFDEntry> found;
    if (m_head.ifdList().Search(0, TagCompression, &found) > 0 && found[0].type == TypeShort && found[0].count >= 1
        && found[0].shortAt(0) == kHlgCompression)
        return HlgStill;
    return Unknown;
}

int64_t TiffReader::GetLargeThumbnail(unsigned char **data, unsigned int *length, unsigned short *orientation)
{
    if (m_kind == Unknown)
        m_kind = GuessFileType();
    if (m_kind == Raw)
        return GetLargeThumbnailFromRAW(data, length, orientation);
    if (m_kind == HlgStill)
        return GetLargeThumbnailFromHLG(data, length, orientation);
    return -1;
}

int64_t TiffReader::GetLargeThumbnailFromRAW(unsigned char **data, unsigned int *length, unsigned short *orientation)
{
    if (!data || !length || !orientation)
        return -3;
    // The larger preview is preferred; an empty one falls back to the first.
    if (undefinedEntry(TagRawThumbnail2, data, length) != 0 || *length == 0) {
        if (undefinedEntry(TagRawThumbnail1, data, length) != 0)
            return -1;
    }
    *orientation = orientationOf(0);
    return 0;
}

int64_t TiffReader::GetLargeThumbnailFromHLG(unsigned char **data, unsigned int *length, unsigned short *orientation)
{
    if (!data || !length || !orientation)
        return -3;
    const auto longValue = [this](uint16_t tag, uint32_t *out) {
        std::vector<_IFDEntry> found;
        if (m_head.ifdList().Search(2, tag, &found) <= 0 || found[0].type != TypeLong || found[0].count != 1)
            return false;
        *out = found[0].longAt(0);
        return true;
    };
    uint32_t offset = 0;
    uint32_t size = 0;
    if (!longValue(TagJpegOffset, &offset) || !longValue(TagJpegLength, &size))
        return -1;
    if (!m_data || offset > m_fileSize || size > m_fileSize - offset)
        return -1;
    *data = m_data + offset;
    *length = size;
    *orientation = orientationOf(2);
    return 0;
}

int64_t TiffReader::GetThumbnail1FromRAW(unsigned char **data, unsigned int *length)
{
    if (!data || !length)
        return -3;
    return undefinedEntry(TagRawThumbnail1, data, length);
}

int64_t TiffReader::GetThumbnail2FromRAW(unsigned char **data, unsigned int *length)
{
    if (!data || !length)
        return -3;
    return undefinedEntry(TagRawThumbnail2, data, length);
}

int64_t TiffReader::undefinedEntry(uint16_t tag, unsigned char **data, unsigned int *length) const
{
    std::vector<_IFDEntry> found;
    if (m_head.ifdList().Search(0, tag, &found) <= 0 || found[0].type != TypeUndefined)
        return -1;
    // Opening checked that these bytes lie inside the data.
    *data = found[0].pointer();
    *length = found[0].count;
    return 0;
}

uint16_t TiffReader::orientationOf(long ifdIndex) const
{
    std::vector<_IFDEntry> found;
    if (m_head.ifdList().Search(ifdIndex, TagOrientation, &found) <= 0 || found[0].type != TypeShort
        || found[0].count < 1)
        return 1;
    return found[0].shortAt(0);
}

int64_t TiffReader::CloseFile()
{
    m_file.close();
    m_data = nullptr;
    m_fileSize = 0;
    m_head.Close();
    m_kind = Unknown;
    return 0;
}

} // namespace kavrotether
