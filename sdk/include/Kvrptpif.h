// Camera-control library: the C interface the application links against.
//
// Conventions
// - Every function returns a result byte: 1 is success; 2 means "no memory
//   card" for the release, burst, 4K burst, 4K pre-write and movie-start
//   commands; 0 is failure. A few functions return something else and say so.
// - A call that addresses one camera takes the camera UUID (NUL-terminated,
//   local 8-bit text, 36 characters) and a pointer to a 32-bit error code as
//   its last two arguments. The error pointer may be null; when it is not, it
//   receives 0 on success and a KVR_ERR_* code on failure.
// - An empty, null or unknown UUID, a camera that has been lost and any call
//   after KVR_func_api_Finish fail at once with result 0.
// - Callbacks run on the library's own threads, never on the caller's thread.
//   After KVR_func_api_Delete_CallBackInfo (or ptpip_Delete_Callback) returns,
//   no callback for that code is running or will start.
// - Records are packed (no padding). Byte offsets that callers rely on are
//   pinned below with static assertions. Unused list slots of capability
//   records are padded with 0xFFFF (16-bit codes) or 0 (32-bit codes: there
//   0xFFFFFFFF is a real code, the automatic ISO, bulb or every frame rate,
//   and callers walk all 512 slots whatever the count says).
// - Text inside records is NUL-terminated and never overruns its field.
//
// Capability records share one shape: a run of list slots of 0x404 bytes
// (16-bit count, 512 16-bit codes, an availability byte, a reserved byte),
// followed by one 16-bit current code per slot in slot order. A list of 32-bit
// codes occupies two slots (16-bit count, 2 reserved bytes, 512 32-bit codes,
// an availability byte, 3 reserved bytes) and two current positions.
#ifndef KVRPTPIF_H
#define KVRPTPIF_H

#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#if defined(KVRPTPIF_BUILDING)
#define KVR_API __attribute__((visibility("default")))
#else
#define KVR_API
#endif

#ifdef __cplusplus
#define KVR_PIN(type, field, offset) static_assert(offsetof(type, field) == (offset), #type "." #field)
#define KVR_SIZE(type, size) static_assert(sizeof(type) == (size), #type " size")
#else
#define KVR_PIN(type, field, offset) _Static_assert(offsetof(type, field) == (offset), #type "." #field)
#define KVR_SIZE(type, size) _Static_assert(sizeof(type) == (size), #type " size")
#endif

// ---------------------------------------------------------------------------
// Sizes and limits
// ---------------------------------------------------------------------------
#define KVR_UUID_BUFFER_SIZE 37u  // 36 characters and the NUL
#define KVR_TEXT_BUFFER_SIZE 256u // text out-buffers (names, ids)
#define KVR_IP_ADDR_BUFFER_SIZE 16u
#define KVR_MAX_DEVICES 64u    // entries of a device list
#define KVR_CAPA_LIST_MAX 512u // codes per capability list
#define KVR_LIVEVIEW_JPEG_BUFFER_SIZE 0x100000u
#define KVR_4K6K_FRAME_BUFFER_SIZE 0xA00000u
#define KVR_SETUP_FILE_MAX_SIZE 0xF00000u
#define KVR_FWUP_PATH_MAX 259u
#define KVR_CMULTI_TABLE_SIZE 315u

// ---------------------------------------------------------------------------
// Error codes (written through the error pointer, kept for Kvr_func_api_Get_Error)
// ---------------------------------------------------------------------------
#define KVR_ERR_NONE 0x00000000u
#define KVR_ERR_NOT_INITIALISED 0x00000001u
#define KVR_ERR_INVALID_PARAM 0x00000002u
#define KVR_ERR_NO_DEVICE 0x00000003u // unknown, unplugged or lost camera
#define KVR_ERR_NO_SESSION 0x00000004u
#define KVR_ERR_NOT_SUPPORTED 0x00000005u // the camera or this library does not offer it
#define KVR_ERR_REFUSED 0x00000006u       // the camera refused the value or command
#define KVR_ERR_BUSY 0x00040004u          // camera busy (also the live-view "no frame yet")
#define KVR_ERR_TIMEOUT 0x00000008u
#define KVR_ERR_NO_CARD 0x00000009u
#define KVR_ERR_BUFFER_TOO_SMALL 0x0000000Au
#define KVR_ERR_NO_DATA 0x0000000Bu
// Network connection errors. The 0x0010xxxx family concerns the secured (TLS)
// connection: 0x00100001 certificate not accepted, 0x00100009 certificate
// expired, 0x0010000A certificate of another camera.
#define KVR_ERR_TLS_CERTIFICATE 0x00100001u
#define KVR_ERR_TLS_EXPIRED 0x00100009u
#define KVR_ERR_TLS_MISMATCH 0x0010000Au
// Password errors of a network select: the password is wrong, missing or the
// password operation does not fit the camera's password state.
#define KVR_ERR_PASSWORD 0x00200001u
#define KVR_ERR_PASSWORD_UNSET 0x00200002u
#define KVR_ERR_PASSWORD_REQUIRED 0x00200003u

// ---------------------------------------------------------------------------
// Camera events (first argument of NotifyCallbackFn)
// ---------------------------------------------------------------------------
// Firmware-update status, delivered while KVR_func_api_FirmwareUpdate runs:
// 1 started, 2 transferring, 3 writing, 4 progress (parameter = data frame),
// 5 restarting, 6 finished (parameter 0 = success).
#define KVR_EVENT_FWUP_START 0x00000001u
#define KVR_EVENT_FWUP_TRANSFER 0x00000002u
#define KVR_EVENT_FWUP_WRITING 0x00000003u
#define KVR_EVENT_FWUP_PROGRESS 0x00000004u
#define KVR_EVENT_FWUP_RESTART 0x00000005u
#define KVR_EVENT_FWUP_FINISH 0x00000006u
#define KVR_EVENT_AF_INFO 0x01000010u
#define KVR_EVENT_AF_INFO_2 0x01000020u
#define KVR_EVENT_PHOTOSTYLE 0x02000010u
#define KVR_EVENT_ISO 0x02000020u
#define KVR_EVENT_SHUTTER 0x02000030u
#define KVR_EVENT_APERTURE 0x02000040u
#define KVR_EVENT_WHITE_BALANCE 0x02000050u
#define KVR_EVENT_EXPOSURE 0x02000060u
#define KVR_EVENT_AF_CONFIG 0x02000070u
#define KVR_EVENT_CAMERA_MODE 0x02000080u
#define KVR_EVENT_STILL_IMAGE 0x020000A0u
#define KVR_EVENT_REC_CONFIG 0x020000B0u // metering, tele-converter, HLG
#define KVR_EVENT_INTERVAL 0x020000C0u
#define KVR_EVENT_REC_DISP 0x020000E0u
#define KVR_EVENT_STROBE 0x02000110u
#define KVR_EVENT_AF_CONFIG_2 0x02000120u // AF/MF configuration 2
#define KVR_EVENT_BURST_BRACKET 0x02000140u
#define KVR_EVENT_REC_PREVIEW 0x02000170u
#define KVR_EVENT_SELFTIMER 0x020001A0u
#define KVR_EVENT_STROBE_2 0x020001B0u
#define KVR_EVENT_4K6K_CONFIG 0x020001C0u
#define KVR_EVENT_AF_FRAME_DISP 0x020001D0u
#define KVR_EVENT_AF_FRAME_SMALL 0x020001D6u
#define KVR_EVENT_PHOTOSTYLE_2 0x020001F0u
#define KVR_EVENT_REC_CTRL_RELEASE 0x03000010u
#define KVR_EVENT_REC_CTRL_AF_AE 0x03000020u
#define KVR_EVENT_REC_CTRL_4K 0x03000030u
#define KVR_EVENT_REC_CTRL_OTHER 0x03000040u
#define KVR_EVENT_REC_CTRL_MF_ASSIST 0x03000050u
#define KVR_EVENT_REC_CTRL_ZOOM 0x03000080u
#define KVR_EVENT_REC_CTRL_WBSET 0x03000090u
#define KVR_EVENT_REC_CTRL_AF_AREA 0x030000A0u
#define KVR_EVENT_REC_CTRL_4K6K 0x030000B0u
#define KVR_EVENT_REC_CTRL_LENS 0x03010010u
#define KVR_EVENT_04000010 0x04000010u
#define KVR_EVENT_05000010 0x05000010u
#define KVR_EVENT_05000020 0x05000020u
#define KVR_EVENT_MOVIE_CONFIG 0x06000010u
#define KVR_EVENT_07000010 0x07000010u
#define KVR_EVENT_SETUP_CONFIG 0x08000010u
#define KVR_EVENT_POWER_SAVING 0x08000050u
#define KVR_EVENT_08000090 0x08000090u
#define KVR_EVENT_09000010 0x09000010u
#define KVR_EVENT_0A000010 0x0A000010u
#define KVR_EVENT_0C000010 0x0C000010u
#define KVR_EVENT_0D000010 0x0D000010u
#define KVR_EVENT_LV_IMAGE_QUALITY 0x0D800010u
#define KVR_EVENT_0E000000 0x0E000000u
#define KVR_EVENT_0E000010 0x0E000010u
#define KVR_EVENT_COM_TIMEOUT 0x0E000011u
#define KVR_EVENT_STREAMING_FUNCTION 0x0E000020u
#define KVR_EVENT_10000000 0x10000000u
#define KVR_EVENT_10000001 0x10000001u
#define KVR_EVENT_10000002 0x10000002u
#define KVR_EVENT_OBJECT_ADDED 0x10000040u // parameter: object handle
#define KVR_EVENT_10000041 0x10000041u
#define KVR_EVENT_10000042 0x10000042u
#define KVR_EVENT_OBJECT_REQ_TRANSFER 0x10000043u // parameter: object handle
#define KVR_EVENT_10000080 0x10000080u
#define KVR_EVENT_10000090 0x10000090u
#define KVR_EVENT_10010000 0x10010000u
#define KVR_EVENT_1001FFFF 0x1001FFFFu
#define KVR_EVENT_DATA_PROGRESS 0x11000000u
#define KVR_EVENT_1100001F 0x1100001Fu
#define KVR_EVENT_REC_INFO 0x12000010u // any status change
#define KVR_EVENT_EXP_IN_SHOT 0x12000020u
#define KVR_EVENT_LV_COMPOSITE 0x12000070u
#define KVR_EVENT_12010040 0x12010040u
#define KVR_EVENT_LENS_ZOOM 0x120100A0u
#define KVR_EVENT_12800040 0x12800040u
#define KVR_EVENT_12800041 0x12800041u
#define KVR_EVENT_WBSET_FAILED 0x12800042u
#define KVR_EVENT_4K6K_CUT_CONFIG 0x12800110u
#define KVR_EVENT_4K6K_READY 0x12800111u
#define KVR_EVENT_4K6K_CUT_START 0x12800112u
#define KVR_EVENT_4K6K_CUT_STOP 0x12800113u
#define KVR_EVENT_SETUP_ERROR 0x15C00010u
#define KVR_EVENT_REC_MONITOR 0x16000010u
#define KVR_EVENT_17000000 0x17000000u
#define KVR_EVENT_18000010 0x18000010u
#define KVR_EVENT_FRAME_DATA 0x1FF10000u
#define KVR_EVENT_CAMERA_LOST 0x1FF20001u
#define KVR_EVENT_41000010 0x41000010u
#define KVR_EVENT_FWUP_STATUS 0x41000015u
#define KVR_EVENT_80010000 0x80010000u
#define KVR_EVENT_80020000 0x80020000u
#define KVR_EVENT_80030000 0x80030000u
#define KVR_EVENT_800300F0 0x800300F0u
#define KVR_EVENT_80040000 0x80040000u
#define KVR_EVENT_80050000 0x80050000u
#define KVR_EVENT_800500F0 0x800500F0u

