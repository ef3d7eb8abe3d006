#include "option/profile_exchange/file_attributes_win.h"

#include <windows.h>

void PlatformFileAttributes::MarkHiddenAndArchive(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
}
