#include "gun/gun_store.h"

#include <algorithm>
#include <cstring>

#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"
#include "profile/program_folder.h"

namespace {


// Steps in use, bounded by the steps a record holds.
int StepsInUse(int32_t count) { return std::clamp(count, 0, kGunStepCount); }

}  // namespace

void CopyPatternToButton(const Gun& entry, ButtonFunction& button) {
    button.ItemCount = static_cast<uint16_t>(StepsInUse(entry.StepCount));
    button.ItemValue = entry.RepeatCount;
    SetFixedText(button.ItemName, FitName(LibraryEntry<Gun>::Name(entry), kButtonNameLimit));
    std::memcpy(button.Steps, entry.Steps, sizeof button.Steps);
    // A button's mode outside the entry's modes has no value.
    const bool knownMode = button.ModeIndex >= 0 && button.ModeIndex < kGunModeCount;
    button.ModeValue = knownMode ? entry.ModeValues[button.ModeIndex] : 0;
    button.GunAux = entry.Aux;
    button.GunColor = entry.Color;
}

std::string GunLibraryPath(std::string_view programFolder) { return PathInFolder(programFolder, "config\\Gun.dat"); }

std::string AdvanceGunLibraryPath(std::string_view programFolder) {
    return PathInFolder(programFolder, "config\\AdvanceGun.dat");
}

void LoadGunStore(GunStore& store, const std::string& path, FileLock& lock) {
    LoadLibraryFile(store, path, lock, kGunFormat);
}

bool SaveGunStore(const GunStore& store, const std::string& path, FileLock& lock) {
    return SaveLibraryFile(store, path, lock, kGunFormat);
}

const GunFolder* FindFolder(const GunStore& store, int32_t folder) { return FolderAt(store, folder); }
GunFolder* FindFolder(GunStore& store, int32_t folder) { return FolderAt(store, folder); }
const Gun* FindEntry(const GunStore& store, int32_t folder, int32_t entry) { return EntryAt(store, folder, entry); }
Gun* FindEntry(GunStore& store, int32_t folder, int32_t entry) { return EntryAt(store, folder, entry); }

bool FolderNameExists(const GunStore& store, std::string_view name) { return LibraryFolderNameExists(store, name); }

bool EntryNameExists(const GunStore& store, int32_t folder, std::string_view name) {
    return LibraryEntryNameExists(store, folder, name);
}

PatternMatch FindButtonPattern(const GunStore& store, const ButtonFunction& button) {
    PatternMatch match;
    match.position =
        FindLibraryEntryByName(store, FixedText(button.GroupName), FixedText(button.ItemName), kButtonNameLimit);
    const Gun* entry = FindEntry(store, match.position.folder, match.position.entry);
    if (!entry) return match;
    match.found = true;
    const int steps = StepsInUse(entry->StepCount);
    match.same = entry->StepCount == button.ItemCount &&
                 std::memcmp(entry->Steps, button.Steps, sizeof(GunStep) * static_cast<std::size_t>(steps)) == 0;
    return match;
}

void RefreshPatternButtons(Profile (&profiles)[kProfileCount], const GunStore& store) {
    for (Profile& profile : profiles) {
        for (int e = kBankEntryCount; e < kButtonEntryCount; ++e) {
            ButtonFunction& button = profile.MacroKeyInfo[e];
            if (CodeOf(button) != ButtonCode::AdvancedFirePattern || FixedText(button.ItemName).empty()) continue;
            const PatternMatch match = FindButtonPattern(store, button);
            if (match.found)
                CopyPatternToButton(*FindEntry(store, match.position.folder, match.position.entry), button);
            else
                ClearToDefaultFunction(button, e);
        }
    }
}
