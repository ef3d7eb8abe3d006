// A top-level window for the edit, list, slider and menu tests that records
// every application message (custom and registered) posted or sent to it.
#pragma once

#include <windows.h>

#include <vector>

#include "input_pump_win.h"

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingHost {
public:
    // A message-only host has no screen window: quick to make, but it cannot
    // own focus or menus.
    explicit RecordingHost(bool messageOnly = false) {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        cls.lpszClassName = "ShellControlTestHost";
        RegisterClassA(&cls);
        window = CreateWindowExA(0, cls.lpszClassName, "host", messageOnly ? 0 : WS_POPUP | WS_VISIBLE, 100, 100, 400,
                                 300, messageOnly ? HWND_MESSAGE : nullptr, nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(window);
    }
    ~RecordingHost() { DestroyWindow(window); }
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    std::vector<RecordedMessage> Received(UINT message) const {
        std::vector<RecordedMessage> found;
        for (const RecordedMessage& m : messages)
            if (m.message == message) found.push_back(m);
        return found;
    }

    HWND window = nullptr;
    std::vector<RecordedMessage> messages;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<RecordingHost*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && m >= WM_USER) self->messages.push_back({m, wp, lp});
        return DefWindowProcA(w, m, wp, lp);
    }
};

// Screen windows take Wine a good while to make and destroy, so the tests
// share one host; each test starts by dropping what earlier ones left.
inline RecordingHost& SharedHost() {
    static RecordingHost* host = new RecordingHost();  // lives until the process ends
    return *host;
}

// A white 32-bit memory canvas for drawing owner-drawn items into.
class Canvas {
public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        return GetPixel(dc_, x, y);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};
