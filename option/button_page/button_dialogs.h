// The dialogs a function command runs before it assigns: the shortcut
// dialog, the macro picker, the repeated-click dialog, the gun library and
// the advanced-pattern picker. The Win32 side implements this interface;
// the page's rules only see seeds going in and choices coming out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "keys/shortcut_choice.h"
#include "profile/profile_record.h"

// The dialogs that may not be there yet; their menu items are disabled.
enum class ButtonDialog { Macro, RepeatedClick, GunLibrary, AdvancedPattern };

// Where a library dialog opens: the entry's current choice when it already
// has that function, else nothing selected and mode 0.
struct LibrarySeed {
    int32_t mode = 0;  // run mode (pickers) or the profile's gun mode (gun library)
    int32_t group = -1;
    int32_t item = -1;
};

inline constexpr std::size_t kMacroCopyBytes = sizeof(ButtonFunction::Payload);
inline constexpr int kMacroCopyEvents = static_cast<int>(kMacroCopyBytes / 4);  // 4-byte events
inline constexpr int kGunModes = 3;

// What a button keeps of a chosen macro.
struct MacroCopy {
    std::string name;
    int32_t repeatCount = 0;
    int32_t eventCount = 0;
    std::array<uint8_t, kMacroCopyBytes> events{};  // the first events of the macro
};

// What a button keeps of a chosen gun or advanced pattern.
struct PatternCopy {
    std::string name;
    int32_t repeatCount = 0;
    int32_t stepCount = 0;
    std::array<GunStep, kGunStepCount> steps{};
    uint32_t colour = 0;
    // Guns only:
    int32_t modeIndex = 0;
    std::array<int32_t, kGunModes> modeValues{};
    int16_t aux = 0;
};

// A library dialog closed with OK: the chosen place and mode, and what the
// library holds there. A group or item that does not exist (any more, or a
// group row chosen) comes back empty.
template <typename Copy>
struct LibraryChoice {
    int32_t mode = 0;
    int32_t group = -1;
    int32_t item = -1;
    std::optional<std::string> groupName;
    std::optional<Copy> entry;
};
using MacroChoice = LibraryChoice<MacroCopy>;
using PatternChoice = LibraryChoice<PatternCopy>;

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
