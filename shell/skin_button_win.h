// A shaped button with its own window class ("Rgn Button"): its outline comes
// from a mask file, it shows one of four cut pictures and an optional caption,
// tracks hover by capturing the mouse and reports clicks inside its outline
// to the parent with WM_COMMAND (id, code 0, button window).
#pragma once

#include <windows.h>

#include <string>

#include "shell/attached_window_win.h"
#include "shell/button_face_win.h"
#include "shell/button_look.h"
#include "shell/owned_handles_win.h"

class SkinButton : public ButtonFace {
public:
    SkinButton() : ButtonFace(kSkinButtonTextColours, 14, 6) {}
    ~SkinButton();
    SkinButton(const SkinButton&) = delete;
    SkinButton& operator=(const SkinButton&) = delete;

    // Full path of the outline mask; set it before Create.
    void SetMaskPath(std::string path) { maskPath_ = std::move(path); }
    // Creates the visible child at `rect` and gives it its outline. With
    // `outlineLater` the outline waits for ApplyOutline, or until the button
    // shows anything but its Normal face or meets the pointer: cut from the
    // background itself, the Normal face looks the same either way.
    bool Create(HWND parent, int id, const RECT& rect, bool outlineLater = false);
    void ApplyOutline();

    void SetToggleMode(bool on) { toggleMode_ = on; }
    void SetLatched(bool latched);
    void Enable(bool enabled);

    int State() const { return clicks_.State(); }
    bool Latched() const { return clicks_.Latched(); }
    // The picture the next repaint shows.
    ButtonPicture ShownPicture() const;

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM keys, POINT point);
    void OnPress(POINT point);
    void OnRelease(POINT point);
    void Paint();
    bool InsideOutline(POINT point) const;

    UniqueRegion hitRegion_;
    std::string maskPath_;
    bool outlinePending_ = false;
    SkinButtonClicks clicks_;
    bool toggleMode_ = false;
};
