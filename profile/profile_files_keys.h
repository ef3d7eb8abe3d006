// The keys of a profile file, in the order they are written, and where each
// one lives in the Profile record. Load, save and the host tools all walk
// this one list, so the three can never disagree on a key.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "profile/profile_record.h"

enum class ProfileKeyKind {
    Text,    // zero-terminated character field, stored as it is
    Int32,   // 32-bit field, stored as signed decimal
    Byte,    // 8-bit field, stored as its decimal value; only the low byte is read back
    Entry,   // one ButtonFunction, stored as a struct value
};

struct ProfileKey {
    std::string name;
    ProfileKeyKind kind;
    std::size_t offset;  // in Profile
    std::size_t size;    // of the field in bytes
};

// The 113 keys of section "Setting", in file order.
const std::vector<ProfileKey>& ProfileFileKeys();

inline constexpr char kProfileSection[] = "Setting";
