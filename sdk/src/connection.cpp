// Discovery, selection, sessions and the network configuration.
#include "sim.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

using namespace kvrsim_internal;

namespace kvrsim_internal {

std::string makeUuid(int index, int generation)
{
    char text[40];
    std::snprintf(text, sizeof text, "4b565253-494d-4%03x-8000-%012x", static_cast<unsigned>(generation) & 0xFFFu,
                  static_cast<unsigned>(index));
    return text;
}

// The path is the serial number itself: a caller that takes the tail of the
// path as the camera's serial number finds exactly the one the camera
// reports through its device information.
std::wstring makeDevicePath(const Camera &camera)
{
    std::wstring path;
    for (char ch : camera.profile.serial)
        path.push_back(static_cast<wchar_t>(static_cast<unsigned char>(ch)));
    return path;
}

uint32_t deviceKey(const Camera &camera)
{
    const std::string &mac = camera.profile.mac;
    const std::string tail = mac.size() > 8 ? mac.substr(mac.size() - 8) : mac;
    uint32_t key = 0;
    for (char ch : tail) {
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else
            return 0;
        key = (key << 4) | static_cast<uint32_t>(digit);
    }
    return key;
}

// The camera checks a password in the form the application sends it: the
// UTF-8 bytes (at most 31) padded with 0xFF to whole groups of four, each
// group read big-endian, XORed with the device key and written
// little-endian, as upper-case hexadecimal text.
std::string scramble(const std::string &password, uint32_t key)
{
    uint8_t buffer[32] = {};
    const size_t n = std::min<size_t>(strnlen(password.c_str(), 31), 31);
    std::memcpy(buffer, password.data(), n);
    const size_t m = (n + 3) / 4 * 4;
    for (size_t i = n; i < m; ++i)
        buffer[i] = 0xFF;
    std::string out;
    char hex[3];
    for (size_t g = 0; g < m; g += 4) {
        const uint32_t word = (uint32_t(buffer[g]) << 24) | (uint32_t(buffer[g + 1]) << 16)
                              | (uint32_t(buffer[g + 2]) << 8) | uint32_t(buffer[g + 3]);
        const uint32_t x = word ^ key;
        for (int b = 0; b < 4; ++b) {
            std::snprintf(hex, sizeof hex, "%02X", (x >> (8 * b)) & 0xFFu);
            out += hex;
        }
    }
    return out;
}

namespace {

// Records are packed and may sit at any address: fields are written by
// copying bytes, never through a typed pointer to a member.
// Names are UTF-8 inside the library and whole characters in the record: a
// byte that starts no valid sequence becomes U+FFFD.
void copyUcs4(void *dst, void *lengthField, const std::string &text)
{
    uint32_t chars[256] = {};
    uint32_t n = 0;
    size_t i = 0;
    while (i < text.size() && n < 255) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int more = 0;
        uint32_t cp = lead;
        if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            cp = lead & 0x07u;
        } else if (lead >= 0xE0) {
            more = lead <= 0xEF ? 2 : -1;
            cp = lead & 0x0Fu;
        } else if (lead >= 0xC2) {
            more = 1;
            cp = lead & 0x1Fu;
        } else if (lead >= 0x80) {
            more = -1;
        }
        bool ok = more >= 0 && i + static_cast<size_t>(more) < text.size();
        for (int k = 1; ok && k <= more; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((c & 0xC0u) != 0x80u)
                ok = false;
            else
                cp = (cp << 6) | (c & 0x3Fu);
        }
        if (ok && more > 0
            && (cp < (more == 1   ? 0x80u
                      : more == 2 ? 0x800u
                                  : 0x10000u)
                || cp > 0x10FFFFu || (cp >= 0xD800u && cp <= 0xDFFFu)))
            ok = false;
        chars[n++] = ok ? cp : 0xFFFDu;
        i += ok ? static_cast<size_t>(more) + 1 : 1;
    }
    std::memcpy(dst, chars, sizeof chars);
    std::memcpy(lengthField, &n, sizeof n);
}

template<size_t N>
void copyText(char (&dst)[N], const std::string &text)
{
    std::memset(dst, 0, N);
    std::memcpy(dst, text.data(), std::min(text.size(), N - 1));
}

bool matchesCondition(const Camera &camera)
{
    const std::string &model = lib().searchModel;
    return model.empty() || camera.profile.model == model;
}

