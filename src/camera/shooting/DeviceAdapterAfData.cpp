// DeviceAdapter: the AF-frame and AF-information records of the selected
// camera, the readers that refresh parts of them and the overlay's reads.

#include "camera/DeviceAdapter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kavrotether {

namespace {

Utilities::Ternary anySuccess(quint8 result)
{
    return Utilities::ternaryOf(result != 0);
}

} // namespace

template<typename F>
int DeviceAdapter::withAfInfo(F &&f) const
{
    QMutexLocker g(&d->capabilityRecordLock);
    return f(d->capabilityRecords.afInfo);
}

template<typename F>
int DeviceAdapter::withAfFrame(F &&f) const
{
    QMutexLocker g(&d->capabilityRecordLock);
    return f(d->capabilityRecords.afFrame);
}

// ---- properties ----

int DeviceAdapter::afFrame_pos_X() const
{
    return d->afFrame_pos_X.load();
}

int DeviceAdapter::afFrame_pos_Y() const
{
    return d->afFrame_pos_Y.load();
}

void DeviceAdapter::setAfFrame_pos_X(int value)
{
    d->afFrame_pos_X.store(value);
}

void DeviceAdapter::setAfFrame_pos_Y(int value)
{
    d->afFrame_pos_Y.store(value);
}

void DeviceAdapter::setAfFrame_pos_XValue(int value)
{
    if (d->afFrame_pos_X.store(value))
        emit afFrame_pos_XChanged(value);
}

void DeviceAdapter::setAfFrame_pos_YValue(int value)
{
    if (d->afFrame_pos_Y.store(value))
        emit afFrame_pos_YChanged(value);
}

// The small-frame reader announces the state; the interface only notes it.
void DeviceAdapter::setSFrame_info(bool value)
{
    d->sFrame_info.store(value);
}

// ---- AF-frame readers ----

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_OnePoint_Frame()
{
    KVR_STRUCT_POS_UINT16 pos{};
    KVR_STRUCT_SIZE_UINT16 size{};
    quint16 value = 0;
    quint16 minimum = 0;
    const quint8 result = callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_Get_OnePoint_Frame, &pos, &size, &value,
                                             &minimum);
    if (result == 0)
        return Utilities::Ternary_False;
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.onePoint = {pos, size, value, minimum};
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame()
{
    KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO frame{};
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame, &frame) == 0)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.afFrame.pinPoint = frame;
    }
    // One magnification serves the three magnifiers; each is announced.
    const int magnify = frame.magnification / 10;
    setAf_magnifyValue(magnify);
    setMf_magnifyValue(magnify);
    setLvMag_magnifyValue(magnify);
    setAssistTypeValue(frame.assistType);
    setMfa_modeValue(frame.mfAssistMode);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame()
{
    quint16 index = 0;
    quint16 count = 0;
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame, &index, &count) == 0)
        return Utilities::Ternary_False;
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.multiPosIndex = index;
    d->capabilityRecords.afFrame.multiPosCount = count;
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame()
{
    quint16 index = 0;
    std::array<quint8, sizeof(KVR_STRUCT_AF_FRAME_CAPA_INFO::cmultiTable)> table{};
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame, &index, table.data()) == 0)
        return Utilities::Ternary_False;
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.cmultiIndex = index;
    std::memcpy(d->capabilityRecords.afFrame.cmultiTable, table.data(), table.size());
    return Utilities::Ternary_True;
}

