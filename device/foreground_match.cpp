#include "device/foreground_match.h"

#include <algorithm>
#include <cctype>

#include "profile/fixed_text.h"
#include "profile/program_folder.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

int ProfileForProgram(const SharedBlock& block, std::string_view executable) {
    for (int index = 0; index < kProfileCount; ++index) {
        const std::string_view name = FileNameOfPath(Trimmed(FixedText(block.Profiles[index].GameFile)));
        if (!name.empty() && SameIgnoringCase(name, executable)) return index;
    }
    return -1;
}
