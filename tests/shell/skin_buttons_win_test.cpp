// The skinned buttons under real mouse input: the cursor is moved and the
// button pressed through SendInput on a window placed at a known spot.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "input_pump_win.h"
#include "test_pictures_win.h"

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0), kOver = RGB(0, 200, 0), kDown = RGB(0, 0, 200),
                   kDisable = RGB(90, 90, 90), kWhite = RGB(255, 255, 255);
constexpr int kOriginX = 200, kOriginY = 150;

struct Command {
    WORD id, code;
    HWND from;
};

// A plain top-level window that records commands and clicks on itself.
class Host {
public:
    Host() {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        cls.lpszClassName = "SkinButtonTestHost";
        RegisterClassA(&cls);
        window = CreateWindowExA(WS_EX_TOPMOST, cls.lpszClassName, "host", WS_POPUP | WS_VISIBLE, kOriginX, kOriginY,
                                 400, 200, nullptr, nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(window);
        SetActiveWindow(window);
        sheets[0] = SolidBitmap(400, 200, kNormal);
        sheets[1] = SolidBitmap(400, 200, kOver);
        sheets[2] = SolidBitmap(400, 200, kDown);
        sheets[3] = SolidBitmap(400, 200, kDisable);
    }
    ~Host() {
        DestroyWindow(window);
        for (HBITMAP s : sheets) DeleteObject(s);
    }
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Host*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && m == WM_COMMAND) self->commands.push_back({LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)});
        if (self && m == WM_LBUTTONDOWN) ++self->ownClicks;
        return DefWindowProcA(w, m, wp, lp);
    }
    template <typename Button>
    void Skin(Button& button, const RECT& rect) {
        button.SetPictures(rect, sheets[0], sheets[1], sheets[2], sheets[3]);
    }

    HWND window = nullptr;
    HBITMAP sheets[4] = {};
    std::vector<Command> commands;
    int ownClicks = 0;
    // Clicks only: owner-drawn buttons also report double-clicks (code 5).
    size_t Clicks() const {
        size_t n = 0;
        for (const Command& c : commands) n += c.code == 0;
        return n;
    }
};

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    }
    SendInputAndPump({input});
}

// Top-level windows take Wine a good while to destroy, so the tests share
// one host; each test starts from a clean record, with the host active.
Host& FreshHost() {
    static Host* host = new Host();  // lives until the process ends
    host->commands.clear();
    host->ownClicks = 0;
    SetForegroundWindow(host->window);
    SetFocus(host->window);
    return *host;
}

// Points are in the host's client coordinates.
void MoveTo(int x, int y) {
    SetCursorPos(kOriginX + x, kOriginY + y);
    SendMouse(MOUSEEVENTF_MOVE, kOriginX + x, kOriginY + y);
}
void Press() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void Release() { SendMouse(MOUSEEVENTF_LEFTUP); }
void ClickAt(int x, int y) {
    MoveTo(x, y);
    Press();
    Release();
}

COLORREF ScreenColour(int x, int y) {
    // Whatever waits to be painted there is painted now.
    const HWND under = WindowFromPoint({kOriginX + x, kOriginY + y});
    RedrawWindow(GetAncestor(under, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, kOriginX + x, kOriginY + y);
    ReleaseDC(nullptr, screen);
    return c;
}

// A 60 x 40 button whose outline leaves out a 12 x 12 white top-left corner.
std::string CornerMask() {
    const std::string path = TempPath("skin_test_button_mask.bmp");
    WriteBmp(path, 60, 40, [](int x, int y) { return x < 12 && y < 12 ? kWhite : RGB(0, 0, 0); });
    return path;
}

constexpr RECT kFirst{20, 20, 80, 60}, kSecond{80, 20, 140, 60};

class SkinButtonInput : public ::testing::Test {
protected:
    void SetUp() override {
        first.SetMaskPath(CornerMask());
        ASSERT_TRUE(first.Create(host.window, 101, kFirst));
        second.SetMaskPath(CornerMask());
        ASSERT_TRUE(second.Create(host.window, 102, kSecond));
        host.Skin(first, kFirst);
        host.Skin(second, kSecond);
        MoveTo(300, 150);
    }
    Host& host = FreshHost();
    SkinButton first, second;
};

}  // namespace

TEST_F(SkinButtonInput, ClickInsideTheOutlineIsReportedToTheParent) {
    ClickAt(50, 40);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].id, 101);
    EXPECT_EQ(host.commands[0].code, 0);
    EXPECT_EQ(host.commands[0].from, first.Handle());
    MoveTo(51, 40);
    EXPECT_EQ(first.State(), kStateHover);  // still under the pointer after the next move
}

TEST_F(SkinButtonInput, PressOnTheTransparentCornerGoesToTheWindowBelow) {
    ClickAt(25, 25);  // inside the button's rectangle, in its white corner
    EXPECT_EQ(host.ownClicks, 1);
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(first.State(), kStateNormal);
}

TEST_F(SkinButtonInput, PressInsideReleaseOutsideSendsNothing) {
    MoveTo(50, 40);
    Press();
    EXPECT_EQ(first.State(), kStatePressed);
    EXPECT_EQ(ScreenColour(50, 40), kDown);
    MoveTo(300, 150);
    Release();
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(first.State(), kStateNormal);
    EXPECT_EQ(ScreenColour(50, 40), kNormal);
}