void enumerateUsb(KVR_CONNECT_DEVICE_INFO &list)
{
    list.count = 0;
    list.reserved = 0;
    for (auto &cam : lib().cameras) {
        if (list.count >= KVR_MAX_DEVICES)
            break;
        returnAfterRestart(*cam);
        if (cam->profile.connection != kvrsim::Connection::Usb || !cam->present)
            continue;
        fillDevInfo(*cam, list.devices[list.count]);
        list.devicePath[list.count] = cam->devicePath.c_str();
        ++list.count;
    }
}

} // namespace

void fillDevInfo(const Camera &camera, KVR_DEVINFO &info)
{
    std::memset(&info, 0, sizeof info);
    info.devIndex = static_cast<uint32_t>(camera.index);
    copyUcs4(info.makerName, &info.makerNameLength, camera.profile.maker);
    copyUcs4(info.modelName, &info.modelNameLength, camera.profile.model);
}

void fillPtpipRecord(const Camera &camera, KVR_PTPIP_CONNECT_DEVICE_INFO &record)
{
    std::memset(&record, 0, sizeof record);
    record.devIndex = static_cast<uint32_t>(camera.index);
    copyUcs4(record.makerName, &record.makerNameLength, camera.profile.maker);
    copyUcs4(record.modelName, &record.modelNameLength, camera.profile.model);
    copyText(record.friendlyName, camera.profile.friendlyName);
    record.friendlyNameLength = static_cast<uint32_t>(strnlen(record.friendlyName, 255));
    record.tls = camera.profile.tls ? 1 : 0;
    copyText(record.certFilePath, camera.certFilePath);
    copyText(record.ipAddress, camera.profile.ip);
    copyText(record.date, std::string("Wed, 09 Dec 2026 04:00:00 GMT"));
    copyText(record.serialNo, camera.profile.serial);
    record.serialNoLength = static_cast<uint32_t>(strnlen(record.serialNo, 255));
    copyText(record.macAddress, camera.profile.mac);
    record.macAddressLength = static_cast<uint32_t>(strnlen(record.macAddress, 31));
    record.wifi = camera.profile.wifi ? 1 : 0;
}

void endSearch(uint32_t kind)
{
    Library &l = lib();
    if (!l.searchRunning)
        return;
    l.searchRunning = false;
    if (l.searchTimer) {
        l.scheduler.cancel(l.searchTimer);
        l.searchTimer = 0;
    }
    postPtpip(kind, nullptr, 0, std::string());
    l.searchEnded.notify_all();
}

} // namespace kvrsim_internal

namespace {

void startNetworkSearch()
{
    Library &l = lib();
    endSearch(KVR_PTPIP_KIND_SEARCH_STOPPED);
    l.searchRunning = true;
    const uint64_t serial = ++l.searchSerial;
    for (auto &cam : l.cameras) {
        returnAfterRestart(*cam);
        if (cam->profile.connection != kvrsim::Connection::Lan || !cam->present || cam->lost)
            continue;
        if (!matchesCondition(*cam))
            continue;
        KVR_PTPIP_CONNECT_DEVICE_INFO record;
        fillPtpipRecord(*cam, record);
        postPtpip(cam->inSession ? KVR_PTPIP_KIND_FOUND_CONNECTED : KVR_PTPIP_KIND_FOUND, &record, 0, cam->uuid);
    }
    l.searchTimer = l.scheduler.schedule(static_cast<int>(l.searchMs), [serial] {
        std::lock_guard<std::recursive_mutex> g(lib().state);
        if (lib().searchRunning && lib().searchSerial == serial)
            endSearch(KVR_PTPIP_KIND_SEARCH_TIMEOUT);
    });
}

uint8_t closeEverything(bool device)
{
    for (auto &cam : lib().cameras) {
        cam->inSession = false;
        cam->liveView = false;
        if (device)
            cam->selected = false;
    }
    return 1;
}

bool isAll(const char *uuid)
{
    return uuid && (std::strcmp(uuid, "All") == 0 || std::strcmp(uuid, "ALL") == 0);
}

} // namespace

extern "C" {

uint8_t KVR_func_api_GetPnPDeviceInfo(KVR_CONNECT_DEVICE_INFO *list, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!list)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (lib().connectionType == KVR_CONNECTION_LAN) {
        list->count = 0;
        startNetworkSearch();
        return call.succeed();
    }
    enumerateUsb(*list);
    return call.succeed();
}

uint8_t KVR_func_api_Search_Device(KVR_CONNECT_DEVICE_INFO *list, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!list)
        return call.fail(KVR_ERR_INVALID_PARAM);
    enumerateUsb(*list);
    return call.succeed();
}

