// Where Option finds its files: everything is looked up beside the program
// file, never in the working directory, so Option works wherever it is
// started from.
#pragma once

#include <string>
#include <string_view>

struct OptionFolders {
    std::string program;  // with its trailing backslash; config.ini, lan.dll and config\ live here
    std::string skins;    // program + "skins\": every skin_*.ini and picture
};

// The folders of the program whose file is `modulePath`. A path without a
// folder gives an empty program folder (files then resolve as relative).
OptionFolders OptionFoldersFromModulePath(std::string_view modulePath);

// The main window's one-shot timer whose first tick checks for the mouse.
inline constexpr unsigned kConnectionCheckTimer = 1;
inline constexpr unsigned kConnectionCheckPeriodMs = 1;
