#include "icon_file.h"

#include "byte_writer.h"

namespace {

constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;

// The DIB stored for one image: header with doubled height (colour rows
// plus mask rows), bottom-up BGRA rows, then the AND mask in which a set
// bit marks a transparent pixel.
std::vector<uint8_t> EncodeIconDib(const Image& image) {
  ByteWriter w;
  w.u32(40);
  w.i32(image.width);
  w.i32(image.height * 2);
  w.u16(1);
  w.u16(32);
  w.u32(0);
  w.u32(0);
  w.i32(0);
  w.i32(0);
  w.u32(0);
  w.u32(0);
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x) w.u32(image.at(x, y));
  const int maskStride = ((image.width + 31) / 32) * 4;
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(maskStride), 0);
    for (int x = 0; x < image.width; ++x)
      if (image.alpha(x, y) < 128) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    w.append(row);
  }
  return w.take();
}

// Icons put planes and bit depth in the entry; cursors put the hot spot
// in the same two fields.
std::vector<uint8_t> EncodeDirectory(uint16_t type, const std::vector<Image>& images, uint16_t field1,
                                     uint16_t field2) {
  std::vector<std::vector<uint8_t>> dibs;
  for (const Image& image : images) dibs.push_back(EncodeIconDib(image));
  ByteWriter w;
  w.u16(0);
  w.u16(type);
  w.u16(uint16_t(images.size()));
  uint32_t offset = kDirectorySize + kEntrySize * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    w.u8(uint8_t(images[i].width & 0xFF));  // 256 is written as 0
    w.u8(uint8_t(images[i].height & 0xFF));
    w.u8(0);
    w.u8(0);
    w.u16(field1);
    w.u16(field2);
    w.u32(uint32_t(dibs[i].size()));
    w.u32(offset);
    offset += uint32_t(dibs[i].size());
  }
  for (const auto& dib : dibs) w.append(dib);
  return w.take();
}

}  // namespace

std::vector<uint8_t> EncodeIcon(const std::vector<Image>& images) {
  return EncodeDirectory(kIconType, images, 1, 32);
}

std::vector<uint8_t> EncodeCursor(const Image& image, int hotX, int hotY) {
  return EncodeDirectory(kCursorType, {image}, uint16_t(hotX), uint16_t(hotY));
}
