// What both skinned button kinds show on their window: four pictures cut
// from the window's state sheets and an optional caption with its colours,
// font and placement.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/button_look.h"
#include "shell/button_pictures_win.h"
#include "shell/owned_handles_win.h"

// Puts a caption (text, length) into the memory bitmap at the client rectangle.
using CaptionWriter = std::function<void(HDC memory, const RECT& client, const char* text, int length)>;

class ButtonFace {
public:
    ButtonFace(const ButtonFace&) = delete;
    ButtonFace& operator=(const ButtonFace&) = delete;

    void SetPictures(const RECT& rect, const StateSheets& sheets);
    void SetPictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    void SetCaption(std::string caption);
    void SetTextColours(COLORREF normal, COLORREF over, COLORREF down, COLORREF disable);
    void SetFont(int height, int width);
    void SetTextMode(int mode) { textMode_ = mode; }

    HWND Handle() const { return window_; }

protected:
    // The caption's colours and font until they are set.
    ButtonFace(const ButtonTextColours& colours, int fontHeight, int fontWidth)
        : colours_(colours), fontHeight_(fontHeight), fontWidth_(fontWidth) {}
    ~ButtonFace() = default;

    void Repaint() { InvalidateRect(window_, nullptr, FALSE); }
    const ButtonTextColours& TextColours() const { return colours_; }
    int TextMode() const { return textMode_; }
    // Paints `picture` onto `target` in one step; with a caption, through a
    // memory bitmap of the client size: `decorate` (optional) draws on the
    // picture, then `write` (optional) puts the caption, if there is one, in
    // the caption font, in `colour`, on a transparent background.
    void PaintFace(HDC target, ButtonPicture picture, COLORREF colour,
                   const std::function<void(HDC, const RECT&)>& decorate, const CaptionWriter& write);

    HWND window_ = nullptr;

private:
    ButtonPictures pictures_;
    UniqueFont font_;  // made at the first caption drawn after a font change
    std::string caption_;
    ButtonTextColours colours_;
    int fontHeight_;
    int fontWidth_;
    int textMode_ = 4;
};
