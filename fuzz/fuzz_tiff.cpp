// A camera's TIFF-based RAW or HLG still: the previews the program shows
// are found through its IFD chain.
#include "FuzzInput.h"
#include "transfer/readers/TiffReader.h"

using namespace kavrotether;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<unsigned char> bytes = fuzz::exactCopy(data, size);
    TiffReader reader;
    if (reader.OpenMemory(bytes.data(), bytes.size()) != 0)
        return 0;
    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orientation = 0;
    reader.GuessFileType();
    if (reader.GetLargeThumbnail(&p, &length, &orientation) == 0)
        fuzz::touch(p, length);
    p = nullptr;
    if (reader.GetThumbnail1FromRAW(&p, &length) == 0)
        fuzz::touch(p, length);
    p = nullptr;
    if (reader.GetThumbnail2FromRAW(&p, &length) == 0)
        fuzz::touch(p, length);
    reader.CloseFile();
    return 0;
}
