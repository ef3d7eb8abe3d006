// The block of shared memory through which Monitor and Option hand the five
// profiles to each other, and the change flags that tell Monitor what to send.
#pragma once

#include "profile/profile_record.h"

struct SharedBlock {
    int32_t CurrentProfile;  // 0..4, -1 = none loaded
    Profile Profiles[kProfileCount];
    int32_t MouseType;
    int32_t ButtonChanged[kProfileCount][kButtonEntryCount];
    uint8_t Unused[40];
    int32_t ProfileChanged;
    int32_t PollingChanged[kProfileCount];
    int32_t DpiStageChanged[kProfileCount];
    int32_t SettingsChanged[kProfileCount];
};

inline constexpr std::size_t kSharedBlockSize = 121012;

static_assert(sizeof(SharedBlock) == kSharedBlockSize);
static_assert(offsetof(SharedBlock, CurrentProfile) == 0);
static_assert(offsetof(SharedBlock, Profiles) == 4);
static_assert(offsetof(SharedBlock, MouseType) == 120264);
static_assert(offsetof(SharedBlock, ButtonChanged) == 120268);
static_assert(offsetof(SharedBlock, Unused) == 120908);
static_assert(offsetof(SharedBlock, ProfileChanged) == 120948);
static_assert(offsetof(SharedBlock, PollingChanged) == 120952);
static_assert(offsetof(SharedBlock, DpiStageChanged) == 120972);
static_assert(offsetof(SharedBlock, SettingsChanged) == 120992);

// What Option finds when it opens the block that Monitor created.
enum class BlockOpenResult {
    Opened,
    Missing,     // no block: Monitor is not running
    ViewFailed,  // the block exists but could not be mapped
};

// The profile a current-profile number selects, or nullptr when the number
// is outside 0..4 (a damaged config.ini must never index out of range).
inline Profile* ActiveProfile(SharedBlock& block) {
    const int32_t n = block.CurrentProfile;
    return (n >= 0 && n < kProfileCount) ? &block.Profiles[n] : nullptr;
}
inline const Profile* ActiveProfile(const SharedBlock& block) {
    const int32_t n = block.CurrentProfile;
    return (n >= 0 && n < kProfileCount) ? &block.Profiles[n] : nullptr;
}
