// Control interface of the simulated cameras behind Kvrptpif (tests and scenarios).
#ifndef KVRSIM_H
#define KVRSIM_H

#include "Kvrptpif.h"

namespace kvrsim {

// Number of DbgLog_Init calls and the last value given (for start-up tests).
KVR_API int debugLogInitCount();
KVR_API bool debugLogEnabled();
// Forget all state: cameras, registrations, counters.
KVR_API void reset();

} // namespace kvrsim

#endif
