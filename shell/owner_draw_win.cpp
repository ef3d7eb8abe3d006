#include "shell/owner_draw_win.h"

namespace {

constexpr char kOldProcProperty[] = "SkinOwnerDraw_oldProc";
constexpr char kSelfDrawProperty[] = "SkinOwnerDraw_self";

LRESULT CallOld(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto old = reinterpret_cast<WNDPROC>(GetPropA(window, kOldProcProperty));
    if (!old) return DefWindowProcA(window, message, wParam, lParam);
    return IsWindowUnicode(window) ? CallWindowProcW(old, window, message, wParam, lParam)
                                   : CallWindowProcA(old, window, message, wParam, lParam);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && item->hwndItem && GetPropA(item->hwndItem, kSelfDrawProperty)) {
            SendMessageA(item->hwndItem, kReflectedDrawItem, wParam, lParam);
            return TRUE;
        }
    }
    if (message == WM_NCDESTROY) {
        const LRESULT result = CallOld(window, message, wParam, lParam);
        RemovePropA(window, kOldProcProperty);
        return result;
    }
    return CallOld(window, message, wParam, lParam);
}

}  // namespace

void DrawItemBySelf(HWND control) {
    HWND parent = GetParent(control);
    if (!parent) return;
    SetPropA(control, kSelfDrawProperty, reinterpret_cast<HANDLE>(1));
    if (GetPropA(parent, kOldProcProperty)) return;  // parent already hands draws back
    const bool unicode = IsWindowUnicode(parent);
    const auto proc = reinterpret_cast<LONG_PTR>(&ParentProc);
    const LONG_PTR old = unicode ? SetWindowLongPtrW(parent, GWLP_WNDPROC, proc)
                                 : SetWindowLongPtrA(parent, GWLP_WNDPROC, proc);
    SetPropA(parent, kOldProcProperty, reinterpret_cast<HANDLE>(old));
}
