#pragma once

#include <QList>
#include <QMutex>
#include <QObject>

#include <cstdint>

namespace kavrotether {

// The flash events the camera reports (its flash settings, its built-in
// flash and wireless groups), kept in a queue of their own: the SDK's
// threads append, the flash worker takes them one by one and has the
// matching flash record read again. No filtering and no merging: three
// reports are three reads.
class FlashAdapterCallback : public QObject
{
    Q_OBJECT
public:
    static constexpr quint32 kStrobeEvent = 0x02000110u;
    static constexpr quint32 kStrobe2Event = 0x020001B0u;

    FlashAdapterCallback() = default;

    void RequestInterruption();
    void ClearInterruptionRequest();
    bool IsInterruptionRequested() const;

    void pushArgumentLast(uint id, uint param);
    // The oldest queued event; false (queue untouched) with a null
    // out-pointer or nothing queued.
    bool popArgument(uint *id, uint *param);

    // The notify callback handed to the SDK (runs on the SDK's threads):
    // queues the event on the flash adapter's receiver and returns 0. The
    // camera named is not kept: flash events concern the selected camera.
    static int registerCallback(uint32_t event, uint32_t param, const char *uuid);
    static void CallbackRegist();
    static void CallbackUnRegist();

public slots:
    // The worker's run: registers both events, reads again for every queued
    // event until asked to stop, then takes both events away. On a worker
    // thread it sleeps between events until woken; elsewhere it polls.
    void doWork();

private:
    mutable QMutex m_lock;
    QList<uint> m_ids;
    QList<uint> m_params;
    bool m_interrupted = false;
};

} // namespace kavrotether
