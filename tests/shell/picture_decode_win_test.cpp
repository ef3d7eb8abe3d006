#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell/picture_decode_win.h"
#include "shell/skin_picture_win.h"
#include "skin_set_folder_win.h"
#include "test_pictures_win.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A bitmap file of `bitCount` (8, 24 or 32) bits per pixel; 8-bit files get
// a grey palette and show colour(x, y)'s red as the grey level.
Bytes BitmapFile(int width, int height, int bitCount, bool topDown, const PixelColour& colour) {
    const int stride = (width * bitCount + 31) / 32 * 4;
    const int paletteBytes = bitCount == 8 ? 256 * 4 : 0;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{sizeof info, width, topDown ? -height : height, 1, WORD(bitCount), BI_RGB, 0, 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info + paletteBytes;
    file.bfSize = file.bfOffBits + stride * height;
    Bytes bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    for (int i = 0; i < paletteBytes / 4; ++i)
        std::memset(bytes.data() + sizeof file + sizeof info + i * 4, i, 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            uint8_t* p = bytes.data() + file.bfOffBits + (topDown ? y : height - 1 - y) * stride + x * bitCount / 8;
            if (bitCount == 8) {
                p[0] = GetRValue(c);
            } else {
                p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
            }
        }
    return bytes;
}

UniqueGlobal GlobalCopy(const Bytes& bytes) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    std::memcpy(GlobalLock(block.get()), bytes.data(), bytes.size());
    GlobalUnlock(block.get());
    return block;
}

// The pixels of a bitmap, top row first, 0x00RRGGBB each.
std::vector<uint32_t> Pixels(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(size_t(size.cx) * size.cy);
    const WindowDc screen(nullptr);
    EXPECT_EQ(GetDIBits(screen.get(), bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS), size.cy);
    for (uint32_t& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

// Both decoders read `bytes` to the same picture; returns the fast one's.
UniqueBitmap ExpectSameAsGeneralDecoder(const Bytes& bytes) {
    UniqueBitmap fast(DecodePlainBitmapFile(bytes));
    UniqueBitmap general(DecodeWithPictureLoader(GlobalCopy(bytes)));
    EXPECT_TRUE(fast);
    EXPECT_TRUE(general);
    if (!fast || !general) return {};
    const SIZE a = BitmapSize(fast.get()), b = BitmapSize(general.get());
    EXPECT_EQ(a.cx, b.cx);
    EXPECT_EQ(a.cy, b.cy);
    BITMAP fastInfo{}, generalInfo{};
    GetObject(fast.get(), sizeof fastInfo, &fastInfo);
    GetObject(general.get(), sizeof generalInfo, &generalInfo);
    // Both are 32-bit sections, whatever the file's depth.
    EXPECT_EQ(fastInfo.bmBitsPixel, 32);
    EXPECT_EQ(generalInfo.bmBitsPixel, 32);
    EXPECT_NE(fastInfo.bmBits, nullptr);
    EXPECT_NE(generalInfo.bmBits, nullptr);
    EXPECT_TRUE(Pixels(fast.get()) == Pixels(general.get()));
    return fast;
}

COLORREF Pattern(int x, int y) { return RGB(x * 37 % 256, y * 53 % 256, (x ^ y) * 11 % 256); }

}  // namespace

TEST(PictureDecode, PlainFilesOfOddWidthsAndBothRowOrdersMatchTheGeneralDecoder) {
    for (int bitCount : {24, 32})
        for (bool topDown : {false, true})
            for (int width : {1, 3, 5, 6, 13}) {
                SCOPED_TRACE(testing::Message() << bitCount << " bits, width " << width << (topDown ? " top-down" : ""));
                const int height = 7;
                UniqueBitmap fast = ExpectSameAsGeneralDecoder(BitmapFile(width, height, bitCount, topDown, Pattern));
                ASSERT_TRUE(fast);
                const std::vector<uint32_t> pixels = Pixels(fast.get());
                // The top-left, a padded row's last pixel and the bottom row, the right way up.
                for (auto [x, y] : {std::pair{0, 0}, {width - 1, 0}, {width / 2, height - 1}}) {
                    const COLORREF c = Pattern(x, y);
                    EXPECT_EQ(pixels[size_t(y) * width + x],
                              uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c));
                }
            }
}

TEST(PictureDecode, EveryGeneratedSkinPictureMatchesTheGeneralDecoder) {
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SKIN_SET_DIR)) {
        if (entry.path().extension() != ".bmp") continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ExpectSameAsGeneralDecoder(bytes);
        ++pictures;
    }
    EXPECT_GT(pictures, 20);
}

TEST(PictureDecode, DamagedPlainFilesAreRefusedAndOtherKindsLeftToTheGeneralDecoder) {
    Bytes truncated = BitmapFile(5, 4, 24, false, Pattern);
    truncated.resize(truncated.size() - 1);
    EXPECT_EQ(DecodePlainBitmapFile(truncated), nullptr);
    EXPECT_EQ(DecodePlainBitmapFile(Bytes(10, 'B')), nullptr);
    EXPECT_EQ(DecodePlainBitmapFile({}), nullptr);

    // A palette picture: the general decoder reads it for the skin loader.
    const PixelColour grey = [](int x, int y) { return RGB(x * 20 + y, 0, 0); };
    const Bytes palette = BitmapFile(9, 5, 8, false, grey);
    EXPECT_EQ(DecodePlainBitmapFile(palette), nullptr);
    const std::string path = TempPath("skin_test_palette.bmp");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(palette.data()), palette.size());
    UniqueBitmap bitmap;
    SIZE size{};
    ASSERT_TRUE(LoadSkinPicture(path, bitmap, size));
    EXPECT_EQ(size.cx, 9);
    EXPECT_EQ(size.cy, 5);
    const uint32_t level = 4 * 20 + 2;
    EXPECT_EQ(Pixels(bitmap.get())[2 * 9 + 4], level << 16 | level << 8 | level);
}

TEST(PictureDecode, TruncatedSkinPictureLoadsCleanlyOrNotAtAll) {
    Bytes truncated = BitmapFile(16, 16, 24, false, Pattern);
    truncated.resize(truncated.size() / 2);
    const std::string path = TempPath("skin_test_truncated.bmp");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(truncated.data()), truncated.size());
    UniqueBitmap bitmap;
    SIZE size{9, 9};
    const bool loaded = LoadSkinPicture(path, bitmap, size);
    // Whatever the general decoder makes of it, the result is consistent.
    EXPECT_EQ(loaded, static_cast<bool>(bitmap));
    if (!loaded) {
        EXPECT_EQ(size.cx, 0);
    }
}
