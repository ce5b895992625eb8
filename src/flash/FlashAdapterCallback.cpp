#include "FlashAdapterCallback.h"

#include <QMetaType>
#include <QMutexLocker>

#include <chrono>

#include "Kvrptpif.h"
#include "core/ApplicationData.h"
#include "core/Utilities.h"
#include "core/WorkerThread.h"
#include "flash/FlashAdapter.h"

namespace kavrotether {

namespace {

constexpr auto kIdleWait = std::chrono::milliseconds(10);

// The flash values travel in queued signals from this thread to QML.
void registerFlashTypes()
{
    qRegisterMetaType<Utilities::FlashDimmer>();
    qRegisterMetaType<Utilities::FlashMode>();
    qRegisterMetaType<Utilities::FlashSync>();
    qRegisterMetaType<Utilities::FlashAdjust>();
    qRegisterMetaType<Utilities::FlashManual>();
    qRegisterMetaType<Utilities::ExposureLink>();
    qRegisterMetaType<Utilities::WirelessMode>();
    qRegisterMetaType<Utilities::WirelessChannel>();
    qRegisterMetaType<Utilities::WirelessFP>();
    qRegisterMetaType<Utilities::WirelessComPower>();
    qRegisterMetaType<Utilities::BuildInFlashDimmer>();
    qRegisterMetaType<Utilities::GroupFlashDimmer>();
}

} // namespace

void FlashAdapterCallback::RequestInterruption()
{
    QMutexLocker g(&m_lock);
    m_interrupted = true;
}

void FlashAdapterCallback::ClearInterruptionRequest()
{
    QMutexLocker g(&m_lock);
    m_interrupted = false;
}

bool FlashAdapterCallback::IsInterruptionRequested() const
{
    QMutexLocker g(&m_lock);
    return m_interrupted;
}

void FlashAdapterCallback::pushArgumentLast(uint id, uint param)
{
    QMutexLocker g(&m_lock);
    m_ids.append(id);
    m_params.append(param);
}

bool FlashAdapterCallback::popArgument(uint *id, uint *param)
{
    if (!id || !param)
        return false;
    QMutexLocker g(&m_lock);
    if (m_ids.isEmpty() || m_ids.size() != m_params.size())
        return false;
    *id = m_ids.takeFirst();
    *param = m_params.takeFirst();
    return true;
}

int FlashAdapterCallback::registerCallback(uint32_t event, uint32_t param, const char *)
{
    if (FlashAdapter *flash = ApplicationData::getFlashAdapter())
        (void)flash->queueFlashEvent(event, param);
    return 0;
}

void FlashAdapterCallback::CallbackRegist()
{
    (void)KVR_func_api_Reg_NotifyCallback(kStrobeEvent, &FlashAdapterCallback::registerCallback);
    (void)KVR_func_api_Reg_NotifyCallback(kStrobe2Event, &FlashAdapterCallback::registerCallback);
}

void FlashAdapterCallback::CallbackUnRegist()
{
    (void)KVR_func_api_Delete_CallBackInfo(kStrobeEvent);
    (void)KVR_func_api_Delete_CallBackInfo(kStrobe2Event);
}

void FlashAdapterCallback::doWork()
{
    registerFlashTypes();
    CallbackRegist();
    ClearInterruptionRequest();
    WorkerThread::Run *run = WorkerThread::current();
    for (;;) {
        if (IsInterruptionRequested() || (run && run->stopRequested()))
            break;
        uint id = 0;
        uint param = 0;
        if (!popArgument(&id, &param)) {
            // Only the worker waits for more (a queued event or its stop
            // wakes it); called directly, what was queued is all there is.
            if (!run || run->wait(kIdleWait))
                break;
            continue;
        }
        FlashAdapter *flash = ApplicationData::getFlashAdapter();
        if (!flash)
            continue;
        if (id == kStrobe2Event)
            (void)flash->adp_KVR_func_api_Strobe2_GetCapability();
        else if (id == kStrobeEvent)
            (void)flash->adp_KVR_func_api_Strobe_GetCapability();
    }
    CallbackUnRegist();
}

} // namespace kavrotether
