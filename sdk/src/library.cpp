// Library state, the callback threads and the start-up functions.
#include "sim.h"

#include <algorithm>
#include <cstring>
#include <pthread.h>

namespace kvrsim_internal {

// ---------------------------------------------------------------------------
// Dispatcher
// ---------------------------------------------------------------------------
Dispatcher::Dispatcher(const char *name) : m_name(name) {}

Dispatcher::~Dispatcher()
{
    stop();
}

void Dispatcher::start()
{
    std::lock_guard<std::mutex> g(m_mutex);
    if (m_running)
        return;
    m_running = true;
    m_stopping = false;
    m_busy = false;
    const uint64_t generation = ++m_generation;
    m_thread = std::thread([this, generation] { run(generation); });
    m_threadId = m_thread.get_id();
}

// Stops the thread and drops what is queued. A delivery that is running is
// waited for, but only so long: a program whose callback waits for a lock
// that the caller of Finish holds must not hang; that delivery then ends on
// its own and touches nothing of a later start.
void Dispatcher::stop()
{
    std::thread t;
    {
        std::lock_guard<std::mutex> g(m_mutex);
        if (!m_running)
            return;
        m_stopping = true;
        m_queue.clear();
        m_finished = m_posted;
        t = std::move(m_thread);
    }
    m_wake.notify_all();
    m_done.notify_all();
    if (t.joinable()) {
        bool finished = false;
        if (t.get_id() != std::this_thread::get_id()) {
            std::unique_lock<std::mutex> g(m_mutex);
            finished = m_done.wait_for(g, std::chrono::seconds(2), [&] { return !m_busy; });
        }
        if (finished)
            t.join();
        else
            t.detach();
    }
    std::lock_guard<std::mutex> g(m_mutex);
    m_running = false;
    m_busy = false;
    ++m_generation;
    m_done.notify_all();
}

void Dispatcher::clear()
{
    std::lock_guard<std::mutex> g(m_mutex);
    m_queue.clear();
    m_finished = m_busy ? m_posted - 1 : m_posted;
    m_done.notify_all();
}

uint64_t Dispatcher::post(Task task)
{
    uint64_t ticket;
    {
        std::lock_guard<std::mutex> g(m_mutex);
        if (!m_running || m_stopping)
            return 0;
        ticket = ++m_posted;
        m_queue.emplace_back(ticket, std::move(task));
    }
    m_wake.notify_one();
    return ticket;
}

void Dispatcher::waitFor(uint64_t ticket)
{
    if (ticket == 0 || onThread())
        return;
    std::unique_lock<std::mutex> g(m_mutex);
    m_done.wait(g, [&] { return m_finished >= ticket || !m_running || m_stopping; });
}

void Dispatcher::waitIdle()
{
    if (onThread())
        return;
    std::unique_lock<std::mutex> g(m_mutex);
    m_done.wait(g, [&] { return (m_queue.empty() && !m_busy) || !m_running || m_stopping; });
}

bool Dispatcher::idle() const
{
    std::lock_guard<std::mutex> g(m_mutex);
    return m_queue.empty() && !m_busy;
}

bool Dispatcher::onThread() const
{
    std::lock_guard<std::mutex> g(m_mutex);
    return m_running && std::this_thread::get_id() == m_threadId;
}

void Dispatcher::run(uint64_t generation)
{
    pthread_setname_np(pthread_self(), m_name);
    std::unique_lock<std::mutex> g(m_mutex);
    for (;;) {
        m_wake.wait(g, [&] { return m_stopping || m_generation != generation || !m_queue.empty(); });
        if (m_stopping || m_generation != generation)
            return;
        auto item = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        g.unlock();
        item.second();
        g.lock();
        if (m_generation != generation)
            return; // stopped while delivering; a newer thread may own the queue
        m_busy = false;
        if (item.first > m_finished)
            m_finished = item.first;
        m_done.notify_all();
    }
}

// ---------------------------------------------------------------------------
// Scheduler
// ---------------------------------------------------------------------------
Scheduler::Scheduler() = default;

Scheduler::~Scheduler()
{
    stop();
}

void Scheduler::start()
{
    std::lock_guard<std::mutex> g(m_mutex);
    if (m_running)
        return;
    m_running = true;
    m_stopping = false;
    m_thread = std::thread([this] { run(); });
}

void Scheduler::stop()
{
    std::thread t;
    {
        std::lock_guard<std::mutex> g(m_mutex);
        if (!m_running)
            return;
        m_stopping = true;
        m_items.clear();
        t = std::move(m_thread);
    }
    m_wake.notify_all();
    if (t.joinable()) {
        if (t.get_id() == std::this_thread::get_id())
            t.detach();
        else
            t.join();
    }
    std::lock_guard<std::mutex> g(m_mutex);
    m_running = false;
}

uint64_t Scheduler::schedule(int delayMs, std::function<void()> action)
{
    uint64_t id;
    {
        std::lock_guard<std::mutex> g(m_mutex);
        if (!m_running || m_stopping)
            return 0;
        id = m_next++;
        m_items.emplace(std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs),
                        std::make_pair(id, std::move(action)));
    }
    m_wake.notify_all();
    return id;
}

