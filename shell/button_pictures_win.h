// The four pictures a skinned button cuts out of its window's state sheets,
// and the double-buffered drawing they are shown with.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/button_look.h"

class ButtonPictures {
public:
    ButtonPictures() = default;
    ~ButtonPictures() { Clear(); }
    ButtonPictures(const ButtonPictures&) = delete;
    ButtonPictures& operator=(const ButtonPictures&) = delete;

    // Deletes the old pictures and cuts new ones at `rect` of each sheet.
    void Cut(HWND button, const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    void Clear();
    HBITMAP Get(ButtonPicture which) const { return images_[static_cast<int>(which)]; }

private:
    HBITMAP images_[4] = {};
};

// Draws into a memory bitmap of the client size, starting from `picture`,
// lets `decorate` draw on top, then copies the result to `target` in one step.
void DrawBuffered(HDC target, const RECT& client, HBITMAP picture, const std::function<void(HDC)>& decorate);
