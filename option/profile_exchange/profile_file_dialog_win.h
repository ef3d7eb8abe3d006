// The standard open and save dialogs of the profile import and export.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/profile_exchange/profile_exchange.h"

// The file the user chose, or nothing when the dialog was cancelled.
std::optional<std::string> AskProfileFile(HWND owner, const ProfileFileDialog& kind, const std::string& programFolder);
