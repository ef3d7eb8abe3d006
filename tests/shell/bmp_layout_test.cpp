#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
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

namespace {

// A picture whose every pixel tells where it is: blue x, green y, red 7,
// and for 32-bit files a fourth byte of 9. Rows are stored as the file says.
BmpBytes NumberedPicture(int32_t width, int32_t height, uint16_t bitCount) {
    BmpBytes picture(width, height, bitCount);
    const auto layout = picture.Parse();
    const int32_t rows = height < 0 ? -height : height;
    for (int32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const int32_t stored = layout->topDown ? y : rows - 1 - y;
            uint8_t* p = &picture.bytes[layout->pixelOffset + layout->stride * stored + x * bitCount / 8];
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 7;
            if (bitCount == 32) p[3] = 9;
        }
    return picture;
}

uint32_t Numbered(int x, int y, uint8_t fourth) { return uint32_t(fourth) << 24 | 7u << 16 | uint32_t(y) << 8 | uint32_t(x); }

}  // namespace

TEST(BmpLayout, AreaCopiesComeOutTopRowFirstInEitherStorageOrder) {
    for (auto [width, height, bits] : {std::tuple{5, 4, 24}, {5, -4, 24}, {3, 4, 32}, {3, -4, 32}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << " " << bits);
        const BmpBytes picture = NumberedPicture(width, height, uint16_t(bits));
        const auto layout = picture.Parse();
        ASSERT_TRUE(layout);
        std::vector<uint32_t> whole(size_t(width) * 4);
        CopyBmpArea32(picture.bytes, *layout, {0, 0, width, 4}, whole.data());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < width; ++x) EXPECT_EQ(whole[size_t(y) * width + x], Numbered(x, y, bits == 32 ? 9 : 0));
    }
}

TEST(BmpLayout, AreaReachingPastThePictureLeavesTheRestOfTheTargetAlone) {
    const BmpBytes picture = NumberedPicture(5, 4, 24);
    const auto layout = picture.Parse();
    // Two columns and one row hang over the right and bottom edges.
    std::vector<uint32_t> piece(4 * 3, 0xAAAAAAAA);
    CopyBmpArea32(picture.bytes, *layout, {3, 2, 7, 5}, piece.data());
    EXPECT_EQ(piece[0], Numbered(3, 2, 0));
    EXPECT_EQ(piece[1], Numbered(4, 2, 0));
    EXPECT_EQ(piece[2], 0xAAAAAAAAu);
    EXPECT_EQ(piece[4], Numbered(3, 3, 0));
    EXPECT_EQ(piece[8], 0xAAAAAAAAu);
    // Above and left of the picture, nothing at all is copied.
    std::vector<uint32_t> outside(4, 0xAAAAAAAA);
    CopyBmpArea32(picture.bytes, *layout, {-2, -2, 0, 0}, outside.data());
    EXPECT_EQ(outside, std::vector<uint32_t>(4, 0xAAAAAAAA));
}
