#include "option/dpi_level/dpi_level_control_win.h"

#include "shell/gbk_font_win.h"
#include "shell/mask_region_win.h"
#include "shell/skin_picture_win.h"

namespace {

constexpr char kClass[] = "SkinDpiLevel";
constexpr int kStripId = 1;
constexpr int kSwitchId = 2;
constexpr int kStripTextMode = 5;  // left-aligned, inset 10
constexpr COLORREF kLabelColour = RGB(230, 230, 230);
constexpr COLORREF kLabelDisabledColour = RGB(110, 110, 110);

RECT ToRect(const SkinRect& r) { return {r.left, r.top, r.right, r.bottom}; }

enum Picture { kNormal, kOver, kDown, kDisable };

}  // namespace

DpiLevelControl::DpiLevelControl() = default;

DpiLevelControl::~DpiLevelControl() {
    if (window_) DestroyWindow(window_);
}

bool DpiLevelControl::Create(HWND owner, const RECT& rect, int id, const std::string& skinsFolder,
                             const std::string& title) {
    if (window_) return false;
    owner_ = owner;
    id_ = id;
    const UniqueBitmap mask(LoadMaskBitmap(skinsFolder + kDpiLevelMaskFile));
    if (!RegisterAttachedClass<DpiLevelControl>(kClass) ||
        !CreateAttachedChild(this, kClass, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, rect, owner, id))
        return false;
    if (!strip_.Create(window_, kStripId, ToRect(kDpiCurrentStripRect), "") ||
        !switch_.Create(window_, kSwitchId, ToRect(kDpiEnableSwitchRect)))
        return false;
    strip_.SetToggleMode(true);
    strip_.SetTextMode(kStripTextMode);
    strip_.SetCaption(title);
    switch_.SetToggleMode(true);
    const SkinRect& s = kDpiSliderRect;
    if (!slider_.Create(skinsFolder + kDpiSliderThumbFile, s.left, s.top, s.right, s.bottom, window_, kDpiSliderId))
        return false;
    slider_.SetRange(kDpiSliderMinimum, kDpiSliderMaximum);
    slider_.SetSnap(kDpiSliderSnaps);
    labelFont_.reset(CreateCaptionFont(14, 0));
    ApplyMaskOutline(window_, mask.get());
    ShowEnabled();
    return true;
}

void DpiLevelControl::SetPictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down) {
    if (!window_) return;
    const HBITMAP sheets[4] = {normal, over, down, normal};
    for (int i = 0; i < 4; ++i) CropSkinImage(pictures_[i], sheets[i], rect.left, rect.top, rect.right, rect.bottom);
    HBITMAP own[4] = {pictures_[kNormal].get(), pictures_[kOver].get(), pictures_[kDown].get(),
                      pictures_[kDisable].get()};
    strip_.SetPictures(ToRect(kDpiCurrentStripRect), own[kNormal], own[kOver], own[kDown], own[kDisable]);
    switch_.SetPictures(ToRect(kDpiEnableSwitchRect), own[kNormal], own[kOver], own[kDown], own[kDown]);
    slider_.SetBackground(ToRect(kDpiSliderRect), own[kNormal]);
    InvalidateRect(window_, nullptr, FALSE);
}

void DpiLevelControl::SetValue(int value) {
    model_.SetValue(value);
    slider_.SetValue(value);
    const RECT label = ToRect(kDpiValueLabelRect);
    InvalidateRect(window_, &label, FALSE);
}

void DpiLevelControl::SetEnabled(bool enabled) {
    model_.SetEnabled(enabled);
    ShowEnabled();
}

void DpiLevelControl::SetCurrent(bool current) {
    model_.SetCurrent(current);
    ShowEnabled();
    InvalidateRect(window_, nullptr, FALSE);
}

// The switch shows the enabled flag and is locked on the current level; the
// other parts follow the flag.
void DpiLevelControl::ShowEnabled() {
    strip_.SetSelected(model_.IsCurrent());
    strip_.Enable(model_.PartsEnabled());
    switch_.SetSelected(model_.Enabled());
    switch_.Enable(model_.EnableSwitchEnabled());
    EnableWindow(slider_.Handle(), model_.PartsEnabled());
    EnableWindow(slider_.Thumb().Handle(), model_.PartsEnabled());
    const RECT label = ToRect(kDpiValueLabelRect);
    InvalidateRect(window_, &label, FALSE);
}

void DpiLevelControl::Post(uint32_t notice) const {
    PostMessageA(owner_, kDpiLevelMessage, notice, static_cast<LPARAM>(id_));
}

void DpiLevelControl::Paint() {
    const PaintDc dc(window_);
    RECT client;
    GetClientRect(window_, &client);
    HBITMAP picture = pictures_[model_.PaintsDown() ? kDown : kNormal].get();
    if (picture) {
        const PictureDc source(dc.get(), picture);
        BitBlt(dc.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
    } else {
        FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    const std::string text = model_.LabelText();
    RECT label = ToRect(kDpiValueLabelRect);
    const SelectedObject font(dc.get(), labelFont_.get());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), model_.PartsEnabled() ? kLabelColour : kLabelDisabledColour);
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &label,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT DpiLevelControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kSliderValueMessage:
        if (lParam == kDpiSliderId)
            if (const auto notice = model_.SliderMoved(static_cast<int>(wParam))) {
                const RECT label = ToRect(kDpiValueLabelRect);
                InvalidateRect(window_, &label, FALSE);
                Post(*notice);
            }
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        if (LOWORD(wParam) == kStripId) {
            Post(model_.StripClicked(strip_.Selected()));
            ShowEnabled();
            InvalidateRect(window_, nullptr, FALSE);
        }
        if (LOWORD(wParam) == kSwitchId)
            if (const auto notice = model_.SwitchClicked(switch_.Selected())) {
                ShowEnabled();
                Post(*notice);
            }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
