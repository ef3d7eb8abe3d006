// Key capture for one window through a low-level keyboard hook: while it is
// installed every key of the desktop is swallowed and reaches the capturing
// window only as WM_KEY_CAPTURED.
#pragma once

#include <windows.h>

// Posted to the capturing window: wParam = virtual key, lParam = kKeyReleased
// for a release and 0 for a press (repeats arrive as presses).
inline constexpr UINT WM_KEY_CAPTURED = WM_USER + 10;
inline constexpr LPARAM kKeyReleased = LLKHF_UP;

// Starts capture for `target`, replacing any capture in place; false when
// the platform refuses the hook (then no key arrives). Call from the thread
// that owns `target`: the hook runs inside that thread's message loop.
bool InstallKeyCaptureHook(HWND target);

// Ends capture; harmless when none is in place.
void RemoveKeyCaptureHook();
