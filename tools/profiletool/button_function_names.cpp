#include "tools/profiletool/button_function_names.h"

#include <cstdio>

#include "profile/fixed_text.h"

namespace {

const char* CodeName(int code) {
    switch (code) {
        case 0: return "no function";
        case 1: return "primary click";
        case 2: return "secondary click";
        case 3: return "middle click";
        case 5: return "key combination";
        case 16: return "macro";
        case 17: case 122: case 123: return "program launch";
        case 21: return "repeated click";
        case 100: return "fire pattern";
        case 105: return "advanced fire pattern";
        default: return "function";
    }
}

}  // namespace

std::string DescribeButtonFunction(const ButtonFunction& entry) {
    std::string text = std::to_string(entry.Code) + " " + CodeName(entry.Code);
    char detail[128];
    switch (entry.Code) {
        case 5:
            std::snprintf(detail, sizeof detail, " key 0x%02X modifiers 0x%02X", entry.Payload[0], entry.Payload[1]);
            text += detail;
            break;
        case 16:
            text += " '" + std::string(FixedText(entry.ItemName)) + "' (" + std::to_string(entry.ItemCount) + " events)";
            break;
        case 17: case 122: case 123:
            text += " '" + std::string(FixedText(entry.ProgramPath)) + "'";
            break;
        case 21:
            std::snprintf(detail, sizeof detail, " key 0x%02X, %d clicks every %d ms", entry.Payload[0],
                          static_cast<int>(entry.FireCount), static_cast<int>(entry.FireInterval));
            text += detail;
            break;
        case 100: case 105:
            std::snprintf(detail, sizeof detail, " (%u steps, colour 0x%06X)", static_cast<unsigned>(entry.ItemCount),
                          static_cast<unsigned>(entry.GunColor));
            text += " '" + std::string(FixedText(entry.ItemName)) + "'" + detail;
            break;
        default:
            break;
    }
    return text;
}