TEST_F(SkinButtonInput, HoverMovesStraightFromOneButtonToTheNext) {
    MoveTo(50, 40);
    EXPECT_EQ(first.State(), kStateHover);
    EXPECT_EQ(ScreenColour(50, 40), kOver);
    MoveTo(110, 40);  // the first button still holds the capture: it lets go
    EXPECT_EQ(first.State(), kStateNormal);
    MoveTo(112, 41);
    EXPECT_EQ(first.State(), kStateNormal);
    EXPECT_EQ(second.State(), kStateHover);
    EXPECT_EQ(ScreenColour(50, 40), kNormal);
    EXPECT_EQ(ScreenColour(110, 40), kOver);
}

TEST_F(SkinButtonInput, ToggleShowsDownAfterOddClicks) {
    first.SetToggleMode(true);
    for (int n = 1; n <= 3; ++n) {
        ClickAt(50, 40);
        EXPECT_EQ(first.Latched(), n % 2 == 1);
        MoveTo(300, 150);
        EXPECT_EQ(ScreenColour(50, 40), n % 2 ? kDown : kNormal) << n;
    }
    EXPECT_EQ(host.commands.size(), 3u);
}

TEST_F(SkinButtonInput, DisabledShowsDisableAndReEnabledShowsNormal) {
    first.Enable(false);
    EXPECT_EQ(ScreenColour(50, 40), kDisable);
    ClickAt(50, 40);
    EXPECT_TRUE(host.commands.empty());
    MoveTo(300, 150);
    first.Enable(true);
    EXPECT_EQ(ScreenColour(50, 40), kNormal);
    EXPECT_EQ(first.State(), kStateNormal);
}

TEST(SkinButtonOutline, LeftForLaterItComesWithTheFirstFaceOtherThanNormal) {
    Host& host = FreshHost();
    const auto shaped = [](const SkinButton& button) {
        const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(button.Handle(), region.get()) != ERROR;
    };
    SkinButton latched, untouched, applied;
    for (SkinButton* button : {&latched, &untouched, &applied}) button->SetMaskPath(CornerMask());
    ASSERT_TRUE(latched.Create(host.window, 111, kFirst, true));
    ASSERT_TRUE(untouched.Create(host.window, 112, kSecond, true));
    ASSERT_TRUE(applied.Create(host.window, 113, RECT{140, 20, 200, 60}, true));
    host.Skin(latched, kFirst);
    host.Skin(untouched, kSecond);
    EXPECT_FALSE(shaped(latched));
    latched.SetLatched(true);
    UpdateWindow(latched.Handle());
    untouched.SetLatched(false);
    UpdateWindow(untouched.Handle());
    EXPECT_TRUE(shaped(latched));  // the Down face needs it
    EXPECT_FALSE(shaped(untouched));
    applied.ApplyOutline();
    EXPECT_TRUE(shaped(applied));
    // The pointer's first touch gives it: a press in the corner then goes
    // to the window below.
    MoveTo(85, 25);
    EXPECT_TRUE(shaped(untouched));
    ClickAt(85, 25);
    EXPECT_EQ(host.ownClicks, 1);
    EXPECT_TRUE(host.commands.empty());
}

TEST(SkinBitmapButtonInput, PushClickHoverAndDisabledPictures) {
    Host& host = FreshHost();
    SkinBitmapButton button;
    ASSERT_TRUE(button.Create(host.window, 201, kFirst));
    EXPECT_EQ(GetWindowLongPtrA(button.Handle(), GWL_STYLE) & (0x0F | WS_TABSTOP), 0x0B);
    host.Skin(button, kFirst);
    button.SetTooltip("tip", true);
    EXPECT_NE(button.Tooltip(), nullptr);
    MoveTo(300, 150);
    EXPECT_EQ(ScreenColour(50, 40), kNormal);
    MoveTo(50, 40);
    EXPECT_TRUE(button.Hover());
    EXPECT_EQ(ScreenColour(50, 40), kOver);
    Press();
    EXPECT_EQ(ScreenColour(50, 40), kDown);
    Release();
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].id, 201);
    EXPECT_EQ(host.commands[0].code, 0);
    EXPECT_EQ(host.commands[0].from, button.Handle());
    MoveTo(300, 150);
    EXPECT_FALSE(button.Hover());
    button.Enable(false);
    EXPECT_EQ(ScreenColour(50, 40), kDisable);
    button.Enable(true);
    button.SetSelected(true);
    EXPECT_EQ(ScreenColour(50, 40), kDown);
}

TEST(SkinBitmapButtonInput, ToggleFlipsSelectedAndReportsEveryClick) {
    Host& host = FreshHost();
    SkinBitmapButton button;
    ASSERT_TRUE(button.Create(host.window, 202, kFirst));
    host.Skin(button, kFirst);
    button.SetToggleMode(true);
    for (int n = 1; n <= 4; ++n) {
        ClickAt(50, 40);
        EXPECT_EQ(button.Selected(), n % 2 == 1);
        MoveTo(300, 150);
        EXPECT_EQ(ScreenColour(50, 40), n % 2 ? kDown : kNormal) << n;
    }
    EXPECT_EQ(host.Clicks(), 4u);
    // A press that began elsewhere does not toggle on release over the button.
    MoveTo(300, 150);
    Press();
    MoveTo(50, 40);
    Release();
    EXPECT_FALSE(button.Selected());
    EXPECT_EQ(host.Clicks(), 4u);
}

TEST(SkinColourButtonInput, FillCoversThePictureUnlessDisabled) {
    Host& host = FreshHost();
    SkinColourButton button;
    ASSERT_TRUE(button.Create(host.window, 203, kFirst));
    host.Skin(button, kFirst);
    button.SetFillColour(RGB(10, 120, 250));
    MoveTo(300, 150);
    EXPECT_EQ(ScreenColour(50, 40), RGB(10, 120, 250));
    button.Enable(false);
    EXPECT_EQ(ScreenColour(50, 40), kDisable);
}
