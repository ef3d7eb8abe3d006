// How the private-profile functions turn stored INI text into the values a
// caller receives, reproduced so both programs read their files exactly as
// the platform functions would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Size of the value buffer of IniDocument::GetString, terminator included:
// longer values are cut to kIniStringBufferSize - 1 characters.
inline constexpr std::size_t kIniStringBufferSize = 2048;

// Blanks as the platform's INI reader sees them, including the DOS end-of-
// file mark that old editors leave behind.
bool IsIniBlank(char c);
// `text` without blanks at either end.
std::string_view IniTrim(std::string_view text);

// The text a string read returns for a stored value, given the caller's
// buffer size: cut at an embedded NUL, one pair of matching quotes (" or ')
// around the value removed, cut to bufferSize - 1 characters.
std::string IniReadValue(std::string_view stored, std::size_t bufferSize);

// Blanks as the platform's INI reader sees them, including the DOS end-of-
// file mark that old editors leave behind.
bool IsIniBlank(char c);
// `text` without blanks at either end.
std::string_view IniTrim(std::string_view text);

// The text a string read returns for the caller's default: trailing spaces
// removed, cut to bufferSize - 1 characters.
std::string IniReadDefault(std::string_view fallback, std::size_t bufferSize);

// The integer read of a value: `fallback` for empty text, otherwise leading
// control characters and blanks skipped, an optional sign, then digits up to
// the first other character, wrapping modulo 2^32. Digits are decimal unless
// a prefix "0x", "0o" or "0b" selects hexadecimal, octal or binary.
int32_t IniParseInt(std::string_view text, int32_t fallback);

// Integers are written as signed decimal ("%d").
std::string IniFormatInt(int32_t value);
