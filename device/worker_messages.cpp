#include "device/worker_messages.h"

std::unique_ptr<const ApplyRequest> SnapshotForApply(const SharedBlock& local, bool force) {
    const Profile* active = ActiveProfile(local);
    if (active == nullptr) return nullptr;
    // The flags of the profile being written, not those of profile 0.
    const int index = local.CurrentProfile;
    return std::make_unique<const ApplyRequest>(ApplyRequest{
        index, *active, local.PollingChanged[index] == 1, local.DpiStageChanged[index] == 1,
        local.SettingsChanged[index] == 1, force});
}
