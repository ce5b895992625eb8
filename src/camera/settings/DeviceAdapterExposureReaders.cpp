// PLACEHOLDER: replaced by the readers of this file.
#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SS_Get_Capability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ISO_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetupCfgInfo_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetAFInfo()
{
    return Utilities::Ternary_False;
}

} // namespace kavrotether
