// Keyboard layouts standing in for the platform's MapVirtualKeyA, built from
// the physical rows of a PC keyboard (scan code set 1), not from the table
// under test.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace layouts {

using ScanToVk = std::map<uint32_t, uint32_t>;

inline void PlaceRow(ScanToVk& keys, uint32_t firstScan, const std::string& row) {
    for (char c : row) keys[firstScan++] = static_cast<unsigned char>(c);
}

inline ScanToVk UsKeys() {
    ScanToVk keys;
    PlaceRow(keys, 0x02, "1234567890");
    PlaceRow(keys, 0x10, "QWERTYUIOP");
    PlaceRow(keys, 0x1E, "ASDFGHJKL");
    PlaceRow(keys, 0x2C, "ZXCVBNM");
    for (uint32_t f = 0; f < 10; ++f) keys[0x3B + f] = 0x70 + f;
    const std::pair<uint32_t, uint32_t> others[] = {
        {0x01, 0x1B}, {0x0C, 0xBD}, {0x0D, 0xBB}, {0x0E, 0x08}, {0x0F, 0x09}, {0x1A, 0xDB}, {0x1B, 0xDD},
        {0x1C, 0x0D}, {0x1D, 0xA2}, {0x27, 0xBA}, {0x28, 0xDE}, {0x29, 0xC0}, {0x2A, 0xA0}, {0x2B, 0xDC},
        {0x33, 0xBC}, {0x34, 0xBE}, {0x35, 0xBF}, {0x36, 0xA1}, {0x38, 0xA4}, {0x39, 0x20}, {0x3A, 0x14},
        {0x57, 0x7A}, {0x58, 0x7B}, {0x47, 0x24}, {0x45, 0x90}};
    for (auto [scan, vk] : others) keys[scan] = vk;
    return keys;
}

// The US keys with A and Q, and W and Z, trading places.
inline ScanToVk SwappedKeys() {
    ScanToVk keys = UsKeys();
    std::swap(keys[0x10], keys[0x1E]);
    std::swap(keys[0x11], keys[0x2C]);
    return keys;
}

inline uint32_t Map(const ScanToVk& keys, uint32_t code, uint32_t type) {
    if (type == 3) {
        const auto found = keys.find(code);
        return found == keys.end() ? 0 : found->second;
    }
    for (auto [scan, vk] : keys)
        if (vk == code) return scan;
    return 0;
}

inline uint32_t Us(uint32_t code, uint32_t type) {
    static const ScanToVk keys = UsKeys();
    return Map(keys, code, type);
}

inline uint32_t Swapped(uint32_t code, uint32_t type) {
    static const ScanToVk keys = SwappedKeys();
    return Map(keys, code, type);
}

// A layout that knows no key at all.
inline uint32_t Empty(uint32_t, uint32_t) { return 0; }

}  // namespace layouts
