// The button table, data slots and slot colours that an apply uploads.
#pragma once

#include <cstdint>
#include <vector>

#include "device/device_command.h"
#include "profile/profile_record.h"

inline constexpr int kDataSlotCount = 100;

struct DeviceImage {
    uint8_t ButtonTable[128];
    uint8_t SlotColours[kDataSlotCount][3];  // red, green, blue per slot number
    uint8_t Slots[kDataSlotCount][128];
    uint8_t Used[kDataSlotCount];

    // Zeroes everything (slots, used bytes, colours and the table).
    void Clear();
    // The 128 bytes sent after the slot-colour command: 00 00 FF, then the
    // colours of slots 1 upwards as far as byte 127.
    DataBlock SlotColourBlock() const;
};

// Encodes the 32 button entries of `p` into `image` (which the caller clears).
void EncodeButtons(const Profile& p, DeviceImage& image);

// What an apply uploads after the settings, in order: the button table, the
// slot colours, then every used slot from 0 to 98.
std::vector<DataUpload> ButtonUploads(const DeviceImage& image);
