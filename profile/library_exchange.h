// Import and export of folder and entry exchange files (see library_file.h
// for their layout). Imported names that clash get "%s_%d" with the
// smallest free counter; unreadable records are skipped.
#pragma once

#include <optional>
#include <string>

#include "profile/library_file.h"

template <class Entry>
void WriteFolderExchange(const LibraryFolder<Entry>& folder, IniDocument& file, const LibraryFormat& format) {
    file.PutString(format.folderSection, kExchangeNameKey, folder.Name);
    library_detail::WriteEntries(file, format.folderSection, folder);
}

template <class Entry>
void WriteEntryExchange(const Entry& entry, IniDocument& file, const LibraryFormat& format) {
    file.PutStruct(format.entrySection, library_detail::Key(0), &entry, sizeof(Entry));
}

// Appends the folder of `file`, collapsed, renamed when its name is taken.
// Returns its position. Entry names inside it are taken as they are.
template <class Entry>
int32_t ImportFolderExchange(LibraryStore<Entry>& store, const IniDocument& file, const LibraryFormat& format) {
    LibraryFolder<Entry> folder;
    folder.Name = UniqueName(file.GetString(format.folderSection, kExchangeNameKey, ""),
                             LibraryEntry<Entry>::kFolderNameLimit,
                             [&store](std::string_view n) { return LibraryFolderNameExists(store, n); });
    folder.Count = file.GetInt(format.folderSection, kLibraryCountKey, -1);
    library_detail::ReadEntries(file, format.folderSection, folder);
    store.Folders.push_back(std::move(folder));
    return static_cast<int32_t>(store.Folders.size() - 1);
}

// Adds the entry of `file` to folder `target`, renamed when its name is
// taken there; with no such folder, to a new folder named after
// format.newFolderName (made unique). The folder is expanded so the new
// entry shows. Returns the entry's position, or nullopt (and no change)
// when the file holds no readable entry.
template <class Entry>
std::optional<LibraryPosition> ImportEntryExchange(LibraryStore<Entry>& store, int32_t target,
                                                   const IniDocument& file, const LibraryFormat& format) {
    using Traits = LibraryEntry<Entry>;
    auto entry = library_detail::ReadEntry<Entry>(file, format.entrySection, library_detail::Key(0));
    if (!entry) return std::nullopt;
    if (!FolderAt(store, target)) {
        LibraryFolder<Entry> folder;
        folder.Name = UniqueName(format.newFolderName, Traits::kFolderNameLimit,
                                 [&store](std::string_view n) { return LibraryFolderNameExists(store, n); });
        folder.Count = 1;
        store.Folders.push_back(std::move(folder));
        target = static_cast<int32_t>(store.Folders.size() - 1);
    } else if (LibraryEntryNameExists(store, target, Traits::Name(*entry))) {
        Traits::SetName(*entry, UniqueName(Traits::Name(*entry), Traits::kNameLimit, [&](std::string_view n) {
                            return LibraryEntryNameExists(store, target, n);
                        }));
    }
    auto& folder = store.Folders[static_cast<std::size_t>(target)];
    folder.Entries.push_back(std::move(entry));
    folder.Expanded = true;
    return LibraryPosition{target, static_cast<int32_t>(folder.Entries.size() - 1)};
}

// File-level forms. An export replaces the file in one step; an import of a
// file that cannot be opened changes nothing.
template <class Entry>
bool ExportFolderFile(const LibraryFolder<Entry>& folder, const std::string& path, const LibraryFormat& format) {
    InProcessFileLock lock;
    IniEdit edit = IniFile(path, lock).Edit(/*fromEmpty=*/true);
    WriteFolderExchange(folder, edit.Document(), format);
    return edit.Commit();
}

template <class Entry>
bool ExportEntryFile(const Entry& entry, const std::string& path, const LibraryFormat& format) {
    InProcessFileLock lock;
    IniEdit edit = IniFile(path, lock).Edit(/*fromEmpty=*/true);
    WriteEntryExchange(entry, edit.Document(), format);
    return edit.Commit();
}

template <class Entry>
std::optional<int32_t> ImportFolderFile(LibraryStore<Entry>& store, const std::string& path,
                                        const LibraryFormat& format) {
    std::string text;
    if (!ReadWholeFile(path, text)) return std::nullopt;
    return ImportFolderExchange(store, IniDocument::Parse(text), format);
}

template <class Entry>
std::optional<LibraryPosition> ImportEntryFile(LibraryStore<Entry>& store, int32_t target, const std::string& path,
                                               const LibraryFormat& format) {
    std::string text;
    if (!ReadWholeFile(path, text)) return std::nullopt;
    return ImportEntryExchange(store, target, IniDocument::Parse(text), format);
}
