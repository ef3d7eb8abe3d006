#include "shell/skin_bitmap_button_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "shell/reflect_win.h"

namespace {

constexpr LONG_PTR kOwnerDrawStyle = BS_OWNERDRAW;

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

SkinBitmapButton::~SkinBitmapButton() {
    if (window_) DestroyWindow(window_);
}

bool SkinBitmapButton::Create(HWND parent, int id, const RECT& rect, const char* caption) {
    // Made owner-drawn at once: restyling it afterwards costs a repaint. No
    // parent listens for its creation, which would cost a message each.
    HWND button = CreateWindowExA(WS_EX_NOPARENTNOTIFY, "BUTTON", caption, WS_CHILD | WS_VISIBLE | kOwnerDrawStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                  nullptr);
    return button && Attach(button);
}

bool SkinBitmapButton::Attach(HWND button) {
    if (!button || window_) return false;
    if (!subclass_.Attach(button, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return OnMessage(m, w, l, r); }))
        return false;
    window_ = button;
    const LONG_PTR before = GetWindowLongPtrA(window_, GWL_STYLE);
    const LONG_PTR style = (before | kOwnerDrawStyle) & ~LONG_PTR{WS_TABSTOP};
    if (style != before) {
        SetWindowLongPtrA(window_, GWL_STYLE, style);
        SendMessageA(window_, BM_SETSTYLE, static_cast<WPARAM>(style & 0xFFFF), TRUE);
    }
    ReflectToControl(window_);
    return true;
}

void SkinBitmapButton::SetSelected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    if (window_) Repaint();
}

void SkinBitmapButton::Enable(bool enabled) {
    EnableWindow(window_, enabled);
    Repaint();
}

void SkinBitmapButton::LeaveHover() {
    hover_ = false;
    if (GetCapture() == window_) ReleaseCapture();
    Repaint();
    UpdateWindow(window_);
}

void SkinBitmapButton::SetTooltip(const std::string& text, bool activate) {
    if (!window_) return;
    if (!tooltip_) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        if (!tooltip_) return;
    }
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>(text.c_str());
    if (SendMessageA(tooltip_, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        GetClientRect(window_, &tool.rect);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_ACTIVATE, activate, 0);
}

bool SkinBitmapButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    RelayToTooltip(message, wParam, lParam);
    if (OnExtraMessage(message, wParam, lParam, result)) return true;
    switch (message) {
        case Reflected(WM_DRAWITEM):
            Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_ERASEBKGND: result = 1; return true;
        case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            ActivateOwner();
            pressStarted_ = true;
            break;
        case WM_LBUTTONUP:
            if (toggleMode_ && OnToggleRelease()) return true;
            pressStarted_ = false;
            break;
        case WM_KILLFOCUS:
            hover_ = false;
            Repaint();
            break;
        case WM_CAPTURECHANGED:
            if (hover_) {
                hover_ = false;
                Repaint();
            }
            break;
        case WM_ENABLE: Repaint(); break;
        case WM_NCDESTROY:
            StopReflecting(window_);
            window_ = nullptr;
            tooltip_ = nullptr;  // owned by the button, destroyed with it
            break;
        default: break;
    }
    return false;
}

void SkinBitmapButton::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!tooltip_ || !IsMouseMessage(message)) return;
    MSG msg{window_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void SkinBitmapButton::OnMouseMove(WPARAM keys, LPARAM lParam) {
    const bool leftHeld = (keys & MK_LBUTTON) != 0;
    if (leftHeld && !hover_) return;
    if (GetCapture() != window_) {
        if (GetActiveWindow() && GetParent(window_)) {
            hover_ = true;
            SetCapture(window_);
            Repaint();
        }
        return;
    }
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window_, &screen);
    HWND under = WindowFromPoint(screen);
    if (!under || under == window_) return;
    if (hover_) {
        hover_ = false;
        Repaint();
        UpdateWindow(window_);
    }
    // While pressed the push button keeps the capture to finish its click.
    if (!leftHeld) ReleaseCapture();
}

bool SkinBitmapButton::OnToggleRelease() {
    if (!pressStarted_) return false;
    pressStarted_ = false;
    selected_ = !selected_;
    // End the push button's own press without its click notification:
    // losing the capture releases it.
    if (GetCapture() == window_) ReleaseCapture();
    SendMessageA(window_, BM_SETSTATE, FALSE, 0);
    Repaint();
    const int id = GetDlgCtrlID(window_);
    SendMessageA(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(window_));
    return true;
}

void SkinBitmapButton::ActivateOwner() {
    HWND owner = GetWindow(window_, GW_OWNER);
    if (!owner) owner = GetAncestor(window_, GA_ROOT);
    if (owner && GetActiveWindow() != owner) SetActiveWindow(owner);
}

void SkinBitmapButton::Draw(const DRAWITEMSTRUCT& item) {
    BitmapButtonLook look;
    look.toggleMode = toggleMode_;
    look.selected = selected_;
    look.disabled = (item.itemState & ODS_DISABLED) != 0;
    look.pressed = (item.itemState & ODS_SELECTED) != 0;
    look.hover = hover_;
    PaintFace(
        item.hDC, BitmapButtonPicture(look), BitmapButtonTextColour(TextColours(), look),
        [&](HDC memory, const RECT& client) { DrawOverPicture(memory, client, look); },
        ShowsCaption() ? CaptionWriter([&](HDC memory, const RECT& client, const char* text, int length) {
            RECT box = client;
            UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
            if (const auto inset = CaptionLeftInset(TextMode())) {
                box.left += *inset;
                format |= DT_LEFT;
            } else {
                format |= DT_CENTER;
            }
            DrawTextA(memory, text, length, &box, format);
        }) : nullptr);
}

void SkinBitmapButton::DrawOverPicture(HDC, const RECT&, const BitmapButtonLook&) {}

bool SkinBitmapButton::OnExtraMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void SkinColourButton::SetFillColour(COLORREF colour) {
    if (!fill_ || colour != fillColour_) fill_.reset(CreateSolidBrush(colour));
    fillColour_ = colour;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinColourButton::DrawOverPicture(HDC memory, const RECT& client, const BitmapButtonLook& look) {
    if (look.disabled) return;
    if (!fill_) fill_.reset(CreateSolidBrush(fillColour_));
    FillRect(memory, &client, fill_.get());
}

bool SkinColourButton::OnExtraMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_SETCURSOR || !handCursor_ || LOWORD(lParam) != HTCLIENT) return false;
    SetCursor(handCursor_);
    result = TRUE;
    return true;
}