// Record tags passed to the tagged readers.
#define KVR_TAG_AF_INFO KVR_EVENT_AF_INFO
#define KVR_TAG_IMAGE_INFO KVR_EVENT_STILL_IMAGE
#define KVR_TAG_LENS_ZOOM KVR_EVENT_LENS_ZOOM
#define KVR_TAG_SETUP_FILES_INFO 0x080000A2u

// ---------------------------------------------------------------------------
// Network callback kinds (first argument of PtpipCallbackFn)
// kind 1 camera found, p1 = _tag_KVR_PTPIP_CONNECT_DEVICE_INFO*
// kind 2 search timed out; kind 3 search stopped (p1..p3 null)
// kind 4 camera disconnected, p2 = camera UUID text
// kind 5 password needed, p1 = _tag_KVR_PTPIP_CONNECT_DEVICE_INFO*,
//        p2 = uint32_t* password error type (KVR_PW_ERROR_*)
// kind 6 camera found that is already in session, p1 as kind 1
// The pointed-to data is valid only during the callback. p3 is the context
// pointer given at registration.
// ---------------------------------------------------------------------------
#define KVR_PTPIP_KIND_FOUND 1u
#define KVR_PTPIP_KIND_SEARCH_TIMEOUT 2u
#define KVR_PTPIP_KIND_SEARCH_STOPPED 3u
#define KVR_PTPIP_KIND_DISCONNECTED 4u
#define KVR_PTPIP_KIND_PASSWORD 5u
#define KVR_PTPIP_KIND_FOUND_CONNECTED 6u

#define KVR_PW_ERROR_OK 0u
#define KVR_PW_ERROR_OTHERS 1u
#define KVR_PW_ERROR_UNSET 2u // the camera has no password yet
#define KVR_PW_ERROR_AUTH 3u  // the camera's password is to be entered

// Password modes of KVR_func_api_SelectPnPDevice.
#define KVR_PW_MODE_NONE 0u
#define KVR_PW_MODE_AUTHENTICATION 1u
#define KVR_PW_MODE_CHANGE 2u
#define KVR_PW_MODE_REGISTRATION 3u

#define KVR_CONNECTION_USB 0u
#define KVR_CONNECTION_LAN 1u

// ---------------------------------------------------------------------------
// Command codes of the control records
// ---------------------------------------------------------------------------
#define KVR_CMD_RELEASE_ONE_SHOT 0x03000011u
#define KVR_CMD_RELEASE_CONT_START 0x03000012u
#define KVR_CMD_RELEASE_CONT_END 0x03000013u
#define KVR_CMD_RELEASE_INTERVAL_START 0x03000014u
#define KVR_CMD_RELEASE_INTERVAL_STOP 0x03000015u
#define KVR_CMD_RELEASE_INTERVAL_PAUSE 0x03000016u
#define KVR_CMD_RELEASE_INTERVAL_RESTART 0x03000017u
#define KVR_CMD_RELEASE_HALFS_START 0x03000018u
#define KVR_CMD_RELEASE_HALFS_END 0x03000019u
#define KVR_CMD_AF_AE_AE 0x03000021u
#define KVR_CMD_AF_AE_AF 0x03000022u
#define KVR_CMD_AF_AE_AFAE 0x03000023u
#define KVR_CMD_AF_AE_AF_ONESHOT 0x03000024u
#define KVR_CMD_AF_AE_AFAE_CLEAR 0x03000025u
#define KVR_CMD_AF_AE_1POINT_AF 0x03000026u
#define KVR_CMD_AF_AE_MULTI_AF 0x03000027u
#define KVR_CMD_AF_AE_CUSTOM_MULTI_AF 0x03000028u
#define KVR_CMD_AF_AE_TRACKING_START 0x03000029u
#define KVR_CMD_AF_AE_TRACKING_STOP 0x0300002Au
#define KVR_CMD_AF_AE_PINPOINT_AF_START 0x0300002Bu
#define KVR_CMD_AF_AE_PINPOINT_AF_MAGNIFY 0x0300002Cu
#define KVR_CMD_AF_AE_PINPOINT_MOVE_POS 0x0300002Du
#define KVR_CMD_AF_AE_PINPOINT_AF_STOP 0x0300002Eu
#define KVR_CMD_AF_AE_AF_OFF 0x0300002Fu
#define KVR_CMD_4K_BURST_START 0x03000031u
#define KVR_CMD_4K_BURST_STOP 0x03000032u
#define KVR_CMD_4K_PRECAP_START 0x03000033u
#define KVR_CMD_4K_PRECAP_END 0x03000034u
#define KVR_CMD_4K_PREWRITE_REQ 0x03000035u
#define KVR_CMD_4K_ADD_MARKER 0x03000036u
#define KVR_CMD_OTHER_REC_TO_PLAY 0x03000041u
#define KVR_CMD_OTHER_FLASH_TEST 0x03000042u
#define KVR_CMD_MF_ASSIST_START_REQ 0x03000051u
#define KVR_CMD_MF_ASSIST_SETRATIO_REQ 0x03000052u
#define KVR_CMD_MF_ASSIST_MOVE_REQ 0x03000053u
#define KVR_CMD_MF_ASSIST_END_REQ 0x03000054u
#define KVR_CMD_MF_ASSIST_ONEPOINT_REQ 0x03000055u
#define KVR_CMD_MF_ASSIST_ZOOMSTART_REQ 0x03000056u
#define KVR_CMD_ZOOM_START 0x03000081u
#define KVR_CMD_ZOOM_STOP 0x03000082u
#define KVR_CMD_ZOOM_SET_POS 0x03000083u
#define KVR_CMD_WBSET_START_REQ 0x03000091u
#define KVR_CMD_WBSET_SET_REQ 0x03000092u
#define KVR_CMD_WBSET_END_REQ 0x03000093u
#define KVR_CMD_AF_AREA_START 0x030000A1u
#define KVR_CMD_AF_AREA_MOVE 0x030000A2u
#define KVR_CMD_AF_AREA_RESET 0x030000A3u
#define KVR_CMD_AF_AREA_END 0x030000A4u
#define KVR_CMD_AF_AREA_CLEAR 0x030000A5u
#define KVR_CMD_4K6K_CUT_START 0x030000B1u
#define KVR_CMD_4K6K_CUT_CANCEL 0x030000B2u
#define KVR_CMD_4K6K_CUT_STOP 0x030000B3u
#define KVR_CMD_AF_AE2_PINPOINT_ZOOMSTART 0x030000C1u
#define KVR_CMD_AF_AE2_PINPOINT_ZOOMMOVE 0x030000C2u
#define KVR_CMD_AF_AE2_AFAE_OFF 0x030000C4u
#define KVR_CMD_AF_AE2_PSCOPE_START 0x030000C5u
#define KVR_CMD_AF_AE2_PSCOPE_MAG_SETTING 0x030000C6u
#define KVR_CMD_AF_AE2_PSCOPE_END 0x030000C7u
#define KVR_CMD_LV_MAG_START_REQ 0x030000D1u
#define KVR_CMD_LV_MAG_SETRATIO_REQ 0x030000D2u
#define KVR_CMD_LV_MAG_MOVE_REQ 0x030000D3u
#define KVR_CMD_LV_MAG_MF_ADJUST 0x030000D4u
#define KVR_CMD_LV_MAG_RESET 0x030000D5u
#define KVR_CMD_LV_MAG_END_REQ 0x030000D6u
#define KVR_CMD_LENS 0x03010011u // parameter: 0 stop, 1 far fast, 2 far slow, 3 near slow, 4 near fast
#define KVR_CMD_BACKUP_PHOTOSTYLE_REQ 0x03010021u
#define KVR_CMD_RESTORE_PHOTOSTYLE_REQ 0x03010022u
#define KVR_CMD_DEL_BACKUP_REQ 0x03010023u
#define KVR_CMD_MENU_START 0x09000021u
#define KVR_CMD_MENU_END 0x09000022u
#define KVR_CMD_MENU_TOUCH_DOWN 0x09000023u
#define KVR_CMD_MENU_TOUCH_UP 0x09000024u
#define KVR_CMD_MNT_LIVEVIEW_START 0x800500F0u
#define KVR_CMD_MNT_LIVEVIEW_STOP 0x800500F1u

