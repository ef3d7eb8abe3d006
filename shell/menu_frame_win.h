// Flat frames for every popup menu of the user-interface thread. A thread
// window-procedure hook watches for popup menu windows ("#32768") being
// created or sized, subclasses each one while it is shown and draws the frame
// in place of the platform's border. Hiding or destroying the menu restores
// its own procedure, so a menu shown again is subclassed again.
#pragma once

#include <windows.h>

// Call on the user-interface thread when it starts and before it ends.
// Installing twice keeps the first hook; removing without a hook is harmless.
bool InstallMenuFrames();
void RemoveMenuFrames();

// Name of the window property holding a subclassed menu's own procedure.
constexpr char kMenuOldProcProperty[] = "CoolMenu_oldProc";
