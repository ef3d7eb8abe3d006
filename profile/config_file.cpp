#include "profile/config_file.h"

#include "profile/ini_file.h"
#include "profile/ini_values.h"
#include "profile/program_folder.h"

int32_t ReadFirmwareVersion(const std::string& programFolder, FileLock& lock) {
    return IniFile(ConfigIniPath(programFolder), lock).GetInt(kSettingSection, kFirmwareVersionKey, 100);
}

std::string FirmwareVersionText(int32_t version) {
    if (static_cast<uint32_t>(version) < 100u) return "N/A";
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
