// DeviceAdapter: the setting writers whose rules depart from the common
// queued shape (store, send to the selected camera and its mirrored
// cameras, restore on refusal): the recording and focus modes written on the
// calling thread, the movie exposure mode that writes one of two properties,
// the interval mode that keeps the drive mode in step, the 6K/4K photo mode
// and the combined white-balance adjustment that send two codes, the picture
// size that each mirrored camera receives in its own code, the HLG shooting
// type of one named camera, and the photo-style backup requests.

#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/settings/CapabilityLists.h"

#include <QByteArray>

#include <iterator>
#include <memory>

namespace kavrotether {

using Ternary = Utilities::Ternary;

namespace {

// The camera code of an enumeration value; 0 outside the table.
template<std::size_t N>
quint32 codeOf(const quint64 (&table)[N], int value)
{
    return quint32(Utilities::codeAt(table, value));
}

// Two writes to one camera under one hold of its lock; the second is made
// whatever the first answered. Success only when both answered 1.
template<typename Fn1, typename Fn2>
bool callPair(DeviceAdapter &adapter, const QString &uuid, Fn1 first, quint32 firstCode, Fn2 second, quint32 secondCode)
{
    const QByteArray id = uuid.toLocal8Bit();
    DeviceAdapter::DeviceLock lock(adapter, uuid);
    const quint8 a = first(firstCode, id.constData(), nullptr);
    const quint8 b = second(secondCode, id.constData(), nullptr);
    return a == 1 && b == 1;
}

// The pair for the selected camera, then for each mirrored camera.
template<typename Fn1, typename Fn2>
bool callPairSelectedAndMirrored(DeviceAdapter &adapter, Fn1 first, quint32 firstCode, Fn2 second, quint32 secondCode)
{
    const bool ok = callPair(adapter, adapter.camera_list_get_selected_camera_uuid(), first, firstCode, second,
                             secondCode);
    adapter.forEachMirroredCamera(
        [&](const QString &uuid) { (void)callPair(adapter, uuid, first, firstCode, second, secondCode); });
    return ok;
}

// The combined adjustment carries each index as a signed 16-bit half, so
// that the Unknown key survives the packing.
constexpr int highHalf(int value)
{
    return qint16(quint32(value) >> 16);
}
constexpr int lowHalf(int value)
{
    return qint16(quint32(value) & 0xFFFF);
}

} // namespace

// ---- recording mode and focus mode: written on the calling thread ----

void DeviceAdapter::setRecordingMode(Utilities::RecordingMode value)
{
    (void)adp_KVR_func_api_CameraMode_Set_Mode_Pos(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Set_Mode_Pos_Start(Utilities::RecordingMode value)
{
    return enqueueCommand(WorkerCommandCode::SetRecordingMode, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Set_Mode_Pos(Utilities::RecordingMode value)
{
    const Utilities::RecordingMode old = recordingMode();
    if (value == old)
        return Utilities::Ternary_False;
    d->recordingMode.store(value);
    const quint32 code = codeOf(Utilities::arrRecordingModeVal, value);
    if (callSelectedAndMirrored(KVR_func_api_CameraMode_Set_Mode_Pos, code) == 1) {
        emit reflectFocusMode(value);
        return Utilities::Ternary_True;
    }
    emit settingErrorNotify();
    d->raw_modePos.store(quint16(codeOf(Utilities::arrRecordingModeVal, old)));
    if (d->recordingMode.store(old))
        emit recordingModeChanged(old);
    return Utilities::Ternary_False;
}

void DeviceAdapter::setFocusMode(Utilities::FocusMode value)
{
    (void)adp_KVR_func_api_AF_Config_Set_AF_Mode_Param(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_AF_Config_Set_AF_Mode_Param_Start(Utilities::FocusMode value)
{
    return enqueueCommand(WorkerCommandCode::SetFocusMode, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_AF_Config_Set_AF_Mode_Param(Utilities::FocusMode value)
{
    const Utilities::FocusMode old = focusMode();
    if (value == old)
        return Utilities::Ternary_False;
    d->focusMode.store(value);
    const quint32 code = codeOf(Utilities::arrFocModeVal, value);
    if (callSelectedAndMirrored(KVR_func_api_AF_Config_Set_AF_Mode_Param, code) == 1) {
        emit focusModeInnerChanged(value);
        return Utilities::Ternary_True;
    }
    emit settingErrorNotify();
    if (d->focusMode.store(old))
        emit focusModeChanged(old);
    return Utilities::Ternary_False;
}

// ---- movie exposure mode ----

void DeviceAdapter::setCreativeVideoAE(Utilities::CreativeVideoAE value)
{
    (void)adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param_Start(value);
}

void DeviceAdapter::setSQMotion(Utilities::CreativeVideoAE value)
{
    (void)adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param_Start(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param_Start(Utilities::CreativeVideoAE value)
{
    return enqueueCommand(WorkerCommandCode::SetCreativeVideoAE, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Set_C_Movie_mode_Param(Utilities::CreativeVideoAE value)
{
    return writeCreativeVideoAE(value, false);
}

Ternary DeviceAdapter::restoreCreativeVideoAE(Utilities::CreativeVideoAE value)
{
    return writeCreativeVideoAE(value, true);
}

Ternary DeviceAdapter::writeCreativeVideoAE(Utilities::CreativeVideoAE value, bool restoring)
{
    const Utilities::RecordingMode mode = recordingMode();
    if (mode >= Utilities::RM_ProgramAE && mode <= Utilities::RM_ManualExposure) {
        const int shot = shotModeStatus();
        if (shot != Utilities::Shot_Mode_Status_Movie && shot != Utilities::Shot_Mode_Status_Slow_Quick)
            return Utilities::Ternary_False;
        const Utilities::CreativeVideoAE old = creativeVideoAE();
        if (value == old)
            return Utilities::Ternary_False;
        d->creativeVideoAE.store(value);
        // The refused value was shown until now: the value put back is announced.
        if (restoring)
            emit creativeVideoAEChanged(value);
        // These modes take the value itself, not a table code.
        if (callSelectedAndMirrored(KVR_func_api_Mov_Config_Set_C_Movie_mode_Param, quint32(value)) == 1)
            return Utilities::Ternary_True;
        emit settingErrorNotify();
        d->raw_cMovieMode.store(quint16(old));
        if (restoring)
            return Utilities::Ternary_False;
        // The cameras that took the refused value go back too, through the
        // queue; a newer choice of the user already waiting makes it moot.
        withCallbackReceiver([&](DeviceAdapterCallback &receiver) {
            for (const CallbackQueueItem &item : receiver.pendingItems())
                if (item.cb_event_type == WorkerCommandCode::SetCreativeVideoAE)
                    return;
            receiver.pushArgumentLast(WorkerCommandCode::RestoreCreativeVideoAE, quint32(old), QString());
        });
        return Utilities::Ternary_False;
    }
    const quint32 code = codeOf(Utilities::arrCreativeVideoAEVal, value);
    if (mode == Utilities::RM_CreativeVideo) {
        const Utilities::CreativeVideoAE old = creativeVideoAE();
        if (value == old)
            return Utilities::Ternary_False;
        d->creativeVideoAE.store(value);
        if (callSelectedAndMirrored(KVR_func_api_Mov_Config_Set_C_Movie_mode_Param, code) == 1)
            return Utilities::Ternary_True;
        emit settingErrorNotify();
        d->raw_cMovieMode.store(quint16(codeOf(Utilities::arrCreativeVideoAEVal, old)));
        if (d->creativeVideoAE.store(old))
            emit creativeVideoAEChanged(old);
        return Utilities::Ternary_False;
    }
    if (mode == Utilities::RM_SQMotion) {
        const Utilities::CreativeVideoAE old = sqMotion();
        if (value == old)
            return Utilities::Ternary_False;
        d->sqMotion.store(value);
        // Slow and quick motion is the selected camera's alone.
        if (callSelectedCamera(KVR_func_api_Mov_Config_Set_C_Movie_mode_Param, code) == 1)
            return Utilities::Ternary_True;
        emit settingErrorNotify();
        d->raw_cMovieMode.store(quint16(codeOf(Utilities::arrCreativeVideoAEVal, old)));
        if (d->sqMotion.store(old))
            emit sqMotionChanged(old);
        return Utilities::Ternary_False;
    }
    return Utilities::Ternary_False;
}

// ---- interval mode ----

void DeviceAdapter::setIntervalMode(Utilities::IntervalMode value)
{
    (void)adp_KVR_func_api_IntervalInfo_Set_Mode_Start(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_Set_Mode_Start(Utilities::IntervalMode value)
{
    return enqueueCommand(WorkerCommandCode::SetIntervalMode, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_Set_Mode(Utilities::IntervalMode value)
{
    const Utilities::IntervalMode old = intervalMode();
    if (value == old)
        return Utilities::Ternary_False;
    d->intervalMode.store(value);
    const quint32 code = codeOf(Utilities::arrIntervalModeVal, value);
    if (callSelectedAndMirrored(KVR_func_api_IntervalInfo_Set_Mode, code) == 1)
        return Utilities::Ternary_True;
    emit settingErrorNotify();
    // The store operation also brings an interval drive mode in step.
    if (intervalMode() != old)
        setIntervalModeValue(old);
    return Utilities::Ternary_False;
}

// ---- 6K/4K photo mode: a burst kind and a frame rate ----

void DeviceAdapter::setPicture4K6K(Utilities::Picture4K6K value)
{
    (void)adp_KVR_func_api_CameraMode_Set_4k_Mode_Start(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Set_4k_Mode_Start(Utilities::Picture4K6K value)
{
    return enqueueCommand(WorkerCommandCode::SetPicture4K6K, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Set_4k_Mode(Utilities::Picture4K6K value)
{
    // A mode without a pair (Unknown, or anything QML made up) has no codes
    // to send: nothing is stored or sent.
    if (quint32(value) >= std::size(Utilities::arrPicture4K6KVal))
        return Utilities::Ternary_False;
    const Utilities::Picture4K6K old = picture4K6K();
    if (value == old)
        return Utilities::Ternary_False;
    d->picture4K6K.store(value);
    const Utilities::Picture4K6KCode pair = Utilities::arrPicture4K6KVal[std::size_t(value)];
    if (callPairSelectedAndMirrored(*this, KVR_func_api_CameraMode_Set_4k_Mode, pair.type,
                                    KVR_func_api_RecInfo_4K6K_Set_RecFormat_Param, pair.frameRate))
        return Utilities::Ternary_True;
    emit settingErrorNotify();
    if (d->picture4K6K.store(old))
        emit picture4K6KChanged(old);
    // A camera that took one half and refused the other is left in a mode
    // nobody chose: it gets its old pair back, and when it has none or
    // refuses it, both halves are read again, so that the camera and the
    // display agree.
    bool restored = false;
    if (quint32(old) < std::size(Utilities::arrPicture4K6KVal)) {
        const Utilities::Picture4K6KCode back = Utilities::arrPicture4K6KVal[std::size_t(old)];
        restored = callPair(*this, camera_list_get_selected_camera_uuid(), KVR_func_api_CameraMode_Set_4k_Mode,
                            back.type, KVR_func_api_RecInfo_4K6K_Set_RecFormat_Param, back.frameRate);
    }
    if (!restored) {
        (void)adp_KVR_func_api_CameraMode_Get_4k_Mode();
        (void)adp_KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param();
    }
    return Utilities::Ternary_False;
}

// ---- picture size: each mirrored camera gets its own code of the size ----

void DeviceAdapter::setPictureSize(int value)
{
    (void)adp_KVR_func_api_ImageInfo_Set_ImageSize_Start(value);
}

Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Set_ImageSize_Start(int value)
{
    return enqueueCommand(WorkerCommandCode::SetPictureSize, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Set_ImageSize(int value)
{
    const int old = pictureSize();
    if (value == old)
        return Utilities::Ternary_False;
    d->pictureSize.store(value);
    const quint8 result = callSelectedCamera(KVR_func_api_ImageInfo_Set_ImageSize, quint32(value));
    // Cameras name the same size (bits 8 to 11) by codes of their own: each
    // gets the first code of its list for that size, or nothing.
    const quint32 sizeClass = quint32(value) & 0x0F00u;
    auto record = std::make_unique<KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO>();
    forEachMirroredCamera([&](const QString &uuid) {
        const QByteArray id = uuid.toLocal8Bit();
        DeviceLock lock(*this, uuid);
        *record = KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO{};
        if (KVR_func_api_ImageInfo_GetCapability(record.get(), id.constData(), nullptr) != 1)
            return;
        const KVR_STRUCT_CAPA_LIST &sizes = record->size;
        const int n = capability::countedEntries(sizes);
        for (int i = 0; i < n; ++i) {
            const quint16 code = sizes.codes[i];
            if ((code & 0x0F00u) == sizeClass) {
                (void)KVR_func_api_ImageInfo_Set_ImageSize(code, id.constData(), nullptr);
                return;
            }
        }
    });
    if (result == 1) {
        emit pictureSizeInnerChanged(value);
        return Utilities::Ternary_True;
    }
    emit settingErrorNotify();
    if (d->pictureSize.store(old))
        emit pictureSizeChanged(old);
    return Utilities::Ternary_False;
}

// ---- HLG shooting type of one camera ----

void DeviceAdapter::setPscHlgShootingType(int value)
{
    if (value == pscHlgShootingType())
        return;
    (void)adp_KVR_func_api_HLG_Set_Cfg_Start(value, QString());
}

void DeviceAdapter::setPscHlgShootingTypeByUUID(QString device_uuid, int value)
{
    (void)adp_KVR_func_api_HLG_Set_Cfg_Start(value, device_uuid);
}

Ternary DeviceAdapter::adp_KVR_func_api_HLG_Set_Cfg_Start(int value, QString device_uuid)
{
    return enqueueCommand(WorkerCommandCode::SetHlgShootingType, quint32(value), device_uuid);
}

// Only the selected camera's type is kept; another camera's is written and
// left to be read back when asked.
Ternary DeviceAdapter::adp_KVR_func_api_HLG_Set_Cfg(int value, QString device_uuid)
{
    const QString selected = camera_list_get_selected_camera_uuid();
    const QString target = device_uuid.isEmpty() ? selected : device_uuid;
    const bool isSelected = target == selected;
    const int old = pscHlgShootingType();
    if (isSelected)
        d->pscHlgShootingType.store(value);
    const bool ok = callCamera(target, KVR_func_api_RecInfo_HLG_Set_Cfg, quint32(value)) == 1;
    if (!ok) {
        emit settingErrorNotify();
        // The store operation announces the old type and refreshes the mask.
        if (isSelected && pscHlgShootingType() != old)
            setHlgShootingTypeValue(old);
    } else if (isSelected) {
        emit pscHlgShootingTypeChanged(value);
        emit hlgShootingTypeChanged(uint(value));
    }
    if (isSelected)
        updateCopyPcMask();
    return Utilities::ternaryOf(ok);
}

// ---- both white-balance adjustments at once ----

void DeviceAdapter::setWbAdjust(Utilities::WhiteBalanceAdjust ab, Utilities::WhiteBalanceAdjust gm)
{
    // Or-ed, not added: a negative G-M would borrow from the A-B half.
    (void)adp_KVR_func_api_WB_Set_ADJ_Start(int((quint32(ab) << 16) | (quint32(gm) & 0xFFFFu)));
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Set_ADJ_Start(int value)
{
    return enqueueCommand(WorkerCommandCode::SetWbAdjust, quint32(value));
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Set_ADJ(int value)
{
    const auto ab = Utilities::WhiteBalanceAdjust(highHalf(value));
    const auto gm = Utilities::WhiteBalanceAdjust(lowHalf(value));
    const Utilities::WhiteBalanceAdjust oldAb = wbAdjustAB();
    const Utilities::WhiteBalanceAdjust oldGm = wbAdjustGM();
    if (ab == oldAb && gm == oldGm)
        return Utilities::Ternary_False;
    d->wbAdjustAB.store(ab);
    d->wbAdjustGM.store(gm);
    if (callPairSelectedAndMirrored(*this, KVR_func_api_WB_Set_ADJ_AB, codeOf(Utilities::arrWBAdjVal, ab),
                                    KVR_func_api_WB_Set_ADJ_GM, codeOf(Utilities::arrWBAdjVal, gm)))
        return Utilities::Ternary_True;
    emit settingErrorNotify();
    if (d->wbAdjustAB.store(oldAb))
        emit wbAdjustABChanged(oldAb);
    if (d->wbAdjustGM.store(oldGm))
        emit wbAdjustGMChanged(oldGm);
    return Utilities::Ternary_False;
}

// ---- photo-style backup, restore and delete ----

Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Backup_PhotoStyle_Req()
{
    return enqueuePhotoStyleBackupRequest(WorkerCommandCode::PhotoStyleBackup);
}

Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Restore_PhotoStyle_Req()
{
    return enqueuePhotoStyleBackupRequest(WorkerCommandCode::PhotoStyleRestore);
}

Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req()
{
    return enqueuePhotoStyleBackupRequest(WorkerCommandCode::PhotoStyleDeleteBackup);
}

// Each request is numbered: the queue drops an item equal to one still
// waiting, and a delete waiting from the last popup must not swallow this
// one's.
Ternary DeviceAdapter::enqueuePhotoStyleBackupRequest(quint32 code)
{
    return enqueueCommand(code, ++m_photoStyleRequestCount);
}

Ternary DeviceAdapter::runPhotoStyleBackupRequest(quint32 command)
{
    KVR_STRUCT_REC_CTRL ctrl{};
    ctrl.code = command;
    if (command != KVR_CMD_DEL_BACKUP_REQ) {
        ctrl.paramCount = 1;
        ctrl.params[0] = 1;
    }
    return Utilities::ternaryOf(callSelectedAndMirrored(KVR_func_api_Rec_Ctrl_Backup_Req, &ctrl) == 1);
}

} // namespace kavrotether
