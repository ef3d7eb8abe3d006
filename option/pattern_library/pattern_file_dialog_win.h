// The platform's open and save dialogs for the pattern exchange files.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/pattern_library/pattern_files.h"

// The file the user chose, or nothing when the dialog was cancelled. A save
// dialog asks before overwriting; an open dialog takes existing files only.
std::optional<std::string> AskPatternFile(HWND owner, const PatternFileKind& kind, const std::string& programFolder,
                                          bool save);
