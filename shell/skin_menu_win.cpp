#include "shell/skin_menu_win.h"

#include "shell/gbk_font_win.h"
#include "shell/window_subclass_win.h"

SkinMenu::SkinMenu()
    : menu_(CreatePopupMenu()),
      itemBack_(CreateSolidBrush(SkinMenuColoursFor(false).back)),
      selectedBack_(CreateSolidBrush(SkinMenuColoursFor(true).back)),
      separator_(CreatePen(PS_SOLID, 1, kSkinMenuSeparatorLine)) {}

SkinMenu::~SkinMenu() {
    if (menu_ && ownsHandle_) DestroyMenu(menu_);  // also destroys the submenus' handles
}

void SkinMenu::SetFont(const char* face, int height, int weight) {
    font_.reset(CreateGbkFaceFont(face, height, 0, weight, FF_DONTCARE));
}

void SkinMenu::AppendItem(const std::string& text, UINT id, bool enabled) {
    items_.push_back(std::make_unique<Item>(Item{text, id, this, nullptr}));
    const auto data = reinterpret_cast<LPCSTR>(items_.back().get());
    if (id == kSkinMenuSeparatorId)
        AppendMenuA(menu_, MF_OWNERDRAW | MF_SEPARATOR, id, data);
    else
        AppendMenuA(menu_, MF_OWNERDRAW | (enabled ? 0u : MF_GRAYED), id, data);
    width_ = RaiseSkinMenuWidth(width_, text);
}

SkinMenu& SkinMenu::AppendSubmenu(const std::string& text) {
    submenus_.push_back(std::make_unique<SkinMenu>());
    SkinMenu& submenu = *submenus_.back();
    submenu.ownsHandle_ = false;
    submenu.root_ = root_;
    items_.push_back(std::make_unique<Item>(Item{text, 0, this, &submenu}));
    AppendMenuA(menu_, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.menu_),
                reinterpret_cast<LPCSTR>(items_.back().get()));
    width_ = RaiseSkinMenuWidth(width_, text);
    return submenu;
}

const SkinMenu::Item* SkinMenu::FindItem(ULONG_PTR data) const {
    // Only pointers this menu handed out are trusted.
    for (const auto& item : items_)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    for (const auto& submenu : submenus_)
        if (const Item* item = submenu->FindItem(data)) return item;
    return nullptr;
}

bool SkinMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU) return false;
    const Item* item = FindItem(measure.itemData);
    if (!item) return false;
    const SkinMenuItemSize size = MeasureSkinMenuItem(item->id == kSkinMenuSeparatorId && !item->submenu,
                                                      item->menu->width_);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool SkinMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_MENU) return false;
    const Item* item = FindItem(draw.itemData);
    if (!item) return false;
    DrawEntry(*item, draw);
    return true;
}

void SkinMenu::DrawEntry(const Item& item, const DRAWITEMSTRUCT& draw) const {
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    const bool separator = item.id == kSkinMenuSeparatorId && !item.submenu;
    const bool selected = !separator && (draw.itemState & ODS_SELECTED);
    const SkinMenuItemColours colours = SkinMenuColoursFor(selected);
    FillRect(dc, &rect, (selected ? root_->selectedBack_ : root_->itemBack_).get());

    if (separator) {
        const SelectedObject pen(dc, root_->separator_.get());
        const int middle = (rect.top + rect.bottom) / 2;
        MoveToEx(dc, rect.left, middle, nullptr);
        LineTo(dc, rect.right, middle);
    } else {
        const SelectedObject font(dc, root_->font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, (draw.itemState & ODS_GRAYED) ? kSkinMenuDisabledText : colours.text);
        RECT textRect = rect;
        textRect.left += kSkinMenuTextLeft;
        DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (item.submenu && root_->arrowIcon_)
            DrawIcon(dc, rect.right - kSkinMenuArrowRight, rect.top - kSkinMenuArrowUp, root_->arrowIcon_);
    }
    // Keeps the platform from painting its own arrow or check over the item.
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

UINT SkinMenu::Track(HWND owner, int x, int y, UINT flags) {
    WindowSubclass answerItems;
    answerItems.Attach(owner, [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        const bool mine = (message == WM_MEASUREITEM && MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) ||
                          (message == WM_DRAWITEM && DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)));
        if (mine) result = TRUE;
        return mine;
    });
    return static_cast<UINT>(TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr));
}
