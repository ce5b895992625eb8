// Shared helpers of the camera-library tests: a recorder for both callback
// kinds and short ways to bring the library and a camera up.
#ifndef SDKTESTSUPPORT_H
#define SDKTESTSUPPORT_H

#include "Kvrptpif.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"

#include <QtTest>

#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sdktest {

struct Notify
{
    uint32_t event;
    uint32_t param;
    std::string uuid;
    std::thread::id thread;
};

struct Ptpip
{
    uint32_t kind;
    bool hasRecord;
    KVR_PTPIP_CONNECT_DEVICE_INFO record;
    uint32_t errorType;
    std::string uuid;
    std::thread::id thread;
};

struct Recorder
{
    std::mutex mutex;
    std::vector<Notify> notifies;
    std::vector<Ptpip> ptpips;

    void clear()
    {
        std::lock_guard<std::mutex> g(mutex);
        notifies.clear();
        ptpips.clear();
    }
    std::vector<Notify> events()
    {
        std::lock_guard<std::mutex> g(mutex);
        return notifies;
    }
    std::vector<Ptpip> network()
    {
        std::lock_guard<std::mutex> g(mutex);
        return ptpips;
    }
    int count(uint32_t event)
    {
        std::lock_guard<std::mutex> g(mutex);
        int n = 0;
        for (const auto &e : notifies)
            n += e.event == event ? 1 : 0;
        return n;
    }
    int kinds(uint32_t kind)
    {
        std::lock_guard<std::mutex> g(mutex);
        int n = 0;
        for (const auto &p : ptpips)
            n += p.kind == kind ? 1 : 0;
        return n;
    }
};

inline Recorder &recorder()
{
    static Recorder r;
    return r;
}

inline int onNotify(uint32_t event, uint32_t param, const char *uuid)
{
    std::lock_guard<std::mutex> g(recorder().mutex);
    recorder().notifies.push_back({event, param, uuid ? uuid : "", std::this_thread::get_id()});
    return 0;
}

inline int onPtpip(uint32_t kind, void *p1, void *p2, void *)
{
    Ptpip p{};
    p.kind = kind;
    p.thread = std::this_thread::get_id();
    if ((kind == KVR_PTPIP_KIND_FOUND || kind == KVR_PTPIP_KIND_FOUND_CONNECTED || kind == KVR_PTPIP_KIND_PASSWORD)
        && p1) {
        p.hasRecord = true;
        std::memcpy(&p.record, p1, sizeof p.record);
    }
    if (kind == KVR_PTPIP_KIND_PASSWORD && p2)
        p.errorType = *static_cast<uint32_t *>(p2);
    if (kind == KVR_PTPIP_KIND_DISCONNECTED && p2)
        p.uuid = static_cast<const char *>(p2);
    std::lock_guard<std::mutex> g(recorder().mutex);
    recorder().ptpips.push_back(p);
    return 0;
}

// A started library with the default scenario and both callback kinds
// registered for every code the tests look at.
inline void startDefault()
{
    kvrsim::reset();
    recorder().clear();
    QCOMPARE(KVR_func_api_Init(), uint8_t(1));
    for (uint32_t event :
         {KVR_EVENT_APERTURE,     KVR_EVENT_ISO,          KVR_EVENT_SHUTTER,      KVR_EVENT_WHITE_BALANCE,
          KVR_EVENT_EXPOSURE,     KVR_EVENT_AF_CONFIG,    KVR_EVENT_CAMERA_MODE,  KVR_EVENT_STILL_IMAGE,
          KVR_EVENT_REC_CONFIG,   KVR_EVENT_INTERVAL,     KVR_EVENT_AF_CONFIG_2,  KVR_EVENT_BURST_BRACKET,
          KVR_EVENT_REC_PREVIEW,  KVR_EVENT_SELFTIMER,    KVR_EVENT_4K6K_CONFIG,  KVR_EVENT_PHOTOSTYLE,
          KVR_EVENT_PHOTOSTYLE_2, KVR_EVENT_MOVIE_CONFIG, KVR_EVENT_SETUP_CONFIG, KVR_EVENT_POWER_SAVING,
          KVR_EVENT_STROBE,       KVR_EVENT_STROBE_2,     KVR_EVENT_REC_DISP,     KVR_EVENT_REC_INFO,
          KVR_EVENT_CAMERA_LOST,  KVR_EVENT_SETUP_ERROR})
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(event, &onNotify), uint8_t(1));
    for (uint32_t kind = 1; kind <= 6; ++kind)
        QCOMPARE(KVR_func_api_ptpip_Reg_Callback(kind, &onPtpip, nullptr, nullptr), uint8_t(1));
}

// Selects and opens the USB camera with that device index; returns its UUID.
inline std::string connectUsb(int index)
{
    return kavrotether::test::openUsbCamera(index);
}

inline int cameraByModel(const std::string &model)
{
    return kavrotether::test::cameraByModel(model);
}

} // namespace sdktest

#endif
