#include "profile/move_over.h"

#include <cstdio>

// POSIX rename replaces the target atomically.
bool MoveFileOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
