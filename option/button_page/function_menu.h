// The page's popup menus as data: the function menu of an entry, the
// lighting and breathing menus, their fonts and widths, where they open
// and the guard against re-opening a menu by the click that closed it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "option/button_page/button_dialogs.h"
#include "shell/skin_rect.h"

struct MenuItem {
    int command;  // 0 on a submenu title
    int text;     // language string
    bool enabled = true;
    std::vector<MenuItem> submenu;
    bool operator==(const MenuItem&) const = default;
};

// Font of all three menus: NSimSun ("新宋体", GBK bytes), 13 high, weight 400.
inline constexpr char kPageMenuFontGbk[] = "\xD0\xC2\xCB\xCE\xCC\xE5";
inline constexpr int kPageMenuFontHeight = 13;
inline constexpr int kPageMenuFontWeight = 400;
// Width values: the function menu and each of its submenus, the other two.
inline constexpr int kFunctionMenuWidth = 137;
inline constexpr int kSettingMenuWidth = 81;

inline constexpr int kFirstLightingCommand = 3001;  // LightSwitch 0..5
inline constexpr int kLightingChoices = 6;
inline constexpr int kFirstBreathingCommand = 4001;  // BreathSpeed 1..3
inline constexpr int kBreathingChoices = 3;

// The function menu of entry 0..31. The items whose dialog `dialogs` does
// not offer are disabled.
std::vector<MenuItem> FunctionMenu(int entry, const ButtonDialogs& dialogs);
std::vector<MenuItem> LightingMenu();
std::vector<MenuItem> BreathingMenu();

// The language string naming LightSwitch 0..5 or BreathSpeed 1..3; 0 (no
// text) for any other value.
int LightingText(int32_t lightSwitch);
int BreathingText(int32_t breathSpeed);

struct MenuOrigin {
    int32_t x;
    int32_t y;
    bool operator==(const MenuOrigin&) const = default;
};

// A menu opens just inside the bottom-left corner of the button that opened
// it (screen coordinates), tracked with the right mouse button allowed.
MenuOrigin MenuOriginBelow(const SkinRect& buttonOnScreen);

// The click that closes a menu must not open it again at once: a page
// button opens its menu only when more than 200 ms have passed since the
// page's last menu closed. Times are tick counts in milliseconds; the
// difference is taken modulo 2^32 so the tick counter may wrap.
class MenuReopenGuard {
public:
    static constexpr uint32_t kQuietMs = 200;
    bool MayOpen(uint32_t now) const { return !closedAt_ || now - *closedAt_ > kQuietMs; }
    void Closed(uint32_t now) { closedAt_ = now; }

private:
    std::optional<uint32_t> closedAt_;
};
