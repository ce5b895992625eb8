// The control interface of the simulated cameras (KvrSim.h) and scenarios.
#include "json.h"
#include "settings_table.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <cstdio>
#include <fstream>

using namespace kvrsim_internal;

namespace kvrsim_internal {

void applyProfile(Camera &camera)
{
    kvrsim::CameraProfile &s = camera.profile;
    char text[64];
    if (s.serial.empty()) {
        std::snprintf(text, sizeof text, "SIM%08d", camera.index);
        s.serial = text;
    }
    if (s.individualId.empty())
        s.individualId = s.model + "-" + s.serial;
    if (s.friendlyName.empty())
        s.friendlyName = s.model;
    if (s.mac.empty()) {
        std::snprintf(text, sizeof text, "0080F0%06X", 0xA10000u + static_cast<unsigned>(camera.index));
        s.mac = text;
    }
    if (s.ip.empty()) {
        std::snprintf(text, sizeof text, "192.0.2.%d", 10 + camera.index % 200);
        s.ip = text;
    }
    camera.uuid = makeUuid(camera.index, camera.generation);
    camera.devicePath = makeDevicePath(camera);
    camera.passwordState = s.passwordState;
    camera.scrambledPassword = s.passwordState == kvrsim::PasswordState::Set ? scramble(s.password, deviceKey(camera))
                                                                             : std::string();
    camera.pem = s.tls ? "-----BEGIN CERTIFICATE-----\nS0FWUk8gUm96YWRvIFNpbSBjZXJ0aWZpY2F0ZSBmb3IgIiArIHNlcmlhbA==\n"
                         "-----END CERTIFICATE-----\n"
                       : std::string();
    if (s.tls)
        camera.pem.insert(28, s.serial + "\n");

    camera.settings.assign(static_cast<size_t>(settingCount()), SettingValue());
    for (int id = 0; id < settingCount(); ++id) {
        SettingValue &v = camera.settings[static_cast<size_t>(id)];
        v.current = settingDef(id).current;
        v.offered = settingDef(id).offered;
        auto it = s.settings.find(settingDef(id).name);
        if (it == s.settings.end())
            continue;
        if (it->second.hasOffered)
            v.offered = it->second.offered;
        if (it->second.hasCurrent)
            v.current = it->second.current;
        v.available = !v.offered.empty();
    }
    if (!s.cardInserted) {
        camera.status.cardCount = 0;
        camera.status.cards[0] = 0;
    }
}

} // namespace kvrsim_internal

