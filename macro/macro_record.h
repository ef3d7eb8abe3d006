// The macro record: the unit of the macro library file, of the exchange
// files, and (its events) of a macro button's copy. A fixed little-endian
// layout; every offset is pinned below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "profile/library_store.h"

inline constexpr int kMacroEventLimit = 50;
inline constexpr std::size_t kMacroNameLimit = 50;  // characters, the name dialog's limit

// Actions of a macro event.
inline constexpr uint8_t kMacroPress = 1;
inline constexpr uint8_t kMacroRelease = 2;
inline constexpr uint8_t kMacroStep = 3;

struct MacroEvent {
    uint8_t Code;    // HID keyboard usage, mouse code 0xF0..0xF4 or step code 0xF9..0xFC
    uint8_t Action;  // kMacroPress, kMacroRelease or kMacroStep
    uint16_t Value;  // pause in ms after a press or release; the amount of a step
};

// A new macro is all zero bytes but its name.
struct Macro {
    char Name[52];
    int32_t RepeatCount;  // 1..255; 0 in a macro never given one
    int32_t EventCount;   // 0..50 in a sound record; readers bound it
    MacroEvent Events[kMacroEventLimit];
};

static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, Code) == 0 && offsetof(MacroEvent, Action) == 1 &&
              offsetof(MacroEvent, Value) == 2);
static_assert(sizeof(Macro) == 260);
static_assert(offsetof(Macro, Name) == 0);
static_assert(offsetof(Macro, RepeatCount) == 52);
static_assert(offsetof(Macro, EventCount) == 56);
static_assert(offsetof(Macro, Events) == 60);

template <>
struct LibraryEntry<Macro> {
    static constexpr std::size_t kNameLimit = kMacroNameLimit;
    static constexpr std::size_t kFolderNameLimit = kMacroNameLimit;
    static std::string_view Name(const Macro& macro);
    static void SetName(Macro& macro, std::string_view name);
};
