#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kavrotether::fuzz {

// The readers take writable pointers; an exact-size copy on the heap lets
// AddressSanitizer catch a read one byte past the input.
inline std::vector<unsigned char> exactCopy(const uint8_t *data, size_t size)
{
    return std::vector<unsigned char>(data, data + size);
}

// Reads every byte of a place a reader handed out, so that one reaching
// outside the input is caught where it is used, as the program would use it.
inline unsigned touch(const unsigned char *p, size_t length)
{
    unsigned sum = 0;
    for (size_t i = 0; p && i < length; ++i)
        sum += p[i];
    return sum;
}

} // namespace kavrotether::fuzz
