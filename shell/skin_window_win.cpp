#include "shell/skin_window_win.h"

#include "shell/mask_region_win.h"
#include "shell/skin_picture_win.h"

SkinWindowBuilder::SkinWindowBuilder(HWND window, const SkinLayout& layout, SkinWindowPictures& keep)
    : layout_(layout), keep_(keep) {
    SIZE ignored{};
    LoadSkinPicture(layout.ScreenPicture("Mask"), keep.mask, ignored);
    // The Normal sheet is the background too: loaded once, kept by the window.
    LoadSkinPicture(layout.ScreenPicture("Normal"), keep.background, keep.size);
    const char* keys[3] = {"Over", "Down", "Disable"};
    for (int i = 0; i < 3; ++i) LoadSkinPicture(layout.ScreenPicture(keys[i]), sheets_[i], ignored);
    MoveWindow(window, 0, 0, keep.size.cx, keep.size.cy, TRUE);
}

bool ApplyWindowShape(HWND window, const SkinWindowPictures& pictures) {
    return ApplyMaskOutline(window, pictures.mask.get());
}
