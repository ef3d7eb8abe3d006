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

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(text.substr(0, bufferSize - 1));
}

}  // namespace

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
    uint32_t total = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        total = total * 10u + static_cast<uint32_t>(text[i] - '0');
    if (negative) total = 0u - total;
    return static_cast<int32_t>(total);
}

std::string IniFormatInt(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}