void Scheduler::cancel(uint64_t id)
{
    std::lock_guard<std::mutex> g(m_mutex);
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->second.first == id) {
            m_items.erase(it);
            return;
        }
    }
}

void Scheduler::run()
{
    std::unique_lock<std::mutex> g(m_mutex);
    while (!m_stopping) {
        if (m_items.empty()) {
            m_wake.wait(g);
            continue;
        }
        auto due = m_items.begin()->first;
        if (std::chrono::steady_clock::now() < due) {
            m_wake.wait_until(g, due);
            continue;
        }
        auto action = std::move(m_items.begin()->second.second);
        m_items.erase(m_items.begin());
        g.unlock();
        action();
        g.lock();
    }
}

// ---------------------------------------------------------------------------
// Library
// ---------------------------------------------------------------------------
Library::~Library()
{
    std::unique_lock<std::mutex> g(delayLock);
    ending = true;
    ++delayGeneration;
    delayEnded.notify_all();
    delayEnded.wait(g, [this] {
        return std::all_of(delayedCalls.begin(), delayedCalls.end(), [](const auto &c) { return c.second == 0; });
    });
}

Library &lib()
{
    static Library l;
    return l;
}

void setLastError(uint32_t code)
{
    lib().lastError = code;
}

Camera *cameraByUuid(const char *uuid)
{
    if (!uuid || !*uuid)
        return nullptr;
    // A UUID is 36 characters: never read further into the caller's text.
    const std::string id(uuid, strnlen(uuid, KVR_UUID_BUFFER_SIZE));
    for (auto &c : lib().cameras) {
        if (c->uuid == id)
            return c.get();
    }
    return nullptr;
}

Camera *cameraByIndex(int index)
{
    for (auto &c : lib().cameras) {
        if (c->index == index)
            return c.get();
    }
    return nullptr;
}

Camera *cameraBySerial(const std::string &serial)
{
    for (auto &c : lib().cameras) {
        if (c->profile.serial == serial)
            return c.get();
    }
    return nullptr;
}

namespace {

// The code (or kind) whose callback this thread is delivering, if any: a
// callback that removes its own registration must not wait for itself, but
// any other delivery of that code, on whatever thread, is waited for.
thread_local int64_t deliveringNotify = -1;
thread_local int64_t deliveringPtpip = -1;

struct Delivering
{
    Delivering(int64_t &slot, uint32_t code) : m_slot(slot), m_previous(slot) { m_slot = code; }
    ~Delivering() { m_slot = m_previous; }
    int64_t &m_slot;
    const int64_t m_previous;
};

} // namespace

int notifyDeliveriesOfThisThread(uint32_t event)
{
    return deliveringNotify == static_cast<int64_t>(event) ? 1 : 0;
}

int ptpipDeliveriesOfThisThread(uint32_t kind)
{
    return deliveringPtpip == static_cast<int64_t>(kind) ? 1 : 0;
}

