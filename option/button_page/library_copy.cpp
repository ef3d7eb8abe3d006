#include "option/button_page/library_copy.h"

#include <algorithm>

#include "profile/fixed_text.h"

// Counts are bounded by what the copy holds: a damaged library record must
// not make the mouse read past the events or steps of the entry.
void CopyMacro(const MacroCopy& macro, ButtonFunction& entry) {
    SetFixedText(entry.ItemName, macro.name);
    entry.ItemValue = macro.repeatCount;
    entry.ItemCount = static_cast<uint16_t>(std::clamp(macro.eventCount, 0, kMacroCopyEvents));
    std::ranges::copy(macro.events, entry.Payload);
}

void CopyAdvancedPattern(const PatternCopy& pattern, ButtonFunction& entry) {
    SetFixedText(entry.ItemName, pattern.name);
    entry.ItemValue = pattern.repeatCount;
    entry.ItemCount = static_cast<uint16_t>(std::clamp(pattern.stepCount, 0, kGunStepCount));
    std::ranges::copy(pattern.steps, entry.Steps);
    entry.GunColor = pattern.colour;
}

void CopyGun(const PatternCopy& gun, ButtonFunction& entry) {
    CopyAdvancedPattern(gun, entry);
    entry.ModeIndex = gun.modeIndex;
    // A mode outside the gun's three has no value.
    entry.ModeValue = gun.modeIndex >= 0 && gun.modeIndex < kGunModes ? gun.modeValues[gun.modeIndex] : 0;
    entry.GunAux = gun.aux;
}
