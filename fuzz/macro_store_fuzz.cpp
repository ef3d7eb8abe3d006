// Any bytes load as config\sequence.dat without reading out of bounds:
// names fit their fields, damaged counts and records are bounded or
// skipped, and the loaded store saves and resyncs the buttons of a profile
// set that names its macros.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "macro/macro_store.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const IniDocument file = IniDocument::Parse({reinterpret_cast<const char*>(data), size});
    MacroStore store;
    LoadLibrary(store, file, kMacroFormat);
    std::size_t entries = 0;
    for (const MacroFolder& group : store.Folders) {
        if (group.Name.size() > kMacroNameLimit) std::abort();
        for (const auto& macro : group.Entries)
            if (LibraryEntry<Macro>::Name(*macro).size() > kMacroNameLimit) std::abort();
        entries += group.Entries.size();
    }
    if (store.Folders.size() > file.LineCount() || entries > file.LineCount()) std::abort();

    auto set = std::make_unique<SharedBlock>();
    BuildDefaultProfiles(*set, NoTexts());
    int e = 0;
    for (const MacroFolder& group : store.Folders) {
        for (const auto& macro : group.Entries) {
            ButtonFunction& b = set->Profiles[e % kProfileCount].MacroKeyInfo[e % kButtonEntryCount];
            b.Code = 16;
            SetFixedText(b.GroupName, FitName(group.Name, kButtonNameLimit));
            SetFixedText(b.ItemName, FitName(LibraryEntry<Macro>::Name(*macro), kButtonNameLimit));
            ++e;
        }
    }
    ResyncAssignedMacros(store, set->Profiles);
    for (const Profile& p : set->Profiles)
        for (const ButtonFunction& b : p.MacroKeyInfo)
            if (CodeOf(b) == ButtonCode::Macro && b.ItemCount > kMacroEventLimit) std::abort();

    IniDocument saved;
    SaveLibrary(store, saved, kMacroFormat);
    return 0;
}
