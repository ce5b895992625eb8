// Inner state of the simulated camera library. Not part of the interface.
#ifndef KVRSIM_INTERNAL_H
#define KVRSIM_INTERNAL_H

#include "Kvrptpif.h"
#include "KvrSim.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace kvrsim_internal {

void setLastError(uint32_t code);

// One thread that runs queued deliveries in order. post() returns a ticket
// that waitFor() can wait on; waitIdle() returns once the queue is empty and
// nothing runs.
class Dispatcher
{
public:
    using Task = std::function<void()>;

    explicit Dispatcher(const char *name);
    ~Dispatcher();

    void start();
    // Stops the thread; queued tasks are dropped.
    void stop();
    uint64_t post(Task task);
    void waitFor(uint64_t ticket);
    void waitIdle();
    bool onThread() const;
    bool idle() const;
    void clear();

private:
    void run(uint64_t generation);

    const char *m_name;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<std::pair<uint64_t, Task>> m_queue;
    uint64_t m_posted = 0;
    uint64_t m_finished = 0;
    bool m_running = false;
    bool m_stopping = false;
    bool m_busy = false;
    uint64_t m_generation = 0;
    std::thread m_thread;
    std::thread::id m_threadId;
};

// Runs actions after a delay on its own thread (network search time-outs).
class Scheduler
{
public:
    Scheduler();
    ~Scheduler();
    void start();
    void stop();
    uint64_t schedule(int delayMs, std::function<void()> action);
    void cancel(uint64_t id);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::multimap<std::chrono::steady_clock::time_point, std::pair<uint64_t, std::function<void()>>> m_items;
    uint64_t m_next = 1;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};

// ---------------------------------------------------------------------------
// Settings model
// ---------------------------------------------------------------------------
enum class Group {
    CameraMode,
    Burst,
    SelfTimer,
    Interval,
    Rec4K6K,
    SetupCfg,
    SetupFiles,
    PowerSaving,
    Metering,
    Aperture,
    Exposure,
    ShutterSpeed,
    Iso,
    WhiteBalance,
    Image,
    AfConfig,
    AfmfCfg2,
    RecPreview,
    MovConfig,
    MovFilter,
    PhotoStyle,
    PhotoStyle2,
    Strobe,
    Strobe2,
    RecDisp,
    Count
};

struct SettingValue
{
    uint32_t current = 0;
    std::vector<uint32_t> offered;
    bool available = true;   // the availability byte of the capability slot
    kvrsim::ListShape shape; // how the capability list is reported
};

// Writes a setting's capability list as the camera reports it, its shape
// included: the 16-bit count and `capacity` codes of `width` bytes, the
// first n of them listed. Unlisted slots hold 0xFFFF (16-bit codes) or 0
// (32-bit codes, where 0xFFFFFFFF is a real code) unless the shape says.
void writeCapabilityList(const SettingValue &v, size_t n, void *countField, void *codesField, size_t width,
                         size_t capacity);
// The availability byte of the setting's capability slot.
inline uint8_t listAvailable(const SettingValue &v)
{
    return (v.available || v.shape.supportedWhenEmpty) ? 1 : 0;
}

struct SettingDef
{
    const char *name; // scenario and control name
    Group group;
    bool wide;                     // 32-bit codes
    uint32_t current;              // default current code
    std::vector<uint32_t> offered; // default offered codes
};

int settingCount();
const SettingDef &settingDef(int id);
int settingId(const std::string &name); // -1 when unknown
uint32_t groupEvent(Group group);

// ---------------------------------------------------------------------------
// Cameras
// ---------------------------------------------------------------------------
struct Status : kvrsim::StatusValues
{
    uint32_t usbMode = 3;
    uint32_t autoIso = 400;
    uint16_t streaming = 0;
    std::vector<std::pair<uint32_t, uint32_t>> errors; // (date-time word, code), newest first
};

// ---- objects and 6K/4K frames (objects.cpp) ----
struct Camera;

// A card is in and ready (remote releases and recordings need one).
inline bool cardReady(const Status &s)
{
    const size_t n = s.cardCount < 16 ? s.cardCount : 16;
    for (size_t i = 0; i < n; ++i) {
        if (s.cards[i] == 1)
            return true;
    }
    return false;
}

class ObjectBytes; // an object's bytes, made on demand and shared with reads that run unlocked

