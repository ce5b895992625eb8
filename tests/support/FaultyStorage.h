#pragma once

#include <QString>

#include <dlfcn.h>

namespace kavrotether::test {

// The C library's own function of that name, for a test's stand-in of a
// system call to pass on to.
template<typename Call>
Call cLibrary(const char *name)
{
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

// A folder whose storage fails as a full disk does (every write refused with
// ENOSPC) or as a share that takes the bytes and refuses the sync (EIO), for
// as long as the object lives. The C library's write and fsync are stood in
// for in the executable that links FaultyStorage.cpp; descriptors of files
// outside the folder go to the C library's own.
class FaultyStorage
{
public:
    enum Fault { Full = 1, SyncRefused };
    FaultyStorage(const QString &folder, Fault fault);
    ~FaultyStorage();
    FaultyStorage(const FaultyStorage &) = delete;
    FaultyStorage &operator=(const FaultyStorage &) = delete;
};

} // namespace kavrotether::test
