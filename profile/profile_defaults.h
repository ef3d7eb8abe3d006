// Default values of a new profile and of a fresh profile set.
#pragma once

#include <cstdint>

#include "profile/button_code.h"
#include "profile/shared_block.h"
#include "profile/text_source.h"

// Default function code of each of the 32 button entries.
extern const uint8_t kDefaultButtonCodes[kButtonEntryCount];
inline ButtonCode DefaultButtonCode(int entry) { return static_cast<ButtonCode>(kDefaultButtonCodes[entry]); }

// The language string that names the preset fire pattern of entry 19.
inline constexpr int kPresetGunNameString = 362;  // str::kPresetGunName

// Clears the block: current profile -1, profiles, flags and all else zero.
void ResetSharedProfiles(SharedBlock& block);

// Fills profile n (0..4) with its defaults. Fields whose default is 0 and
// that the defaults do not list are left as they are: pass a zeroed record.
void BuildDefaultProfile(Profile& profile, int n, const TextSource& texts);

// Current profile 0 and the defaults for all five profiles.
void BuildDefaultProfiles(SharedBlock& block, const TextSource& texts);

// Returns entry `e` of `profile` to its plain default function (used by
// restore-defaults and when an assigned macro or pattern disappears).
void ClearToDefaultFunction(ButtonFunction& entry, int e);
