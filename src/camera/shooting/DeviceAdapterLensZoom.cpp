// DeviceAdapter: what the lens tells about its zoom.

#include "camera/DeviceAdapter.h"

#include <memory>

namespace kavrotether {

namespace {

// Both zoom records carry the same four fields at their own places.
template<typename Record>
Utilities::Ternary publishZoom(DeviceAdapter &adapter, quint8 result, const Record &record)
{
    // An unanswered read leaves no zoom the interface could offer.
    const bool answered = result == 1;
    adapter.setZoomLensCtrlEnableValue(answered && record.zoomControl == 1);
    adapter.setZoomLensTeleValue(answered ? record.teleEnd : 0u);
    adapter.setZoomLensWideValue(answered ? record.wideEnd : 0u);
    adapter.setZoomLensLenValue(answered ? record.focalLength : 0u);
    return Utilities::ternaryOf(answered);
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LensZoomInfo_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_LENS_ZOOM_CAPA_INFO>();
    return publishZoom(*this, callSelectedCamera(KVR_func_api_LensZoomInfo_GetCapability, record.get()), *record);
}

// The SDK takes the zoom notice's event code with the record.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LensZoom_Get_Info()
{
    constexpr quint32 kLensZoomEvent = 0x120100A0;
    KVR_STRUCT_LENS_ZOOM_SET_INFO info{};
    return publishZoom(*this, callSelectedCamera(KVR_func_api_LensZoom_Get_Info, &info, kLensZoomEvent), info);
}

} // namespace kavrotether
