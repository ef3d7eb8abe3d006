#include "tools/profiletool/write_defaults.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"

bool WriteDefaultFiles(const std::string& programFolder) {
    std::error_code error;
    std::filesystem::create_directories(ConfigFolderPath(programFolder), error);
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    const auto set = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*set);
    BuildDefaultProfiles(*set, texts);
    return SaveAllProfiles(*set, ProfileStorage{programFolder, lock, texts, mouse}) == 1;
}
