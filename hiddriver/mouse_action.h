// Things a user can do on the mouse itself, as named on mousectl's command
// line ("press <action> [arg]").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vmouse {

enum class ActionKind : int32_t {
    Profile = 1,   // arg: profile number 1..5
    DpiUp,
    DpiDown,
    Polling,       // arg: report interval in ms (1, 2, 4, 8)
    RunProgram,    // arg: button number 1..16
    OpenOption,
    Media,         // arg: media code 0x20..0x27; Release marks the key-up
    Notice,        // arg: 1 or 2
    Save,
};

struct Action {
    ActionKind Kind = ActionKind::Save;
    int32_t Arg = 0;
    bool Release = false;

    friend bool operator==(const Action&, const Action&) = default;
};

// Parses the words after "press". On failure returns nothing and sets
// `error` to a message for the user.
std::optional<Action> ParseAction(const std::vector<std::string>& words, std::string& error);

// One line naming the accepted actions, for usage messages.
const char* ActionUsage();

// "profile 3", "media 0x21 release", ... for the log.
std::string DescribeAction(const Action& action);

}  // namespace vmouse
