// The version file the update check downloads: XML from the network.
#include <QByteArray>

#include "versioncheck/VersionCheckHandler.h"
#include "versioncheck/VersionData.h"

using namespace kavrotether;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VersionData version;
    VersionCheckHandler::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &version);
    return 0;
}
