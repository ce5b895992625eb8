#include "StillTransfer.h"

#include "ObjectCopy.h"
#include "ObjectNaming.h"
#include "ObjectStream.h"
#include "SafeFileWriter.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"

#include <memory>

namespace kavrotether {

namespace {

bool isTrue(Utilities::Ternary t)
{
    return t == Utilities::Ternary_True;
}

} // namespace

void ObjectReqTransfer::RequestInterruption()
{
    std::lock_guard<std::mutex> g(m_lock);
    m_interrupted = true;
}

bool ObjectReqTransfer::interrupted() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_interrupted;
}

// The files of one shot (same non-zero descriptor) share the number the
// first of them took, whichever arrives first.
bool ObjectReqTransfer::takesNewNumber(uint format, uint desc, bool rawOnly, const QString &uuid)
{
    if (desc == 0 && (format == naming::FormatJpeg || (format == naming::FormatRaw && rawOnly)))
        return true;
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (adapter->camera_list_get_objAssociatDesc(uuid) == desc)
        return false;
    adapter->camera_list_set_objAssociatDesc(uuid, desc);
    return true;
}

void ObjectReqTransfer::saveObject(uint handle, uint format, quint64 size, uint associationType, const QString &uuid)
{
    if (format == naming::FormatRaw) {
        saveRAW(handle, format, size, associationType, uuid);
        return;
    }
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    DeviceAdapter::StatusOfCards cards = DeviceAdapter::STOC_Undef;
    Utilities::FileTarget target = Utilities::FLTG_Unknown;
    if (adapter->adp_KVR_func_api_GetStatusOfCards(&cards, uuid) != 1
        || !isTrue(adapter->adp_KVR_func_api_SetupFilesConfig_Get_Target(&target, uuid)))
        return;
    // Without a usable card the computer keeps the picture whatever the
    // target says: it would be lost otherwise.
    const bool pcReceives = target == Utilities::FLTG_PcAndCamera || target == Utilities::FLTG_PcOnly;
    if (cards == DeviceAdapter::STOC_Normal && !pcReceives) {
        adapter->adp_KVR_func_api_Skip_Object_Transfer(handle, uuid);
        return;
    }
    uint desc = 0;
    if (!isTrue(adapter->adp_KVR_func_api_Get_Object_AssociatDesc(handle, &desc, uuid)))
        return;
    // The running number is stored once the picture is out.
    runningNumber::PersistAtEnd persist([this] { return interrupted(); });
    NamedFile file;
    if (!nameObject(naming::FormatJpeg, int(handle), takesNewNumber(format, desc, false, uuid), uuid, file, false)) {
        m_copy.reportFailure(uuid, QString(), QStringLiteral("no folder or name for a picture"), ObjectCopy::TF_Folder);
        return;
    }
    SafeFileWriter writer(file.filePath);
    if (!writer.open()) {
        m_copy.reportFailure(uuid, file.cameraName, writer.errorString(), ObjectCopy::TF_Write);
        return;
    }
    bool ok = true;
    QString reason;
    ChunkBuffer buffer;
    if (size > ObjectCopy::kChunkSize) {
        // A camera's size is not trusted with one allocation: large stills
        // take the chunked path.
        const StreamOutcome outcome =
            streamObject({adapter, uuid, handle, size, false}, writer, buffer, [this] { return interrupted(); });
        if (outcome == StreamOutcome::Interrupted) {
            writer.abort();
            return;
        }
        ok = outcome == StreamOutcome::Done;
        if (outcome == StreamOutcome::ReadFailed)
            reason = QStringLiteral("the camera did not deliver the picture");
    } else if (size > 0) {
        uchar *data = buffer.reserve(size);
        ok = isTrue(adapter->adp_KVR_func_api_Get_Object(handle, data, uint(size), uuid));
        if (interrupted()) {
            writer.abort();
            return;
        }
        if (!ok)
            reason = QStringLiteral("the camera did not deliver the picture");
        ok = ok && writer.write(data, qint64(size));
    }
    if (!ok || !commitNamed(writer, file)) {
        writer.abort();
        m_copy.reportFailure(uuid, file.cameraName, reason.isEmpty() ? writer.errorString() : reason,
                             reason.isEmpty() ? ObjectCopy::TF_Write : ObjectCopy::TF_CameraRead);
        return;
    }
    if (associationType == 0)
        m_copy.publishSavedPath(file.filePath);
}

