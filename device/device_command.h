// The mouse's 8-byte commands and 128-byte data blocks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "profile/profile_record.h"

using Command = std::array<uint8_t, 8>;
using DataBlock = std::array<uint8_t, 128>;

// A data block follows its command as two writes of this size.
inline constexpr size_t kDataWriteSize = 64;

// One data-block upload: the command that announces it and its 128 bytes.
struct DataUpload {
    Command Header;
    DataBlock Data;
};

// Zeroed command with bytes 0..2 set and byte 7 the checksum that makes all
// eight bytes add up to 0xFF modulo 256.
Command MakeCommand(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0);

Command OpeningCommand();                         // 01 88 02
Command ClosingCommand();                         // 02 01 00
Command PollingRateCommand(const Profile& p);     // 03 01 interval
Command DpiStageCommand(const Profile& p);        // 04 01 CpiStep+1
Command SettingsBlockCommand();                   // 0C 01 80
Command ButtonTableCommand();                     // 0D 01 80
Command DataSlotCommand(int slot);                // 0F slot 80
Command SlotColourCommand();                      // 0F 64 80
Command QueryProfileCommand();                    // 82 00 00
Command QueryDpiStageCommand(int profileNumber);  // 84 p 00, p = 1..5

// Bytes 0..63 (half 0) or 64..127 (half 1) of a block, in the order written.
std::span<const uint8_t, kDataWriteSize> DataBlockHalf(const DataBlock& block, int half);

// Report interval in milliseconds for a PollingRate choice.
uint8_t PollingInterval(int32_t pollingRate);

// The settings data block of the active profile. Two lighting effects change
// ColorOptions0 and write it back into `p` (Monitor's local copy), so the
// next block starts from the changed value.
DataBlock BuildSettingsBlock(Profile& p);
