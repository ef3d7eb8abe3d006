// The page's popup menus on the platform: a skinned menu made from the
// model's menu data and shown just inside the bottom-left corner of the
// button that opened it.
#pragma once

#include <windows.h>

#include <vector>

#include "option/button_page/function_menu.h"
#include "profile/text_source.h"

// Shows `items` (each menu and submenu at least `width` wide, `arrow` on
// submenu titles) for `owner` below `button` and returns once the menu has
// closed; the chosen command reaches `owner` as WM_COMMAND afterwards.
void TrackPageMenu(HWND owner, HWND button, const std::vector<MenuItem>& items, int width, const TextSource& texts,
                   HICON arrow);
