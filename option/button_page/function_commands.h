// The commands of the function menu: the function code each one assigns
// and the language string that names it, in the menu and on the buttons.
#pragma once

#include <span>

#include "option/button_page/button_dialogs.h"
#include "profile/button_code.h"

struct FunctionCommand {
    int command;      // menu command id
    ButtonCode code;  // the entry's function afterwards
    int text;         // language string of the menu item and the button caption
};

// WM_COMMAND ids the page takes as function commands.
inline constexpr int kFirstFunctionCommand = 1000;
inline constexpr int kLastFunctionCommand = 2000;

// Commands that run a dialog before they assign.
inline constexpr int kMacroCommand = 1049;
inline constexpr int kRepeatedClickCommand = 1054;
inline constexpr int kKeyCombinationCommand = 1060;
inline constexpr int kGunLibraryCommand = 1064;
inline constexpr int kAdvancedPatternCommand = 1068;

// Every command, menu items and those that only name a caption.
std::span<const FunctionCommand> FunctionCommands();

// The command with this id, or nullptr.
const FunctionCommand* FindFunctionCommand(int command);

// The first command that assigns `code`, or nullptr: a code's caption is
// its command's text.
const FunctionCommand* CommandOfCode(ButtonCode code);

// False for a command whose dialog `dialogs` does not offer: its item is
// disabled and the command does nothing.
bool CommandAvailable(int command, const ButtonDialogs& dialogs);

// Codes whose entry keeps its count, payload and name after an assignment.
bool KeepsItemData(ButtonCode code);
