// Control interface of the simulated cameras behind Kvrptpif (tests and
// scenarios). Cameras are addressed by their device index, which stays the
// same for the library's lifetime; their UUID changes when a lost camera comes
// back.
#ifndef KVRSIM_H
#define KVRSIM_H

#include "Kvrptpif.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kvrsim {

enum class Connection { Usb, Lan };
enum class PasswordState { None, Unset, Set };

struct SettingProfile
{
    bool hasCurrent = false;
    uint32_t current = 0;
    bool hasOffered = false;
    std::vector<uint32_t> offered;
};

// How a camera reports one setting's capability list, for the edge cases
// of the program's readers.
struct ListShape
{
    bool supportedWhenEmpty = false; // availability byte set with nothing listed
    bool junkPastCount = false;      // the slots after the listed codes hold `junk`
    uint32_t junk = 0;
    int reportedCount = -1;   // >= 0: the count field says this (up to 65535), whatever is listed
    uint8_t slotLastByte = 0; // the capability slot's last byte (some cameras mark support there)
};

struct CameraProfile
{
    std::string maker = "KAVRO";
    std::string model = "Rozado Sim";
    std::string serial; // empty: derived from the device index
    std::string firmware = "1.0";
    std::string individualId; // empty: "<model>-<serial>"
    std::string friendlyName; // empty: the model name
    std::string mac;          // upper-case hex, no separators; empty: derived
    std::string ip;           // empty: derived
    Connection connection = Connection::Usb;
    PasswordState passwordState = PasswordState::None;
    std::string password; // clear text, for PasswordState::Set
    bool tls = false;
    uint32_t tlsError = 0; // non-zero: every TLS select fails with it
    bool wifi = false;
    uint32_t features[7] = {0, 0, 0, 0, 0x11111111u, 0, 0x1u}; // extended device id words
    bool cardInserted = true;
    // Functions the camera refuses (name without KVR_func_api_), or single
    // remote-control codes written as "0x03000024".
    std::vector<std::string> refused;
    std::map<std::string, SettingProfile> settings; // by setting name
};

// Status fields of one camera. Changing them through updateStatus announces
// KVR_EVENT_REC_INFO.
struct StatusValues
{
    uint16_t bodyPower = 100;
    uint16_t gripState = 0;
    uint16_t bodyLevel = 100;
    uint16_t gripLevel = 0;
    uint16_t cardCount = 1;
    uint16_t cards[16] = {1};
    uint16_t cameraStatus = 0;
    uint32_t elapsedInMovieRec = 0;
    uint32_t freeSpaces[4] = {1200, 300, 900, 200};
    uint16_t afState = 0;
    uint16_t afaeState = 0;
    uint16_t afcStartPosState = 0;
    uint16_t nrRemainingTime = 0;
    uint16_t hdmiSdiStatus = 0;
    uint16_t shotModeStatus = 0;
    uint16_t lvShootingStatus = 0;
};

// Setting files of one camera. A camera offers them when its feature word 4
// says so (0x00100000). Its data starts with a header naming its model, and
// a camera takes back only data of its own model whose check sum holds.
struct SetupFileState
{
    bool compatible = true;                     // Get_Compatible's flag
    uint32_t maxRecv = KVR_SETUP_FILE_MAX_SIZE; // Get_MaxRecvBuff
    // Size of the data Get_Data hands out; 0: its natural size. Above the
    // caller's capacity, Get_Data copies what fits and reports this size.
    uint32_t dataSize = 0;
};

// How a camera's next firmware updates end. Success: status 1, progress up
// to 100, 6 with 0, then the camera restarts: it is lost and the next search
// finds it under a new UUID. Failure: the progress stops and 6 carries an
// error. CameraLost: the camera stops answering midway (no 6).
enum class FirmwareOutcome { Success, Failure, CameraLost };

// Number of DbgLog_Init calls and the last value given (for start-up tests).
KVR_API int debugLogInitCount();
KVR_API bool debugLogEnabled();
// Forget all state: cameras, registrations, counters, injections, logs. The
// library is left finished; the next Init loads the default scenario (or the
// file named by KVRSIM_SCENARIO) unless a scenario was loaded in between.
KVR_API void reset();

// Scenarios. The JSON form: {"cameras": [ {camera fields as in CameraProfile,
// "connection": "usb"|"lan", "passwordState": "none"|"unset"|"set",
// "settings": {"<name>": {"current": n, "offered": [n, ...]}}, "refused":
// ["Rec_Ctrl_Zoom", ...]} ]}; numbers may also be written as text ("0xFF")
// and must fit 32 bits (-1 stands for 0xFFFFFFFF). Files above 4 MiB are refused.
// sdk/scenarios/studio.json is an example. Loading replaces every camera;
// a scenario that cannot be read changes nothing.
// The default scenario: "Rozado Sim A1" (USB, offers everything), "Rozado
// Sim B2" (USB, offers less and refuses zoom, menu, magnification, 4K and 6K/4K
// commands and the movie filter) and "Rozado Sim N3" (network, Wi-Fi, password
// "Rozado2026" set).
KVR_API void loadDefaultScenario();
KVR_API bool loadScenarioJson(const std::string &json, std::string *error = nullptr);
KVR_API bool loadScenarioFile(const std::string &path, std::string *error = nullptr);
KVR_API std::vector<CameraProfile> defaultScenario();

