// DeviceAdapter: the queue's side of the adapter (enqueuers).

#include "DeviceAdapter.h"

#include "DeviceAdapterCallback.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::enqueueCommand(quint32 code, quint32 param, const QString &uuid)
{
    const bool queued = withCallbackReceiver(
        [&](DeviceAdapterCallback &receiver) { receiver.pushArgumentLast(code, param, uuid); });
    return queued ? Utilities::Ternary_True : Utilities::Ternary_False;
}

// clang-format off
#define KAVRO_DA_DEFINE_ENQUEUER_Enqueuer(name, code)                          \
    Utilities::Ternary DeviceAdapter::name() { return enqueueCommand(code); }
// clang-format on
#define KAVRO_DA_DEFINE_ENQUEUER_Internal(name, code)
#define KAVRO_DA_DEFINE_ENQUEUER(kind, name, code, handler) KAVRO_DA_DEFINE_ENQUEUER_##kind(name, code)
KAVRO_WORKER_COMMANDS(KAVRO_DA_DEFINE_ENQUEUER)
#undef KAVRO_DA_DEFINE_ENQUEUER
#undef KAVRO_DA_DEFINE_ENQUEUER_Internal
#undef KAVRO_DA_DEFINE_ENQUEUER_Enqueuer

} // namespace kavrotether
