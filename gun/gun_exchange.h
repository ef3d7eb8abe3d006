// Pattern exchange files. Both libraries use the same two layouts: a folder
// file (*.guns, *.advanceguns) and a single-entry file (*.gun, *.advancegun,
// and the locked *.gun export).
#pragma once

#include <optional>
#include <string>

#include "gun/gun_edits.h"
#include "profile/library_exchange.h"

inline bool ExportPatternFolder(const GunFolder& folder, const std::string& path) {
    return ExportFolderFile(folder, path, kGunFormat);
}

// The new folder's position, renamed "%s_%d" when its name is taken;
// nullopt when the file cannot be read.
inline std::optional<int32_t> ImportPatternFolder(GunStore& store, const std::string& path) {
    return ImportFolderFile(store, path, kGunFormat);
}

inline bool ExportPattern(const Gun& entry, const std::string& path) { return ExportEntryFile(entry, path, kGunFormat); }

inline bool ExportLockedPattern(const Gun& entry, const std::string& path) {
    return ExportEntryFile(LockedCopy(entry), path, kGunFormat);
}

// Into `folder`, or into a new folder "GunFloder1" (made unique) when there
// is no such folder. The new entry's position; nullopt when the file or its
// entry cannot be read.
inline std::optional<LibraryPosition> ImportPattern(GunStore& store, int32_t folder, const std::string& path) {
    return ImportEntryFile(store, folder, path, kGunFormat);
}
