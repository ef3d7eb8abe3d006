// The picker dialog on the platform (skin_select_macro.ini): the tree of a
// library's folders and entries, three run-mode buttons, OK, Cancel and
// close. LibraryPicker holds its rules; the two functions below are what
// the button page's dialogs call.
//
//   if (auto choice = RunMacroPicker(pageWindow, context, seed)) assign(*choice);
#pragma once

#include <windows.h>

#include <optional>

#include "option/button_page/button_dialogs.h"
#include "option/main_window/option_page_win.h"

// Each runs its picker modally over `owner`, opened on `seed`. OK gives the
// run mode and place chosen, with the folder's name and a copy of the entry
// where the library has them; Cancel, the close button or a closed owner
// give nothing.
std::optional<MacroChoice> RunMacroPicker(HWND owner, const PageContext& context, const LibrarySeed& seed);
std::optional<PatternChoice> RunAdvancedPatternPicker(HWND owner, const PageContext& context,
                                                      const LibrarySeed& seed);