namespace {

Camera *find(int index)
{
    return cameraByIndex(index);
}

int addCameraLocked(const kvrsim::CameraProfile &profile)
{
    Library &l = lib();
    auto camera = std::make_unique<Camera>();
    camera->index = l.cameras.empty() ? 1 : l.cameras.back()->index + 1;
    camera->profile = profile;
    applyProfile(*camera);
    const int index = camera->index;
    l.cameras.push_back(std::move(camera));
    return index;
}

// A camera that was lost comes back under a new UUID.
void renew(Camera &camera)
{
    if (!camera.lost)
        return;
    camera.lost = false;
    ++camera.generation;
    camera.uuid = makeUuid(camera.index, camera.generation);
}

void markLost(Camera &camera, bool network)
{
    const bool wasConnected = camera.selected || camera.inSession;
    endShootingSeries(camera);
    camera.selected = false;
    camera.inSession = false;
    camera.liveView = false;
    if (!wasConnected)
        return;
    camera.lost = true;
    if (network)
        postPtpip(KVR_PTPIP_KIND_DISCONNECTED, nullptr, 0, camera.uuid);
    else
        postEvent(KVR_EVENT_CAMERA_LOST, 0, camera.uuid);
}

bool sameStatus(const kvrsim::StatusValues &a, const kvrsim::StatusValues &b)
{
    return a.bodyPower == b.bodyPower && a.gripState == b.gripState && a.bodyLevel == b.bodyLevel
           && a.gripLevel == b.gripLevel && a.cardCount == b.cardCount
           && std::equal(std::begin(a.cards), std::end(a.cards), std::begin(b.cards))
           && a.cameraStatus == b.cameraStatus && a.elapsedInMovieRec == b.elapsedInMovieRec
           && std::equal(std::begin(a.freeSpaces), std::end(a.freeSpaces), std::begin(b.freeSpaces))
           && a.afState == b.afState && a.afaeState == b.afaeState && a.afcStartPosState == b.afcStartPosState
           && a.nrRemainingTime == b.nrRemainingTime && a.hdmiSdiStatus == b.hdmiSdiStatus
           && a.shotModeStatus == b.shotModeStatus && a.lvShootingStatus == b.lvShootingStatus;
}

// Codes are 32-bit. A number outside that range, one that is not finite
// ("inf", "nan") or text that is not wholly a number is refused: converting
// it would be undefined or silently give some other code.
bool toCode(const Json &v, uint32_t &out)
{
    double d;
    if (v.type == Json::Type::String) {
        const char *begin = v.text.c_str();
        char *end = nullptr;
        errno = 0;
        const long long n = std::strtoll(begin, &end, 0);
        if (end == begin || *end != '\0' || errno == ERANGE)
            return false;
        d = static_cast<double>(n);
    } else if (v.type == Json::Type::Number) {
        d = v.number;
    } else {
        return false;
    }
    if (!std::isfinite(d) || d < -2147483648.0 || d > 4294967295.0)
        return false;
    out = static_cast<uint32_t>(static_cast<int64_t>(d));
    return true;
}

bool toCodes(const Json &array, std::vector<uint32_t> &out)
{
    out.clear();
    if (array.type != Json::Type::Array)
        return false;
    for (const Json &item : array.items) {
        uint32_t code;
        if (!toCode(item, code))
            return false;
        out.push_back(code);
    }
    return true;
}

bool profileFromJson(const Json &j, kvrsim::CameraProfile &profile, std::string *error)
{
    if (j.type != Json::Type::Object) {
        if (error)
            *error = "a camera is not an object";
        return false;
    }
    auto bad = [&](const std::string &what) {
        if (error)
            *error = "bad number in " + what;
        return false;
    };
    auto text = [&](const char *name, std::string &field) {
        if (const Json *m = j.member(name); m && m->type == Json::Type::String)
            field = m->text;
    };
    text("maker", profile.maker);
    text("model", profile.model);
    text("serial", profile.serial);
    text("firmware", profile.firmware);
    text("individualId", profile.individualId);
    text("friendlyName", profile.friendlyName);
    text("mac", profile.mac);
    text("ip", profile.ip);
    text("password", profile.password);
    if (const Json *m = j.member("connection"))
        profile.connection = m->text == "lan" ? kvrsim::Connection::Lan : kvrsim::Connection::Usb;
    if (const Json *m = j.member("passwordState")) {
        if (m->text == "set")
            profile.passwordState = kvrsim::PasswordState::Set;
        else if (m->text == "unset")
            profile.passwordState = kvrsim::PasswordState::Unset;
        else
            profile.passwordState = kvrsim::PasswordState::None;
    }
    if (const Json *m = j.member("tls"))
        profile.tls = m->boolean;
    if (const Json *m = j.member("tlsError"); m && !toCode(*m, profile.tlsError))
        return bad("tlsError");
    if (const Json *m = j.member("wifi"))
        profile.wifi = m->boolean;
    if (const Json *m = j.member("cardInserted"))
        profile.cardInserted = m->boolean;
    if (const Json *m = j.member("features")) {
        std::vector<uint32_t> words;
        if (!toCodes(*m, words))
            return bad("features");
        for (size_t i = 0; i < words.size() && i < 7; ++i)
            profile.features[i] = words[i];
    }
    if (const Json *m = j.member("refused")) {
        for (const Json &item : m->items)
            profile.refused.push_back(item.text);
    }
    if (const Json *m = j.member("settings")) {
        for (const auto &entry : m->members) {
            if (settingId(entry.first) < 0) {
                if (error)
                    *error = "unknown setting " + entry.first;
                return false;
            }
            kvrsim::SettingProfile s;
            if (const Json *c = entry.second.member("current")) {
                s.hasCurrent = true;
                if (!toCode(*c, s.current))
                    return bad(entry.first + " current");
            }
            if (const Json *o = entry.second.member("offered")) {
                s.hasOffered = true;
                if (!toCodes(*o, s.offered))
                    return bad(entry.first + " offered");
            }
            profile.settings[entry.first] = s;
        }
    }
    return true;
}

} // namespace

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
    endDelays();
    l.globalLog.clear();
    l.lastError = 0;
    l.connectionType = KVR_CONNECTION_USB;
    l.searchModel.clear();
    l.searchMs = 10000;
    l.searchTimeoutMs = 10000;
}

