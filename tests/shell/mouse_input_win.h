// Real mouse input onto windows of the test, each step waited for with the
// marker key of input_pump_win.h (so not while keys are captured).
#pragma once

#include <windows.h>

#include "input_pump_win.h"

inline INPUT MouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

inline POINT CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Puts the pointer on a screen point; a move of zero makes it arrive there
// as input (hover, drags).
inline bool MoveTo(POINT at) {
    SetCursorPos(at.x, at.y);
    return SendInputAndPump({MouseInput(MOUSEEVENTF_MOVE)});
}

// A left click in the middle of `window`, and what it posted handled.
inline bool ClickOn(HWND window) {
    return MoveTo(CentreOf(window)) &&
           SendInputAndPump({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)}) && PumpPosted();
}
