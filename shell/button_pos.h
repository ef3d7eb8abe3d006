// Position entries of a skin layout's "BUTTONPOS" section:
// "label,left,top,width,height[,ignored...]".
#pragma once

#include <string_view>

#include "shell/skin_rect.h"

struct ButtonPos {
    char label[40] = {};  // text before the first comma; not used by any window
    SkinRect rect;        // right = left + width, bottom = top + height
};

// Clears `entry` and fills it from `value`. An empty or malformed value
// leaves a zero rectangle; fields after the height are ignored.
void ParseButtonPos(std::string_view value, ButtonPos& entry);