std::vector<CameraProfile> defaultScenario()
{
    CameraProfile a;
    a.model = "Rozado Sim A1";
    a.serial = "SIMA10000001";
    a.firmware = "2.1";
    a.individualId = "Studio-A";

    CameraProfile b;
    b.model = "Rozado Sim B2";
    b.serial = "SIMB20000002";
    b.firmware = "1.4";
    b.individualId = "Studio-B";
    b.features[4] = 0; // no point scope, menu, setup files, firmware update, magnification
    b.features[6] = 0;
    b.refused = {"Rec_Ctrl_Zoom", "Rec_Ctrl_Menu", "Rec_Ctrl_LV_Mag",
                 "Rec_Ctrl_4k",   "Rec_Ctrl_4K6K", "MovieFilter_Ctrl_Start"};
    b.settings["aperture"].hasOffered = true;
    b.settings["aperture"].offered = {35, 40, 45, 50, 56, 63, 71, 80};
    b.settings["hlgShootingType"].hasOffered = true; // no HLG
    b.settings["tetherMode"].hasOffered = true;      // no power saving
    b.settings["picture4K6KType"].hasOffered = true; // no 6K/4K photo
    b.settings["picture4K6KFrame"].hasOffered = true;
    b.settings["imgInfoQuality"].hasOffered = true;
    b.settings["imgInfoQuality"].offered = {0, 1, 3, 4};
    b.settings["iso"].hasOffered = true;
    b.settings["iso"].offered = {0xFFFFFFFFu, 200, 400, 800, 1600, 3200};

    CameraProfile n;
    n.model = "Rozado Sim N3";
    n.serial = "SIMN30000003";
    n.firmware = "3.0";
    n.individualId = "Field-N";
    n.friendlyName = "RozadoN3-Field";
    n.connection = Connection::Lan;
    n.mac = "0080F0A1B2C3";
    n.ip = "192.0.2.33";
    n.wifi = true;
    n.passwordState = PasswordState::Set;
    n.password = "Rozado2026";
    return {a, b, n};
}

void loadDefaultScenario()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().cameras.clear();
    for (const CameraProfile &profile : defaultScenario())
        addCameraLocked(profile);
    lib().scenarioLoaded = true;
}

bool loadScenarioJson(const std::string &json, std::string *error)
{
    Json root;
    if (!parseJson(json, root, error))
        return false;
    const Json *list = root.member("cameras");
    if (root.type != Json::Type::Object || !list || list->type != Json::Type::Array) {
        if (error)
            *error = "a scenario is an object with a \"cameras\" array";
        return false;
    }
    std::vector<CameraProfile> profiles;
    for (const Json &item : list->items) {
        CameraProfile profile;
        if (!profileFromJson(item, profile, error))
            return false;
        profiles.push_back(profile);
    }
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().cameras.clear();
    for (const CameraProfile &profile : profiles)
        addCameraLocked(profile);
    lib().scenarioLoaded = true;
    return true;
}

