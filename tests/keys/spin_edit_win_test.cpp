// The spin field under real input: typing goes to its edit, the arrows are
// clicked with the mouse, and what the owner is told is read from its queue.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../shell/input_pump_win.h"
#include "../shell/mouse_input_win.h"
#include "../shell/skin_list_box_host_win.h"
#include "keys/spin_edit_win.h"
#include "shell/hint_text.h"

namespace {

constexpr int kSpinId = 77;

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class SpinEditTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterBitmapEditMessages();
        SetForegroundWindow(host.window);
        PumpPosted();
        host.messages.clear();
    }
    void Create(SpinEdit& spin, const RECT& rect, int minimum, int maximum, int value) {
        ASSERT_TRUE(spin.Create(host.window, rect, kSpinId));
        spin.SetRange(minimum, maximum);
        spin.SetValue(value);
        PumpPosted();
        host.messages.clear();
    }
    void Type(SpinEdit& spin, std::initializer_list<WORD> keys) {
        SetFocus(spin.Edit());
        SendMessageA(spin.Edit(), EM_SETSEL, 0, -1);
        ASSERT_TRUE(SendInputAndPump(Typing(keys)));
        ASSERT_TRUE(PumpPosted());
    }
    // The value of the last change notice, checking it names the field.
    int LastNotice() const {
        const auto notices = host.Received(kSpinEditChangedMessage);
        if (notices.empty()) return -1000;
        EXPECT_EQ(notices.back().lParam, kSpinId);
        return static_cast<int>(notices.back().wParam);
    }
    HWND Part(const SpinEdit& spin, int x, int y) const {
        return ChildWindowFromPointEx(spin.Handle(), {x, y}, CWP_SKIPTRANSPARENT);
    }

    RecordingHost& host = SharedHost();
};

}  // namespace

TEST_F(SpinEditTest, TypedNumberBeyondTheRangeShowsTheMaximum) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 20, 68, 40}, 1, 11, 3);
    Type(spin, {'1', '5'});
    EXPECT_EQ(TextOf(spin.Edit()), "11");
    EXPECT_EQ(spin.Value(), 11);
    EXPECT_EQ(LastNotice(), 11);
}

TEST_F(SpinEditTest, NegativeRangeTakesASignAndTwoCharacters) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 20, 68, 40}, -5, 5, 0);
    EXPECT_EQ(SendMessageA(spin.Edit(), EM_GETLIMITTEXT, 0, 0), 2);
    Type(spin, {VK_OEM_MINUS, '4', '4'});
    EXPECT_EQ(TextOf(spin.Edit()), "-4");
    EXPECT_EQ(LastNotice(), -4);
}

TEST_F(SpinEditTest, EnterRewritesTheNumberAndIsAskedForFromADialog) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 20, 68, 40}, 0, 99, 0);
    Type(spin, {'0', '7'});
    EXPECT_EQ(TextOf(spin.Edit()), "07");  // the text rule keeps what reads as the value
    Type(spin, {VK_END, VK_RETURN});
    EXPECT_EQ(TextOf(spin.Edit()), "7");
    EXPECT_EQ(LastNotice(), 7);
    MSG enter{spin.Edit(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(SendMessageA(spin.Edit(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTALLKEYS);
}

TEST_F(SpinEditTest, ValuesAreAlignedToTheStep) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 20, 68, 40}, -100, 100, 0);
    spin.SetStep(5);
    spin.SetValue(-37);
    PumpPosted();
    EXPECT_EQ(TextOf(spin.Edit()), "-35");
    // The sign is in sight: the narrow horizontal edit did not scroll.
    EXPECT_GE(static_cast<short>(LOWORD(SendMessageA(spin.Edit(), EM_POSFROMCHAR, 0, 0))), 0);
    ClickOn(Part(spin, 42, 10));
    EXPECT_EQ(TextOf(spin.Edit()), "-30");
    EXPECT_EQ(LastNotice(), -30);
}

TEST_F(SpinEditTest, ArrowsStepWithinTheRange) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 20, 68, 40}, 1, 11, 11);
    HWND decrease = Part(spin, 5, 10), increase = Part(spin, 42, 10);
    ASSERT_NE(decrease, spin.Edit());
    ASSERT_NE(increase, spin.Edit());
    ClickOn(increase);  // at the maximum: nothing
    EXPECT_EQ(TextOf(spin.Edit()), "11");
    ClickOn(decrease);
    EXPECT_EQ(TextOf(spin.Edit()), "10");
    EXPECT_EQ(LastNotice(), 10);
    spin.SetValue(1);
    ClickOn(decrease);  // at the minimum: nothing
    EXPECT_EQ(TextOf(spin.Edit()), "1");
    EXPECT_EQ(spin.Value(), 1);
}

TEST_F(SpinEditTest, VerticalLayoutHasItsArrowsAtTheRightEdge) {
    SpinEdit spin(SpinLayout::kVertical);
    Create(spin, {20, 60, 70, 82}, 0, 10, 4);  // 50 x 22
    EXPECT_EQ(Part(spin, 20, 11), spin.Edit());
    ClickOn(Part(spin, 44, 5));  // the upper arrow
    EXPECT_EQ(TextOf(spin.Edit()), "5");
    ClickOn(Part(spin, 44, 16));
    ClickOn(Part(spin, 44, 16));
    EXPECT_EQ(TextOf(spin.Edit()), "3");
    EXPECT_EQ(LastNotice(), 3);
}

TEST_F(SpinEditTest, PointerOverItPublishesItsHintOnce) {
    SpinEdit spin(SpinLayout::kHorizontal);
    Create(spin, {20, 100, 68, 120}, 0, 12, 0);
    spin.SetHintText("Wheel lines per notch");
    MoveTo(CentreOf(spin.Edit()));
    MoveTo(CentreOf(Part(spin, 42, 10)));
    PumpPosted();
    EXPECT_EQ(CurrentHint(), "Wheel lines per notch");
    const auto told = host.Received(kHintChangedMessage);
    ASSERT_EQ(told.size(), 1u);  // the main window is told only of a change
    EXPECT_EQ(told[0].wParam, 1u);
}
