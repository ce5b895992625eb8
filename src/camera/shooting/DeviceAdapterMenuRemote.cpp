// DeviceAdapter: the camera's own live-view output and its menu, worked
// from the computer.

#include "camera/DeviceAdapter.h"

#include <algorithm>

namespace kavrotether {

namespace {

constexpr quint32 kMonitorLiveViewStart = 0x800500F0;
constexpr quint32 kMonitorLiveViewStop = 0x800500F1;
constexpr quint32 kMenuStart = 0x09000021;
constexpr quint32 kMenuEnd = 0x09000022;
constexpr quint32 kMenuTouchDown = 0x09000023;
constexpr quint32 kMenuTouchUp = 0x09000024;
// The camera's menu grid: thousandths of the picture, the last one 999.
constexpr int kMenuLast = 999;

Utilities::Ternary sendMonitorCommand(DeviceAdapter &adapter, quint32 code)
{
    KVR_STRUCT_MNT_CTRL record{};
    record.code = code;
    return Utilities::ternaryOf(adapter.callSelectedCamera(KVR_func_api_Mnt_Ctrl_LiveView, &record) == 1);
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mnt_Ctrl_LiveView_Start()
{
    return sendMonitorCommand(*this, kMonitorLiveViewStart);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mnt_Ctrl_LiveView_Stop()
{
    return sendMonitorCommand(*this, kMonitorLiveViewStop);
}

Utilities::Ternary DeviceAdapter::sendMenuCommand(const QString &uuid, quint32 code, int posX, int posY, int paramCount)
{
    KVR_STRUCT_REC_CTRL record{};
    record.code = code;
    record.paramCount = quint16(paramCount);
    record.params[0] = posX;
    record.params[1] = posY;
    return Utilities::ternaryOf(callCamera(uuid, KVR_func_api_Rec_Ctrl_Menu, &record) == 1);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Menu_Start_Menu()
{
    return sendMenuCommand(camera_list_get_selected_camera_uuid(), kMenuStart, 0, 0, 0);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu(QString device_uuid)
{
    const QString uuid = device_uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : device_uuid;
    return sendMenuCommand(uuid, kMenuEnd, 0, 0, 0);
}

// The interface scales a tap by the picture size, so a tap on the far edge
// gives 1000: it is the last position, not a position to drop.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Down_Menu(int posX, int posY)
{
    return sendMenuCommand(camera_list_get_selected_camera_uuid(), kMenuTouchDown, std::clamp(posX, 0, kMenuLast),
                           std::clamp(posY, 0, kMenuLast), 2);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Up_Menu(int posX, int posY)
{
    return sendMenuCommand(camera_list_get_selected_camera_uuid(), kMenuTouchUp, std::clamp(posX, 0, kMenuLast),
                           std::clamp(posY, 0, kMenuLast), 2);
}

} // namespace kavrotether
