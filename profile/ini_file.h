// One INI file on disk. Reads see the file as it is now; a change is made
// through an IniEdit, which holds the shared file lock, starts from the
// file's current text, and writes the whole new text once: to a temporary
// file beside it that then replaces the original in one step, so a crash
// never leaves a half-written file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "profile/file_lock.h"
#include "profile/ini_document.h"

class IniEdit;

class IniFile {
public:
    IniFile(std::string path, FileLock& lock) : path_(std::move(path)), lock_(&lock) {}

    const std::string& Path() const { return path_; }

    // The current text, parsed; empty when the file is missing or unreadable.
    IniDocument Read() const;

    // Starts a batch of changes on the current text. With `fromEmpty` the
    // batch starts from an empty file instead (a store rewritten whole).
    IniEdit Edit(bool fromEmpty = false) const;

    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;
    bool GetStruct(std::string_view section, std::string_view key, void* buffer, std::size_t size) const;

    // Single changes, each one edit written at once; false when the file
    // could not be written.
    bool PutString(std::string_view section, std::string_view key, std::string_view value) const;
    bool PutInt(std::string_view section, std::string_view key, int32_t value) const;
    bool PutStruct(std::string_view section, std::string_view key, const void* data, std::size_t size) const;

private:
    std::string path_;
    FileLock* lock_;
};

// A batch of changes to one file, holding the file lock until it ends.
// Nothing reaches the disk until Commit().
class IniEdit {
public:
    IniEdit(IniEdit&&) = default;

    IniDocument& Document() { return document_; }
    void PutString(std::string_view section, std::string_view key, std::string_view value) {
        document_.PutString(section, key, value);
    }
    void PutInt(std::string_view section, std::string_view key, int32_t value) {
        document_.PutInt(section, key, value);
    }
    void PutStruct(std::string_view section, std::string_view key, const void* data, std::size_t size) {
        document_.PutStruct(section, key, data, size);
    }

    // Writes the new text; false (and the old file intact) on failure. A
    // text that did not change is not written again: saves of an unchanged
    // set cost only the reads.
    bool Commit();

private:
    friend class IniFile;
    IniEdit(const std::string& path, FileLock& lock, bool fromEmpty);

    FileLockGuard guard_;
    std::string path_;
    std::string original_;  // the file's text when the edit began
    bool existed_ = false;
    IniDocument document_;
};

// The file's bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` to a temporary file beside `path` and moves it over `path`.
// When the move is refused (another program holds the file open), the text
// is written over the file directly instead, so the change is not lost.
bool ReplaceFileText(const std::string& path, std::string_view text);
