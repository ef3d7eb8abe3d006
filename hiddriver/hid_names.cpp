#include "hiddriver/hid_names.h"

#include <cstdio>
#include <iterator>

namespace vmouse {
namespace {

std::string Hex(const char* format, unsigned value) {
    char text[24];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Usages 0x28..0x52 in order.
constexpr const char* kKeysFrom0x28[] = {
    "Enter", "Esc", "Backspace", "Tab", "Space", "-", "=", "[", "]", "\\", "#", ";", "'", "`",
    ",", ".", "/", "CapsLock", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10",
    "F11", "F12", "PrintScreen", "ScrollLock", "Pause", "Insert", "Home", "PageUp", "Delete",
    "End", "PageDown", "Right", "Left", "Down", "Up"};

// Usages 0xE0..0xE7.
constexpr const char* kModifierKeys[] = {"LeftCtrl", "LeftShift", "LeftAlt", "LeftWin",
                                         "RightCtrl", "RightShift", "RightAlt", "RightWin"};

struct ConsumerName {
    uint16_t Usage;
    const char* Name;
};

constexpr ConsumerName kConsumerNames[] = {
    {0x00B5, "next track"},    {0x00B6, "previous track"}, {0x00B7, "stop"},
    {0x00CD, "play/pause"},    {0x00E2, "mute"},           {0x00E9, "volume up"},
    {0x00EA, "volume down"},   {0x0183, "media player"},   {0x018A, "mail"},
    {0x0192, "calculator"},    {0x0194, "file browser"},   {0x0221, "browser search"},
    {0x0223, "browser home"},  {0x0224, "browser back"},   {0x0225, "browser forward"},
    {0x0226, "browser stop"},  {0x0227, "browser refresh"}, {0x022A, "browser favourites"},
};

}  // namespace

std::string KeyUsageName(uint8_t usage) {
    if (usage >= 0x04 && usage <= 0x1D) return std::string(1, static_cast<char>('A' + usage - 0x04));
    if (usage >= 0x1E && usage <= 0x26) return std::string(1, static_cast<char>('1' + usage - 0x1E));
    if (usage == 0x27) return "0";
    if (usage >= 0x28 && usage < 0x28 + std::size(kKeysFrom0x28)) return kKeysFrom0x28[usage - 0x28];
    if (usage == 0x53) return "NumLock";
    if (usage >= 0x59 && usage <= 0x61) return "Num" + std::string(1, static_cast<char>('1' + usage - 0x59));
    if (usage == 0x62) return "Num0";
    if (usage == 0x65) return "Menu";
    if (usage >= 0xE0 && usage <= 0xE7) return kModifierKeys[usage - 0xE0];
    return Hex("key 0x%02X", usage);
}

std::string ModifierNames(uint8_t bits) {
    static constexpr const char* kNames[] = {"Ctrl", "Shift", "Alt", "Win"};
    std::string text;
    for (int bit = 0; bit < 4; ++bit) {
        if (!(bits & (1u << bit))) continue;
        if (!text.empty()) text += '+';
        text += kNames[bit];
    }
    if (bits & 0xF0) {
        if (!text.empty()) text += '+';
        text += Hex("modifiers 0x%02X", bits & 0xF0u);
    }
    return text;
}

std::string MouseButtonName(uint8_t code) {
    static constexpr const char* kNames[] = {"left", "right", "wheel button", "back", "forward"};
    if (code >= 0xF0 && code <= 0xF4) return kNames[code - 0xF0];
    return Hex("code 0x%02X", code);
}

std::string ConsumerUsageName(uint16_t usage) {
    for (const auto& c : kConsumerNames)
        if (c.Usage == usage) return c.Name;
    return Hex("usage 0x%04X", usage);
}

}  // namespace vmouse
