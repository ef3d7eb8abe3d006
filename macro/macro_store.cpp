#include "macro/macro_store.h"

#include <algorithm>
#include <cstring>

#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"
#include "profile/program_folder.h"

std::string MacroStorePath(std::string_view programFolder) {
    return PathInFolder(programFolder, "config\\sequence.dat");
}

void LoadMacroStore(MacroStore& store, const std::string& path, FileLock& lock) {
    LoadLibraryFile(store, path, lock, kMacroFormat);
}

bool SaveMacroStore(const MacroStore& store, const std::string& path, FileLock& lock) {
    return SaveLibraryFile(store, path, lock, kMacroFormat);
}

const MacroFolder* GroupAt(const MacroStore& store, int32_t group) { return FolderAt(store, group); }
MacroFolder* GroupAt(MacroStore& store, int32_t group) { return FolderAt(store, group); }
const Macro* MacroAt(const MacroStore& store, int32_t group, int32_t macro) { return EntryAt(store, group, macro); }
Macro* MacroAt(MacroStore& store, int32_t group, int32_t macro) { return EntryAt(store, group, macro); }

bool GroupNameExists(const MacroStore& store, std::string_view name) { return LibraryFolderNameExists(store, name); }

bool MacroNameExists(const MacroStore& store, int32_t group, std::string_view name) {
    return LibraryEntryNameExists(store, group, name);
}

LibraryPosition FindAssignedMacro(const MacroStore& store, const ButtonFunction& button) {
    return FindLibraryEntryByName(store, FixedText(button.GroupName), FixedText(button.ItemName), kButtonNameLimit);
}

void CopyMacroToButton(const Macro& macro, ButtonFunction& button) {
    // A damaged count never claims more events than the copy holds.
    button.ItemCount = static_cast<uint16_t>(std::clamp(macro.EventCount, 0, kMacroEventLimit));
    SetFixedText(button.ItemName, FitName(LibraryEntry<Macro>::Name(macro), kButtonNameLimit));
    static_assert(sizeof button.Payload == sizeof macro.Events);
    std::memcpy(button.Payload, macro.Events, sizeof button.Payload);
    button.ItemValue = macro.RepeatCount;
}

void ResyncAssignedMacros(const MacroStore& store, Profile (&profiles)[kProfileCount]) {
    for (Profile& profile : profiles) {
        for (int e = 0; e < kButtonEntryCount; ++e) {
            ButtonFunction& button = profile.MacroKeyInfo[e];
            if (CodeOf(button) != ButtonCode::Macro || FixedText(button.ItemName).empty()) continue;
            const LibraryPosition at = FindAssignedMacro(store, button);
            if (const Macro* macro = MacroAt(store, at.folder, at.entry))
                CopyMacroToButton(*macro, button);
            else
                ClearToDefaultFunction(button, e);
        }
    }
}
