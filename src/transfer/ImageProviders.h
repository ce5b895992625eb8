#pragma once

#include <QQuickImageProvider>

namespace kavrotether {

// Pictures the interface asks for by "image://<provider>/<id>".
class HistgramImageProvider : public QQuickImageProvider
{
public:
    HistgramImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
};

class PreviewImageProvider : public QQuickImageProvider
{
public:
    PreviewImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
};

class OverlayImageProvider : public QQuickImageProvider
{
public:
    OverlayImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
};

class BrightnessChgImageProvider : public QQuickImageProvider
{
public:
    BrightnessChgImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
};

class ColorizeChgImageProvider : public QQuickImageProvider
{
public:
    ColorizeChgImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
};

} // namespace kavrotether
