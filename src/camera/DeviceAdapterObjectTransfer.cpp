#include "DeviceAdapter.h"

namespace kavrotether {

namespace {

Utilities::Ternary ternary(quint8 result)
{
    return result != 0 ? Utilities::Ternary_True : Utilities::Ternary_False;
}

// The per-object calls address the selected camera when given no UUID.
QString cameraOf(DeviceAdapter &adapter, const QString &uuid)
{
    return uuid.isEmpty() ? adapter.camera_list_get_selected_camera_uuid() : uuid;
}

// Reads one value of an object; the caller's out-argument gets it (0 when
// the camera did not answer), as every such call of the interface expects.
template<typename Value, typename Out, typename Call>
Utilities::Ternary readValue(Out *out, Call call)
{
    Value value = 0;
    const quint8 r = call(&value);
    if (out)
        *out = Out(value);
    return ternary(r);
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object_FormatType(uint ObjHandle, uint *pFormatType,
                                                                         QString device_uuid)
{
    return readValue<quint32>(pFormatType, [&](quint32 *value) {
        return callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object_FormatType, quint32(ObjHandle), value);
    });
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object_AssociatType(uint ObjHandle, uint *pAssociatType,
                                                                           QString device_uuid)
{
    return readValue<quint32>(pAssociatType, [&](quint32 *value) {
        return callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object_AssociatType, quint32(ObjHandle),
                          value);
    });
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object_AssociatDesc(uint ObjHandle, uint *pAssociatDesc,
                                                                           QString device_uuid)
{
    return readValue<quint32>(pAssociatDesc, [&](quint32 *value) {
        return callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object_AssociatDesc, quint32(ObjHandle),
                          value);
    });
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object_DataSize(uint ObjHandle, quint64 *pDataSize,
                                                                       QString device_uuid)
{
    return readValue<uint64_t>(pDataSize, [&](uint64_t *value) {
        return callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object_DataSize, quint32(ObjHandle), value);
    });
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object(uint ObjHandle, uchar *lpStoreBufAdder, uint StoreBufSize,
                                                              QString device_uuid)
{
    return ternary(callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object, quint32(ObjHandle),
                              lpStoreBufAdder, quint32(StoreBufSize)));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Partial_Object(uint ObjHandle, uchar *lpStoreBufAdder,
                                                                      uint ui32_DataOffset, uint u32_SplitTransferBytes,
                                                                      QString device_uuid)
{
    return ternary(callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Partial_Object, quint32(ObjHandle),
                              lpStoreBufAdder, quint32(ui32_DataOffset), quint32(u32_SplitTransferBytes)));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Partial_ObjectEx(uint ObjHandle, uchar *lpStoreBufAdder,
                                                                        quint64 ui64_DataOffset,
                                                                        uint u32_SplitTransferBytes,
                                                                        QString device_uuid)
{
    return ternary(callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Partial_ObjectEx, quint32(ObjHandle),
                              lpStoreBufAdder, uint64_t(ui64_DataOffset), quint32(u32_SplitTransferBytes)));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Skip_Object_Transfer(uint ObjHandle, QString device_uuid)
{
    return ternary(callCamera(cameraOf(*this, device_uuid), KVR_func_api_Skip_Object_Transfer, quint32(ObjHandle)));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Get_Object_FileName(uint ObjHandle,
                                                                       KVR_STRUCT_PTP_ARRAY_STRING *pFileName,
                                                                       QString device_uuid)
{
    return ternary(
        callCamera(cameraOf(*this, device_uuid), KVR_func_api_Get_Object_FileName, quint32(ObjHandle), pFileName));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_4k6k_Cutting_GetNumOfFrames(uint *pulParam)
{
    quint32 value = 0;
    const quint8 r = callSelectedCamera(KVR_func_api_4k6k_Cutting_GetNumOfFrames, &value);
    if (pulParam)
        *pulParam = value;
    return ternary(r);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(uchar *pJpegBuf, uint *pJpegSize)
{
    quint32 size = pJpegSize ? quint32(*pJpegSize) : 0;
    const quint8 r = callSelectedCamera(KVR_func_api_4k6k_Cutting_Get_StreamFrame_data, pJpegBuf, &size);
    if (pJpegSize)
        *pJpegSize = size;
    return ternary(r);
}

} // namespace kavrotether
