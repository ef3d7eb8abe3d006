// Driving Option's button page from outside: its window, its controls by
// layout entry, the popup menus it opens (items found by command id through
// the page's own menu data) and pictures of the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/button_page/function_menu.h"

namespace button_page_driver {

// The shown page of Option's main window (a child dialog).
HWND ShownPage(HWND main);
void ClickPageEntry(HWND page, int entry);
// A click on a skinned button of Option: the pointer first, and the press
// only once the button has taken the pointer for its hover look, so the
// press cannot land on the button the pointer came from.
void ClickButton(HWND button);

// Clicks `button` until the menu it opens is shown, and returns the menu. A
// click within 200 ms of the page's last menu closing opens nothing, by
// design; a further click after that does.
HWND OpenMenuOf(HWND button);
// Visible popup menu windows, oldest first.
std::vector<HWND> MenuWindows();
// Waits until `count` menus are open and returns the newest.
HWND WaitForMenus(size_t count);
// The screen rectangle of the item with `command` (0 for a submenu title
// with `text`) in `menu`, drawn from `items`; empty when it is not there.
RECT MenuItemRect(HWND menu, const std::vector<MenuItem>& items, int command, int text = 0);
void ClickAt(const RECT& r);
void MoveTo(const RECT& r);
// A left-button drag from `from` to `to` (screen coordinates).
void Drag(POINT from, POINT to);

// Lets `window`'s thread paint everything pending, then saves the screen
// under `window` as `name` (BMP) in the build's screenshot folder.
void Screenshot(HWND window, const std::string& name);

}  // namespace button_page_driver
