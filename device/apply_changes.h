// Writing the active profile to the mouse: the changed settings, then the
// whole button image.
#pragma once

#include <cstdint>

#include "device/clock.h"
#include "device/device_image.h"
#include "device/transport.h"
#include "device/worker_messages.h"

// Pause between the steps of an apply.
inline constexpr int kApplyStepPauseMs = 20;

// Sends the opening command, the polling-rate, DPI-stage and settings
// reports whose change flag is set (all three when forced), the button
// table, the slot colours, every used data slot and the closing command.
// `image` is cleared and refilled from the request's profile. Returns the
// colour option the settings block leaves behind (see BuildSettingsBlock).
uint32_t ApplyChangedSettings(Transport& transport, Clock& clock, const ApplyRequest& request,
                              DeviceImage& image);
