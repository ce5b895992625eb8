#include "PictureFixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>

namespace kavrotether::test {

namespace {

constexpr int kHeifExifWindow = 0x9000;

void append16(QByteArray &out, ByteOrder order, quint16 value)
{
    if (order == ByteOrder::Big)
        out.append(char(value >> 8)).append(char(value));
    else
        out.append(char(value)).append(char(value >> 8));
}

void append32(QByteArray &out, ByteOrder order, quint32 value)
{
    if (order == ByteOrder::Big) {
        append16(out, order, quint16(value >> 16));
        append16(out, order, quint16(value));
    } else {
        append16(out, order, quint16(value));
        append16(out, order, quint16(value >> 16));
    }
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray out;
    append32(out, ByteOrder::Big, value);
    return out;
}

QByteArray box(const char *type, const QByteArray &payload)
{
    return bigEndian32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}

} // namespace

TiffField shortField(ByteOrder order, quint16 tag, quint16 value)
{
    QByteArray bytes;
    append16(bytes, order, value);
    return {tag, 3, 1, bytes};
}

TiffField longField(ByteOrder order, quint16 tag, quint32 value)
{
    QByteArray bytes;
    append32(bytes, order, value);
    return {tag, 4, 1, bytes};
}

TiffField undefinedField(quint16 tag, const QByteArray &bytes)
{
    return {tag, 7, quint32(bytes.size()), bytes};
}

TiffField asciiField(quint16 tag, const QByteArray &text)
{
    const QByteArray bytes = text + '\0';
    return {tag, 2, quint32(bytes.size()), bytes};
}

TiffField rationalField(ByteOrder order, quint16 tag, quint32 numerator, quint32 denominator)
{
    QByteArray bytes;
    append32(bytes, order, numerator);
    append32(bytes, order, denominator);
    return {tag, 5, 1, bytes};
}

TiffPlaces tiffPlaces(const QList<QList<TiffField>> &ifds)
{
    TiffPlaces places;
    quint32 at = 8;
    for (const QList<TiffField> &ifd : ifds) {
        places.ifds.append(at);
        at += 2 + 12 * quint32(ifd.size()) + 4;
        for (const TiffField &field : ifd)
            if (field.bytes.size() > 4)
                at += quint32(field.bytes.size() + (field.bytes.size() & 1));
    }
    return places;
}

QByteArray tiffBytes(ByteOrder order, quint16 magic, const QList<QList<TiffField>> &ifds)
{
    const TiffPlaces places = tiffPlaces(ifds);
    QByteArray out(order == ByteOrder::Big ? "MM" : "II");
    append16(out, order, magic);
    append32(out, order, ifds.isEmpty() ? 0 : places.firstIfd);
    for (int i = 0; i < ifds.size(); ++i) {
        QList<TiffField> fields = ifds.at(i);
        std::stable_sort(fields.begin(), fields.end(),
                         [](const TiffField &a, const TiffField &b) { return a.tag < b.tag; });
        const quint32 start = places.ifds.at(i);
        quint32 valueAt = start + 2 + 12 * quint32(fields.size()) + 4;
        QByteArray values;
        append16(out, order, quint16(fields.size()));
        for (const TiffField &field : fields) {
            append16(out, order, field.tag);
            append16(out, order, field.type);
            append32(out, order, field.count);
            if (field.bytes.size() <= 4) {
                out.append(field.bytes.leftJustified(4, '\0'));
            } else {
                append32(out, order, valueAt + quint32(values.size()));
                values.append(field.bytes);
                if (field.bytes.size() & 1)
                    values.append('\0');
            }
        }
        append32(out, order, i + 1 < ifds.size() ? places.ifds.at(i + 1) : 0);
        out.append(values);
    }
    return out;
}

QByteArray plainJpeg(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QByteArray jpegWithExif(const QByteArray &tiff, const QByteArray &body)
{
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray out("\xFF\xD8\xFF\xE1", 4);
    out.append(char((payload.size() + 2) >> 8)).append(char(payload.size() + 2));
    return out + payload + body.mid(2);
}

QByteArray cameraJpeg(ByteOrder order, quint16 orientation, QSize size)
{
    const QByteArray thumbnail = plainJpeg(QSize(16, 12));
    QList<TiffField> ifd0 = {asciiField(271, "KAVRO"), rationalField(order, 282, 72, 1)};
    if (orientation != 0)
        ifd0.append(shortField(order, 274, orientation));
    QList<QList<TiffField>> ifds = {ifd0,
                                    {shortField(order, 259, 6), longField(order, 513, 0), longField(order, 514, 0)}};
    // The thumbnail follows the chain; its offset counts from the TIFF header.
    const quint32 thumbnailAt = quint32(tiffBytes(order, 42, ifds).size());
    ifds[1] = {shortField(order, 259, 6), longField(order, 513, thumbnailAt),
               longField(order, 514, quint32(thumbnail.size()))};
    return jpegWithExif(tiffBytes(order, 42, ifds) + thumbnail, plainJpeg(size));
}

QByteArray rawFile(ByteOrder order, const std::optional<QByteArray> &tag46, const std::optional<QByteArray> &tag295,
                   quint16 orientation)
{
    QList<TiffField> ifd0 = {shortField(order, 274, orientation), longField(order, 256, 6000)};
    if (tag46)
        ifd0.append(undefinedField(46, *tag46));
    if (tag295)
        ifd0.append(undefinedField(295, *tag295));
    return tiffBytes(order, 0x55, {ifd0});
}

QByteArray hlgFile(ByteOrder order, const QByteArray &jpeg, quint16 orientation, const HlgOptions &options)
{
    const auto build = [&](quint32 jpegAt) {
        const TiffField offset = options.offsetType == 3 ? shortField(order, 513, quint16(jpegAt))
                                                         : longField(order, 513, jpegAt);
        QList<QList<TiffField>> ifds = {{longField(order, 256, 6000), shortField(order, 259, options.compression)},
                                        {longField(order, 254, 1)},
                                        {shortField(order, 274, orientation), offset,
                                         longField(order, 514, quint32(jpeg.size()) + options.lengthExtra)}};
        return tiffBytes(order, 42, ifds.mid(0, options.ifdCount));
    };
    const quint32 jpegAt = quint32(build(0).size());
    return build(jpegAt) + jpeg;
}

QByteArray heifFile(ByteOrder order, const QByteArray &preview1, const QByteArray &preview2, quint16 orientation,
                    const HeifOptions &options)
{
    const QByteArray ftyp = box("ftyp", options.brand + bigEndian32(0) + "mif1heic");
    const QByteArray meta = box("free", QByteArray(20, 'x'));
    const int mdatHeader = options.largeSize ? 16 : 8;
    const QByteArray prefix = options.exifPrefix ? bigEndian32(6) + QByteArray("Exif\0\0", 6) : QByteArray();
    const quint32 previewsAt = quint32(ftyp.size() + meta.size() + mdatHeader + prefix.size() + kHeifExifWindow);

    const auto previewIfd = [&](quint32 at, quint32 length) {
        return QList<TiffField>{shortField(order, 259, 6), longField(order, 513, at), longField(order, 514, length),
                                shortField(order, 274, orientation)};
    };
    const QList<QList<TiffField>> ifds = {
        {asciiField(271, "KAVRO"), shortField(order, 274, orientation)},
        previewIfd(previewsAt, quint32(preview1.size())),
        previewIfd(previewsAt + quint32(preview1.size()), quint32(preview2.size()) + options.lengthExtra)};
    QByteArray exif = prefix + tiffBytes(order, 42, ifds.mid(0, options.ifdCount));
    exif = exif.leftJustified(prefix.size() + kHeifExifWindow, '\0');
    const QByteArray payload = exif + preview1 + preview2;

    QByteArray mdat;
    if (options.largeSize) {
        mdat = bigEndian32(1) + "mdat" + bigEndian32(0) + bigEndian32(quint32(16 + payload.size()));
    } else {
        mdat = bigEndian32(quint32(8 + payload.size())) + "mdat";
    }
    return ftyp + meta + mdat + payload;
}

QByteArray mutated(const QByteArray &bytes, quint32 seed, int count, int span)
{
    QByteArray out = bytes;
    const int range = span < 0 ? int(out.size()) : std::min(span, int(out.size()));
    if (range == 0)
        return out;
    QRandomGenerator random(seed);
    for (int i = 0; i < count; ++i)
        out[random.bounded(range)] = char(random.bounded(256));
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace kavrotether::test
