#include "shell/button_pos.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "profile/fixed_text.h"

namespace {

// Reads one "%d" field: optional blanks, then a signed decimal number.
// Returns false (leaving `out` alone) when there is no number or it overflows.
bool ReadInt(std::string_view& rest, int32_t& out) {
    size_t i = 0;
    while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
    if (i < rest.size() && rest[i] == '+') ++i;
    const char* first = rest.data() + i;
    const char* last = rest.data() + rest.size();
    auto [end, ec] = std::from_chars(first, last, out);
    if (ec != std::errc()) return false;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
    return true;
}

int32_t ClampedSum(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + int64_t{b};
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}

}  // namespace

void ParseButtonPos(std::string_view value, ButtonPos& entry) {
    entry = ButtonPos{};
    const size_t comma = value.find(',');
    SetFixedText(entry.label, value.substr(0, comma));
    if (comma == std::string_view::npos) return;

    // left, top, width, height; numbers that are missing stay zero.
    int32_t fields[4] = {};
    std::string_view rest = value.substr(comma + 1);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (rest.empty() || rest.front() != ',') break;
            rest.remove_prefix(1);
        }
        if (!ReadInt(rest, fields[i])) break;
    }
    entry.rect.left = fields[0];
    entry.rect.top = fields[1];
    entry.rect.right = ClampedSum(fields[0], fields[2]);
    entry.rect.bottom = ClampedSum(fields[1], fields[3]);
}
