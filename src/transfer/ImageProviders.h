#pragma once

#include <QPixmap>
#include <QQuickImageProvider>

struct _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM;

namespace kavrotether {

// Pictures the interface asks for by "image://<provider>/<id>". The engine
// asks on the GUI thread only.

// The live-view histogram of the selected camera.
class HistgramImageProvider : public QQuickImageProvider
{
public:
    HistgramImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;

    // Draws the record's bars over black into the 192 x 130 area of `pixmap`.
    static void drawHistogram(QPixmap &pixmap, const _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM &record);
};

// The picture last saved on the computer, decoded for the preview window.
class PreviewImageProvider : public QQuickImageProvider
{
public:
    PreviewImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The size a picture of `full` size is decoded at: shrunk by tenths
    // until it fits the image allocation limit.
    static QSize decodeSize(const QSize &full);
};

// A picture the user chose for the live-view overlay.
class OverlayImageProvider : public QQuickImageProvider
{
public:
    OverlayImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

// An icon whose every pixel gets the luma of the "y" parameter.
class BrightnessChgImageProvider : public QQuickImageProvider
{
public:
    BrightnessChgImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

// An icon whose every pixel gets the HSL lightness of the "l" parameter.
class ColorizeChgImageProvider : public QQuickImageProvider
{
public:
    ColorizeChgImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace kavrotether
