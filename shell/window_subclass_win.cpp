#include "shell/window_subclass_win.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// The subclasses of one window, oldest first, in front of the procedure they
// replaced. The platform's own subclass helper would load the common
// controls library with the first subclassed control, which costs a
// noticeable part of a program's start under Wine; this chain is all that
// the project needs of it.
struct WindowSubclass::Chain {
    static constexpr char kProperty[] = "SkinSubclass_chain";

    WNDPROC original = nullptr;
    bool unicode = false;  // the window's procedures take text as UTF-16
    std::vector<WindowSubclass*> links;
    int running = 0;  // messages being handled: the chain must outlive them

    static Chain* Of(HWND window) { return window ? static_cast<Chain*>(GetPropA(window, kProperty)) : nullptr; }

    size_t PositionOf(const WindowSubclass* link) const {
        return static_cast<size_t>(std::find(links.begin(), links.end(), link) - links.begin());
    }

    LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        return unicode ? CallWindowProcW(original, window, message, wParam, lParam)
                       : CallWindowProcA(original, window, message, wParam, lParam);
    }

    WNDPROC SetProcedure(HWND window, WNDPROC procedure) const {
        const auto value = reinterpret_cast<LONG_PTR>(procedure);
        return reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                                 : SetWindowLongPtrA(window, GWLP_WNDPROC, value));
    }

    WNDPROC CurrentProcedure(HWND window) const {
        return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                                 : GetWindowLongPtrA(window, GWLP_WNDPROC));
    }

    // Gives the window its own procedure back once no subclass is left and
    // no message is being handled. When a procedure was put in front of the
    // chain since, the chain stays as a pass-through until WM_NCDESTROY.
    static void ReleaseIfUnused(HWND window, Chain* chain, bool windowGoing) {
        if (!chain->links.empty() || chain->running) return;
        if (!windowGoing) {
            if (chain->CurrentProcedure(window) != Procedure) return;
            chain->SetProcedure(window, chain->original);
        }
        RemovePropA(window, kProperty);
        delete chain;
    }
};

bool WindowSubclass::Attach(HWND window, Handler handler) {
    if (window_ || !window || !IsWindow(window)) return false;
    Chain* chain = Chain::Of(window);
    if (!chain) {
        auto made = std::make_unique<Chain>();
        made->unicode = IsWindowUnicode(window);
        if (!SetPropA(window, Chain::kProperty, made.get())) return false;
        made->original = made->SetProcedure(window, Procedure);
        if (!made->original) {
            RemovePropA(window, Chain::kProperty);
            return false;
        }
        chain = made.release();
    }
    handler_ = std::move(handler);
    chain->links.push_back(this);
    window_ = window;
    return true;
}

void WindowSubclass::Detach() {
    if (!window_) return;
    HWND window = std::exchange(window_, nullptr);
    Chain* chain = Chain::Of(window);
    if (!chain) return;
    std::erase(chain->links, this);
    Chain::ReleaseIfUnused(window, chain, false);
}

LRESULT WindowSubclass::CallNext(UINT message, WPARAM wParam, LPARAM lParam) const {
    Chain* chain = Chain::Of(window_);
    if (!chain) return DefWindowProcA(window_, message, wParam, lParam);
    return Dispatch(window_, *chain, chain->PositionOf(this), message, wParam, lParam);
}

// Hands the message to the links below position `below`, newest first, and
// then to the window's own procedure.
LRESULT WindowSubclass::Dispatch(HWND window, Chain& chain, size_t below, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
    below = std::min(below, chain.links.size());
    if (below == 0) return chain.CallOriginal(window, message, wParam, lParam);
    WindowSubclass* link = chain.links[below - 1];
    LRESULT result = 0;
    const bool handled = link->handler_ && link->handler_(message, wParam, lParam, result);
    // The handler may have attached or detached links: continue below it.
    const size_t at = std::min(chain.PositionOf(link), below - 1);
    if (message != WM_NCDESTROY) return handled ? result : Dispatch(window, chain, at, message, wParam, lParam);
    // The window is going: unhook first (so nothing reaches a freed object),
    // then let the window finish.
    link->Detach();
    link->OnWindowGone();
    return Dispatch(window, chain, at, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Chain* chain = Chain::Of(window);
    if (!chain) return DefWindowProcA(window, message, wParam, lParam);
    ++chain->running;
    const LRESULT result = Dispatch(window, *chain, chain->links.size(), message, wParam, lParam);
    --chain->running;
    Chain::ReleaseIfUnused(window, chain, message == WM_NCDESTROY);
    return result;
}
