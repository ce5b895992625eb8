// Camera setting files and firmware updates.
#include "sim.h"

#include <algorithm>
#include <cstring>
#include <fstream>

using namespace kvrsim_internal;

namespace {

// Layout of a camera's setting data (ours; the program never looks inside):
// "KVRSETUP", u32 total length, u8 model length and the model's bytes, the
// camera's menu data, and a u32 FNV-1a sum of everything before it.
constexpr char kMagic[8] = {'K', 'V', 'R', 'S', 'E', 'T', 'U', 'P'};
constexpr size_t kNaturalSize = 4096;

size_t headerSize(const Camera &camera)
{
    return sizeof kMagic + 4 + 1 + std::min<size_t>(camera.profile.model.size(), 255);
}

uint32_t fnv1a(const uint8_t *data, size_t size)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) {
        h ^= data[i];
        h *= 16777619u;
    }
    return h;
}

void putWord(uint8_t *out, uint32_t v)
{
    std::memcpy(out, &v, 4);
}

uint32_t getWord(const uint8_t *in)
{
    uint32_t v;
    std::memcpy(&v, in, 4);
    return v;
}

// Menu data made up from the serial number, so that every camera's data
// differs and holds every byte value.
std::vector<uint8_t> makeData(const Camera &camera, size_t size)
{
    const size_t header = headerSize(camera);
    size = std::max(size, header + 4);
    std::vector<uint8_t> out(size);
    std::memcpy(out.data(), kMagic, sizeof kMagic);
    putWord(&out[8], static_cast<uint32_t>(size));
    const size_t modelLength = header - 13;
    out[12] = static_cast<uint8_t>(modelLength);
    std::memcpy(&out[13], camera.profile.model.data(), modelLength);
    uint32_t x = fnv1a(reinterpret_cast<const uint8_t *>(camera.profile.serial.data()), camera.profile.serial.size())
                 | 1u;
    for (size_t i = header; i < size - 4; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out[i] = static_cast<uint8_t>(x);
    }
    putWord(&out[size - 4], fnv1a(out.data(), size - 4));
    return out;
}

const std::vector<uint8_t> &currentData(Camera &camera)
{
    const size_t wanted = camera.setupFiles.dataSize ? camera.setupFiles.dataSize : 0;
    if (camera.setupData.empty() || (wanted && wanted != camera.setupData.size()))
        camera.setupData = makeData(camera, wanted ? wanted : kNaturalSize);
    return camera.setupData;
}

// Data the camera takes: its own model's, whole, with a sum that holds.
bool acceptable(const Camera &camera, const uint8_t *data, size_t size)
{
    const size_t header = headerSize(camera);
    if (!data || size < header + 4 || std::memcmp(data, kMagic, sizeof kMagic) != 0 || getWord(data + 8) != size)
        return false;
    const std::string &model = camera.profile.model;
    if (data[12] != header - 13 || std::memcmp(data + 13, model.data(), header - 13) != 0)
        return false;
    return getWord(data + size - 4) == fnv1a(data, size - 4);
}

bool offersSetupFiles(const Camera &camera)
{
    return ((camera.profile.features[4] >> 20) & 0xF) == 1;
}

uint64_t fileSize(const std::string &path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return 0;
    const std::streamoff size = in.tellg();
    return size > 0 ? static_cast<uint64_t>(size) : 0;
}

} // namespace

namespace kvrsim_internal {

bool returnAfterRestart(Camera &camera)
{
    if (!camera.restarting)
        return false;
    camera.restarting = false;
    if (!camera.lost)
        return false; // plugged back in meanwhile: it has its new UUID already
    camera.lost = false;
    ++camera.generation;
    camera.uuid = makeUuid(camera.index, camera.generation);
    return true;
}

} // namespace kvrsim_internal

