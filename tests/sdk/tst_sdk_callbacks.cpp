// Delivery of both callback kinds: on the library's threads, once per
// event, never after deregistration, and safe under concurrent callers.
#include "sdktestsupport.h"

#include <atomic>
#include <condition_variable>
#include <future>

using namespace sdktest;

namespace {

std::atomic<int> inCallback{0};
std::atomic<bool> deleted{false};
std::atomic<int> lateDeliveries{0};
std::atomic<int> deliveries{0};

int watchingCallback(uint32_t, uint32_t, const char *)
{
    ++inCallback;
    if (deleted)
        ++lateDeliveries;
    ++deliveries;
    --inCallback;
    return 0;
}

std::mutex programLock;
std::atomic<int> blockedDeliveries{0};

std::mutex enteredMutex;
std::condition_variable enteredCondition;
bool entered = false;

int blockingCallback(uint32_t, uint32_t, const char *)
{
    {
        std::lock_guard<std::mutex> g(enteredMutex);
        entered = true;
    }
    enteredCondition.notify_all();
    std::lock_guard<std::mutex> g(programLock);
    ++blockedDeliveries;
    return 0;
}

// A notify delivery that runs until the network handler has asked for its
// code to be removed, and the network handler that asks.
std::mutex crossMutex;
std::condition_variable crossCondition;
bool crossDeleteCalled = false;
bool crossEntered = false;
std::atomic<bool> crossNotifyDone{false};
std::atomic<int> crossDeleteResult{-1};
std::atomic<bool> crossDoneWhenDeleteReturned{false};

int slowNotify(uint32_t, uint32_t, const char *)
{
    std::unique_lock<std::mutex> g(crossMutex);
    crossEntered = true;
    crossCondition.notify_all();
    crossCondition.wait(g, [] { return crossDeleteCalled; });
    crossNotifyDone = true;
    return 0;
}

int deletingNetworkHandler(uint32_t, void *, void *, void *)
{
    {
        std::lock_guard<std::mutex> g(crossMutex);
        crossDeleteCalled = true;
    }
    crossCondition.notify_all();
    crossDeleteResult = KVR_func_api_Delete_CallBackInfo(KVR_EVENT_WHITE_BALANCE);
    crossDoneWhenDeleteReturned = crossNotifyDone.load();
    return 0;
}

std::atomic<int> selfRemovalResult{-1};

int removesItself(uint32_t event, uint32_t, const char *)
{
    selfRemovalResult = KVR_func_api_Delete_CallBackInfo(event);
    return 0;
}

std::atomic<int> selfNetworkRemovalResult{-1};

int removesItsKind(uint32_t kind, void *, void *, void *)
{
    selfNetworkRemovalResult = KVR_func_api_ptpip_Delete_Callback(kind, nullptr);
    return 0;
}

int otherCallback(uint32_t event, uint32_t param, const char *uuid)
{
    return onNotify(event | 0x80000000u, param, uuid);
}

} // namespace

class TestSdkCallbacks : public QObject
{
    Q_OBJECT

private slots:
    void init() { startDefault(); }

    void cleanupTestCase() { kvrsim::reset(); }

    void notifyCallbacksRunOnLibraryThread()
    {
        const std::string uuid = connectUsb(cameraByModel("Rozado Sim A1"));
        QVERIFY(!uuid.empty());
        kvrsim::emitEvent(KVR_EVENT_APERTURE, 7, uuid);
        kvrsim::flush();
        const auto events = recorder().events();
        QCOMPARE(int(events.size()), 1);
        QCOMPARE(events[0].event, KVR_EVENT_APERTURE);
        QCOMPARE(events[0].param, 7u);
        QCOMPARE(events[0].uuid, uuid);
        QVERIFY(events[0].thread != std::this_thread::get_id());
    }

