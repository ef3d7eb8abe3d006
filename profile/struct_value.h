// The text form of a fixed binary record stored as an INI value: two
// uppercase hexadecimal digits per byte in memory order, then two more for a
// checksum byte (the sum of all bytes modulo 256).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

std::string EncodeStructValue(const void* data, std::size_t size);

// Decodes `text` into exactly `size` bytes. False, with `out` untouched, when
// the length is not 2 * size + 2, a character is not a hexadecimal digit
// (either case) or the checksum does not match.
bool DecodeStructValue(std::string_view text, void* out, std::size_t size);
