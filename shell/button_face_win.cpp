#include "shell/button_face_win.h"

#include "shell/gbk_font_win.h"

void ButtonFace::SetPictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable) {
    pictures_.Cut(window_, rect, normal, over, down, disable);
    if (window_) Repaint();
}

void ButtonFace::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    if (window_) Repaint();
}

void ButtonFace::SetTextColours(COLORREF normal, COLORREF over, COLORREF down, COLORREF disable) {
    colours_ = {normal, over, down, disable};
}

void ButtonFace::SetFont(int height, int width) {
    fontHeight_ = height;
    fontWidth_ = width;
}

void ButtonFace::WriteCaption(HDC memory, COLORREF colour,
                              const std::function<void(const char*, int)>& write) const {
    if (caption_.empty()) return;
    HFONT font = CreateCaptionFont(fontHeight_, fontWidth_);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, colour);
    write(caption_.c_str(), static_cast<int>(caption_.size()));
    SelectObject(memory, oldFont);
    DeleteObject(font);
}
