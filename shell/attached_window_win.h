// Window classes whose every window belongs to one C++ object: the object is
// passed as the creation parameter and kept in the window's user data until
// the window is gone.
#pragma once

#include <windows.h>

// The window procedure of such a class. `Object` has a `window_` member that
// is set at WM_NCCREATE and cleared at WM_NCDESTROY, and answers every
// message in between with `OnMessage(message, wParam, lParam)`; it declares
// this template a friend. Messages that come before WM_NCCREATE, or after the
// object let go of the window, get the default handling.
template <typename Object>
LRESULT CALLBACK AttachedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Object* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Object*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->window_ = window;
    } else {
        self = reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}
