// Exchanging the current profile of the edited copy with a profile file the
// user picks. Nothing reaches Monitor or the mouse until the user applies.
#pragma once

#include <string>
#include <string_view>

#include "profile/file_lock.h"
#include "profile/shared_block.h"
#include "profile/text_source.h"

// The file dialogs of both actions.
inline constexpr char kProfileFileFilter[] = "Gaming Mouse Profile(*.gmp)|*.gmp|";
inline constexpr char kProfileFileExtension[] = "gmp";

struct ProfileFileDialog {
    bool save;             // save dialog, else open dialog
    bool fileMustExist;
    bool hideReadOnly;
    bool overwritePrompt;
    bool multiSelect;
};
inline constexpr ProfileFileDialog kImportDialog{false, true, true, true, false};
inline constexpr ProfileFileDialog kExportDialog{true, false, true, true, true};

// The filter as the platform's dialog takes it: "|" becomes NUL, and the
// list ends with two NULs.
std::string DialogFilterList(std::string_view barFilter);
// The name the dialogs start with, so they open in the config folder: "<program folder>config\.gmp".
std::string InitialProfileFileName(std::string_view programFolder);

// Marks a file hidden (and archive): the imported profile file in the
// config folder. The platform layer implements it.
class FileAttributes {
public:
    virtual ~FileAttributes() = default;
    virtual void MarkHiddenAndArchive(const std::string& path) = 0;
};

struct ProfileExchange {
    std::string programFolder;  // with its trailing separator
    FileLock& lock;             // the lock of the shared settings files
    const TextSource& texts;    // names of the default entries the loader may need
    FileAttributes& attributes;
};

enum class ExchangeResult {
    Done,
    FileUnreadable,    // the chosen file cannot be read: nothing changed
    NoCurrentProfile,  // the edited copy selects no profile: nothing changed
    WriteFailed,       // a file could not be written
};

// Import: the chosen file replaces config\Default<p>.gmp (p = the edited
// copy's current profile; the file is then hidden) and profile p of the
// edited copy is read from it by the profile loader's rules, so a damaged
// file gives what the loader makes of it. The other profiles, in the copy
// and on disk, stay as they are. The profile is read from the chosen
// file's text, so it does not depend on the copy succeeding: picking the
// target file itself changes nothing on disk.
ExchangeResult ImportProfile(const std::string& chosenPath, SharedBlock& edited, const ProfileExchange& with);

// Export: writes the current profile to the chosen file as a new file,
// holding only the keys a profile writes. The old file is replaced in one
// step, so a failed write leaves it as it was.
ExchangeResult ExportProfile(const std::string& chosenPath, const SharedBlock& edited, const ProfileExchange& with);
