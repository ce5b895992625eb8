// DeviceAdapter: camera setting files, the camera's own set-up data carried
// between one camera and a file and back into one or several cameras.

#include "camera/DeviceAdapter.h"

#include <QFile>

#include <algorithm>

#include "core/CheckedFiles.h"

namespace kavrotether {

namespace {

// What the program gives a camera to fill, and the most a restore sends.
constexpr quint32 kSetupFileCapacity = KVR_SETUP_FILE_MAX_SIZE;
const QString kAllCameras = QStringLiteral("ALL");
const QString kSelectedCameras = QStringLiteral("SELECTED");

quint8 *bytesOf(QByteArray &buffer)
{
    return reinterpret_cast<quint8 *>(buffer.data());
}

} // namespace

Utilities::Ternary DeviceAdapter::setup_file_config_setting_save_setting(QString device_uuid, QString filePath)
{
    // Never an empty UUID: the lock guard would read it as the selected camera.
    if (device_uuid.isEmpty() || filePath.isEmpty())
        return Utilities::Ternary_False;
    QByteArray buffer(qsizetype(kSetupFileCapacity), Qt::Uninitialized);
    KVR_STRUCT_SETUP_FILES_CFG_SET_DATA record{};
    record.data = bytesOf(buffer);
    record.capacity = kSetupFileCapacity;
    if (callCamera(device_uuid, KVR_func_api_SetupFilesConfigSetting_Get_Data, &record) != 1)
        return Utilities::Ternary_False;
    // A length beyond what the camera was given cannot all be in the buffer:
    // such a file would hold bytes the camera never wrote.
    if (record.length > record.capacity)
        return Utilities::Ternary_False;

    // Written beside the target and moved over it only once every byte is
    // on disk, so a failed save never leaves a cut file under the user's name.
    return Utilities::ternaryOf(
        checkedfiles::saveWhole(filePath, QByteArrayView(buffer.constData(), qsizetype(record.length))));
}

Utilities::Ternary DeviceAdapter::setup_file_config_setting_restore_setting(QString device_uuid, QString filePath)
{
    if (device_uuid.isEmpty())
        return Utilities::Ternary_False;
    // The whole file or nothing: one larger than a camera takes, or one that
    // cannot be read, reaches no camera; nor does anything but a file.
    QFile file(filePath);
    if (!checkedfiles::openRegularForReading(file) || file.size() > qint64(kSetupFileCapacity))
        return Utilities::Ternary_False;
    QByteArray data(qsizetype(kSetupFileCapacity), '\0');
    const qint64 length = file.read(data.data(), qint64(kSetupFileCapacity));
    char more;
    // A file that grew meanwhile, or a device, may hold more than its size said.
    if (length < 0 || file.read(&more, 1) != 0)
        return Utilities::Ternary_False;
    file.close();
    QByteArray info(qsizetype(kSetupFileCapacity), '\0');

    if (device_uuid != kAllCameras && device_uuid != kSelectedCameras)
        return restoreSettingFile(device_uuid, data, quint32(length), info) ? Utilities::Ternary_True
                                                                            : Utilities::Ternary_False;

    // "ALL" takes the powered cameras of the saved list, "SELECTED" those
    // that take commands; the selected camera is judged like the others.
    const bool all = device_uuid == kAllCameras;
    const QString selected = camera_list_get_selected_camera_uuid();
    const QStringList saved = all ? d->savedCameraList.serials() : QStringList();
    bool taken = false;
    QMutexLocker g(&d->cameraTableMutex);
    QStringList targets;
    const auto own = d->cameraTable.constFind(selected);
    if (own != d->cameraTable.cend() && own->powerOnMode != 0
        && (all ? !own->serialNo.isEmpty() && saved.contains(own->serialNo) : own->sendCmdEnable != 0))
        targets << selected;
    forEachMirroredCamera(all, !all, [&](const QString &uuid) { targets << uuid; });
    std::sort(targets.begin(), targets.end());
    for (const QString &uuid : std::as_const(targets))
        taken = restoreSettingFile(uuid, data, quint32(length), info) || taken;
    return Utilities::ternaryOf(taken);
}

bool DeviceAdapter::restoreSettingFile(const QString &uuid, QByteArray &data, quint32 length, QByteArray &infoBuffer)
{
    const QByteArray id = uuid.toLocal8Bit();
    DeviceLock lock(*this, uuid);
    // Cleared for every camera: a size another camera reported is never
    // taken for this one's limit.
    KVR_STRUCT_SETUP_FILES_CFG_SET_INFO info{};
    info.buffer = bytesOf(infoBuffer);
    info.capacity = kSetupFileCapacity;
    if (KVR_func_api_SetupFilesConfigSetting_Get_Info(&info, KVR_TAG_SETUP_FILES_INFO, id.constData(), nullptr) != 1)
        return false;
    KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE compatible{};
    KVR_STRUCT_SETUP_FILES_CFG_MAX_RECV_BUFF maxRecv{};
    const bool compatibleRead = KVR_func_api_SetupFilesConfigSetting_Get_Compatible(&compatible, id.constData(),
                                                                                    nullptr)
                                == 1;
    const bool maxRead = KVR_func_api_SetupFilesConfigSetting_Get_MaxRecvBuff(&maxRecv, id.constData(), nullptr) == 1;
    const quint32 limit = compatibleRead && maxRead && compatible.compatible == 1 ? maxRecv.maxSize : info.settingsSize;
    if (length > limit)
        return false;
    KVR_STRUCT_SETUP_FILES_CFG_SET_DATA record{};
    record.length = length;
    record.data = bytesOf(data);
    record.capacity = kSetupFileCapacity;
    return KVR_func_api_SetupFilesConfigSetting_Set_Data(record, id.constData(), nullptr) == 1;
}

} // namespace kavrotether
