// The input the Option tests and measuring programs drive windows with:
// the pointer lands on the very pixel asked for, a double click arrives as
// one, and a key tap carries the layout's scan code.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <vector>

#include "tools/synthetic_input/synthetic_input_win.h"

namespace {

std::vector<MSG> g_seen;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN || message == WM_KEYUP)
        g_seen.push_back(MSG{window, message, wParam, lParam, 0, {}});
    return DefWindowProcA(window, message, wParam, lParam);
}

// Handles this thread's messages until `done` holds or 5 s have passed.
template <typename Done>
bool PumpUntil(Done done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        Sleep(1);
    }
    return true;
}

class Target {
public:
    Target() {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SyntheticInputTarget";
        RegisterClassA(&wc);
        window = CreateWindowA(wc.lpszClassName, "target", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                               nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(window);
        SetFocus(window);
        g_seen.clear();
    }
    ~Target() { DestroyWindow(window); }
    HWND window;
};

bool Seen(UINT message, WPARAM wParam) {
    for (const MSG& m : g_seen)
        if (m.message == message && m.wParam == wParam) return true;
    return false;
}

TEST(SyntheticInput, ThePointerLandsOnThePixelAskedForUpToTheScreensEdges) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    for (POINT at : {POINT{0, 0}, POINT{1, 1}, POINT{width / 3, height / 7}, POINT{width - 1, height - 1}}) {
        SendMouseMove(at);
        POINT now{};
        EXPECT_TRUE(PumpUntil([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }))
            << at.x << "," << at.y << " landed on " << now.x << "," << now.y;
    }
}

TEST(SyntheticInput, TwoClicksInOneBatchAreADoubleClickAndAKeyTapCarriesItsScanCode) {
    Target target;
    SendClick({150, 150}, 2);
    EXPECT_TRUE(PumpUntil([] { return Seen(WM_LBUTTONDBLCLK, MK_LBUTTON) || Seen(WM_LBUTTONDBLCLK, 0); }));

    SendKeyTap('Q');
    ASSERT_TRUE(PumpUntil([] { return Seen(WM_KEYUP, 'Q'); }));
    ASSERT_TRUE(Seen(WM_KEYDOWN, 'Q'));
    for (const MSG& m : g_seen) {
        if (m.wParam != 'Q') continue;
        EXPECT_EQ((m.lParam >> 16) & 0xFF, MapVirtualKeyA('Q', MAPVK_VK_TO_VSC));
    }
}

}  // namespace
