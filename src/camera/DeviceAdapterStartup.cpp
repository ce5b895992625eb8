// DeviceAdapter: the SDK's configuration calls at start-up.

#include "DeviceAdapter.h"

#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {

namespace {
constexpr quint32 kRetryType = 1;
constexpr quint32 kCommandTimeoutMs = 10000;
} // namespace

quint32 DeviceAdapter::sdkDebugLogLevel(bool debugEnable, int sdkDbgType)
{
    if (!debugEnable)
        return 0;
    return (sdkDbgType == 1 || sdkDbgType == 2) ? quint32(sdkDbgType) : 0;
}

// The configuration calls cannot fail from the interface's point of view:
// the SDK keeps its defaults when one is refused.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Set_SendCommand_RetryType_Config()
{
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_Set_SendCommand_RetryType_Config(kRetryType, nullptr);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config()
{
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_Set_SendCommand_TimeOutVal_Config(kCommandTimeoutMs, nullptr);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_DbgLog_Config()
{
    bool enable = false;
    int type = 0;
    if (ApplicationSettings *settings = ApplicationData::getApplicationSettings()) {
        enable = settings->debugEnable();
        type = int(settings->sdkDbgType());
    }
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_DbgLog_Config(sdkDebugLogLevel(enable, type), nullptr);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Set_Awake_Msg(QString msg)
{
    const QByteArray text = msg.toLatin1();
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_Set_Awake_Msg(text.constData(), nullptr);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_Kvr_func_api_Get_Error(ulong &result)
{
    QMutexLocker g(&sdkMutex);
    result = ulong(Kvr_func_api_Get_Error());
    return Utilities::Ternary_True;
}

} // namespace kavrotether