// Camera status words (KVR_func_api_GetCameraStatus, the recording record).
#define KVR_CAMERA_STATUS_IDLE 0u
#define KVR_CAMERA_STATUS_MOVIE_REC 1u // a movie, a 6K/4K burst or pre-capture
#define KVR_CAMERA_STATUS_NOISE_REDUCTION 5u
#define KVR_CAMERA_STATUS_MENU 6u
#define KVR_CAMERA_STATUS_REMOTE_REC 8u // an interval series or a bulb exposure runs

// Object format codes (KVR_func_api_Get_Object_FormatType).
#define KVR_OBJECT_FORMAT_JPEG 1u
#define KVR_OBJECT_FORMAT_RAW 2u
#define KVR_OBJECT_FORMAT_MOVIE 4u
#define KVR_OBJECT_FORMAT_MOVIE2 5u
#define KVR_OBJECT_FORMAT_HLG 6u
#define KVR_OBJECT_FORMAT_HEIF 7u

#pragma pack(push, 1)

// ---------------------------------------------------------------------------
// Discovery and connection records
// ---------------------------------------------------------------------------

// One USB or network device of a device list. Names are UCS-4 (256
// characters) with their character counts.
typedef struct _tag_KVR_DEVINFO
{
    uint32_t devIndex; // stable per camera for the library's lifetime
    uint32_t makerName[256];
    uint32_t makerNameLength;
    uint32_t modelName[256];
    uint32_t modelNameLength;
} KVR_DEVINFO;
KVR_SIZE(KVR_DEVINFO, 2060);
KVR_PIN(KVR_DEVINFO, makerName, 4);
KVR_PIN(KVR_DEVINFO, makerNameLength, 1028);
KVR_PIN(KVR_DEVINFO, modelName, 1032);
KVR_PIN(KVR_DEVINFO, modelNameLength, 2056);

// Device list. devicePath[i] points to a NUL-terminated wide-character path
// owned by the library, valid until the library is reset; the path ends in
// the camera's serial number (for the simulated cameras it is the serial
// number). Callers that build a list themselves may point the entries
// anywhere. count never exceeds KVR_MAX_DEVICES.
typedef struct _tag_KVR_CONNECT_DEVICE_INFO
{
    uint32_t count;
    uint32_t reserved;
    const wchar_t *devicePath[64];
    KVR_DEVINFO devices[64];
} KVR_CONNECT_DEVICE_INFO;
KVR_PIN(KVR_CONNECT_DEVICE_INFO, devicePath, 8);
KVR_PIN(KVR_CONNECT_DEVICE_INFO, devices, 520);

// A camera found on the network (3408 bytes).
typedef struct _tag_KVR_PTPIP_CONNECT_DEVICE_INFO
{
    uint32_t devIndex;
    uint32_t makerName[256];
    uint32_t makerNameLength;
    uint32_t modelName[256];
    uint32_t modelNameLength;
    char friendlyName[256]; // local 8-bit text
    uint32_t friendlyNameLength;
    uint8_t reserved1[16];
    uint8_t tls;            // 1: the camera uses TLS
    char certFilePath[256]; // UTF-8
    char ipAddress[256];    // UTF-8
    char date[259];         // UTF-8, "ddd, dd MMM yyyy HH:mm:ss GMT"
    char serialNo[256];     // local 8-bit text
    uint32_t serialNoLength;
    char macAddress[32]; // upper-case hexadecimal text without separators
    uint32_t macAddressLength;
    uint8_t wifi; // 1: the camera is on Wi-Fi
    uint8_t reserved2[3];
} KVR_PTPIP_CONNECT_DEVICE_INFO;
KVR_SIZE(KVR_PTPIP_CONNECT_DEVICE_INFO, 3408);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, makerNameLength, 1028);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, modelName, 1032);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, modelNameLength, 2056);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, friendlyName, 2060);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, friendlyNameLength, 2316);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, tls, 2336);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, certFilePath, 2337);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, ipAddress, 2593);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, date, 2849);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, serialNo, 3108);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, serialNoLength, 3364);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, macAddress, 3368);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, macAddressLength, 3400);
KVR_PIN(KVR_PTPIP_CONNECT_DEVICE_INFO, wifi, 3404);

// The computer's name announced to network cameras (passed by value).
// A length of 256 or more, or one that does not match the text, is refused.
typedef struct _tag_KVR_PTPIP_PC_NAME
{
    uint32_t length;
    char name[256]; // UTF-8, NUL-terminated
} KVR_PTPIP_PC_NAME;
KVR_PIN(KVR_PTPIP_PC_NAME, name, 4);

// A counted text: the length byte, then UTF-8 text, NUL-terminated.
typedef struct _tag_KVR_STRUCT_PTP_ARRAY_STRING
{
    uint8_t length;
    char text[257];
} KVR_STRUCT_PTP_ARRAY_STRING;
KVR_SIZE(KVR_STRUCT_PTP_ARRAY_STRING, 258);
KVR_PIN(KVR_STRUCT_PTP_ARRAY_STRING, text, 1);

typedef struct _tag_kvr_struct_deviceinfo
{
    KVR_STRUCT_PTP_ARRAY_STRING manufacturer;
    KVR_STRUCT_PTP_ARRAY_STRING model;
    KVR_STRUCT_PTP_ARRAY_STRING deviceVersion;
    KVR_STRUCT_PTP_ARRAY_STRING serialNumber;
} kvr_struct_deviceinfo;
KVR_PIN(kvr_struct_deviceinfo, manufacturer.text, 1);
KVR_PIN(kvr_struct_deviceinfo, model.text, 259);
KVR_PIN(kvr_struct_deviceinfo, deviceVersion.text, 517);
KVR_PIN(kvr_struct_deviceinfo, serialNumber.text, 775);

// Firmware update request. path points to at most KVR_FWUP_PATH_MAX bytes.
typedef struct _tag_kvr_struct_fwup_param
{
    const char *path;
    uint32_t pathLength;
    uint32_t timeoutMs; // callers pass 10000
    uint8_t reset;
    uint8_t fwupSupport;
} kvr_struct_fwup_param;

// Event codes the camera should hold back (KVR_func_api_SetEventTypeFromCamera).
typedef struct _tag_KVR_STRUCT_EVENT_TYPE_LIST
{
    uint32_t count;
    uint32_t codes[32];
} KVR_STRUCT_EVENT_TYPE_LIST;
KVR_SIZE(KVR_STRUCT_EVENT_TYPE_LIST, 132);

// ---------------------------------------------------------------------------
// Control records. Zero the whole record, then set code, count and params.
// ---------------------------------------------------------------------------
#define KVR_CTRL_PARAM_MAX 513u
typedef struct _tag_KVR_STRUCT_REC_CTRL
{
    uint32_t code;
    uint16_t paramCount;
    uint16_t reserved;
    int32_t params[513];
} KVR_STRUCT_REC_CTRL;
KVR_SIZE(KVR_STRUCT_REC_CTRL, 2060);
KVR_PIN(KVR_STRUCT_REC_CTRL, paramCount, 4);
KVR_PIN(KVR_STRUCT_REC_CTRL, params, 8);

typedef struct _tag_KVR_STRUCT_REC_CTRL_OTHER
{
    uint32_t code;
    uint16_t paramCount;
    uint16_t reserved;
    int32_t params[513];
} KVR_STRUCT_REC_CTRL_OTHER;
KVR_SIZE(KVR_STRUCT_REC_CTRL_OTHER, 2060);
KVR_PIN(KVR_STRUCT_REC_CTRL_OTHER, params, 8);