    void networkCallbacksRunOnLibraryThread()
    {
        QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr), uint8_t(1));
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
        kvrsim::flush();
        const auto network = recorder().network();
        QVERIFY(!network.empty());
        for (const auto &p : network)
            QVERIFY(p.thread != std::this_thread::get_id());
    }

    void codeRegisteredTwiceIsDeliveredOnce()
    {
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_APERTURE, &onNotify), uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_APERTURE, 0, "");
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 1);

        // Registering again replaces: only the newer function hears it.
        recorder().clear();
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_APERTURE, &otherCallback), uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_APERTURE, 0, "");
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 0);
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE | 0x80000000u), 1);
    }

    void unregisteredCodeIsNotDelivered()
    {
        QCOMPARE(KVR_func_api_Delete_CallBackInfo(KVR_EVENT_ISO), uint8_t(1));
        QCOMPARE(KVR_func_api_Delete_CallBackInfo(KVR_EVENT_ISO), uint8_t(0)); // nothing left to remove
        kvrsim::emitEvent(KVR_EVENT_ISO, 0, "");
        kvrsim::emitEvent(KVR_EVENT_SHUTTER, 0, "");
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_ISO), 0);
        QCOMPARE(recorder().count(KVR_EVENT_SHUTTER), 1);
    }

    // Events keep coming on the library's thread while the test removes the
    // registration: once Delete_CallBackInfo has returned, no delivery of
    // that code may be running or start.
    void noDeliveryAfterDeleteReturns()
    {
        for (int round = 0; round < 50; ++round) {
            inCallback = 0;
            deleted = false;
            lateDeliveries = 0;
            deliveries = 0;
            QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_EXPOSURE, &watchingCallback), uint8_t(1));
            auto producer = std::async(std::launch::async, [] {
                for (int i = 0; i < 200; ++i)
                    kvrsim::emitEvent(KVR_EVENT_EXPOSURE, static_cast<uint32_t>(i), "");
            });
            QCOMPARE(KVR_func_api_Delete_CallBackInfo(KVR_EVENT_EXPOSURE), uint8_t(1));
            QCOMPARE(inCallback.load(), 0);
            deleted = true;
            producer.wait();
            kvrsim::flush();
            QCOMPARE(lateDeliveries.load(), 0);
        }
    }

    // The removal is made from one of the library's own threads (a network
    // handler) while a delivery of that code runs on another: it still waits.
    void deleteFromAnotherDeliveryThreadWaits()
    {
        for (int round = 0; round < 20; ++round) {
            {
                std::lock_guard<std::mutex> g(crossMutex);
                crossDeleteCalled = false;
                crossEntered = false;
            }
            crossNotifyDone = false;
            crossDeleteResult = -1;
            crossDoneWhenDeleteReturned = false;
            QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_WHITE_BALANCE, &slowNotify), uint8_t(1));
            QCOMPARE(KVR_func_api_ptpip_Reg_Callback(KVR_PTPIP_KIND_SEARCH_TIMEOUT, &deletingNetworkHandler, nullptr,
                                                     nullptr),
                     uint8_t(1));
            kvrsim::emitEvent(KVR_EVENT_WHITE_BALANCE, 0, "");
            {
                std::unique_lock<std::mutex> g(crossMutex);
                QVERIFY(crossCondition.wait_for(g, std::chrono::seconds(30), [] { return crossEntered; }));
            }
            kvrsim::emitPtpip(KVR_PTPIP_KIND_SEARCH_TIMEOUT, -1);
            kvrsim::flush();
            QCOMPARE(crossDeleteResult.load(), 1);
            QVERIFY(crossDoneWhenDeleteReturned.load());
        }
    }

    // A callback that removes its own registration does not wait for itself.
    void callbackMayRemoveItself()
    {
        selfRemovalResult = -1;
        selfNetworkRemovalResult = -1;
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_SHUTTER, &removesItself), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_Reg_Callback(KVR_PTPIP_KIND_SEARCH_TIMEOUT, &removesItsKind, nullptr, nullptr),
                 uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_SHUTTER, 0, "");
        kvrsim::emitPtpip(KVR_PTPIP_KIND_SEARCH_TIMEOUT, -1);
        kvrsim::flush();
        QCOMPARE(selfRemovalResult.load(), 1);
        QCOMPARE(selfNetworkRemovalResult.load(), 1);
        kvrsim::emitEvent(KVR_EVENT_SHUTTER, 0, "");
        kvrsim::flush();
        QCOMPARE(KVR_func_api_Delete_CallBackInfo(KVR_EVENT_SHUTTER), uint8_t(0)); // already gone
    }

    void networkCallbackRemovedIsNotDelivered()
    {
        QCOMPARE(KVR_func_api_ptpip_Delete_Callback(KVR_PTPIP_KIND_SEARCH_STOPPED, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr), uint8_t(1));
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_SEARCH_STOPPED), 0);
        QVERIFY(!kvrsim::networkSearchRunning());
    }

    void nothingIsDeliveredAfterFinish()
    {
        const std::string uuid = connectUsb(cameraByModel("Rozado Sim A1"));
        QCOMPARE(KVR_func_api_Finish(), uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_APERTURE, 0, uuid);
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 0);
        // Registering needs a started library.
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_APERTURE, &onNotify), uint8_t(0));
    }

    // A program that finishes the library while holding a lock its own
    // callback is waiting for: Finish still returns, and the library starts
    // again cleanly afterwards.
    void finishDoesNotHangOnABlockedCallback()
    {
        blockedDeliveries = 0;
        {
            std::lock_guard<std::mutex> g(enteredMutex);
            entered = false;
        }
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_ISO, &blockingCallback), uint8_t(1));
        {
            std::unique_lock<std::mutex> g(programLock);
            kvrsim::emitEvent(KVR_EVENT_ISO, 1, "");
            kvrsim::emitEvent(KVR_EVENT_ISO, 2, "");
            {
                std::unique_lock<std::mutex> e(enteredMutex);
                QVERIFY(enteredCondition.wait_for(e, std::chrono::seconds(30), [] { return entered; }));
            }
            QCOMPARE(KVR_func_api_Finish(), uint8_t(1));
        }
        QCOMPARE(KVR_func_api_Init(), uint8_t(1));
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_ISO, &onNotify), uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_ISO, 3, "");
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_ISO), 1);
        QVERIFY(blockedDeliveries.load() <= 1); // the queued second one was dropped
    }

    void registrationRefusesBadArguments()
    {
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_APERTURE, nullptr), uint8_t(0));
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_ptpip_Reg_Callback(0, &onPtpip, nullptr, &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_INVALID_PARAM);
        QCOMPARE(KVR_func_api_ptpip_Reg_Callback(7, &onPtpip, nullptr, &err), uint8_t(0));
    }

    // Several threads start the library at once (run under ThreadSanitizer
    // to see the start race): it starts once, with one scenario, and works.
    void concurrentStarts()
    {
        kvrsim::reset();
        std::atomic<int> failures{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&] {
                if (KVR_func_api_Init() != 1)
                    ++failures;
            });
        }
        for (auto &t : threads)
            t.join();
        QCOMPARE(failures.load(), 0);
        QCOMPARE(int(kvrsim::cameras().size()), int(kvrsim::defaultScenario().size()));
        recorder().clear();
        QCOMPARE(KVR_func_api_Reg_NotifyCallback(KVR_EVENT_APERTURE, &onNotify), uint8_t(1));
        kvrsim::emitEvent(KVR_EVENT_APERTURE, 1, "");
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 1);
    }

    // Eight threads drive one camera at once: reads, writes and capability
    // reads all succeed and every accepted write is announced.
    void eightThreadsOnOneCamera()
    {
        const int index = cameraByModel("Rozado Sim A1");
        const std::string uuid = connectUsb(index);
        QVERIFY(!uuid.empty());
        const std::vector<uint32_t> apertures = kvrsim::offered(index, "aperture");
        std::atomic<int> failures{0};
        std::atomic<int> writes{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&, t] {
                for (int i = 0; i < 100; ++i) {
                    const uint32_t code = apertures[static_cast<size_t>(t + i) % apertures.size()];
                    if (KVR_func_api_Aperture_Set_Param(code, uuid.c_str(), nullptr) != 1)
                        ++failures;
                    else
                        ++writes;
                    KVR_STRUCT_APERTURE_CAPA_INFO capa;
                    if (KVR_func_api_Aperture_GetCapability(&capa, uuid.c_str(), nullptr) != 1)
                        ++failures;
                    uint32_t value = 0;
                    if (KVR_func_api_Aperture_GetParam(&value, uuid.c_str(), nullptr) != 1)
                        ++failures;
                    if (std::find(apertures.begin(), apertures.end(), value) == apertures.end())
                        ++failures;
                    KVR_STRUCT_REC_INFO info;
                    if (KVR_func_api_Get_Rec_Info(&info, uuid.c_str(), nullptr) != 1)
                        ++failures;
                }
            });
        }
        for (auto &t : threads)
            t.join();
        kvrsim::flush();
        QCOMPARE(failures.load(), 0);
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), writes.load());
    }
};

QTEST_GUILESS_MAIN(TestSdkCallbacks)
#include "tst_sdk_callbacks.moc"
