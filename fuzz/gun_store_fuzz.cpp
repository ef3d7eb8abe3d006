// Any bytes load as config\Gun.dat or config\AdvanceGun.dat (one format)
// without reading out of bounds, and the loaded library refreshes the
// pattern buttons of a profile set that names its entries, whatever their
// step counts and modes.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "gun/gun_store.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const IniDocument file = IniDocument::Parse({reinterpret_cast<const char*>(data), size});
    GunStore store;
    LoadLibrary(store, file, kGunFormat);
    if (store.Folders.size() > file.LineCount()) std::abort();

    auto set = std::make_unique<SharedBlock>();
    BuildDefaultProfiles(*set, NoTexts());
    int n = 0;
    for (const GunFolder& folder : store.Folders) {
        if (folder.Name.size() > LibraryEntry<Gun>::kFolderNameLimit) std::abort();
        for (const auto& entry : folder.Entries) {
            if (LibraryEntry<Gun>::Name(*entry).size() > LibraryEntry<Gun>::kNameLimit) std::abort();
            ButtonFunction& b = set->Profiles[n % kProfileCount].MacroKeyInfo[16 + n % 16];
            b.Code = 105;
            b.ModeIndex = entry->ModeIndex;  // any value, as a damaged profile may hold
            SetFixedText(b.GroupName, folder.Name);
            SetFixedText(b.ItemName, LibraryEntry<Gun>::Name(*entry));
            FindButtonPattern(store, b);
            ++n;
        }
    }
    RefreshPatternButtons(set->Profiles, store);
    for (const Profile& p : set->Profiles)
        for (const ButtonFunction& b : p.MacroKeyInfo)
            if (CodeOf(b) == ButtonCode::AdvancedFirePattern && b.ItemCount > kGunStepCount) std::abort();

    IniDocument saved;
    SaveLibrary(store, saved, kGunFormat);
    return 0;
}
