#include "shell/button_pictures_win.h"

void ButtonPictures::Cut(const RECT& rect, const StateSheets& sheets) {
    for (size_t i = 0; i < sheets.size(); ++i) sheets[i]->Cut(images_[i], rect);
}

void ButtonPictures::Cut(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable) {
    const SkinSheet sheets[4] = {SkinSheet(normal), SkinSheet(over), SkinSheet(down), SkinSheet(disable)};
    Cut(rect, {&sheets[0], &sheets[1], &sheets[2], &sheets[3]});
}
