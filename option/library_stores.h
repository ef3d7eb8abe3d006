// Option's three libraries (macros, guns, advanced patterns) as the main
// window and the dialogs use them: loaded from and saved to the config
// folder under the profile-file lock, with the name look-ups the name
// dialog asks.
#pragma once

#include <string>

#include "gun/gun_store.h"
#include "macro/macro_store.h"
#include "option/option_stores.h"
#include "profile/file_lock.h"

// The names of one library, by the library's own comparison rules.
template <class Entry>
class LibraryNames final : public NamedStore {
public:
    explicit LibraryNames(const LibraryStore<Entry>& store) : store_(store) {}
    bool GroupExists(std::string_view name) const override { return LibraryFolderNameExists(store_, name); }
    bool ItemExists(int group, std::string_view name) const override {
        return LibraryEntryNameExists(store_, group, name);
    }

private:
    const LibraryStore<Entry>& store_;
};

class LibraryStores final : public OptionStores {
public:
    // `programFolder` ends with a backslash; the lock is the one every
    // program takes for the files of the config folder.
    LibraryStores(std::string programFolder, FileLock& lock);

    void Load() override;
    void SaveMacros() override;
    void Free() override;
    const NamedStore& Macros() const override { return macroNames_; }
    const NamedStore& Guns() const override { return gunNames_; }
    const NamedStore& AdvancedGuns() const override { return advancedNames_; }

    MacroStore& MacroLibrary() { return macros_; }
    GunStore& GunLibrary() { return guns_; }
    GunStore& AdvancedLibrary() { return advanced_; }

    // Each rewrites its file; false when it could not be written (the
    // previous file is then intact).
    bool SaveGuns();
    bool SaveAdvancedGuns();
    // Drops unsaved changes of the advanced patterns.
    void ReloadAdvancedGuns();

private:
    std::string folder_;
    FileLock& lock_;
    MacroStore macros_;
    GunStore guns_;
    GunStore advanced_;
    LibraryNames<Macro> macroNames_{macros_};
    LibraryNames<Gun> gunNames_{guns_};
    LibraryNames<Gun> advancedNames_{advanced_};
};
