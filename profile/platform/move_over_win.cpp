#include "profile/move_over.h"

#include <windows.h>

// The C runtime's rename refuses an existing target; MoveFileEx replaces it
// (copying when the two lie on different volumes).
bool MoveFileOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
}
