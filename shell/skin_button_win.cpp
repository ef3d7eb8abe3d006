#include "shell/skin_button_win.h"

#include <windowsx.h>

#include "shell/mask_region_win.h"

namespace {

constexpr char kClassName[] = "Rgn Button";

}  // namespace

SkinButton::~SkinButton() {
    if (window_) DestroyWindow(window_);
}

bool SkinButton::Create(HWND parent, int id, const RECT& rect, bool outlineLater) {
    if (window_ || !RegisterAttachedClass<SkinButton>(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)) return false;
    // No parent listens for its creation, which would cost a message each.
    if (!CreateAttachedChild(this, kClassName, WS_VISIBLE | WS_TABSTOP, WS_EX_NOPARENTNOTIFY, rect, parent, id))
        return false;
    outlinePending_ = true;
    if (!outlineLater) ApplyOutline();
    return true;
}

void SkinButton::ApplyOutline() {
    if (!outlinePending_ || !window_) return;
    outlinePending_ = false;
    // The window owns one region, the hit tests use a copy.
    UniqueRegion outline(MaskFileToRegion(maskPath_));
    if (outline) {
        hitRegion_.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(hitRegion_.get(), outline.get(), nullptr, RGN_COPY);
        GiveWindowRegion(window_, std::move(outline));
    }
}

void SkinButton::SetLatched(bool latched) {
    if (clicks_.Latched() == latched) return;
    clicks_.SetLatched(latched);
    if (window_) Repaint();
}

void SkinButton::Enable(bool enabled) {
    EnableWindow(window_, enabled);
    Repaint();
}

ButtonPicture SkinButton::ShownPicture() const {
    return SkinButtonPicture(PaintedSkinButtonState(clicks_.State(), IsWindowEnabled(window_)), clicks_.Latched());
}

bool SkinButton::InsideOutline(POINT point) const {
    if (hitRegion_) return PtInRegion(hitRegion_.get(), point.x, point.y);
    RECT client;
    GetClientRect(window_, &client);
    return PtInRect(&client, point);
}

LRESULT SkinButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ApplyOutline();
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(wParam, point); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: OnPress(point); return 0;
        case WM_LBUTTONUP: OnRelease(point); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_ENABLE: Repaint(); break;
        default: break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void SkinButton::OnMouseMove(WPARAM keys, POINT point) {
    if (keys & MK_LBUTTON) return;  // a move during a press changes nothing
    if (GetCapture() != window_) {
        if (GetActiveWindow() && GetParent(window_)) {
            clicks_.SetState(kStateHover);
            SetCapture(window_);
            Repaint();
        }
        return;
    }
    // Captured: leave hover as soon as the pointer is over another window
    // (which includes the transparent parts of this button's outline).
    POINT screen = point;
    ClientToScreen(window_, &screen);
    HWND under = WindowFromPoint(screen);
    if (!under || under == window_) return;
    clicks_.SetState(kStateNormal);
    Repaint();
    UpdateWindow(window_);
    ReleaseCapture();
}

void SkinButton::OnPress(POINT point) {
    clicks_.Press(InsideOutline(point));
    SetCapture(window_);
    Repaint();
}

void SkinButton::OnRelease(POINT point) {
    const bool click = clicks_.Release(InsideOutline(point), toggleMode_);
    if (GetCapture() == window_) ReleaseCapture();
    Repaint();
    if (click) {
        const int id = GetDlgCtrlID(window_);
        SendMessageA(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(window_));
    }
}

void SkinButton::Paint() {
    clicks_.SetState(PaintedSkinButtonState(clicks_.State(), IsWindowEnabled(window_)));
    const ButtonPicture picture = SkinButtonPicture(clicks_.State(), clicks_.Latched());
    if (picture != ButtonPicture::Normal) ApplyOutline();
    const PaintDc dc(window_);
    PaintFace(dc.get(), picture, SkinButtonTextColour(TextColours(), picture), nullptr,
              [&](HDC memory, const RECT& client, const char* text, int length) {
                  if (TextMode() == 5) {
                      TextOutA(memory, 40, 6, text, length);
                  } else {
                      RECT box = client;
                      DrawTextA(memory, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                  }
              });
}
