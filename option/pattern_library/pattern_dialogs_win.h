// What the button page and the advanced settings page call: the gun library
// dialog, which picks a gun and the profile's gun mode, and the advanced
// pattern dialog, which maintains the advanced library.
#pragma once

#include <windows.h>

#include <optional>

#include "option/button_page/button_dialogs.h"
#include "option/main_window/option_page_win.h"

// The gun library over `owner`, opened on `seed`. Every change reaches
// Gun.dat at once, OK or not. On OK: the gun mode, the chosen folder and
// gun (gun -1 when a folder row was chosen) and copies of what is there.
std::optional<PatternChoice> RunGunLibrary(HWND owner, const PageContext& context, const LibrarySeed& seed);

// The advanced pattern dialog over `owner`. OK (true) saves AdvanceGun.dat
// and brings the pattern buttons of the edited profiles up to date; Cancel
// drops every change by reading the file again.
bool RunAdvancedPatternDialog(HWND owner, const PageContext& context);
