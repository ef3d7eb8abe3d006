#include "shell/bitmap_edit_win.h"

#include <commctrl.h>

#include <string>

#include "shell/edit_filter.h"
#include "shell/skin_picture_win.h"

namespace {

// The field's object, kept on its window so the parent's subclass can find it.
constexpr char kSelfProperty[] = "BitmapEdit_self";
// One parent subclass serves every field on that parent; it stays until the
// parent is destroyed, because removing it early could unhook procedures
// installed on the parent after it.
constexpr UINT_PTR kParentSubclassId = 1;

UINT g_killFocusMessage = 0;
UINT g_changeMessage = 0;

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void RegisterBitmapEditMessages() {
    // RegisterWindowMessage returns the same number for the same name, so a
    // repeated call is harmless.
    g_killFocusMessage = RegisterWindowMessageA("BitmapEdit_KillFocus");
    g_changeMessage = RegisterWindowMessageA("BitmapEdit_Change");
}

UINT BitmapEditKillFocusMessage() {
    if (!g_killFocusMessage) RegisterBitmapEditMessages();
    return g_killFocusMessage;
}

UINT BitmapEditChangeMessage() {
    if (!g_changeMessage) RegisterBitmapEditMessages();
    return g_changeMessage;
}

BitmapEdit::BitmapEdit() = default;

BitmapEdit::~BitmapEdit() {
    if (window_) {
        Detach();
        DestroyWindow(window_);
    }
    DeleteGdiObject(font_);
    DeleteGdiObject(backBrush_);
}

bool BitmapEdit::Create(HWND parent, int id, const RECT& rect, DWORD style) {
    if (window_) return false;
    style |= WS_CHILD | ES_AUTOHSCROLL;
    window_ = CreateWindowExA(0, "EDIT", "", style, rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) return false;
    parent_ = parent;
    SetPropA(window_, kSelfProperty, this);
    SetWindowSubclass(window_, EditProc, reinterpret_cast<UINT_PTR>(this), 0);
    SetWindowSubclass(parent_, ParentProc, kParentSubclassId, 0);
    font_ = CreateFontA(14, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, "Arial");
    ApplyOwnFont();
    return true;
}

void BitmapEdit::SetColours(COLORREF text, COLORREF back) {
    textColour_ = text;
    backColour_ = back;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void BitmapEdit::ApplyOwnFont() {
    if (window_ && font_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void BitmapEdit::Detach() {
    RemovePropA(window_, kSelfProperty);
    RemoveWindowSubclass(window_, EditProc, reinterpret_cast<UINT_PTR>(this));
    parent_ = nullptr;
}

HBRUSH BitmapEdit::OnColourRequest(HDC dc) {
    // A fresh brush each time, so a colour change shows at the next repaint.
    DeleteGdiObject(backBrush_);
    backBrush_ = CreateSolidBrush(backColour_);
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    return backBrush_;
}

void BitmapEdit::OnTextChanged() {
    if (numeric_) {
        const std::string text = WindowText(window_);
        const std::string kept = LeadingNumericRun(text, allowSign_);
        if (kept != text) {
            // Replacing the selection keeps the field's undo and caret sane;
            // it changes the text again, which then passes unchanged.
            SendMessageA(window_, EM_SETSEL, 0, -1);
            SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
        }
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    NotifyParent();
}

void BitmapEdit::NotifyParent() {
    if (parent_) PostMessageA(parent_, BitmapEditKillFocusMessage(), 0, 0);
}

bool BitmapEdit::OnParentMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // a read-only or disabled edit asks with this one
        result = reinterpret_cast<LRESULT>(OnColourRequest(reinterpret_cast<HDC>(wParam)));
        return true;
    case WM_COMMAND:
        switch (HIWORD(wParam)) {
        case EN_CHANGE: OnTextChanged(); break;
        case EN_KILLFOCUS: NotifyParent(); break;
        case EN_VSCROLL: InvalidateRect(window_, nullptr, TRUE); break;
        default: break;
        }
        return false;  // the parent still sees its notifications
    default:
        return false;
    }
}

LRESULT CALLBACK BitmapEdit::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR) {
    // Colour requests and notifications name the control in lParam.
    const bool aboutControl = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC ||
                              (message == WM_COMMAND && lParam != 0);
    auto* self = aboutControl ? static_cast<BitmapEdit*>(GetPropA(reinterpret_cast<HWND>(lParam), kSelfProperty))
                              : nullptr;
    LRESULT result = 0;
    if (self && self->parent_ == window && self->OnParentMessage(message, wParam, lParam, result)) return result;
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK BitmapEdit::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR) {
    auto* self = reinterpret_cast<BitmapEdit*>(id);
    switch (message) {
    case WM_KEYDOWN:
        if (self->numeric_ && !IsNumericEditKey(static_cast<unsigned>(wParam))) return 0;
        break;
    case WM_KEYUP:
        if (wParam == VK_RETURN && self->parent_) PostMessageA(self->parent_, kBitmapEditEnterMessage, 13, 0);
        break;
    case WM_KILLFOCUS:
        self->NotifyParent();
        break;
    case WM_ERASEBKGND:
        return 1;  // the colour request paints the background
    case WM_VSCROLL: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_NCDESTROY: {
        self->Detach();
        self->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
