#include "profile/library_names.h"

#include "profile/ini_values.h"

namespace {

// A lead byte of a double-byte character in the programs' ANSI code page.
bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameLibraryName(std::string_view a, std::string_view b) {
    a = IniTrim(a);
    b = IniTrim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string FitName(std::string_view name, std::size_t limit) {
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(name[end])) && end + 1 < name.size() ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return std::string(name.substr(0, end));
}

std::string UniqueName(std::string_view name, std::size_t limit,
                       const std::function<bool(std::string_view)>& taken) {
    std::string candidate = FitName(name, limit);
    for (int n = 1; taken(candidate); ++n) {
        std::string suffix = "_";
        suffix += std::to_string(n);
        candidate = FitName(name, limit > suffix.size() ? limit - suffix.size() : 0) + suffix;
    }
    return candidate;
}
