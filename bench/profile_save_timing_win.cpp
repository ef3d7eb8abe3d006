// Times a save of five full profiles through the INI engine and the same
// save through the private-profile functions, one call per key, and prints
// both and their ratio. Run it under Wine or on Windows.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/full_profiles.h"
#include "profile/config_file.h"
#include "profile/ini_values.h"
#include "profile/profile_files.h"
#include "profile/profile_files_keys.h"
#include "profile/program_folder.h"
#include "profile/struct_value.h"

namespace {

constexpr int kRounds = 10;

// The save as the private-profile functions do it: a call per key.
void PlatformSaveAll(const SharedBlock& set, const std::string& folder) {
    const std::string config = ConfigIniPath(folder);
    WritePrivateProfileStringA(kSettingSection, kCurrentProfileKey, IniFormatInt(set.CurrentProfile).c_str(),
                               config.c_str());
    WritePrivateProfileStringA(kSettingSection, kMouseTypeKey, IniFormatInt(set.MouseType).c_str(), config.c_str());
    for (int n = 0; n < kProfileCount; ++n) {
        const std::string path = ProfileFilePath(folder, n);
        const auto* bytes = reinterpret_cast<const uint8_t*>(&set.Profiles[n]);
        for (const ProfileKey& key : ProfileFileKeys()) {
            const uint8_t* field = bytes + key.offset;
            switch (key.kind) {
                case ProfileKeyKind::Text:
                    WritePrivateProfileStringA(kProfileSection, key.name.c_str(), reinterpret_cast<const char*>(field),
                                               path.c_str());
                    break;
                case ProfileKeyKind::Int32:
                    WritePrivateProfileStringA(kProfileSection, key.name.c_str(),
                                               IniFormatInt(*reinterpret_cast<const int32_t*>(field)).c_str(),
                                               path.c_str());
                    break;
                case ProfileKeyKind::Byte:
                    WritePrivateProfileStringA(kProfileSection, key.name.c_str(), IniFormatInt(*field).c_str(),
                                               path.c_str());
                    break;
                case ProfileKeyKind::Entry:
                    WritePrivateProfileStructA(kProfileSection, key.name.c_str(), const_cast<uint8_t*>(field),
                                               static_cast<UINT>(key.size), path.c_str());
                    break;
            }
        }
    }
}

std::string FreshFolder(const char* name) {
    const auto dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "config");
    return (dir / "").string();
}

// Mean milliseconds per save over kRounds saves, after one that creates the
// files. With `alternate`, every save writes the other of two sets, so every
// file changes; otherwise the same set is saved again, as on most events.
template <typename Save>
double TimeSaves(Save save, const SharedBlock& a, const SharedBlock& b, bool alternate) {
    save(a);
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) save((alternate && round % 2 == 0) ? b : a);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kRounds;
}

}  // namespace

int main() {
    const auto set = FullProfileSet();
    const auto changed = FullProfileSet();
    for (Profile& profile : changed->Profiles) profile.CpiStep = 4;
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    const std::string engineFolder = FreshFolder("profile_save_timing_engine");
    const std::string platformFolder = FreshFolder("profile_save_timing_platform");
    const ProfileStorage storage{engineFolder, lock, texts, mouse};
    auto engineSave = [&](const SharedBlock& s) { SaveAllProfiles(s, storage); };
    auto platformSave = [&](const SharedBlock& s) { PlatformSaveAll(s, platformFolder); };

    std::printf("SaveAllProfiles of five full profiles, mean of %d saves; private-profile functions: %zu calls\n",
                kRounds, 2 + 5 * ProfileFileKeys().size());
    for (const bool alternate : {false, true}) {
        const double engine = TimeSaves(engineSave, *set, *changed, alternate);
        const double platform = TimeSaves(platformSave, *set, *changed, alternate);
        std::printf("%s\n", alternate ? "every file changed:" : "same set saved again:");
        std::printf("  INI engine:                %10.2f ms\n", engine);
        std::printf("  private-profile functions: %10.2f ms\n", platform);
        std::printf("  ratio:                     %10.1fx\n", platform / engine);
    }

    std::filesystem::remove_all(std::filesystem::path(engineFolder));
    std::filesystem::remove_all(std::filesystem::path(platformFolder));
    return 0;
}
