// Loading and saving the five profile files and the profile set's values
// in config.ini.
#pragma once

#include <string>

#include "profile/file_lock.h"
#include "profile/ini_document.h"
#include "profile/shared_block.h"
#include "profile/text_source.h"
#include "profile/windows_mouse_settings.h"

// What the profile operations need from the running program.
struct ProfileStorage {
    std::string programFolder;  // with its trailing separator
    FileLock& lock;
    const TextSource& texts;       // names of the default profile's presets
    WindowsMouseSettings& mouse;   // the current profile's pointer and wheel settings
};

// Fills `profile` from the text of a profile file. Missing integer keys
// read as -1 (255 in byte fields); names are cut to their fields; a button
// entry whose value is missing or damaged gets its default.
void LoadProfileFrom(const IniDocument& file, Profile& profile, const TextSource& texts);
// Writes every key of `profile` into `file`, in file order.
void SaveProfileTo(IniDocument& file, const Profile& profile);

// One profile file. LoadProfile returns 1; SaveProfile returns 1, or 0 when
// the file could not be written.
int LoadProfile(Profile& profile, const std::string& path, FileLock& lock, const TextSource& texts);
int SaveProfile(const Profile& profile, const std::string& path, FileLock& lock);

// The current-profile number, the mouse type and the five profiles; a
// missing profile file gives that profile its defaults. Returns 1.
int LoadAllProfiles(SharedBlock& set, const ProfileStorage& storage);
// The current profile's Windows settings, config.ini's values and the five
// profile files. Returns 1, or 0 when a file could not be written.
int SaveAllProfiles(const SharedBlock& set, const ProfileStorage& storage);
