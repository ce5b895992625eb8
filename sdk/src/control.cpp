// The control interface of the simulated cameras (KvrSim.h).
#include "sim.h"

using namespace kvrsim_internal;

namespace kvrsim {

int debugLogInitCount()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    return lib().dbgLogInits;
}

bool debugLogEnabled()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    return lib().dbgLogEnabled;
}

void reset()
{
    KVR_func_api_Finish();
    Library &l = lib();
    std::lock_guard<std::recursive_mutex> g(l.state);
    l.scenarioLoaded = false;
    l.dbgLogInits = 0;
    l.dbgLogEnabled = false;
    l.cameras.clear();
    l.injections.clear();
    l.globalLog.clear();
    l.lastError = 0;
}

void loadDefaultScenario()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().cameras.clear();
    lib().scenarioLoaded = true;
}

bool loadScenarioFile(const std::string &, std::string *)
{
    return false;
}

} // namespace kvrsim
