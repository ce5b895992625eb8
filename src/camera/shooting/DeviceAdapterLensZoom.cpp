// DeviceAdapter: what the lens tells about its zoom.

#include "camera/DeviceAdapter.h"

#include <memory>

namespace kavrotether {

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LensZoomInfo_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_LENS_ZOOM_CAPA_INFO>();
    return callSelectedCamera(KVR_func_api_LensZoomInfo_GetCapability, record.get()) == 1 ? Utilities::Ternary_True
                                                                                          : Utilities::Ternary_False;
}

// The SDK takes the zoom notice's event code with the record.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LensZoom_Get_Info()
{
    constexpr quint32 kLensZoomEvent = 0x120100A0;
    KVR_STRUCT_LENS_ZOOM_SET_INFO info{};
    if (callSelectedCamera(KVR_func_api_LensZoom_Get_Info, &info, kLensZoomEvent) != 1)
        return Utilities::Ternary_False;
    setZoomLensCtrlEnableValue(info.zoomControl == 1);
    setZoomLensTeleValue(info.teleEnd);
    setZoomLensWideValue(info.wideEnd);
    setZoomLensLenValue(info.focalLength);
    return Utilities::Ternary_True;
}

} // namespace kavrotether
