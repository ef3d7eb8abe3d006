#include "option/fire_button/fire_click_fields.h"

#include <algorithm>

#include "keys/key_combo.h"
#include "keys/key_name.h"
#include "shell/edit_filter.h"

namespace {

// Stores `typed` bounded to [low, high] into `value`; the text to show when
// the field's number differs from the stored one.
std::optional<std::string> Take(std::optional<int> typed, int low, int high, int32_t& value) {
    if (!typed) return std::nullopt;
    value = std::clamp(*typed, low, high);
    if (value == *typed) return std::nullopt;
    return std::to_string(value);
}

}  // namespace

FireClickFields::FireClickFields(const RepeatedClickValues& seed) : values_(seed) {}

std::string FireClickFields::CountText() const { return values_.count >= 0 ? std::to_string(values_.count) : ""; }

std::string FireClickFields::IntervalText() const {
    return values_.interval > 0 ? std::to_string(values_.interval) : "";
}

std::optional<std::string> FireClickFields::CountChanged(std::string_view text) {
    return Take(FieldNumber(text), 0, kFireCountMax, values_.count);
}

std::optional<std::string> FireClickFields::IntervalChanged(std::string_view text, bool focused) {
    const std::optional<int> typed = FieldNumber(text);
    if (!typed && focused) return std::nullopt;
    // A field left empty holds the smallest interval.
    return Take(typed ? typed : std::optional<int>(0), focused ? kFireIntervalTypedMin : kFireIntervalMin,
                kFireIntervalMax, values_.interval);
}

std::string_view FireClickFields::KeyText(MapVirtualKeyFunction map) const { return StoredKeyName(values_.key, map); }

std::string_view FireClickFields::KeyCaptured(uint32_t vk, MapVirtualKeyFunction map) {
    values_.key = static_cast<uint8_t>(VkToUsage(vk, map).value_or(0));
    return KeyName(vk);
}

RepeatedClickValues FireClickFields::Values() const {
    RepeatedClickValues values = values_;
    values.count = std::clamp(values.count, 0, kFireCountMax);
    values.interval = std::clamp(values.interval, kFireIntervalMin, kFireIntervalMax);
    return values;
}
