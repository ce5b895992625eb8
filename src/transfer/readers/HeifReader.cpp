#include "HeifReader.h"

#include "ByteReader.h"
#include "core/CheckedFiles.h"

#include <algorithm>
#include <cstring>

namespace kavrotether {

namespace {

constexpr unsigned long long kMinimumFileSize = 32;
constexpr unsigned long long kExifWindow = 0x9000;

constexpr uint32_t fourCc(const char (&text)[5])
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) | (uint32_t(uint8_t(text[2])) << 8)
           | uint32_t(uint8_t(text[3]));
}

uint32_t bigDword(const unsigned char *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// Moves the cursor forward to `offset` (counted from the range's start); an
// offset behind the cursor or beyond the range cannot be reached.
bool skipTo(ByteReader2 &reader, uint64_t offset)
{
    if (offset < reader.GetReadSize() || offset - reader.GetReadSize() > 0xFFFFFFFFull)
        return false;
    const auto gap = unsigned(offset - reader.GetReadSize());
    return gap == 0 || reader.Read(gap) != nullptr;
}

} // namespace

CHeifReader::~CHeifReader()
{
    Close();
}

bool CHeifReader::Open(const QString &path)
{
    if (IsOpened())
        return false;
    if (!m_file.open(path, qint64(kMinimumFileSize)))
        return false;
    m_data = m_file.data();
    m_fileSize = m_file.size();
    return openData();
}

bool CHeifReader::OpenMemory(unsigned char *data, unsigned long long size)
{
    if (IsOpened() || !data || size < kMinimumFileSize)
        return false;
    m_data = data;
    m_fileSize = size;
    return openData();
}

bool CHeifReader::openData()
{
    m_walkLimit = m_fileSize;
    m_first = Preview();
    m_second = Preview();
    unsigned long long pos = 0;
    if (AnalyzeHeif(pos))
        return true;
    Close();
    return false;
}

void CHeifReader::Close()
{
    m_file.close();
    m_data = nullptr;
    m_fileSize = 0;
}

bool CHeifReader::AnalyzeHeif(unsigned long long &pos)
{
    while (pos < m_walkLimit && pos <= m_fileSize && m_fileSize - pos >= 8) {
        const uint64_t size = bigDword(m_data + pos);
        const uint32_t type = bigDword(m_data + pos + 4);
        if (type == fourCc("mdat")) {
            unsigned long long payload = pos + 8;
            if (size == 1) {
                if (m_fileSize - pos < 16)
                    return false;
                payload = pos + 16;
            }
            pos = payload;
            return AnalyzeExif(pos);
        }
        // A box of size 0 (to the end) or below its own header would stall
        // the walk; outside the media data it ends it.
        if (size < 8 || size > m_fileSize - pos)
            return false;
        if (type == fourCc("ftyp") && (size < 12 || bigDword(m_data + pos + 8) != fourCc("heix")))
            return false;
        pos += size;
    }
    return false;
}

bool CHeifReader::AnalyzeExif(unsigned long long &pos)
{
    if (pos > m_fileSize || m_fileSize - pos < kExifWindow)
        return false;
    const unsigned char *payload = m_data + pos;
    unsigned long long header = pos;
    if (std::memcmp(payload + 4, "Exif", 4) == 0) {
        const auto offset = int32_t(bigDword(payload));
        if (offset > 0)
            header = pos + 4 + uint64_t(offset);
    }
    // The window stays inside the file even when the header was moved
    // towards its end.
    if (header >= m_fileSize || m_fileSize - header < 8)
        return false;
    const unsigned long long window = std::min(kExifWindow, m_fileSize - header);
    bool bigEndian = false;
    if (std::memcmp(m_data + header, "MM", 2) == 0)
        bigEndian = true;
    else if (std::memcmp(m_data + header, "II", 2) != 0)
        return false;
    ByteReader2 reader;
    reader.SetBuffer(m_data + header, window, bigEndian);
    reader.Read(2);
    if (reader.Read16u() != 42)
        return false;
    const uint32_t firstIfd = reader.Read32u();
    if (firstIfd < 8 || !skipTo(reader, firstIfd))
        return false;

    IFDFieldDataInfo ifd0;
    if (!AnalyzeIFD(pos, reader, ifd0) || ifd0.nextOffset == 0 || !skipTo(reader, ifd0.nextOffset))
        return false;
    IFDFieldDataInfo ifd1;
    if (!AnalyzeIFD(pos, reader, ifd1))
        return false;
    fill(m_first, ifd1, bigEndian);
    if (ifd1.nextOffset == 0 || !skipTo(reader, ifd1.nextOffset))
        return false;
    IFDFieldDataInfo ifd2;
    if (!AnalyzeIFD(pos, reader, ifd2))
        return false;
    fill(m_second, ifd2, bigEndian);
    return true;
}

