#include "shell/bmp_layout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;  // the smallest header with these fields
constexpr uint32_t kUncompressed = 0;

uint16_t U16(std::span<const uint8_t> b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}

}  // namespace

std::optional<BmpLayout> ParsePlainBmp(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const uint32_t pixelOffset = U32(file, 10);
    const uint32_t infoSize = U32(file, 14);
    const int32_t width = static_cast<int32_t>(U32(file, 18));
    const int32_t rawHeight = static_cast<int32_t>(U32(file, 22));
    const uint16_t planes = U16(file, 26);
    const uint16_t bitCount = U16(file, 28);
    const uint32_t compression = U32(file, 30);

    // Older core headers and larger headers that could carry colour masks
    // or profiles are not plain; a header may not overlap the pixels.
    if (infoSize < kInfoHeaderSize || infoSize > 124 || pixelOffset < kFileHeaderSize + infoSize) return std::nullopt;
    if (planes != 1 || (bitCount != 24 && bitCount != 32) || compression != kUncompressed) return std::nullopt;
    if (width <= 0 || width > kMaxBmpSide || rawHeight == 0 || rawHeight < -kMaxBmpSide || rawHeight > kMaxBmpSide)
        return std::nullopt;

    BmpLayout layout;
    layout.width = width;
    layout.height = rawHeight < 0 ? -rawHeight : rawHeight;
    layout.topDown = rawHeight < 0;
    layout.bitCount = bitCount;
    layout.pixelOffset = pixelOffset;
    layout.stride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    // Sides are bounded, so the product cannot overflow.
    if (pixelOffset > file.size() || file.size() - pixelOffset < layout.stride * static_cast<size_t>(layout.height))
        return std::nullopt;
    return layout;
}

const uint8_t* BmpTopRow(std::span<const uint8_t> file, const BmpLayout& layout) {
    const uint8_t* first = file.data() + layout.pixelOffset;
    return layout.topDown ? first : first + layout.stride * static_cast<size_t>(layout.height - 1);
}

ptrdiff_t BmpRowStep(const BmpLayout& layout) {
    const auto stride = static_cast<ptrdiff_t>(layout.stride);
    return layout.topDown ? stride : -stride;
}

void CopyBmpArea32(std::span<const uint8_t> file, const BmpLayout& layout, const SkinRect& area, uint32_t* target) {
    const int32_t left = std::max(area.left, 0), right = std::min(area.right, layout.width);
    const int32_t top = std::max(area.top, 0), bottom = std::min(area.bottom, layout.height);
    if (left >= right) return;
    const size_t targetWidth = static_cast<size_t>(area.Width());
    const size_t bytesPerPixel = layout.bitCount / 8;
    const uint8_t* topRow = BmpTopRow(file, layout);
    for (int32_t y = top; y < bottom; ++y) {
        const uint8_t* from = topRow + BmpRowStep(layout) * y + bytesPerPixel * static_cast<size_t>(left);
        auto* to = reinterpret_cast<uint8_t*>(target + targetWidth * static_cast<size_t>(y - area.top) +
                                              static_cast<size_t>(left - area.left));
        const size_t count = static_cast<size_t>(right - left);
        if (layout.bitCount == 32) {
            std::memcpy(to, from, count * 4);
            continue;
        }
        for (size_t x = 0; x < count; ++x, from += 3, to += 4) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = 0;
        }
    }
}
