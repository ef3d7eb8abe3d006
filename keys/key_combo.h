// The modifier byte of a key combination and its caption.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_conversion.h"

// Bits of the modifier byte stored after the key's usage. With kKeyAlone set
// no modifier applies, whatever the other bits hold.
enum ModifierBit : uint8_t {
    kKeyAlone = 0x01,
    kModShift = 0x02,
    kModCtrl = 0x04,
    kModAlt = 0x08,
    kModWin = 0x10,
};

// The name shown for a stored usage: that of the key the active layout has
// at the usage's position; empty for a usage without a row.
std::string_view StoredKeyName(uint32_t usage, MapVirtualKeyFunction map);

// "Shift+Ctrl+A" for usage 0x04 with Shift and Ctrl; the key's name alone
// when kKeyAlone is set.
std::string KeyComboCaption(uint32_t usage, uint8_t modifiers, MapVirtualKeyFunction map);
