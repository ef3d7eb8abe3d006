#include "profile/program_folder.h"

#include <cstdio>

std::string ProgramFolderFromModulePath(std::string_view modulePath) {
    const std::size_t slash = modulePath.find_last_of("\\/");
    if (slash != std::string_view::npos) return std::string(modulePath.substr(0, slash + 1));
    // "C:program.exe": a drive without a folder.
    if (modulePath.size() >= 2 && modulePath[1] == ':') return std::string(modulePath.substr(0, 2));
    return {};
}

std::string_view FileNameOfPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string PathInFolder(std::string_view folder, std::string_view relative) {
    const char separator = (!folder.empty() && folder.back() == '/') ? '/' : '\\';
    std::string path(folder);
    for (char c : relative) path.push_back(c == '\\' ? separator : c);
    return path;
}

std::string ConfigIniPath(std::string_view programFolder) { return PathInFolder(programFolder, "config.ini"); }

std::string ConfigFolderPath(std::string_view programFolder) { return PathInFolder(programFolder, "config\\"); }

std::string ProfileFilePath(std::string_view programFolder, int n) {
    char name[40];
    std::snprintf(name, sizeof name, "config\\Default%d.gmp", n);
    return PathInFolder(programFolder, name);
}

bool FileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}
