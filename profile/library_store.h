// The shape shared by the macro library and the two fire-pattern libraries:
// an ordered list of named folders, each owning an ordered list of fixed
// binary records. Folders and entries are addressed by their zero-based
// positions, which is how buttons and dialogs refer to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "profile/library_names.h"

// What the library code needs to know about a record type; each record
// type specialises it:
//   static constexpr std::size_t kNameLimit;        // characters of an entry name
//   static constexpr std::size_t kFolderNameLimit;  // characters of a folder name
//   static std::string_view Name(const Entry&);
//   static void SetName(Entry&, std::string_view);  // cut to kNameLimit
template <class Entry>
struct LibraryEntry;

template <class Entry>
struct LibraryFolder {
    std::string Name;   // as stored; at most kFolderNameLimit characters
    int32_t Count = 0;  // the entry count the file gave; Entries is authoritative
    // Each record is allocated on its own, so a reference to one stays valid
    // while others are added or removed.
    std::vector<std::unique_ptr<Entry>> Entries;
    bool Expanded = false;  // dialog state, never stored
};

template <class Entry>
struct LibraryStore {
    std::vector<LibraryFolder<Entry>> Folders;
};

// A folder and entry position; -1 where there is none.
struct LibraryPosition {
    int32_t folder = -1;
    int32_t entry = -1;
    friend bool operator==(const LibraryPosition&, const LibraryPosition&) = default;
};

template <class Store>
auto FolderAt(Store& store, int32_t folder) -> decltype(&store.Folders[0]) {
    if (folder < 0 || static_cast<std::size_t>(folder) >= store.Folders.size()) return nullptr;
    return &store.Folders[static_cast<std::size_t>(folder)];
}

template <class Store>
auto EntryAt(Store& store, int32_t folder, int32_t entry) -> decltype(store.Folders[0].Entries[0].get()) {
    const auto* f = FolderAt(store, folder);
    if (!f || entry < 0 || static_cast<std::size_t>(entry) >= f->Entries.size()) return nullptr;
    return f->Entries[static_cast<std::size_t>(entry)].get();
}

template <class Entry>
bool LibraryFolderNameExists(const LibraryStore<Entry>& store, std::string_view name) {
    for (const auto& folder : store.Folders)
        if (SameLibraryName(folder.Name, name)) return true;
    return false;
}

template <class Entry>
bool LibraryEntryNameExists(const LibraryStore<Entry>& store, int32_t folder, std::string_view name) {
    const auto* f = FolderAt(store, folder);
    if (!f) return false;
    for (const auto& entry : f->Entries)
        if (SameLibraryName(LibraryEntry<Entry>::Name(*entry), name)) return true;
    return false;
}

// The entry a button's copy came from, found by the folder and entry names
// the button holds (cut to the button's name fields of `copyLimit`
// characters, so a name that was cut when it was copied still matches).
// The search stops at the first folder of that name, even when the entry is
// not in it.
template <class Entry>
LibraryPosition FindLibraryEntryByName(const LibraryStore<Entry>& store, std::string_view folderName,
                                       std::string_view entryName, std::size_t copyLimit) {
    LibraryPosition found;
    for (std::size_t f = 0; f < store.Folders.size(); ++f) {
        const auto& folder = store.Folders[f];
        if (!SameLibraryName(FitName(folder.Name, copyLimit), folderName)) continue;
        found.folder = static_cast<int32_t>(f);
        for (std::size_t e = 0; e < folder.Entries.size(); ++e) {
            if (SameLibraryName(FitName(LibraryEntry<Entry>::Name(*folder.Entries[e]), copyLimit), entryName)) {
                found.entry = static_cast<int32_t>(e);
                break;
            }
        }
        break;
    }
    return found;
}

// A record read from a file may hold a name without a terminator in reach;
// such a name is cut to fit. Other records stay byte for byte as read.
template <class Entry>
void FitEntryName(Entry& entry) {
    using Traits = LibraryEntry<Entry>;
    if (Traits::Name(entry).size() <= Traits::kNameLimit) return;
    const std::string name(Traits::Name(entry));  // SetName clears the field it reads from
    Traits::SetName(entry, name);
}
