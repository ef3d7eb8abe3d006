#include <gtest/gtest.h>

#include <windows.h>

#include "shell/mask_region_win.h"
#include "shell/skin_layout_win.h"
#include "shell/pixel_section_win.h"
#include "shell/skin_picture_win.h"
#include "shell/skin_sheet_win.h"
#include "test_pictures_win.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The region must hold exactly the non-white pixels.
void ExpectRegionMatchesMask(HRGN region, int width, int height, const PixelColour& colour) {
    ASSERT_NE(region, nullptr);
    int mismatches = 0;
    for (int y = -1; y <= height; ++y)
        for (int x = -1; x <= width; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < width && y < height;
            const bool opaque = inside && colour(x, y) != kWhite;
            if (bool(PtInRegion(region, x, y)) != opaque && ++mismatches < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " opaque " << opaque;
        }
    EXPECT_EQ(mismatches, 0);
}

void CheckMask(int width, int height, const PixelColour& colour) {
    HBITMAP bitmap = MakeBitmap(width, height, colour);
    HRGN region = MaskToRegion(bitmap);
    ExpectRegionMatchesMask(region, width, height, colour);
    DeleteObject(region);
    DeleteObject(bitmap);
}

}  // namespace

TEST(MaskToRegion, HolesAndRowsOpaqueToTheRightEdge) {
    // A ring: white corners and a white hole; the middle rows reach both edges.
    CheckMask(40, 30, [](int x, int y) {
        const int dx = x - 20, dy = y - 15;
        const int d = dx * dx + dy * dy;
        return (d < 25 || (d > 400 && (y < 10 || y > 20))) ? kWhite : RGB(0, 0, 0);
    });
    // Near-white is opaque: only exact white is transparent.
    CheckMask(5, 3, [](int x, int) { return x == 2 ? RGB(255, 255, 254) : kWhite; });
}

TEST(MaskToRegion, ManyRunsCombineFromSeveralBatches) {
    // A checkerboard of 90 x 70 pixels has 3150 one-pixel runs.
    CheckMask(90, 70, [](int x, int y) { return (x + y) % 2 ? RGB(10, 20, 30) : kWhite; });
}

TEST(MaskToRegion, AllWhiteGivesAnEmptyRegionAndNoBitmapGivesNone) {
    HBITMAP white = SolidBitmap(16, 16, kWhite);
    HRGN region = MaskToRegion(white);
    ASSERT_NE(region, nullptr);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
    DeleteObject(white);
    EXPECT_EQ(MaskToRegion(nullptr), nullptr);
}

TEST(MaskToRegion, MaskFileLoadedFromDiskKeepsItsRowsTheRightWayUp) {
    // Only the top-left quarter is opaque: a flipped scan would show at the bottom.
    const PixelColour colour = [](int x, int y) { return x < 7 && y < 5 ? RGB(0, 0, 0) : kWhite; };
    const std::string path = TempPath("skin_test_mask.bmp");
    ASSERT_TRUE(WriteBmp(path, 13, 11, colour));
    HBITMAP mask = LoadMaskBitmap(path);
    ASSERT_NE(mask, nullptr);
    HRGN region = MaskToRegion(mask);
    ExpectRegionMatchesMask(region, 13, 11, colour);
    DeleteObject(region);
    DeleteObject(mask);
    EXPECT_EQ(LoadMaskBitmap(TempPath("no_such_mask.bmp")), nullptr);
}

TEST(MaskToRegion, MaskFileReadStraightFromItsRowsGivesTheSameOutline) {
    // A bottom-up 24-bit file of odd width: padded rows, stored upside down.
    const PixelColour colour = [](int x, int y) { return (x + 2 * y) % 5 == 0 || y == 10 ? RGB(0, 0, 0) : kWhite; };
    const std::string path = TempPath("skin_test_mask_rows.bmp");
    ASSERT_TRUE(WriteBmp(path, 13, 11, colour));
    HRGN region = MaskFileToRegion(path);
    ExpectRegionMatchesMask(region, 13, 11, colour);
    DeleteObject(region);
    EXPECT_EQ(MaskFileToRegion(TempPath("no_such_mask.bmp")), nullptr);
    EXPECT_EQ(MaskFileToRegion(""), nullptr);
}

