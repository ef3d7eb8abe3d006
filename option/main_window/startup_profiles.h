// Where the main window's profiles come from when it starts: Monitor's
// shared block when Monitor runs, else the profile files, else the defaults.
#pragma once

#include "option/main_window/monitor_link.h"
#include "option/main_window/profile_set_storage.h"
#include "profile/text_source.h"

enum class ProfileSource { SharedBlock, ProfileFiles, Defaults };

struct StartupProfiles {
    ProfileSource source;
    bool blockOpen;   // the block was opened (even when it could not be copied)
    bool viewFailed;  // the block exists but could not be mapped: tell the user once
};

// Fills `handedOver` from the first source that delivers. A block that is
// there but cannot be copied (its mutex cannot be taken) counts as absent,
// so the window never starts on an empty profile set.
StartupProfiles LoadStartupProfiles(SharedBlock& handedOver, MonitorLink& monitor, ProfileSetStorage& storage,
                                    const TextSource& texts);
