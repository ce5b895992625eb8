// Remote control, the release effects that make objects, and the names of
// the application's own wrappers.
#include "sim.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

using namespace kvrsim_internal;

namespace {

struct Family
{
    const char *function;
    std::vector<uint32_t> codes;
    std::vector<uint32_t> needCard; // codes answered with 2 when no card is ready
};

const Family &family(const std::string &function)
{
    static const std::vector<Family> families = {
        {"Rec_Ctrl_Release",
         {0x03000011, 0x03000012, 0x03000013, 0x03000014, 0x03000015, 0x03000016, 0x03000017, 0x03000018, 0x03000019},
         {KVR_CMD_RELEASE_ONE_SHOT, KVR_CMD_RELEASE_CONT_START}},
        {"Rec_Ctrl_4k",
         {0x03000031, 0x03000032, 0x03000033, 0x03000034, 0x03000035, 0x03000036},
         {KVR_CMD_4K_BURST_START, KVR_CMD_4K_PREWRITE_REQ}},
        {"Rec_Ctrl_4K6K", {KVR_CMD_4K6K_CUT_START, KVR_CMD_4K6K_CUT_CANCEL, KVR_CMD_4K6K_CUT_STOP}, {}},
        {"Rec_Ctrl_Backup_Req",
         {KVR_CMD_BACKUP_PHOTOSTYLE_REQ, KVR_CMD_RESTORE_PHOTOSTYLE_REQ, KVR_CMD_DEL_BACKUP_REQ},
         {}},
        {"Rec_Ctrl_AF_AE",
         {0x03000021, 0x03000022, 0x03000023, 0x03000024, 0x03000025, 0x03000026, 0x03000027, 0x03000028, 0x03000029,
          0x0300002A, 0x0300002B, 0x0300002C, 0x0300002D, 0x0300002E, 0x0300002F},
         {}},
        {"Rec_Ctrl_AF_AE2", {0x030000C1, 0x030000C2, 0x030000C4, 0x030000C5, 0x030000C6, 0x030000C7}, {}},
        {"Rec_Ctrl_AF_Area", {0x030000A1, 0x030000A2, 0x030000A3, 0x030000A4, 0x030000A5}, {}},
        {"Rec_Ctrl_MF_Assist", {0x03000051, 0x03000052, 0x03000053, 0x03000054, 0x03000055, 0x03000056}, {}},
        {"Rec_Ctrl_LV_Mag", {0x030000D1, 0x030000D2, 0x030000D3, 0x030000D4, 0x030000D5, 0x030000D6}, {}},
        {"Rec_Ctrl_Lens", {KVR_CMD_LENS}, {}},
        {"Rec_Ctrl_Zoom", {KVR_CMD_ZOOM_START, KVR_CMD_ZOOM_STOP, KVR_CMD_ZOOM_SET_POS}, {}},
        {"Rec_Ctrl_Menu", {KVR_CMD_MENU_START, KVR_CMD_MENU_END, KVR_CMD_MENU_TOUCH_DOWN, KVR_CMD_MENU_TOUCH_UP}, {}},
        {"Rec_Ctrl_Other", {KVR_CMD_OTHER_REC_TO_PLAY, KVR_CMD_OTHER_FLASH_TEST}, {}},
        {"WB_Ctrl_WBSET", {KVR_CMD_WBSET_START_REQ, KVR_CMD_WBSET_SET_REQ, KVR_CMD_WBSET_END_REQ}, {}},
        {"Mnt_Ctrl_LiveView", {KVR_CMD_MNT_LIVEVIEW_START, KVR_CMD_MNT_LIVEVIEW_STOP}, {}},
    };
    for (const auto &f : families) {
        if (function == f.function)
            return f;
    }
    static const Family none{"", {}, {}};
    return none;
}

void changeStatus(Camera &camera, uint16_t cameraStatus)
{
    if (camera.status.cameraStatus == cameraStatus)
        return;
    camera.status.cameraStatus = cameraStatus;
    postCameraEvent(camera, KVR_EVENT_REC_INFO, 0);
}

// The formats one still is written in, by the camera's picture quality.
std::vector<uint32_t> stillFormats(const Camera &camera)
{
    const int id = settingId("imgInfoQuality");
    const uint32_t quality = id >= 0 && size_t(id) < camera.settings.size() ? camera.settings[size_t(id)].current : 0;
    switch (quality) {
    case 3:
        return {KVR_OBJECT_FORMAT_RAW};
    case 4:
    case 5:
        return {KVR_OBJECT_FORMAT_RAW, KVR_OBJECT_FORMAT_JPEG};
    case 13:
    case 14:
        return {KVR_OBJECT_FORMAT_HEIF};
    case 15:
    case 16:
        return {KVR_OBJECT_FORMAT_RAW, KVR_OBJECT_FORMAT_HEIF};
    default:
        return {KVR_OBJECT_FORMAT_JPEG};
    }
}

// A new object on the card, announced as the camera does.
void addObject(Camera &camera, uint32_t format)
{
    makeObject(camera, format);
}

void takeStills(Camera &camera, int shots)
{
    for (int i = 0; i < shots; ++i) {
        const std::vector<uint32_t> formats = stillFormats(camera);
        beginShot(camera, formats.size());
        for (uint32_t format : formats)
            addObject(camera, format);
        endShot(camera);
    }
    // The camera reports its recording state once the pictures are written.
    postCameraEvent(camera, KVR_EVENT_REC_INFO, 0);
}

void focusReport(Camera &camera, uint16_t afState)
{
    camera.status.afState = afState;
    postCameraEvent(camera, KVR_EVENT_AF_INFO, 0);
    postCameraEvent(camera, KVR_EVENT_REC_INFO, 0);
}

uint16_t clampFocal(const kvrsim::LensState &lens, long value)
{
    return uint16_t(std::clamp<long>(value, lens.wideEnd, lens.teleEnd));
}

void zoom(Camera &camera, uint32_t code, const int32_t *params, uint16_t count)
{
    kvrsim::LensState &lens = camera.lens;
    const auto param = [&](uint16_t i) { return i < count ? params[i] : 0; };
    if (code == KVR_CMD_ZOOM_START) {
        // One step of the running zoom, larger at higher speeds.
        static const int steps[] = {0, 2, 10, 5, 1, 20};
        const int32_t speed = param(1);
        const int step = speed >= 0 && speed < 6 ? steps[speed] : 1;
        lens.focalLength = clampFocal(lens, long(lens.focalLength) + (param(0) == 1 ? step : -step));
    } else if (code == KVR_CMD_ZOOM_SET_POS) {
        lens.focalLength = clampFocal(lens, param(0) == 1 ? long(param(1)) : long(lens.focalLength) + param(1));
    }
    postCameraEvent(camera, KVR_EVENT_LENS_ZOOM, lens.focalLength);
}

void driveFocus(Camera &camera, int32_t drive)
{
    static const int steps[] = {0, 100, 10, -10, -100};
    camera.lensDrive = drive;
    camera.lens.focus = std::clamp(camera.lens.focus + steps[drive], 0, 1000);
}

bool refusesCode(const Camera &camera, uint32_t code)
{
    for (const std::string &r : camera.profile.refused) {
        if (r.size() < 3 || r[0] != '0' || (r[1] != 'x' && r[1] != 'X'))
            continue;
        char *end = nullptr;
        const unsigned long value = std::strtoul(r.c_str(), &end, 16);
        if (end && *end == '\0' && value == code)
            return true;
    }
    return false;
}

// Every step of a series is a recording-state change the camera announces,
// even where its status word stays the same.
void announceStatus(Camera &camera, uint16_t cameraStatus)
{
    camera.status.cameraStatus = cameraStatus;
    postCameraEvent(camera, KVR_EVENT_REC_INFO, 0);
}

bool shutterIsBulb(const Camera &camera)
{
    const int id = settingId("shutterSpeed");
    return id >= 0 && size_t(id) < camera.settings.size() && camera.settings[size_t(id)].current == 0xFFFFFFFFu;
}

uint64_t nextSeries()
{
    // One count for every camera: a camera added after a reset may take an
    // old index, never an old series.
    static uint64_t series = 0;
    return ++series;
}

void scheduleIntervalTick(Camera &camera)
{
    const int index = camera.index;
    const int generation = camera.generation;
    const uint64_t series = camera.intervalSeries;
    camera.intervalTimer = lib().scheduler.schedule(camera.intervalMs, [index, generation, series] {
        std::lock_guard<std::recursive_mutex> g(lib().state);
        Camera *c = cameraByIndex(index);
        if (!c || c->generation != generation || c->intervalSeries != series
            || c->interval != Camera::Interval::Running)
            return;
        if (!lib().initialised || c->lost || !c->present || !c->inSession) {
            endShootingSeries(*c);
            return;
        }
        // A full card ends the series as the camera would.
        if (!cardReady(c->status)) {
            endShootingSeries(*c);
            postCameraEvent(*c, KVR_EVENT_REC_INFO, 0);
            return;
        }
        takeStills(*c, 1);
        scheduleIntervalTick(*c);
    });
}

// The recording's clock: the program learns that a movie is being made from
// the elapsed time it reads, so a recording that never reported its time
// would leave its movie unannounced as a movie.
void scheduleRecordingTick(Camera &camera)
{
    const int index = camera.index;
    const int generation = camera.generation;
    const uint64_t series = camera.recordingSeries;
    camera.recordingTimer = lib().scheduler.schedule(1000, [index, generation, series] {
        std::lock_guard<std::recursive_mutex> g(lib().state);
        Camera *c = cameraByIndex(index);
        if (!c || c->generation != generation || c->recordingSeries != series)
            return;
        c->recordingTimer = 0;
        if (!lib().initialised || c->lost || !c->present || !c->inSession
            || c->status.cameraStatus != KVR_CAMERA_STATUS_MOVIE_REC)
            return;
        ++c->status.elapsedInMovieRec;
        postCameraEvent(*c, KVR_EVENT_REC_INFO, 0);
        scheduleRecordingTick(*c);
    });
}

void endRecordingClock(Camera &camera)
{
    if (camera.recordingTimer)
        lib().scheduler.cancel(camera.recordingTimer);
    camera.recordingTimer = 0;
    camera.recordingSeries = nextSeries();
}

void changeInterval(Camera &camera, Camera::Interval state)
{
    if (camera.intervalTimer)
        lib().scheduler.cancel(camera.intervalTimer);
    camera.intervalTimer = 0;
    camera.interval = state;
    camera.intervalSeries = nextSeries();
    announceStatus(camera, state == Camera::Interval::Running ? KVR_CAMERA_STATUS_REMOTE_REC : KVR_CAMERA_STATUS_IDLE);
    if (state == Camera::Interval::Running)
        scheduleIntervalTick(camera);
}

// What the camera refuses in its present state (0: it takes the command).
// Starting a series or a pre-capture needs a card; a pause needs a running
// series and a restart a paused one.
uint32_t refusal(const Camera &camera, uint32_t code)
{
    switch (code) {
    case KVR_CMD_RELEASE_INTERVAL_START:
    case KVR_CMD_4K_PRECAP_START:
        return cardReady(camera.status) ? 0 : KVR_ERR_NO_CARD;
    case KVR_CMD_RELEASE_INTERVAL_PAUSE:
        return camera.interval == Camera::Interval::Running ? 0 : KVR_ERR_REFUSED;
    case KVR_CMD_RELEASE_INTERVAL_RESTART:
        return camera.interval == Camera::Interval::Paused ? 0 : KVR_ERR_REFUSED;
    default:
        return 0;
    }
}

// The backup covers both photo-style groups; a restore announces each group
// whose values it changed, as a dial turn would.
void photoStyleBackup(Camera &camera, uint32_t code)
{
    const auto inBackup = [](int id) {
        const Group g = settingDef(id).group;
        return g == Group::PhotoStyle || g == Group::PhotoStyle2;
    };
    if (code == KVR_CMD_BACKUP_PHOTOSTYLE_REQ) {
        camera.photoStyleBackup.clear();
        for (size_t id = 0; id < camera.settings.size(); ++id) {
            if (inBackup(int(id)))
                camera.photoStyleBackup.emplace_back(int(id), camera.settings[id].current);
        }
        camera.hasPhotoStyleBackup = true;
    } else if (code == KVR_CMD_RESTORE_PHOTOSTYLE_REQ && camera.hasPhotoStyleBackup) {
        std::set<Group> changed;
        for (const auto &[id, current] : camera.photoStyleBackup) {
            if (size_t(id) < camera.settings.size() && camera.settings[size_t(id)].current != current) {
                camera.settings[size_t(id)].current = current;
                changed.insert(settingDef(id).group);
            }
        }
        for (const Group g : changed)
            postCameraEvent(camera, groupEvent(g), 0);
    } else if (code == KVR_CMD_DEL_BACKUP_REQ) {
        camera.photoStyleBackup.clear();
        camera.hasPhotoStyleBackup = false;
    }
}

void effects(Camera &camera, uint32_t code, const int32_t *params, uint16_t count)
{
    switch (code) {
    case KVR_CMD_BACKUP_PHOTOSTYLE_REQ:
    case KVR_CMD_RESTORE_PHOTOSTYLE_REQ:
    case KVR_CMD_DEL_BACKUP_REQ:
        photoStyleBackup(camera, code);
        break;
    case KVR_CMD_RELEASE_ONE_SHOT:
        takeStills(camera, 1);
        break;
    case KVR_CMD_RELEASE_CONT_START:
        // At the bulb setting the burst start opens the shutter and the end
        // closes it on one picture.
        if (shutterIsBulb(camera)) {
            camera.bulbOpen = true;
            announceStatus(camera, KVR_CAMERA_STATUS_REMOTE_REC);
        } else {
            takeStills(camera, 3);
        }
        break;
    case KVR_CMD_RELEASE_CONT_END:
        if (camera.bulbOpen) {
            camera.bulbOpen = false;
            camera.status.cameraStatus = KVR_CAMERA_STATUS_IDLE;
            takeStills(camera, 1);
        }
        break;
    case KVR_CMD_RELEASE_INTERVAL_START:
        // The first picture at once, then one per period.
        takeStills(camera, 1);
        changeInterval(camera, Camera::Interval::Running);
        break;
    case KVR_CMD_RELEASE_INTERVAL_PAUSE:
        changeInterval(camera, Camera::Interval::Paused);
        break;
    case KVR_CMD_RELEASE_INTERVAL_RESTART:
        changeInterval(camera, Camera::Interval::Running);
        break;
    case KVR_CMD_RELEASE_INTERVAL_STOP:
        if (camera.interval != Camera::Interval::Off)
            changeInterval(camera, Camera::Interval::Off);
        break;
    case KVR_CMD_4K_BURST_START:
    case KVR_CMD_4K_PRECAP_START:
        camera.burst4K = true;
        announceStatus(camera, KVR_CAMERA_STATUS_MOVIE_REC);
        break;
    case KVR_CMD_4K_PREWRITE_REQ:
        // The pre-burst buffer the camera keeps, written as it stands.
        addObject(camera, KVR_OBJECT_FORMAT_MOVIE);
        postCameraEvent(camera, KVR_EVENT_REC_INFO, 0);
        break;
    case KVR_CMD_4K_BURST_STOP:
    case KVR_CMD_4K_PRECAP_END:
        // The burst is kept as one movie file, from which frames are cut;
        // the camera then offers the burst for cutting (a second's frames).
        if (camera.burst4K)
            addObject(camera, KVR_OBJECT_FORMAT_MOVIE);
        announceStatus(camera, KVR_CAMERA_STATUS_IDLE);
        if (camera.burst4K)
            offerCut(camera, 30);
        camera.burst4K = false;
        break;
    case KVR_CMD_RELEASE_HALFS_START:
    case KVR_CMD_AF_AE_AF:
    case KVR_CMD_AF_AE_AFAE:
    case KVR_CMD_AF_AE_AF_ONESHOT:
    case KVR_CMD_AF_AE_1POINT_AF:
    case KVR_CMD_AF_AE_TRACKING_START:
    case KVR_CMD_AF_AE_PINPOINT_AF_START:
    case KVR_CMD_AF_AREA_START:
        focusReport(camera, 1);
        break;
    case KVR_CMD_RELEASE_HALFS_END:
    case KVR_CMD_AF_AE_AFAE_CLEAR:
    case KVR_CMD_AF_AE_AF_OFF:
        focusReport(camera, 0);
        break;
    case KVR_CMD_ZOOM_START:
    case KVR_CMD_ZOOM_STOP:
    case KVR_CMD_ZOOM_SET_POS:
        zoom(camera, code, params, count);
        break;
    default:
        break;
    }
}

template<typename Record>
uint8_t command(Call &call, const char *function, const Record *ctrl)
{
    if (!ctrl || ctrl->paramCount > KVR_CTRL_PARAM_MAX)
        return call.fail(KVR_ERR_INVALID_PARAM);
    const std::string name = std::string(function).substr(std::strlen("KVR_func_api_"));
    const Family &f = family(name);
    if (std::find(f.codes.begin(), f.codes.end(), ctrl->code) == f.codes.end())
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera &camera = *call.camera();
    kvrsim::ControlCall logged{name, ctrl->code, {}};
    logged.params.assign(ctrl->params, ctrl->params + std::min<uint16_t>(ctrl->paramCount, 16));
    camera.controlLog.push_back(std::move(logged));
    if (camera.controlLog.size() >= 4096)
        camera.controlLog.erase(camera.controlLog.begin(), camera.controlLog.begin() + 2048);
    if (refusesCode(camera, ctrl->code))
        return call.fail(KVR_ERR_REFUSED);
    if (std::find(f.needCard.begin(), f.needCard.end(), ctrl->code) != f.needCard.end() && !cardReady(camera.status)) {
        call.fail(KVR_ERR_NO_CARD);
        return 2;
    }
    if (const uint32_t error = refusal(camera, ctrl->code))
        return call.fail(error);
    if (ctrl->code == KVR_CMD_LENS && (ctrl->paramCount < 1 || ctrl->params[0] < 0 || ctrl->params[0] > 4))
        return call.fail(KVR_ERR_INVALID_PARAM);
    // A menu touch lies on the camera's 0..999 grid.
    if ((ctrl->code == KVR_CMD_MENU_TOUCH_DOWN || ctrl->code == KVR_CMD_MENU_TOUCH_UP)
        && (ctrl->paramCount < 2 || ctrl->params[0] < 0 || ctrl->params[0] > 999 || ctrl->params[1] < 0
            || ctrl->params[1] > 999))
        return call.fail(KVR_ERR_INVALID_PARAM);
    applyMagnification(camera, ctrl->code, ctrl->params, ctrl->paramCount);
    if (!cutControl(camera, ctrl->code))
        return call.fail(KVR_ERR_REFUSED);
    if (ctrl->code == KVR_CMD_MENU_START)
        changeStatus(camera, KVR_CAMERA_STATUS_MENU);
    else if (ctrl->code == KVR_CMD_MENU_END && camera.status.cameraStatus == KVR_CAMERA_STATUS_MENU)
        changeStatus(camera, KVR_CAMERA_STATUS_IDLE);
    if (ctrl->code == KVR_CMD_LENS)
        driveFocus(camera, ctrl->params[0]);
    effects(camera, ctrl->code, ctrl->params, ctrl->paramCount);
    return call.succeed();
}

} // namespace

