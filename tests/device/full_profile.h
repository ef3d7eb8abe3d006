// A profile in which every one of the 32 button entries plays a pattern
// from a data slot, each as long as its record allows, so that all slots
// are in use and the longer encodings run past the end of their slot.
#pragma once

#include <cstring>

#include "device/slot_content.h"
#include "profile/button_code.h"
#include "profile/profile_defaults.h"

namespace full_profile {

// Entry n plays a macro, a gun or an advanced gun in turn; entry 19 is a gun.
inline ButtonCode KindOf(int n) {
    switch (n % 3) {
        case 0: return ButtonCode::Macro;
        case 1: return ButtonCode::FirePattern;
        default: return ButtonCode::AdvancedFirePattern;
    }
}

// A colour that tells the entries apart, 0x00BBGGRR.
inline uint32_t ColourOf(int n) {
    return static_cast<uint32_t>(n + 1) | (static_cast<uint32_t>(0x80 + n) << 8) |
           (static_cast<uint32_t>(0x40 + n) << 16);
}

inline void AssignMacro(ButtonFunction& b, int n) {
    SetCode(b, ButtonCode::Macro);
    b.MacroGroup = 0;
    b.MacroItem = n;
    b.ItemValue = 3;
    b.ItemCount = 50;
    // 50 events with pauses that need the four-byte form: 202 bytes in all.
    for (int i = 0; i < 50; ++i) {
        uint8_t* event = b.Payload + 4 * i;
        event[0] = static_cast<uint8_t>(0x04 + i % 26);
        event[1] = i % 2 == 0 ? 1 : 2;
        event[2] = 0x2C;  // 300 ms
        event[3] = 0x01;
    }
}

inline void AssignGun(ButtonFunction& b, int n) {
    SetCode(b, ButtonCode::FirePattern);
    b.GunGroup = 0;
    b.GunItem = n;
    b.ModeIndex = n % 3;
    b.ModeValue = 10 * n + 5;
    b.ItemValue = 1;
    b.ItemCount = 1;
    b.GunColor = ColourOf(n);
}

inline void AssignAdvancedGun(ButtonFunction& b, int n) {
    SetCode(b, ButtonCode::AdvancedFirePattern);
    b.AdvanceGunGroup = 0;
    b.AdvanceGunItem = n;
    b.RunMode = 1;
    b.ItemValue = 2;
    b.ItemCount = kGunStepCount;
    b.GunColor = ColourOf(n);
    // Eight moves with long pauses: twelve bytes each, 98 bytes in all.
    for (int i = 0; i < kGunStepCount; ++i) b.Steps[i] = GunStep{i + 1, -(i + 1), 400, {0, 0}};
}

// Fills `p` (any content) with the defaults of profile 0, then gives every
// entry a pattern.
inline void BuildFullProfile(Profile& p) {
    std::memset(&p, 0, sizeof(p));
    BuildDefaultProfile(p, 0, NoTexts());
    for (int n = 0; n < kButtonEntryCount; ++n) {
        ButtonFunction& b = p.MacroKeyInfo[n];
        std::memset(&b, 0, sizeof(b));
        b.Index = static_cast<uint8_t>(n);
        b.MacroGroup = b.MacroItem = b.GunGroup = b.GunItem = -1;
        b.AdvanceGunGroup = b.AdvanceGunItem = -1;
        switch (KindOf(n)) {
            case ButtonCode::Macro: AssignMacro(b, n); break;
            case ButtonCode::FirePattern: AssignGun(b, n); break;
            default: AssignAdvancedGun(b, n); break;
        }
    }
}

}  // namespace full_profile
