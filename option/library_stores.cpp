#include "option/library_stores.h"

#include <utility>

LibraryStores::LibraryStores(std::string programFolder, FileLock& lock)
    : folder_(std::move(programFolder)), lock_(lock) {}

void LibraryStores::Load() {
    LoadMacroStore(macros_, MacroStorePath(folder_), lock_);
    LoadGunStore(guns_, GunLibraryPath(folder_), lock_);
    LoadGunStore(advanced_, AdvanceGunLibraryPath(folder_), lock_);
}

void LibraryStores::SaveMacros() { SaveMacroStore(macros_, MacroStorePath(folder_), lock_); }

void LibraryStores::Free() {
    macros_ = {};
    guns_ = {};
    advanced_ = {};
}

bool LibraryStores::SaveGuns() { return SaveGunStore(guns_, GunLibraryPath(folder_), lock_); }

bool LibraryStores::SaveAdvancedGuns() { return SaveGunStore(advanced_, AdvanceGunLibraryPath(folder_), lock_); }

void LibraryStores::ReloadAdvancedGuns() { LoadGunStore(advanced_, AdvanceGunLibraryPath(folder_), lock_); }
