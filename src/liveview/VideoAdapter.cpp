#include "VideoAdapter.h"

#include <QThread>
#include <QVideoFrame>
#include <QVideoFrameFormat>

#include <algorithm>
#include <cstring>

namespace kavrotether {

VideoAdapter::VideoAdapter(QObject *parent) : QObject(parent)
{
    m_frameTimer.setInterval(33);
    connect(&m_frameTimer, &QTimer::timeout, this, &VideoAdapter::slotTick);
}

VideoAdapter::~VideoAdapter()
{
    ForceStop();
}

void VideoAdapter::startTimer()
{
    if (QThread::currentThread() == m_frameTimer.thread())
        m_frameTimer.start();
    else
        QMetaObject::invokeMethod(&m_frameTimer, "start", Qt::QueuedConnection);
}

void VideoAdapter::stopTimer()
{
    if (QThread::currentThread() == m_frameTimer.thread())
        m_frameTimer.stop();
    else
        QMetaObject::invokeMethod(&m_frameTimer, "stop", Qt::QueuedConnection);
}

QVideoSink *VideoAdapter::videoSink() const
{
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    return m_sink;
}

void VideoAdapter::setVideoSink(QVideoSink *sink)
{
    {
        std::lock_guard<std::recursive_mutex> g(m_frameLock);
        // The same sink again changes nothing: no signal, no timer restart.
        if (m_sink == sink)
            return;
        if (m_sink)
            stopTimer();
        m_sink = sink;
        if (!sink)
            return;
        startTimer();
    }
    emit videoSinkChanged();
}

void VideoAdapter::setVideoOutVisibleStatus(bool status)
{
    m_videoOutVisible.store(status);
    if (!status)
        stopTimer();
    else if (!m_frameTimer.isActive())
        startTimer();
}

bool VideoAdapter::SetImage(const uchar *bits, int sizeInBytes, int width, int height, int bytesPerLine,
                            QImage::Format format)
{
    if (!bits || sizeInBytes <= 0 || width <= 0 || height <= 0 || bytesPerLine <= 0
        || qint64(bytesPerLine) * height > sizeInBytes)
        return false;
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    if (!m_sink)
        return false;
    // The buffer only grows: canvases of the same size reuse its memory.
    if (sizeInBytes > m_capacity) {
        m_buffer.reset();
        m_buffer.reset(new uchar[size_t(sizeInBytes)]);
        m_capacity = sizeInBytes;
    }
    std::memcpy(m_buffer.get(), bits, size_t(sizeInBytes));
    m_width = width;
    m_height = height;
    m_bytesPerLine = bytesPerLine;
    m_format = format;
    m_hasImage = true;
    return true;
}

void VideoAdapter::SetPaintOffset(double x, double y, double w, double h)
{
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    m_paintOffset = QRectF(x, y, w, h);
}

void VideoAdapter::ForceStop()
{
    stopTimer();
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    m_sink = nullptr;
}

int VideoAdapter::bufferCapacity() const
{
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    return m_capacity;
}

bool VideoAdapter::isFrameTimerActive() const
{
    return m_frameTimer.isActive();
}

void VideoAdapter::slotTick()
{
    std::lock_guard<std::recursive_mutex> g(m_frameLock);
    if (!m_sink || !m_hasImage)
        return;
    if (m_paintOffset != m_emittedPaintOffset) {
        m_emittedPaintOffset = m_paintOffset;
        emit paintSizeChanged(m_paintOffset.x(), m_paintOffset.y(), m_paintOffset.width(), m_paintOffset.height());
    }
    const QVideoFrameFormat format(QSize(m_width, m_height), QVideoFrameFormat::pixelFormatFromImageFormat(m_format));
    QVideoFrame frame(format);
    if (!frame.isValid() || !frame.map(QVideoFrame::WriteOnly))
        return;
    // The frame's rows may be padded differently from the canvas's.
    const int rowBytes = std::min(frame.bytesPerLine(0), m_bytesPerLine);
    const int rows = std::min(frame.height(), m_height);
    uchar *dst = frame.bits(0);
    for (int y = 0; y < rows; ++y)
        std::memcpy(dst + qsizetype(y) * frame.bytesPerLine(0), m_buffer.get() + qsizetype(y) * m_bytesPerLine,
                    size_t(rowBytes));
    frame.unmap();
    m_sink->setVideoFrame(frame);
}

} // namespace kavrotether