bool loadScenarioFile(const std::string &path, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + path;
        return false;
    }
    // Read no more than a scenario may hold (and one byte to tell that it is
    // longer): a path naming a device or a huge file must not be read whole.
    constexpr size_t limit = 4u * 1024u * 1024u;
    std::string text(limit + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > limit) {
        if (error)
            *error = "scenario too large";
        return false;
    }
    return loadScenarioJson(text, error);
}

int addCamera(const CameraProfile &profile)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().scenarioLoaded = true;
    return addCameraLocked(profile);
}

std::vector<int> cameras()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    std::vector<int> out;
    for (auto &c : lib().cameras)
        out.push_back(c->index);
    return out;
}

std::string uuidOf(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->uuid : std::string();
}

int indexOfSerial(const std::string &serial)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = cameraBySerial(serial);
    return c ? c->index : -1;
}

CameraProfile profileOf(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->profile : CameraProfile();
}

bool inSession(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c && c->inSession;
}

void plug(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = find(index)) {
        renew(*c);
        c->present = true;
    }
}

void unplug(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = find(index)) {
        c->present = false;
        markLost(*c, false);
    }
}

void setOnNetwork(int index, bool on)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c)
        return;
    if (on) {
        renew(*c);
        c->present = true;
    } else {
        c->present = false;
        markLost(*c, true);
    }
}

void loseCamera(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c || c->lost)
        return;
    const bool wasConnected = c->selected || c->inSession;
    markLost(*c, false);
    if (!wasConnected) {
        c->lost = true;
        postEvent(KVR_EVENT_CAMERA_LOST, 0, c->uuid);
    }
}

PasswordState passwordState(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->passwordState : PasswordState::None;
}

void setPassword(int index, PasswordState state, const std::string &clearText)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c)
        return;
    c->passwordState = state;
    c->scrambledPassword = state == PasswordState::Set ? scramble(clearText, kvrsim_internal::deviceKey(*c))
                                                       : std::string();
}

void renewCertificate(int index, const std::string &tag)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c || !c->profile.tls)
        return;
    // The serial stays in the text; the tag makes it another certificate.
    c->pem.insert(c->pem.find("-----END"), tag + "\n");
}

uint32_t deviceKey(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? kvrsim_internal::deviceKey(*c) : 0;
}

std::string scramblePassword(const std::string &clearText, uint32_t key)
{
    return scramble(clearText, key);
}

std::vector<std::string> settingNames()
{
    std::vector<std::string> out;
    for (int id = 0; id < settingCount(); ++id)
        out.push_back(settingDef(id).name);
    return out;
}

uint32_t setting(int index, const std::string &name)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    const int id = settingId(name);
    return c && id >= 0 ? c->settings[static_cast<size_t>(id)].current : 0;
}

std::vector<uint32_t> offered(int index, const std::string &name)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    const int id = settingId(name);
    return c && id >= 0 ? c->settings[static_cast<size_t>(id)].offered : std::vector<uint32_t>();
}

void setOffered(int index, const std::string &name, const std::vector<uint32_t> &codes)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    const int id = settingId(name);
    if (!c || id < 0)
        return;
    SettingValue &v = c->settings[static_cast<size_t>(id)];
    v.offered = codes;
    v.available = !codes.empty();
    postCameraEvent(*c, groupEvent(settingDef(id).group), 0);
}

void setListShape(int index, const std::string &name, const ListShape &shape)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    const int id = settingId(name);
    if (!c || id < 0)
        return;
    c->settings[static_cast<size_t>(id)].shape = shape;
    postCameraEvent(*c, groupEvent(settingDef(id).group), 0);
}

