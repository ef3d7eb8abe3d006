#include "option/main_window/option_page_win.h"

#include <windowsx.h>

bool OptionPage::CreateIn(HWND mainWindow, const RECT& area) {
    if (!Create(mainWindow, true)) return false;
    // The layout put the page at its own origin; the main window decides where it goes.
    SetWindowPos(Handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool OptionPage::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_LBUTTONDOWN) return false;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &at);
    const HWND main = GetParent(Handle());
    ReleaseCapture();
    PostMessageA(main, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    result = 0;
    return true;
}
