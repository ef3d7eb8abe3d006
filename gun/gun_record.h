// The fire-pattern entry, one record for both libraries (guns and advanced
// patterns): stored raw in the library and exchange files, so its layout is
// a format and every offset is pinned below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "profile/library_store.h"
#include "profile/profile_record.h"

inline constexpr int kGunModeCount = 3;

struct Gun {
    int32_t ReadOnly;     // 1 = locked: steps hidden, value and repeat edits not stored
    int32_t RepeatCount;  // 1..255
    char Name[50];
    uint8_t Pad0[2];
    int32_t StepCount;  // steps in use, 1..8; readers bound it
    uint32_t Color;     // 0x00BBGGRR
    int32_t ModeIndex;  // 0..2, gun library only
    int32_t ModeValues[kGunModeCount];  // 0..100 each, gun library only
    int16_t Aux;                        // carried along, never edited
    uint8_t Pad1[2];
    GunStep Steps[kGunStepCount];
};
using AdvanceGun = Gun;

static_assert(sizeof(Gun) == 184);
static_assert(offsetof(Gun, ReadOnly) == 0);
static_assert(offsetof(Gun, RepeatCount) == 4);
static_assert(offsetof(Gun, Name) == 8);
static_assert(offsetof(Gun, Pad0) == 58);
static_assert(offsetof(Gun, StepCount) == 60);
static_assert(offsetof(Gun, Color) == 64);
static_assert(offsetof(Gun, ModeIndex) == 68);
static_assert(offsetof(Gun, ModeValues) == 72);
static_assert(offsetof(Gun, Aux) == 84);
static_assert(offsetof(Gun, Pad1) == 86);
static_assert(offsetof(Gun, Steps) == 88);

template <>
struct LibraryEntry<Gun> {
    static constexpr std::size_t kNameLimit = sizeof(Gun::Name) - 1;
    static constexpr std::size_t kFolderNameLimit = kNameLimit;
    static std::string_view Name(const Gun& gun);
    static void SetName(Gun& gun, std::string_view name);
};

// New entries: one step, repeat 1, red; a gun also gets the modes' values
// 1, 1, 1 and Aux 1.
Gun NewGun(std::string_view name);
AdvanceGun NewAdvanceGun(std::string_view name);
