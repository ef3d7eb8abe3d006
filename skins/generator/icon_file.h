// Windows icon (.ico) and cursor (.cur) files holding 32-bit images with
// an alpha channel and the matching 1-bit transparency mask.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

// One directory entry per image, in the order given (sizes up to 256).
std::vector<uint8_t> EncodeIcon(const std::vector<Image>& images);

// A single-image cursor whose hot spot is (hotX, hotY).
std::vector<uint8_t> EncodeCursor(const Image& image, int hotX, int hotY);
