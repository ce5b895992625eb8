#pragma once

#include "FileBytes.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <vector>

namespace kavrotether {

class ByteReader;

// One entry of a TIFF IFD. Inline numbers (SHORT/SSHORT, LONG/SLONG/FLOAT of
// at most 4 bytes) are held converted in `value`; every other value is a
// pointer into the data (inline bytes: the entry's own value field).
struct _IFDEntry
{
    uint32_t ifdIndex = 0;
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint64_t value = 0;

    uint16_t shortAt(unsigned int i) const;
    uint32_t longAt(unsigned int i) const;
    unsigned char *pointer() const { return reinterpret_cast<unsigned char *>(uintptr_t(value)); }
};

struct _IFD
{
    uint16_t entryCount = 0;
    std::vector<_IFDEntry> entries;
    uint32_t nextOffset = 0;
};

class IFDList
{
public:
    virtual ~IFDList() = default;

    // Appends the first entry carrying `tag` of the IFD at `ifdIndex` (of
    // every IFD when negative); how many were appended, -3 without a vector.
    long Search(long ifdIndex, unsigned short tag, std::vector<_IFDEntry> *out) const;

    std::vector<_IFD> ifds;
};

// Reads a TIFF header and its IFD chain. Every place and count is checked
// against the data before it is used; an entry of a type the reader does not
// know is left out, and the chain ends at a link that loops or points
// outside the data, the IFDs before it kept.
class TiffHeadReader
{
public:
    virtual ~TiffHeadReader() = default;

    // 0; -1 when not even the first IFD lies within the data's limits; -3
    // for an unusable header.
    int64_t Open(unsigned char *data, unsigned int size);
    int64_t ReadTiffIFD(unsigned char *base, unsigned char *place, unsigned int index, ByteReader *reader, _IFD *out);
    void ConvToIntelFormat(_IFDEntry *entry, ByteReader *reader);
    // Forgets the IFDs, whose pointers die with the data.
    int64_t Close()
    {
        m_list.ifds.clear();
        m_magic = 0;
        return 0;
    }

    uint16_t magic() const { return m_magic; }
    const IFDList &ifdList() const { return m_list; }

private:
    uint16_t m_magic = 0;
    IFDList m_list;
    unsigned int m_size = 0;
};

// Finds the embedded JPEG preview of a TIFF-based RAW or HLG still file in
// the whole file read into memory; the pointers handed out point into it.
class TiffReader
{
public:
    enum FileKind : uint32_t { Unknown = 0, Raw = 1, HlgStill = 2 };

    TiffReader() = default;
    virtual ~TiffReader();
    TiffReader(const TiffReader &) = delete;
    TiffReader &operator=(const TiffReader &) = delete;

    // 0, -1, -2 (cannot be opened or read whole) or -3.
    int64_t OpenFile(const QString &path);
    // The same over data the caller keeps alive until CloseFile.
    int64_t OpenMemory(unsigned char *data, uint64_t size);
    uint32_t GuessFileType();
    int64_t GetLargeThumbnail(unsigned char **data, unsigned int *length, unsigned short *orientation);
    int64_t GetLargeThumbnailFromRAW(unsigned char **data, unsigned int *length, unsigned short *orientation);
    int64_t GetLargeThumbnailFromHLG(unsigned char **data, unsigned int *length, unsigned short *orientation);
    int64_t GetThumbnail1FromRAW(unsigned char **data, unsigned int *length);
    int64_t GetThumbnail2FromRAW(unsigned char **data, unsigned int *length);
    int64_t CloseFile();

private:
    int64_t parse();
    int64_t undefinedEntry(uint16_t tag, unsigned char **data, unsigned int *length) const;
    uint16_t orientationOf(long ifdIndex) const;

    FileBytes m_file;
    uint64_t m_fileSize = 0;
    unsigned char *m_data = nullptr;
    TiffHeadReader m_head;
    uint32_t m_kind = Unknown;
};

} // namespace kavrotether
