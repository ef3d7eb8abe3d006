// An owner-drawn popup menu: black items with light text, a blue selection,
// blue separator lines and an arrow icon on submenu titles.
//
// Win32 sends WM_MEASUREITEM and WM_DRAWITEM for a popup menu to the window
// that tracks it (menus have no control window to reflect them to). Track()
// subclasses that window for the time the menu is open and answers them
// itself; a window that tracks the menu by other means calls MeasureItem() /
// DrawItem() from its own handlers (they return false for items that are not
// this menu's).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/owned_handles_win.h"
#include "shell/skin_menu_layout.h"

class SkinMenu {
public:
    SkinMenu();
    ~SkinMenu();
    SkinMenu(const SkinMenu&) = delete;
    SkinMenu& operator=(const SkinMenu&) = delete;

    HMENU Handle() const { return menu_; }

    // Font of the items; `face` may hold GBK bytes (as "新宋体" does).
    // Submenus draw with the font of the menu they were appended to.
    void SetFont(const char* face, int height, int weight = FW_NORMAL);
    // The arrow drawn on submenu titles; the application keeps ownership.
    void SetArrowIcon(HICON icon) { arrowIcon_ = icon; }

    // Appends a command item, or a separator when `id` is kSkinMenuSeparatorId;
    // a disabled item is drawn grey and cannot be chosen.
    void AppendItem(const std::string& text, UINT id, bool enabled = true);
    // Appends a submenu title and returns the submenu, owned by this menu.
    SkinMenu& AppendSubmenu(const std::string& text);

    // The width every item is measured with; appending raises it to fit.
    void SetWidth(int width) { width_ = width; }
    int Width() const { return width_; }

    // Shows the menu at (x, y) in screen coordinates for `owner` and returns
    // what TrackPopupMenu returns.
    UINT Track(HWND owner, int x, int y, UINT flags = TPM_LEFTALIGN | TPM_RIGHTBUTTON);

    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    struct Item {
        std::string text;
        UINT id;
        const SkinMenu* menu;     // the menu holding the item
        SkinMenu* submenu;        // for a submenu title
    };

    const Item* FindItem(ULONG_PTR data) const;
    void DrawEntry(const Item& item, const DRAWITEMSTRUCT& draw) const;

    HMENU menu_ = nullptr;
    bool ownsHandle_ = true;  // a submenu's handle is destroyed with its parent's
    const SkinMenu* root_ = this;
    // Drawing tools of the whole menu, kept by the top menu.
    UniqueFont font_;
    UniqueBrush itemBack_, selectedBack_;
    UniquePen separator_;
    HICON arrowIcon_ = nullptr;
    int width_ = 0;
    std::vector<std::unique_ptr<Item>> items_;
    std::vector<std::unique_ptr<SkinMenu>> submenus_;
};
