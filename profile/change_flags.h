// The change flags of an apply: which settings Monitor must send to the
// mouse, found by comparing the edited profiles with those last handed over.
#pragma once

#include "profile/profile_record.h"
#include "profile/shared_block.h"

// True when a setting that the mouse's settings command carries differs.
bool SettingsDiffer(const Profile& edited, const Profile& handedOver);

// Sets the polling, DPI-stage, settings and profile-changed flags of
// `edited` from its differences to `handedOver`, profile by profile.
void ComputeChangeFlags(SharedBlock& edited, const SharedBlock& handedOver);

// After the block was handed over: clears the change flags and the
// button-changed flags of the first bank (entries 0..15) of every profile.
// The second bank keeps its flags.
void ClearAppliedFlags(SharedBlock& edited);
