#include "profile/profile_files.h"

#include <cstring>
#include <memory>

#include "profile/config_file.h"
#include "profile/ini_file.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files_keys.h"
#include "profile/program_folder.h"

namespace {

uint8_t* FieldOf(Profile& profile, const ProfileKey& key) { return reinterpret_cast<uint8_t*>(&profile) + key.offset; }

const uint8_t* FieldOf(const Profile& profile, const ProfileKey& key) {
    return reinterpret_cast<const uint8_t*>(&profile) + key.offset;
}

// Copies text into a zero-terminated field, cut so the terminator fits.
void SetFieldText(uint8_t* field, std::size_t size, std::string_view text) {
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), n);
}

std::string_view FieldText(const uint8_t* field, std::size_t size) {
    const void* end = std::memchr(field, 0, size);
    const std::size_t n = end ? static_cast<std::size_t>(static_cast<const uint8_t*>(end) - field) : size;
    return {reinterpret_cast<const char*>(field), n};
}

void LoadKey(const IniDocument& file, const ProfileKey& key, uint8_t* field, const Profile& defaults) {
    switch (key.kind) {
        case ProfileKeyKind::Text:
            SetFieldText(field, key.size, file.GetString(kProfileSection, key.name, ""));
            break;
        case ProfileKeyKind::Int32: {
            const int32_t value = file.GetInt(kProfileSection, key.name, -1);
            std::memcpy(field, &value, sizeof value);
            break;
        }
        case ProfileKeyKind::Byte:
            *field = static_cast<uint8_t>(file.GetInt(kProfileSection, key.name, -1));
            break;
        case ProfileKeyKind::Entry:
            if (!file.GetStruct(kProfileSection, key.name, field, key.size))
                std::memcpy(field, FieldOf(defaults, key), key.size);
            break;
    }
}

void SaveKey(IniDocument& file, const ProfileKey& key, const uint8_t* field) {
    switch (key.kind) {
        case ProfileKeyKind::Text:
            file.PutString(kProfileSection, key.name, FieldText(field, key.size));
            break;
        case ProfileKeyKind::Int32: {
            int32_t value;
            std::memcpy(&value, field, sizeof value);
            file.PutInt(kProfileSection, key.name, value);
            break;
        }
        case ProfileKeyKind::Byte:
            file.PutInt(kProfileSection, key.name, *field);
            break;
        case ProfileKeyKind::Entry:
            file.PutStruct(kProfileSection, key.name, field, key.size);
            break;
    }
}

// A profile with its defaults, built from a zeroed record as the defaults expect.
void BuildFreshDefault(Profile& profile, int n, const TextSource& texts) {
    std::memset(&profile, 0, sizeof profile);
    BuildDefaultProfile(profile, n, texts);
}

}  // namespace

void LoadProfileFrom(const IniDocument& file, Profile& profile, const TextSource& texts) {
    // Button entries are the same in every default profile; the first one serves.
    const auto defaults = std::make_unique<Profile>();
    BuildFreshDefault(*defaults, 0, texts);
    for (const ProfileKey& key : ProfileFileKeys()) LoadKey(file, key, FieldOf(profile, key), *defaults);
}

void SaveProfileTo(IniDocument& file, const Profile& profile) {
    for (const ProfileKey& key : ProfileFileKeys()) SaveKey(file, key, FieldOf(profile, key));
}

int LoadProfile(Profile& profile, const std::string& path, FileLock& lock, const TextSource& texts) {
    LoadProfileFrom(IniFile(path, lock).Read(), profile, texts);
    return 1;
}

int SaveProfile(const Profile& profile, const std::string& path, FileLock& lock) {
    IniEdit edit = IniFile(path, lock).Edit();
    SaveProfileTo(edit.Document(), profile);
    return edit.Commit() ? 1 : 0;
}

int LoadAllProfiles(SharedBlock& set, const ProfileStorage& storage) {
    // The set is read as a whole, never half before and half after a save.
    FileLockGuard whole(storage.lock);
    const IniDocument config = IniFile(ConfigIniPath(storage.programFolder), storage.lock).Read();
    set.CurrentProfile = config.GetInt(kSettingSection, kCurrentProfileKey, -1);
    set.MouseType = config.GetInt(kSettingSection, kMouseTypeKey, -1);
    for (int n = 0; n < kProfileCount; ++n) {
        const std::string path = ProfileFilePath(storage.programFolder, n);
        if (FileExists(path))
            LoadProfile(set.Profiles[n], path, storage.lock, storage.texts);
        else
            BuildFreshDefault(set.Profiles[n], n, storage.texts);
    }
    if (Profile* current = ActiveProfile(set)) storage.mouse.Read(*current);
    return 1;
}

int SaveAllProfiles(const SharedBlock& set, const ProfileStorage& storage) {
    FileLockGuard whole(storage.lock);
    if (const Profile* current = ActiveProfile(set)) storage.mouse.Write(*current);
    IniEdit config = IniFile(ConfigIniPath(storage.programFolder), storage.lock).Edit();
    config.PutInt(kSettingSection, kCurrentProfileKey, set.CurrentProfile);
    config.PutInt(kSettingSection, kMouseTypeKey, set.MouseType);
    bool written = config.Commit();
    for (int n = 0; n < kProfileCount; ++n)
        written = SaveProfile(set.Profiles[n], ProfileFilePath(storage.programFolder, n), storage.lock) && written;
    return written ? 1 : 0;
}
