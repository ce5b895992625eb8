// The installer pane's property lists: its resources and the setup.plist it
// reads back before writing the language into it.
#include <QByteArray>

#include "PropertyList.h"

using namespace kavrotether::installer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const auto root = readPropertyList(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
    // What was read is written back as the pane does when it keeps the file.
    if (root)
        writePropertyList(*root);
    return 0;
}
