// Readable names of the HID usages that appear in button entries.
#pragma once

#include <cstdint>
#include <string>

namespace vmouse {

// Keyboard page (0x07) usage: "C", "F5", "Enter", ... or "key 0x87".
std::string KeyUsageName(uint8_t usage);
// Key-combination modifier bits as the mouse reads them (01 Ctrl, 02 Shift,
// 04 Alt, 08 Windows key), joined with '+': "Ctrl+Shift"; empty for none.
std::string ModifierNames(uint8_t bits);
// Mouse codes F0..F4: "left", "right", ...; others "code 0xNN".
std::string MouseButtonName(uint8_t code);
// Consumer page (0x0C) usage: "play/pause", ... or "usage 0x0123".
std::string ConsumerUsageName(uint16_t usage);

}  // namespace vmouse
