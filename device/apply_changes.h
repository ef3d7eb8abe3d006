// Writing the active profile to the mouse: the changed settings, then the
// whole button image.
#pragma once

#include "device/clock.h"
#include "device/device_image.h"
#include "device/transport.h"
#include "profile/shared_block.h"

// Pause between the steps of an apply.
inline constexpr int kApplyStepPauseMs = 20;

// Sends the opening command, the polling-rate, DPI-stage and settings
// reports whose change flag of the active profile is set (all three when
// `force`), the button table, the slot colours, every used data slot and the
// closing command. `image` is cleared and refilled from the active profile;
// the settings block may advance the profile's colour option in `local`.
// When the current-profile number selects no profile nothing is sent.
void ApplyChangedSettings(Transport& transport, Clock& clock, SharedBlock& local,
                          DeviceImage& image, bool force);
