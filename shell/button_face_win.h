// What both skinned button kinds show on their window: four pictures cut
// from the window's state sheets and an optional caption with its colours,
// font and placement.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/button_look.h"
#include "shell/button_pictures_win.h"

class ButtonFace {
public:
    ButtonFace(const ButtonFace&) = delete;
    ButtonFace& operator=(const ButtonFace&) = delete;

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
    HBITMAP Picture(ButtonPicture which) const { return pictures_.Get(which); }
    const ButtonTextColours& TextColours() const { return colours_; }
    int TextMode() const { return textMode_; }
    // With a caption to show: selects the caption font, a transparent
    // background and `colour` into `memory`, lets `write` put the text
    // (caption, its length) and restores the font.
    void WriteCaption(HDC memory, COLORREF colour, const std::function<void(const char*, int)>& write) const;

    HWND window_ = nullptr;

private:
    ButtonPictures pictures_;
    std::string caption_;
    ButtonTextColours colours_;
    int fontHeight_;
    int fontWidth_;
    int textMode_ = 4;
};
