#include "profile/ini_values.h"

#include <cstdio>

namespace {

// An integer read sees at most this much of the value, as the platform reads
// it through a small buffer before converting.
constexpr std::size_t kIntBufferSize = 30;

std::string_view CutAtNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// The value of a digit in bases up to 36; 36 or more for any other character.
uint32_t DigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'z') return static_cast<uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z') return static_cast<uint32_t>(c - 'A' + 10);
    return 36;
}

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(text.substr(0, bufferSize - 1));
}

}  // namespace

bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view IniTrim(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string IniReadValue(std::string_view stored, std::size_t bufferSize) {
    std::string_view value = CutAtNul(stored);
    const bool quoted = value.size() > 1 && (value[0] == '"' || value[0] == '\'') &&
                        value.back() == value[0];
    if (quoted) value.remove_prefix(1);
    std::string out = CutToBuffer(value, bufferSize);
    // The closing quote is dropped only when the whole value fitted.
    if (quoted && bufferSize >= value.size() && !out.empty()) out.pop_back();
    return out;
}

std::string IniReadDefault(std::string_view fallback, std::size_t bufferSize) {
    std::string_view value = CutAtNul(fallback);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    return CutToBuffer(value, bufferSize);
}

int32_t IniParseInt(std::string_view stored, int32_t fallback) {
    const std::string text = IniReadValue(stored, kIntBufferSize);
    if (text.empty()) return fallback;
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = text[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const uint32_t digit = DigitValue(text[i]);
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (negative) total = 0u - total;
    return static_cast<int32_t>(total);
}

std::string IniFormatInt(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}
