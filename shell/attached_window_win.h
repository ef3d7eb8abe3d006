// The one way a window class of this project binds its windows to C++
// objects: the object is passed as the creation parameter, stored in the
// window's user data at WM_NCCREATE and cleared at WM_NCDESTROY.
//
//   class Panel {
//       friend LRESULT CALLBACK ::AttachedWindowProc<Panel>(HWND, UINT, WPARAM, LPARAM);
//       LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);  // default: DefWindowProcA
//       HWND window_ = nullptr;
//   };
//   RegisterAttachedClass<Panel>("Panel");
//   CreateWindowExA(0, "Panel", "", WS_POPUP, x, y, w, h, nullptr, nullptr, instance, &panel);
//
// Header-only, so every program can use it without linking the skin engine.
#pragma once

#include <windows.h>

// The window procedure of such a class. `Object` has a `window_` member that
// is set at WM_NCCREATE and cleared at WM_NCDESTROY, and answers every
// message in between, WM_NCCREATE included, with
// `OnMessage(message, wParam, lParam)`. Messages that come before
// WM_NCCREATE, or after the object let go of the window, get the default
// handling; WM_NCDESTROY reaches the object before it lets go.
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
        const LRESULT result = self->OnMessage(message, wParam, lParam);
        self->window_ = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return result;
    }
    return self->OnMessage(message, wParam, lParam);
}

// Registers the class `name` of this module with AttachedWindowProc<Object>,
// once (a second call finds the class). Returns false when it cannot.
template <typename Object>
bool RegisterAttachedClass(const char* name, UINT style = 0, HICON icon = nullptr,
                           HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW)) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, name, &wc)) return true;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = AttachedWindowProc<Object>;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

// Creates a child window of a class registered above at `rect` of `parent`
// with the control id `id`, bound to `object`.
template <typename Object>
HWND CreateAttachedChild(Object* object, const char* className, DWORD style, DWORD exStyle, const RECT& rect,
                         HWND parent, int id) {
    return CreateWindowExA(exStyle, className, "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), object);
}
