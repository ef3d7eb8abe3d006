#include "shell/edit_filter.h"

#include <algorithm>

namespace {

// Virtual-key codes, spelled out here so the rule stays free of <windows.h>.
constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkEnd = 0x23;
constexpr unsigned kVkHome = 0x24;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDelete = 0x2E;
constexpr unsigned kVk0 = 0x30;
constexpr unsigned kVk9 = 0x39;
constexpr unsigned kVkNumpad0 = 0x60;
constexpr unsigned kVkNumpad9 = 0x69;
constexpr unsigned kVkOemPlus = 0xBB;
constexpr unsigned kVkOemMinus = 0xBD;

}  // namespace

bool IsNumericEditKey(unsigned vk) {
    if ((vk >= kVk0 && vk <= kVk9) || (vk >= kVkNumpad0 && vk <= kVkNumpad9)) return true;
    switch (vk) {
    case kVkReturn:
    case kVkLeft:
    case kVkRight:
    case kVkHome:
    case kVkEnd:
    case kVkBack:
    case kVkDelete:
    case kVkOemMinus:
    case kVkOemPlus:
        return true;
    default:
        return false;
    }
}

bool IsNumericEditChar(unsigned c, bool allowSign) {
    if (c < 0x20) return true;
    if (c >= '0' && c <= '9') return true;
    return allowSign && (c == '-' || c == '+');
}

std::string LeadingNumericRun(std::string_view text, bool allowSign) {
    const std::string_view allowed = allowSign ? "0123456789-+" : "0123456789";
    const std::size_t end = text.find_first_not_of(allowed);
    return std::string(text.substr(0, end));
}

std::optional<int> FieldNumber(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), 100000);
    }
    return value;
}
