#include "ImageProviders.h"

#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "liveview/LiveViewManager.h"
#include "transfer/PreviewImageInfo.h"
#include "transfer/readers/ExifReader.h"
#include "transfer/readers/HeifReader.h"
#include "transfer/readers/TiffReader.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace kavrotether {

namespace {

constexpr int kHistogramWidth = 192;
constexpr int kHistogramHeight = 130;
constexpr int kHistogramMaxBars = 64;
// The size of the grey stand-in when nothing could be decoded.
constexpr QSize kPreviewFallback(192, 130);

// The extension from the last "." on, lower case; empty when the name has no
// "." after its first character.
QString extensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? path.mid(dot).toLower() : QString();
}

struct Decoded
{
    QImage image;
    QSize size;         // the size the picture was decoded at
    double scale = 1.0; // decoded width / full width
};

// Large pictures are decoded scaled down, so that a preview never needs more
// than the image allocation limit.
Decoded decodeScaled(QImageReader &reader)
{
    const QSize full = reader.size();
    QImageReader::setAllocationLimit(256);
    Decoded decoded;
    decoded.size = PreviewImageProvider::decodeSize(full);
    if (!decoded.size.isEmpty()) {
        reader.setScaledSize(decoded.size);
        decoded.image = reader.read();
    }
    // Without a readable size the ratio means nothing; full size is the
    // harmless answer.
    decoded.scale = full.width() > 0 ? double(decoded.size.width()) / double(full.width()) : 1.0;
    return decoded;
}

// Decodes JPEG bytes in place: `data` lies in a mapping that outlives the call.
Decoded decodeJpeg(const unsigned char *data, unsigned int length)
{
    if (!data || length == 0)
        return Decoded();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(length));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return decodeScaled(reader);
}

void publishScale(double scale)
{
    if (PreviewImageInfo *info = ApplicationData::getPreviewImageInfo())
        info->setScale(scale);
}

// The icon's path and the value of its "y=" or "l=" parameter (the last one
// wins; 0 when missing or not a number).
struct IconRequest
{
    QString path;
    int value = 0;
};

IconRequest parseIconId(const QString &id, QLatin1String key)
{
    const QStringList parts = QUrl::fromPercentEncoding(id.toUtf8()).split(QLatin1Char('?'));
    IconRequest request;
    request.path = parts.value(0);
    // A resource URL becomes the resource path that begins with a colon.
    if (request.path.startsWith(QLatin1String("qrc")))
        request.path.remove(0, 3);
    if (parts.size() > 1) {
        for (const QString &parameter : parts.at(1).split(QLatin1Char('&'))) {
            if (!parameter.startsWith(key))
                continue;
            bool ok = false;
            const int value = parameter.mid(key.size()).toInt(&ok);
            request.value = ok ? value : 0;
        }
    }
    return request;
}

int clampChannel(double value)
{
    return std::clamp(int(value), 0, 255);
}

QRgb withLuma(QRgb pixel, int luma)
{
    const double y = std::clamp(luma, 0, 255);
    const double r = qRed(pixel);
    const double g = qGreen(pixel);
    const double b = qBlue(pixel);
    const double cb = std::clamp(-0.169 * r - 0.331 * g + 0.5 * b, -128.0, 127.0);
    const double cr = std::clamp(0.5 * r - 0.419 * g - 0.081 * b, -128.0, 127.0);
    return qRgba(clampChannel(std::trunc(y + 1.402 * cr)), clampChannel(std::trunc(y - 0.344 * cb - 0.714 * cr)),
                 clampChannel(std::trunc(y + 1.772 * cb)), qAlpha(pixel));
}

QRgb withLightness(QRgb pixel, int lightness)
{
    const double l = std::clamp(lightness, 0, 100);
    const double m = l < 50 ? l : 100 - l;
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    const double range = max - min;

    double hue = 0;
    if (max != min) {
        // A later match wins, as when two channels share the maximum.
        if (r >= std::max(g, b))
            hue = 60 * (g - b) / range;
        if (g == max)
            hue = 60 * (b - r) / range + 120;
        if (b == max)
            hue = 60 * (r - g) / range + 240;
        if (hue < 0)
            hue += 360;
        hue = std::round(hue);
        if (hue == 360)
            hue = 0;
    }
    double saturation = 0;
    if (max != min)
        saturation = (max + min) / 2.0 <= 127 ? range / (max + min) : range / (510 - max - min);
    saturation = std::clamp(saturation, 0.0, 1.0);

    // 2.55 x ... written as 255 x ... / 100: 2.55 has no exact double, and
    // 127.5 must round up.
    const double q = 255 * (l + saturation * m) / 100;
    const double p = 255 * (l - saturation * m) / 100;
    const double rise = q - p;
    double out[3];
    if (hue < 60)
        out[0] = q, out[1] = p + rise * hue / 60, out[2] = p;
    else if (hue < 120)
        out[0] = p + rise * (120 - hue) / 60, out[1] = q, out[2] = p;
    else if (hue < 180)
        out[0] = p, out[1] = q, out[2] = p + rise * (hue - 120) / 60;
    else if (hue < 240)
        out[0] = p, out[1] = p + rise * (240 - hue) / 60, out[2] = q;
    else if (hue < 300)
        out[0] = p + rise * (hue - 240) / 60, out[1] = p, out[2] = q;
    else
        out[0] = q, out[1] = p, out[2] = p + rise * (360 - hue) / 60;
    return qRgba(clampChannel(std::round(out[0])), clampChannel(std::round(out[1])), clampChannel(std::round(out[2])),
                 qAlpha(pixel));
}

template<typename Recolour>
QPixmap recolourIcon(const QString &id, QSize *size, QLatin1String key, Recolour recolour)
{
    const IconRequest request = parseIconId(id, key);
    QImageReader reader(request.path);
    QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = recolour(line[x], request.value);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (size)
        *size = pixmap.size();
    return pixmap;
}

} // namespace

