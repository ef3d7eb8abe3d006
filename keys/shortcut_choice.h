// What the shortcut dialog edits: one captured key and the five modifier
// toggles, and how a button entry takes the result.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "keys/key_conversion.h"
#include "profile/button_code.h"

// The toggles' captions, in toggle order.
inline constexpr const char* kShortcutToggleCaptions[] = {"Alone", "Shift", "Ctrl", "Alt", "Win"};

class ShortcutChoice {
public:
    // Toggle i stands for bit i of the modifier byte.
    enum Toggle { kAlone, kShift, kCtrl, kAlt, kWin, kToggleCount };

    // Seeded from a stored combination: the key's usage and toggle i = bit i.
    ShortcutChoice(uint8_t key, uint8_t modifiers);

    uint8_t Key() const { return key_; }
    bool IsOn(int toggle) const { return toggles_[toggle]; }
    void Set(int toggle, bool on) { toggles_[toggle] = on; }
    // While "key alone" is on the other four are disabled and keep their states.
    bool IsEnabled(int toggle) const { return toggle == kAlone || !toggles_[kAlone]; }

    // The key field's text when the dialog opens: the stored key's name
    // under the active layout.
    std::string_view KeyFieldText(MapVirtualKeyFunction map) const;

    // A press or release of `vk` (the last key touched wins). Returns the
    // key field's new text: the key's name, shown even for a key without a
    // usage, which leaves the key 0.
    std::string_view Capture(uint32_t vk, MapVirtualKeyFunction map);

    // The byte stored with the key: exactly kKeyAlone when that toggle is on.
    uint8_t ModifierByte() const;

private:
    uint8_t key_;
    std::array<bool, kToggleCount> toggles_{};
};

// Stores a confirmed choice in button entry `e` (ItemCount 1, the key and
// the modifier byte in Payload[0..1], ItemName cleared) and returns the
// function code the entry takes: the key combination, or the entry's
// default function when no key was captured.
ButtonCode StoreShortcut(ButtonFunction& entry, int e, const ShortcutChoice& choice);
