#include "FlashAdapter.h"

namespace kavrotether {

FlashAdapter::FlashAdapter(QObject *parent) : QObject(parent) {}
FlashAdapter::~FlashAdapter() = default;

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Reg_NotifyCallback()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Strobe_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary FlashAdapter::adp_KVR_func_api_Strobe2_GetCapability()
{
    return Utilities::Ternary_False;
}

void FlashAdapter::setFlashMode(Utilities::FlashMode) {}

void FlashAdapter::stopCallbackThread() {}

} // namespace kavrotether
