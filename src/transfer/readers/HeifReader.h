#pragma once

#include "FileBytes.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace kavrotether {

class ByteReader2;

// One IFD as the HEIF reader takes it: the value fields stay raw.
struct IFDFieldDataInfo
{
    struct Entry
    {
        uint16_t tag = 0;
        uint16_t type = 0;
        uint32_t count = 0;
        uint32_t value = 0;
    };
    uint16_t entryCount = 0;
    std::vector<Entry> entries;
    uint32_t nextOffset = 0;
};

// Finds the two JPEG previews of a camera's HEIF picture without decoding
// HEIF: the camera puts its EXIF data at the start of the media-data box,
// and IFD1 and IFD2 of it say where the previews lie.
class CHeifReader
{
public:
    CHeifReader() = default;
    virtual ~CHeifReader();
    CHeifReader(const CHeifReader &) = delete;
    CHeifReader &operator=(const CHeifReader &) = delete;

    bool Open(const QString &path);
    // The same over data the caller keeps alive until Close.
    bool OpenMemory(unsigned char *data, unsigned long long size);
    void Close();
    bool IsOpened() const { return m_data != nullptr; }
    unsigned long long GetFileSize() const { return m_fileSize; }

    // `second` chooses the preview of IFD2, otherwise that of IFD1.
    unsigned int GetThumbnailSize(bool second) const;
    // Points into the file's bytes; false when not open or when the preview's
    // place lies outside the file.
    bool GetThumbnail(unsigned char **data, unsigned int *length, unsigned short *orientation, bool second) const;
    bool GetThumbnail(unsigned char *buffer, unsigned int capacity, unsigned short *orientation, bool second) const;
    bool GetThumbnail(const std::string &path, unsigned short *orientation, bool second) const;
    unsigned long long SeekAndRead(unsigned long long offset, unsigned char *to, long long count) const;
    unsigned long long SeekAndRead(unsigned long long offset, unsigned char **to, long long count) const;

    bool AnalyzeHeif(unsigned long long &pos);
    bool AnalyzeExif(unsigned long long &pos);
    bool AnalyzeIFD(unsigned long long &pos, ByteReader2 &reader, IFDFieldDataInfo &info);

private:
    struct Preview
    {
        uint32_t jpegOffset = 0;
        uint32_t jpegLength = 0;
        uint16_t orientation = 0;
    };

    bool openData();
    const Preview &preview(bool second) const { return second ? m_second : m_first; }
    void fill(Preview &record, const IFDFieldDataInfo &ifd, bool bigEndian) const;

    FileBytes m_file;
    unsigned char *m_data = nullptr;
    unsigned long long m_fileSize = 0;
    unsigned long long m_walkLimit = 0;
    Preview m_first;
    Preview m_second;
};

} // namespace kavrotether
