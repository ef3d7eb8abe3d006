// Driving a modal skinned dialog with real input from inside its own loop:
// an owner window that runs a step once the dialog is up, and clicks
// anywhere on the screen composed into one input batch.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "../../shell/input_pump_win.h"
#include "../../shell/mouse_input_win.h"

// A plain popup that owns the dialogs; `onDisabled` runs (posted, so inside
// the modal loop with the dialog shown) once a modal dialog disabled it.
class DialogOwner {
public:
    DialogOwner() {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "DialogDriverOwner";
        RegisterClassA(&cls);
        window = CreateWindowExA(0, cls.lpszClassName, "owner", WS_POPUP | WS_VISIBLE, 100, 60, 900, 640, nullptr,
                                 nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(window);
    }
    ~DialogOwner() { DestroyWindow(window); }
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    HWND window = nullptr;
    std::function<void()> onDisabled;

private:
    static constexpr UINT kDrive = WM_APP + 1;
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<DialogOwner*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && m == WM_ENABLE && !wp && self->onDisabled) PostMessageA(w, kDrive, 0, 0);
        if (self && m == kDrive && self->onDisabled) std::exchange(self->onDisabled, nullptr)();
        return DefWindowProcA(w, m, wp, lp);
    }
};

// A left click at a screen point, as absolute input that can be queued
// behind other input.
inline void AddClickAt(std::vector<INPUT>& inputs, POINT at, DWORD down = MOUSEEVENTF_LEFTDOWN,
                       DWORD up = MOUSEEVENTF_LEFTUP) {
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    move.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs.insert(inputs.end(), {move, MouseInput(down), MouseInput(up)});
}
inline void AddClickOn(std::vector<INPUT>& inputs, HWND window) { AddClickAt(inputs, CentreOf(window)); }
inline void AddKeys(std::vector<INPUT>& inputs, std::vector<INPUT> keys) {
    inputs.insert(inputs.end(), keys.begin(), keys.end());
}
inline void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Sends `inputs` and a middle click on `marker` (a window of this thread)
// at the end (keys may be captured, so a key cannot mark the end), and
// handles messages until it arrives. Key capture hooks see keys when they
// are sent: a click that moves the focus out of a capturing field must be
// pumped before the keys meant for another field are sent.
inline bool SendAndPump(HWND marker, std::vector<INPUT> inputs) {
    AddClickAt(inputs, CentreOf(marker), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    Send(std::move(inputs));
    return PumpUntil([](const MSG& msg) { return msg.message == WM_MBUTTONUP; }) && PumpPosted();
}

inline std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Acts inside loops the test does not run (popup menus, nested modal
// dialogs): a thread timer looks for each step's window in turn and, once
// it is there, does the step's action on it. Scripts may run side by side.
struct ScriptStep {
    std::function<HWND()> find;
    std::function<void(HWND)> act;
};
class Script {
public:
    explicit Script(std::vector<ScriptStep> steps) : steps_(std::move(steps)) {
        Running().push_back(this);
        timer_ = SetTimer(nullptr, 0, 20, Tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        std::erase(Running(), this);
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;
    bool Done() const { return next_ == steps_.size(); }

private:
    static std::vector<Script*>& Running() {
        static std::vector<Script*> running;
        return running;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        for (Script* self : Running()) {
            if (self->timer_ != timer || self->Done()) continue;
            ScriptStep& step = self->steps_[self->next_];
            if (HWND found = step.find()) {
                ++self->next_;
                step.act(found);  // may run a loop of its own
            }
            return;
        }
    }
    std::vector<ScriptStep> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// Handles messages until `holds()`; false when the guard time passed first.
template <typename Condition>
bool PumpWhile(Condition holds) {
    const DWORD start = GetTickCount();
    while (!holds()) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= kPumpGuardMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// The open popup menu, if any.
inline HWND OpenMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Clicks item `index` of the open popup menu `menu`.
inline void ClickMenuItem(HWND menu, int index) {
    const HMENU handle = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    RECT item{};
    GetMenuItemRect(nullptr, handle, static_cast<UINT>(index), &item);
    std::vector<INPUT> input;
    AddClickAt(input, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    Send(input);
}

// A skinned dialog of this thread other than `except`, enabled and shown
// (a confirmation or name dialog on top of the one under test).
inline HWND OtherDialog(HWND except) {
    struct Search {
        HWND except;
        HWND found;
    } search{except, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            char cls[16] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (w != s->except && IsWindowVisible(w) && IsWindowEnabled(w) && std::string(cls) == "#32770") {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