namespace kvrsim_internal {

void endShootingSeries(Camera &camera)
{
    if (camera.intervalTimer)
        lib().scheduler.cancel(camera.intervalTimer);
    camera.intervalTimer = 0;
    camera.intervalSeries = nextSeries();
    const bool running = camera.interval != Camera::Interval::Off || camera.bulbOpen;
    camera.interval = Camera::Interval::Off;
    camera.bulbOpen = false;
    if (running)
        camera.status.cameraStatus = KVR_CAMERA_STATUS_IDLE;
}

} // namespace kvrsim_internal

extern "C" {

// clang-format off
#define KVR_DEFINE_COMMAND(fn, record) \
    uint8_t KVR_func_api_##fn(const record *ctrl, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return command(call, __func__, ctrl); \
    }
// clang-format on
KVR_DEFINE_COMMAND(Rec_Ctrl_Release, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_4k, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_4K6K, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_Backup_Req, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_AF_AE, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_AF_AE2, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_AF_Area, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_MF_Assist, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_LV_Mag, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_Lens, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_Zoom, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_Menu, KVR_STRUCT_REC_CTRL)
KVR_DEFINE_COMMAND(Rec_Ctrl_Other, KVR_STRUCT_REC_CTRL_OTHER)
KVR_DEFINE_COMMAND(Mnt_Ctrl_LiveView, KVR_STRUCT_MNT_CTRL)
#undef KVR_DEFINE_COMMAND

