// Reading the mouse's current profile and the DPI stage of each profile.
#pragma once

#include "device/clock.h"
#include "device/transport.h"
#include "device/worker_messages.h"
#include "profile/shared_block.h"

// Queries the current profile and the DPI stage of profiles 1..5. A query
// that fails, or whose reply is out of range (profile 1..5, stage 1..8),
// gives no value. Complete tells whether the fifth profile's query
// succeeded: only then is the state worth saving and announcing.
DeviceStateReading ReadDeviceState(Transport& transport, Clock& clock);

// Takes the values the mouse gave into `local` (the others stay) and clears
// all button-changed flags.
void StoreDeviceState(const DeviceStateReading& reading, SharedBlock& local);
