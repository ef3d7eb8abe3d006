// Conversions between virtual keys and HID usages that follow the physical
// key under the active keyboard layout.
#pragma once

#include <cstdint>
#include <optional>

// The platform's MapVirtualKeyA, passed in so the rules can be tried on any
// layout. Map types used: 0 (virtual key to scan code) and 3 (scan code to
// virtual key, telling left from right).
using MapVirtualKeyFunction = uint32_t (*)(uint32_t code, uint32_t mapType);

inline constexpr uint32_t kMapVkToScan = 0;
inline constexpr uint32_t kMapScanToVkEx = 3;

// The usage stored for a pressed key, or nothing when the key has no row.
// Letters, digits, punctuation and F-keys (usages 4..69) are stored by their
// position: the usage of the US key at the same scan code.
std::optional<uint32_t> VkToUsage(uint32_t vk, MapVirtualKeyFunction map);

// The virtual key that shows a stored usage, or nothing when it has no row.
// Usages 4..69 name the key the active layout has at that position.
std::optional<uint32_t> UsageToVk(uint32_t usage, MapVirtualKeyFunction map);
