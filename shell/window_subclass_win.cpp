#include "shell/window_subclass_win.h"

#include <commctrl.h>

// The object's address is both the subclass id and its data.
bool WindowSubclass::Attach(HWND window, Handler handler) {
    if (window_ || !window) return false;
    handler_ = std::move(handler);
    const auto self = reinterpret_cast<UINT_PTR>(this);
    if (!SetWindowSubclass(window, Proc, self, self)) return false;
    window_ = window;
    return true;
}

void WindowSubclass::Detach() {
    if (!window_) return;
    RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

LRESULT WindowSubclass::CallNext(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
    auto* self = reinterpret_cast<WindowSubclass*>(data);
    LRESULT result = 0;
    const bool handled = self->handler_ && self->handler_(message, wParam, lParam, result);
    if (message != WM_NCDESTROY) return handled ? result : DefSubclassProc(window, message, wParam, lParam);
    // The window is going: unhook first (so nothing reaches a freed object),
    // then let the window finish.
    self->Detach();
    self->OnWindowGone();
    return DefSubclassProc(window, message, wParam, lParam);
}
