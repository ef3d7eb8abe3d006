// A macro library of 100 groups of 50 macros with all 50 events each, the
// size the library's save and load are measured at.
#pragma once

#include "macro/macro_store.h"

inline constexpr int kFullStoreGroups = 100;
inline constexpr int kFullStoreMacrosPerGroup = 50;

MacroStore FullMacroStore();
