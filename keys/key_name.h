// The short English name the user sees for a virtual key (or mouse code).
#pragma once

#include <cstdint>
#include <string_view>

// The empty string for every code without a name. "Left" and "Right" name
// both the arrow keys and the mouse codes 0xF0/0xF1.
std::string_view KeyName(uint32_t vk);
