// The one table that links Windows virtual keys, HID keyboard usages (page
// 0x07, plus the mouse codes 0xF0..0xF8) and PC/AT set 1 scan codes.
#pragma once

#include <array>
#include <cstdint>

struct KeyCodeRow {
    uint32_t vk;
    uint32_t usage;
    uint32_t scan;  // 0 for every usage from 0x46 up: those keys are never refined by position
};

// Rows in ascending usage order, except keypad 7 before keypad 6. Lookups
// scan in this order and take the first match.
extern const std::array<KeyCodeRow, 111> KeyCodeTable;
