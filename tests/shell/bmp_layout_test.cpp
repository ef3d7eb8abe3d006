#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/bmp_layout.h"

namespace {

// The headers of a bitmap file followed by `gap` bytes (a colour table, say)
// and zeroed rows; fields are patched by the tests.
struct BmpBytes {
    std::vector<uint8_t> bytes;

    BmpBytes(int32_t width, int32_t height, uint16_t bitCount, uint32_t infoSize = 40, uint32_t gap = 0) {
        const size_t stride = (size_t(width > 0 ? width : 0) * bitCount + 31) / 32 * 4;
        const size_t rows = size_t(height < 0 ? -int64_t(height) : height);
        const uint32_t offset = 14 + infoSize + gap;
        bytes.assign(offset + stride * rows, 0);
        bytes[0] = 'B', bytes[1] = 'M';
        Put32(2, uint32_t(bytes.size()));
        Put32(10, offset);
        Put32(14, infoSize);
        Put32(18, uint32_t(width));
        Put32(22, uint32_t(height));
        Put16(26, 1);
        Put16(28, bitCount);
    }
    void Put16(size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); }
    void Put32(size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); }
    std::optional<BmpLayout> Parse() const { return ParsePlainBmp(bytes); }
};

}  // namespace

TEST(BmpLayout, BottomUpOddWidthRowsArePaddedToFourBytes) {
    const auto layout = BmpBytes(5, 3, 24).Parse();
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 5);
    EXPECT_EQ(layout->height, 3);
    EXPECT_FALSE(layout->topDown);
    EXPECT_EQ(layout->bitCount, 24);
    EXPECT_EQ(layout->stride, 16u);  // 15 bytes of pixels, one of padding
    EXPECT_EQ(layout->pixelOffset, 54u);
}

TEST(BmpLayout, TopDownAndThirtyTwoBitFiles) {
    const auto layout = BmpBytes(7, -4, 32).Parse();
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->height, 4);
    EXPECT_TRUE(layout->topDown);
    EXPECT_EQ(layout->stride, 28u);
}

TEST(BmpLayout, RowsStartWhereTheFileHeaderSays) {
    // A colour table or a larger header between the headers and the rows.
    const auto gap = BmpBytes(2, 2, 24, 40, 1024).Parse();
    ASSERT_TRUE(gap);
    EXPECT_EQ(gap->pixelOffset, 14u + 40 + 1024);
    const auto v5 = BmpBytes(2, 2, 24, 124).Parse();
    ASSERT_TRUE(v5);
    EXPECT_EQ(v5->pixelOffset, 14u + 124);
}

TEST(BmpLayout, OtherKindsAreLeftToTheGeneralDecoder) {
    EXPECT_FALSE(BmpBytes(4, 4, 8).Parse());   // palette
    EXPECT_FALSE(BmpBytes(4, 4, 16).Parse());  // 16-bit colour
    BmpBytes rle(4, 4, 24);
    rle.Put32(30, 1);
    EXPECT_FALSE(rle.Parse());
    BmpBytes bitfields(4, 4, 32);
    bitfields.Put32(30, 3);
    EXPECT_FALSE(bitfields.Parse());
    BmpBytes planes(4, 4, 24);
    planes.Put16(26, 2);
    EXPECT_FALSE(planes.Parse());
    EXPECT_FALSE(BmpBytes(4, 4, 24, 12).Parse());   // the old core header
    EXPECT_FALSE(BmpBytes(4, 4, 24, 200).Parse());  // unknown header
    BmpBytes png(4, 4, 24);
    png.bytes[0] = 0x89;
    EXPECT_FALSE(png.Parse());
}

TEST(BmpLayout, DamagedFilesAreRefused) {
    BmpBytes truncated(5, 3, 24);
    truncated.bytes.pop_back();  // one byte of the last row missing
    EXPECT_FALSE(truncated.Parse());
    EXPECT_FALSE(ParsePlainBmp(std::span<const uint8_t>(BmpBytes(5, 3, 24).bytes).first(53)));  // headers cut

    BmpBytes beyond(2, 2, 24);
    beyond.Put32(10, uint32_t(beyond.bytes.size()) + 1);
    EXPECT_FALSE(beyond.Parse());
    BmpBytes overlapping(2, 2, 24);
    overlapping.Put32(10, 14 + 39);  // rows inside the info header
    EXPECT_FALSE(overlapping.Parse());
    BmpBytes farOffset(2, 2, 24);
    farOffset.Put32(10, 0xFFFFFFF0u);
    EXPECT_FALSE(farOffset.Parse());

    BmpBytes sides(2, 2, 24);
    for (uint32_t width : {0u, 0x80000000u, uint32_t(kMaxBmpSide + 1)}) {
        sides.Put32(18, width);
        EXPECT_FALSE(sides.Parse()) << width;
    }
    sides.Put32(18, 2);
    for (uint32_t height : {0u, 0x80000000u, uint32_t(kMaxBmpSide + 1), uint32_t(-kMaxBmpSide - 1)}) {
        sides.Put32(22, height);
        EXPECT_FALSE(sides.Parse()) << height;
    }
    // The largest side claimed by a short file: refused, not overflowed.
    BmpBytes huge(1, 1, 32);
    huge.Put32(18, uint32_t(kMaxBmpSide));
    huge.Put32(22, uint32_t(-kMaxBmpSide));
    EXPECT_FALSE(huge.Parse());
}

TEST(BmpLayout, ExtraBytesAfterTheRowsAreAllowed) {
    BmpBytes longer(3, 3, 24);
    longer.bytes.resize(longer.bytes.size() + 10, 0);
    EXPECT_TRUE(longer.Parse());
}
