// The folder of the running program file, from the platform.
#pragma once

#include <string>

// The program folder with its trailing backslash; empty when the program's
// path cannot be obtained.
std::string RunningProgramFolder();
