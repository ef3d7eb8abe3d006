// Measures key capture latency: from SendInput on a second thread to the
// capturing window handling WM_KEY_CAPTURED in its ordinary message loop.
// Prints the median and 99th percentile over 1000 keys, presses and
// releases separately; exits 1 when a key never arrives.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "keys/key_capture_win.h"

namespace {

constexpr int kKeys = 1000;

LARGE_INTEGER g_frequency;
LONGLONG g_handledAt = 0;
HANDLE g_handled = nullptr;

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_KEY_CAPTURED) {
        g_handledAt = Now();
        SetEvent(g_handled);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

struct Run {
    HWND window = nullptr;
    std::vector<double> pressUs, releaseUs;
    bool complete = false;
};

// One key event; its latency in microseconds, or a negative value when it
// did not arrive within five seconds.
double TimeKey(WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    const LONGLONG sent = Now();
    SendInput(1, &input, sizeof input);
    if (WaitForSingleObject(g_handled, 5000) != WAIT_OBJECT_0) return -1;
    return static_cast<double>(g_handledAt - sent) * 1e6 / static_cast<double>(g_frequency.QuadPart);
}

DWORD WINAPI SendKeys(void* param) {
    auto* run = static_cast<Run*>(param);
    for (int i = 0; i < kKeys; ++i) {
        const WORD vk = static_cast<WORD>('A' + i % 26);
        const double press = TimeKey(vk, 0), release = TimeKey(vk, KEYEVENTF_KEYUP);
        if (press < 0 || release < 0) break;
        run->pressUs.push_back(press);
        run->releaseUs.push_back(release);
    }
    run->complete = static_cast<int>(run->pressUs.size()) == kKeys;
    PostMessageA(run->window, WM_CLOSE, 0, 0);
    return 0;
}

void Report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const double median = (us[us.size() / 2 - 1] + us[us.size() / 2]) / 2;
    const double p99 = us[static_cast<size_t>(0.99 * static_cast<double>(us.size())) - 1];
    std::printf("%-9s median %8.1f us   99th percentile %8.1f us   max %8.1f us\n", what, median, p99, us.back());
}

}  // namespace

int main() {
    QueryPerformanceFrequency(&g_frequency);
    g_handled = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "KeyCaptureLatency";
    RegisterClassA(&cls);
    Run run;
    run.window = CreateWindowExA(0, cls.lpszClassName, "capture", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 cls.hInstance, nullptr);
    if (!InstallKeyCaptureHook(run.window)) {
        std::printf("the keyboard hook could not be installed\n");
        return 1;
    }
    HANDLE sender = CreateThread(nullptr, 0, SendKeys, &run, 0, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_CLOSE) break;
        DispatchMessageA(&msg);
    }
    WaitForSingleObject(sender, INFINITE);
    RemoveKeyCaptureHook();
    if (!run.complete) {
        std::printf("a key did not arrive after %zu keys\n", run.pressUs.size());
        return 1;
    }
    std::printf("Key capture latency, SendInput to WM_KEY_CAPTURED handled, %d keys:\n", kKeys);
    Report("press", run.pressUs);
    Report("release", run.releaseUs);
    return 0;
}
