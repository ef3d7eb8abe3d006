// The four bytes the mouse keeps per button entry, by function code, before
// the per-code adjustments of the button encoder.
#pragma once

#include <array>
#include <cstdint>

using EntryBytes = std::array<uint8_t, 4>;

// Byte 0 selects how the mouse reads the other three bytes.
namespace entry_kind {
inline constexpr uint8_t kKeyCombination = 0x00;
inline constexpr uint8_t kMouseButton = 0x01;
inline constexpr uint8_t kConsumerUsage = 0x03;
inline constexpr uint8_t kEventWord = 0x06;
inline constexpr uint8_t kMacroSlot = 0x09;
inline constexpr uint8_t kPatternSlot = 0x0C;
}  // namespace entry_kind

// The default entry bytes of `code`; codes without a row give 00 00 00 00.
EntryBytes DefaultEntryBytes(uint8_t code);