typedef struct _tag_KVR_STRUCT_MNT_CTRL
{
    uint32_t code;
    uint16_t paramCount;
    uint16_t reserved;
    int32_t params[513];
} KVR_STRUCT_MNT_CTRL;
KVR_SIZE(KVR_STRUCT_MNT_CTRL, 2060);
KVR_PIN(KVR_STRUCT_MNT_CTRL, params, 8);

typedef struct _tag_KVR_STRUCT_WBSET_CTRL
{
    uint32_t code;
    uint16_t paramCount; // the sub-command count: 2 for a spot position
    uint16_t reserved;
    int32_t params[513];
} KVR_STRUCT_WBSET_CTRL;
KVR_SIZE(KVR_STRUCT_WBSET_CTRL, 2060);
KVR_PIN(KVR_STRUCT_WBSET_CTRL, params, 8);

// ---------------------------------------------------------------------------
// Capability records
// ---------------------------------------------------------------------------
typedef struct _tag_KVR_STRUCT_CAPA_LIST
{
    uint16_t count;
    uint16_t codes[512]; // beyond count: 0xFFFF
    uint8_t available;
    uint8_t reserved;
} KVR_STRUCT_CAPA_LIST;
KVR_SIZE(KVR_STRUCT_CAPA_LIST, 0x404);
KVR_PIN(KVR_STRUCT_CAPA_LIST, codes, 2);
KVR_PIN(KVR_STRUCT_CAPA_LIST, available, 0x402);

typedef struct _tag_KVR_STRUCT_CAPA_LIST32
{
    uint16_t count;
    uint16_t reserved1;
    uint32_t codes[512]; // beyond count: 0
    uint8_t available;
    uint8_t reserved2[3];
} KVR_STRUCT_CAPA_LIST32;
KVR_SIZE(KVR_STRUCT_CAPA_LIST32, 0x808);
KVR_PIN(KVR_STRUCT_CAPA_LIST32, codes, 4);
KVR_PIN(KVR_STRUCT_CAPA_LIST32, available, 0x804);

// Drive mode, recording mode, creative filter, intelligent auto, 4K/6K type,
// (reserved), custom set, photo exposure.
typedef struct _tag_KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST driveMode;
    KVR_STRUCT_CAPA_LIST modePos;
    KVR_STRUCT_CAPA_LIST creativeMode;
    KVR_STRUCT_CAPA_LIST iAMode;
    KVR_STRUCT_CAPA_LIST mode4k;
    KVR_STRUCT_CAPA_LIST reserved;
    KVR_STRUCT_CAPA_LIST c3Param;
    KVR_STRUCT_CAPA_LIST exposureParam;
    uint16_t curDriveMode;
    uint16_t curModePos;
    uint16_t curCreativeMode;
    uint16_t curIAMode;
    uint16_t curMode4k;
    uint16_t curReserved;
    uint16_t curC3Param;
    uint16_t curExposureParam;
} KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO;
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, modePos, 0x404);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, creativeMode, 0x808);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, iAMode, 0xC0C);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, mode4k, 0x1010);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, c3Param, 0x1818);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, exposureParam, 0x1C1C);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curDriveMode, 0x2020);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curModePos, 0x2022);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curCreativeMode, 0x2024);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curIAMode, 0x2026);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curMode4k, 0x2028);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curC3Param, 0x202C);
KVR_PIN(KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, curExposureParam, 0x202E);

typedef struct _tag_KVR_STRUCT_BURST_BRACKET_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST burst;
    uint16_t curBurst;
} KVR_STRUCT_BURST_BRACKET_CAPA_INFO;
KVR_PIN(KVR_STRUCT_BURST_BRACKET_CAPA_INFO, curBurst, 0x404);

typedef struct _tag_KVR_STRUCT_SELFTIMER_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST selfTimer;
    KVR_STRUCT_CAPA_LIST custom;
    uint16_t curSelfTimer;
    uint16_t curCustom;
} KVR_STRUCT_SELFTIMER_CAPA_INFO;
KVR_PIN(KVR_STRUCT_SELFTIMER_CAPA_INFO, custom, 0x404);
KVR_PIN(KVR_STRUCT_SELFTIMER_CAPA_INFO, curSelfTimer, 0x808);
KVR_PIN(KVR_STRUCT_SELFTIMER_CAPA_INFO, curCustom, 0x80A);

// Interval: the mode list, then the interval parameters, then the mode.
typedef struct _tag_KVR_STRUCT_INTERVAL_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST mode;
    KVR_STRUCT_CAPA_LIST reserved;
    uint16_t params[24];
    uint16_t curMode;
    uint16_t reserved2;
} KVR_STRUCT_INTERVAL_CAPA_INFO;
KVR_PIN(KVR_STRUCT_INTERVAL_CAPA_INFO, curMode, 0x838);

typedef struct _tag_KVR_STRUCT_4K6K_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST recFormat; // frame codes: 0 4K 30p, 1 4K 60p, 2 6K 30p
    KVR_STRUCT_CAPA_LIST focusSelect;
    uint16_t curRecFormat;
    uint16_t curFocusSelect;
} KVR_STRUCT_4K6K_CAPA_INFO;
KVR_PIN(KVR_STRUCT_4K6K_CAPA_INFO, focusSelect, 0x404);
KVR_PIN(KVR_STRUCT_4K6K_CAPA_INFO, curRecFormat, 0x808);
KVR_PIN(KVR_STRUCT_4K6K_CAPA_INFO, curFocusSelect, 0x80A);

typedef struct _tag_KVR_STRUCT_4K6K_INFO
{
    uint16_t mode4k;
    uint16_t reserved1[3];
    uint16_t recFormat;
    uint16_t reserved2[4];
    uint16_t focusSelect;
} KVR_STRUCT_4K6K_INFO;
KVR_SIZE(KVR_STRUCT_4K6K_INFO, 20);
KVR_PIN(KVR_STRUCT_4K6K_INFO, recFormat, 8);
KVR_PIN(KVR_STRUCT_4K6K_INFO, focusSelect, 18);

typedef struct _tag_KVR_STRUCT_SETUP_CFG_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST systemFreq;
    uint16_t curSystemFreq;
} KVR_STRUCT_SETUP_CFG_CAPA_INFO;
KVR_PIN(KVR_STRUCT_SETUP_CFG_CAPA_INFO, curSystemFreq, 0x404);

typedef struct _tag_KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST target; // 0 camera only, 1 PC only, 2 PC and camera
    uint16_t curTarget;
} KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO;
KVR_PIN(KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO, curTarget, 1028);

typedef struct _tag_KVR_STRUCT_POWER_SAVING_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST reserved;
    KVR_STRUCT_CAPA_LIST tetherMode; // available: power saving supported
    uint16_t curReserved;
    uint16_t curTetherMode;
} KVR_STRUCT_POWER_SAVING_CAPA_INFO;
KVR_PIN(KVR_STRUCT_POWER_SAVING_CAPA_INFO, tetherMode.count, 0x404);
KVR_PIN(KVR_STRUCT_POWER_SAVING_CAPA_INFO, tetherMode.codes, 0x406);
KVR_PIN(KVR_STRUCT_POWER_SAVING_CAPA_INFO, tetherMode.available, 0x806);
KVR_PIN(KVR_STRUCT_POWER_SAVING_CAPA_INFO, curTetherMode, 0x80A);

// Metering, extended tele-converter, (reserved), HLG shooting types
// (available: HLG supported).
typedef struct _tag_KVR_STRUCT_METERING_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST metering;
    KVR_STRUCT_CAPA_LIST exTelecon;
    KVR_STRUCT_CAPA_LIST reserved;
    KVR_STRUCT_CAPA_LIST hlg;
    uint16_t curMetering;
    uint16_t curExTelecon;
    uint16_t curReserved;
    uint16_t curHlg;
} KVR_STRUCT_METERING_CAPA_INFO;
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, exTelecon, 0x404);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, hlg.count, 0xC0C);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, hlg.codes, 0xC0E);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, hlg.available, 0x100E);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, curMetering, 0x1010);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, curExTelecon, 0x1012);
KVR_PIN(KVR_STRUCT_METERING_CAPA_INFO, curHlg, 0x1016);

typedef struct _tag_KVR_STRUCT_APERTURE_CAPA_INFO
{
    int16_t current;
    int16_t lower;
    int16_t upper;
    uint16_t reserved[2];
    uint16_t count;
    uint16_t values[512];
} KVR_STRUCT_APERTURE_CAPA_INFO;
KVR_PIN(KVR_STRUCT_APERTURE_CAPA_INFO, count, 0xA);
KVR_PIN(KVR_STRUCT_APERTURE_CAPA_INFO, values, 0xC);

typedef struct _tag_KVR_STRUCT_EXPOSURE_CAPA_INFO
{
    uint16_t current;
    uint16_t lower;
    uint16_t upper;
    uint16_t reserved[2];
    uint16_t count;
    uint16_t codes[512];
} KVR_STRUCT_EXPOSURE_CAPA_INFO;
KVR_PIN(KVR_STRUCT_EXPOSURE_CAPA_INFO, lower, 2);
KVR_PIN(KVR_STRUCT_EXPOSURE_CAPA_INFO, upper, 4);
KVR_PIN(KVR_STRUCT_EXPOSURE_CAPA_INFO, count, 0xA);
KVR_PIN(KVR_STRUCT_EXPOSURE_CAPA_INFO, codes, 0xC);

