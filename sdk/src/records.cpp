// AF frames, AF information, lens zoom and the live-view stream formats.
#include "sim.h"

#include <algorithm>
#include <cstring>

using namespace kvrsim_internal;

namespace {

// The pinpoint geometry every simulated camera reports, at its magnification.
KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO pinpoint(const Camera &camera)
{
    KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO p;
    std::memset(&p, 0, sizeof p);
    p.posX = 500;
    p.posY = 500;
    p.width = 100;
    p.height = 100;
    p.mfAssistMode = 0;
    // The record carries hundredths; the camera keeps tenths.
    p.magnification = static_cast<uint16_t>(camera.magnification * 10);
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

uint16_t clampThousandths(int v)
{
    return static_cast<uint16_t>(std::clamp(v, 0, 1000));
}

// A scene that moves on with every read: up to three faces drifting across
// the picture, a body under the first, the 225-area grid with the frames
// around the focus point lit while the camera is focused, and on the
// cameras with phase-detection display its grid as well.
void fillAfInfo(Camera &camera, KVR_STRUCT_AF_INFO &info)
{
    std::memset(&info, 0, sizeof info);
    const uint32_t step = camera.afInfoReads++;
    const uint16_t state = camera.status.afState;
    info.afStatus = state == 0 ? 65535u : state;
    const bool focused = state != 0;

    const uint16_t faces = static_cast<uint16_t>(1 + (step + static_cast<uint32_t>(camera.index)) % 3);
    info.faceDetectNum = faces;
    for (uint16_t i = 0; i < faces; ++i) {
        KVR_STRUCT_AF_FACE_DETECT &f = info.faces[i];
        f.faceId = static_cast<uint16_t>(i + 1);
        f.posX = clampThousandths(250 + 250 * i + static_cast<int>(step % 40) * 5 - 100);
        f.posY = clampThousandths(400 + 30 * i + static_cast<int>(step % 20) * 4);
        f.lengthX = static_cast<uint16_t>(120 - 20 * i);
        f.lengthY = static_cast<uint16_t>(160 - 25 * i);
        f.priority = i;
        f.status = i == 0 && focused ? 2 : 1;
        f.userId = i == 0 ? 1 : 0;
    }
    const KVR_STRUCT_AF_FACE_DETECT &first = info.faces[0];
    info.faceSeqBasePosX = first.posX;
    info.faceSeqBasePosY = first.posY;
    info.faceAspect = 1;
    info.faceDir = static_cast<uint16_t>(step % 3);
    info.eyeLeftPosX = clampThousandths(first.posX - first.lengthX / 4);
    info.eyeLeftPosY = clampThousandths(first.posY - first.lengthY / 6);
    info.eyeRightPosX = clampThousandths(first.posX + first.lengthX / 4);
    info.eyeRightPosY = info.eyeLeftPosY;
    info.eyeStatus = focused ? 1 : 0;

    info.humanSeqBasePosX = first.posX;
    info.humanSeqBasePosY = first.posY;
    info.humanFirst = 0;
    KVR_STRUCT_AF_HUMAN_DETECT &body = info.humans[0];
    body.leftTopX = clampThousandths(first.posX - first.lengthX);
    body.leftTopY = clampThousandths(first.posY - first.lengthY / 2);
    body.rightBottomX = clampThousandths(first.posX + first.lengthX);
    body.rightBottomY = clampThousandths(first.posY + 3 * first.lengthY);
    body.confidence = static_cast<uint16_t>(60 + step % 40);
    body.status = 1;

    info.trackingAreaWidth = 1000;
    info.trackingAreaHeight = 1000;
    info.trackingImgWidth = first.lengthX;
    info.trackingImgHeight = first.lengthY;
    info.trackingPosX = first.posX;
    info.trackingPosY = first.posY;
    info.afType = 1;
    info.subjectSelectMode = 0;

    // 225 frames; the 3 x 3 block around the centre is green when focused.
    info.dispNum = 225;
    for (int row = 6; row <= 8 && focused; ++row) {
        for (int col = 6; col <= 8; ++col)
            info.dispInfo[row * 15 + col] = 1;
    }
    if (camera.index % 2 == 0) {
        info.pdafInfo = 1;
        info.pdafDispNum = 35 * 19;
        const int centre = 9 * 35 + 17 + static_cast<int>(step % 5) - 2;
        for (int d = -1; d <= 1 && focused; ++d)
            info.pdafDispInfo[centre + d] = 1;
    }
    // A camera in focus reports the phase-detection frame it focused with
    // (numbered by its AF state, so a state change moves it).
    if (focused) {
        info.pdafFrameCount = 1;
        info.pdafFrames[0] = static_cast<uint8_t>(state);
    }
}

const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG recommended[3] = {
    {(640u << 16) | 480u, 0, 0},
    {(1280u << 16) | 720u, 0, 0},
    {(1920u << 16) | 1080u, 0, 0},
};

} // namespace

bool kvrsim_internal::applyMagnification(Camera &camera, uint32_t code, const int32_t *params, uint16_t count)
{
    if (code != KVR_CMD_AF_AE_PINPOINT_AF_MAGNIFY && code != KVR_CMD_MF_ASSIST_SETRATIO_REQ
        && code != KVR_CMD_LV_MAG_SETRATIO_REQ && code != KVR_CMD_AF_AE2_PSCOPE_MAG_SETTING)
        return false;
    if (count < 2)
        return true;
    // Parameters: direction (1 larger, 0 smaller), then the step in
    // hundredths, as the records report it; the three-word forms carry a 0
    // between them.
    const int step = std::clamp(params[count >= 3 ? 2 : 1], 0, 1000) / 10;
    const int next = camera.magnification + (params[0] == 1 ? step : -step);
    camera.magnification = static_cast<uint16_t>(std::clamp(next, 10, 100));
    return true;
}

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
    capa->multiPosIndex = 112; // the centre of the 15 x 15 grid
    capa->multiPosCount = 3;
    // A full-frame sensor's grids; the even-numbered cameras report the
    // newer format with the scaled phase-detection geometry.
    const bool scaled = call.camera()->index % 2 == 0;
    capa->formatNumber = scaled ? 34 : 33;
    capa->afFrameCountX = 19;
    capa->afFrameCountY = 15;
    capa->pdafFrameCountX = 35;
    capa->pdafFrameCountY = 19;
    capa->pdafFrameWidth = scaled ? 16500 : 0;
    capa->pdafFrameHeight = scaled ? 11000 : 0;
    capa->sensorWidth = scaled ? 600 : 0;
    capa->sensorHeight = scaled ? 400 : 0;
    capa->frameScaleX = scaled ? 1000 : 0;
    capa->frameScaleY = scaled ? 1000 : 0;
    capa->clusterWidth = scaled ? 25 : 0;
    capa->clusterHeight = scaled ? 40 : 0;
    capa->trackingFramePosX = 500;
    capa->trackingFramePosY = 500;
    capa->pinPoint = pinpoint(*call.camera());
    capa->cmultiIndex = 2;
    // A custom area: a 5 x 3 block around the centre of the 15 x 15 grid.
    for (int row = 6; row <= 8; ++row) {
        for (int col = 5; col <= 9; ++col)
            capa->cmultiTable[row * 15 + col] = 1;
    }
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
    *frame = pinpoint(*call.camera());
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame(uint16_t *posIndex, uint16_t *posCount, const char *uuid,
                                                         uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!posIndex || !posCount)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *posIndex = 112;
    *posCount = 3;
    return call.succeed();
}

uint8_t KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame(uint16_t *curIndex, uint8_t *table, const char *uuid,
                                                          uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!curIndex || !table)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *curIndex = 2;
    std::memset(table, 0, KVR_CMULTI_TABLE_SIZE);
    for (int row = 6; row <= 8; ++row) {
        for (int col = 5; col <= 9; ++col)
            table[row * 15 + col] = 1;
    }
    return call.succeed();
}

uint8_t KVR_func_api_GetAFInfo(KVR_STRUCT_AF_INFO *info, uint32_t tag, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info || tag != KVR_TAG_AF_INFO)
        return call.fail(KVR_ERR_INVALID_PARAM);
    fillAfInfo(*call.camera(), *info);
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
