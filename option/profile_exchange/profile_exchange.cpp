#include "option/profile_exchange/profile_exchange.h"

#include <cstdio>
#include <filesystem>

#include "profile/ini_file.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"

std::string DialogFilterList(std::string_view barFilter) {
    std::string list(barFilter);
    for (char& c : list)
        if (c == '|') c = '\0';
    if (list.empty() || list.back() != '\0') list.push_back('\0');
    list.push_back('\0');
    return list;
}

std::string InitialProfileFileName(std::string_view programFolder) {
    return PathInFolder(programFolder, "config\\.gmp");
}

ExchangeResult ImportProfile(const std::string& chosenPath, SharedBlock& edited, const ProfileExchange& with) {
    std::string text;
    if (!ReadWholeFile(chosenPath, text)) return ExchangeResult::FileUnreadable;
    Profile* current = ActiveProfile(edited);
    if (!current) return ExchangeResult::NoCurrentProfile;
    const std::string target = ProfileFilePath(with.programFolder, edited.CurrentProfile);
    bool written = true;
    std::error_code error;
    if (!std::filesystem::equivalent(chosenPath, target, error)) {
        FileLockGuard guard(with.lock);
        // A hidden file may refuse to be replaced; it is deleted first.
        std::remove(target.c_str());
        written = ReplaceFileText(target, text);
    }
    if (written) with.attributes.MarkHiddenAndArchive(target);
    LoadProfileFrom(IniDocument::Parse(text), *current, with.texts);
    return written ? ExchangeResult::Done : ExchangeResult::WriteFailed;
}

ExchangeResult ExportProfile(const std::string& chosenPath, const SharedBlock& edited, const ProfileExchange& with) {
    const Profile* current = ActiveProfile(edited);
    if (!current) return ExchangeResult::NoCurrentProfile;
    IniEdit edit = IniFile(chosenPath, with.lock).Edit(/*fromEmpty=*/true);
    SaveProfileTo(edit.Document(), *current);
    return edit.Commit() ? ExchangeResult::Done : ExchangeResult::WriteFailed;
}
