#include "bench/full_macro_store.h"

#include <cstring>
#include <memory>
#include <string>

MacroStore FullMacroStore() {
    MacroStore store;
    for (int g = 0; g < kFullStoreGroups; ++g) {
        MacroFolder group;
        group.Name = "Group " + std::to_string(g);
        for (int m = 0; m < kFullStoreMacrosPerGroup; ++m) {
            auto macro = std::make_unique<Macro>();
            std::memset(macro.get(), 0, sizeof *macro);
            LibraryEntry<Macro>::SetName(*macro, std::string(40, static_cast<char>('a' + m % 26)) + std::to_string(m));
            macro->RepeatCount = 1 + m;
            macro->EventCount = kMacroEventLimit;
            for (int e = 0; e < kMacroEventLimit; ++e)
                macro->Events[e] = {static_cast<uint8_t>(4 + e % 30), static_cast<uint8_t>(1 + e % 2),
                                    static_cast<uint16_t>(g * 100 + e)};
            group.Entries.push_back(std::move(macro));
        }
        store.Folders.push_back(std::move(group));
    }
    return store;
}
