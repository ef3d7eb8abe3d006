#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "shell/bitmap_edit_win.h"
#include "input_pump_win.h"
#include "skin_list_box_host_win.h"

namespace {

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool PutOnClipboard(HWND owner, const char* text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return placed;
}

class BitmapEditTest : public testing::Test {
protected:
    void SetUp() override {
        PumpPosted();
        host.messages.clear();
        RegisterBitmapEditMessages();
        ASSERT_TRUE(edit.Create(host.window, 401, RECT{10, 10, 110, 30}));
    }
    size_t KillFocusCount() const { return host.Received(BitmapEditKillFocusMessage()).size(); }

    RecordingHost& host = SharedHost();
    BitmapEdit edit;
};

}  // namespace

TEST(BitmapEditMessages, RegisteredOnceUnderTheirNames) {
    RegisterBitmapEditMessages();
    const UINT first = BitmapEditKillFocusMessage();
    RegisterBitmapEditMessages();
    EXPECT_EQ(BitmapEditKillFocusMessage(), first);
    EXPECT_EQ(first, RegisterWindowMessageA("BitmapEdit_KillFocus"));
    EXPECT_EQ(BitmapEditChangeMessage(), RegisterWindowMessageA("BitmapEdit_Change"));
    EXPECT_GE(first, 0xC000u);
}

TEST_F(BitmapEditTest, PastedTextKeepsItsLeadingDigits) {
    edit.SetNumeric(true);
    if (!PutOnClipboard(host.window, "12a3")) GTEST_SKIP() << "no clipboard";
    SendMessageA(edit.Handle(), WM_PASTE, 0, 0);
    PumpPosted();
    EXPECT_EQ(TextOf(edit.Handle()), "12");
    EXPECT_GE(KillFocusCount(), 1u);  // every change is reported
}

TEST_F(BitmapEditTest, SetTextIsFilteredToo) {
    edit.SetNumeric(true);
    SetWindowTextA(edit.Handle(), "7x8");
    EXPECT_EQ(TextOf(edit.Handle()), "7");
}

TEST_F(BitmapEditTest, SignsStayOnlyWhenAllowed) {
    edit.SetNumeric(true);
    SetWindowTextA(edit.Handle(), "-5");
    EXPECT_EQ(TextOf(edit.Handle()), "");
    edit.SetAllowSign(true);
    SetWindowTextA(edit.Handle(), "-5");
    EXPECT_EQ(TextOf(edit.Handle()), "-5");
}

TEST_F(BitmapEditTest, PlainFieldKeepsAnyText) {
    SetWindowTextA(edit.Handle(), "abc 12");
    EXPECT_EQ(TextOf(edit.Handle()), "abc 12");
    PumpPosted();
    EXPECT_GE(KillFocusCount(), 1u);
}

TEST_F(BitmapEditTest, EnterReleasePostsEnterMessage) {
    SendMessageA(edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(host.Received(kBitmapEditEnterMessage).empty());
    SendMessageA(edit.Handle(), WM_KEYUP, VK_RETURN, 0);
    PumpPosted();
    const auto enter = host.Received(kBitmapEditEnterMessage);
    ASSERT_EQ(enter.size(), 1u);
    EXPECT_EQ(enter[0].wParam, 13u);
    EXPECT_EQ(enter[0].lParam, 0);
}

TEST_F(BitmapEditTest, LosingTheFocusIsReported) {
    SetFocus(edit.Handle());
    PumpPosted();
    host.messages.clear();
    SetFocus(host.window);
    PumpPosted();
    EXPECT_GE(KillFocusCount(), 1u);
}

TEST_F(BitmapEditTest, ParentColourRequestGetsTheFieldColours) {
    HDC dc = GetDC(edit.Handle());
    const LRESULT brush = SendMessageA(host.window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(edit.Handle()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), RGB(36, 36, 36));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    edit.SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    SendMessageA(host.window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    ReleaseDC(edit.Handle(), dc);
}

TEST_F(BitmapEditTest, TwoFieldsOnOneParentKeepTheirOwnRules) {
    BitmapEdit other;
    ASSERT_TRUE(other.Create(host.window, 402, RECT{10, 40, 110, 60}));
    edit.SetNumeric(true);
    SetWindowTextA(edit.Handle(), "4a");
    SetWindowTextA(other.Handle(), "4a");
    EXPECT_EQ(TextOf(edit.Handle()), "4");
    EXPECT_EQ(TextOf(other.Handle()), "4a");
}

TEST_F(BitmapEditTest, NumericFieldTakesOnlyDigitsThroughTheMessageLoop) {
    edit.SetNumeric(true);
    SetWindowTextA(edit.Handle(), "123");
    SetForegroundWindow(host.window);
    SetFocus(edit.Handle());
    if (GetFocus() != edit.Handle()) GTEST_SKIP() << "no keyboard focus";
    for (const int caret : {3, 0}) {  // at the start a letter would cut the digits after it
        SendMessageA(edit.Handle(), EM_SETSEL, caret, caret);
        ASSERT_TRUE(SendInputAndPump(Typing({'A', 'Z', VK_SPACE, VK_OEM_PERIOD, VK_OEM_MINUS})));
        EXPECT_EQ(TextOf(edit.Handle()), "123") << "letters at " << caret;
        ASSERT_TRUE(SendInputAndPump(Typing({'1', '5', '0'}, VK_SHIFT)));  // ! % )
        EXPECT_EQ(TextOf(edit.Handle()), "123") << "shifted digits at " << caret;
        ASSERT_TRUE(PutOnClipboard(host.window, "x9"));
        ASSERT_TRUE(SendInputAndPump(Typing({'V'}, VK_CONTROL)));
        EXPECT_EQ(TextOf(edit.Handle()), "123") << "paste at " << caret;
    }
    // Digits, typed and pasted, do arrive the same way.
    ASSERT_TRUE(SendInputAndPump(Typing({'4', '5'})));
    ASSERT_TRUE(PutOnClipboard(host.window, "67x8"));
    ASSERT_TRUE(SendInputAndPump(Typing({'V'}, VK_CONTROL)));
    EXPECT_EQ(TextOf(edit.Handle()), "4567123");
}

TEST_F(BitmapEditTest, SignedFieldTakesSignsButNoLetters) {
    edit.SetNumeric(true);
    edit.SetAllowSign(true);
    SetForegroundWindow(host.window);
    SetFocus(edit.Handle());
    if (GetFocus() != edit.Handle()) GTEST_SKIP() << "no keyboard focus";
    ASSERT_TRUE(SendInputAndPump(Typing({VK_OEM_MINUS, 'Q', '7'})));
    EXPECT_EQ(TextOf(edit.Handle()), "-7");
}
