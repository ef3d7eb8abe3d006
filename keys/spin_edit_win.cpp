#include "keys/spin_edit_win.h"

#include "shell/hint_text.h"
#include "shell/skin_picture_win.h"

namespace {

constexpr char kClass[] = "SkinSpinEdit";
constexpr int kDecreaseId = 1;
constexpr int kIncreaseId = 2;
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kBackColour = RGB(0, 0, 0);
constexpr int kEditMargin = 1;

RECT ToRect(const SkinRect& r) { return {r.left, r.top, r.right, r.bottom}; }

RECT Offset(const SkinRect& r, const RECT& by) {
    return {by.left + r.left, by.top + r.top, by.left + r.right, by.top + r.bottom};
}

}  // namespace

SpinEdit::SpinEdit(SpinLayout layout)
    : layout_(layout), model_(kSpinDefaultMinimum, SpinDefaultMaximum(layout)) {}

SpinEdit::~SpinEdit() {
    if (window_) DestroyWindow(window_);
}

bool SpinEdit::Create(HWND owner, const RECT& rect, int id) {
    if (window_) return false;
    owner_ = owner;
    id_ = id;
    parts_ = PlaceSpinEditParts(layout_, rect.right - rect.left, rect.bottom - rect.top);
    if (!RegisterAttachedClass<SpinEdit>(kClass) ||
        !CreateAttachedChild(this, kClass, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, rect, owner, id))
        return false;
    if (!decrease_.Create(window_, kDecreaseId, ToRect(parts_.decrease)) ||
        !edit_.Create(window_, kSpinEditEditId, ToRect(parts_.edit), WS_VISIBLE | WS_TABSTOP) ||
        !increase_.Create(window_, kIncreaseId, ToRect(parts_.increase)))
        return false;
    edit_.SetNumeric(true);
    edit_.SetColours(kTextColour, kBackColour);
    // A 48-pixel horizontal field's edit is 24 pixels wide: the font's own
    // margins would scroll a three-character number out of sight.
    SendMessageA(edit_.Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kEditMargin, kEditMargin));
    // A skinned dialog swallows Enter unless the focused control asks for it,
    // and the field's Enter rule needs the key.
    enterKey_.Attach(edit_.Handle(), [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message != WM_GETDLGCODE || wParam != VK_RETURN) return false;
        result = enterKey_.CallNext(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    });
    SetRange(model_.Minimum(), model_.Maximum());
    SetValue(model_.Value());
    return true;
}

void SpinEdit::SetImages(const RECT& at, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable) {
    if (!window_) return;
    decrease_.SetPictures(Offset(parts_.decrease, at), normal, over, down, disable);
    increase_.SetPictures(Offset(parts_.increase, at), normal, over, down, disable);
    CropSkinImage(background_, normal, at.left, at.top, at.right, at.bottom);
    InvalidateRect(window_, nullptr, FALSE);
}

void SpinEdit::SetRange(int minimum, int maximum) {
    model_.SetRange(minimum, maximum);
    edit_.SetAllowSign(model_.SignAllowed());
    SendMessageA(edit_.Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(model_.TextLimit()), 0);
}

void SpinEdit::SetValue(int value) { Show(model_.SetValue(value, Text())); }

std::string SpinEdit::Text() const {
    char text[32] = {};
    GetWindowTextA(edit_.Handle(), text, sizeof text);
    return text;
}

void SpinEdit::Show(const SpinEditModel::NewText& text) {
    if (!text) return;
    SendMessageA(edit_.Handle(), EM_SETSEL, 0, -1);
    SendMessageA(edit_.Handle(), EM_SCROLLCARET, 0, 0);
    SendMessageA(edit_.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text->c_str()));
}

void SpinEdit::NotifyOwner() const {
    PostMessageA(owner_, kSpinEditChangedMessage, static_cast<WPARAM>(model_.Value()), static_cast<LPARAM>(id_));
}

void SpinEdit::OnTextChanged() {
    Show(model_.TextChanged(Text()));
    NotifyOwner();
}

void SpinEdit::OnEnter() {
    const SpinEditModel::EnterResult result = model_.Enter(Text());
    Show(result.text);
    if (result.notify) NotifyOwner();
}

void SpinEdit::OnPointerOver() {
    if (!pointerTracked_) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window_, HOVER_DEFAULT};
        pointerTracked_ = TrackMouseEvent(&track) != FALSE;
    }
    if (PublishHint(hint_)) PostMessageA(GetAncestor(window_, GA_ROOTOWNER), kHintChangedMessage, 1, 0);
}

void SpinEdit::Paint() {
    const PaintDc dc(window_);
    RECT client;
    GetClientRect(window_, &client);
    if (!background_) {
        FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    const PictureDc picture(dc.get(), background_.get());
    BitBlt(dc.get(), 0, 0, client.right, client.bottom, picture.get(), 0, 0, SRCCOPY);
}

LRESULT SpinEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A quick second click on an arrow arrives as a double-click only.
        if (HIWORD(wParam) != BN_CLICKED && HIWORD(wParam) != BN_DOUBLECLICKED) return 0;
        if (LOWORD(wParam) == kIncreaseId) Show(model_.Increase(Text()));
        if (LOWORD(wParam) == kDecreaseId) Show(model_.Decrease(Text()));
        return 0;
    case kBitmapEditEnterMessage:
        OnEnter();
        return 0;
    case WM_SETCURSOR:
        // Children ask their parent first, so this sees the pointer over any part.
        OnPointerOver();
        break;
    case WM_MOUSELEAVE:
        pointerTracked_ = false;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        if (message == BitmapEditKillFocusMessage()) {
            OnTextChanged();
            return 0;
        }
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
