#include "option/advanced_page/macro_event_rows.h"

#include "keys/key_name.h"
#include "lan/string_ids.h"

namespace {

bool IsMouseButton(uint8_t code) { return code >= kMouseLeftCode && code <= kMouseForwardCode; }
bool IsStep(uint8_t code) { return code >= kFirstStepCode && code <= kLastStepCode; }

// Arrows for keys; mouse buttons and steps show the mouse.
uint32_t IconOf(const MacroEvent& event) {
    if (!IsMouseButton(event.Code) && event.Action == kMacroPress) return kPressIcon;
    if (!IsMouseButton(event.Code) && event.Action == kMacroRelease) return kReleaseIcon;
    return kMouseIcon;
}

std::string NameOf(const MacroEvent& event, MapVirtualKeyFunction map) {
    const auto vk = UsageToVk(event.Code, map);
    std::string name(vk ? KeyName(*vk) : std::string_view{});
    // "Left" and "Right" name arrow keys too: a mouse button says which way it went.
    if (IsMouseButton(event.Code)) name += event.Action == kMacroPress ? " Down" : " Up";
    return name;
}

uint32_t RowData(int event, uint32_t icon) { return static_cast<uint32_t>(event + 1) << 16 | icon; }

}  // namespace

std::string ValueText(const MacroEvent& event, const TextSource& texts) {
    std::string text = std::to_string(event.Value);
    return IsStep(event.Code) ? text + " " + texts.Text(str::kStepUnit) : text + " ms";
}

EventRow ValueRow(int event, const MacroEvent& value, const TextSource& texts) {
    return {ValueText(value, texts), RowData(event, kClockIcon)};
}

std::vector<EventRow> MacroEventRows(const MacroEvent* events, int count, const TextSource& texts,
                                     MapVirtualKeyFunction map) {
    std::vector<EventRow> rows;
    rows.reserve(static_cast<std::size_t>(count) * 2);
    for (int k = 0; k < count; ++k) {
        const MacroEvent& event = events[k];
        rows.push_back({NameOf(event, map), RowData(k, IconOf(event))});
        if (event.Value != 0) rows.push_back(ValueRow(k, event, texts));
    }
    return rows;
}