// ---- AF-frame writers (the stored record only) ----

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Set_OnePoint_Frame(int posX, int posY, int, int)
{
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.onePoint.pos = {quint16(posX), quint16(posY)};
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Set_PinPoint_Frame(int posX, int posY, int, int)
{
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.pinPoint.posX = quint16(posX);
    d->capabilityRecords.afFrame.pinPoint.posY = quint16(posY);
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Set_Multi_AF_Frame(int posIndex)
{
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.multiPosIndex = quint16(posIndex);
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Set_CMulti_AF_Frame(int curIndex, uchar *table)
{
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.afFrame.cmultiIndex = quint16(curIndex);
    if (table)
        std::memcpy(d->capabilityRecords.afFrame.cmultiTable, table, sizeof d->capabilityRecords.afFrame.cmultiTable);
    return Utilities::Ternary_False;
}

// ---- magnification ----

void DeviceAdapter::setAf_magnify(int ratio)
{
    changeMagnification(Magnifier::Af, ratio);
}

void DeviceAdapter::setMf_magnify(int ratio)
{
    changeMagnification(Magnifier::Mf, ratio);
}

void DeviceAdapter::setLvMag_magnify(int ratio)
{
    changeMagnification(Magnifier::LvMag, ratio);
}

// The magnifier commands of the shooting table; the MF assist of a camera
// with the small AF frame magnifies through the point scope instead.
bool DeviceAdapter::sendMagnification(Magnifier magnifier, int direction, int step)
{
    constexpr quint16 kNoAssistPosition = 0xFFFF;
    constexpr int kPointScope = 3;
    constexpr int kMfAssist = 0;
    switch (magnifier) {
    case Magnifier::Af:
        return adp_KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_MAGNIFY(direction, step) == Utilities::Ternary_True;
    case Magnifier::LvMag:
        return adp_KVR_func_api_Rec_Ctrl_LV_Mag_SETRATIO_REQ(direction, step) == Utilities::Ternary_True;
    case Magnifier::Mf:
        break;
    }
    quint16 position = 0;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        position = d->capabilityRecords.afFrame.pinPoint.cursorX;
    }
    const bool smallFrame = afPointScopeEnable();
    if (smallFrame && (position == kNoAssistPosition || (assistType() != kPointScope && assistType() != kMfAssist)))
        return false;
    if (smallFrame && assistType() == kPointScope)
        return adp_KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_MAG_SETTING(direction, step) == Utilities::Ternary_True;
    return adp_KVR_func_api_Rec_Ctrl_MF_Assist_SETRATIO_REQ(direction, step) == Utilities::Ternary_True;
}

void DeviceAdapter::changeMagnification(Magnifier magnifier, int ratio)
{
    const int old = magnifier == Magnifier::Af   ? af_magnify()
                    : magnifier == Magnifier::Mf ? mf_magnify()
                                                 : lvMag_magnify();
    if (ratio == old)
        return;
    auto storeAll = [this](int value) {
        d->af_magnify.store(value);
        d->mf_magnify.store(value);
        d->lvMag_magnify.store(value);
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.afFrame.pinPoint.magnification = quint16(value * 10);
    };
    storeAll(ratio);
    if (!sendMagnification(magnifier, ratio > old ? 1 : 0, std::abs(ratio - old) * 10))
        storeAll(old);
    if (magnifier == Magnifier::Af)
        return;
    // The camera may have stopped short of the ratio asked for.
    auto record = std::make_unique<KVR_STRUCT_AF_FRAME_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_GetCapability, record.get()) != 1)
        return;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.afFrame = *record;
    }
    const int read = record->pinPoint.magnification / 10;
    d->af_magnify.store(read);
    d->mf_magnify.store(read);
    d->lvMag_magnify.store(read);
    if (magnifier == Magnifier::Mf)
        emit mf_magnifyChanged(read);
    else
        emit lvMag_magnifyChanged(read);
}

// ---- AF-information readers ----

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AF_Info_Get_Disp_Frame()
{
    KVR_STRUCT_AFINFO_DISP_FRAME frame{};
    const quint8 result = callSelectedCamera(KVR_func_api_AF_Info_Get_Disp_Frame, &frame);
    if (result != 0) {
        QMutexLocker g(&m_afReadRecordLock);
        m_afDispFrame = frame;
    }
    return anySuccess(result);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AF_Info_Get_FaceInfo()
{
    KVR_STRUCT_AFINFO_FACEINFO face{};
    const quint8 result = callSelectedCamera(KVR_func_api_AF_Info_Get_FaceInfo, &face);
    if (result == 0)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&m_afReadRecordLock);
        m_afFaceInfo = face;
    }
    setAfFrame_pos_XValue(face.afFrameX);
    setAfFrame_pos_YValue(face.afFrameY);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AF_Info_Get_TrackingInfo()
{
    KVR_STRUCT_AFINFO_TRACKINGINFO tracking{};
    const quint8 result = callSelectedCamera(KVR_func_api_AF_Info_Get_TrackingInfo, &tracking);
    if (result != 0) {
        QMutexLocker g(&m_afReadRecordLock);
        m_afTrackingInfo = tracking;
    }
    return anySuccess(result);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetEventTag(uint *pulParam, uint ulGetType)
{
    quint32 value = 0;
    if (callSelectedCamera(KVR_func_api_GetEventTag, &value, quint32(ulGetType)) != 1)
        return Utilities::Ternary_False;
    if (pulParam)
        *pulParam = value;
    return Utilities::Ternary_True;
}

// ---- the overlay's reads ----

#define KAVRO_AF_DEFINE_VALUE(record, name, expression) \
    int DeviceAdapter::name() const \
    { \
        return withAf##record([](const auto &r) { return int(expression); }); \
    }
#define KAVRO_AF_DEFINE_INDEXED(record, name, limit, fallback, expression) \
    int DeviceAdapter::name(int index) const \
    { \
        return withAf##record([index](const auto &r) { \
            const int i = index; \
            return i >= 0 && i < (limit) ? int(expression) : (fallback); \
        }); \
    }
