#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

namespace kavrotether::test {

// Pictures as the cameras save them, written byte by byte so that every
// field can be set, broken or left out.

enum class ByteOrder { Little, Big };

// One TIFF field: tag, type and count, and its value bytes in file order.
struct TiffField
{
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    QByteArray bytes;
};

TiffField shortField(ByteOrder order, quint16 tag, quint16 value);
TiffField longField(ByteOrder order, quint16 tag, quint32 value);
TiffField undefinedField(quint16 tag, const QByteArray &bytes);
TiffField asciiField(quint16 tag, const QByteArray &text);
TiffField rationalField(ByteOrder order, quint16 tag, quint32 numerator, quint32 denominator);

// A TIFF header and its IFD chain; each IFD is followed by its values that
// do not fit into an entry. `magic` 42, or 0x55 for RAW files.
QByteArray tiffBytes(ByteOrder order, quint16 magic, const QList<QList<TiffField>> &ifds);

// Where things lie in a built file: offsets from its start.
struct TiffPlaces
{
    quint32 firstIfd = 8;
    QList<quint32> ifds;
};
TiffPlaces tiffPlaces(const QList<QList<TiffField>> &ifds);

// A plain JPEG as Qt writes it (no EXIF block).
QByteArray plainJpeg(QSize size, QColor colour = QColor(40, 120, 200));
// The JPEG `body` with `tiff` as its APP1 "Exif" block right after the
// start-of-image marker.
QByteArray jpegWithExif(const QByteArray &tiff, const QByteArray &body);
// A camera JPEG: IFD0 with maker and Orientation (left out when 0), IFD1
// with a thumbnail.
QByteArray cameraJpeg(ByteOrder order, quint16 orientation, QSize size = QSize(64, 48));

// A RAW file (magic 0x55) with its previews as UNDEFINED tags 46 and 295.
QByteArray rawFile(ByteOrder order, const std::optional<QByteArray> &tag46, const std::optional<QByteArray> &tag295,
                   quint16 orientation = 1);

struct HlgOptions
{
    int ifdCount = 3;
    quint16 offsetType = 4; // type of tag 513
    quint16 compression = 0xC7E8;
    quint32 lengthExtra = 0; // added to tag 514
};
// An HLG still file: the JPEG is placed by tags 513/514 of IFD2.
QByteArray hlgFile(ByteOrder order, const QByteArray &jpeg, quint16 orientation, const HlgOptions &options = {});

struct HeifOptions
{
    QByteArray brand = "heix";
    bool largeSize = false; // "mdat" with a 64-bit size
    int ifdCount = 3;
    bool exifPrefix = true;  // the offset word and "Exif" before the TIFF header
    quint32 lengthExtra = 0; // added to the second preview's length
};
// A HEIF file as the cameras save it: "ftyp", a skipped box, then "mdat"
// whose media data starts with the EXIF data; IFD1 and IFD2 place the two
// JPEG previews, which follow the EXIF window.
QByteArray heifFile(ByteOrder order, const QByteArray &preview1, const QByteArray &preview2, quint16 orientation,
                    const HeifOptions &options = {});

// The bytes with `count` bytes among the first `span` (all when negative)
// replaced by random values, the same for the same seed.
QByteArray mutated(const QByteArray &bytes, quint32 seed, int count, int span = -1);

// Writes `bytes` to `path`; false when that failed.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace kavrotether::test
