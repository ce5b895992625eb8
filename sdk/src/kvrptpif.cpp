#include "Kvrptpif.h"
#include "KvrSim.h"

#include <atomic>
#include <map>
#include <mutex>

namespace {

struct Library {
    std::mutex lock;
    bool initialised = false;
    int dbgLogInits = 0;
    bool dbgLogEnabled = false;
    std::map<uint32_t, NotifyCallbackFn> notify;
};

Library &lib()
{
    static Library l;
    return l;
}

} // namespace

extern "C" {

uint8_t KVR_func_api_Init(void)
{
    std::lock_guard<std::mutex> g(lib().lock);
    lib().initialised = true;
    return 1;
}

uint8_t KVR_func_api_Finish(void)
{
    std::lock_guard<std::mutex> g(lib().lock);
    lib().initialised = false;
    lib().notify.clear();
    return 1;
}

uint8_t KVR_func_api_DbgLog_Init(uint8_t enable)
{
    std::lock_guard<std::mutex> g(lib().lock);
    ++lib().dbgLogInits;
    lib().dbgLogEnabled = enable != 0;
    return 1;
}

uint8_t KVR_func_api_Reg_NotifyCallback(uint32_t event, NotifyCallbackFn fn)
{
    std::lock_guard<std::mutex> g(lib().lock);
    if (!lib().initialised || !fn)
        return 0;
    lib().notify[event] = fn;
    return 1;
}

uint8_t KVR_func_api_Delete_CallBackInfo(uint32_t event)
{
    std::lock_guard<std::mutex> g(lib().lock);
    return lib().notify.erase(event) ? 1 : 0;
}

} // extern "C"

namespace kvrsim {

int debugLogInitCount()
{
    std::lock_guard<std::mutex> g(lib().lock);
    return lib().dbgLogInits;
}

bool debugLogEnabled()
{
    std::lock_guard<std::mutex> g(lib().lock);
    return lib().dbgLogEnabled;
}

void reset()
{
    std::lock_guard<std::mutex> g(lib().lock);
    lib().initialised = false;
    lib().dbgLogInits = 0;
    lib().dbgLogEnabled = false;
    lib().notify.clear();
}

} // namespace kvrsim
