#include "option/main_window/startup_profiles.h"

#include "profile/profile_defaults.h"

StartupProfiles LoadStartupProfiles(SharedBlock& handedOver, MonitorLink& monitor, ProfileSetStorage& storage,
                                    const TextSource& texts) {
    ResetSharedProfiles(handedOver);
    const BlockOpenResult opened = monitor.OpenBlock();
    const bool open = opened == BlockOpenResult::Opened;
    const bool viewFailed = opened == BlockOpenResult::ViewFailed;
    if (open && monitor.CopyIn(handedOver)) return {ProfileSource::SharedBlock, true, false};
    if (storage.LoadProfiles(handedOver)) return {ProfileSource::ProfileFiles, open, viewFailed};
    // The defaults are built on a cleared set, whatever a failed load left.
    ResetSharedProfiles(handedOver);
    BuildDefaultProfiles(handedOver, texts);
    return {ProfileSource::Defaults, open, viewFailed};
}