// Cameras.
KVR_API int addCamera(const CameraProfile &profile); // returns the device index
KVR_API std::vector<int> cameras();
KVR_API std::string uuidOf(int index);                // current UUID
KVR_API int indexOfSerial(const std::string &serial); // -1 when unknown
KVR_API CameraProfile profileOf(int index);
KVR_API bool inSession(int index);
// USB: plug in / pull out. Pulling a camera in session announces
// KVR_EVENT_CAMERA_LOST; its UUID is dead from then on.
KVR_API void plug(int index);
KVR_API void unplug(int index);
// Network: put a camera on or off the network; taking it off while in
// session announces kind 4 and its UUID is dead from then on.
KVR_API void setOnNetwork(int index, bool on);
// Any camera: the camera stops answering (KVR_EVENT_CAMERA_LOST).
KVR_API void loseCamera(int index);

// Passwords (network cameras).
KVR_API PasswordState passwordState(int index);
KVR_API void setPassword(int index, PasswordState state, const std::string &clearText = std::string());
KVR_API uint32_t deviceKey(int index);
KVR_API std::string scramblePassword(const std::string &clearText, uint32_t key);
// TLS cameras: the camera presents another certificate from now on (its
// serial and name unchanged); `tag` goes into its text.
KVR_API void renewCertificate(int index, const std::string &tag);

// Settings, by name (see settingNames()).
KVR_API std::vector<std::string> settingNames();
KVR_API uint32_t setting(int index, const std::string &name);
KVR_API std::vector<uint32_t> offered(int index, const std::string &name);
KVR_API void setOffered(int index, const std::string &name, const std::vector<uint32_t> &codes);
// How the setting's list is reported from now on (see ListShape).
KVR_API void setListShape(int index, const std::string &name, const ListShape &shape);
// A dial turned on the camera: sets the current code (offered or not) and
// announces the group's change event.
KVR_API void turnDial(int index, const std::string &name, uint32_t code);

// Status.
KVR_API StatusValues status(int index);
KVR_API void updateStatus(int index, const std::function<void(StatusValues &)> &change);
// Error list (newest first): pairs of date-time word and code; announces
// KVR_EVENT_SETUP_ERROR.
KVR_API void setErrors(int index, const std::vector<std::pair<uint32_t, uint32_t>> &errors);

// Setting files and firmware updates.
KVR_API void setSetupFileState(int index, const SetupFileState &state);
KVR_API std::vector<uint8_t> setupData(int index); // what Get_Data hands out now
KVR_API void setFirmwareOutcome(int index, FirmwareOutcome outcome);

// Events.
KVR_API void emitEvent(uint32_t event, uint32_t param, const std::string &uuid);
KVR_API void emitPtpip(uint32_t kind, int index, uint32_t errorType = 0);

// Injection: the next `count` calls of `function` (name without the
// KVR_func_api_ prefix; for one camera when uuid is not empty) fail with
// `result` and `error`, or take `delayMs` longer. Clearing the injections
// (or a reset) also ends the delays under way: a long delay stands for a
// call that hangs until the test lets it go.
KVR_API void failNext(const std::string &function, int count, uint8_t result = 0, uint32_t error = KVR_ERR_REFUSED,
                      const std::string &uuid = std::string());
KVR_API void delayNext(const std::string &function, int count, int delayMs, const std::string &uuid = std::string());
KVR_API void clearInjections();
// Calls of `function` in an injected delay right now (not yet logged: a
// call enters the log once its delay is over).
KVR_API int delayedCalls(const std::string &function);

// Call log: the functions called for one camera (names without the prefix),
// oldest first; calls that name no camera go to the global log. A log that
// reaches 4096 entries drops its older half.
KVR_API std::vector<std::string> callLog(int index);
KVR_API std::vector<std::string> globalCallLog();
KVR_API void clearCallLogs();
// The control records one camera received (remote-control calls), oldest
// first, as sent: function name, code and the parameter words the count
// names (at most 16 kept). Cleared with the call logs.
struct ControlCall
{
    std::string function;
    uint32_t code = 0;
    std::vector<int32_t> params;
};
KVR_API std::vector<ControlCall> controlLog(int index);
// The simulated lens: focal length, tele and wide ends, focus position
// (0 near .. 1000 far).
struct LensState
{
    uint16_t focalLength = 24;
    uint16_t teleEnd = 105;
    uint16_t wideEnd = 24;
    int focus = 500;
};
KVR_API LensState lensState(int index);
// Objects the camera made since it was added (releases, bursts, movies):
// (handle, KVR_OBJECT_FORMAT_*) in the order they were made.
KVR_API std::vector<std::pair<uint32_t, uint32_t>> objects(int index);

// Interval shooting: the period between the pictures of a series, in ms
// (from the next tick on; at least 1). A new camera waits 2000 ms.
KVR_API void setIntervalPeriod(int index, int ms);

