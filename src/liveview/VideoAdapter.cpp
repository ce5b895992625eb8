#include "VideoAdapter.h"

#include <QMutexLocker>

namespace kavrotether {

VideoAdapter::VideoAdapter(QObject *parent) : QObject(parent)
{
    m_frameTimer.setInterval(33);
}

VideoAdapter::~VideoAdapter() = default;

QVideoSink *VideoAdapter::videoSink() const
{
    QMutexLocker g(&m_frameLock);
    return m_sink;
}

void VideoAdapter::setVideoSink(QVideoSink *sink)
{
    {
        QMutexLocker g(&m_frameLock);
        if (m_sink == sink)
            return;
        m_sink = sink;
    }
    emit videoSinkChanged();
}

void VideoAdapter::ForceStop()
{
    m_frameTimer.stop();
    QMutexLocker g(&m_frameLock);
    m_sink = nullptr;
}

} // namespace kavrotether
