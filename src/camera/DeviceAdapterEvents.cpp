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

#define KAVRO_DA_DEFINE_ENQUEUER(name, code)                                   \
    Utilities::Ternary DeviceAdapter::name() { return enqueueCommand(code); }
KAVRO_DA_READ_ENQUEUERS(KAVRO_DA_DEFINE_ENQUEUER)
#undef KAVRO_DA_DEFINE_ENQUEUER

} // namespace kavrotether
