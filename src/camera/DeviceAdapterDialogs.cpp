// DeviceAdapter: the back end's custom dialog.

#include "DeviceAdapter.h"

#include "core/CustomDialog.h"

namespace kavrotether {

void DeviceAdapter::trigger_window_dialog(Utilities::DialogType type, Utilities::IconType icon, bool isNoBtnFocus)
{
    if (m_customDialog)
        return;
    auto *dialog = new CustomDialog;
    m_customDialog = dialog;
    // The dialog must not outlive the adapter it answers to.
    connect(this, &QObject::destroyed, dialog, [dialog]() { delete dialog; });
    connect(dialog, &CustomDialog::accepted, this, &DeviceAdapter::customDialogOnAccepted);
    connect(dialog, &CustomDialog::finished, this, &DeviceAdapter::deleteCustomDialogObj);
    m_customDialog->dialogSetup(type, icon, isNoBtnFocus);
    m_customDialog->showDialog();
}

void DeviceAdapter::customDialogOnAccepted()
{
    if (!m_customDialog)
        return;
    switch (m_customDialog->getDialogType()) {
    case Utilities::PowerSaving_ConfirmationDialog:
        emit customDialogPowerSavingOnAcceptedSignal();
        break;
    case Utilities::FirmwareUpdate_ConfirmationDialog:
        emit customDialogFWOnAcceptedSignal();
        break;
    default:
        break;
    }
}

void DeviceAdapter::deleteCustomDialogObj()
{
    m_customDialog.clear();
}

} // namespace kavrotether
