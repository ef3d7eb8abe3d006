// What Monitor's command line asks for.
#pragma once

#include <string_view>

// A command line whose first character is '1' asks Monitor to open Option
// as soon as it has found the mouse.
inline bool OpenOptionRequested(std::string_view commandLine) {
    return !commandLine.empty() && commandLine.front() == '1';
}
