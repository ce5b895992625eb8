#pragma once

#include <cstdint>

namespace kavrotether {

// Bytes per element of each TIFF field type (index = type code, 0..12); -1
// for a code no TIFF file may carry, so a reader stops instead of guessing.
inline int tiffTypeSize(unsigned int type)
{
    constexpr int sizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    return type < sizeof(sizes) / sizeof(sizes[0]) ? sizes[type] : -1;
}

// Decodes numbers stored in a file's byte order into host values. The reads
// do not check bounds: the caller keeps the pointer inside its data.
class ByteReader
{
public:
    ByteReader();
    virtual ~ByteReader();

    // Each read decodes at `p` and, when `next` is given, stores `p` plus the
    // width read there.
    virtual unsigned char ReadBYTE(unsigned char *p, unsigned char **next = nullptr);
    virtual uint16_t ReadWORD(unsigned char *p, unsigned char **next = nullptr) = 0;
    virtual uint32_t ReadDWORD(unsigned char *p, unsigned char **next = nullptr) = 0;
    virtual int16_t ReadSHORT(unsigned char *p, unsigned char **next = nullptr);
    virtual int32_t ReadLONG(unsigned char *p, unsigned char **next = nullptr);

    // Host byte order: 1 little-endian, 2 big-endian, 0 not yet set.
    static int endian;
};

// Little-endian ("II") file data.
class ByteReaderIntel : public ByteReader
{
public:
    ByteReaderIntel();
    uint16_t ReadWORD(unsigned char *p, unsigned char **next = nullptr) override;
    uint32_t ReadDWORD(unsigned char *p, unsigned char **next = nullptr) override;
};

// Big-endian ("MM") file data.
class ByteReaderMotorola : public ByteReader
{
public:
    ByteReaderMotorola();
    uint16_t ReadWORD(unsigned char *p, unsigned char **next = nullptr) override;
    uint32_t ReadDWORD(unsigned char *p, unsigned char **next = nullptr) override;
};

// A cursor over one byte range that never reads past its end: a read that
// does not fit answers 0 (or null) and leaves the cursor where it was.
class ByteReader2
{
public:
    ByteReader2() = default;

    void SetBuffer(unsigned char *start, unsigned long long size, bool bigEndian);
    unsigned char *GetCurrentPos() const { return m_cursor; }
    unsigned long long GetRemainingSize() const { return m_size - m_consumed; }
    unsigned long long GetReadSize() const { return m_consumed; }

    int8_t Read8s() { return int8_t(readUnsigned(1)); }
    uint8_t Read8u() { return uint8_t(readUnsigned(1)); }
    int16_t Read16s() { return int16_t(readUnsigned(2)); }
    uint16_t Read16u() { return uint16_t(readUnsigned(2)); }
    int32_t Read32s() { return int32_t(readUnsigned(4)); }
    uint32_t Read32u() { return uint32_t(readUnsigned(4)); }
    int64_t Read64s() { return int64_t(readUnsigned(8)); }
    uint64_t Read64u() { return readUnsigned(8); }
    // Skips `n` bytes; the place skipped from, or null when they do not fit.
    unsigned char *Read(unsigned int n);

private:
    bool fits(unsigned long long n) const { return n <= m_size - m_consumed; }
    uint64_t readUnsigned(unsigned int width);

    unsigned char *m_start = nullptr;
    unsigned long long m_size = 0;
    unsigned char *m_cursor = nullptr;
    unsigned long long m_consumed = 0;
    bool m_bigEndian = false;
};

} // namespace kavrotether
