// A camera's HEIF still: the two JPEG previews placed by the EXIF block at
// the start of its media data.
#include "FuzzInput.h"
#include "transfer/readers/HeifReader.h"

using namespace kavrotether;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<unsigned char> bytes = fuzz::exactCopy(data, size);
    CHeifReader reader;
    if (!reader.OpenMemory(bytes.data(), bytes.size()))
        return 0;
    for (bool second : {false, true}) {
        unsigned char *p = nullptr;
        unsigned int length = 0;
        unsigned short orientation = 0;
        if (reader.GetThumbnail(&p, &length, &orientation, second))
            fuzz::touch(p, length);
        // The copying form, into a buffer of the size the reader reports.
        std::vector<unsigned char> copy(reader.GetThumbnailSize(second) & 0xFFFFF);
        reader.GetThumbnail(copy.data(), unsigned(copy.size()), &orientation, second);
    }
    reader.Close();
    return 0;
}
