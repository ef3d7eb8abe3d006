// Library files and exchange files of the macro and fire-pattern libraries.
//
// A library file lists the folder names under key "number" and keys "0",
// "1", ... of its index section; each folder has a section named by its
// trimmed name with "number" and the records "0", "1", ... as struct values.
// A folder exchange file holds one folder in one section ("Name",
// "number", records); an entry exchange file one record under key "0".
//
// On load, a record that is missing, of the wrong length or fails its
// checksum is skipped, and a count is never trusted beyond the lines the
// file has. Saves rewrite the file whole in one atomic replacement, so the
// old file stays intact until the new one is complete.
#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "profile/file_lock.h"
#include "profile/ini_document.h"
#include "profile/ini_file.h"
#include "profile/library_store.h"

inline constexpr std::string_view kLibraryCountKey = "number";
inline constexpr std::string_view kExchangeNameKey = "Name";

// Section names of one library's files.
struct LibraryFormat {
    std::string_view indexSection;   // library file: the folder list
    std::string_view folderSection;  // folder exchange file
    std::string_view entrySection;   // entry exchange file
    std::string_view newFolderName;  // folder made for an entry imported with no folder chosen
};

namespace library_detail {

inline std::string Key(std::size_t i) { return std::to_string(i); }

// A count read from `file`, never negative and never more than its lines.
inline std::size_t BoundedCount(const IniDocument& file, std::string_view section) {
    const int32_t count = file.GetInt(section, kLibraryCountKey, -1);
    if (count <= 0) return 0;
    return std::min(static_cast<std::size_t>(count), file.LineCount());
}

// The record of one key, or nullptr when it cannot be read.
template <class Entry>
std::unique_ptr<Entry> ReadEntry(const IniDocument& file, std::string_view section, std::string_view key) {
    auto entry = std::make_unique<Entry>();
    if (!file.GetStruct(section, key, entry.get(), sizeof(Entry))) return nullptr;
    FitEntryName(*entry);
    return entry;
}

template <class Entry>
void ReadEntries(const IniDocument& file, std::string_view section, LibraryFolder<Entry>& folder) {
    const std::size_t count = BoundedCount(file, section);
    for (std::size_t i = 0; i < count; ++i)
        if (auto entry = ReadEntry<Entry>(file, section, Key(i))) folder.Entries.push_back(std::move(entry));
}

template <class Entry>
void WriteEntries(IniDocument& file, std::string_view section, const LibraryFolder<Entry>& folder) {
    file.PutInt(section, kLibraryCountKey, static_cast<int32_t>(folder.Entries.size()));
    for (std::size_t i = 0; i < folder.Entries.size(); ++i)
        file.PutStruct(section, Key(i), folder.Entries[i].get(), sizeof(Entry));
}

template <class Entry>
std::string FolderName(std::string_view name) {
    return FitName(name, LibraryEntry<Entry>::kFolderNameLimit);
}

}  // namespace library_detail

// Replaces the store's contents with the library in `file`.
template <class Entry>
void LoadLibrary(LibraryStore<Entry>& store, const IniDocument& file, const LibraryFormat& format) {
    using namespace library_detail;
    store.Folders.clear();
    const std::size_t count = BoundedCount(file, format.indexSection);
    for (std::size_t i = 0; i < count; ++i) {
        const auto listed = file.Find(format.indexSection, Key(i));
        if (!listed) continue;
        // The section is named by the name as listed; the folder keeps it cut to fit.
        const std::string name = file.GetString(format.indexSection, Key(i), "");
        LibraryFolder<Entry> folder;
        folder.Name = FolderName<Entry>(name);
        folder.Count = file.GetInt(name, kLibraryCountKey, -1);
        ReadEntries(file, IniTrim(name), folder);
        store.Folders.push_back(std::move(folder));
    }
}

template <class Entry>
void SaveLibrary(const LibraryStore<Entry>& store, IniDocument& file, const LibraryFormat& format) {
    using namespace library_detail;
    file.PutInt(format.indexSection, kLibraryCountKey, static_cast<int32_t>(store.Folders.size()));
    for (std::size_t i = 0; i < store.Folders.size(); ++i)
        file.PutString(format.indexSection, Key(i), store.Folders[i].Name);
    for (const auto& folder : store.Folders) WriteEntries(file, IniTrim(folder.Name), folder);
}

// The library file at `path`; a missing file gives an empty store.
template <class Entry>
void LoadLibraryFile(LibraryStore<Entry>& store, const std::string& path, FileLock& lock,
                     const LibraryFormat& format) {
    LoadLibrary(store, IniFile(path, lock).Read(), format);
}

// Writes the whole store in one replacement of the file; false when it
// could not be written (the old file is then unchanged).
template <class Entry>
bool SaveLibraryFile(const LibraryStore<Entry>& store, const std::string& path, FileLock& lock,
                     const LibraryFormat& format) {
    IniEdit edit = IniFile(path, lock).Edit(/*fromEmpty=*/true);
    SaveLibrary(store, edit.Document(), format);
    return edit.Commit();
}
