#include "shell/skin_window_win.h"

#include "shell/mask_region_win.h"
#include "shell/skin_picture_win.h"

SkinWindowBuilder::SkinWindowBuilder(HWND window, const SkinLayout& layout, SkinWindowPictures& keep)
    : layout_(layout), keep_(keep) {
    keep.outline.reset(MaskFileToRegion(layout.ScreenPicture("Mask")));
    // The Normal sheet is the background too: loaded once, kept by the window.
    sheets_[0] = SkinSheet::FromFile(layout.ScreenPicture("Normal"));
    keep.background = sheets_[0].TakeBitmap();
    keep.size = BitmapSize(keep.background.get());
    const char* keys[3] = {"Over", "Down", "Disable"};
    for (int i = 0; i < 3; ++i) sheets_[i + 1] = SkinSheet::FromFile(layout.ScreenPicture(keys[i]));
    MoveWindow(window, 0, 0, keep.size.cx, keep.size.cy, TRUE);
}

bool ApplyWindowShape(HWND window, SkinWindowPictures& pictures) {
    return GiveWindowRegion(window, std::move(pictures.outline));
}

void ShowSkinWindow(HWND window) {
    const bool child = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_DEFERERASE |
                     (child ? SWP_NOZORDER | SWP_NOACTIVATE : 0));
}