uint64_t postEvent(uint32_t event, uint32_t param, const std::string &uuid, bool reply)
{
    Library &l = lib();
    Dispatcher &thread = reply ? l.replyThread : l.notifyThread;
    return thread.post([event, param, uuid] {
        Library &l = lib();
        NotifyCallbackFn fn = nullptr;
        {
            std::lock_guard<std::mutex> g(l.cbMutex);
            auto it = l.notify.find(event);
            if (it == l.notify.end())
                return;
            fn = it->second;
            ++l.notifyInFlight[event];
        }
        {
            Delivering marker(deliveringNotify, event);
            fn(event, param, uuid.c_str());
        }
        {
            std::lock_guard<std::mutex> g(l.cbMutex);
            --l.notifyInFlight[event];
        }
        l.cbIdle.notify_all();
    });
}

uint64_t postCameraEvent(Camera &camera, uint32_t event, uint32_t param)
{
    camera.eventTags[event] = param;
    if (camera.suppressedEvents.count(event))
        return 0;
    return postEvent(event, param, camera.uuid);
}

uint64_t postPtpip(uint32_t kind, const KVR_PTPIP_CONNECT_DEVICE_INFO *record, uint32_t errorType,
                   const std::string &uuid, bool reply)
{
    Library &l = lib();
    std::shared_ptr<KVR_PTPIP_CONNECT_DEVICE_INFO> copy;
    if (record)
        copy = std::make_shared<KVR_PTPIP_CONNECT_DEVICE_INFO>(*record);
    Dispatcher &thread = reply ? l.replyThread : l.ptpipThread;
    return thread.post([kind, copy, errorType, uuid] {
        Library &l = lib();
        PtpipCallbackFn fn = nullptr;
        void *context = nullptr;
        {
            std::lock_guard<std::mutex> g(l.cbMutex);
            auto it = l.ptpip.find(kind);
            if (it == l.ptpip.end())
                return;
            fn = it->second.first;
            context = it->second.second;
            ++l.ptpipInFlight[kind];
        }
        uint32_t type = errorType;
        std::string text = uuid;
        void *p1 = copy.get();
        void *p2 = nullptr;
        if (kind == KVR_PTPIP_KIND_PASSWORD)
            p2 = &type;
        else if (kind == KVR_PTPIP_KIND_DISCONNECTED)
            p2 = &text[0];
        {
            Delivering marker(deliveringPtpip, kind);
            fn(kind, p1, p2, context);
        }
        {
            std::lock_guard<std::mutex> g(l.cbMutex);
            --l.ptpipInFlight[kind];
        }
        l.cbIdle.notify_all();
    });
}

// ---------------------------------------------------------------------------
// Call bookkeeping
// ---------------------------------------------------------------------------
namespace {

// Logs keep the most recent calls only: a program that runs for hours must
// not grow them without bound.
void appendLog(std::vector<std::string> &log, std::string entry)
{
    constexpr size_t limit = 4096;
    if (log.size() >= limit)
        log.erase(log.begin(), log.begin() + limit / 2);
    log.push_back(std::move(entry));
}

std::string shortName(const char *function)
{
    static const char prefix[] = "KVR_func_api_";
    if (std::strncmp(function, prefix, sizeof prefix - 1) == 0)
        return function + sizeof prefix - 1;
    return function;
}

} // namespace

