// Looks at top-level windows by title for the installer test, which cannot
// see Wine's hidden windows from the X side.
//   window_probe wait  TITLE SECONDS   exit 0 once such a window exists
//   window_probe gone  TITLE SECONDS   exit 0 once no such window exists
//   window_probe close TITLE SECONDS   post WM_CLOSE to it, then as "gone"
//   window_probe hold  TITLE           own such a hidden window until WM_CLOSE
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

bool WaitUntil(const char* title, bool present, int seconds) {
    for (int left = seconds * 20; left > 0; --left) {
        if ((FindWindowA(nullptr, title) != nullptr) == present) return true;
        Sleep(50);
    }
    return false;
}

LRESULT CALLBACK HoldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_CLOSE may come sent or posted; either way the default destroys the window.
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

int Hold(const char* title) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HoldProc;
    windowClass.lpszClassName = "window_probe_hold";
    RegisterClassA(&windowClass);
    if (!CreateWindowA(windowClass.lpszClassName, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr))
        return 2;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0) return Hold(argv[2]);
    if (argc != 4) return 2;
    const char* mode = argv[1];
    const char* title = argv[2];
    const int seconds = std::atoi(argv[3]);
    if (std::strcmp(mode, "wait") == 0) return WaitUntil(title, true, seconds) ? 0 : 1;
    if (std::strcmp(mode, "close") == 0) {
        if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, WM_CLOSE, 0, 0);
    } else if (std::strcmp(mode, "gone") != 0) {
        return 2;
    }
    return WaitUntil(title, false, seconds) ? 0 : 1;
}
