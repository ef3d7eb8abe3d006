// Copying text into the fixed, zero-terminated character fields of the
// records: a text that does not fit is cut so the terminator always fits.
#pragma once

#include <cstring>
#include <string_view>

template <std::size_t N>
void SetFixedText(char (&field)[N], std::string_view text) {
    static_assert(N > 0);
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
}

// The text of a fixed field, up to its terminator or its end.
template <std::size_t N>
std::string_view FixedText(const char (&field)[N]) {
    const void* end = std::memchr(field, 0, N);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N};
}
