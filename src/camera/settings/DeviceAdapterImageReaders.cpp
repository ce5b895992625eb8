// PLACEHOLDER: replaced by the readers of this file.
#include "camera/DeviceAdapter.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetImageInfo()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_Detail_Display()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LiveView_Str_Get_Recom_Img()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LiveView_Str_Get_Trans_Img()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_PhotoStyle_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_PhotoStyle2_GetCapability()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data()
{
    return Utilities::Ternary_False;
}

} // namespace kavrotether