Call::Call(const char *function, Kind kind, const char *uuid, uint32_t *err) : m_err(err)
{
    const bool perCamera = kind != Global;
    const bool needsSession = kind == Camera;
    Library &l = lib();
    const std::string name = shortName(function);
    const std::string id = uuid ? std::string(uuid, strnlen(uuid, KVR_UUID_BUFFER_SIZE)) : std::string();

    // Injected delays run before the lock so that other calls go on.
    int delayMs = 0;
    {
        std::lock_guard<std::recursive_mutex> g(l.state);
        for (auto it = l.injections.begin(); it != l.injections.end(); ++it) {
            if (it->delayMs > 0 && it->function == name && (it->uuid.empty() || it->uuid == id)) {
                delayMs = it->delayMs;
                if (--it->remaining <= 0)
                    l.injections.erase(it);
                break;
            }
        }
    }
    if (delayMs > 0) {
        std::unique_lock<std::mutex> g(l.delayLock);
        if (!l.ending) {
            const uint64_t generation = l.delayGeneration;
            ++l.delayedCalls[name];
            l.delayEnded.wait_for(g, std::chrono::milliseconds(delayMs),
                                  [&] { return l.delayGeneration != generation; });
            --l.delayedCalls[name];
        }
        if (l.ending) {
            // The library's destructor waits for this: told while the lock
            // is held, and nothing of the library is touched after it.
            l.delayEnded.notify_all();
            m_ok = false;
            m_result = 0;
            if (err)
                *err = KVR_ERR_NOT_INITIALISED;
            return;
        }
    }

    m_lock = std::unique_lock<std::recursive_mutex>(l.state);
    if (err)
        *err = KVR_ERR_NONE;

    if (perCamera) {
        m_camera = cameraByUuid(uuid);
        if (m_camera)
            appendLog(m_camera->callLog, name);
        else
            appendLog(l.globalLog, name + "(" + id + ")");
    } else {
        appendLog(l.globalLog, name);
    }

    if (!l.initialised) {
        fail(KVR_ERR_NOT_INITIALISED);
        return;
    }
    for (auto it = l.injections.begin(); it != l.injections.end(); ++it) {
        if (it->fail && it->function == name && (it->uuid.empty() || it->uuid == id)) {
            const uint8_t result = it->result;
            const uint32_t error = it->error;
            if (--it->remaining <= 0)
                l.injections.erase(it);
            m_ok = false;
            m_result = result;
            if (err)
                *err = error;
            if (result != 1)
                setLastError(error);
            return;
        }
    }
    if (perCamera) {
        if (!m_camera || m_camera->lost || !m_camera->present) {
            fail(KVR_ERR_NO_DEVICE);
            return;
        }
        if (needsSession && !m_camera->inSession) {
            fail(KVR_ERR_NO_SESSION);
            return;
        }
        for (const auto &r : m_camera->profile.refused) {
            if (r == name) {
                fail(KVR_ERR_REFUSED);
                return;
            }
        }
    }
}

Call::~Call() = default;

void endDelays()
{
    Library &l = lib();
    {
        std::lock_guard<std::mutex> g(l.delayLock);
        ++l.delayGeneration;
    }
    l.delayEnded.notify_all();
}

uint8_t Call::fail(uint32_t error)
{
    m_ok = false;
    m_result = 0;
    if (m_err)
        *m_err = error;
    setLastError(error);
    return 0;
}

uint8_t Call::succeed(uint8_t result)
{
    if (m_err)
        *m_err = KVR_ERR_NONE;
    return result;
}

void Call::unlock()
{
    if (m_lock.owns_lock())
        m_lock.unlock();
}

void closeAllSessions()
{
    for (auto &c : lib().cameras) {
        c->selected = false;
        c->inSession = false;
        c->liveView = false;
        c->movieFilterOpen = false;
    }
}

} // namespace kvrsim_internal

using namespace kvrsim_internal;

namespace {

// Loads the default scenario or the one KVRSIM_SCENARIO names, once.
void ensureScenario()
{
    Library &l = lib();
    if (l.scenarioLoaded)
        return;
    const char *path = std::getenv("KVRSIM_SCENARIO");
    if (path && *path && kvrsim::loadScenarioFile(path))
        return;
    kvrsim::loadDefaultScenario();
}

} // namespace

