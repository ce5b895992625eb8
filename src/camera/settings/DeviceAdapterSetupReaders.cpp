// DeviceAdapter: the selected camera's recording target offer and its
// power-saving tether modes.

#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

#include <memory>

namespace kavrotether {

namespace {

// The camera numbers its targets camera, PC, both; the program camera, both, PC.
int fileTargetOfCode(quint32 code)
{
    switch (code) {
    case 0:
        return Utilities::FLTG_CameraOnly;
    case 1:
        return Utilities::FLTG_PcOnly;
    case 2:
        return Utilities::FLTG_PcAndCamera;
    default:
        return -1;
    }
}

int belowThree(quint32 code)
{
    return capability::below(code, 3);
}

} // namespace

// The whole list is looked at, also past the count: a 0 anywhere offers
// recording on the camera only.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetupFilesCfgInfo_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_SetupFilesCfgInfo_GetCapability, record.get()) != 1)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.setupFiles = *record;
    }
    capability::fillFlags(d->fileTargetFlags, record->target, fileTargetOfCode);
    setFileTargetValue(Utilities::FileTarget(fileTargetOfCode(record->curTarget)));
    return Utilities::Ternary_True;
}

// Support is cleared before every read and set again by a camera that
// offers power saving, so a camera without it never keeps the last one's.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_PowerSaving_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_POWER_SAVING_CAPA_INFO>();
    const quint8 result = callSelectedCamera(KVR_func_api_PowerSaving_GetCapability, record.get());
    setCamSupportPowerSavingValue(false);
    if (result == 0)
        return Utilities::Ternary_False;
    if (record->tetherMode.available == 0)
        return Utilities::Ternary_True;
    setCamSupportPowerSavingValue(true);
    if (record->tetherMode.count == 0)
        return Utilities::Ternary_True;
    capability::fillFlags(d->pwTetherConnectModeFlags, record->tetherMode, belowThree);
    if (d->pwTetherConnectModeCount.store(record->tetherMode.count))
        emit pwTetherConnectModeFlgNumChanged();
    setPwTetherConnectModeValue(belowThree(record->curTetherMode));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::pwTetherConnectModeCapability(Utilities::PowerSavingTetherMode mode) const
{
    const auto i = static_cast<unsigned>(mode);
    return i < d->pwTetherConnectModeFlags.size() && d->pwTetherConnectModeFlags[i].load() != 0
               ? Utilities::Ternary_True
               : Utilities::Ternary_False;
}

int DeviceAdapter::pwTetherConnectModeCapabilityNum() const
{
    return d->pwTetherConnectModeCount.load();
}

} // namespace kavrotether
