#include "profile/ini_file.h"

#include <cstdio>

#include "profile/move_over.h"

namespace {

bool WriteWholeFile(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool flushed = std::fflush(file) == 0;
    return (std::fclose(file) == 0) && written && flushed;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool ReplaceFileText(const std::string& path, std::string_view text) {
    const std::string temporary = path + ".tmp";
    if (WriteWholeFile(temporary, text)) {
        if (MoveFileOver(temporary, path)) return true;
        std::remove(temporary.c_str());
    }
    return WriteWholeFile(path, text);
}

IniDocument IniFile::Read() const {
    FileLockGuard guard(*lock_);
    std::string text;
    ReadWholeFile(path_, text);
    return IniDocument::Parse(text);
}

IniEdit IniFile::Edit(bool fromEmpty) const { return IniEdit(path_, *lock_, fromEmpty); }

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view fallback) const {
    return Read().GetString(section, key, fallback);
}

int32_t IniFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
    return Read().GetInt(section, key, fallback);
}

bool IniFile::GetStruct(std::string_view section, std::string_view key, void* buffer, std::size_t size) const {
    return Read().GetStruct(section, key, buffer, size);
}

bool IniFile::PutString(std::string_view section, std::string_view key, std::string_view value) const {
    IniEdit edit = Edit();
    edit.PutString(section, key, value);
    return edit.Commit();
}

bool IniFile::PutInt(std::string_view section, std::string_view key, int32_t value) const {
    IniEdit edit = Edit();
    edit.PutInt(section, key, value);
    return edit.Commit();
}

bool IniFile::PutStruct(std::string_view section, std::string_view key, const void* data, std::size_t size) const {
    IniEdit edit = Edit();
    edit.PutStruct(section, key, data, size);
    return edit.Commit();
}

IniEdit::IniEdit(const std::string& path, FileLock& lock, bool fromEmpty) : guard_(lock), path_(path) {
    existed_ = ReadWholeFile(path_, original_);
    document_ = IniDocument::Parse(fromEmpty ? std::string_view() : std::string_view(original_));
}

bool IniEdit::Commit() {
    std::string text = document_.Text();
    if (existed_ && text == original_) return true;
    return ReplaceFileText(path_, text);
}
