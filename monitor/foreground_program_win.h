// The program file of the window in the foreground.
#pragma once

#include <optional>
#include <string>

// File name (with extension) of the foreground window's process, taken from
// a snapshot of all processes; no value when it cannot be found.
std::optional<std::string> ForegroundProgramFileName();
