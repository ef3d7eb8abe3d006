// A horizontal slider made of two windows: a track showing a picture cut from
// its owner's sheet, and a shaped thumb that is dragged along it or jumps to
// a click. Every new value is posted to the owner as 0x446 (value, track id).
#pragma once

#include <windows.h>

#include <string>

#include "shell/attached_window_win.h"
#include "shell/owned_handles_win.h"
#include "shell/slider_math.h"

constexpr UINT kSliderValueMessage = 0x446;

class SliderThumb {
public:
    SliderThumb();
    ~SliderThumb();
    SliderThumb(const SliderThumb&) = delete;
    SliderThumb& operator=(const SliderThumb&) = delete;

    // Creates the thumb as a child of `track` with the picture's size and
    // gives it the picture's outline (every pixel coloured like the top-left
    // one is left out).
    bool Create(HWND track, int id, const std::string& picturePath, int trackLeft, int trackRight, int top);
    HWND Handle() const { return window_; }

    void SetRange(int minimum, int maximum);
    void SetSnap(bool on) { range_.snap = on; }
    void SetDraggable(bool on) { draggable_ = on; }
    // Clamps the value and moves the thumb to it.
    void SetValue(int value);
    int Value() const { return value_; }
    bool Dragging() const { return dragging_; }

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int Left() const;
    void MoveTo(int left);
    int ValueAt(int left) const;
    void Post(int value) const;
    void OnButtonDown(LPARAM lParam);
    void OnDrag(LPARAM lParam);
    void OnButtonUp();
    void Paint();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    UniqueBitmap picture_;
    int width_ = 0, height_ = 0;
    int trackLeft_ = 0, trackRight_ = 0, top_ = 0;
    SliderRange range_;
    int value_ = 0;
    int id_ = 0;
    bool draggable_ = true;
    bool dragging_ = false;
    int grabX_ = 0, grabY_ = 0;
};

class SliderTrack {
public:
    SliderTrack();
    ~SliderTrack();
    SliderTrack(const SliderTrack&) = delete;
    SliderTrack& operator=(const SliderTrack&) = delete;

    // Learns the thumb picture's size, then creates the track as a visible
    // child of `owner` at the rectangle (owner client coordinates) with its
    // thumb at the minimum. Creates nothing and returns false when the thumb
    // picture cannot be loaded.
    bool Create(const std::string& thumbPicturePath, int left, int top, int right, int bottom, HWND owner, int id);
    HWND Handle() const { return window_; }
    SliderThumb& Thumb() { return thumb_; }

    // Cuts the track's picture out of `sheet` at `rect`.
    void SetBackground(const RECT& rect, HBITMAP sheet);
    void SetRange(int minimum, int maximum);
    void SetSnap(bool on);
    void SetValue(int value);
    int Value() const { return thumb_.Value(); }

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClick(LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    int id_ = 0;
    RECT rect_{};
    UniqueBitmap background_;
    std::string thumbPicturePath_;
    int thumbWidth_ = 0, thumbHeight_ = 0;
    SliderRange range_;
    SliderThumb thumb_;
    bool mouseTracked_ = false;
};
