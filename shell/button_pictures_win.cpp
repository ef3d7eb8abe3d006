#include "shell/button_pictures_win.h"

#include "shell/skin_picture_win.h"

void ButtonPictures::Cut(HWND button, const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down,
                         HBITMAP disable) {
    Clear();
    HDC reference = GetDC(button);
    const HBITMAP sheets[4] = {normal, over, down, disable};
    for (int i = 0; i < 4; ++i)
        CropSkinImage(reference, images_[i], sheets[i], rect.left, rect.top, rect.right, rect.bottom);
    ReleaseDC(button, reference);
}

void ButtonPictures::Clear() {
    for (HBITMAP& image : images_) DeleteGdiObject(image);
}

void DrawBuffered(HDC target, const RECT& client, HBITMAP picture, const std::function<void(HDC)>& decorate) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP buffer = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldBuffer = SelectObject(memory, buffer);
    if (picture) {
        HDC source = CreateCompatibleDC(target);
        HGDIOBJ oldPicture = SelectObject(source, picture);
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        SelectObject(source, oldPicture);
        DeleteDC(source);
    } else {
        // No skin picture: a neutral face instead of whatever the buffer held.
        FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    if (decorate) decorate(memory);
    BitBlt(target, client.left, client.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBuffer);
    DeleteObject(buffer);
    DeleteDC(memory);
}
