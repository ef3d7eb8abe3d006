#include "shell/skin_button_win.h"

#include <windowsx.h>

#include "shell/mask_region_win.h"
#include "shell/skin_picture_win.h"

namespace {

constexpr char kClassName[] = "Rgn Button";
constexpr char kObjectProperty[] = "SkinButton_object";

void RegisterButtonClass() {
    WNDCLASSA existing{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &existing)) return;
    WNDCLASSA cls{};
    cls.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = kClassName;
    RegisterClassA(&cls);
}

}  // namespace

SkinButton::~SkinButton() {
    if (window_) DestroyWindow(window_);
    DeleteGdiObject(hitRegion_);
    DeleteGdiObject(maskBitmap_);
}

bool SkinButton::Create(HWND parent, int id, const RECT& rect) {
    RegisterButtonClass();
    window_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!window_) return false;
    SetPropA(window_, kObjectProperty, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinButton::Proc)));

    // The outline: the window owns one region, the hit tests use a copy.
    DeleteGdiObject(maskBitmap_);
    maskBitmap_ = LoadMaskBitmap(maskPath_);
    if (HRGN outline = MaskToRegion(maskBitmap_)) {
        hitRegion_ = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(hitRegion_, outline, nullptr, RGN_COPY);
        if (!SetWindowRgn(window_, outline, TRUE)) DeleteObject(outline);
    }
    return true;
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
    if (hitRegion_) return PtInRegion(hitRegion_, point.x, point.y);
    RECT client;
    GetClientRect(window_, &client);
    return PtInRect(&client, point);
}

LRESULT CALLBACK SkinButton::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<SkinButton*>(GetPropA(window, kObjectProperty));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT SkinButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(wParam, point); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: OnPress(point); return 0;
        case WM_LBUTTONUP: OnRelease(point); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_ENABLE: Repaint(); break;
        case WM_NCDESTROY: {
            HWND window = window_;
            const WNDPROC classProc = classProc_;
            RemovePropA(window, kObjectProperty);
            window_ = nullptr;
            return CallWindowProcA(classProc, window, message, wParam, lParam);
        }
        default: break;
    }
    return CallWindowProcA(classProc_, window_, message, wParam, lParam);
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
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    DrawBuffered(dc, client, Picture(picture), [&](HDC memory) {
        WriteCaption(memory, SkinButtonTextColour(TextColours(), picture), [&](const char* text, int length) {
            if (TextMode() == 5) {
                TextOutA(memory, 40, 6, text, length);
            } else {
                RECT box = client;
                DrawTextA(memory, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        });
    });
    EndPaint(window_, &ps);
}