// A white-balance set the camera could not carry out is also announced, so
// that the program ends its spot operation.
uint8_t KVR_func_api_WB_Ctrl_WBSET(const KVR_STRUCT_WBSET_CTRL *ctrl, const char *uuid, uint32_t *err)
{
    kvrsim_internal::Call call(__func__, kvrsim_internal::Call::Camera, uuid, err);
    const uint8_t result = call.ok() ? command(call, __func__, ctrl) : call.result();
    Camera *camera = call.camera();
    if (result != 1 && ctrl && ctrl->code == KVR_CMD_WBSET_SET_REQ && camera && camera->inSession && !camera->lost)
        postCameraEvent(*camera, KVR_EVENT_WBSET_FAILED, 0);
    return result;
}

uint8_t KVR_func_api_MoveRec_Ctrl_Start(const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    Camera &camera = *call.camera();
    if (!cardReady(camera.status)) {
        call.fail(KVR_ERR_NO_CARD);
        return 2;
    }
    camera.status.elapsedInMovieRec = 0;
    changeStatus(camera, KVR_CAMERA_STATUS_MOVIE_REC);
    endRecordingClock(camera);
    scheduleRecordingTick(camera);
    return call.succeed();
}

uint8_t KVR_func_api_MoveRec_Ctrl_Stop(uint8_t stop, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    (void)stop;
    Camera &camera = *call.camera();
    // A recording that ran leaves its movie on the card.
    endRecordingClock(camera);
    if (camera.status.cameraStatus == KVR_CAMERA_STATUS_MOVIE_REC)
        addObject(camera, KVR_OBJECT_FORMAT_MOVIE);
    changeStatus(camera, KVR_CAMERA_STATUS_IDLE);
    return call.succeed();
}

// The application's own wrapper names: exported, inactive.
// clang-format off
#define KVR_DEFINE_APPLICATION_NAME(name) \
    uint8_t name(uint32_t value, const char *uuid, uint32_t *err) \
    { \
        (void)value; \
        (void)uuid; \
        if (err) \
            *err = KVR_ERR_NOT_SUPPORTED; \
        setLastError(KVR_ERR_NOT_SUPPORTED); \
        return 0; \
    }
// clang-format on
KVR_FUNCTIONS_APPLICATION_NAMES(KVR_DEFINE_APPLICATION_NAME)
#undef KVR_DEFINE_APPLICATION_NAME

} // extern "C"
