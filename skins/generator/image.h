// A plain in-memory picture: what the painters produce and the file
// writers consume.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Straight (not premultiplied) 0xAARRGGBB pixels, rows top to bottom.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;

  Image() = default;
  Image(int w, int h, uint32_t fill = 0xFF000000u)
      : width(w), height(h), argb(static_cast<size_t>(w) * h, fill) {}

  uint32_t& at(int x, int y) { return argb[static_cast<size_t>(y) * width + x]; }
  uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }

  Rgb rgb(int x, int y) const {
    const uint32_t p = at(x, y);
    return {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
  }
  uint8_t alpha(int x, int y) const { return uint8_t(at(x, y) >> 24); }
};

inline uint32_t Opaque(Rgb c) {
  return 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}
