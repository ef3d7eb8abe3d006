#include "profile/struct_value.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The byte of two hexadecimal digits, or -1 when either is not one.
int HexByte(char high, char low) {
    const int h = HexValue(high);
    const int l = HexValue(low);
    return (h < 0 || l < 0) ? -1 : h * 16 + l;
}

}  // namespace

std::string EncodeStructValue(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::string text;
    text.reserve(size * 2 + 2);
    uint8_t sum = 0;
    auto put = [&text](uint8_t b) {
        text.push_back(kHexDigits[b >> 4]);
        text.push_back(kHexDigits[b & 0x0F]);
    };
    for (std::size_t i = 0; i < size; ++i) {
        put(bytes[i]);
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    put(sum);
    return text;
}

bool DecodeStructValue(std::string_view text, void* out, std::size_t size) {
    if (text.size() != size * 2 + 2) return false;
    std::vector<uint8_t> bytes(size);
    uint8_t sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const int b = HexByte(text[2 * i], text[2 * i + 1]);
        if (b < 0) return false;
        bytes[i] = static_cast<uint8_t>(b);
        sum = static_cast<uint8_t>(sum + b);
    }
    if (HexByte(text[2 * size], text[2 * size + 1]) != sum) return false;
    if (size > 0) std::memcpy(out, bytes.data(), size);
    return true;
}
