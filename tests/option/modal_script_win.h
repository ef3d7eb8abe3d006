// Drives a modal dialog from inside its own message loop: each step gets
// the dialog on top (the enabled, visible popup of this thread) and posts
// clicks and keys to its controls; the next step runs once a marker posted
// behind them came out of the queue, so everything the step did has been
// handled by then (a dialog it opened is the next step's top). Posting,
// rather than real input, keeps the script independent of which window of
// the desktop is active and of the X server's timing; Option's end-to-end
// tests click with real input.
//
//   ModalScript script(owner);
//   const INT_PTR result = script.Run(dialog, {
//       [](HWND top) { ModalScript::Type(GetDlgItem(top, 4), "x"); },
//       [](HWND top) { ModalScript::ClickControl(top, skin_warn::kOk); }});
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/gallery/gallery_screenshot_win.h"
#include "shell/skin_dialog_win.h"

class ModalScript {
public:
    // What a step does, and when: a step whose condition does not hold yet
    // (a dialog it waits for is still being built) is tried again at the
    // next marker.
    struct Step {
        template <typename Act>
        Step(Act act) : act(std::move(act)) {}
        Step(std::function<bool(HWND top)> ready, std::function<void(HWND top)> act)
            : ready(std::move(ready)), act(std::move(act)) {}
        std::function<bool(HWND top)> ready;
        std::function<void(HWND top)> act;
    };
    // A step that waits until `which` is on top again.
    static Step OnTop(const HWND& which, std::function<void(HWND top)> act) {
        return Step([&which](HWND top) { return top == which; }, std::move(act));
    }
    // A step that waits until a dialog other than `than` is on top.
    static Step OnNewTop(const HWND& than, std::function<void(HWND top)> act) {
        return Step([&than](HWND top) { return top && top != than; }, std::move(act));
    }

    explicit ModalScript(HWND owner) : owner_(owner) {}

    INT_PTR Run(SkinDialog& dialog, std::vector<Step> steps) {
        steps_ = std::move(steps);
        next_ = 0;
        current_ = this;
        HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId());
        SendMarker();
        // A guard against input that never arrives, not a wait: the script
        // gives up and closes what is open.
        const UINT_PTR guard = SetTimer(nullptr, 0, kGuardMs, [](HWND, UINT, UINT_PTR, DWORD) {
            if (current_) current_->next_ = current_->steps_.size() + 1, current_->RunNext();
        });
        const INT_PTR result = dialog.RunModal(owner_);
        KillTimer(nullptr, guard);
        UnhookWindowsHookEx(hook);
        current_ = nullptr;
        return result;
    }

    // Steps that ran; a script whose dialog ended early ran fewer.
    size_t StepsRun() const { return next_; }

    // The modal dialog on top: the enabled visible popup of this thread.
    static HWND Top() {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM out) -> BOOL {
                if (IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER))
                    *reinterpret_cast<HWND*>(out) = window;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    // Clicks the middle of the control with id `id` of `dialog`.
    static void ClickControl(HWND dialog, int id) {
        const HWND control = GetDlgItem(dialog, id);
        RECT r{};
        GetClientRect(control, &r);
        const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
        PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        PostMessageA(control, WM_LBUTTONUP, 0, middle);
    }
    // Posts the characters of `text` to `field`, as typing delivers them.
    static void Type(HWND field, const std::string& text) {
        for (char c : text) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    // Posts presses and releases of `keys` to the focus (or the dialog).
    static void Press(std::initializer_list<WORD> keys) {
        const HWND target = GetFocus() ? GetFocus() : Top();
        for (WORD key : keys) {
            PostMessageA(target, WM_KEYDOWN, key, 1);
            PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        }
    }

private:
    static constexpr UINT kMarker = WM_APP + 0x3E0;
    static constexpr UINT kGuardMs = 15000;

    static LRESULT CALLBACK Hook(int code, WPARAM removed, LPARAM lParam) {
        const MSG& msg = *reinterpret_cast<MSG*>(lParam);
        if (code == HC_ACTION && removed == PM_REMOVE && current_) {
            if (msg.hwnd == nullptr && msg.message == kMarker) current_->RunNext();
        }
        return CallNextHookEx(nullptr, code, removed, lParam);
    }

    void RunNext() {
        // A script that ran out of steps (an assertion failed in one) ends
        // whatever is still open, so the test reports instead of hanging.
        if (next_ >= steps_.size()) {
            if (const HWND top = Top()) PostMessageA(top, WM_CLOSE, 0, 0);
        } else {
            const HWND top = Top();
            const Step& step = steps_[next_];
            if (!step.ready || step.ready(top)) {
                ++next_;
                step.act(top);
            }
        }
        SendMarker();
    }

    static void SendMarker() { PostThreadMessageA(GetCurrentThreadId(), kMarker, 0, 0); }

    static inline ModalScript* current_ = nullptr;
    HWND owner_;
    std::vector<Step> steps_;
    size_t next_ = 0;
};

// A plain window the dialogs are centred on, and the screenshots' folder.
class DialogOwner {
public:
    DialogOwner() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "DialogOwner";
        RegisterClassA(&wc);
        window = CreateWindowA("DialogOwner", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 800, 600, nullptr, nullptr,
                               wc.hInstance, nullptr);
        // Keys go to the active window: the dialogs come up over this one.
        SetForegroundWindow(window);
    }
    ~DialogOwner() { DestroyWindow(window); }
    HWND window;
};

// A folder the build hands over as a host path, as Wine names it.
inline std::string WineFolder(const char* hostPath) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(hostPath, MAX_PATH, full, nullptr);
    std::string folder = full;
    for (char& c : folder)
        if (c == '/') c = '\\';
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

// Saves what the screen shows of `window` as `name` in the build folder.
inline void Screenshot(HWND window, const std::string& name) {
    // Posted steps run ahead of painting: paint first.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT r{};
    GetWindowRect(window, &r);
    SaveScreenRect(r, (WineFolder(DIALOG_SHOTS_DIR) + name).c_str());
}
