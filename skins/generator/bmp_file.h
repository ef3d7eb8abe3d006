// Uncompressed 24-bit Windows bitmaps, the only picture format the skin
// loader and the list icons need.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image.h"

// Encodes `image` as a bottom-up 24-bit .bmp; alpha is ignored, so the
// image must already be opaque.
std::vector<uint8_t> EncodeBmp24(const Image& image);

// Decodes a 24-bit uncompressed .bmp (bottom-up or top-down); nothing
// for any other kind of file.
std::optional<Image> DecodeBmp24(const std::vector<uint8_t>& bytes);

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
