// DeviceAdapter: the queue's side of the adapter (enqueuers).

#include "DeviceAdapter.h"

#include "DeviceAdapterCallback.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::enqueueCommand(quint32 code, quint32 param, const QString &uuid)
{
    const bool queued = withCallbackReceiver(
        [&](DeviceAdapterCallback &receiver) { receiver.pushArgumentLast(code, param, uuid); });
    return Utilities::ternaryOf(queued);
}

Utilities::Ternary DeviceAdapter::enqueueRead(quint32 code)
{
    if (DeviceAdapterCallback::hasQueuedHandler(code))
        return enqueueCommand(code);
    // No reader for this command yet: queuing it would only have the worker
    // drop it, so nothing is queued and the caller hears that the read did
    // not happen (and, as for any read, False while there is no receiver).
    const bool receiver = withCallbackReceiver([](DeviceAdapterCallback &) {});
    return receiver ? Utilities::Ternary_Unknown : Utilities::Ternary_False;
}

// clang-format off
#define KAVRO_DA_DEFINE_ENQUEUER_Enqueuer(name, code)                          \
    Utilities::Ternary DeviceAdapter::name() { return enqueueRead(code); }
// clang-format on
#define KAVRO_DA_DEFINE_ENQUEUER_Internal(name, code)
#define KAVRO_DA_DEFINE_ENQUEUER(kind, name, code, handler) KAVRO_DA_DEFINE_ENQUEUER_##kind(name, code)
KAVRO_WORKER_COMMANDS(KAVRO_DA_DEFINE_ENQUEUER)
#undef KAVRO_DA_DEFINE_ENQUEUER
#undef KAVRO_DA_DEFINE_ENQUEUER_Internal
#undef KAVRO_DA_DEFINE_ENQUEUER_Enqueuer

} // namespace kavrotether
