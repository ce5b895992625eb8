#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>

#include "core/Utilities.h" // see the Utilities block in the class

#include "DeviceSearch.h"

namespace kavrotether {

class CustomDialog;
class DeviceSearch;
class LiveViewManager;
class VideoAdapter;

// The camera-facing object: its properties mirror the selected camera.
class DeviceAdapter : public QObject
{
    Q_OBJECT
    // --- Utilities keys through Kv.DeviceAdapter (keep this block whole) ---
    // QML resolves Kv.DeviceAdapter.<key> in this class's enumerations and in those of
    // the classes moc lists as related; moc lists a class there when a property's
    // type is scoped by it and it has seen that class (hence the include).
    Q_PROPERTY(kavrotether::Utilities::Ternary vocabulary READ vocabulary CONSTANT)
public:
    kavrotether::Utilities::Ternary vocabulary() const { return kavrotether::Utilities::Ternary_Unknown; }
    // --- end of block ---
    Q_PROPERTY(kavrotether::DeviceSearch *deviceSearch READ deviceSearch CONSTANT)
public:
    explicit DeviceAdapter(QObject *parent = nullptr);
    ~DeviceAdapter() override;

    LiveViewManager *liveViewManager() const { return m_liveViewManager; }
    VideoAdapter *videoAdapter() const { return m_videoAdapter; }
    DeviceSearch *deviceSearch() const { return m_deviceSearch; }
    bool isMultiviewMode() const { return m_multiview; }

    void camera_list_load_setting_file();
    void ptpip_enhance_security_load_pw_list();

    Q_INVOKABLE int adp_KVR_func_api_Init();
    Q_INVOKABLE int adp_KVR_func_api_Finish();
    // Asks the event worker to stop and waits (bounded) until it has left.
    Q_INVOKABLE void stopCallbackThread();
    // Shutdown after the event loop: the QML normally finishes the SDK itself,
    // but a loop that ended some other way must not leave it running.
    void finishSdkIfInitialised();

    // ---- custom dialog (DeviceAdapterDialogs.cpp) ----
public:
    // Opens the back end's confirmation / result window unless one is open.
    void trigger_window_dialog(Utilities::DialogType type, Utilities::IconType icon,
                               bool isNoBtnFocus);
    // The open dialog was answered with Yes.
    void customDialogOnAccepted();
    // The open dialog has closed; it deletes itself.
    void deleteCustomDialogObj();
signals:
    void customDialogPowerSavingOnAcceptedSignal();
    void customDialogFWOnAcceptedSignal();
private:
    // Guarded: the dialog deletes itself, so the reference may not outlive it.
    QPointer<CustomDialog> m_customDialog;
    // ---- end custom dialog ----

private:
    LiveViewManager *m_liveViewManager;
    VideoAdapter *m_videoAdapter;
    DeviceSearch *m_deviceSearch;
    bool m_multiview = false;
    QMutex m_sdkMutex;
    bool m_sdkInitialised = false;
};

} // namespace kavrotether
