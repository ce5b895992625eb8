#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QTimer>
#include <QVideoSink>

#include <atomic>
#include <memory>
#include <mutex>

namespace kavrotether {

// Carries the composed live-view canvas to a QML video output: the fetch
// threads copy each finished canvas in, a 33 ms timer on the GUI thread
// hands the latest copy to the sink.
class VideoAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVideoSink *videoSink READ videoSink WRITE setVideoSink NOTIFY videoSinkChanged)
public:
    explicit VideoAdapter(QObject *parent = nullptr);
    ~VideoAdapter() override;

    QVideoSink *videoSink() const;
    void setVideoSink(QVideoSink *sink);
    Q_INVOKABLE void setVideoOutVisibleStatus(bool status);
    Q_INVOKABLE bool getVideoOutVisibleStatus() const { return m_videoOutVisible.load(); }

    // Copies a canvas; false, copying nothing, without a sink or bits.
    bool SetImage(const uchar *bits, int sizeInBytes, int width, int height, int bytesPerLine, QImage::Format format);
    void SetPaintOffset(double x, double y, double w, double h);
    void ForceStop();

    // The image copy's buffer size (it only grows) and whether frames are
    // being handed to the sink.
    int bufferCapacity() const;
    bool isFrameTimerActive() const;

public slots:
    void slotTick();

signals:
    void videoSinkChanged();
    void paintSizeChanged(double offsetX, double offsetY, double w, double h);

private:
    void startTimer();
    void stopTimer();

    mutable std::recursive_mutex m_frameLock;
    QPointer<QVideoSink> m_sink;
    QTimer m_frameTimer;
    std::atomic<bool> m_videoOutVisible{false};
    std::unique_ptr<uchar[]> m_buffer;
    int m_capacity = 0;
    int m_width = 0;
    int m_height = 0;
    int m_bytesPerLine = 0;
    QImage::Format m_format = QImage::Format_RGB32;
    bool m_hasImage = false;
    QRectF m_paintOffset{0, 0, 1, 1};
    QRectF m_emittedPaintOffset;
};

} // namespace kavrotether