QPixmap HistgramImageProvider::requestPixmap(const QString &, QSize *size, const QSize &requestedSize)
{
    static QPixmap pixmap;
    static bool initialised = false;
    if (!initialised) {
        if (size)
            *size = QSize(kHistogramWidth, kHistogramHeight);
        pixmap = QPixmap(requestedSize.width() > 0 ? requestedSize.width() : kHistogramWidth,
                         requestedSize.height() > 0 ? requestedSize.height() : kHistogramHeight);
        pixmap.fill(QColor(QStringLiteral("transparent")));
        initialised = true;
        return pixmap.copy();
    }
    KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM record{};
    if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter())
        adapter->liveViewManager()->GetSelectedDevHistgram(&record);
    drawHistogram(pixmap, record);
    return pixmap.copy();
}

void HistgramImageProvider::drawHistogram(QPixmap &pixmap, const KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM &record)
{
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, kHistogramWidth, kHistogramHeight), Qt::black);
    // The camera's count is not trusted beyond the record's 64 values.
    const int bars = int(std::min<uint32_t>(record.count, kHistogramMaxBars));
    if (bars == 0)
        return;
    const int barWidth = kHistogramWidth / bars;
    const QColor colour = record.color == 0 ? QColor(255, 255, 255) : QColor(255, 200, 0);
    for (int i = 0; i < bars; ++i) {
        const int height = record.values[i] * kHistogramHeight / 255;
        if (height > 0)
            painter.fillRect(QRect(i * kHistogramWidth / bars, kHistogramHeight - height, barWidth, height), colour);
    }
}

QSize PreviewImageProvider::decodeSize(const QSize &full)
{
    // 64-bit products: a hostile header cannot wrap them.
    qint64 w = full.width();
    qint64 h = full.height();
    const auto shrink = [&](qint64 limit) {
        while (w * h > limit) {
            w = qint64(0.9 * double(w));
            h = qint64(0.9 * double(h));
        }
    };
    shrink(49'000'000);
    shrink(32'000'000);
    return QSize(int(w), int(h));
}

QPixmap PreviewImageProvider::requestPixmap(const QString &, QSize *size, const QSize &requestedSize)
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    const QString path = adapter ? adapter->pcSavedFilePath() : QString();
    const QString extension = extensionOf(path);
    int orientation = 1;
    QSize fallback = kPreviewFallback;
    QPixmap pixmap;

    unsigned char *jpeg = nullptr;
    unsigned int length = 0;
    unsigned short embeddedOrientation = 0;
    if (extension == QLatin1String(".jpg")) {
        ExifReader exif;
        ExifInfo info;
        exif.OpenFile(path);
        exif.GetExifInfo(&info);
        exif.CloseFile();
        orientation = info.orientation;
        QImageReader reader(path);
        const Decoded decoded = decodeScaled(reader);
        pixmap = QPixmap::fromImage(decoded.image);
        if (!decoded.size.isEmpty())
            fallback = decoded.size;
        publishScale(decoded.scale);
    } else if (extension == QLatin1String(".hif")) {
        CHeifReader heif;
        if (heif.Open(path))
            heif.GetThumbnail(&jpeg, &length, &embeddedOrientation, true);
        orientation = embeddedOrientation;
        const Decoded decoded = decodeJpeg(jpeg, length);
        pixmap = QPixmap::fromImage(decoded.image);
        publishScale(decoded.scale);
        heif.Close();
    } else if (extension == QLatin1String(".rw2") || extension == QLatin1String(".hsp")) {
        TiffReader tiff;
        if (tiff.OpenFile(path) == 0)
            tiff.GetLargeThumbnail(&jpeg, &length, &embeddedOrientation);
        orientation = embeddedOrientation;
        const Decoded decoded = decodeJpeg(jpeg, length);
        pixmap = QPixmap::fromImage(decoded.image);
        publishScale(decoded.scale);
    }

    if (pixmap.isNull()) {
        pixmap = QPixmap(requestedSize.width() > 0 ? requestedSize.width() : fallback.width(),
                         requestedSize.height() > 0 ? requestedSize.height() : fallback.height());
        pixmap.fill(QColor(QStringLiteral("grey")));
    }
    if (size)
        *size = pixmap.size();
    if (PreviewImageInfo *info = ApplicationData::getPreviewImageInfo())
        info->setOrientation(orientation);
    return pixmap;
}

QPixmap OverlayImageProvider::requestPixmap(const QString &id, QSize *, const QSize &)
{
    const QString path = QUrl::fromPercentEncoding(id.toUtf8());
    const QString extension = extensionOf(path);
    QPixmap pixmap;
    if (extension == QLatin1String(".jpg")) {
        QImageReader reader(path);
        pixmap = QPixmap::fromImage(reader.read());
    } else if (extension == QLatin1String(".rw2")) {
        TiffReader tiff;
        unsigned char *jpeg = nullptr;
        unsigned int length = 0;
        unsigned short orientation = 0;
        if (tiff.OpenFile(path) == 0 && tiff.GetLargeThumbnail(&jpeg, &length, &orientation) == 0 && jpeg)
            pixmap.loadFromData(jpeg, length, "JPG");
    }
    return pixmap;
}

QPixmap BrightnessChgImageProvider::requestPixmap(const QString &id, QSize *size, const QSize &)
{
    return recolourIcon(id, size, QLatin1String("y="), withLuma);
}

QPixmap ColorizeChgImageProvider::requestPixmap(const QString &id, QSize *size, const QSize &)
{
    return recolourIcon(id, size, QLatin1String("l="), withLightness);
}

} // namespace kavrotether
