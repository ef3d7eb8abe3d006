#include "profile/config_file.h"

#include "profile/ini_file.h"
#include "profile/ini_values.h"
#include "profile/program_folder.h"

int32_t ReadFirmwareVersion(const std::string& programFolder, FileLock& lock) {
    return IniFile(ConfigIniPath(programFolder), lock).GetInt(kSettingSection, kFirmwareVersionKey, 100);
}

std::string FirmwareVersionText(int32_t version) {
    // A negative value is a damaged key, not a version: "-1" would show as "-.1".
    if (version < 100) return "N/A";
    const std::string digits = IniFormatInt(version);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

int32_t ReadDeviceFlag(const std::string& path, FileLock& lock) {
    return IniFile(path, lock).GetInt(kSettingSection, kDeviceKey, 0);
}

bool WriteDeviceFlag(const std::string& path, int32_t value, FileLock& lock) {
    return IniFile(path, lock).PutInt(kSettingSection, kDeviceKey, value);
}

bool WriteCurrentProfile(const std::string& programFolder, int32_t n, FileLock& lock) {
    return IniFile(ConfigIniPath(programFolder), lock).PutInt(kSettingSection, kCurrentProfileKey, n);
}
