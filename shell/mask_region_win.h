// Window and button outlines made from mask pictures.
#pragma once

#include <windows.h>

#include <string>

#include "shell/owned_handles_win.h"

// White with no tolerance: the transparent colour every outline uses.
constexpr COLORREF kMaskTransparent = RGB(255, 255, 255);

// A region covering every pixel of `bitmap` whose colour lies outside
// [transparent, transparent + tolerance] (per channel). Returns nullptr when
// there is no bitmap or the region cannot be made. The caller owns it.
HRGN MaskToRegion(HBITMAP bitmap, COLORREF transparent = kMaskTransparent, COLORREF tolerance = 0);

// The outline of the mask picture file at `path` (white transparent), read
// straight from its rows when it is a plain bitmap; nullptr when there is
// no such picture or the region cannot be made. The caller owns it.
HRGN MaskFileToRegion(const std::string& path);

// Loads a mask file as a pixel section, owned by the caller; nullptr when
// missing.
HBITMAP LoadMaskBitmap(const std::string& path);

// Hands `region` to `window` (redrawing), which owns it from then on; false
// when there is none or the window refuses it.
bool GiveWindowRegion(HWND window, UniqueRegion region);

// Gives `window` the outline of `mask` (white transparent). The window owns
// the region afterwards. Returns false, leaving the window rectangular, when
// no region could be made.
bool ApplyMaskOutline(HWND window, HBITMAP mask);
