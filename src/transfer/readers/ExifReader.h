#pragma once

#include "FileBytes.h"

#include <QString>

#include <cstdint>

namespace kavrotether {

struct ExifInfo
{
    uint16_t orientation = 0; // EXIF Orientation 1..8, 0 when none was read
};

// Parses the APP1 "Exif" block that must follow a JPEG's start-of-image
// marker; only the Orientation of the first IFD is taken.
class ExifHeadReader
{
public:
    // 0, -1 (no usable EXIF block) or -3 (bad arguments).
    int64_t OpenExif(unsigned char *data, unsigned int size);
    int64_t GetExifInfo(ExifInfo *info) const;

private:
    ExifInfo m_info;
};

// Reads a whole JPEG file and takes its EXIF orientation.
class ExifReader
{
public:
    ExifReader() = default;
    virtual ~ExifReader();
    ExifReader(const ExifReader &) = delete;
    ExifReader &operator=(const ExifReader &) = delete;

    // 0, -1, -2 (cannot be read) or -3.
    int64_t OpenFile(const QString &path);
    int64_t GetExifInfo(ExifInfo *info) const;
    int64_t CloseFile();

private:
    FileBytes m_file;
    ExifInfo m_info;
    ExifHeadReader m_head;
};

} // namespace kavrotether
