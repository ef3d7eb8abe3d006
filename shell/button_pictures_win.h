// The four pictures a skinned button cuts out of its window's state sheets.
#pragma once

#include <windows.h>

#include "shell/button_look.h"
#include "shell/owned_handles_win.h"
#include "shell/skin_sheet_win.h"

class ButtonPictures {
public:
    // Deletes the old pictures and cuts new ones at `rect` of each sheet.
    void Cut(const RECT& rect, const StateSheets& sheets);
    void Cut(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    HBITMAP Get(ButtonPicture which) const { return images_[static_cast<int>(which)].get(); }

private:
    UniqueBitmap images_[4];
};
