// Window and button outlines made from mask pictures.
#pragma once

#include <windows.h>

#include <string>

// White with no tolerance: the transparent colour every outline uses.
constexpr COLORREF kMaskTransparent = RGB(255, 255, 255);

// A region covering every pixel of `bitmap` whose colour lies outside
// [transparent, transparent + tolerance] (per channel). Returns nullptr when
// there is no bitmap or the region cannot be made.
HRGN MaskToRegion(HBITMAP bitmap, COLORREF transparent = kMaskTransparent, COLORREF tolerance = 0);

// Loads a mask file as a device-independent section; nullptr when missing.
HBITMAP LoadMaskBitmap(const std::string& path);

// Gives `window` the outline of `mask` (white transparent). The window owns
// the region afterwards. Returns false, leaving the window rectangular, when
// no region could be made.
bool ApplyMaskOutline(HWND window, HBITMAP mask);