struct SimObject
{
    uint32_t handle = 0;
    uint32_t format = 0;
    uint32_t associationType = 0;
    uint32_t associationDesc = 0;
    std::string fileName;
    std::shared_ptr<ObjectBytes> bytes;
    bool skipped = false;
};

// How the camera names and sizes what it makes next, and the faults it
// injects into reads.
struct ObjectState
{
    uint32_t nextFileNumber = 1000001; // P1000001.JPG
    uint32_t nextAssociation = 1;      // descriptors of multi-file shots
    uint32_t shotCounter = 0;          // varies the orientation
    // The shot being written: its files share a number and a descriptor.
    bool inShot = false;
    uint32_t shotNumber = 0;
    uint32_t shotDesc = 0;
    std::map<uint32_t, std::deque<int64_t>> sizes; // by format: sizes of the next objects
    std::map<uint32_t, int64_t> standingSizes;     // by format: size of every later object
    std::deque<std::string> names;                 // names of the next objects
    int64_t failReadAt = -1;                       // a read covering this offset fails once
    int64_t loseAt = -1;                           // a read covering this offset loses the camera
};

struct CutState
{
    uint32_t offered = 0; // frames of the burst waiting to be cut (0: none)
    bool cutting = false;
    std::deque<uint32_t> pending; // frame numbers not yet read
    int64_t nextFrameSize = -1;   // the size word the next frame reports
};

// The release effects' entry: a new object on the card, announced as the
// camera does (KVR_EVENT_OBJECT_ADDED, and for stills the transfer request).
// size < 0: the format's natural size. Returns the handle.
uint32_t makeObject(Camera &camera, uint32_t format, int64_t size = -1, bool announce = true);
// The files of one shot share a number and, when more than one, a descriptor.
void beginShot(Camera &camera, size_t files);
void endShot(Camera &camera);
// A 6K/4K burst ready to be cut (KVR_EVENT_4K6K_READY with the frame count).
void offerCut(Camera &camera, uint32_t frames);
// The cutting commands; false when the camera refuses the code now.
bool cutControl(Camera &camera, uint32_t code);
// ---- end objects and 6K/4K frames ----

struct LiveViewRing; // liveview.cpp

struct Camera
{
    int index = 0;
    int generation = 0;
    std::string uuid;
    kvrsim::CameraProfile profile;
    std::wstring devicePath;
    bool present = true; // plugged in or on the network
    bool selected = false;
    bool inSession = false;
    bool lost = false;
    bool liveView = false;
    bool movieFilterOpen = false;
    // Movie filter: the items' codes (frame rate, pixels, compression, bit
    // rate, VFR, HLG) as they were when editing began, which a cancelled
    // edit puts back.
    std::array<uint32_t, 6> movieFilterSaved{};
    std::string scrambledPassword; // when the password state is Set
    kvrsim::PasswordState passwordState = kvrsim::PasswordState::None;
    std::string certFilePath;
    std::string pem;
    std::vector<SettingValue> settings;
    Status status;
    std::vector<std::string> callLog;
    std::vector<kvrsim::ControlCall> controlLog;
    kvrsim::LensState lens;
    int lensDrive = 0;    // the focus drive running (0 stop)
    bool burst4K = false; // a 6K/4K burst or pre-capture runs
    // ---- objects and 6K/4K frames (objects.cpp) ----
    uint32_t nextObject = 1; // handles start at 1
    std::vector<SimObject> objects;
    ObjectState objectState;
    CutState cut;
    // ---- end objects and 6K/4K frames ----
    std::set<uint32_t> suppressedEvents;
    std::map<uint32_t, uint32_t> eventTags; // last parameter per event code
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG transImg{(640u << 16) | 480u, 0, 0};
    // The assist views' magnification in tenths (the records report it in
    // hundredths, records.cpp), and how many
    // AF-information records the camera has handed out: the scene it
    // describes moves on with each.
    uint16_t magnification = 50;
    uint32_t afInfoReads = 0;
    // Setting files: the data the camera hands out and takes back (made up
    // on first use), and how it reports its limits.
    std::vector<uint8_t> setupData;
    kvrsim::SetupFileState setupFiles;
    // Firmware updates: how the next one ends; a camera that restarted after
    // one is found again by the next search.
    kvrsim::FirmwareOutcome firmwareOutcome = kvrsim::FirmwareOutcome::Success;
    bool restarting = false;
    // ---- shooting series (commands.cpp) ----
    // Interval shooting runs on the library's scheduler: one picture per
    // period while running. Every change of state gives the series a new
    // number, so a tick scheduled before it finds itself stale and stops.
    enum class Interval { Off, Running, Paused } interval = Interval::Off;
    int intervalMs = 2000;
    uint64_t intervalSeries = 0;
    uint64_t intervalTimer = 0; // the scheduled tick, for cancelling
    bool bulbOpen = false;      // a bulb exposure runs until the burst end
    // A movie recording counts its seconds on the same scheduler, one
    // recording-information announcement per second, as the camera's own
    // display does; a new number per recording makes an older tick stale.
    uint64_t recordingSeries = 0;
    uint64_t recordingTimer = 0;
    // ---- end shooting series ----
    // ---- photo-style backup (commands.cpp) ----
    // The photo-style settings as they were at the backup request, by setting
    // identifier; a restore puts them back, a delete drops them.
    std::vector<std::pair<int, uint32_t>> photoStyleBackup;
    bool hasPhotoStyleBackup = false;
    // ---- end photo-style backup ----

