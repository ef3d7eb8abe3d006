// VirtualMouse.exe: the mouse behind hiddriver.dll. Running it is plugging
// the mouse in, ending it is unplugging it. A hidden window takes the
// requests of the DLL and of mousectl; every exchange is appended to
// VirtualMouse.log beside the program, one flushed line at a time. Its
// events, its arrival and its removal are posted to the windows in the
// subscription table that hiddriver.dll keeps.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "hiddriver/mouse_client_win.h"
#include "hiddriver/subscriptions_win.h"

using namespace vmouse;

namespace {

FILE* g_log = nullptr;

void WriteLog(const LogEntry& entry) {
    if (!g_log) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string text = FormatLogEntry({now.wHour, now.wMinute, now.wSecond, now.wMilliseconds}, entry);
    std::fputs(text.c_str(), g_log);
    std::fflush(g_log);
}

VirtualMouse g_mouse(WriteLog);

void PostEvent(EventWord word) { NotifySubscribers(Notice::Event, word.High, word.Low); }

template <typename T>
bool Read(const COPYDATASTRUCT& copy, T& value) {
    if (copy.cbData != sizeof(T) || !copy.lpData) return false;
    std::memcpy(&value, copy.lpData, sizeof(T));
    return true;
}

LRESULT SendState(HWND self, uint64_t replyWindow) {
    const std::string text = g_mouse.DescribeState();
    COPYDATASTRUCT copy{static_cast<ULONG_PTR>(Request::StateText), static_cast<DWORD>(text.size()),
                        const_cast<char*>(text.data())};
    DWORD_PTR ignored;
    SendMessageTimeoutW(reinterpret_cast<HWND>(replyWindow), WM_COPYDATA, reinterpret_cast<WPARAM>(self),
                        reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG, 3000, &ignored);
    return 1;
}

LRESULT HandleRequest(HWND self, const COPYDATASTRUCT& copy) {
    const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(copy.lpData), copy.lpData ? copy.cbData : 0);
    switch (static_cast<Request>(copy.dwData)) {
        case Request::Command: g_mouse.Command(bytes); return 1;
        case Request::Write: g_mouse.Write(bytes); return 1;
        case Request::Query: {
            auto reply = g_mouse.Query(bytes);
            return reply ? static_cast<LRESULT>(PackReply(*reply)) : 0;
        }
        case Request::Press: {
            PressRequest p;
            if (!Read(copy, p)) return 0;
            auto word = g_mouse.Press({static_cast<ActionKind>(p.Kind), p.Arg, p.Release != 0});
            if (!word) return 0;
            PostEvent(*word);
            return static_cast<LRESULT>(PackEvent(*word));
        }
        case Request::State: {
            uint64_t replyWindow;
            return Read(copy, replyWindow) ? SendState(self, replyWindow) : 0;
        }
        case Request::StateText: break;
    }
    return 0;
}

LRESULT CALLBACK MouseWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COPYDATA: return HandleRequest(window, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (FindMouseWindow()) return 0;  // already plugged in
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MouseWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMouseWindowClass;
    if (!RegisterClassW(&windowClass)) return 1;

    g_log = _wfopen((ModuleFolder() + kLogFileName).c_str(), L"a");
    HWND window = CreateWindowExW(0, kMouseWindowClass, kMouseWindowClass, WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    WriteLog({"PLUG", {}, "plugged in", {}});
    // Told only now that the window can be found, and (below) only once it
    // is gone: a subscriber that asks at once sees what it was told.
    NotifySubscribers(Notice::Presence, 1, 0);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    WriteLog({"PLUG", {}, "unplugged", {}});
    NotifySubscribers(Notice::Presence, 0, 0);
    if (g_log) std::fclose(g_log);
    return 0;
}
