// Any bytes load as a profile file and as config.ini without reading out of
// bounds; a current-profile number from the file never indexes a profile.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "profile/ini_document.h"
#include "profile/ini_file.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"

namespace {

// A program folder of our own, made on first use and removed at exit.
std::filesystem::path folderPath;

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folderPath, ignored);
}

const std::string& Folder() {
    static const std::string folder = [] {
        folderPath = std::filesystem::temp_directory_path() / ("profile_load_fuzz_" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folderPath / "config");
        std::atexit(RemoveFolder);
        return (folderPath / "").string();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    NoTexts texts;
    auto profile = std::make_unique<Profile>();
    LoadProfileFrom(IniDocument::Parse(text), *profile, texts);

    ReplaceFileText(ConfigIniPath(Folder()), text);
    ReplaceFileText(ProfileFilePath(Folder(), 2), text);
    InProcessFileLock lock;
    NoWindowsMouseSettings mouse;
    auto set = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*set);
    LoadAllProfiles(*set, ProfileStorage{Folder(), lock, texts, mouse});
    if (std::memcmp(&set->Profiles[2], profile.get(), sizeof(Profile)) != 0) std::abort();
    return 0;
}
