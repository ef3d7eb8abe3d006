// Moving a file over another one in a single step, as far as the platform
// allows: readers see the old text or the new one, never a missing file.
#pragma once

#include <string>

// Renames `from` to `to`, replacing `to` if it exists; false when refused.
bool MoveFileOver(const std::string& from, const std::string& to);
