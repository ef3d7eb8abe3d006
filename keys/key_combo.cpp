#include "keys/key_combo.h"

#include "keys/key_name.h"

std::string_view StoredKeyName(uint32_t usage, MapVirtualKeyFunction map) {
    return KeyName(UsageToVk(usage, map).value_or(0));
}

std::string KeyComboCaption(uint32_t usage, uint8_t modifiers, MapVirtualKeyFunction map) {
    static constexpr struct {
        uint8_t bit;
        const char* prefix;
    } kPrefixes[] = {{kModShift, "Shift+"}, {kModCtrl, "Ctrl+"}, {kModAlt, "Alt+"}, {kModWin, "Win+"}};
    std::string caption;
    if (!(modifiers & kKeyAlone))
        for (const auto& p : kPrefixes)
            if (modifiers & p.bit) caption += p.prefix;
    return caption += StoredKeyName(usage, map);
}
