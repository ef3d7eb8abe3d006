#include "bmp_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "byte_writer.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

// Rows of a .bmp are padded to a multiple of four bytes.
uint32_t RowStride(int width) { return (uint32_t(width) * 3 + 3) & ~3u; }

uint32_t ReadU32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t ReadU16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Image& image) {
  const uint32_t stride = RowStride(image.width);
  const uint32_t pixelBytes = stride * uint32_t(image.height);
  ByteWriter w;
  w.u8('B');
  w.u8('M');
  w.u32(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  w.u32(0);
  w.u32(kFileHeaderSize + kInfoHeaderSize);
  w.u32(kInfoHeaderSize);
  w.i32(image.width);
  w.i32(image.height);  // positive: bottom-up rows
  w.u16(1);             // planes
  w.u16(24);
  w.u32(0);  // BI_RGB
  w.u32(pixelBytes);
  w.i32(2835);  // 72 dpi
  w.i32(2835);
  w.u32(0);
  w.u32(0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.rgb(x, y);
      w.u8(c.b);
      w.u8(c.g);
      w.u8(c.r);
    }
    for (uint32_t pad = uint32_t(image.width) * 3; pad < stride; ++pad) w.u8(0);
  }
  return w.take();
}

std::optional<Image> DecodeBmp24(const std::vector<uint8_t>& b) {
  if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const uint32_t offset = ReadU32(b, 10);
  const int32_t width = int32_t(ReadU32(b, 18));
  const int32_t rawHeight = int32_t(ReadU32(b, 22));
  if (ReadU16(b, 28) != 24 || ReadU32(b, 30) != 0 || width <= 0 || rawHeight == 0 || width > 1 << 15 ||
      std::abs(rawHeight) > 1 << 15)
    return std::nullopt;
  const bool bottomUp = rawHeight > 0;
  const int height = std::abs(rawHeight);
  const uint32_t stride = RowStride(width);
  if (offset > b.size() || uint64_t(b.size() - offset) < uint64_t(stride) * uint64_t(height)) return std::nullopt;
  Image image(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = bottomUp ? height - 1 - row : row;
    const size_t base = offset + size_t(row) * stride;
    for (int x = 0; x < width; ++x) {
      const size_t p = base + size_t(x) * 3;
      image.at(x, y) = Opaque({b[p + 2], b[p + 1], b[p]});
    }
  }
  return image;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}
