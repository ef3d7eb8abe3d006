// Giving a button entry of the current profile a function: the primary-click
// guard, the dialogs some functions need, what each function stores and
// clears, restore defaults and the button-changed flags.
#pragma once

#include "option/button_page/button_dialogs.h"
#include "option/warning/warning_model.h"
#include "profile/button_code.h"
#include "profile/shared_block.h"

enum class AssignOutcome {
    Assigned,   // the entry changed and its button-changed flag is set
    Refused,    // the first bank would lose its last primary click
    Cancelled,  // the dialog was cancelled; nothing changed
    Ignored,    // no such command or entry, no current profile, or its dialog is not there
};

// What the user is shown when an assignment is refused.
inline constexpr WarningVariant kPrimaryClickWarning = WarningVariant::A;

// False when giving entry `entry` the function `code` would leave none of
// the first bank's entries with the primary click. The second bank may do
// without one.
bool KeepsPrimaryClick(const Profile& profile, int entry, ButtonCode code);

// Function command `command` (1000-2000) for entry 0..31 of the current
// profile; runs the command's dialog, if it has one, through `dialogs`.
AssignOutcome AssignFunction(SharedBlock& block, int entry, int command, ButtonDialogs& dialogs);

// Every entry of the current profile back to its plain default function
// (the preset patterns come back without their names and steps), all 32
// marked changed.
void RestoreDefaultFunctions(SharedBlock& block);