typedef struct _tag_KVR_STRUCT_SS_CAPA_INFO
{
    uint16_t count;
    uint16_t reserved1;
    uint32_t codes[512];
    uint8_t reserved2[20];
    uint32_t current;
    KVR_STRUCT_CAPA_LIST reserved3;
    uint16_t reserved4;
    uint16_t angleCount;
    uint16_t angles[512];
    uint16_t reserved5;
    uint16_t curAngle;
} KVR_STRUCT_SS_CAPA_INFO;
KVR_PIN(KVR_STRUCT_SS_CAPA_INFO, codes, 4);
KVR_PIN(KVR_STRUCT_SS_CAPA_INFO, current, 0x818);
KVR_PIN(KVR_STRUCT_SS_CAPA_INFO, angleCount, 0xC22);
KVR_PIN(KVR_STRUCT_SS_CAPA_INFO, angles, 0xC24);
KVR_PIN(KVR_STRUCT_SS_CAPA_INFO, curAngle, 0x1026);

typedef struct _tag_KVR_STRUCT_ISO_CAPA_INFO
{
    uint16_t count;
    uint16_t reserved1;
    uint32_t codes[512]; // 0xFFFFFFFF auto, 0xFFFFFFFE intelligent
    uint8_t reserved2[20];
    uint32_t current;
    uint16_t gainCount;
    uint16_t gains[512];
    uint16_t reserved3;
    uint16_t curGain;
} KVR_STRUCT_ISO_CAPA_INFO;
KVR_PIN(KVR_STRUCT_ISO_CAPA_INFO, codes, 4);
KVR_PIN(KVR_STRUCT_ISO_CAPA_INFO, current, 0x818);
KVR_PIN(KVR_STRUCT_ISO_CAPA_INFO, gainCount, 0x81C);
KVR_PIN(KVR_STRUCT_ISO_CAPA_INFO, gains, 0x81E);
KVR_PIN(KVR_STRUCT_ISO_CAPA_INFO, curGain, 0xC20);

// White balance, colour temperature, amber-blue, green-magenta and the
// separate amber-blue adjustment.
typedef struct _tag_KVR_STRUCT_WB_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST wb;
    KVR_STRUCT_CAPA_LIST kSet;
    KVR_STRUCT_CAPA_LIST adjAB;
    KVR_STRUCT_CAPA_LIST adjGM;
    KVR_STRUCT_CAPA_LIST adjABSep;
    uint16_t curWb;
    uint16_t curKSet;
    uint16_t curAdjAB;
    uint16_t curAdjGM;
    uint16_t curAdjABSep;
} KVR_STRUCT_WB_CAPA_INFO;
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, kSet.count, 0x404);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, kSet.codes, 0x406);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, curWb, 0x1414);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, curKSet, 0x1416);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, curAdjAB, 0x1418);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, curAdjGM, 0x141A);
KVR_PIN(KVR_STRUCT_WB_CAPA_INFO, curAdjABSep, 0x141C);

// Five groups of 10 bytes, the code last in each group.
typedef struct _tag_KVR_STRUCT_WB_INFO
{
    uint16_t reserved1[4];
    uint16_t wb;
    uint16_t reserved2[4];
    uint16_t kSet;
    uint16_t reserved3[4];
    uint16_t adjAB;
    uint16_t reserved4[4];
    uint16_t adjGM;
    uint16_t reserved5[4];
    uint16_t adjABSep;
} KVR_STRUCT_WB_INFO;
KVR_SIZE(KVR_STRUCT_WB_INFO, 50);
KVR_PIN(KVR_STRUCT_WB_INFO, wb, 8);
KVR_PIN(KVR_STRUCT_WB_INFO, kSet, 18);
KVR_PIN(KVR_STRUCT_WB_INFO, adjAB, 28);
KVR_PIN(KVR_STRUCT_WB_INFO, adjGM, 38);
KVR_PIN(KVR_STRUCT_WB_INFO, adjABSep, 48);

// Picture size, quality, aspect, file format, (reserved), JPEG/HEIF quality.
typedef struct _tag_KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST size;
    KVR_STRUCT_CAPA_LIST quality;
    KVR_STRUCT_CAPA_LIST aspect;
    KVR_STRUCT_CAPA_LIST format;
    KVR_STRUCT_CAPA_LIST reserved;
    KVR_STRUCT_CAPA_LIST jpegHeifQuality;
    uint16_t curSize;
    uint16_t curQuality;
    uint16_t curAspect;
    uint16_t curFormat;
    uint16_t curReserved;
    uint16_t curJpegHeifQuality;
} KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO;
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, quality, 0x404);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, aspect, 0x808);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, format, 0xC0C);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, jpegHeifQuality, 0x1414);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, curSize, 0x1818);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, curQuality, 0x181A);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, curAspect, 0x181C);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, curFormat, 0x181E);
KVR_PIN(KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, curJpegHeifQuality, 0x1822);

// Answer of KVR_func_api_GetImageInfo.
typedef struct _tag_KVR_STRUCT_IMAGE_INFO
{
    uint16_t size;
    uint16_t quality;
    uint16_t aspect;
    uint16_t format;
    uint16_t jpegHeifMode;
    uint16_t jpegHeifQuality;
} KVR_STRUCT_IMAGE_INFO;

// Focus mode, AF mode, (reserved), custom multi, animal recognition, general
// recognition, automatic recognition, recognised parts, AF frame colour.
typedef struct _tag_KVR_STRUCT_AF_CONFIG_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST focusMode;
    KVR_STRUCT_CAPA_LIST afArea;
    KVR_STRUCT_CAPA_LIST reserved;
    KVR_STRUCT_CAPA_LIST customMulti;
    KVR_STRUCT_CAPA_LIST recognizeAnimal;
    KVR_STRUCT_CAPA_LIST recognizeGeneral;
    KVR_STRUCT_CAPA_LIST automaticReco;
    KVR_STRUCT_CAPA_LIST recognizeParts;
    KVR_STRUCT_CAPA_LIST afFrameColor;
    uint16_t curFocusMode;
    uint16_t curAfArea;
    uint16_t curReserved;
    uint16_t curCustomMulti;
    uint16_t curRecognizeAnimal;
    uint16_t curRecognizeGeneral;
    uint16_t curAutomaticReco;
    uint16_t curRecognizeParts;
    uint16_t curAfFrameColor;
} KVR_STRUCT_AF_CONFIG_CAPA_INFO;
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, afArea.count, 0x404);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, afArea.codes, 0x406);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, customMulti.count, 0xC0C);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, customMulti.codes, 0xC0E);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, recognizeAnimal.available, 0x1412);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, recognizeGeneral.available, 0x1816);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, automaticReco.available, 0x1C1A);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, afFrameColor.available, 0x2422);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curFocusMode, 0x2424);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curAfArea, 0x2426);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curCustomMulti, 0x242A);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curRecognizeAnimal, 0x242C);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curRecognizeGeneral, 0x242E);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curAutomaticReco, 0x2430);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curRecognizeParts, 0x2432);
KVR_PIN(KVR_STRUCT_AF_CONFIG_CAPA_INFO, curAfFrameColor, 0x2434);

// AF/MF switch, MF assist, pinpoint, live-view magnification, picture-in-
// picture aspect (codes 0..12).
typedef struct _tag_KVR_STRUCT_AFMF_CFG2_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST afmfMode;
    KVR_STRUCT_CAPA_LIST mfAssistMode;
    KVR_STRUCT_CAPA_LIST pinpointMode;
    KVR_STRUCT_CAPA_LIST lvMagMode;
    KVR_STRUCT_CAPA_LIST pinpAspect;
    uint16_t curAfmfMode;
    uint16_t curMfAssistMode;
    uint16_t curPinpointMode;
    uint16_t curLvMagMode;
    uint16_t curPinpAspect;
} KVR_STRUCT_AFMF_CFG2_CAPA_INFO;
KVR_PIN(KVR_STRUCT_AFMF_CFG2_CAPA_INFO, curAfmfMode, 0x1414);

typedef struct _tag_KVR_STRUCT_REC_PREVIEW_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST monitorDisp;
    uint16_t curMonitorDisp;
} KVR_STRUCT_REC_PREVIEW_CAPA_INFO;
KVR_PIN(KVR_STRUCT_REC_PREVIEW_CAPA_INFO, curMonitorDisp, 0x404);

// Movie exposure mode, (reserved), quality modes, recording format,
// (reserved), (reserved), shutter gain.
typedef struct _tag_KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST cMovieMode;
    KVR_STRUCT_CAPA_LIST reserved1;
    KVR_STRUCT_CAPA_LIST qualityMode;
    KVR_STRUCT_CAPA_LIST recMode;
    KVR_STRUCT_CAPA_LIST reserved2;
    KVR_STRUCT_CAPA_LIST reserved3;
    KVR_STRUCT_CAPA_LIST ssGain;
    uint16_t curCMovieMode;
    uint16_t curReserved1;
    uint16_t curQualityMode;
    uint16_t curRecMode;
    uint16_t curReserved2;
    uint16_t curReserved3;
    uint16_t curSsGain;
} KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO;
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, qualityMode.count, 0x808);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, qualityMode.codes, 0x80A);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, recMode.count, 0xC0C);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, recMode.codes, 0xC0E);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, ssGain.count, 0x1818);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, ssGain.codes, 0x181A);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, curCMovieMode, 0x1C1C);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, curQualityMode, 0x1C20);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, curRecMode, 0x1C22);
KVR_PIN(KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, curSsGain, 0x1C28);