    // ---- live view (liveview.cpp) ----
    // The frames of the live view at its size, each encoded as it is first
    // handed out and kept for the next start at the same size; how many
    // frames were handed out since the start and encoded so far; injected
    // faults still to come.
    std::shared_ptr<LiveViewRing> liveViewRing;
    uint64_t liveViewFrame = 0;
    uint64_t liveViewFramesEncoded = 0;
    int liveViewBusy = 0;
    int liveViewCorrupt = 0;
    int liveViewOversized = 0;
    // ---- end live view ----
};

// A magnification command (pinpoint, MF assist, live-view magnifier): moves
// the camera's magnification by the step in hundredths, within 1x to 10x; false
// when the record is not a magnification command.
bool applyMagnification(Camera &camera, uint32_t code, const int32_t *params, uint16_t count);
// Ends a running or paused interval series at once (the camera is gone or
// closed): no further tick takes a picture.
void endShootingSeries(Camera &camera);

// ---------------------------------------------------------------------------
// Injection
// ---------------------------------------------------------------------------
struct Injection
{
    std::string function;
    std::string uuid; // empty: any camera
    int remaining = 0;
    bool fail = false;
    uint8_t result = 0;
    uint32_t error = 0;
    int delayMs = 0;
};

// ---------------------------------------------------------------------------
// The library
// ---------------------------------------------------------------------------
struct Library
{
    // Lets the calls held in an injected delay go, and waits until they
    // have left it.
    ~Library();

    std::recursive_mutex state;

    bool initialised = false;
    bool scenarioLoaded = false;
    int dbgLogInits = 0;
    bool dbgLogEnabled = false;
    uint32_t dbgLogLevel = 0;
    uint32_t retryType = 0;
    uint32_t commandTimeoutMs = 0;
    uint32_t ptpipCommandTimeoutMs = 0;
    uint32_t searchMs = 10000;
    uint32_t searchTimeoutMs = 10000;
    std::string awakeMessage;
    std::string pcName;
    std::string ipAddress;
    uint32_t connectionType = KVR_CONNECTION_USB;
    uint32_t searchDevType = 0;
    std::string searchModel;

    std::vector<std::unique_ptr<Camera>> cameras;
    std::vector<Injection> injections;
    // Calls sleeping in an injected delay, by function. Guarded by
    // delayLock (never taken with `state`); a new generation ends the
    // delays under way.
    std::mutex delayLock;
    std::condition_variable delayEnded;
    uint64_t delayGeneration = 0;
    std::map<std::string, int> delayedCalls;
    // The library is being destroyed (process exit): a delay ends at once
    // and its call fails without touching the library again.
    bool ending = false;
    std::vector<std::string> globalLog;

    // Network search: the running one, if any.
    bool searchRunning = false;
    std::condition_variable_any searchEnded;
    uint64_t searchTimer = 0;
    uint64_t searchSerial = 0;

