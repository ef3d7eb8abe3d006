#include <gtest/gtest.h>

#include "bmp_file.h"
#include "icon_file.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

Image Gradient(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.at(x, y) = Opaque({uint8_t(x * 40), uint8_t(y * 50), uint8_t(x + y)});
  return image;
}

TEST(Bmp24, HeaderRowPaddingAndBottomUpOrder) {
  const Image image = Gradient(3, 2);  // 9 bytes a row, padded to 12
  const auto bytes = EncodeBmp24(image);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 10), 54u);
  EXPECT_EQ(U16(bytes, 28), 24);
  EXPECT_EQ(U32(bytes, 30), 0u);
  // The first stored row is the bottom one, pixels as blue, green, red.
  const Rgb bottomLeft = image.rgb(0, 1);
  EXPECT_EQ(bytes[54], bottomLeft.b);
  EXPECT_EQ(bytes[55], bottomLeft.g);
  EXPECT_EQ(bytes[56], bottomLeft.r);
  EXPECT_EQ(bytes[54 + 9], 0);  // padding
}

TEST(Bmp24, RoundTripKeepsEveryPixel) {
  const Image image = Gradient(5, 4);
  const auto decoded = DecodeBmp24(EncodeBmp24(image));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 5);
  EXPECT_EQ(decoded->height, 4);
  EXPECT_EQ(decoded->argb, image.argb);
}

TEST(Bmp24, RefusesTruncatedAndForeignFiles) {
  auto bytes = EncodeBmp24(Gradient(4, 4));
  bytes.resize(bytes.size() - 1);
  EXPECT_FALSE(DecodeBmp24(bytes));
  EXPECT_FALSE(DecodeBmp24({'P', 'K', 3, 4}));
  auto eightBit = EncodeBmp24(Gradient(4, 4));
  eightBit[28] = 8;
  EXPECT_FALSE(DecodeBmp24(eightBit));
}

TEST(IconFile, DirectoryEntriesPointAtTheirImages) {
  const auto bytes = EncodeIcon({Image(16, 16, 0), Image(32, 32, 0xFF112233u)});
  EXPECT_EQ(U16(bytes, 2), 1);  // icon
  EXPECT_EQ(U16(bytes, 4), 2);
  for (int i = 0; i < 2; ++i) {
    const size_t entry = 6 + 16 * size_t(i);
    const int size = i == 0 ? 16 : 32;
    EXPECT_EQ(bytes[entry], size);
    EXPECT_EQ(U16(bytes, entry + 6), 32);  // bits per pixel
    const uint32_t length = U32(bytes, entry + 8), offset = U32(bytes, entry + 12);
    ASSERT_LE(uint64_t(offset) + length, bytes.size());
    // Header of the image: doubled height, 32 bits; then colour and mask rows.
    EXPECT_EQ(U32(bytes, offset + 8), uint32_t(2 * size));
    EXPECT_EQ(U16(bytes, offset + 14), 32);
    EXPECT_EQ(length, 40u + size * size * 4 + size * 4);
  }
}

TEST(IconFile, TransparentPixelsAreSetInTheMask) {
  Image image(8, 1, 0xFFFFFFFFu);
  image.at(0, 0) = 0;  // fully transparent
  const auto bytes = EncodeIcon({image});
  const uint32_t offset = U32(bytes, 6 + 12);
  EXPECT_EQ(bytes[offset + 40 + 8 * 4], 0x80);  // first mask row, 32-bit aligned
}

TEST(CursorFile, CarriesTheHotSpot) {
  const auto bytes = EncodeCursor(Image(32, 32, 0), 12, 3);
  EXPECT_EQ(U16(bytes, 2), 2);  // cursor
  EXPECT_EQ(U16(bytes, 6 + 4), 12);
  EXPECT_EQ(U16(bytes, 6 + 6), 3);
}

}  // namespace
