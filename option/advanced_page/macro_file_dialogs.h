// The open and save dialogs of the macro editor's four file commands: what
// each asks, and the name it starts with so that it opens in the config
// folder beside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct MacroFileDialog {
    bool save;         // save dialog (asks before overwriting), else open dialog (the file must exist)
    const char* extension;  // appended to a name typed without one
    const char* filter;     // "Name(*.ext)|*.EXT|"
};

// The dialog of tree command 1055 to 1058; nothing for any other command.
std::optional<MacroFileDialog> MacroFileDialogOf(int command);
// "<program folder>config\.<extension>"; the program folder ends with a backslash.
std::string InitialMacroFileName(std::string_view programFolder, const MacroFileDialog& dialog);
