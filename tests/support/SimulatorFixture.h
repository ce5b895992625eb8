#pragma once

#include <string>
#include <vector>

#include "KvrSim.h"

namespace kavrotether::test {

// Starts the simulated cameras from a clean state: the default scenario, or
// the given JSON scenario, and an initialised SDK. false when either fails.
bool startSimulator(const std::string &scenarioJson = std::string());
// Finishes the SDK and forgets every simulated camera.
void stopSimulator();
// A scenario of `count` USB cameras, models "Rozado Sim L1" onwards.
std::string usbScenario(int count);

// How often a function (name without the KVR_func_api_ prefix) appears in a
// call log; of one camera's log, and of the log of calls naming no camera.
int countCalls(const std::vector<std::string> &log, const std::string &name);
int callCount(int index, const std::string &name);
int globalCallCount(const std::string &name);

// The first camera of the scenario with that model name or connection; -1
// when there is none.
int cameraByModel(const std::string &model);
int firstCamera(kvrsim::Connection connection);

// Selects a USB camera and opens its session through the SDK itself, as a
// connection would, without the adapter; its UUID, empty on failure.
std::string openUsbCamera(int index);

} // namespace kavrotether::test
