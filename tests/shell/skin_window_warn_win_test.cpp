// Building a real skinned window (the warning dialog's layout from the
// generated skin set): size and place, control rectangles, window and
// button outlines cut by the masks.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "shell/skin_layout_win.h"
#include "shell/skin_picture_win.h"
#include "shell/skin_window_win.h"
#include "skin_set_folder_win.h"

namespace {

HWND CreateHostWindow() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "SkinWindowTestHost";
    RegisterClassA(&cls);
    return CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP, 50, 70, 10, 10, nullptr, nullptr,
                           cls.hInstance, nullptr);
}

RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

// The region a window was given, owned by the caller; nullptr when none.
HRGN RegionOf(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) == ERROR) {
        DeleteObject(region);
        return nullptr;
    }
    return region;
}

class WarnWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateHostWindow();
        ASSERT_NE(window_, nullptr);
        SkinLayout layout(SkinSetFolder(), "skin_warn.ini");
        SkinWindowBuilder build(window_, layout, pictures_);
        ok_.SetMaskPath(build.MaskPath("ok_mask.bmp"));
        ok_.Create(window_, 1, build.Rect(1));
        build.CutPictures(ok_, build.Rect(1));
        cancel_.SetMaskPath(build.MaskPath("cancel_mask.bmp"));
        cancel_.Create(window_, 2, build.Rect(2));
        build.CutPictures(cancel_, build.Rect(2));
        close_.Create(window_, 3, build.Rect(3));
        build.CutPictures(close_, build.Rect(3));
        shaped_ = ApplyWindowShape(window_, pictures_);
    }
    void TearDown() override {
        if (window_) DestroyWindow(window_);
    }

    HWND window_ = nullptr;
    SkinWindowPictures pictures_;
    SkinButton ok_, cancel_;
    SkinBitmapButton close_;
    bool shaped_ = false;
};

TEST_F(WarnWindow, TakesTheNormalPicturesSizeAtTheOrigin) {
    EXPECT_EQ(pictures_.size.cx, 400);
    EXPECT_EQ(pictures_.size.cy, 260);
    EXPECT_EQ(BitmapSize(pictures_.background.get()).cx, 400);
    // The outline went to the window, and it lies within the picture.
    EXPECT_FALSE(pictures_.outline);
    RECT outline{};
    ASSERT_NE(GetWindowRgnBox(window_, &outline), ERROR);
    EXPECT_GE(outline.top, 0);
    EXPECT_LE(outline.bottom, 260);
    EXPECT_GT(outline.bottom - outline.top, 200);
    RECT r;
    GetWindowRect(window_, &r);
    ExpectRect(r, {0, 0, 400, 260});
}

TEST_F(WarnWindow, ControlsSitAtTheirEntriesRectangles) {
    ExpectRect(RectInParent(ok_.Handle()), {86, 214, 186, 244});
    ExpectRect(RectInParent(cancel_.Handle()), {214, 214, 314, 244});
    ExpectRect(RectInParent(close_.Handle()), {364, 6, 392, 26});
}

TEST_F(WarnWindow, OutlinesLeaveTheMasksWhitePixelsOut) {
    ASSERT_TRUE(shaped_);
    HRGN outline = RegionOf(window_);
    ASSERT_NE(outline, nullptr);
    EXPECT_FALSE(PtInRegion(outline, 0, 0));
    EXPECT_FALSE(PtInRegion(outline, 399, 0));
    EXPECT_FALSE(PtInRegion(outline, 0, 259));
    EXPECT_FALSE(PtInRegion(outline, 399, 259));
    EXPECT_TRUE(PtInRegion(outline, 200, 130));
    EXPECT_TRUE(PtInRegion(outline, 200, 1));  // the top edge is straight
    DeleteObject(outline);

    for (HWND button : {ok_.Handle(), cancel_.Handle()}) {
        HRGN region = RegionOf(button);
        ASSERT_NE(region, nullptr);
        EXPECT_FALSE(PtInRegion(region, 0, 0));
        EXPECT_TRUE(PtInRegion(region, 50, 15));
        DeleteObject(region);
    }
    EXPECT_EQ(RegionOf(close_.Handle()), nullptr);  // rectangular, no outline
}

TEST_F(WarnWindow, ButtonPicturesAreCutAtTheirRectangles) {
    // The OK button's Normal picture is the sheet's pixels under the button.
    UniqueBitmap sheet;
    SIZE size{};
    ASSERT_TRUE(LoadSkinPicture(SkinSetFolder() + "warn_normal.bmp", sheet, size));
    const PictureDc sheetDc(nullptr, sheet.get());
    const WindowDc buttonDc(ok_.Handle());
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    UpdateWindow(ok_.Handle());
    int same = 0;
    for (int y = 5; y < 30; y += 10)
        for (int x = 10; x < 100; x += 20)
            same += GetPixel(buttonDc.get(), x, y) == GetPixel(sheetDc.get(), 86 + x, 214 + y);
    EXPECT_EQ(same, 15);
}

TEST(SkinWindowBuilder, MissingLayoutLeavesAnEmptyWindowWithoutShape) {
    HWND window = CreateHostWindow();
    SkinLayout layout(SkinSetFolder(), "skin_no_such_window.ini");
    SkinWindowPictures pictures;
    {
        SkinWindowBuilder build(window, layout, pictures);
        RECT entry = build.Rect(1);
        ExpectRect(entry, {0, 0, 0, 0});
    }
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
    EXPECT_FALSE(ApplyWindowShape(window, pictures));
    DestroyWindow(window);
}

}  // namespace
