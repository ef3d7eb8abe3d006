// Waiting on what can be observed instead of a fixed time.
//
// PumpPosted: everything posted to this thread before the call, and what
// handling it posted in turn, is handled when it returns (a sentinel posted
// behind it came out of the FIFO queue with nothing before it), so a check
// that nothing was posted is final.
//
// SendInputAndPump: real input goes to the input queue in order; a marker key
// release sent behind it comes out after all of it has been handled.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

constexpr UINT kPumpSentinel = WM_APP + 0x3F0;
constexpr WORD kInputMarkerKey = VK_F24;
// A guard against a lost sentinel or marker, not a wait.
constexpr DWORD kPumpGuardMs = 10000;

// Handles messages until `isMarker(msg)` holds for one (which is not
// dispatched); false when the guard time passed first.
template <typename IsMarker>
bool PumpUntil(IsMarker isMarker) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (isMarker(msg)) return true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD waited = GetTickCount() - start;
        if (waited >= kPumpGuardMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPumpGuardMs - waited, QS_ALLINPUT);
    }
}

inline bool PumpPosted() {
    for (;;) {
        PostThreadMessageA(GetCurrentThreadId(), kPumpSentinel, 0, 0);
        int handled = 0;
        const bool arrived = PumpUntil([&](const MSG& msg) {
            if (msg.hwnd == nullptr && msg.message == kPumpSentinel) return true;
            ++handled;
            return false;
        });
        if (!arrived) return false;
        if (handled == 0) return true;
    }
}

inline INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Sends `inputs`, then the marker key, and handles messages until the
// marker's release arrives.
inline bool SendInputAndPump(std::vector<INPUT> inputs) {
    inputs.push_back(KeyInput(kInputMarkerKey, false));
    inputs.push_back(KeyInput(kInputMarkerKey, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // With no focus window the active window gets keys as system keys.
    return PumpUntil([](const MSG& msg) {
        return (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && msg.wParam == kInputMarkerKey;
    });
}

// Key presses typing `keys` in order; `modifier` (Shift, Ctrl) is held
// around each.
inline std::vector<INPUT> Typing(std::initializer_list<WORD> keys, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        if (modifier) inputs.push_back(KeyInput(modifier, false));
        inputs.push_back(KeyInput(key, false));
        inputs.push_back(KeyInput(key, true));
        if (modifier) inputs.push_back(KeyInput(modifier, true));
    }
    return inputs;
}
