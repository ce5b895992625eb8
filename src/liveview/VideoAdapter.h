#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVideoSink>

namespace kavrotether {

// Carries the composed live-view canvas to a QML video output.
class VideoAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVideoSink *videoSink READ videoSink WRITE setVideoSink NOTIFY videoSinkChanged)
public:
    explicit VideoAdapter(QObject *parent = nullptr);
    ~VideoAdapter() override;

    QVideoSink *videoSink() const;
    void setVideoSink(QVideoSink *sink);
    bool getVideoOutVisibleStatus() const { return m_videoOutVisible; }
    void ForceStop();

signals:
    void videoSinkChanged();

private:
    mutable QMutex m_frameLock;
    QPointer<QVideoSink> m_sink;
    QTimer m_frameTimer;
    bool m_videoOutVisible = false;
};

} // namespace kavrotether
