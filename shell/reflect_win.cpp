#include "shell/reflect_win.h"

#include <algorithm>
#include <vector>

#include "shell/window_subclass_win.h"

namespace {

// A parent that reflects carries its forwarder in this property.
constexpr char kForwarderProperty[] = "SkinReflect_forwarder";

// The control a parent message is about, or nullptr.
HWND ControlOf(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header ? header->hwndFrom : nullptr;
    }
    default:
        return nullptr;
    }
}

class Forwarder : public WindowSubclass {
public:
    static Forwarder* Of(HWND parent) {
        return parent ? static_cast<Forwarder*>(GetPropA(parent, kForwarderProperty)) : nullptr;
    }

    // Owned by the parent's subclass: deleted when the parent goes.
    static Forwarder* Install(HWND parent) {
        auto* forwarder = new Forwarder;
        const bool attached = forwarder->Attach(parent, [forwarder](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return forwarder->OnParentMessage(m, w, l, r);
        });
        if (attached && SetPropA(parent, kForwarderProperty, forwarder)) return forwarder;
        delete forwarder;
        return nullptr;
    }

    void Add(HWND control) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
    }
    void Remove(HWND control) { controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end()); }

private:
    void OnWindowGone() override { delete this; }

    bool OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message == WM_NCDESTROY) RemovePropA(Window(), kForwarderProperty);
        HWND control = ControlOf(Window(), message, wParam, lParam);
        if (!control || std::find(controls_.begin(), controls_.end(), control) == controls_.end()) return false;
        const LRESULT answer = SendMessageA(control, Reflected(message), wParam, lParam);
        // A control that does not answer a request (zero: no brush, not
        // drawn) leaves it to the parent's own procedure.
        if (message == WM_COMMAND || message == WM_NOTIFY || answer == 0) return false;
        result = answer;
        return true;
    }

    std::vector<HWND> controls_;
};

}  // namespace

bool ReflectToControl(HWND control) {
    HWND parent = GetParent(control);
    if (!parent) return false;
    Forwarder* forwarder = Forwarder::Of(parent);
    if (!forwarder) forwarder = Forwarder::Install(parent);
    if (!forwarder) return false;
    forwarder->Add(control);
    return true;
}

void StopReflecting(HWND control) {
    if (Forwarder* forwarder = Forwarder::Of(GetParent(control))) forwarder->Remove(control);
}