#define KAVRO_AF_INFO_VALUE(name, expression) KAVRO_AF_DEFINE_VALUE(Info, name, expression)
#define KAVRO_AF_INFO_INDEX(name, limit, fallback, expression) \
    KAVRO_AF_DEFINE_INDEXED(Info, name, limit, fallback, expression)
#define KAVRO_AF_FRAME_VALUE(name, expression) KAVRO_AF_DEFINE_VALUE(Frame, name, expression)
#define KAVRO_AF_FRAME_INDEX(name, limit, fallback, expression) \
    KAVRO_AF_DEFINE_INDEXED(Frame, name, limit, fallback, expression)
KAVRO_AF_INFO_VALUES(KAVRO_AF_INFO_VALUE)
KAVRO_AF_INFO_INDEXED(KAVRO_AF_INFO_INDEX)
KAVRO_AF_FRAME_VALUES(KAVRO_AF_FRAME_VALUE)
KAVRO_AF_FRAME_INDEXED(KAVRO_AF_FRAME_INDEX)
#undef KAVRO_AF_FRAME_INDEX
#undef KAVRO_AF_FRAME_VALUE
#undef KAVRO_AF_INFO_INDEX
#undef KAVRO_AF_INFO_VALUE
#undef KAVRO_AF_DEFINE_INDEXED
#undef KAVRO_AF_DEFINE_VALUE

// Up to format 33 the grid is spread over 90 % of the picture and a frame
// covers two thirds of its cell; from 34 on the camera gives the sizes in
// sensor units with their scales.
namespace {

constexpr quint16 kScaledPdafFormat = 34;

quint64 baseOf(int size)
{
    return quint64(std::max(size, 0));
}

uint olderCell(int baseSize, quint16 count, double share)
{
    return count == 0 ? 0u : uint(std::max(baseSize, 0) * 0.9 / count * share);
}

uint scaledSize(int baseSize, quint16 size, quint16 sensor, quint32 scale, quint64 divisor)
{
    return sensor == 0 ? 0u : uint(baseOf(baseSize) * size / sensor * scale / divisor + 1);
}

} // namespace

uint DeviceAdapter::af_pdaf_frame_size_w(int baseSizeW, int) const
{
    return uint(withAfFrame([&](const KVR_STRUCT_AF_FRAME_CAPA_INFO &r) {
        return int(r.formatNumber < kScaledPdafFormat
                       ? olderCell(baseSizeW, r.pdafFrameCountX, 0.66)
                       : scaledSize(baseSizeW, r.pdafFrameWidth, r.sensorWidth, r.frameScaleX, 1000000));
    }));
}

uint DeviceAdapter::af_pdaf_frame_size_h(int, int baseSizeH) const
{
    return uint(withAfFrame([&](const KVR_STRUCT_AF_FRAME_CAPA_INFO &r) {
        return int(r.formatNumber < kScaledPdafFormat
                       ? olderCell(baseSizeH, r.pdafFrameCountY, 0.66)
                       : scaledSize(baseSizeH, r.pdafFrameHeight, r.sensorHeight, r.frameScaleY, 1000000));
    }));
}

uint DeviceAdapter::af_pdaf_cluster_x(int baseSize) const
{
    return uint(withAfFrame([&](const KVR_STRUCT_AF_FRAME_CAPA_INFO &r) {
        return int(r.formatNumber < kScaledPdafFormat
                       ? olderCell(baseSize, r.pdafFrameCountX, 1.0)
                       : scaledSize(baseSize, r.clusterWidth, r.sensorWidth, r.frameScaleX, 1000));
    }));
}

uint DeviceAdapter::af_pdaf_cluster_y(int baseSize) const
{
    return uint(withAfFrame([&](const KVR_STRUCT_AF_FRAME_CAPA_INFO &r) {
        return int(r.formatNumber < kScaledPdafFormat
                       ? olderCell(baseSize, r.pdafFrameCountY, 1.0)
                       : scaledSize(baseSize, r.clusterHeight, r.sensorHeight, r.frameScaleY, 1000));
    }));
}

int DeviceAdapter::lv_composite_shooting_information_remaining_time() const
{
    return int(lvCompositeShootingInformation().remainingTime);
}

int DeviceAdapter::lv_composite_shooting_information_number_completed_shots() const
{
    return int(lvCompositeShootingInformation().completedShots);
}

int DeviceAdapter::lv_composite_shooting_information_elapsed_shoot_time() const
{
    return int(lvCompositeShootingInformation().elapsedTime);
}

} // namespace kavrotether
