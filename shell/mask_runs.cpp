#include "shell/mask_runs.h"

#include <algorithm>
#include <cstring>
#include <limits>

TransparentRange::TransparentRange(uint32_t colour, uint32_t tolerance) {
    // Channel c of a 0x00BBGGRR value sits at bit 8*c (red first); pixels
    // store blue first, so index the bounds in pixel order.
    for (int pixelIndex = 0; pixelIndex < 3; ++pixelIndex) {
        const int shift = 8 * (2 - pixelIndex);
        const uint32_t low = (colour >> shift) & 0xFF;
        const uint32_t tol = (tolerance >> shift) & 0xFF;
        low_[pixelIndex] = static_cast<uint8_t>(low);
        high_[pixelIndex] = static_cast<uint8_t>(std::min<uint32_t>(low + tol, 255));
    }
}

bool TransparentRange::Contains(const uint8_t* pixel) const {
    for (int i = 0; i < 3; ++i) {
        if (pixel[i] < low_[i] || pixel[i] > high_[i]) return false;
    }
    return true;
}

RunCollector::RunCollector(Sink sink) : sink_(std::move(sink)) {
    storage_.resize(kHeaderSlots + kGrowBy);
    Restart();
}

void RunCollector::Restart() {
    header_.count = 0;
    header_.bounds = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), 0, 0};
}

void RunCollector::Add(const SkinRect& run) {
    if (header_.count == Capacity()) storage_.resize(storage_.size() + kGrowBy);
    storage_[kHeaderSlots + header_.count] = run;
    ++header_.count;
    SkinRect& box = header_.bounds;
    box.left = std::min(box.left, run.left);
    box.top = std::min(box.top, run.top);
    box.right = std::max(box.right, run.right);
    box.bottom = std::max(box.bottom, run.bottom);
    if (header_.count == kBatchSize) Flush();
}

void RunCollector::Finish() { Flush(); }

void RunCollector::Flush() {
    std::memcpy(static_cast<void*>(storage_.data()), &header_, sizeof header_);
    const RunBatch batch{
        storage_.data(),
        sizeof(RegionDataHeader) + header_.count * sizeof(SkinRect),
        {storage_.data() + kHeaderSlots, header_.count},
        header_.bounds,
    };
    sink_(batch);
    Restart();
}

void ScanMaskRuns(const uint8_t* topRow, int width, int height, ptrdiff_t stride, int bytesPerPixel,
                  const TransparentRange& transparent, RunCollector& runs) {
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = topRow + y * stride;
        int x = 0;
        while (x < width) {
            if (transparent.Contains(row + bytesPerPixel * x)) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < width && !transparent.Contains(row + bytesPerPixel * x)) ++x;
            runs.Add({left, y, x, y + 1});
        }
    }
}
