#include "shell/slider_win.h"

#include <windowsx.h>

#include <cstdio>

#include "shell/mask_region_win.h"
#include "shell/skin_picture_win.h"

namespace {

constexpr char kTrackClass[] = "SkinSliderTrack";
constexpr char kThumbClass[] = "SkinSliderThumb";

void Trace(const char* format, double value) {
    char line[64];
    std::snprintf(line, sizeof line, format, value);
    OutputDebugStringA(line);
}

// Copies `picture` onto the window through a memory bitmap, so a repaint
// never shows a half-drawn state.
void PaintBuffered(HWND window, HBITMAP picture) {
    const PaintDc dc(window);
    RECT client;
    GetClientRect(window, &client);
    MemoryCanvas canvas(dc.get(), client);
    canvas.Fill(picture, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    canvas.Show();
}

COLORREF TopLeftColour(HBITMAP picture) {
    const PictureDc memory(nullptr, picture);
    return GetPixel(memory.get(), 0, 0);
}

}  // namespace

// ---- thumb ----

SliderThumb::SliderThumb() = default;

SliderThumb::~SliderThumb() {
    if (window_) DestroyWindow(window_);
}

bool SliderThumb::Create(HWND track, int id, const std::string& picturePath, int trackLeft, int trackRight,
                         int top) {
    if (window_) return false;
    picture_.reset(LoadMaskBitmap(picturePath));
    if (!picture_) return false;
    const SIZE size = BitmapSize(picture_.get());
    width_ = size.cx;
    height_ = size.cy;
    trackLeft_ = trackLeft;
    trackRight_ = trackRight;
    top_ = top;
    owner_ = track;
    id_ = id;
    if (!RegisterAttachedClass<SliderThumb>(kThumbClass, CS_HREDRAW | CS_VREDRAW)) return false;
    // Created centred on the track's top-left corner, then placed at value 0.
    const RECT centred{-width_ / 2, -height_ / 2, width_ - width_ / 2, height_ - height_ / 2};
    if (!CreateAttachedChild(this, kThumbClass, WS_VISIBLE | WS_TABSTOP, WS_EX_TRANSPARENT, centred, track, 0))
        return false;
    SetValue(0);
    GiveWindowRegion(window_, UniqueRegion(MaskToRegion(picture_.get(), TopLeftColour(picture_.get()), 0)));
    return true;
}

void SliderThumb::SetRange(int minimum, int maximum) {
    range_.minimum = minimum;
    range_.maximum = maximum;
    SetValue(value_);
}

void SliderThumb::SetValue(int value) {
    value_ = ClampSliderValue(range_, value);
    MoveTo(SliderThumbLeft(range_, value_, trackLeft_, trackRight_, width_));
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

int SliderThumb::Left() const {
    RECT rect;
    GetWindowRect(window_, &rect);
    MapWindowPoints(HWND_DESKTOP, owner_, reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

void SliderThumb::MoveTo(int left) {
    if (window_) SetWindowPos(window_, nullptr, left, top_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int SliderThumb::ValueAt(int left) const {
    return WholeSliderValue(range_, SliderThumbRaw(range_, left, trackLeft_, trackRight_, width_));
}

void SliderThumb::Post(int value) const {
    PostMessageA(owner_, kSliderValueMessage, static_cast<WPARAM>(value), static_cast<LPARAM>(id_));
}

void SliderThumb::OnButtonDown(LPARAM lParam) {
    if (!draggable_) return;
    SetCapture(window_);
    grabX_ = GET_X_LPARAM(lParam);
    grabY_ = GET_Y_LPARAM(lParam);
    dragging_ = true;
}

void SliderThumb::OnDrag(LPARAM lParam) {
    const int left = ClampThumbLeft(Left() + GET_X_LPARAM(lParam) - grabX_, trackLeft_, trackRight_, width_);
    MoveTo(left);
    // The value follows the thumb's new place, so the owner shows what the
    // user sees while dragging.
    value_ = ValueAt(left);
    Post(value_);
}

void SliderThumb::OnButtonUp() {
    dragging_ = false;
    ReleaseCapture();
    const double raw = SliderThumbRaw(range_, Left(), trackLeft_, trackRight_, width_);
    Trace("CPHSlider=%f\n", raw);
    value_ = WholeSliderValue(range_, raw);
    Post(value_);
    if (range_.snap) MoveTo(SliderSnappedLeft(range_, value_, trackLeft_, trackRight_, width_));
}

void SliderThumb::Paint() { PaintBuffered(window_, picture_.get()); }

LRESULT SliderThumb::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        OnButtonDown(lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_) OnDrag(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (another window, a menu): stop dragging.
        if (dragging_ && reinterpret_cast<HWND>(lParam) != window_) dragging_ = false;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

// ---- track ----

SliderTrack::SliderTrack() = default;

SliderTrack::~SliderTrack() {
    if (window_) DestroyWindow(window_);
}

bool SliderTrack::Create(const std::string& thumbPicturePath, int left, int top, int right, int bottom, HWND owner,
                         int id) {
    if (window_) return false;
    const UniqueBitmap probe(LoadMaskBitmap(thumbPicturePath));
    if (!probe) return false;
    const SIZE size = BitmapSize(probe.get());
    thumbPicturePath_ = thumbPicturePath;
    thumbWidth_ = size.cx;
    thumbHeight_ = size.cy;
    rect_ = {left, top, right, bottom};
    owner_ = owner;
    id_ = id;
    return RegisterAttachedClass<SliderTrack>(kTrackClass, CS_HREDRAW | CS_VREDRAW) &&
           CreateAttachedChild(this, kTrackClass, WS_VISIBLE, 0, rect_, owner, id) != nullptr;
}

void SliderTrack::SetBackground(const RECT& rect, HBITMAP sheet) {
    if (!window_) return;
    CropSkinImage(background_, sheet, rect.left, rect.top, rect.right, rect.bottom);
    InvalidateRect(window_, nullptr, FALSE);
}

void SliderTrack::SetRange(int minimum, int maximum) {
    range_.minimum = minimum;
    range_.maximum = maximum;
    thumb_.SetRange(minimum, maximum);
}

void SliderTrack::SetSnap(bool on) {
    range_.snap = on;
    thumb_.SetSnap(on);
}

void SliderTrack::SetValue(int value) {
    thumb_.SetValue(value);
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void SliderTrack::OnClick(LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(window_, owner_, &point, 1);
    const double raw = SliderClickRaw(range_, point.x, rect_.left, rect_.right);
    Trace("CclickHSlider=%f\n", raw);
    const int value = WholeSliderValue(range_, raw);
    thumb_.SetValue(value);
    PostMessageA(owner_, kSliderValueMessage, static_cast<WPARAM>(value), static_cast<LPARAM>(id_));
}

void SliderTrack::Paint() { PaintBuffered(window_, background_.get()); }

LRESULT SliderTrack::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        // The thumb travels the track's full width, centred on it vertically.
        const int width = rect_.right - rect_.left;
        const int top = (rect_.bottom - rect_.top - thumbHeight_) / 2;
        if (!thumb_.Create(window_, id_, thumbPicturePath_, 0, width, top)) return -1;
        thumb_.SetRange(range_.minimum, range_.maximum);
        thumb_.SetSnap(range_.snap);
        thumb_.SetDraggable(true);
        return 0;
    }
    case kSliderValueMessage:
        // From the thumb: pass on with the track's own id.
        PostMessageA(owner_, kSliderValueMessage, wParam, static_cast<LPARAM>(id_));
        return 0;
    case WM_LBUTTONUP:
        OnClick(lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (!mouseTracked_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
            mouseTracked_ = TrackMouseEvent(&track) != FALSE;
        }
        return 0;
    case WM_MOUSELEAVE:
        mouseTracked_ = false;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}
