#include "ByteReader.h"

namespace kavrotether {

int ByteReader::endian = 0;

namespace {

// The readers only ever run on little-endian hosts here; the word stays as
// the place to tell the two apart.
void settleHostOrder()
{
    if (ByteReader::endian == 0)
        ByteReader::endian = 1;
}

uint16_t littleWord(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t littleDword(const unsigned char *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint16_t bigWord(const unsigned char *p)
{
    return uint16_t((p[0] << 8) | p[1]);
}

uint32_t bigDword(const unsigned char *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

template<typename T>
T advance(unsigned char *p, unsigned char **next, T value)
{
    if (next)
        *next = p + sizeof(T);
    return value;
}

} // namespace

ByteReader::ByteReader()
{
    settleHostOrder();
}

ByteReader::~ByteReader() = default;

unsigned char ByteReader::ReadBYTE(unsigned char *p, unsigned char **next)
{
    return advance<unsigned char>(p, next, *p);
}

int16_t ByteReader::ReadSHORT(unsigned char *p, unsigned char **next)
{
    return int16_t(ReadWORD(p, next));
}

int32_t ByteReader::ReadLONG(unsigned char *p, unsigned char **next)
{
    return int32_t(ReadDWORD(p, next));
}

ByteReaderIntel::ByteReaderIntel()
{
    settleHostOrder();
}

// Decoding byte by byte gives the host value whatever the host's order, so
// no swap has to be decided on `endian`.
uint16_t ByteReaderIntel::ReadWORD(unsigned char *p, unsigned char **next)
{
    return advance<uint16_t>(p, next, littleWord(p));
}

uint32_t ByteReaderIntel::ReadDWORD(unsigned char *p, unsigned char **next)
{
    return advance<uint32_t>(p, next, littleDword(p));
}

ByteReaderMotorola::ByteReaderMotorola()
{
    settleHostOrder();
}

uint16_t ByteReaderMotorola::ReadWORD(unsigned char *p, unsigned char **next)
{
    return advance<uint16_t>(p, next, bigWord(p));
}

uint32_t ByteReaderMotorola::ReadDWORD(unsigned char *p, unsigned char **next)
{
    return advance<uint32_t>(p, next, bigDword(p));
}

void ByteReader2::SetBuffer(unsigned char *start, unsigned long long size, bool bigEndian)
{
    m_start = start;
    m_size = start ? size : 0;
    m_cursor = start;
    m_consumed = 0;
    m_bigEndian = bigEndian;
}

uint64_t ByteReader2::readUnsigned(unsigned int width)
{
    if (!fits(width))
        return 0;
    uint64_t value = 0;
    for (unsigned int i = 0; i < width; ++i) {
        const unsigned int shift = m_bigEndian ? 8 * (width - 1 - i) : 8 * i;
        value |= uint64_t(m_cursor[i]) << shift;
    }
    m_cursor += width;
    m_consumed += width;
    return value;
}

unsigned char *ByteReader2::Read(unsigned int n)
{
    if (!fits(n))
        return nullptr;
    unsigned char *at = m_cursor;
    m_cursor += n;
    m_consumed += n;
    return at;
}

} // namespace kavrotether
