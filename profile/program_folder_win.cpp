#include "profile/program_folder_win.h"

#include <windows.h>

#include <vector>

#include "profile/program_folder.h"

std::string RunningProgramFolder() {
    // A path longer than MAX_PATH is possible; grow until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 6; ++attempt) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return ProgramFolderFromModulePath(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
    return {};
}