typedef struct _tag_KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST32 frameRate; // bit 31 progressive, bits 0..27 fps x 100
    KVR_STRUCT_CAPA_LIST pixel;
    KVR_STRUCT_CAPA_LIST compression;
    KVR_STRUCT_CAPA_LIST bitRate;
    KVR_STRUCT_CAPA_LIST vfr;
    KVR_STRUCT_CAPA_LIST hlg;
    uint32_t curFrameRate;
    uint16_t curPixel;
    uint16_t curCompression;
    uint16_t curBitRate;
    uint16_t curVfr;
    uint16_t curHlg;
} KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO;
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, frameRate.codes, 0x004);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, pixel.count, 0x808);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, pixel.codes, 0x80A);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, compression.count, 0xC0C);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, compression.codes, 0xC0E);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, bitRate.count, 0x1010);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, bitRate.codes, 0x1012);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, vfr.count, 0x1414);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, vfr.codes, 0x1416);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, hlg.count, 0x1818);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, hlg.codes, 0x181A);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curFrameRate, 0x1C1C);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curPixel, 0x1C20);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curCompression, 0x1C22);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curBitRate, 0x1C24);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curVfr, 0x1C26);
KVR_PIN(KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, curHlg, 0x1C28);

// Movie quality list: count, then 24-byte entries.
typedef struct _tag_KVR_STRUCT_MOV_QUALITY_DATA
{
    uint16_t quality;
    uint32_t frameRate;
    uint16_t pixels;
    uint16_t compression;
    uint16_t bitRate;
    uint16_t vfr;
    uint16_t hlg;
    uint16_t sq;
    uint16_t ssd;
    uint16_t sd;
    uint16_t cfexpress;
} KVR_STRUCT_MOV_QUALITY_DATA;
KVR_SIZE(KVR_STRUCT_MOV_QUALITY_DATA, 24);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, frameRate, 2);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, pixels, 6);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, compression, 8);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, bitRate, 10);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, vfr, 12);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, hlg, 14);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, sq, 16);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, ssd, 18);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, sd, 20);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA, cfexpress, 22);

typedef struct _tag_KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO
{
    uint16_t count;
    uint8_t reserved[4];
    KVR_STRUCT_MOV_QUALITY_DATA entries[512];
} KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO;
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO, entries, 6);

typedef struct _tag_KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY
{
    uint16_t frameRate;
    uint16_t pixels;
    uint16_t compression;
    uint16_t bitRate;
    uint16_t vfr;
    uint16_t hlg;
    uint16_t sq;
} KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY;
KVR_SIZE(KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY, 14);
KVR_PIN(KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY, sq, 12);

// Photo style: sixteen slots (the ISO list takes two), then the currents.
typedef struct _tag_KVR_STRUCT_PHOTOSTYLE_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST styleMode;
    KVR_STRUCT_CAPA_LIST contrast;
    KVR_STRUCT_CAPA_LIST sharpness;
    KVR_STRUCT_CAPA_LIST noiseReduction;
    KVR_STRUCT_CAPA_LIST saturation;
    KVR_STRUCT_CAPA_LIST filter;
    KVR_STRUCT_CAPA_LIST chromaPhase;
    KVR_STRUCT_CAPA_LIST grain;
    KVR_STRUCT_CAPA_LIST kneeMode;
    KVR_STRUCT_CAPA_LIST colorTone;
    KVR_STRUCT_CAPA_LIST highLight;
    KVR_STRUCT_CAPA_LIST shadow;
    KVR_STRUCT_CAPA_LIST32 iso;
    KVR_STRUCT_CAPA_LIST wb;
    KVR_STRUCT_CAPA_LIST base;
    uint16_t curStyleMode;
    uint16_t curContrast;
    uint16_t curSharpness;
    uint16_t curNoiseReduction;
    uint16_t curSaturation;
    uint16_t curFilter;
    uint16_t curChromaPhase;
    uint16_t curGrain;
    uint16_t curKneeMode;
    uint16_t curColorTone;
    uint16_t curHighLight;
    uint16_t curShadow;
    uint32_t curIso;
    uint16_t curWb;
    uint16_t curBase;
} KVR_STRUCT_PHOTOSTYLE_CAPA_INFO;
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, contrast, 0x404);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, sharpness, 0x808);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, noiseReduction, 0xC0C);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, saturation, 0x1010);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, filter, 0x1414);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, chromaPhase, 0x1818);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, grain, 0x1C1C);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, kneeMode, 0x2020);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, colorTone, 0x2424);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, highLight, 0x2828);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, shadow, 0x2C2C);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, iso, 0x3030);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, wb, 0x3838);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, base, 0x3C3C);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, curStyleMode, 0x4040);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, curIso, 0x4058);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, curWb, 0x405C);
KVR_PIN(KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, curBase, 0x405E);

typedef struct _tag_KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST dualIso;
    KVR_STRUCT_CAPA_LIST colorNoise;
    KVR_STRUCT_CAPA_LIST lut;
    KVR_STRUCT_CAPA_LIST gain;
    KVR_STRUCT_CAPA_LIST base; // reserved byte: 3 when the base style 2 is offered
    KVR_STRUCT_CAPA_LIST lut2;
    KVR_STRUCT_CAPA_LIST density;
    KVR_STRUCT_CAPA_LIST density2;
    uint16_t curDualIso;
    uint16_t curColorNoise;
    uint16_t curLut;
    uint16_t curGain;
    uint16_t curBase;
    uint16_t curLut2;
    uint16_t curDensity;
    uint16_t curDensity2;
} KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO;
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, colorNoise, 0x404);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, lut, 0x808);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, gain, 0xC0C);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, base, 0x1010);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, lut2, 0x1414);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, density, 0x1818);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, density2, 0x1C1C);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, curDualIso, 0x2020);
KVR_PIN(KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, curDensity2, 0x202E);

// Flash: mode, (reserved), dimmer, sync, adjust, exposure link, manual,
// wireless mode, wireless channel, wireless FP, wireless communication power.
typedef struct _tag_KVR_STRUCT_STROBE_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST lists[11];
    uint16_t current[11];
} KVR_STRUCT_STROBE_CAPA_INFO;
KVR_SIZE(KVR_STRUCT_STROBE_CAPA_INFO, 11330);

// Flash groups: dimmer, adjust, manual (setting-major), each for the groups
// 0..4 (A 1, B 2, C 3, built-in 4).
typedef struct _tag_KVR_STRUCT_STROBE2_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST lists[15];
    uint16_t current[15];
} KVR_STRUCT_STROBE2_CAPA_INFO;
KVR_SIZE(KVR_STRUCT_STROBE2_CAPA_INFO, 15450);

// ---------------------------------------------------------------------------
// AF frame, AF information, lens zoom
// ---------------------------------------------------------------------------
typedef struct _tag_KVR_STRUCT_POS_UINT16
{
    uint16_t x;
    uint16_t y;
} KVR_STRUCT_POS_UINT16;

typedef struct _tag_KVR_STRUCT_SIZE_UINT16
{
    uint16_t width;
    uint16_t height;
} KVR_STRUCT_SIZE_UINT16;

typedef struct _tag_KVR_STRUCT_AF_FRAME_ONEPOINT_TAG_INFO
{
    KVR_STRUCT_POS_UINT16 pos;
    KVR_STRUCT_SIZE_UINT16 size;
    uint16_t value;
    uint16_t minimum;
} KVR_STRUCT_AF_FRAME_ONEPOINT_TAG_INFO;

typedef struct _tag_KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO
{
    uint16_t posX;
    uint16_t posY;
    uint16_t width;
    uint16_t height;
    uint16_t mfAssistMode;
    uint16_t magnification; // hundredths (500 = 5x)
    uint16_t cursorX;
    uint16_t cursorY;
    uint16_t upperLeftX;
    uint16_t upperLeftY;
    uint16_t lowerRightX;
    uint16_t lowerRightY;
    uint16_t centerX;
    uint16_t centerY;
    uint16_t areaWidth;
    uint16_t areaHeight;
    uint16_t assistType;
} KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO;
KVR_SIZE(KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO, 34);

