// AF frames, AF information, lens zoom and the live-view stream formats.
#include "sim.h"

#include <algorithm>
#include <cstring>

using namespace kvrsim_internal;

namespace {

// The fixed geometry every simulated camera reports.
KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO pinpoint()
{
    KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO p;
    std::memset(&p, 0, sizeof p);
    p.posX = 500;
    p.posY = 500;
    p.width = 100;
    p.height = 100;
    p.mfAssistMode = 0;
    p.magnification = 50;
    p.cursorX = 500;
    p.cursorY = 500;
    p.upperLeftX = 400;
    p.upperLeftY = 400;
    p.lowerRightX = 600;
    p.lowerRightY = 600;
    p.centerX = 500;
    p.centerY = 500;
    p.areaWidth = 200;
    p.areaHeight = 200;
    p.assistType = 0;
    return p;
}

const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG recommended[3] = {
    {(640u << 16) | 480u, 0, 0},
    {(1280u << 16) | 720u, 0, 0},
    {(1920u << 16) | 1080u, 0, 0},
};

} // namespace

extern "C" {

uint8_t KVR_func_api_RecInfo_AF_Frame_GetCapability(KVR_STRUCT_AF_FRAME_CAPA_INFO *capa, const char *uuid,
                                                    uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    for (auto &list : capa->lists)
        std::memset(list.codes, 0xFF, sizeof list.codes);
    capa->onePoint.pos = {500, 500};
    capa->onePoint.size = {100, 100};
    capa->onePoint.value = 1;
    capa->onePoint.minimum = 50;
    capa->multiPosIndex = 0;
    capa->multiPosCount = 49;
    capa->pinPoint = pinpoint();
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame(KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO *frame, const char *uuid,
                                                      uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!frame)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *frame = {400, 400, 200, 200, 450, 450, 100, 100};
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_OnePoint_Frame(KVR_STRUCT_POS_UINT16 *pos, KVR_STRUCT_SIZE_UINT16 *size,
                                                         uint16_t *value, uint16_t *minimum, const char *uuid,
                                                         uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!pos || !size || !value || !minimum)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *pos = {500, 500};
    *size = {100, 100};
    *value = 1;
    *minimum = 50;
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame(KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO *frame, const char *uuid,
                                                         uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!frame)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *frame = pinpoint();
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame(uint16_t *posIndex, uint16_t *posCount, const char *uuid,
                                                         uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!posIndex || !posCount)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *posIndex = 0;
    *posCount = 49;
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame(uint16_t *curIndex, uint8_t *table, const char *uuid,
                                                          uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!curIndex || !table)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *curIndex = 0;
    std::memset(table, 0, KVR_CMULTI_TABLE_SIZE);
    return call.succeed();
}

uint8_t KVR_func_api_GetAFInfo(KVR_STRUCT_AF_INFO *info, uint32_t tag, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info || tag != KVR_TAG_AF_INFO)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    info->afState = call.camera()->status.afState;
    // A camera in focus reports the phase-detection frame it focused with
    // (numbered by its AF state, so a state change moves it).
    if (info->afState != 0) {
        info->pdafFrameCount = 1;
        info->pdafFrames[0] = static_cast<uint8_t>(info->afState);
    }
    return call.succeed();
}

uint8_t KVR_func_api_AF_Info_Get_Disp_Frame(KVR_STRUCT_AFINFO_DISP_FRAME *frame, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!frame)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(frame, 0, sizeof *frame);
    return call.succeed();
}

uint8_t KVR_func_api_AF_Info_Get_FaceInfo(KVR_STRUCT_AFINFO_FACEINFO *face, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!face)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(face, 0, sizeof *face);
    face->afFrameX = 500;
    face->afFrameY = 500;
    return call.succeed();
}

uint8_t KVR_func_api_AF_Info_Get_TrackingInfo(KVR_STRUCT_AFINFO_TRACKINGINFO *tracking, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!tracking)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(tracking, 0, sizeof *tracking);
    return call.succeed();
}

uint8_t KVR_func_api_LensZoomInfo_GetCapability(KVR_STRUCT_LENS_ZOOM_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    const kvrsim::LensState &lens = call.camera()->lens;
    capa->focalLength = lens.focalLength;
    capa->teleEnd = lens.teleEnd;
    capa->wideEnd = lens.wideEnd;
    capa->zoomControl = 1;
    return call.succeed();
}

uint8_t KVR_func_api_LensZoom_Get_Info(KVR_STRUCT_LENS_ZOOM_SET_INFO *info, uint32_t tag, const char *uuid,
                                       uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info || tag != KVR_TAG_LENS_ZOOM)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    const kvrsim::LensState &lens = call.camera()->lens;
    info->focalLength = lens.focalLength;
    info->teleEnd = lens.teleEnd;
    info->wideEnd = lens.wideEnd;
    info->zoomControl = 1;
    return call.succeed();
}

uint8_t KVR_func_api_LiveView_Str_Get_Recom_Img(KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG *recom, const char *uuid,
                                                uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!recom)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(recom, 0, sizeof *recom);
    recom->count = 3;
    std::copy(std::begin(recommended), std::end(recommended), recom->entries);
    return call.succeed();
}

uint8_t KVR_func_api_LiveView_Str_Get_Trans_Img(KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *trans, const char *uuid,
                                                uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!trans)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *trans = call.camera()->transImg;
    return call.succeed();
}

uint8_t KVR_func_api_LiveView_Str_Set_Trans_Img(KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG trans, const char *uuid,
                                                uint32_t *err)
{
    KVR_CALL(uuid, err);
    for (const auto &r : recommended) {
        if (r.size == trans.size) {
            call.camera()->transImg = trans;
            return call.succeed();
        }
    }
    return call.fail(KVR_ERR_REFUSED);
}

} // extern "C"