bool CHeifReader::AnalyzeIFD(unsigned long long &pos, ByteReader2 &reader, IFDFieldDataInfo &info)
{
    if (reader.GetRemainingSize() < 2)
        return false;
    info.entryCount = reader.Read16u();
    if (reader.GetRemainingSize() < 12ull * info.entryCount + 4)
        return false;
    info.entries.resize(info.entryCount);
    for (IFDFieldDataInfo::Entry &entry : info.entries) {
        entry.tag = reader.Read16u();
        entry.type = reader.Read16u();
        entry.count = reader.Read32u();
        entry.value = reader.Read32u();
    }
    info.nextOffset = reader.Read32u();
    pos += 12ull * info.entryCount + 6;
    return true;
}

void CHeifReader::fill(Preview &record, const IFDFieldDataInfo &ifd, bool bigEndian) const
{
    for (const IFDFieldDataInfo::Entry &entry : ifd.entries) {
        if (entry.tag == 513)
            record.jpegOffset = entry.value;
        else if (entry.tag == 514)
            record.jpegLength = entry.value;
        else if (entry.tag == 274)
            // An inline SHORT fills the first two bytes of the value field.
            record.orientation = uint16_t(bigEndian ? entry.value >> 16 : entry.value & 0xFFFF);
    }
}

unsigned int CHeifReader::GetThumbnailSize(bool second) const
{
    return preview(second).jpegLength;
}

bool CHeifReader::GetThumbnail(unsigned char **data, unsigned int *length, unsigned short *orientation,
                               bool second) const
{
    if (!IsOpened())
        return false;
    const Preview &record = preview(second);
    if (record.jpegOffset > m_fileSize || record.jpegLength > m_fileSize - record.jpegOffset)
        return false;
    if (data)
        *data = m_data + record.jpegOffset;
    if (length)
        *length = record.jpegLength;
    if (orientation)
        *orientation = record.orientation;
    return true;
}

bool CHeifReader::GetThumbnail(unsigned char *buffer, unsigned int capacity, unsigned short *orientation,
                               bool second) const
{
    const Preview &record = preview(second);
    if (!buffer || !IsOpened() || record.jpegLength > capacity)
        return false;
    if (SeekAndRead(record.jpegOffset, buffer, record.jpegLength) != record.jpegLength)
        return false;
    if (orientation)
        *orientation = record.orientation;
    return true;
}

bool CHeifReader::GetThumbnail(const std::string &path, unsigned short *orientation, bool second) const
{
    if (!IsOpened())
        return false;
    std::vector<unsigned char> bytes(preview(second).jpegLength, 0);
    if (!GetThumbnail(bytes.data(), unsigned(bytes.size()), orientation, second))
        return false;
    return checkedfiles::saveWhole(
        QFile::decodeName(path.c_str()),
        QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
}

unsigned long long CHeifReader::SeekAndRead(unsigned long long offset, unsigned char *to, long long count) const
{
    if (!to || !m_data || offset > m_fileSize || count <= 0)
        return 0;
    const unsigned long long n = std::min<unsigned long long>(m_fileSize - offset, (unsigned long long)count);
    std::memcpy(to, m_data + offset, n);
    return n;
}

unsigned long long CHeifReader::SeekAndRead(unsigned long long offset, unsigned char **to, long long count) const
{
    if (!to || !m_data || offset > m_fileSize || count <= 0)
        return 0;
    *to = m_data + offset;
    return std::min<unsigned long long>(m_fileSize - offset, (unsigned long long)count);
}

} // namespace kavrotether