extern "C" {

uint8_t KVR_func_api_Init(void)
{
    Library &l = lib();
    // One lock over the whole start: two callers must not both load the
    // scenario or both start the threads.
    std::lock_guard<std::recursive_mutex> g(l.state);
    l.globalLog.push_back("Init");
    if (l.initialised)
        return 1;
    ensureScenario();
    l.notifyThread.start();
    l.ptpipThread.start();
    l.replyThread.start();
    l.scheduler.start();
    l.initialised = true;
    l.connectionType = KVR_CONNECTION_USB;
    return 1;
}

uint8_t KVR_func_api_Finish(void)
{
    Library &l = lib();
    {
        std::lock_guard<std::recursive_mutex> g(l.state);
        l.globalLog.push_back("Finish");
        if (!l.initialised)
            return 1;
        l.initialised = false;
        l.searchRunning = false;
        l.searchEnded.notify_all();
        closeAllSessions();
    }
    {
        std::lock_guard<std::mutex> g(l.cbMutex);
        l.notify.clear();
        l.ptpip.clear();
    }
    // Outside the state lock: a delivery in progress may still be waiting for it.
    l.scheduler.stop();
    l.notifyThread.stop();
    l.ptpipThread.stop();
    l.replyThread.stop();
    return 1;
}

uint8_t KVR_func_api_DbgLog_Init(uint8_t enable)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().globalLog.push_back("DbgLog_Init");
    ++lib().dbgLogInits;
    lib().dbgLogEnabled = enable != 0;
    return 1;
}

uint8_t KVR_func_api_DbgLog_Config(uint32_t level, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (level > 2)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().dbgLogLevel = level;
    return call.succeed();
}

uint8_t KVR_func_api_Set_SendCommand_RetryType_Config(uint32_t retryType, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    lib().retryType = retryType;
    return call.succeed();
}

uint8_t KVR_func_api_Set_SendCommand_TimeOutVal_Config(uint32_t timeoutMs, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (timeoutMs == 0)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().commandTimeoutMs = timeoutMs;
    return call.succeed();
}

uint8_t KVR_func_api_Set_Awake_Msg(const char *message, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!message)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().awakeMessage = std::string(message, strnlen(message, 1024));
    return call.succeed();
}

uint32_t Kvr_func_api_Get_Error(void)
{
    return lib().lastError;
}

uint8_t KVR_func_api_Reg_NotifyCallback(uint32_t event, NotifyCallbackFn fn)
{
    KVR_GLOBAL_CALL(nullptr);
    if (!fn)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::lock_guard<std::mutex> g(lib().cbMutex);
    lib().notify[event] = fn;
    return 1;
}

uint8_t KVR_func_api_Delete_CallBackInfo(uint32_t event)
{
    Library &l = lib();
    {
        KVR_GLOBAL_CALL(nullptr);
    }
    std::unique_lock<std::mutex> g(l.cbMutex);
    const bool removed = l.notify.erase(event) > 0;
    // A delivery of this code may be running: wait for it, but not for the
    // one this call is made from.
    const int own = notifyDeliveriesOfThisThread(event);
    l.cbIdle.wait(g, [&] { return l.notifyInFlight[event] <= own; });
    if (!removed) {
        setLastError(KVR_ERR_INVALID_PARAM);
        return 0;
    }
    return 1;
}

uint8_t KVR_func_api_ptpip_Reg_Callback(uint32_t kind, PtpipCallbackFn fn, void *context, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!fn || kind < KVR_PTPIP_KIND_FOUND || kind > KVR_PTPIP_KIND_FOUND_CONNECTED)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::lock_guard<std::mutex> g(lib().cbMutex);
    lib().ptpip[kind] = {fn, context};
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Delete_Callback(uint32_t kind, uint32_t *err)
{
    Library &l = lib();
    {
        KVR_GLOBAL_CALL(err);
    }
    std::unique_lock<std::mutex> g(l.cbMutex);
    const bool removed = l.ptpip.erase(kind) > 0;
    const int own = ptpipDeliveriesOfThisThread(kind);
    l.cbIdle.wait(g, [&] { return l.ptpipInFlight[kind] <= own; });
    if (!removed) {
        if (err)
            *err = KVR_ERR_INVALID_PARAM;
        setLastError(KVR_ERR_INVALID_PARAM);
        return 0;
    }
    return 1;
}

} // extern "C"
