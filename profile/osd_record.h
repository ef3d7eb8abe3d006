// The on-screen display's settings record, kept in config.ini as a struct
// value, and where the notice text lies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kOsdRecordSize = 348;
inline constexpr const char* kOsdSettingsSection = "OSDSetting";
inline constexpr const char* kOsdSettingsKey = "config";
inline constexpr const char* kOsdTextSection = "OSDData";
inline constexpr const char* kOsdTextKey = "Message";

// The record as stored. Monitor uses three 32-bit fields; the other bytes
// belong to the on-screen display.
using OsdRecordBytes = std::array<uint8_t, kOsdRecordSize>;

struct OsdSettingsFields {
    int32_t ProfileNoticeSwitch = 0;  // 1 = announce profile changes
    int32_t FirstValue = 0;           // passed on with the settings message
    int32_t SecondValue = 0;
};

OsdSettingsFields UnpackOsdRecord(const OsdRecordBytes& record);
// Writes the three fields into `record`; its other bytes stay.
void PackOsdRecord(const OsdSettingsFields& fields, OsdRecordBytes& record);

// The record the on-screen display writes when config.ini has none:
// profile notices on, everything else zero.
OsdRecordBytes DefaultOsdRecord();