    // Callback registrations, guarded by cbMutex (never held with `state`
    // while a callback runs).
    std::mutex cbMutex;
    std::condition_variable cbIdle;
    std::map<uint32_t, NotifyCallbackFn> notify;
    std::map<uint32_t, std::pair<PtpipCallbackFn, void *>> ptpip;
    std::map<uint32_t, int> notifyInFlight; // code -> deliveries running
    std::map<uint32_t, int> ptpipInFlight;  // kind -> deliveries running

    Dispatcher notifyThread{"kvr-notify"};
    Dispatcher ptpipThread{"kvr-ptpip"};
    // Deliveries that a call waits for (the password request of a select)
    // have a thread of their own, so that they never queue behind an
    // ordinary delivery whose handler waits for a lock the caller holds.
    Dispatcher replyThread{"kvr-reply"};

    Scheduler scheduler;

    std::atomic<uint32_t> lastError{0};
};

Library &lib();

// Ends every injected delay under way (its call goes on at once).
void endDelays();

// Finds a camera by UUID (state lock held by the caller).
Camera *cameraByUuid(const char *uuid);
Camera *cameraByIndex(int index);
Camera *cameraBySerial(const std::string &serial);

// 1 when the calling thread is delivering that notify code (network kind)
// right now, else 0.
int notifyDeliveriesOfThisThread(uint32_t event);
int ptpipDeliveriesOfThisThread(uint32_t kind);

// Queues an event for the registered notify callback. Returns the ticket.
// With `reply`, it goes to the thread whose deliveries calls wait for.
uint64_t postEvent(uint32_t event, uint32_t param, const std::string &uuid, bool reply = false);
// The same for an event of one camera: held back while the camera suppresses
// that code, remembered for KVR_func_api_GetEventTag.
uint64_t postCameraEvent(Camera &camera, uint32_t event, uint32_t param);
// Queues a network callback; the record and error type are copied. With
// `reply`, it goes to the thread whose deliveries calls wait for.
uint64_t postPtpip(uint32_t kind, const KVR_PTPIP_CONNECT_DEVICE_INFO *record, uint32_t errorType,
                   const std::string &uuid, bool reply = false);

// Fills the network record of a camera.
void fillPtpipRecord(const Camera &camera, KVR_PTPIP_CONNECT_DEVICE_INFO &record);
void fillDevInfo(const Camera &camera, KVR_DEVINFO &info);
std::string makeUuid(int index, int generation);
std::wstring makeDevicePath(const Camera &camera);
uint32_t deviceKey(const Camera &camera);
std::string scramble(const std::string &password, uint32_t key);

void applyProfile(Camera &camera); // settings and password state from its CameraProfile
// A camera that restarted after a firmware update comes back under a new
// UUID when a search looks for it; true when it came back.
bool returnAfterRestart(Camera &camera);
void closeAllSessions();
void endSearch(uint32_t kind);

// Entry bookkeeping of every API call: the initialised check, the call log,
// injected delays and failures and, for per-camera calls, the camera. Holds
// the state lock from construction (after any injected delay) to destruction.
class Call
{
public:
    enum Kind { Global, Camera, CameraNoSession };
    Call(const char *function, Kind kind, const char *uuid, uint32_t *err);
    ~Call();

    bool ok() const { return m_ok; }
    uint8_t result() const { return m_result; }
    kvrsim_internal::Camera *camera() const { return m_camera; }
    uint8_t fail(uint32_t error);
    uint8_t succeed(uint8_t result = 1);
    void unlock();

private:
    std::unique_lock<std::recursive_mutex> m_lock;
    uint32_t *m_err;
    kvrsim_internal::Camera *m_camera = nullptr;
    bool m_ok = true;
    uint8_t m_result = 0;
};

// clang-format off
#define KVR_CALL(uuid, err) \
    kvrsim_internal::Call call(__func__, kvrsim_internal::Call::Camera, uuid, err); \
    if (!call.ok()) \
        return call.result()

#define KVR_CALL_NO_SESSION(uuid, err) \
    kvrsim_internal::Call call(__func__, kvrsim_internal::Call::CameraNoSession, uuid, err); \
    if (!call.ok()) \
        return call.result()

#define KVR_GLOBAL_CALL(err) \
    kvrsim_internal::Call call(__func__, kvrsim_internal::Call::Global, nullptr, err); \
    if (!call.ok()) \
        return call.result()
// clang-format on

} // namespace kvrsim_internal

#endif