// AF frame capability record (4605 bytes). The phase-detection geometry:
// up to format 33 callers derive the grid from the frame counts alone; from
// format 34 on the frame and cluster sizes are in sensor units, scaled to the
// picture by the scales (frame sizes in millionths, cluster sizes in
// thousandths). Positions are thousandths of the picture.
typedef struct _tag_KVR_STRUCT_AF_FRAME_CAPA_INFO
{
    KVR_STRUCT_CAPA_LIST lists[4];
    KVR_STRUCT_AF_FRAME_ONEPOINT_TAG_INFO onePoint;
    uint16_t multiPosIndex;
    uint16_t multiPosCount; // the selected area spans 2n + 1 positions
    uint16_t formatNumber;
    uint16_t afFrameCountX; // the contrast-AF grid, columns and rows
    uint16_t afFrameCountY;
    uint16_t pdafFrameCountX; // the phase-detection grid, columns and rows
    uint16_t pdafFrameCountY;
    uint16_t pdafFrameWidth;
    uint16_t pdafFrameHeight;
    uint16_t sensorWidth;
    uint16_t sensorHeight;
    uint32_t frameScaleX;
    uint32_t frameScaleY;
    uint16_t clusterWidth;
    uint16_t clusterHeight;
    uint16_t trackingFramePosX; // where tracking starts
    uint16_t trackingFramePosY;
    uint8_t reserved1[50];
    KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO pinPoint;
    uint16_t cmultiIndex;
    uint8_t cmultiTable[315]; // one byte per area position
    uint8_t reserved2[42];
} KVR_STRUCT_AF_FRAME_CAPA_INFO;
KVR_SIZE(KVR_STRUCT_AF_FRAME_CAPA_INFO, 4605);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.pos.x, 0x1010);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.pos.y, 0x1012);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.size.width, 0x1014);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.size.height, 0x1016);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.value, 0x1018);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, onePoint.minimum, 0x101A);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, multiPosIndex, 0x101C);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, multiPosCount, 0x101E);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, formatNumber, 0x1020);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, afFrameCountX, 0x1022);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, afFrameCountY, 0x1024);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pdafFrameCountX, 0x1026);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pdafFrameCountY, 0x1028);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pdafFrameWidth, 0x102A);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pdafFrameHeight, 0x102C);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, sensorWidth, 0x102E);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, sensorHeight, 0x1030);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, frameScaleX, 0x1032);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, frameScaleY, 0x1036);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, clusterWidth, 0x103A);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, clusterHeight, 0x103C);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, trackingFramePosX, 0x103E);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, trackingFramePosY, 0x1040);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pinPoint.posX, 0x1074);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pinPoint.mfAssistMode, 0x107C);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pinPoint.magnification, 0x107E);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pinPoint.areaHeight, 0x1092);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, pinPoint.assistType, 0x1094);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, cmultiIndex, 0x1096);
KVR_PIN(KVR_STRUCT_AF_FRAME_CAPA_INFO, cmultiTable, 0x1098);

typedef struct _tag_KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO
{
    uint16_t outerPosX;
    uint16_t outerPosY;
    uint16_t outerWidth;
    uint16_t outerHeight;
    uint16_t magPosX;
    uint16_t magPosY;
    uint16_t magWidth;
    uint16_t magHeight;
} KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO;

// AF information (4968 bytes). Positions and lengths are thousandths of the
// picture; a display state is one byte per frame (0 none, 1 green, 2 red,
// 3 large green, 4 large red, 5 spot, 6 white, 7 star). Counts may exceed
// their arrays: readers clamp them.
#define KVR_AF_DISP_FRAME_MAX 315u
#define KVR_AF_FACE_MAX 15u
#define KVR_AF_HUMAN_MAX 3u
#define KVR_AF_PDAF_DISP_FRAME_MAX 779u
typedef struct _tag_KVR_STRUCT_AF_FACE_DETECT
{
    uint16_t faceId;
    uint16_t posX; // centre
    uint16_t posY;
    uint16_t lengthX;
    uint16_t lengthY;
    uint16_t priority;
    uint16_t status; // 0: no face in this slot
    uint16_t userId;
} KVR_STRUCT_AF_FACE_DETECT;
KVR_SIZE(KVR_STRUCT_AF_FACE_DETECT, 16);

typedef struct _tag_KVR_STRUCT_AF_HUMAN_DETECT
{
    uint16_t leftTopX;
    uint16_t leftTopY;
    uint16_t rightBottomX;
    uint16_t rightBottomY;
    uint16_t confidence;
    uint16_t status; // 0: no body in this slot
} KVR_STRUCT_AF_HUMAN_DETECT;
KVR_SIZE(KVR_STRUCT_AF_HUMAN_DETECT, 12);

typedef struct _tag_KVR_STRUCT_AF_INFO
{
    uint32_t afStatus; // 65535: not focused
    uint16_t dispNum;
    uint8_t dispInfo[315];
    uint8_t reserved1;
    uint16_t faceSeqBasePosX;
    uint16_t faceSeqBasePosY;
    uint16_t faceAspect;
    uint16_t faceDir;
    uint16_t eyeLeftPosX;
    uint16_t eyeLeftPosY;
    uint16_t eyeRightPosX;
    uint16_t eyeRightPosY;
    uint16_t faceDetectNum;
    KVR_STRUCT_AF_FACE_DETECT faces[15];
    uint16_t trackingAreaWidth;
    uint16_t trackingAreaHeight;
    uint16_t trackingImgWidth;
    uint16_t trackingImgHeight;
    uint16_t trackingPosX;
    uint16_t trackingPosY;
    uint16_t afType;
    uint16_t eyeStatus;
    uint16_t humanSeqBasePosX;
    uint16_t humanSeqBasePosY;
    uint16_t humanFirst;
    KVR_STRUCT_AF_HUMAN_DETECT humans[3];
    uint16_t subjectSelectMode;
    uint16_t pdafInfo; // 1: the phase-detection grid is shown
    uint16_t pdafDispNum;
    uint8_t pdafDispInfo[779];
    uint8_t reserved2[3511];
    uint16_t pdafFrameCount; // the phase-detection frames in focus
    uint8_t pdafFrames[32];
} KVR_STRUCT_AF_INFO;
KVR_SIZE(KVR_STRUCT_AF_INFO, 4968);
KVR_PIN(KVR_STRUCT_AF_INFO, afStatus, 0x0000);
KVR_PIN(KVR_STRUCT_AF_INFO, dispNum, 0x0004);
KVR_PIN(KVR_STRUCT_AF_INFO, dispInfo, 0x0006);
KVR_PIN(KVR_STRUCT_AF_INFO, faceSeqBasePosX, 0x0142);
KVR_PIN(KVR_STRUCT_AF_INFO, faceSeqBasePosY, 0x0144);
KVR_PIN(KVR_STRUCT_AF_INFO, faceAspect, 0x0146);
KVR_PIN(KVR_STRUCT_AF_INFO, faceDir, 0x0148);
KVR_PIN(KVR_STRUCT_AF_INFO, eyeLeftPosX, 0x014A);
KVR_PIN(KVR_STRUCT_AF_INFO, eyeLeftPosY, 0x014C);
KVR_PIN(KVR_STRUCT_AF_INFO, eyeRightPosX, 0x014E);
KVR_PIN(KVR_STRUCT_AF_INFO, eyeRightPosY, 0x0150);
KVR_PIN(KVR_STRUCT_AF_INFO, faceDetectNum, 0x0152);
KVR_PIN(KVR_STRUCT_AF_INFO, faces, 0x0154);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingAreaWidth, 0x0244);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingAreaHeight, 0x0246);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingImgWidth, 0x0248);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingImgHeight, 0x024A);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingPosX, 0x024C);
KVR_PIN(KVR_STRUCT_AF_INFO, trackingPosY, 0x024E);
KVR_PIN(KVR_STRUCT_AF_INFO, afType, 0x0250);
KVR_PIN(KVR_STRUCT_AF_INFO, eyeStatus, 0x0252);
KVR_PIN(KVR_STRUCT_AF_INFO, humanSeqBasePosX, 0x0254);
KVR_PIN(KVR_STRUCT_AF_INFO, humanSeqBasePosY, 0x0256);
KVR_PIN(KVR_STRUCT_AF_INFO, humanFirst, 0x0258);
KVR_PIN(KVR_STRUCT_AF_INFO, humans, 0x025A);
KVR_PIN(KVR_STRUCT_AF_INFO, subjectSelectMode, 0x027E);
KVR_PIN(KVR_STRUCT_AF_INFO, pdafInfo, 0x0280);
KVR_PIN(KVR_STRUCT_AF_INFO, pdafDispNum, 0x0282);
KVR_PIN(KVR_STRUCT_AF_INFO, pdafDispInfo, 0x0284);
KVR_PIN(KVR_STRUCT_AF_INFO, pdafFrameCount, 0x1346);
KVR_PIN(KVR_STRUCT_AF_INFO, pdafFrames, 0x1348);

typedef struct _tag_KVR_STRUCT_AFINFO_DISP_FRAME
{
    uint16_t count;
    uint16_t frames[64][4];
} KVR_STRUCT_AFINFO_DISP_FRAME;

typedef struct _tag_KVR_STRUCT_AFINFO_FACEINFO
{
    uint16_t count;
    uint16_t reserved[3];
    uint16_t afFrameX;
    uint16_t afFrameY;
    uint16_t faces[32][4];
} KVR_STRUCT_AFINFO_FACEINFO;
KVR_PIN(KVR_STRUCT_AFINFO_FACEINFO, afFrameX, 8);
KVR_PIN(KVR_STRUCT_AFINFO_FACEINFO, afFrameY, 10);

typedef struct _tag_KVR_STRUCT_AFINFO_TRACKINGINFO
{
    uint16_t state;
    uint16_t posX;
    uint16_t posY;
    uint16_t width;
    uint16_t height;
} KVR_STRUCT_AFINFO_TRACKINGINFO;

