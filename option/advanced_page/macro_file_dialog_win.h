// The platform's open or save dialog for a macro exchange file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/advanced_page/macro_file_dialogs.h"

// The file the user chose, or nothing when the dialog was cancelled.
std::optional<std::string> AskMacroFile(HWND owner, const MacroFileDialog& dialog, const std::string& programFolder);
