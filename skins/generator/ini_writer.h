// The skin_*.ini text of a window: its pictures and control positions.
#pragma once

#include <string>

#include "layout.h"

// Picture file names of a window, by the SCREEN key that names them.
std::string SheetFileName(const WindowLayout& layout, const std::string& screenKey);

// "[SCREEN]" (or the layout's spelling) with Mask, Normal, Over, Down and
// Disable, then "[BUTTONPOS]" with one "label,left,top,width,height"
// line per control, each preceded by a comment saying what it is.
std::string WriteSkinIni(const WindowLayout& layout);
