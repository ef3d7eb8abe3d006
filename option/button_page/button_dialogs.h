// The dialogs a function command runs before it assigns: the shortcut
// dialog, the macro picker, the repeated-click dialog, the gun library and
// the advanced-pattern picker. The Win32 side implements this interface;
// the page's rules only see seeds going in and choices coming out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gun/gun_record.h"
#include "keys/shortcut_choice.h"
#include "macro/macro_record.h"

// The dialogs that may not be there yet; their menu items are disabled.
enum class ButtonDialog { Macro, RepeatedClick, GunLibrary, AdvancedPattern };

// Where a library dialog opens: the entry's current choice when it already
// has that function, else nothing selected and mode 0.
struct LibrarySeed {
    int32_t mode = 0;  // run mode (pickers) or the profile's gun mode (gun library)
    int32_t group = -1;
    int32_t item = -1;
};

// A library dialog closed with OK: the chosen place and mode, and a copy of
// the library's record there. A group or item that does not exist (any more, or a
// group row chosen) comes back empty.
template <typename Record>
struct LibraryChoice {
    int32_t mode = 0;
    int32_t group = -1;
    int32_t item = -1;
    std::optional<std::string> groupName;
    std::optional<Record> entry;
};
using MacroChoice = LibraryChoice<Macro>;
using PatternChoice = LibraryChoice<Gun>;

struct RepeatedClickValues {
    int32_t count = 0;
    int32_t interval = 5;
    uint8_t key = 0;  // usage, 0 = none
    bool operator==(const RepeatedClickValues&) const = default;
};

class ButtonDialogs {
public:
    virtual ~ButtonDialogs() = default;
    // Whether the dialog exists; the shortcut dialog always does.
    virtual bool Offers(ButtonDialog dialog) const = 0;
    // Each runs its dialog modally and returns nothing on Cancel.
    virtual std::optional<ShortcutChoice> RunShortcut(const ShortcutChoice& seed) = 0;
    virtual std::optional<MacroChoice> PickMacro(const LibrarySeed& seed) = 0;
    virtual std::optional<RepeatedClickValues> EditRepeatedClick(const RepeatedClickValues& seed) = 0;
    virtual std::optional<PatternChoice> PickGun(const LibrarySeed& seed) = 0;
    virtual std::optional<PatternChoice> PickAdvancedPattern(const LibrarySeed& seed) = 0;
};
