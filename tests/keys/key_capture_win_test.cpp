// Key capture under real keyboard input: keys are sent with SendInput while
// an ordinary window of ours has the focus.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "keys/key_capture_win.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window that records the keyboard messages and captured keys it gets.
class KeyWindow {
public:
    explicit KeyWindow(int x) {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "KeyCaptureTestWindow";
        RegisterClassA(&cls);
        window = CreateWindowExA(0, cls.lpszClassName, "keys", WS_POPUP, x, 100, 200, 100, nullptr,
                                 nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    ~KeyWindow() { DestroyWindow(window); }
    KeyWindow(const KeyWindow&) = delete;
    KeyWindow& operator=(const KeyWindow&) = delete;

    std::vector<Seen> Received(UINT message) const {
        std::vector<Seen> found;
        for (const Seen& s : seen)
            if (s.message == message) found.push_back(s);
        return found;
    }
    bool GotKeyDown(WPARAM vk) const {
        for (const Seen& s : seen)
            if ((s.message == WM_KEYDOWN || s.message == WM_SYSKEYDOWN) && s.wParam == vk) return true;
        return false;
    }

    HWND window = nullptr;
    std::vector<Seen> seen;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<KeyWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && ((m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == WM_KEY_CAPTURED)) self->seen.push_back({m, wp, lp});
        return DefWindowProcA(w, m, wp, lp);
    }
};

// Delivers messages until `done` holds; fails after ten seconds.
bool WaitUntil(const std::function<bool()>& done) {
    const DWORD end = GetTickCount() + 10000;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        const LONG left = static_cast<LONG>(end - GetTickCount());
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

void SendKey(WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void Tap(WORD vk, DWORD extended = 0) {
    SendKey(vk, extended);
    SendKey(vk, extended | KEYEVENTF_KEYUP);
}

class KeyCaptureTest : public testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(typing.window);
        SetFocus(typing.window);
        // Typing reaches the focused window before any capture.
        Tap(VK_F5);
        ASSERT_TRUE(WaitUntil([&] { return typing.GotKeyDown(VK_F5); }));
    }
    void TearDown() override { RemoveKeyCaptureHook(); }

    // After removal a fresh key reaches the focused window; input is handled
    // in order, so anything captured keys would have caused has happened too.
    void ExpectTypingArrivesAgain() {
        Tap(VK_F6);
        ASSERT_TRUE(WaitUntil([&] { return typing.GotKeyDown(VK_F6); }));
    }

    KeyWindow target{450};
    KeyWindow typing{100};
};

}  // namespace

TEST_F(KeyCaptureTest, KeysArriveOnlyAsCapturedPressesAndReleases) {
    ASSERT_TRUE(InstallKeyCaptureHook(target.window));
    Tap('A');
    Tap(VK_RMENU, KEYEVENTF_EXTENDEDKEY);
    Tap(VK_RETURN);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return target.Received(WM_KEY_CAPTURED).size() == 8; }));
    RemoveKeyCaptureHook();
    ExpectTypingArrivesAgain();

    const std::vector<Seen> captured = target.Received(WM_KEY_CAPTURED);
    const WPARAM keys[] = {'A', VK_RMENU, VK_RETURN, VK_ESCAPE};
    ASSERT_EQ(captured.size(), 8u);
    for (size_t i = 0; i < captured.size(); ++i) {
        EXPECT_EQ(captured[i].wParam, keys[i / 2]) << i;
        EXPECT_EQ(captured[i].lParam, i % 2 ? kKeyReleased : 0) << i;
    }
    for (WPARAM vk : keys) EXPECT_FALSE(typing.GotKeyDown(vk)) << vk;
    EXPECT_TRUE(typing.Received(WM_CHAR).empty());
    EXPECT_EQ(target.seen.size(), 8u);  // the capturing window itself got no key messages
}

TEST_F(KeyCaptureTest, SecondInstallReplacesTheFirstCapture) {
    KeyWindow second{700};
    ASSERT_TRUE(InstallKeyCaptureHook(target.window));
    ASSERT_TRUE(InstallKeyCaptureHook(second.window));
    Tap('B');
    ASSERT_TRUE(WaitUntil([&] { return second.Received(WM_KEY_CAPTURED).size() == 2; }));
    EXPECT_TRUE(target.Received(WM_KEY_CAPTURED).empty());
    // One removal ends capture: no hook of the first install is left behind.
    RemoveKeyCaptureHook();
    ExpectTypingArrivesAgain();
    EXPECT_EQ(second.Received(WM_KEY_CAPTURED).size(), 2u);
}

TEST_F(KeyCaptureTest, RemovingTwiceIsHarmless) {
    ASSERT_TRUE(InstallKeyCaptureHook(target.window));
    RemoveKeyCaptureHook();
    RemoveKeyCaptureHook();
    ExpectTypingArrivesAgain();
    EXPECT_TRUE(target.Received(WM_KEY_CAPTURED).empty());
}
