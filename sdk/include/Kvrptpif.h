// Camera-control library: the C interface the application links against.
//
// Every function returns a result byte: 1 is success; 2 means "no memory card"
// for the release, burst and movie-start commands; anything else is failure.
// A call that addresses one camera takes the camera UUID (NUL-terminated,
// local 8-bit text) and an optional pointer to a 32-bit error code as its
// last two arguments. Callbacks run on the library's own threads only.
#ifndef KVRPTPIF_H
#define KVRPTPIF_H

#include <stdint.h>

#if defined(KVRPTPIF_BUILDING)
#define KVR_API __attribute__((visibility("default")))
#else
#define KVR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Event callback: event code, parameter, camera UUID. Returns 0.
typedef int (*NotifyCallbackFn)(uint32_t event, uint32_t param, const char *uuid);
// Network callback: kind, then three pointers whose meaning depends on the kind.
typedef int (*PtpipCallbackFn)(uint32_t kind, void *p1, void *p2, void *p3);

KVR_API uint8_t KVR_func_api_Init(void);
KVR_API uint8_t KVR_func_api_Finish(void);
// Accepted before Init: the program starts the library's log first thing.
KVR_API uint8_t KVR_func_api_DbgLog_Init(uint8_t enable);

KVR_API uint8_t KVR_func_api_Reg_NotifyCallback(uint32_t event, NotifyCallbackFn fn);
KVR_API uint8_t KVR_func_api_Delete_CallBackInfo(uint32_t event);

#ifdef __cplusplus
}
#endif

#endif
