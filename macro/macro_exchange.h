// Macro exchange files: a ".macros" file carries one group, a ".macro" file
// one macro. Imports do not resync buttons: a new macro is not yet assigned.
#pragma once

#include <optional>
#include <string>

#include "macro/macro_store.h"
#include "profile/library_exchange.h"

inline bool ExportMacroFolder(const MacroFolder& group, const std::string& path) {
    return ExportFolderFile(group, path, kMacroFormat);
}

// The new group's position; nullopt when the file cannot be read.
inline std::optional<int32_t> ImportMacroFolder(MacroStore& store, const std::string& path) {
    return ImportFolderFile(store, path, kMacroFormat);
}

inline bool ExportMacro(const Macro& macro, const std::string& path) { return ExportEntryFile(macro, path, kMacroFormat); }

// Into `group`, or into a new group "MacroFloder1" (made unique) when there
// is no such group. The new macro's position; nullopt when the file or its
// macro cannot be read.
inline std::optional<LibraryPosition> ImportMacro(MacroStore& store, int32_t group, const std::string& path) {
    return ImportEntryFile(store, group, path, kMacroFormat);
}
