#include "keys/shortcut_choice.h"

#include <cstring>

#include "keys/key_combo.h"
#include "keys/key_name.h"
#include "profile/profile_defaults.h"

ShortcutChoice::ShortcutChoice(uint8_t key, uint8_t modifiers) : key_(key) {
    for (int i = 0; i < kToggleCount; ++i) toggles_[i] = (modifiers >> i) & 1;
}

std::string_view ShortcutChoice::KeyFieldText(MapVirtualKeyFunction map) const {
    return StoredKeyName(key_, map);
}

std::string_view ShortcutChoice::Capture(uint32_t vk, MapVirtualKeyFunction map) {
    key_ = static_cast<uint8_t>(VkToUsage(vk, map).value_or(0));
    return KeyName(vk);
}

uint8_t ShortcutChoice::ModifierByte() const {
    uint8_t bits = 0;
    for (int i = 0; i < kToggleCount; ++i) {
        if (!toggles_[i]) continue;
        bits |= static_cast<uint8_t>(1u << i);
        if (i == kAlone) break;
    }
    return bits;
}

ButtonCode StoreShortcut(ButtonFunction& entry, int e, const ShortcutChoice& choice) {
    entry.ItemCount = 1;
    entry.Payload[0] = choice.Key();
    entry.Payload[1] = choice.ModifierByte();
    std::memset(entry.ItemName, 0, sizeof entry.ItemName);
    return choice.Key() != 0 ? ButtonCode::KeyCombination : DefaultButtonCode(e);
}
