// Where the pixel rows of a plain Windows bitmap file lie: uncompressed 24-
// or 32-bit colour, the only kinds the skin pictures use, and their copy
// into 32-bit pixels. Anything else is left to the platform's general
// picture decoder.
#pragma once

#include <cstddef>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "shell/skin_rect.h"

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;  // number of rows, always positive
    bool topDown = false;
    uint16_t bitCount = 0;   // 24 or 32
    size_t pixelOffset = 0;  // of the first stored row, from the file's start
    size_t stride = 0;       // bytes per stored row, a multiple of 4
};

// Largest width or height accepted; skin pictures are window-sized.
constexpr int32_t kMaxBmpSide = 1 << 14;

// The layout of `file` when it is a plain bitmap whose rows all lie inside
// it; nothing for any other kind of file or a damaged one.
std::optional<BmpLayout> ParsePlainBmp(std::span<const uint8_t> file);

// The first byte of the picture's top row in `file`, whose layout
// ParsePlainBmp gave, and the byte distance from a row to the one below it
// (negative for a bottom-up file).
const uint8_t* BmpTopRow(std::span<const uint8_t> file, const BmpLayout& layout);
ptrdiff_t BmpRowStep(const BmpLayout& layout);

// Copies the rectangle `area` of the picture in `file`, whose layout
// ParsePlainBmp gave, into `target`: area.Width() * area.Height() 32-bit
// pixels in memory order blue, green, red, fourth byte, top row first.
// 24-bit pixels get a zero fourth byte; 32-bit ones keep theirs. Target
// pixels outside the picture are left as they are.
void CopyBmpArea32(std::span<const uint8_t> file, const BmpLayout& layout, const SkinRect& area, uint32_t* target);
