// The two ways a skin picture file becomes a pixel section: plain bitmap
// files straight from their rows, everything else through the platform's
// general picture decoder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "shell/owned_handles_win.h"

// A pixel section made from the rows of a plain (uncompressed 24- or 32-bit)
// bitmap file; nullptr for any other or a damaged file. The caller owns it.
HBITMAP DecodePlainBitmapFile(std::span<const uint8_t> file);

// Decodes the picture file held in `block` (a movable global block, freed
// here) with the platform's picture decoder into a pixel section; nullptr
// when it cannot. The caller owns the bitmap.
HBITMAP DecodeWithPictureLoader(UniqueGlobal block);
