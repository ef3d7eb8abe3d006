#include "gun/gun_edits.h"

#include <algorithm>

namespace {

constexpr int32_t kMaxModeValue = 100;
constexpr int32_t kMaxRepeatCount = 255;

}  // namespace

bool CanDeleteFolder(const GunStore& store, PatternLibrary library, int32_t folder) {
    return FindFolder(store, folder) && !(library == PatternLibrary::Advanced && folder == 0);
}

bool CanDeleteEntry(const GunStore& store, PatternLibrary library, int32_t folder, int32_t entry) {
    const int32_t protectedEntries = library == PatternLibrary::Gun ? 1 : 2;
    return FindEntry(store, folder, entry) && !(folder == 0 && entry < protectedEntries);
}

bool DeleteFolder(GunStore& store, PatternLibrary library, int32_t folder) {
    if (!CanDeleteFolder(store, library, folder)) return false;
    store.Folders.erase(store.Folders.begin() + folder);
    return true;
}

bool DeleteEntry(GunStore& store, PatternLibrary library, int32_t folder, int32_t entry) {
    if (!CanDeleteEntry(store, library, folder, entry)) return false;
    auto& entries = FindFolder(store, folder)->Entries;
    entries.erase(entries.begin() + entry);
    return true;
}

int32_t SetModeValue(Gun& entry, int32_t value) {
    value = std::clamp(value, 0, kMaxModeValue);
    if (!entry.ReadOnly && entry.ModeIndex >= 0 && entry.ModeIndex < kGunModeCount)
        entry.ModeValues[entry.ModeIndex] = value;
    return value;
}

int32_t SetRepeatCount(Gun& entry, int32_t value) {
    value = std::clamp(value, 1, kMaxRepeatCount);
    if (!entry.ReadOnly) entry.RepeatCount = value;
    return value;
}

void SetStepCount(Gun& entry, int32_t count) { entry.StepCount = std::clamp(count, 1, kGunStepCount); }

Gun LockedCopy(const Gun& entry) {
    Gun copy = entry;
    copy.ReadOnly = 1;
    return copy;
}
