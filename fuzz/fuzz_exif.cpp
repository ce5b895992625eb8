// The EXIF head of a JPEG saved from a camera: its orientation turns the
// preview.
#include "FuzzInput.h"
#include "transfer/readers/ExifReader.h"

using namespace kavrotether;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<unsigned char> bytes = fuzz::exactCopy(data, size);
    ExifHeadReader reader;
    if (reader.OpenExif(bytes.empty() ? nullptr : bytes.data(), unsigned(bytes.size())) == 0) {
        ExifInfo info;
        reader.GetExifInfo(&info);
    }
    return 0;
}
