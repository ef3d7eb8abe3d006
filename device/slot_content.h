// Contents of the 128-byte data slots that a button plays back: a macro's
// key events, a gun's fire-and-move pattern, an advanced gun's steps.
// Encodings longer than a slot are cut at its end.
#pragma once

#include <cstdint>

#include "device/device_command.h"
#include "profile/profile_record.h"

// A pause too long for the short forms: q units of a step chosen by u
// (1 = 10 ms, 2 = 20 ms, 3 = 50 ms, 4 = 100 ms).
struct LongDelay {
    uint8_t Count;  // q
    uint8_t Unit;   // u
};

// The finest unit up to `maxUnit` whose count fits in 7 bits; a pause too
// long even for the coarsest unit saturates at 255 units of it.
LongDelay EncodeLongDelay(uint16_t milliseconds, int maxUnit);

// The gun pattern with its mode value w (only the low 16 bits are sent).
DataBlock EncodeGunSlot(int32_t modeIndex, uint32_t w);

// The macro carried by `b`: repeat value, then its events from Payload
// (at most as many as Payload holds).
DataBlock EncodeMacroSlot(const ButtonFunction& b);

// The advanced gun carried by `b`: repeat value, then its steps (at most
// the eight the record holds).
DataBlock EncodeAdvancedGunSlot(const ButtonFunction& b);
