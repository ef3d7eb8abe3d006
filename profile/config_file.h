// The program-wide values in config.ini, section "Setting".
#pragma once

#include <cstdint>
#include <string>

#include "profile/file_lock.h"

inline constexpr char kSettingSection[] = "Setting";
inline constexpr char kCurrentProfileKey[] = "CurrentProfile";
inline constexpr char kMouseTypeKey[] = "MouseType";
inline constexpr char kFirmwareVersionKey[] = "FWVersion";
inline constexpr char kDeviceKey[] = "Device";

// "FWVersion" of config.ini in the program folder, 100 when missing.
int32_t ReadFirmwareVersion(const std::string& programFolder, FileLock& lock);

// The version as shown: "N/A" below 100 (negative values too), otherwise the
// decimal number with a "." after its first digit (105 -> "1.05").
std::string FirmwareVersionText(int32_t version);

// "Device" of the given file: 1 = the mouse is connected; 0 when missing.
int32_t ReadDeviceFlag(const std::string& path, FileLock& lock);
bool WriteDeviceFlag(const std::string& path, int32_t value, FileLock& lock);

// "CurrentProfile" of config.ini in the program folder.
bool WriteCurrentProfile(const std::string& programFolder, int32_t n, FileLock& lock);
