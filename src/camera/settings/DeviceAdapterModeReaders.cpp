// PLACEHOLDER: replaced by the readers of this file.
#include "camera/DeviceAdapter.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_BurstBracket_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_SelfTimer_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AF_Config_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_Metering_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AFMF_Cfg2_GetCapability()
{
    return Utilities::Ternary_False;
}

} // namespace kavrotether