void ObjectReqTransfer::saveRAW(uint handle, uint format, quint64 size, uint associationType, const QString &uuid)
{
    saveChunked(Kind::Raw, handle, format, size, associationType, uuid);
}

void ObjectReqTransfer::saveHLG(uint handle, uint format, quint64 size, uint associationType, const QString &uuid)
{
    saveChunked(Kind::Hlg, handle, format, size, associationType, uuid);
}

void ObjectReqTransfer::saveHEIF(uint handle, uint format, quint64 size, uint associationType, const QString &uuid)
{
    saveChunked(Kind::Heif, handle, format, size, associationType, uuid);
}

void ObjectReqTransfer::saveChunked(Kind kind, uint handle, uint format, quint64 size, uint associationType,
                                    const QString &uuid)
{
    static constexpr struct
    {
        uint format;
        int maskBit;
    } kKinds[] = {{naming::FormatRaw, DeviceAdapter::CM_RAW},
                  {naming::FormatHlg, DeviceAdapter::CM_HLG},
                  {naming::FormatHeif, DeviceAdapter::CM_HEIF}};
    const auto &kindRow = kKinds[int(kind)];
    if (format != kindRow.format)
        return;
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    const quint16 mask = adapter->getCopyPcMaskValByUUID(uuid);
    if (!(mask & kindRow.maskBit)) {
        adapter->adp_KVR_func_api_Skip_Object_Transfer(handle, uuid);
        return;
    }
    uint desc = 0;
    if (!isTrue(adapter->adp_KVR_func_api_Get_Object_AssociatDesc(handle, &desc, uuid)))
        return;
    Utilities::ImgInfoQuality quality = Utilities::ImgInfoQ_Unknown;
    if (kind == Kind::Raw)
        adapter->adp_KVR_func_api_ImageInfo_Get_ImageQuality(&quality, uuid);
    runningNumber::PersistAtEnd persist([this] { return interrupted(); });
    NamedFile file;
    const bool newNumber = takesNewNumber(format, desc, quality == Utilities::ImgInfoQ_Raw, uuid);
    if (!nameObject(format, int(handle), newNumber, uuid, file, false)) {
        m_copy.reportFailure(uuid, QString(), QStringLiteral("no folder or name for a picture"), ObjectCopy::TF_Folder);
        return;
    }
    SafeFileWriter writer(file.filePath);
    if (!writer.open()) {
        m_copy.reportFailure(uuid, file.cameraName, writer.errorString(), ObjectCopy::TF_Write);
        return;
    }
    ChunkBuffer buffer;
    const StreamOutcome outcome = streamObject({adapter, uuid, handle, size, false}, writer, buffer,
                                               [this] { return interrupted(); });
    if (outcome != StreamOutcome::Done || !commitNamed(writer, file)) {
        writer.abort();
        if (outcome == StreamOutcome::ReadFailed)
            m_copy.reportFailure(uuid, file.cameraName, QStringLiteral("the camera did not deliver the picture"),
                                 ObjectCopy::TF_CameraRead);
        else if (outcome != StreamOutcome::Interrupted)
            m_copy.reportFailure(uuid, file.cameraName, writer.errorString(), ObjectCopy::TF_Write);
        return;
    }

    bool preview = false;
    if (kind == Kind::Raw) {
        adapter->adp_KVR_func_api_ImageInfo_Get_ImageQuality(&quality, uuid);
        int hlg = DeviceAdapter::HlgShootingType_OFF;
        if (quality == Utilities::ImgInfoQ_Raw || quality == Utilities::ImgInfoQ_Raw_Heif_Fine
            || quality == Utilities::ImgInfoQ_Raw_Heif_Std)
            adapter->adp_KVR_func_api_RecInfo_HLG_Get_Cfg(&hlg, uuid);
        const bool hlgOff = hlg == DeviceAdapter::HlgShootingType_Unknown || hlg == DeviceAdapter::HlgShootingType_OFF;
        preview = hlgOff ? associationType == 0 : !(mask & (DeviceAdapter::CM_JPEG | DeviceAdapter::CM_HLG));
    } else if (kind == Kind::Hlg) {
        preview = associationType == 0 || !(mask & (DeviceAdapter::CM_JPEG | DeviceAdapter::CM_RAW));
    } else {
        preview = associationType == 0;
    }
    if (preview)
        m_copy.publishSavedPath(file.filePath);
}

} // namespace kavrotether
