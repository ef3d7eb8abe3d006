// Turning a mask picture into horizontal runs of opaque pixels, collected in
// the platform's region-data layout (a 32-byte header followed by the
// rectangles) and handed over in batches so region building stays fast for
// large masks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "shell/skin_rect.h"

// The colours treated as transparent: per channel, [colour, colour + tolerance]
// capped at 255. Colours are 0x00BBGGRR.
class TransparentRange {
public:
    TransparentRange(uint32_t colour, uint32_t tolerance);
    // `pixel` points at a pixel in memory order blue, green, red.
    bool Contains(const uint8_t* pixel) const;

private:
    uint8_t low_[3];   // blue, green, red
    uint8_t high_[3];
};

// Same layout as the platform's RGNDATAHEADER.
struct RegionDataHeader {
    uint32_t size = 32;
    uint32_t type = 1;  // rectangles
    uint32_t count = 0;
    uint32_t regionBytes = 0;
    SkinRect bounds;
};
static_assert(sizeof(RegionDataHeader) == 32);

// One batch of runs: `regionData` is the header followed by `rects`,
// ready for the platform's region-from-data call.
struct RunBatch {
    const void* regionData;
    size_t regionBytes;
    std::span<const SkinRect> rects;
    SkinRect bounds;
};

// Collects runs and hands them to `sink` whenever kBatchSize have gathered,
// and once more (possibly empty) from Finish().
class RunCollector {
public:
    static constexpr uint32_t kGrowBy = 100;
    static constexpr uint32_t kBatchSize = 2000;

    using Sink = std::function<void(const RunBatch&)>;
    explicit RunCollector(Sink sink);

    void Add(const SkinRect& run);
    void Finish();

    // Rectangles the list has room for before it grows again.
    size_t Capacity() const { return storage_.size() - kHeaderSlots; }

private:
    static constexpr size_t kHeaderSlots = sizeof(RegionDataHeader) / sizeof(SkinRect);

    void Flush();
    void Restart();

    Sink sink_;
    RegionDataHeader header_;
    std::vector<SkinRect> storage_;  // header bytes, then the rectangles
};

// Scans a buffer of 24- or 32-bit pixels (`bytesPerPixel` 3 or 4, in memory
// order blue, green, red) from the top row down and adds one run per
// horizontal stretch of non-transparent pixels. `stride` is the byte
// distance from one row to the next one below (negative for bottom-up
// storage).
void ScanMaskRuns(const uint8_t* topRow, int width, int height, ptrdiff_t stride, int bytesPerPixel,
                  const TransparentRange& transparent, RunCollector& runs);
