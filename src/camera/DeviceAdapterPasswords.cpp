// DeviceAdapter: passwords of network cameras. The cameras waiting for a
// password, the password dialog, and the saved scrambled passwords ("Cpl").

#include "DeviceAdapter.h"

#include <QApplication>
#include <QSettings>

#include "PasswordInput.h"

namespace kavrotether {

void DeviceAdapter::ptpip_enhance_security_update_pw_list(QString serialNo, QString encryptionPw)
{
    {
        QMutexLocker g(&d->savedPasswordMapLock);
        d->savedPasswordMap.insert(serialNo, encryptionPw);
    }
    auto file = DeviceAdapterData::openPasswordFile();
    file->setValue(serialNo, encryptionPw);
    file->sync();
    if (file->status() != QSettings::NoError)
        qWarning("DeviceAdapter: the password list could not be written");
}

QString DeviceAdapter::ptpip_enhance_security_get_saved_password(QString serialNo)
{
    QMutexLocker g(&d->savedPasswordMapLock);
    return d->savedPasswordMap.value(serialNo);
}

ulong DeviceAdapter::ptpip_enhance_security_get_device_encryption_key(QString serialNo)
{
    QMutexLocker g(&d->networkStateLock);
    return ulong(d->deviceKeyMap.value(serialNo, 0));
}

int DeviceAdapter::ptpip_enhance_security_get_number_of_error()
{
    QMutexLocker g(&d->networkStateLock);
    return int(d->passwordErrorList.size());
}

namespace {

// A widget needs a widget application; without one (a program or test that
// runs without windows) no dialog can be shown.
bool canShowWidgets()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

// The first waiting camera, or an empty entry.
DeviceAdapterData::PasswordErrorEntry firstEntry(DeviceAdapterData &data)
{
    QMutexLocker g(&data.networkStateLock);
    return data.passwordErrorList.isEmpty() ? DeviceAdapterData::PasswordErrorEntry() : data.passwordErrorList.first();
}

} // namespace

int DeviceAdapter::ptpip_enhance_security_get_error_device_index()
{
    return int(firstEntry(*d).devIndex);
}

int DeviceAdapter::ptpip_enhance_security_get_error_type()
{
    return int(firstEntry(*d).errorType);
}

ulong DeviceAdapter::ptpip_enhance_security_get_error_encryption_key()
{
    return ulong(firstEntry(*d).deviceKey);
}

QString DeviceAdapter::ptpip_enhance_security_get_error_friendly_name()
{
    return firstEntry(*d).friendlyName;
}

QString DeviceAdapter::ptpip_enhance_security_get_error_serial_number()
{
    return firstEntry(*d).serialNo;
}

void DeviceAdapter::ptpip_enhance_security_show_input_password_dialog()
{
    if (connectionType() == kConnectionUsb)
        return;
    if (cameraTableCount() >= kMaxCameras) {
        {
            QMutexLocker g(&d->networkStateLock);
            d->passwordErrorList.clear();
        }
        ptpip_enhance_security_close_password_dialog();
        return;
    }
    if (passwordDialog || !canShowWidgets())
        return;
    const DeviceAdapterData::PasswordErrorEntry entry = firstEntry(*d);
    auto *dialog = new PasswordInput(false, int(entry.devIndex), int(entry.errorType), entry.friendlyName,
                                     entry.serialNo, ulong(entry.deviceKey));
    passwordDialog = dialog;
    dialog->showDialog();
    dialog->activateWindow();
}

void DeviceAdapter::ptpip_enhance_security_show_change_password_dialog(int devIndex, QString serialNo)
{
    if (connectionType() == kConnectionUsb || passwordDialog || !canShowWidgets())
        return;
    QString name;
    CameraInfo saved;
    for (int i = 0; d->savedCameraList.entry(i, &saved); ++i) {
        if (camConnectDeviceStatus(i) != Utilities::Ternary_True || !camera_list_get_camera_power_mode(i))
            continue;
        if (saved.serialNo != serialNo)
            continue;
        name = saved.individualId.isEmpty() ? saved.modelName : saved.individualId;
        break;
    }
    auto *dialog = new PasswordInput(true, devIndex, 0, name, serialNo, 0);
    passwordDialog = dialog;
    dialog->showDialog();
    dialog->activateWindow();
}

void DeviceAdapter::ptpip_enhance_security_active_password_dialog()
{
    if (auto *dialog = qobject_cast<QWidget *>(passwordDialog))
        dialog->activateWindow();
}

void DeviceAdapter::ptpip_enhance_security_close_password_dialog()
{
    QObject *dialog = passwordDialog;
    passwordDialog = nullptr;
    // Called from inside the dialog's own handlers: it goes once they and
    // the event in progress have returned.
    if (dialog)
        dialog->deleteLater();
}

bool DeviceAdapter::ptpip_enhance_security_sent_password()
{
    {
        QMutexLocker g(&d->networkStateLock);
        if (!d->passwordErrorList.isEmpty()) {
            d->passwordErrorList.removeFirst();
            if (!d->passwordErrorList.isEmpty())
                return true;
        }
    }
    if (cameraTableCount() > 0) {
        if (camConnectStatus() == Utilities::CamConnectSts_Connecting)
            m_deviceSearch.startGetConnectInitData();
        return false;
    }
    // No camera connected: the connection ends in error, announced once.
    if (camConnectStatus() != Utilities::CamConnectSts_Error)
        setCamConnectStatusValue(Utilities::CamConnectSts_Error);
    return false;
}

void DeviceAdapter::clearPwInfoAndDialog()
{
    {
        QMutexLocker g(&d->networkStateLock);
        d->passwordErrorList.clear();
    }
    ptpip_enhance_security_close_password_dialog();
}

bool DeviceAdapter::isCheckingPtpipEnhanceSecurityInfo()
{
    QMutexLocker g(&d->networkStateLock);
    return !d->passwordErrorList.isEmpty();
}

} // namespace kavrotether
