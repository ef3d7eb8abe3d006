// Any bytes either are refused or give a layout whose every row lies inside
// them, with the sides and row length the headers promise.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "shell/bmp_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> file(data, size);
    const auto layout = ParsePlainBmp(file);
    if (!layout) return 0;
    if (layout->width <= 0 || layout->height <= 0 || layout->width > kMaxBmpSide || layout->height > kMaxBmpSide)
        std::abort();
    if (layout->stride % 4 != 0 || layout->stride * 8 < size_t(layout->width) * layout->bitCount) std::abort();
    const size_t rowsEnd = layout->pixelOffset + layout->stride * size_t(layout->height);
    if (layout->pixelOffset < 54 || rowsEnd > size) std::abort();
    // Reading the first and last byte of the rows stays in bounds (checked
    // by the sanitizers).
    volatile uint8_t touch = file[layout->pixelOffset] ^ file[rowsEnd - 1];
    (void)touch;
    return 0;
}
