#include "shell/menu_frame_win.h"

#include <memory>
#include <unordered_map>

#include "shell/menu_frame.h"
#include "shell/owned_handles_win.h"

namespace {

constexpr UINT kMenuSizeWindow = 0x1E2;  // a popup menu sizing itself before it shows
constexpr char kPopupMenuClass[] = "#32768";

// One subclassed menu window.
struct MenuFrame {
    HWND window;
    WNDPROC oldProc;
};

HHOOK g_hook = nullptr;
// Menu window -> its frame; emptied as menus hide, so it holds only menus
// that are on screen.
std::unordered_map<HWND, std::unique_ptr<MenuFrame>> g_frames;

MenuFrame* FindFrame(HWND window) {
    const auto it = g_frames.find(window);
    return it == g_frames.end() ? nullptr : it->second.get();
}

void DrawFrame(HWND window, HDC dc) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    // The DC's own brush takes each colour: nothing is created per paint.
    const auto dcBrush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const COLORREF oldColour = GetDCBrushColor(dc);
    for (const FrameOutline& line : MenuFrameOutlines(bounds.right - bounds.left, bounds.bottom - bounds.top)) {
        const RECT rect{line.left, line.top, line.right, line.bottom};
        SetDCBrushColor(dc, line.colour);
        FrameRect(dc, &rect, dcBrush);
    }
    SetDCBrushColor(dc, oldColour);
}

void DrawFrame(HWND window) {
    const WindowDc dc(window, true);
    if (dc.get()) DrawFrame(window, dc.get());
}

// A menu window whose client area fills the whole window draws its border
// itself while painting (Wine does); the frame then goes over that border.
bool BorderInsideClient(HWND window) {
    RECT client, bounds;
    GetClientRect(window, &client);
    GetWindowRect(window, &bounds);
    return client.right == bounds.right - bounds.left && client.bottom == bounds.bottom - bounds.top;
}

// Gives the menu its own procedure back and forgets it.
WNDPROC Restore(HWND window) {
    MenuFrame* frame = FindFrame(window);
    if (!frame) return nullptr;
    const WNDPROC oldProc = frame->oldProc;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    RemovePropA(window, kMenuOldProcProperty);
    g_frames.erase(window);
    return oldProc;
}

// Installed and restored with the wide functions, so the menu keeps
// receiving its messages in the form it was written for.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuFrame* frame = FindFrame(window);
    if (!frame) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC oldProc = frame->oldProc;
    switch (message) {
    case WM_NCPAINT:
        DrawFrame(window);
        return 0;
    case WM_PAINT: {
        const LRESULT result = CallWindowProcW(oldProc, window, message, wParam, lParam);
        if (BorderInsideClient(window)) DrawFrame(window);
        return result;
    }
    case WM_PRINT: {
        const LRESULT result = CallWindowProcW(oldProc, window, message, wParam, lParam);
        DrawFrame(window, reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_SHOWWINDOW:
        if (!wParam) Restore(window);
        return CallWindowProcW(oldProc, window, message, wParam, lParam);
    case WM_NCDESTROY:
        Restore(window);
        return CallWindowProcW(oldProc, window, message, wParam, lParam);
    default:
        // WM_NCCALCSIZE included: the menu keeps its usual client area.
        return CallWindowProcW(oldProc, window, message, wParam, lParam);
    }
}

bool IsPopupMenu(HWND window) {
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, kPopupMenuClass) == 0;
}

void Subclass(HWND window) {
    if (FindFrame(window) || GetPropA(window, kMenuOldProcProperty) || !IsPopupMenu(window)) return;
    const auto oldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!oldProc || !SetPropA(window, kMenuOldProcProperty, reinterpret_cast<HANDLE>(oldProc))) return;
    g_frames[window] = std::make_unique<MenuFrame>(MenuFrame{window, oldProc});
    if (!SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameProc))) {
        RemovePropA(window, kMenuOldProcProperty);
        g_frames.erase(window);
    }
}

LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE || call->message == kMenuSizeWindow) Subclass(call->hwnd);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

bool InstallMenuFrames() {
    if (!g_hook) g_hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchMenus, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}

void RemoveMenuFrames() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    // Menus still on screen get their own procedures back.
    while (!g_frames.empty()) Restore(g_frames.begin()->first);
}
