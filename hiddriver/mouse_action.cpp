#include "hiddriver/mouse_action.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace vmouse {
namespace {

struct ActionName {
    const char* Name;
    ActionKind Kind;
    bool TakesArg;
};

constexpr ActionName kActionNames[] = {
    {"profile", ActionKind::Profile, true},
    {"dpi-up", ActionKind::DpiUp, false},
    {"dpi-down", ActionKind::DpiDown, false},
    {"polling", ActionKind::Polling, true},
    {"run-program", ActionKind::RunProgram, true},
    {"open-option", ActionKind::OpenOption, false},
    {"media", ActionKind::Media, true},
    {"notice", ActionKind::Notice, true},
    {"save", ActionKind::Save, false},
};

// Whole-word integer in decimal or 0x-prefixed hexadecimal.
std::optional<int32_t> ParseNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || value < -0x7FFFFFFFL || value > 0x7FFFFFFFL)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

bool ArgInRange(const Action& a) {
    switch (a.Kind) {
        case ActionKind::Profile: return a.Arg >= 1 && a.Arg <= 5;
        case ActionKind::Polling: return a.Arg == 1 || a.Arg == 2 || a.Arg == 4 || a.Arg == 8;
        case ActionKind::RunProgram: return a.Arg >= 1 && a.Arg <= 16;
        case ActionKind::Media: return a.Arg >= 0x20 && a.Arg <= 0x27;
        case ActionKind::Notice: return a.Arg == 1 || a.Arg == 2;
        default: return true;
    }
}

const char* NameOf(ActionKind kind) {
    for (const auto& n : kActionNames)
        if (n.Kind == kind) return n.Name;
    return "?";
}

}  // namespace

const char* ActionUsage() {
    return "profile N(1-5) | dpi-up | dpi-down | polling MS(1,2,4,8) | run-program BUTTON(1-16) | "
           "open-option | media CODE(0x20-0x27) [release] | notice 1|2 | save";
}

std::optional<Action> ParseAction(const std::vector<std::string>& words, std::string& error) {
    if (words.empty()) {
        error = "missing action";
        return std::nullopt;
    }
    const ActionName* found = nullptr;
    for (const auto& n : kActionNames)
        if (words[0] == n.Name) found = &n;
    if (!found) {
        error = "unknown action '" + words[0] + "'";
        return std::nullopt;
    }
    Action action{found->Kind, 0, false};
    size_t expected = found->TakesArg ? 2 : 1;
    if (found->Kind == ActionKind::Media && words.size() == 3) {
        if (words[2] != "release") {
            error = "media takes 'release' as its optional last word";
            return std::nullopt;
        }
        action.Release = true;
        expected = 3;
    }
    if (words.size() != expected) {
        error = std::string(found->Name) + (found->TakesArg ? " needs one argument" : " takes no argument");
        return std::nullopt;
    }
    if (found->TakesArg) {
        auto number = ParseNumber(words[1]);
        if (!number) {
            error = "'" + words[1] + "' is not a number";
            return std::nullopt;
        }
        action.Arg = *number;
        if (!ArgInRange(action)) {
            error = std::string(found->Name) + " " + words[1] + " is out of range";
            return std::nullopt;
        }
    }
    return action;
}

std::string DescribeAction(const Action& action) {
    std::string text = NameOf(action.Kind);
    char arg[32];
    switch (action.Kind) {
        case ActionKind::Media:
            std::snprintf(arg, sizeof arg, " 0x%02X%s", static_cast<unsigned>(action.Arg),
                          action.Release ? " release" : "");
            return text + arg;
        case ActionKind::Profile:
        case ActionKind::Polling:
        case ActionKind::RunProgram:
        case ActionKind::Notice:
            return text + " " + std::to_string(action.Arg);
        default:
            return text;
    }
}

}  // namespace vmouse
