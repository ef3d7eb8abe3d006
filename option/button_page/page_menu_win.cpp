#include "option/button_page/page_menu_win.h"

#include "shell/skin_menu_win.h"

namespace {

void Fill(SkinMenu& menu, const std::vector<MenuItem>& items, int width, const TextSource& texts) {
    menu.SetWidth(width);  // the minimum; longer texts widen it
    for (const MenuItem& item : items) {
        if (item.submenu.empty())
            menu.AppendItem(texts.Text(item.text), static_cast<UINT>(item.command), item.enabled);
        else
            Fill(menu.AppendSubmenu(texts.Text(item.text)), item.submenu, width, texts);
    }
}

}  // namespace

void TrackPageMenu(HWND owner, HWND button, const std::vector<MenuItem>& items, int width, const TextSource& texts,
                   HICON arrow) {
    SkinMenu menu;
    menu.SetFont(kPageMenuFontGbk, kPageMenuFontHeight, kPageMenuFontWeight);
    menu.SetArrowIcon(arrow);
    Fill(menu, items, width, texts);
    RECT r{};
    GetWindowRect(button, &r);
    const MenuOrigin at = MenuOriginBelow({r.left, r.top, r.right, r.bottom});
    menu.Track(owner, at.x, at.y);
}
