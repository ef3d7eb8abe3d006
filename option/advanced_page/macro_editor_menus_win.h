// The macro editor's two context menus (event list and tree list), made
// once with the page: captions from the language texts, SimSun 13.
#pragma once

#include "profile/text_source.h"
#include "shell/skin_menu_win.h"

class MacroEditorMenus {
public:
    explicit MacroEditorMenus(const TextSource& texts);

    // Shows the menu of list `listId` at the pointer for `owner`; the chosen
    // command, or 0.
    int Track(HWND owner, int listId);

private:
    SkinMenu events_;
    SkinMenu tree_;
};