typedef struct _tag_KVR_STRUCT_LENS_ZOOM_CAPA_INFO
{
    uint8_t reserved1[24];
    uint16_t focalLength;
    uint16_t teleEnd;
    uint16_t wideEnd;
    uint16_t reserved2;
    uint16_t zoomControl; // 1: remote zoom possible
    uint8_t reserved3[30];
} KVR_STRUCT_LENS_ZOOM_CAPA_INFO;
KVR_PIN(KVR_STRUCT_LENS_ZOOM_CAPA_INFO, focalLength, 24);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_CAPA_INFO, teleEnd, 26);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_CAPA_INFO, wideEnd, 28);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_CAPA_INFO, zoomControl, 32);

typedef struct _tag_KVR_STRUCT_LENS_ZOOM_SET_INFO
{
    uint8_t reserved1[8];
    uint16_t focalLength;
    uint8_t reserved2[8];
    uint16_t teleEnd;
    uint8_t reserved3[8];
    uint16_t wideEnd;
    uint8_t reserved4[18];
    uint16_t zoomControl; // 1: remote zoom possible
    uint8_t reserved5[10];
} KVR_STRUCT_LENS_ZOOM_SET_INFO;
KVR_SIZE(KVR_STRUCT_LENS_ZOOM_SET_INFO, 60);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_SET_INFO, focalLength, 8);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_SET_INFO, teleEnd, 18);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_SET_INFO, wideEnd, 28);
KVR_PIN(KVR_STRUCT_LENS_ZOOM_SET_INFO, zoomControl, 48);

// ---------------------------------------------------------------------------
// Status records
// ---------------------------------------------------------------------------
// Battery: word 4 body power (0xFFFA mains, 0xFFFF unknown), word 5 grip
// (1 or 2: a grip battery is in use), word 6 body level, word 7 grip level.
// Levels are percent, or 65530 mains, 65532 low, 65534 empty, 65535 unknown.
typedef struct _tag_KVR_STRUCT_BATTERY_INFO
{
    uint16_t reserved[4];
    uint16_t bodyPower;
    uint16_t gripState;
    uint16_t bodyLevel;
    uint16_t gripLevel;
} KVR_STRUCT_BATTERY_INFO;
KVR_PIN(KVR_STRUCT_BATTERY_INFO, bodyPower, 8);
KVR_PIN(KVR_STRUCT_BATTERY_INFO, gripState, 10);
KVR_PIN(KVR_STRUCT_BATTERY_INFO, bodyLevel, 12);
KVR_PIN(KVR_STRUCT_BATTERY_INFO, gripLevel, 14);

// Card states: 0 none, 1 ready, 2 protected, 3 error.
typedef struct _tag_KVR_STRUCT_STATUS_OF_CARDS
{
    uint16_t count;
    uint16_t state[16];
} KVR_STRUCT_STATUS_OF_CARDS;

typedef struct _tag_KVR_STRUCT_FREE_SPACES
{
    uint32_t imageFreeSpace;
    uint32_t image4KFreeSpace;
    uint32_t secondFreeSpace;
    uint32_t second4KFreeSpace;
} KVR_STRUCT_FREE_SPACES;

typedef struct _tag_KVR_STRUCT_AFAE_DISPLAY_STATE
{
    uint16_t afState;
    uint16_t afaeState;
} KVR_STRUCT_AFAE_DISPLAY_STATE;

// Recording information: cards, camera status, elapsed movie time, free
// spaces, AF states, noise-reduction time, HDMI/SDI output, shot mode.
typedef struct _tag_KVR_STRUCT_REC_INFO
{
    KVR_STRUCT_STATUS_OF_CARDS cards;
    uint16_t cameraStatus;
    uint32_t elapsedInMovieRec;
    KVR_STRUCT_FREE_SPACES freeSpaces;
    uint16_t afState;
    uint16_t afaeState;
    uint16_t afcStartPosState;
    uint16_t nrRemainingTime;
    uint16_t hdmiSdiStatus;  // 0 off, 1 HDMI, 2 SDI, 3 both
    uint16_t shotModeStatus; // 0 photo, 1 movie, 2 slow/quick
} KVR_STRUCT_REC_INFO;
KVR_PIN(KVR_STRUCT_REC_INFO, cards.state, 2);

// Camera error list: sixteen entries of a date-time word (hexadecimal digits
// yyMMddhh) and an error code; the first entry is the newest.
typedef struct _tag_KVR_STRUCT_SETUP_INFO_ERROR_ENTRY
{
    uint32_t dateTime;
    uint32_t code;
} KVR_STRUCT_SETUP_INFO_ERROR_ENTRY;

typedef struct _tag_KVR_STRUCT_SETUP_INFO_ERROR
{
    uint16_t count;
    KVR_STRUCT_SETUP_INFO_ERROR_ENTRY entries[16];
    uint8_t reserved[24];
} KVR_STRUCT_SETUP_INFO_ERROR;
KVR_SIZE(KVR_STRUCT_SETUP_INFO_ERROR, 154);

// Live composite shooting progress as the composite display shows it:
// remainingTime feeds the remaining time (seconds), completedShots the number
// of completed shots and elapsedTime the elapsed shooting time (seconds).
typedef struct _tag_KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO
{
    uint16_t remainingTime;
    uint32_t completedShots;
    uint32_t elapsedTime;
} KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO;
KVR_SIZE(KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO, 10);
KVR_PIN(KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO, remainingTime, 0);
KVR_PIN(KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO, completedShots, 2);
KVR_PIN(KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO, elapsedTime, 6);

typedef struct _tag_KVR_STRUCT_LIVEVIEW_COMPOSITE_INFO
{
    uint16_t shootingStatus; // 0 inactive, 1 prepare, 2 standby, 3 shooting, 4 combining
    KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO shootingInfo;
} KVR_STRUCT_LIVEVIEW_COMPOSITE_INFO;

// ---------------------------------------------------------------------------
// Live view
// ---------------------------------------------------------------------------
// The three records that come with each frame. Their size words are in and
// out: on entry the caller's capacity (the record's size), on return the
// bytes written, 0 when that record carries nothing this time. A caller
// therefore sets them again before every call.
typedef struct _tag_KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM
{
    uint32_t color; // colour selector
    uint32_t reserved;
    uint32_t count; // number of values (at most 64)
    uint8_t values[64];
} KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM;
KVR_SIZE(KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM, 76);
KVR_PIN(KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM, reserved, 4);
KVR_PIN(KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM, count, 8);
KVR_PIN(KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM, values, 12);

typedef struct _tag_KVR_STRUCT_LIVEVIEW_INFO_POSTURE
{
    uint16_t posture; // 0 normal, 1 right, 2 left, 3 upside down
} KVR_STRUCT_LIVEVIEW_INFO_POSTURE;
KVR_SIZE(KVR_STRUCT_LIVEVIEW_INFO_POSTURE, 2);

typedef struct _tag_KVR_STRUCT_LIVEVIEW_INFO_LEVEL
{
    int16_t roll; // tenths of a degree
    int16_t pitch;
} KVR_STRUCT_LIVEVIEW_INFO_LEVEL;
KVR_SIZE(KVR_STRUCT_LIVEVIEW_INFO_LEVEL, 4);
KVR_PIN(KVR_STRUCT_LIVEVIEW_INFO_LEVEL, pitch, 2);

typedef struct _tag_KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG
{
    uint32_t size; // width << 16 | height
    uint16_t compression;
    uint16_t reserved;
} KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG;
KVR_SIZE(KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG, 8);
KVR_PIN(KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG, compression, 4);
KVR_PIN(KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG, reserved, 6);

typedef struct _tag_KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG
{
    uint16_t count;
    uint16_t reserved;
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG entries[1024];
} KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG;
KVR_SIZE(KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG, 8196);
KVR_PIN(KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG, entries, 4);

// ---------------------------------------------------------------------------
// Camera setting files
// ---------------------------------------------------------------------------
typedef struct _tag_KVR_STRUCT_SETUP_FILES_CFG_SET_DATA
{
    uint32_t length;
    uint8_t *data;
    uint32_t capacity;
} KVR_STRUCT_SETUP_FILES_CFG_SET_DATA;

typedef struct _tag_KVR_STRUCT_SETUP_FILES_CFG_SET_INFO
{
    uint8_t *buffer;
    uint32_t capacity;
    uint32_t settingsSize;
} KVR_STRUCT_SETUP_FILES_CFG_SET_INFO;

typedef struct _tag_KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE
{
    uint16_t reserved[4];
    uint16_t compatible;
} KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE;
KVR_SIZE(KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE, 10);
KVR_PIN(KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE, compatible, 8);

typedef struct _tag_KVR_STRUCT_SETUP_FILES_CFG_MAX_RECV_BUFF
{
    uint32_t maxSize;
} KVR_STRUCT_SETUP_FILES_CFG_MAX_RECV_BUFF;

#pragma pack(pop)

#ifdef __cplusplus
extern "C" {
#endif

// Event callback: event code, parameter, camera UUID (empty for events that
// concern no camera). Returns 0.
typedef int (*NotifyCallbackFn)(uint32_t event, uint32_t param, const char *uuid);
// Network callback: kind, then three pointers whose meaning depends on the
// kind (see KVR_PTPIP_KIND_*). Returns 0.
typedef int (*PtpipCallbackFn)(uint32_t kind, void *p1, void *p2, void *p3);

#include "KvrptpifFunctions.h"

#ifdef __cplusplus
}
#endif

#endif
