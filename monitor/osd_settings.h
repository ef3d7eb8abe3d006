// The on-screen display's settings record, kept in config.ini, and the
// notice texts Monitor hands to the on-screen display.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "profile/messages.h"

inline constexpr std::size_t kOsdSettingsSize = 348;
inline constexpr const char* kOsdSettingsSection = "OSDSetting";
inline constexpr const char* kOsdSettingsKey = "config";
inline constexpr const char* kOsdTextSection = "OSDData";
inline constexpr const char* kOsdTextKey = "Message";

// The 348 bytes as stored. Monitor uses three 32-bit fields; the rest
// belongs to the on-screen display.
struct OsdSettings {
    std::array<uint8_t, kOsdSettingsSize> bytes{};

    int32_t ProfileNoticeSwitch() const { return Field(8); }  // 1 = announce profile changes
    int32_t FirstValue() const { return Field(32); }
    int32_t SecondValue() const { return Field(36); }
    void SetField(std::size_t offset, int32_t value);

    // The defaults the on-screen display writes when config.ini has none:
    // profile notices on.
    static OsdSettings Defaults();

private:
    int32_t Field(std::size_t offset) const;
};

// lParam of message 1326: low 16 bits of the first value in the high half,
// low 16 bits of the second in the low half.
uint32_t OsdValuesParam(const OsdSettings& settings);

// lParam of the profile notice (1324 / 40): the profile index in the high half.
uint32_t ProfileNoticeParam(int profileIndex);

// The notice text of a WM_COPYDATA of exactly 151 bytes: bytes 1..150, up
// to the first zero. A sender that left no terminator still gives at most
// 150 characters: nothing past the buffer is read.
std::string CopyDataNoticeText(const uint8_t* data, std::size_t size);
