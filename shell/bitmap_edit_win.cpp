#include "shell/bitmap_edit_win.h"

#include <cstring>
#include <string>

#include "shell/edit_filter.h"
#include "shell/reflect_win.h"

namespace {

UINT g_killFocusMessage = 0;
UINT g_changeMessage = 0;

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text.assign(chars, strnlen(chars, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
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
    if (window_) DestroyWindow(window_);
}

bool BitmapEdit::Create(HWND parent, int id, const RECT& rect, DWORD style) {
    if (window_) return false;
    style |= WS_CHILD | ES_AUTOHSCROLL;
    HWND edit = CreateWindowExA(0, "EDIT", "", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!edit) return false;
    if (!subclass_.Attach(edit, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return OnMessage(m, w, l, r); })) {
        DestroyWindow(edit);
        return false;
    }
    window_ = edit;
    parent_ = parent;
    ReflectToControl(window_);
    backBrush_.reset(CreateSolidBrush(backColour_));
    font_.reset(CreateFontA(14, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    ApplyOwnFont();
    return true;
}

void BitmapEdit::SetColours(COLORREF text, COLORREF back) {
    textColour_ = text;
    if (back != backColour_ || !backBrush_) backBrush_.reset(CreateSolidBrush(back));
    backColour_ = back;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void BitmapEdit::ApplyOwnFont() {
    if (window_ && font_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

HBRUSH BitmapEdit::OnColourRequest(HDC dc) {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    return backBrush_.get();
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

// A paste into a numeric field inserts only the clipboard text's leading
// number, so pasted letters never reach the text rule (which would cut the
// field's own digits after the caret).
void BitmapEdit::PasteNumber() {
    const std::string number = LeadingNumericRun(ClipboardText(window_), allowSign_);
    if (!number.empty()) SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(number.c_str()));
}

void BitmapEdit::NotifyParent() {
    if (parent_) PostMessageA(parent_, BitmapEditKillFocusMessage(), 0, 0);
}

void BitmapEdit::OnNotification(WORD code) {
    switch (code) {
    case EN_CHANGE: OnTextChanged(); break;
    case EN_KILLFOCUS: NotifyParent(); break;
    case EN_VSCROLL: InvalidateRect(window_, nullptr, TRUE); break;
    default: break;
    }
}

bool BitmapEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case Reflected(WM_CTLCOLOREDIT):
    case Reflected(WM_CTLCOLORSTATIC):  // a read-only or disabled edit asks with this one
        result = reinterpret_cast<LRESULT>(OnColourRequest(reinterpret_cast<HDC>(wParam)));
        return true;
    case Reflected(WM_COMMAND):
        OnNotification(HIWORD(wParam));
        return true;
    case WM_KEYDOWN:
        return numeric_ && !IsNumericEditKey(static_cast<unsigned>(wParam));
    case WM_CHAR:
        // The message loop translated the key before its key-down was
        // swallowed, so the character itself must be refused too.
        return numeric_ && !IsNumericEditChar(static_cast<unsigned>(wParam), allowSign_);
    case WM_PASTE:
        if (!numeric_) return false;
        PasteNumber();
        return true;
    case WM_KEYUP:
        if (wParam == VK_RETURN && parent_) PostMessageA(parent_, kBitmapEditEnterMessage, 13, 0);
        return false;
    case WM_KILLFOCUS:
        NotifyParent();
        return false;
    case WM_ERASEBKGND:
        result = 1;  // the colour request paints the background
        return true;
    case WM_VSCROLL:
        result = subclass_.CallNext(message, wParam, lParam);
        InvalidateRect(window_, nullptr, TRUE);
        return true;
    case WM_NCDESTROY:
        StopReflecting(window_);
        window_ = nullptr;
        parent_ = nullptr;
        return false;
    default:
        return false;
    }
}
