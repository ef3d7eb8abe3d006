#include "shell/button_face_win.h"

#include "shell/gbk_font_win.h"

void ButtonFace::SetPictures(const RECT& rect, const StateSheets& sheets) {
    pictures_.Cut(rect, sheets);
    if (window_) Repaint();
}

void ButtonFace::SetPictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable) {
    pictures_.Cut(rect, normal, over, down, disable);
    if (window_) Repaint();
}

void ButtonFace::SetCaption(std::string caption) {
    if (caption == caption_) return;  // pages set every caption on each refresh
    caption_ = std::move(caption);
    if (window_) Repaint();
}

void ButtonFace::SetTextColours(COLORREF normal, COLORREF over, COLORREF down, COLORREF disable) {
    colours_ = {normal, over, down, disable};
}

void ButtonFace::SetFont(int height, int width) {
    if (height == fontHeight_ && width == fontWidth_) return;
    fontHeight_ = height;
    fontWidth_ = width;
    font_.reset();
}

void ButtonFace::PaintFace(HDC target, ButtonPicture picture, COLORREF colour,
                           const std::function<void(HDC, const RECT&)>& decorate, const CaptionWriter& write) {
    RECT client;
    GetClientRect(window_, &client);
    MemoryCanvas canvas(target, client);
    // No skin picture: a neutral face instead of whatever the buffer held.
    canvas.Fill(pictures_.Get(picture), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    if (decorate) decorate(canvas.Dc(), client);
    if (!caption_.empty() && write) {
        if (!font_) font_.reset(CreateCaptionFont(fontHeight_, fontWidth_));
        const SelectedObject font(canvas.Dc(), font_.get());
        SetBkMode(canvas.Dc(), TRANSPARENT);
        SetTextColor(canvas.Dc(), colour);
        write(canvas.Dc(), client, caption_.c_str(), static_cast<int>(caption_.size()));
    }
    canvas.Show();
}