uint8_t KVR_func_api_IsConnectedUSBDevice(const wchar_t *devicePath, char *uuid)
{
    KVR_GLOBAL_CALL(nullptr);
    if (!devicePath || !uuid)
        return call.fail(KVR_ERR_INVALID_PARAM);
    for (auto &cam : lib().cameras) {
        if (cam->profile.connection == kvrsim::Connection::Usb && cam->inSession && !cam->lost
            && cam->devicePath == std::wstring(devicePath, wcsnlen(devicePath, 1024))) {
            std::memcpy(uuid, cam->uuid.c_str(), cam->uuid.size() + 1);
            return 1;
        }
    }
    return 0;
}

uint8_t KVR_func_api_IsConnectedLANDevice(const char *serialNo, uint8_t *connected)
{
    KVR_GLOBAL_CALL(nullptr);
    if (!serialNo)
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera *cam = cameraBySerial(std::string(serialNo, strnlen(serialNo, 255)));
    const bool yes = cam && cam->profile.connection == kvrsim::Connection::Lan && cam->inSession && !cam->lost;
    if (connected)
        *connected = yes ? 1 : 0;
    return yes ? 1 : 0;
}

uint8_t KVR_func_api_SelectPnPDevice(uint32_t devIndex, KVR_CONNECT_DEVICE_INFO *list, char *uuid,
                                     const char *currentPassword, const char *password, uint16_t mode, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!list || !uuid || list->count > KVR_MAX_DEVICES || mode > KVR_PW_MODE_REGISTRATION)
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera *cam = cameraByIndex(static_cast<int>(devIndex));
    if (!cam || !cam->present || cam->lost)
        return call.fail(KVR_ERR_NO_DEVICE);

    if (cam->profile.connection == kvrsim::Connection::Lan) {
        if (cam->profile.tls) {
            if (cam->profile.tlsError)
                return call.fail(cam->profile.tlsError);
            if (cam->certFilePath.empty())
                return call.fail(KVR_ERR_TLS_CERTIFICATE);
        }
        const std::string given = password ? std::string(password, strnlen(password, 255)) : std::string();
        const std::string current = currentPassword ? std::string(currentPassword, strnlen(currentPassword, 255))
                                                    : std::string();
        uint32_t needed = KVR_PW_ERROR_OK;
        uint32_t error = KVR_ERR_NONE;
        switch (mode) {
        case KVR_PW_MODE_CHANGE:
            if (cam->passwordState != kvrsim::PasswordState::Set || current != cam->scrambledPassword || given.empty())
                error = KVR_ERR_PASSWORD;
            else
                cam->scrambledPassword = given;
            break;
        case KVR_PW_MODE_REGISTRATION:
            if (cam->passwordState != kvrsim::PasswordState::Unset || given.empty()) {
                error = KVR_ERR_PASSWORD;
            } else {
                cam->passwordState = kvrsim::PasswordState::Set;
                cam->scrambledPassword = given;
            }
            break;
        default:
            if (cam->passwordState == kvrsim::PasswordState::Unset) {
                error = KVR_ERR_PASSWORD_UNSET;
                needed = KVR_PW_ERROR_UNSET;
            } else if (cam->passwordState == kvrsim::PasswordState::Set && given != cam->scrambledPassword) {
                error = given.empty() ? KVR_ERR_PASSWORD_REQUIRED : KVR_ERR_PASSWORD;
                needed = KVR_PW_ERROR_AUTH;
            }
            break;
        }
        if (error != KVR_ERR_NONE) {
            call.fail(error);
            // A plain select (no current password) learns of the needed
            // password through kind 5, delivered before the select returns.
            if (needed != KVR_PW_ERROR_OK && !currentPassword) {
                KVR_PTPIP_CONNECT_DEVICE_INFO record;
                fillPtpipRecord(*cam, record);
                const uint64_t ticket = postPtpip(KVR_PTPIP_KIND_PASSWORD, &record, needed, cam->uuid, true);
                call.unlock();
                lib().replyThread.waitFor(ticket);
            }
            return 0;
        }
    }
    cam->selected = true;
    std::memcpy(uuid, cam->uuid.c_str(), cam->uuid.size() + 1);
    return call.succeed();
}

uint8_t KVR_func_api_Search_and_Connect_DEVICE_TYPE(uint32_t deviceType, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (deviceType > 1)
        return call.fail(KVR_ERR_INVALID_PARAM);
    return call.succeed();
}

uint8_t KVR_func_api_OpenSession(uint32_t flags, uint32_t *sessionId, const char *uuid, uint32_t *err)
{
    KVR_CALL_NO_SESSION(uuid, err);
    (void)flags;
    Camera *cam = call.camera();
    if (!cam->selected)
        return call.fail(KVR_ERR_NO_SESSION);
    cam->inSession = true;
    if (sessionId)
        *sessionId = static_cast<uint32_t>(cam->index) + 1;
    return call.succeed();
}

