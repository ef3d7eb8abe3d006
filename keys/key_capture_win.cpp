#include "keys/key_capture_win.h"

#include <cstdint>
#include <cstdio>

namespace {

// One capture per process: the shortcut, fire-click and recording windows
// never capture at the same time.
HHOOK g_hook = nullptr;
HWND g_target = nullptr;

void Trace(const char* format, uintptr_t value) {
    char line[64];
    std::snprintf(line, sizeof line, format, static_cast<unsigned>(value));
    OutputDebugStringA(line);
}

LRESULT CALLBACK CaptureProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(g_hook, code, wParam, lParam);
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    Trace("%x\n", event->vkCode);
    PostMessageA(g_target, WM_KEY_CAPTURED, event->vkCode, event->flags & LLKHF_UP);
    return 1;  // never passed on: no window, ours included, sees the key
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&CaptureProc), &module);
    return module;
}

}  // namespace

bool InstallKeyCaptureHook(HWND target) {
    // A hook left behind would swallow the desktop's keys until the program ends.
    if (g_hook) RemoveKeyCaptureHook();
    g_target = target;
    g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, CaptureProc, ThisModule(), 0);
    Trace("Hhook: %x\r\n", reinterpret_cast<uintptr_t>(g_hook));
    return g_hook != nullptr;
}

void RemoveKeyCaptureHook() {
    Trace("Hhook: %x\r\n", reinterpret_cast<uintptr_t>(g_hook));
    const bool removed = UnhookWindowsHookEx(g_hook);
    OutputDebugStringA(removed ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
    g_hook = nullptr;
}
