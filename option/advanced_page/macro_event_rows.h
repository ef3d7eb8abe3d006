// The event list of the macro editor: one row per event, and a value row
// below each event whose pause (or step amount) is not 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "keys/key_conversion.h"
#include "macro/macro_record.h"
#include "profile/text_source.h"

// Icon bitmap resources of event rows.
inline constexpr uint32_t kPressIcon = 0x8A;
inline constexpr uint32_t kReleaseIcon = 0x89;
inline constexpr uint32_t kMouseIcon = 0x92;
inline constexpr uint32_t kClockIcon = 0x87;

// Mouse buttons and step codes of macro events.
inline constexpr uint8_t kMouseLeftCode = 0xF0;
inline constexpr uint8_t kMouseForwardCode = 0xF4;
inline constexpr uint8_t kFirstStepCode = 0xF9;
inline constexpr uint8_t kLastStepCode = 0xFC;

struct EventRow {
    std::string text;
    uint32_t data;  // (event + 1) << 16 | icon
    bool operator==(const EventRow&) const = default;
};

inline int EventOfRowData(uint32_t data) { return static_cast<int>(data >> 16) - 1; }
inline bool IsValueRowData(uint32_t data) { return (data & 0xFFFF) == kClockIcon; }

// "%d ms", or for a step event "%d" and the step unit text.
std::string ValueText(const MacroEvent& event, const TextSource& texts);
EventRow ValueRow(int event, const MacroEvent& value, const TextSource& texts);

// The rows of the first `count` events; key names follow the active
// keyboard layout through `map`.
std::vector<EventRow> MacroEventRows(const MacroEvent* events, int count, const TextSource& texts,
                                     MapVirtualKeyFunction map);
