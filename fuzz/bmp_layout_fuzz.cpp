// Any bytes either are refused or give a layout whose every row lies inside
// them, with the sides and row length the headers promise; pieces cut from
// the rows, also past the picture's edges, and an outline scanned from them
// stay inside the bytes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "shell/bmp_layout.h"
#include "shell/mask_runs.h"

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

    const SkinRect corner{layout->width - 7, layout->height - 5, layout->width + 3, layout->height + 2};
    std::vector<uint32_t> piece(size_t(corner.Width()) * size_t(corner.Height()));
    CopyBmpArea32(file, *layout, corner, piece.data());
    if (size_t(layout->width) * size_t(layout->height) > (size_t(1) << 20)) return 0;
    std::vector<uint32_t> whole(size_t(layout->width) * size_t(layout->height));
    CopyBmpArea32(file, *layout, {0, 0, layout->width, layout->height}, whole.data());
    // The outline straight from the stored rows, top row first.
    RunCollector runs([](const RunBatch&) {});
    ScanMaskRuns(BmpTopRow(file, *layout), layout->width, layout->height, BmpRowStep(*layout), layout->bitCount / 8,
                 TransparentRange(0x00FFFFFF, 0), runs);
    runs.Finish();
    return 0;
}
