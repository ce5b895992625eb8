#include "SimulatorFixture.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "Kvrptpif.h"

namespace kavrotether::test {

bool startSimulator(const std::string &scenarioJson)
{
    kvrsim::reset();
    if (!scenarioJson.empty() && !kvrsim::loadScenarioJson(scenarioJson))
        return false;
    return KVR_func_api_Init() == 1;
}

void stopSimulator()
{
    (void)KVR_func_api_Finish();
    kvrsim::reset();
}

std::string usbScenario(int count)
{
    std::string json = "{\"cameras\": [";
    for (int i = 1; i <= count; ++i)
        json += (i > 1 ? "," : "") + std::string("{\"model\": \"Rozado Sim L") + std::to_string(i)
                + "\", \"connection\": \"usb\"}";
    return json + "]}";
}

int countCalls(const std::vector<std::string> &log, const std::string &name)
{
    return int(std::count(log.begin(), log.end(), name));
}

int callCount(int index, const std::string &name)
{
    return countCalls(kvrsim::callLog(index), name);
}

int globalCallCount(const std::string &name)
{
    return countCalls(kvrsim::globalCallLog(), name);
}

int cameraByModel(const std::string &model)
{
    for (int index : kvrsim::cameras())
        if (kvrsim::profileOf(index).model == model)
            return index;
    return -1;
}

int firstCamera(kvrsim::Connection connection)
{
    for (int index : kvrsim::cameras())
        if (kvrsim::profileOf(index).connection == connection)
            return index;
    return -1;
}

std::string openUsbCamera(int index)
{
    auto list = std::make_unique<KVR_CONNECT_DEVICE_INFO>();
    std::memset(list.get(), 0, sizeof *list);
    if (KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_USB, nullptr) != 1
        || KVR_func_api_GetPnPDeviceInfo(list.get(), nullptr) != 1)
        return {};
    char uuid[KVR_UUID_BUFFER_SIZE] = {};
    uint32_t session = 0;
    if (KVR_func_api_SelectPnPDevice(uint32_t(index), list.get(), uuid, nullptr, nullptr, 0, nullptr) != 1
        || KVR_func_api_OpenSession(0, &session, uuid, nullptr) != 1)
        return {};
    return uuid;
}

} // namespace kavrotether::test
