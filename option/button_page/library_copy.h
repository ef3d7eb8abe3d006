// Copies of a chosen macro or pattern into a button entry, so the mouse can
// be programmed from the profile alone.
#pragma once

#include "option/button_page/button_dialogs.h"

// Name, repeat count, event count and the first 200 bytes of events.
void CopyMacro(const MacroCopy& macro, ButtonFunction& entry);
// Name, repeat count, step count, the eight steps and the colour.
void CopyAdvancedPattern(const PatternCopy& pattern, ButtonFunction& entry);
// As an advanced pattern, plus the gun's selected mode, its value for that
// mode and its auxiliary value.
void CopyGun(const PatternCopy& gun, ButtonFunction& entry);