// ---- objects and 6K/4K frames ----
// What a camera makes: JPEG stills (EXIF orientation, IFD1 thumbnail), RAW
// stills (TIFF magic 0x55, JPEG previews in tags 46 and 295), HLG stills
// (TIFF, Compression 0xC7E8, previews in IFD1 and IFD2), HEIF stills (brand
// "heix", EXIF block at the start of "mdat" whose preview offsets count from
// the start of the file) and movies (an MP4 head, then media data). Bytes are
// made on demand from the offset, so sizes beyond 4 GiB cost no memory. The
// files of one shot share the camera's file number ("P1000042.JPG" and
// "P1000042.RW2") and, when there are several, one non-zero association
// descriptor; the RAW of such a pair has association type 1, every other
// object 0. With no card ready the stills are named "CARDLESS.JPG",
// "CARDLESS.RW2", "CARDLESS.HSP" and "CARDLESS.HIF".
constexpr int64_t NaturalSize = -1;
struct ObjectInfo
{
    uint32_t handle = 0;
    uint32_t format = 0;
    uint32_t associationType = 0;
    uint32_t associationDesc = 0;
    uint64_t size = 0;
    std::string fileName;
    bool skipped = false; // Skip_Object_Transfer was called for it
};
// (Learning a natural size makes the object's bytes once.)
KVR_API std::vector<ObjectInfo> objectInfo(int index);
// Makes an object as a release would, with that size (NaturalSize: the
// format's own), announced like one unless `announce` is false; its handle,
// 0 when there is no such camera.
KVR_API uint32_t addObject(int index, uint32_t format, int64_t size = NaturalSize, bool announce = true);
// The next `count` objects of that format take this size; count < 0: every
// later one. A size below the format's own cuts its bytes short; a larger
// one pads the picture data (never memory). NaturalSize with count < 0
// forgets a standing size.
KVR_API void setObjectSize(int index, uint32_t format, int64_t size, int count = 1);
// The next objects take these camera file names, one each, whatever they
// are ("../x", "/tmp/x", "a/b", names longer than the name record: those
// fill all its 256 bytes before the terminating zero).
KVR_API void setNextObjectNames(int index, const std::vector<std::string> &names);
// The next read (Get_Object, Get_Partial_Object, Get_Partial_ObjectEx) that
// covers that byte offset of any object fails once with KVR_ERR_TIMEOUT;
// a negative offset clears it.
KVR_API void failObjectReadAt(int index, int64_t offset);
// The camera is lost (KVR_EVENT_CAMERA_LOST) when a read reaches that offset;
// the read fails with KVR_ERR_NO_DEVICE. A negative offset clears it.
KVR_API void loseCameraAtOffset(int index, int64_t offset);
// The bytes a read of that range returns (what the camera would hand out),
// for checks; empty when the range is not inside the object.
KVR_API std::vector<uint8_t> objectBytes(int index, uint32_t handle, uint64_t offset, uint32_t length);

// 6K/4K cutting: a burst of `frames` ready to cut (KVR_EVENT_4K6K_READY with
// the frame count). Rec_Ctrl_4K6K start (refused with no burst ready)
// announces one KVR_EVENT_FRAME_DATA per frame, with the frame number 1, 2,
// ... as parameter; 4k6k_Cutting_Get_StreamFrame_data hands out the frames
// in that order (a JPEG showing the camera's name and the frame number) and,
// after the last, the camera announces KVR_EVENT_4K6K_CUT_STOP. Stop drops
// the frames not yet read and announces KVR_EVENT_4K6K_CUT_STOP; cancel drops
// the burst.
KVR_API void offerCut(int index, uint32_t frames);
// The next frame reports this size word while copying only what fits in the
// caller's buffer (a camera that overstates its frame).
KVR_API void setNextFrameSize(int index, uint32_t size);
// ---- end objects and 6K/4K frames ----

// ---- live view ----
// Frames come from a ring at the camera's live-view transfer size and
// picture aspect, each encoded when first handed out (a new size costs one
// frame, and the next frame already has it), each showing the model name,
// the device index and a marker that moves from frame to frame. Faults of one camera's next
// `count` frame requests: Busy answers KVR_ERR_BUSY without a frame,
// CorruptFrame hands out bytes that are no JPEG, OversizedSize reports a
// JPEG size beyond the caller's buffer.
enum class LiveViewFault { Busy, CorruptFrame, OversizedSize };
KVR_API void injectLiveViewFault(int index, LiveViewFault fault, int count = 1);
KVR_API bool liveViewRunning(int index);
// Frames handed out since live view last started on the camera.
KVR_API uint64_t liveViewFramesServed(int index);
// JPEG frames the camera's live view has encoded so far.
KVR_API uint64_t liveViewFramesEncoded(int index);
// ---- end live view ----

// Waits until every queued callback has been delivered and none runs.
KVR_API void flush();

// The network search running in the library, if any.
KVR_API bool networkSearchRunning();
// Waits until no network search runs (its end has been queued), at most
// maxMs milliseconds; true when none runs.
KVR_API bool waitNetworkSearchEnded(int maxMs);

} // namespace kvrsim

#endif
