// The generated skin set of the build tree (SKIN_SET_DIR, given by the test's
// CMakeLists) as the programs name a skins folder: full, with backslashes
// and a trailing backslash.
#pragma once

#include <windows.h>

#include <string>

inline std::string SkinSetFolder() {
    char full[MAX_PATH] = {};
    GetFullPathNameA(SKIN_SET_DIR, MAX_PATH, full, nullptr);
    std::string folder = full;
    for (char& c : folder)
        if (c == '/') c = '\\';
    if (folder.back() != '\\') folder += '\\';
    return folder;
}
