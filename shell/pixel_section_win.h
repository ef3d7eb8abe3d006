// The form skin pictures take in memory when the program makes them: a
// 32-bit, top-down device-independent section, filled directly through the
// pixel pointer it was made with rather than drawn into with GDI, which
// under Wine is several times slower.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A new section of `width` x `height` pixels (zeroed); `pixels` receives its
// top row. nullptr for an empty size or when the platform refuses.
HBITMAP CreatePixelSection(int width, int height, uint32_t*& pixels);

// A pixel section holding a copy of any bitmap; nullptr when there is none.
HBITMAP CopyToPixelSection(HBITMAP bitmap);

// The pixels of any bitmap as 32-bit values (blue, green, red, fourth byte in
// memory order), top row first, and its size; empty when there is none.
std::vector<uint32_t> ReadPixels(HBITMAP bitmap, SIZE& size);
