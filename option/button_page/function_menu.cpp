#include "option/button_page/function_menu.h"

#include <initializer_list>
#include <span>

#include "lan/string_ids.h"
#include "option/button_page/function_commands.h"

namespace {

// Entry 19 plays the preset gun in the mouse's built-in slots.
constexpr int kPresetGunEntry = 19;

MenuItem CommandItem(int command, const ButtonDialogs& dialogs) {
    return {command, FindFunctionCommand(command)->text, CommandAvailable(command, dialogs), {}};
}

void AppendItems(std::vector<MenuItem>& menu, std::initializer_list<int> commands, const ButtonDialogs& dialogs) {
    for (int command : commands) menu.push_back(CommandItem(command, dialogs));
}

MenuItem Submenu(int title, std::initializer_list<int> commands, const ButtonDialogs& dialogs) {
    MenuItem item{0, title, true, {}};
    AppendItems(item.submenu, commands, dialogs);
    return item;
}

std::vector<MenuItem> NumberedMenu(int firstCommand, std::span<const int> texts) {
    std::vector<MenuItem> menu;
    int command = firstCommand;
    for (int text : texts) menu.push_back({command++, text, true, {}});
    return menu;
}

constexpr int kLightingTexts[kLightingChoices] = {str::kLightOff,      str::kLightSteady, str::kLightBreathing,
                                                  str::kLightDpiColour, str::kLightCycle,  str::kLightWave};
constexpr int kBreathingTexts[kBreathingChoices] = {str::kBreathSlow, str::kBreathMedium, str::kBreathFast};

}  // namespace

std::vector<MenuItem> FunctionMenu(int entry, const ButtonDialogs& d) {
    std::vector<MenuItem> menu;
    AppendItems(menu, {1003, 1005, 1004, 1008, 1009, 1052, 1053, 1051, 1050, 1054, 1060, 1058}, d);
    if (entry >= kBankEntryCount) {
        if (entry != kPresetGunEntry) AppendItems(menu, {1068}, d);
        AppendItems(menu, {1064, 1065, 1067}, d);
    }
    AppendItems(menu, {1049}, d);
    menu.push_back(Submenu(str::kMenuDpi, {1104, 1105, 1106}, d));
    menu.push_back(Submenu(str::kMenuProfile, {1108, 1109, 1110}, d));
    menu.push_back(Submenu(str::kMenuInternet, {1007, 1010, 1011, 1012, 1013, 1014, 1021, 1078}, d));
    menu.push_back(Submenu(str::kMenuWindows, {1020, 1022, 1024, 1025, 1056, 1057}, d));
    menu.push_back(Submenu(str::kMenuEditing, {1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1039}, d));
    menu.push_back(Submenu(str::kMenuMultimedia, {1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048}, d));
    return menu;
}

std::vector<MenuItem> LightingMenu() {
    return NumberedMenu(kFirstLightingCommand, kLightingTexts);
}

std::vector<MenuItem> BreathingMenu() {
    return NumberedMenu(kFirstBreathingCommand, kBreathingTexts);
}

int LightingText(int32_t lightSwitch) {
    return lightSwitch >= 0 && lightSwitch < kLightingChoices ? kLightingTexts[lightSwitch] : 0;
}

int BreathingText(int32_t breathSpeed) {
    return breathSpeed >= 1 && breathSpeed <= kBreathingChoices ? kBreathingTexts[breathSpeed - 1] : 0;
}

MenuOrigin MenuOriginBelow(const SkinRect& button) { return {button.left + 1, button.bottom - 1}; }
