// Any bytes import as each pattern exchange kind without reading out of
// bounds: *.guns and *.advanceguns (one folder), *.gun, *.advancegun and
// the locked *.gun (one entry) share two layouts; imported names, with
// their suffixes, fit their fields.
#include <cstdint>
#include <cstdlib>

#include "gun/gun_edits.h"
#include "profile/library_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const IniDocument file = IniDocument::Parse({reinterpret_cast<const char*>(data), size});
    GunStore store;
    for (int i = 0; i < 2; ++i) {
        const int32_t folder = ImportFolderExchange(store, file, kGunFormat);
        ImportEntryExchange(store, folder, file, kGunFormat);
        ImportEntryExchange(store, -1, file, kGunFormat);
    }
    for (const GunFolder& folder : store.Folders) {
        if (folder.Name.size() > LibraryEntry<Gun>::kFolderNameLimit) std::abort();
        for (const auto& entry : folder.Entries) {
            if (LibraryEntry<Gun>::Name(*entry).size() > LibraryEntry<Gun>::kNameLimit) std::abort();
            // The dialogs' edits on whatever the file held.
            SetModeValue(*entry, 1000);
            SetRepeatCount(*entry, -1);
        }
    }
    IniDocument out;
    WriteFolderExchange(store.Folders[0], out, kGunFormat);
    if (const Gun* first = FindEntry(store, 0, 0)) WriteEntryExchange(LockedCopy(*first), out, kGunFormat);
    return 0;
}
