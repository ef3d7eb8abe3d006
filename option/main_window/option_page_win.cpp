#include "option/main_window/option_page_win.h"

#include <windowsx.h>

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
