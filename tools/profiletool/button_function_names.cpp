#include "tools/profiletool/button_function_names.h"

#include <cstdio>

#include "profile/button_code.h"
#include "profile/fixed_text.h"

namespace {

const char* CodeName(ButtonCode code) {
    if (StartsProgram(code)) return "program launch";
    switch (code) {
        case ButtonCode::None: return "no function";
        case ButtonCode::PrimaryClick: return "primary click";
        case ButtonCode::SecondaryClick: return "secondary click";
        case ButtonCode::MiddleClick: return "middle click";
        case ButtonCode::KeyCombination: return "key combination";
        case ButtonCode::Macro: return "macro";
        case ButtonCode::RepeatedClick: return "repeated click";
        case ButtonCode::FirePattern: return "fire pattern";
        case ButtonCode::AdvancedFirePattern: return "advanced fire pattern";
        default: return "function";
    }
}

}  // namespace

std::string DescribeButtonFunction(const ButtonFunction& entry) {
    const ButtonCode code = CodeOf(entry);
    std::string text = std::to_string(entry.Code) + " " + CodeName(code);
    char detail[128];
    if (StartsProgram(code)) return text + " '" + std::string(FixedText(entry.ProgramPath)) + "'";
    switch (code) {
        case ButtonCode::KeyCombination:
            std::snprintf(detail, sizeof detail, " key 0x%02X modifiers 0x%02X", entry.Payload[0], entry.Payload[1]);
            text += detail;
            break;
        case ButtonCode::Macro:
            text += " '" + std::string(FixedText(entry.ItemName)) + "' (" + std::to_string(entry.ItemCount) + " events)";
            break;
        case ButtonCode::RepeatedClick:
            std::snprintf(detail, sizeof detail, " key 0x%02X, %d clicks every %d ms", entry.Payload[0],
                          static_cast<int>(entry.FireCount), static_cast<int>(entry.FireInterval));
            text += detail;
            break;
        case ButtonCode::FirePattern:
        case ButtonCode::AdvancedFirePattern:
            std::snprintf(detail, sizeof detail, " (%u steps, colour 0x%06X)", static_cast<unsigned>(entry.ItemCount),
                          static_cast<unsigned>(entry.GunColor));
            text += " '" + std::string(FixedText(entry.ItemName)) + "'" + detail;
            break;
        default:
            break;
    }
    return text;
}
