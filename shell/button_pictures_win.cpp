#include "shell/button_pictures_win.h"

#include "shell/skin_picture_win.h"

void ButtonPictures::Cut(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable) {
    for (UniqueBitmap& image : images_) image.reset();
    const HBITMAP sheets[4] = {normal, over, down, disable};
    for (int i = 0; i < 4; ++i)
        CropSkinImage(images_[i], sheets[i], rect.left, rect.top, rect.right, rect.bottom);
}
