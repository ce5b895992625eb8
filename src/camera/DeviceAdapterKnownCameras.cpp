// DeviceAdapter: the list of cameras connected before ("CameraList"), and
// the connected cameras reached through it.

#include "DeviceAdapter.h"

namespace kavrotether {

namespace {
using T = Utilities::Ternary;
}

int DeviceAdapter::camera_list_number_of_camera()
{
    return d->savedCameraList.count();
}

QString DeviceAdapter::camera_list_get_camera_serial_number(int camIndex)
{
    // Positions outside the list read nothing rather than beyond it.
    return d->savedCameraList.serialAt(camIndex);
}

bool DeviceAdapter::camera_list_check_camera_existence(QString serialNo)
{
    if (serialNo.isEmpty())
        return false;
    return GetCameraSettingListIndex(serialNo) < 0;
}

int DeviceAdapter::camera_list_get_camera_current_dev_index()
{
    return d->currentDevIndex;
}

void DeviceAdapter::camera_list_set_camera_value(int camIndex, QString camSerialNo, bool camPowerOnMode)
{
    if (!d->savedCameraList.setEntry(camIndex, camSerialNo, camPowerOnMode ? 1 : 0))
        return;
    withMatchingCamera(camIndex, [&](const QString &, CameraInfo &c) { c.powerOnMode = camPowerOnMode ? 1 : 0; });
}

// Reads one field of the camera behind a saved position; `none` without one.
// clang-format off
#define KAVRO_BY_POSITION(type, name, none, expr)                              \
    type DeviceAdapter::name(int camIndex)                                     \
    {                                                                          \
        type out = none;                                                       \
        withMatchingCamera(camIndex, [&](const QString &uuid, CameraInfo &c) { \
            (void)uuid;                                                        \
            (void)c;                                                           \
            out = (expr);                                                      \
        });                                                                    \
        return out;                                                            \
    }
// clang-format on

namespace {
// Bytes of the extended information that may say "not stated" (0x0F): then
// the camera's power-saving support decides.
bool triState(quint8 value, quint8 firstTrue, quint8 lastTrue, const CameraInfo &c)
{
    if (value == 0)
        return false;
    if (value >= firstTrue && value <= lastTrue)
        return true;
    return c.supportPowerSaving != 0;
}
} // namespace

KAVRO_BY_POSITION(int, camera_list_get_camera_dev_index, 0, c.devIndex)
KAVRO_BY_POSITION(QString, camera_list_get_camera_uuid, QString(), uuid)
KAVRO_BY_POSITION(T, camConnectDeviceStatus, Utilities::Ternary_False, Utilities::Ternary_True)
KAVRO_BY_POSITION(QString, camera_list_get_camera_individual_id, QString(), c.individualId)
KAVRO_BY_POSITION(QString, camera_list_get_camera_modelName, QString(), c.modelName)
KAVRO_BY_POSITION(bool, camera_list_get_camera_power_mode, false, c.powerOnMode != 0)
KAVRO_BY_POSITION(uint, camera_list_get_camera_tether_mode_status, 0, c.tetherModeStatus)
KAVRO_BY_POSITION(bool, camera_list_check_camera_support_power_saving, false,
                  (c.tetherModeStatus & Utilities::TETHERMODE_NOT_SUPPORT) == 0)
KAVRO_BY_POSITION(bool, camera_list_get_camera_supportHLG, false, c.supportHLG != 0)
KAVRO_BY_POSITION(bool, camera_list_get_camera_enableHLG, false, c.enableHLG != 0)
KAVRO_BY_POSITION(bool, camera_list_get_camera_setupFilesCfgSet, false,
                  triState(c.extInfoTail[CameraInfo::kExtSetupFilesCfgSet], 1, 1, c))
KAVRO_BY_POSITION(bool, camera_list_get_camera_support_FWUP, false,
                  triState(c.extInfoTail[CameraInfo::kExtSupportFwup], 1, 2, c))
KAVRO_BY_POSITION(bool, camera_list_get_camera_sendCmdEnable, false, c.sendCmdEnable != 0)
KAVRO_BY_POSITION(bool, camera_list_get_camera_liveViewEnable, false, c.liveViewEnable != 0)
#undef KAVRO_BY_POSITION

void DeviceAdapter::camera_list_set_camera_sendCmdEnable(int camIndex, bool enable)
{
    withMatchingCamera(camIndex, [&](const QString &, CameraInfo &c) { c.sendCmdEnable = enable ? 1 : 0; });
}

void DeviceAdapter::camera_list_set_camera_liveViewEnable(int camIndex, bool enable)
{
    withMatchingCamera(camIndex, [&](const QString &, CameraInfo &c) { c.liveViewEnable = enable ? 1 : 0; });
}

// clang-format off
#define KAVRO_BY_UUID(type, name, none, expr)                                  \
    type DeviceAdapter::name(QString uuid)                                     \
    {                                                                          \
        type out = none;                                                       \
        withCameraByUuid(uuid, [&](CameraInfo &c) { out = (expr); });          \
        return out;                                                            \
    }
// clang-format on
KAVRO_BY_UUID(QString, camera_list_get_camera_individual_id, QString(), c.individualId)
KAVRO_BY_UUID(QString, camera_list_get_camera_modelName, QString(), c.modelName)
KAVRO_BY_UUID(bool, camera_list_get_camera_power_mode_DisplayList, false, c.powerOnMode != 0)
KAVRO_BY_UUID(bool, camera_list_get_camera_sendCmdEnableByUUID, false, c.sendCmdEnable != 0)
KAVRO_BY_UUID(uint, camera_list_get_objAssociatDesc, 0, c.objAssociatDesc)
KAVRO_BY_UUID(int, camera_list_get_objCopyFileNumber, -1, c.objCopyFileNumber)
// The table lock is recursive and cheap; taking it keeps the copy of the
// text whole while another thread replaces the entry.
KAVRO_BY_UUID(QString, camera_list_get_camera_serialNo_DisplayList, QString(), c.serialNo)
#undef KAVRO_BY_UUID

void DeviceAdapter::camera_list_set_camera_tether_mode_status(QString uuid, Utilities::TetherModeDisableStatus flag,
                                                              bool on)
{
    withCameraByUuid(uuid, [&](CameraInfo &c) {
        if (on)
            c.tetherModeStatus |= quint32(flag);
        else
            c.tetherModeStatus &= ~quint32(flag);
    });
}

void DeviceAdapter::camera_list_set_objAssociatDesc(QString uuid, uint associatDesc)
{
    withCameraByUuid(uuid, [&](CameraInfo &c) { c.objAssociatDesc = associatDesc; });
}

void DeviceAdapter::camera_list_set_objCopyFileNumber(QString uuid, int number)
{
    withCameraByUuid(uuid, [&](CameraInfo &c) { c.objCopyFileNumber = number; });
}

int DeviceAdapter::camera_list_get_number_of_displayed_camera()
{
    return cameraTableCount();
}

int DeviceAdapter::GetCameraSettingListIndex(QString serialNo)
{
    return d->savedCameraList.indexOf(serialNo);
}

bool DeviceAdapter::isFindSerialNo(QString serialNo)
{
    // The count is never written without its keys: a count over keys that
    // are not there, or keys past the count, would lose cameras at the next
    // start.
    if (!d->writeCameraListFile())
        qWarning("DeviceAdapter: the camera list could not be written");
    return d->savedCameraList.indexOf(serialNo, Qt::CaseInsensitive) >= 0;
}

void DeviceAdapter::camera_list_update_camera_list(bool isSearchCamera)
{
    if (isSearchCamera) {
        m_deviceSearch.startSearch(false, true,
                                   connectionType() != kConnectionLan ? DeviceSearch::DEVSEARCH_MODE_USB
                                                                      : DeviceSearch::DEVSEARCH_MODE_LAN);
        return;
    }
    {
        QMutexLocker g(&d->cameraTableMutex);
        for (const CameraInfo &c : std::as_const(d->cameraTable)) {
            // A camera that did not tell its serial number is not remembered,
            // and a full list remembers no more cameras.
            CameraInfo e;
            e.serialNo = c.serialNo;
            e.individualId = c.individualId;
            e.modelName = c.modelName;
            e.devIndex = c.devIndex;
            e.tetherModeStatus = c.tetherModeStatus;
            e.powerOnMode = c.powerOnMode;
            e.supportPowerSaving = c.supportPowerSaving;
            e.extInfoHead = c.extInfoHead;
            e.extInfoWord = c.extInfoWord;
            e.extInfoTail = c.extInfoTail;
            e.cameraStatus = c.cameraStatus;
            d->savedCameraList.append(e);
        }
    }
    if (!d->writeCameraListFile())
        qWarning("DeviceAdapter: the camera list could not be written");
}

} // namespace kavrotether