uint8_t KVR_func_api_CloseSession(const char *uuid, uint32_t *err)
{
    if (isAll(uuid)) {
        KVR_GLOBAL_CALL(err);
        return closeEverything(false);
    }
    KVR_CALL_NO_SESSION(uuid, err);
    call.camera()->inSession = false;
    call.camera()->liveView = false;
    return call.succeed();
}

uint8_t KVR_func_api_CloseDevice(const char *uuid, uint32_t *err)
{
    if (isAll(uuid)) {
        KVR_GLOBAL_CALL(err);
        return closeEverything(true);
    }
    KVR_CALL_NO_SESSION(uuid, err);
    call.camera()->inSession = false;
    call.camera()->selected = false;
    call.camera()->liveView = false;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Set_Connection_Type(uint32_t type, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (type > KVR_CONNECTION_LAN)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().connectionType = type;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Get_Connection_Type(uint32_t *type, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!type)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *type = lib().connectionType;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(uint32_t timeoutMs, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (timeoutMs == 0)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().ptpipCommandTimeoutMs = timeoutMs;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(uint32_t searchMs, uint32_t timeoutMs, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    // Times are kept as milliseconds in an int by the timer: a caller's -1
    // (or anything above that range) must not turn into an instant time-out.
    constexpr uint32_t longest = 0x7FFFFFFFu;
    if (searchMs == 0 || timeoutMs == 0 || searchMs > longest || timeoutMs > longest)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().searchMs = searchMs;
    lib().searchTimeoutMs = timeoutMs;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Set_Pc_Name(KVR_PTPIP_PC_NAME name, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    const size_t n = strnlen(name.name, sizeof name.name);
    if (name.length >= sizeof name.name || n != name.length)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().pcName.assign(name.name, n);
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Set_Ip_Addr(const char *address, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    const std::string text = address ? std::string(address, strnlen(address, 64)) : std::string();
    if (text.size() >= KVR_IP_ADDR_BUFFER_SIZE)
        return call.fail(KVR_ERR_INVALID_PARAM);
    lib().ipAddress = text;
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_Get_Ip_Addr(char *address, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    if (!address)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(address, 0, KVR_IP_ADDR_BUFFER_SIZE);
    std::memcpy(address, lib().ipAddress.data(), std::min<size_t>(lib().ipAddress.size(), KVR_IP_ADDR_BUFFER_SIZE - 1));
    return call.succeed();
}

uint8_t KVR_func_api_SetSearchCondition(uint32_t connectDevType, const char *modelName, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    lib().searchDevType = connectDevType;
    lib().searchModel = modelName ? std::string(modelName, strnlen(modelName, 255)) : std::string();
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_StopGetDeviceInfo(uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    endSearch(KVR_PTPIP_KIND_SEARCH_STOPPED);
    return call.succeed();
}

const char *KVR_func_api_ptpip_GetCertPEM(uint32_t devIndex, uint32_t *err)
{
    kvrsim_internal::Call call(__func__, kvrsim_internal::Call::Global, nullptr, err);
    if (!call.ok())
        return nullptr;
    Camera *cam = cameraByIndex(static_cast<int>(devIndex));
    if (!cam || cam->profile.connection != kvrsim::Connection::Lan || !cam->profile.tls) {
        call.fail(KVR_ERR_NOT_SUPPORTED);
        return nullptr;
    }
    return cam->pem.c_str();
}

uint8_t KVR_func_api_ptpip_SetCerFilePath(uint32_t devIndex, const char *path, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    Camera *cam = cameraByIndex(static_cast<int>(devIndex));
    if (!cam || cam->profile.connection != kvrsim::Connection::Lan)
        return call.fail(KVR_ERR_NO_DEVICE);
    if (!path || !*path)
        return call.fail(KVR_ERR_INVALID_PARAM);
    cam->certFilePath.assign(path, strnlen(path, 255));
    return call.succeed();
}

uint8_t KVR_func_api_ptpip_UpdateCer(uint32_t devIndex, uint32_t *err)
{
    KVR_GLOBAL_CALL(err);
    Camera *cam = cameraByIndex(static_cast<int>(devIndex));
    if (!cam || cam->profile.connection != kvrsim::Connection::Lan)
        return call.fail(KVR_ERR_NO_DEVICE);
    if (!cam->profile.tls)
        return call.fail(KVR_ERR_NOT_SUPPORTED);
    return call.succeed();
}

} // extern "C"