extern "C" {

// clang-format off
#define KVR_SETUP_FILE_CALL(uuid, err) \
    KVR_CALL(uuid, err); \
    if (!offersSetupFiles(*call.camera())) \
        return call.fail(KVR_ERR_NOT_SUPPORTED)
// clang-format on

uint8_t KVR_func_api_SetupFilesConfigSetting_Get_Data(KVR_STRUCT_SETUP_FILES_CFG_SET_DATA *data, const char *uuid,
                                                      uint32_t *err)
{
    KVR_SETUP_FILE_CALL(uuid, err);
    if (!data || (!data->data && data->capacity))
        return call.fail(KVR_ERR_INVALID_PARAM);
    const std::vector<uint8_t> &bytes = currentData(*call.camera());
    std::memcpy(data->data, bytes.data(), std::min<size_t>(bytes.size(), data->capacity));
    data->length = static_cast<uint32_t>(bytes.size());
    return call.succeed();
}

uint8_t KVR_func_api_SetupFilesConfigSetting_Get_Info(KVR_STRUCT_SETUP_FILES_CFG_SET_INFO *info, uint32_t tag,
                                                      const char *uuid, uint32_t *err)
{
    KVR_SETUP_FILE_CALL(uuid, err);
    if (!info || tag != KVR_TAG_SETUP_FILES_INFO)
        return call.fail(KVR_ERR_INVALID_PARAM);
    info->settingsSize = static_cast<uint32_t>(currentData(*call.camera()).size());
    return call.succeed();
}

uint8_t KVR_func_api_SetupFilesConfigSetting_Get_Compatible(KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE *compatible,
                                                            const char *uuid, uint32_t *err)
{
    KVR_SETUP_FILE_CALL(uuid, err);
    if (!compatible)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(compatible, 0, sizeof *compatible);
    compatible->compatible = call.camera()->setupFiles.compatible ? 1 : 0;
    return call.succeed();
}

uint8_t KVR_func_api_SetupFilesConfigSetting_Get_MaxRecvBuff(KVR_STRUCT_SETUP_FILES_CFG_MAX_RECV_BUFF *maxRecv,
                                                             const char *uuid, uint32_t *err)
{
    KVR_SETUP_FILE_CALL(uuid, err);
    if (!maxRecv)
        return call.fail(KVR_ERR_INVALID_PARAM);
    maxRecv->maxSize = call.camera()->setupFiles.maxRecv;
    return call.succeed();
}

uint8_t KVR_func_api_SetupFilesConfigSetting_Set_Data(KVR_STRUCT_SETUP_FILES_CFG_SET_DATA data, const char *uuid,
                                                      uint32_t *err)
{
    KVR_SETUP_FILE_CALL(uuid, err);
    Camera &camera = *call.camera();
    if (data.length > data.capacity || (data.length && !data.data))
        return call.fail(KVR_ERR_INVALID_PARAM);
    // A camera that is not compatible takes no more than its own data's size.
    const size_t limit = camera.setupFiles.compatible ? camera.setupFiles.maxRecv : currentData(camera).size();
    if (data.length > limit || !acceptable(camera, data.data, data.length))
        return call.fail(KVR_ERR_REFUSED);
    camera.setupData.assign(data.data, data.data + data.length);
    camera.setupFiles.dataSize = 0;
    return call.succeed();
}

#undef KVR_SETUP_FILE_CALL

// The status reports go to the thread whose deliveries calls wait for, in
// order, and the call returns once they have all been delivered.
uint8_t KVR_func_api_FirmwareUpdate(const kvr_struct_fwup_param *param, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!param || !param->path || param->pathLength == 0 || param->pathLength > KVR_FWUP_PATH_MAX)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (fileSize(std::string(param->path, strnlen(param->path, param->pathLength))) == 0)
        return call.fail(KVR_ERR_NO_DATA);
    Camera &camera = *call.camera();
    const kvrsim::FirmwareOutcome outcome = camera.firmwareOutcome;
    const std::string id = camera.uuid;
    const bool network = camera.profile.connection == kvrsim::Connection::Lan;
    auto status = [&](uint32_t code, uint32_t value) { return postEvent(code, value, id, true); };

    uint64_t last = status(KVR_EVENT_FWUP_START, 0);
    const uint32_t reached = outcome == kvrsim::FirmwareOutcome::Success ? 100 : 40;
    for (uint32_t progress = 20; progress <= reached; progress += 20)
        last = status(KVR_EVENT_FWUP_PROGRESS, progress);
    if (outcome == kvrsim::FirmwareOutcome::Failure) {
        last = status(KVR_EVENT_FWUP_FINISH, 1);
    } else {
        if (outcome == kvrsim::FirmwareOutcome::Success)
            last = status(KVR_EVENT_FWUP_FINISH, 0);
        // Restarting or gone: the camera drops off either way.
        camera.selected = false;
        camera.inSession = false;
        camera.liveView = false;
        camera.lost = true;
        camera.restarting = outcome == kvrsim::FirmwareOutcome::Success;
        last = network ? postPtpip(KVR_PTPIP_KIND_DISCONNECTED, nullptr, 0, id, true)
                       : postEvent(KVR_EVENT_CAMERA_LOST, 0, id, true);
    }
    call.unlock();
    lib().replyThread.waitFor(last);
    if (outcome == kvrsim::FirmwareOutcome::Success)
        return call.succeed();
    return call.fail(outcome == kvrsim::FirmwareOutcome::Failure ? KVR_ERR_REFUSED : KVR_ERR_NO_DEVICE);
}

} // extern "C"

namespace kvrsim {

void setSetupFileState(int index, const SetupFileState &state)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = cameraByIndex(index))
        c->setupFiles = state;
}

std::vector<uint8_t> setupData(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = cameraByIndex(index);
    return c ? currentData(*c) : std::vector<uint8_t>();
}

void setFirmwareOutcome(int index, FirmwareOutcome outcome)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    if (Camera *c = cameraByIndex(index))
        c->firmwareOutcome = outcome;
}

} // namespace kvrsim