void turnDial(int index, const std::string &name, uint32_t code)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    const int id = settingId(name);
    if (!c || id < 0)
        return;
    c->settings[static_cast<size_t>(id)].current = code;
    postCameraEvent(*c, groupEvent(settingDef(id).group), 0);
}

StatusValues status(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? static_cast<StatusValues>(c->status) : StatusValues();
}

void updateStatus(int index, const std::function<void(StatusValues &)> &change)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c)
        return;
    const StatusValues before = c->status;
    StatusValues &s = c->status;
    change(s);
    if (!sameStatus(before, s))
        postCameraEvent(*c, KVR_EVENT_REC_INFO, 0);
}

void setErrors(int index, const std::vector<std::pair<uint32_t, uint32_t>> &errors)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c)
        return;
    c->status.errors = errors;
    postCameraEvent(*c, KVR_EVENT_SETUP_ERROR, 0);
}

void emitEvent(uint32_t event, uint32_t param, const std::string &uuid)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = cameraByUuid(uuid.c_str()))
        postCameraEvent(*c, event, param);
    else
        postEvent(event, param, uuid);
}

void emitPtpip(uint32_t kind, int index, uint32_t errorType)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    if (!c) {
        postPtpip(kind, nullptr, errorType, std::string());
        return;
    }
    KVR_PTPIP_CONNECT_DEVICE_INFO record;
    fillPtpipRecord(*c, record);
    postPtpip(kind, &record, errorType, c->uuid);
}

void failNext(const std::string &function, int count, uint8_t result, uint32_t error, const std::string &uuid)
{
    if (count <= 0)
        return; // the next none of the calls: nothing to inject
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Injection i;
    i.function = function;
    i.uuid = uuid;
    i.remaining = count;
    i.fail = true;
    i.result = result;
    i.error = error;
    lib().injections.push_back(i);
}

void delayNext(const std::string &function, int count, int delayMs, const std::string &uuid)
{
    if (count <= 0 || delayMs <= 0)
        return;
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Injection i;
    i.function = function;
    i.uuid = uuid;
    i.remaining = count;
    i.delayMs = delayMs;
    lib().injections.push_back(i);
}

void clearInjections()
{
    {
        std::lock_guard<std::recursive_mutex> g(lib().state);
        lib().injections.clear();
    }
    endDelays();
}

int delayedCalls(const std::string &function)
{
    std::lock_guard<std::mutex> g(lib().delayLock);
    const auto it = lib().delayedCalls.find(function);
    return it == lib().delayedCalls.end() ? 0 : it->second;
}

std::vector<std::string> callLog(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->callLog : std::vector<std::string>();
}

std::vector<std::string> globalCallLog()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    return lib().globalLog;
}

void clearCallLogs()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    lib().globalLog.clear();
    for (auto &c : lib().cameras) {
        c->callLog.clear();
        c->controlLog.clear();
    }
}

std::vector<ControlCall> controlLog(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->controlLog : std::vector<ControlCall>();
}

LensState lensState(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = find(index);
    return c ? c->lens : LensState();
}

void setIntervalPeriod(int index, int ms)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = find(index))
        c->intervalMs = std::max(ms, 1);
}

void flush()
{
    // Deliveries may queue further deliveries on the other thread; repeat
    // until both are idle together.
    for (int round = 0; round < 100; ++round) {
        lib().notifyThread.waitIdle();
        lib().ptpipThread.waitIdle();
        lib().replyThread.waitIdle();
        if (lib().notifyThread.idle() && lib().ptpipThread.idle() && lib().replyThread.idle())
            return;
    }
}

bool waitNetworkSearchEnded(int maxMs)
{
    std::unique_lock<std::recursive_mutex> g(lib().state);
    return lib().searchEnded.wait_for(g, std::chrono::milliseconds(maxMs), [] { return !lib().searchRunning; });
}

bool networkSearchRunning()
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    return lib().searchRunning;
}

} // namespace kvrsim
