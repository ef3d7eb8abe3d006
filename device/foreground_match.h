// Which profile names the program in the foreground.
#pragma once

#include <string_view>

#include "profile/shared_block.h"

// Index of the first profile whose GameFile, trimmed of white space and
// reduced to its file name, equals `executable` without regard to case;
// -1 when none does. An empty GameFile never matches.
int ProfileForProgram(const SharedBlock& block, std::string_view executable);