TEST(SkinSheet, PiecesCutFromTheFileMatchThePictureAndAreBlackBeyondIt) {
    const PixelColour colour = [](int x, int y) { return RGB(x * 8, y * 12, 77); };
    const std::string path = TempPath("skin_test_state_sheet.bmp");
    ASSERT_TRUE(WriteBmp(path, 30, 20, colour));
    const SkinSheet sheet = SkinSheet::FromFile(path);
    for (const RECT rect : {RECT{10, 5, 20, 9}, RECT{25, 17, 33, 23}, RECT{-2, -3, 4, 2}}) {
        SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top);
        UniqueBitmap piece;
        sheet.Cut(piece, rect);
        ASSERT_TRUE(piece);
        SIZE size{};
        const std::vector<uint32_t> pixels = ReadPixels(piece.get(), size);
        ASSERT_EQ(size.cx, rect.right - rect.left);
        ASSERT_EQ(size.cy, rect.bottom - rect.top);
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                const int sx = rect.left + x, sy = rect.top + y;
                const bool inside = sx >= 0 && sy >= 0 && sx < 30 && sy < 20;
                const COLORREF c = inside ? colour(sx, sy) : RGB(0, 0, 0);
                EXPECT_EQ(pixels[size_t(y) * size.cx + x] & 0xFFFFFF,
                          uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c))
                    << x << "," << y;
            }
    }
    // The whole picture is there too, when asked for.
    EXPECT_EQ(BitmapSize(sheet.Bitmap()).cx, 30);
}

TEST(SkinSheet, WithoutAPictureEveryCutIsEmpty) {
    UniqueBitmap piece(SolidBitmap(2, 2, 0));
    SkinSheet::FromFile(TempPath("no_such_sheet.bmp")).Cut(piece, {0, 0, 4, 4});
    EXPECT_FALSE(piece);
    piece.reset(SolidBitmap(2, 2, 0));
    SkinSheet().Cut(piece, {0, 0, 4, 4});
    EXPECT_FALSE(piece);
    EXPECT_EQ(SkinSheet::FromFile("").Bitmap(), nullptr);
}

TEST(SkinPicture, LoadsBitmapsAndCropsARectangle) {
    const std::string path = TempPath("skin_test_sheet.bmp");
    ASSERT_TRUE(WriteBmp(path, 30, 20, [](int x, int y) { return RGB(x * 8, y * 12, 77); }));
    UniqueBitmap sheet(SolidBitmap(1, 1, 0));  // replaced by the load
    SIZE size{};
    ASSERT_TRUE(LoadSkinPicture(path, sheet, size));
    EXPECT_EQ(size.cx, 30);
    EXPECT_EQ(size.cy, 20);

    const WindowDc screen(nullptr);
    UniqueBitmap piece;
    CropSkinImage(piece, sheet.get(), 10, 5, 20, 9);
    ASSERT_TRUE(piece);
    EXPECT_EQ(BitmapSize(piece.get()).cx, 10);
    EXPECT_EQ(BitmapSize(piece.get()).cy, 4);
    {
        const PictureDc memory(screen.get(), piece.get());
        EXPECT_EQ(GetPixel(memory.get(), 0, 0), RGB(80, 60, 77));
        EXPECT_EQ(GetPixel(memory.get(), 9, 3), RGB(152, 96, 77));
    }

    // No sheet: the target is left as it was.
    HBITMAP kept = piece.get();
    CropSkinImage(piece, nullptr, 0, 0, 5, 5);
    EXPECT_EQ(piece.get(), kept);
}

TEST(SkinPicture, MissingOrBrokenFilesGiveAnEmptyPicture) {
    UniqueBitmap bitmap(SolidBitmap(4, 4, 0));
    SIZE size{9, 9};
    EXPECT_FALSE(LoadSkinPicture(TempPath("no_such_picture.bmp"), bitmap, size));
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);

    const std::string broken = TempPath("skin_test_broken.bmp");
    FILE* out = std::fopen(broken.c_str(), "wb");
    std::fputs("BM this is not a picture", out);
    std::fclose(out);
    size = {9, 9};
    EXPECT_FALSE(LoadSkinPicture(broken, bitmap, size));
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(size.cx, 0);
}

TEST(SkinLayout, NamesMatchWithoutCaseAndEntriesParse) {
    const std::string folder = TempPath("");
    const std::string path = folder + "skin_test_layout.ini";
    FILE* out = std::fopen(path.c_str(), "w");
    std::fputs("[Screen]\nnormal=back.bmp\n[ButtonPos]\n3=x,10,20,30,40,extra\n", out);
    std::fclose(out);
    SkinLayout layout(folder, "skin_test_layout.ini");
    EXPECT_EQ(layout.ScreenPicture("Normal"), folder + "back.bmp");
    EXPECT_EQ(layout.ScreenPicture("Over"), "");
    const RECT r = layout.EntryRect(3);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 40);
    EXPECT_EQ(r.bottom, 60);
    const RECT missing = layout.EntryRect(4);
    EXPECT_EQ(missing.right - missing.left, 0);
}
