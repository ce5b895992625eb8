#include "DeviceAdapter.h"

#include <QMutexLocker>

#include "DeviceSearch.h"
#include "Kvrptpif.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"

namespace kavrotether {

DeviceAdapter::DeviceAdapter(QObject *parent)
    : QObject(parent)
    , m_liveViewManager(new LiveViewManager(this))
    , m_videoAdapter(new VideoAdapter(this))
    , m_deviceSearch(new DeviceSearch(this))
{
    m_liveViewManager->SetVideoAdapter(m_videoAdapter);
}

DeviceAdapter::~DeviceAdapter()
{
    m_liveViewManager->ForceStop();
    m_videoAdapter->ForceStop();
}

void DeviceAdapter::camera_list_load_setting_file() {}

void DeviceAdapter::ptpip_enhance_security_load_pw_list() {}

int DeviceAdapter::adp_KVR_func_api_Init()
{
    QMutexLocker g(&m_sdkMutex);
    (void)KVR_func_api_Init();
    m_sdkInitialised = true;
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Finish()
{
    QMutexLocker g(&m_sdkMutex);
    const bool ok = KVR_func_api_Finish() == 1;
    if (ok)
        m_sdkInitialised = false;
    return ok ? 1 : 0;
}

void DeviceAdapter::stopCallbackThread() {}

void DeviceAdapter::finishSdkIfInitialised()
{
    bool initialised;
    {
        QMutexLocker g(&m_sdkMutex);
        initialised = m_sdkInitialised;
    }
    if (initialised)
        adp_KVR_func_api_Finish();
}

} // namespace kavrotether
