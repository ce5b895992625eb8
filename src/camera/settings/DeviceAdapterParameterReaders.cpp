// PLACEHOLDER: replaced by the readers of this file.
#include "camera/DeviceAdapter.h"

namespace kavrotether {

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_Get_Interval_Mode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_C3_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_Exposure_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_4k_Mode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_4K6K_Info()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_Get_FocusSelect_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_iA_Mode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_CreativeMode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_Mode_Pos()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Aperture_GetParam()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SS_GetParam()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetJpegHeifMode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Get_ImageSize()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Get_ImageAspect()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_MeteringInfo_Get_Mode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_ExTelecon_Get_Cfg()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ISO_GetParam()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Exposure_GetParam()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetPhotoStyleInfo()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_C_Movie_mode_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Rec_mode_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_mode_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetupConfig_Get_SystemFreq_Mode()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetupFilesConfig_Get_Target()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_HDMI_mode_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_ExTelecon_mode_Param()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_WB_Info()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_GetParam()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_KSet()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_AB()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_GM()
{
    return Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_AB_Sep()
{
    return Utilities::Ternary_False;
}

void DeviceAdapter::setImgInfoQualityValue(Utilities::ImgInfoQuality value)
{
    if (d->imgInfoQuality.store(value))
        emit imgInfoQualityChanged(imgInfoQuality());
}

void DeviceAdapter::setHlgShootingTypeValue(int value)
{
    if (d->pscHlgShootingType.store(value))
        emit pscHlgShootingTypeChanged(pscHlgShootingType());
}

void DeviceAdapter::setIntervalModeValue(Utilities::IntervalMode value)
{
    if (d->intervalMode.store(value))
        emit intervalModeChanged(intervalMode());
}

void DeviceAdapter::setMovieFrameRateValue(uint value)
{
    if (d->movieFrameRate.store(value))
        emit movieFrameRateChanged(movieFrameRate());
}

void DeviceAdapter::setMoviePixelValue(uint value)
{
    if (d->moviePixel.store(value))
        emit moviePixelChanged(moviePixel());
}

void DeviceAdapter::setMovieCompressMethodValue(uint value)
{
    if (d->movieCompressMethod.store(value))
        emit movieCompressMethodChanged(movieCompressMethod());
}

void DeviceAdapter::setMovieBitRateValue(uint value)
{
    if (d->movieBitRate.store(value))
        emit movieBitRateChanged(movieBitRate());
}

void DeviceAdapter::setMovieVFRValue(uint value)
{
    if (d->movieVFR.store(value))
        emit movieVFRChanged(movieVFR());
}

void DeviceAdapter::setMovieHLGValue(uint value)
{
    if (d->movieHLG.store(value))
        emit movieHLGChanged(movieHLG());
}

} // namespace kavrotether
