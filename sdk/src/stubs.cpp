// Entry points whose behaviour is not built yet: each fails cleanly.
#include "Kvrptpif.h"

#include <atomic>

namespace kvrsim_internal {
void setLastError(uint32_t code);
}

namespace {

uint8_t notBuilt(uint32_t *err)
{
    if (err)
        *err = KVR_ERR_NOT_SUPPORTED;
    kvrsim_internal::setLastError(KVR_ERR_NOT_SUPPORTED);
    return 0;
}

template <typename R>
R fail()
{
    notBuilt(nullptr);
    return R{};
}

} // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

extern "C" {

#define KVR_STUB(ret, name, params) \
    KVR_API ret name params { return fail<ret>(); }
KVR_FUNCTIONS_CONNECTION(KVR_STUB)
KVR_FUNCTIONS_STATUS(KVR_STUB)
KVR_FUNCTIONS_CAPABILITY(KVR_STUB)
KVR_FUNCTIONS_RECORDS(KVR_STUB)
KVR_FUNCTIONS_GETTERS(KVR_STUB)
KVR_FUNCTIONS_SETTERS(KVR_STUB)
KVR_FUNCTIONS_CONTROL(KVR_STUB)
KVR_FUNCTIONS_DATA(KVR_STUB)
KVR_FUNCTIONS_DEVICE(KVR_STUB)
#undef KVR_STUB

#define KVR_APP_NAME(name) \
    KVR_API uint8_t name(uint32_t value, const char *uuid, uint32_t *err) { return notBuilt(err); }
KVR_FUNCTIONS_APPLICATION_NAMES(KVR_APP_NAME)
#undef KVR_APP_NAME

} // extern "C"

#pragma GCC diagnostic pop
