// Loading skin pictures and cutting one control's picture out of a
// full-window sheet.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "shell/owned_handles_win.h"

// A pixel section decoded from the bytes of a picture file; nullptr when
// they hold no picture. The caller owns it.
HBITMAP DecodeSkinPicture(std::span<const uint8_t> file);

// Loads the picture file at `path` into `bitmap` (deleting what it held) and
// stores its size. A missing or undecodable file leaves `bitmap` empty and
// `size` zero and returns false.
bool LoadSkinPicture(const std::string& path, UniqueBitmap& bitmap, SIZE& size);

// Replaces `target` with a bitmap of the sheet's format holding the
// rectangle (left, top)-(right, bottom) of `sheet`. Does nothing when the
// sheet holds no bitmap.
void CropSkinImage(UniqueBitmap& target, HBITMAP sheet, int left, int top, int right, int bottom);

// The width and height of a bitmap, zero when there is none.
SIZE BitmapSize(HBITMAP bitmap);
