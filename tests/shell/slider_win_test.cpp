#include <gtest/gtest.h>

#include <windows.h>

#include "shell/slider_win.h"
#include "skin_list_box_host_win.h"
#include "test_pictures_win.h"

namespace {

constexpr int kTrackId = 300;
constexpr COLORREF kKey = RGB(0, 255, 0);

// A 10 x 16 thumb whose top-left colour marks the corners as outside.
std::string ThumbPicture() {
    const std::string path = TempPath("slider_thumb_test.bmp");
    WriteBmp(path, 10, 16, [](int x, int y) {
        const bool corner = (x < 2 || x > 7) && (y < 2 || y > 13);
        return corner ? kKey : RGB(200, 30, 30);
    });
    return path;
}

class SliderTest : public testing::Test {
protected:
    void SetUp() override {
        PumpPosted();
        host.messages.clear();
        // Track 100 pixels wide at x = 50 of its owner.
        ASSERT_TRUE(track.Create(ThumbPicture(), 50, 20, 150, 40, host.window, kTrackId));
        thumb = track.Thumb().Handle();
        ASSERT_NE(thumb, nullptr);
    }
    int ThumbLeft() const {
        RECT rect;
        GetWindowRect(thumb, &rect);
        MapWindowPoints(HWND_DESKTOP, track.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    }
    // The value of the last 0x446 the owner got, checking it names the track.
    int LastValue() {
        PumpPosted();
        const auto values = host.Received(kSliderValueMessage);
        if (values.empty()) return -1000;
        EXPECT_EQ(values.back().lParam, kTrackId);
        return static_cast<int>(values.back().wParam);
    }
    void ClickAt(int x) { SendMessageA(track.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 5)); }

    RecordingHost& host = SharedHost();
    SliderTrack track;
    HWND thumb = nullptr;
};

}  // namespace

TEST(SliderTrackCreation, MissingThumbPictureCreatesNothing) {
    RecordingHost& host = SharedHost();
    SliderTrack track;
    EXPECT_FALSE(track.Create(TempPath("no_such_thumb.bmp"), 0, 0, 100, 20, host.window, 1));
    EXPECT_EQ(track.Handle(), nullptr);
    EXPECT_EQ(GetWindow(host.window, GW_CHILD), nullptr);
}

TEST_F(SliderTest, StartsAtTheMinimumWithThePictureOutline) {
    EXPECT_EQ(ThumbLeft(), 0);
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(thumb, outline), ERROR);
    EXPECT_FALSE(PtInRegion(outline, 0, 0));
    EXPECT_FALSE(PtInRegion(outline, 9, 15));
    EXPECT_TRUE(PtInRegion(outline, 5, 8));
    EXPECT_TRUE(PtInRegion(outline, 0, 8));
    DeleteObject(outline);
}

TEST_F(SliderTest, ClicksAtTheEdgesGiveMinimumAndMaximum) {
    ClickAt(0);
    EXPECT_EQ(LastValue(), 0);
    EXPECT_EQ(ThumbLeft(), 0);
    ClickAt(100);
    EXPECT_EQ(LastValue(), 10);
    EXPECT_EQ(ThumbLeft(), 90);
}

TEST_F(SliderTest, ClickAtNinetyNinePercentTruncatesOrSnaps) {
    ClickAt(99);
    EXPECT_EQ(LastValue(), 9);
    EXPECT_EQ(ThumbLeft(), 81);
    track.SetSnap(true);
    ClickAt(99);
    EXPECT_EQ(LastValue(), 10);
}

TEST_F(SliderTest, DraggingPastEitherEndStopsAtTheEnd) {
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), thumb);
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1000, 5));
    EXPECT_EQ(ThumbLeft(), 90);
    EXPECT_EQ(LastValue(), 10);
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1000, 5));
    EXPECT_EQ(ThumbLeft(), 0);
    EXPECT_EQ(LastValue(), 0);
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(49, 5));  // left edge 44 of 90
    EXPECT_EQ(ThumbLeft(), 44);
    EXPECT_EQ(LastValue(), 4);
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_NE(GetCapture(), thumb);
    EXPECT_EQ(LastValue(), 4);
    EXPECT_EQ(ThumbLeft(), 44);  // without snap the thumb stays where it was let go
}

TEST_F(SliderTest, SnappedReleaseMovesToTheValuePlace) {
    track.SetSnap(true);
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(49, 5));
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(LastValue(), 5);
    EXPECT_EQ(ThumbLeft(), 45);
}

TEST_F(SliderTest, SetValueClampsAndMovesWithoutReporting) {
    track.SetRange(0, 20);
    track.SetValue(10);
    EXPECT_EQ(track.Value(), 10);
    EXPECT_EQ(ThumbLeft(), 45);
    track.SetValue(99);
    EXPECT_EQ(track.Value(), 20);
    EXPECT_EQ(ThumbLeft(), 90);
    EXPECT_EQ(LastValue(), -1000);
}
