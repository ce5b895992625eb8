#pragma once

#include <QString>

namespace kavrotether::test {

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
