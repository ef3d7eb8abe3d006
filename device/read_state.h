// Reading the mouse's current profile and the DPI stage of each profile.
#pragma once

#include "device/clock.h"
#include "device/transport.h"
#include "profile/shared_block.h"

// Queries the current profile and the DPI stage of profiles 1..5 into
// `local` and clears all button-changed flags. A query that fails, or whose
// reply is out of range (profile 1..5, stage 1..8), leaves the stored value.
// Returns whether the fifth profile's query succeeded: only then is the
// state worth saving and announcing.
bool ReadDeviceState(Transport& transport, Clock& clock, SharedBlock& local);
