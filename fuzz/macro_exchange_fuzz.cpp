// Any bytes import as a ".macros" and as a ".macro" file without reading
// out of bounds; imported names, with their suffixes, fit their fields.
#include <cstdint>
#include <cstdlib>

#include "macro/macro_store.h"
#include "profile/library_exchange.h"

namespace {

void CheckNames(const MacroStore& store) {
    for (const MacroFolder& group : store.Folders) {
        if (group.Name.size() > kMacroNameLimit) std::abort();
        for (const auto& macro : group.Entries)
            if (LibraryEntry<Macro>::Name(*macro).size() > kMacroNameLimit) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const IniDocument file = IniDocument::Parse({reinterpret_cast<const char*>(data), size});
    MacroStore store;
    // Twice each, so the second import meets the names of the first.
    for (int i = 0; i < 2; ++i) {
        const int32_t group = ImportFolderExchange(store, file, kMacroFormat);
        ImportEntryExchange(store, group, file, kMacroFormat);
        ImportEntryExchange(store, -1, file, kMacroFormat);
    }
    CheckNames(store);
    IniDocument out;
    WriteFolderExchange(store.Folders[0], out, kMacroFormat);
    return 0;
}
