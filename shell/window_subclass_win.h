// The one way this project extends a window it did not register (a system
// control, or a parent that forwards messages): a subclass owned by an
// object, which removes itself when the window reaches WM_NCDESTROY or when
// the object goes, whichever comes first.
//
//   WindowSubclass subclass_;
//   subclass_.Attach(edit, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
//       if (message != WM_CHAR) return false;  // false: the window's own procedure answers
//       result = subclass_.CallNext(message, wParam, lParam);
//       ...                                    // after the control handled it
//       return true;
//   });
#pragma once

#include <windows.h>

#include <functional>

class WindowSubclass {
public:
    // Answers a message first; returns true with `result` set when it handled
    // it, false to pass it on. It also sees WM_NCDESTROY, before the subclass
    // goes.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    WindowSubclass() = default;
    virtual ~WindowSubclass() { Detach(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Subclasses `window`; false when already attached or the platform refuses.
    bool Attach(HWND window, Handler handler);
    void Detach();
    bool Attached() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    // Hands a message to the procedures below this subclass.
    LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam) const;

protected:
    // Called after the subclass went with its window; the object may delete
    // itself here.
    virtual void OnWindowGone() {}

private:
    struct Chain;
    static LRESULT Dispatch(HWND window, Chain& chain, size_t below, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    Handler handler_;
};
