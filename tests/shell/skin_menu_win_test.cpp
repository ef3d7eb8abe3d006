#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "shell/menu_frame_win.h"
#include "shell/skin_menu_win.h"
#include "shell/window_subclass_win.h"
#include "skin_list_box_host_win.h"

namespace {

// What the owner saw of the open popup menu, once the menu went idle
// (WM_ENTERIDLE), before closing it.
struct MenuSighting {
    bool found = false;
    bool hasProperty = false;
    HWND window = nullptr;
    std::vector<RECT> itemRects;
    COLORREF frame[3] = {};  // pixels (0,0), (1,1), (2,2) of the menu window
};

HWND g_owner = nullptr;
HMENU g_menu = nullptr;
std::vector<MenuSighting> g_sightings;

void LookAtMenuThenClose() {
    MenuSighting seen;
    seen.window = FindWindowA("#32768", nullptr);
    seen.found = seen.window != nullptr;
    seen.hasProperty = seen.found && GetPropA(seen.window, kMenuOldProcProperty) != nullptr;
    if (seen.found) {
        RedrawWindow(seen.window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetWindowDC(seen.window);
        for (int i = 0; i < 3; ++i) seen.frame[i] = GetPixel(dc, i, i);
        ReleaseDC(seen.window, dc);
    }
    for (int i = 0; g_menu && i < GetMenuItemCount(g_menu); ++i) {
        RECT rect{};
        GetMenuItemRect(g_owner, g_menu, static_cast<UINT>(i), &rect);
        seen.itemRects.push_back(rect);
    }
    g_sightings.push_back(seen);
    EndMenu();
}

void OpenAndClose(HWND owner, HMENU menu, SkinMenu* skin = nullptr) {
    g_owner = owner;
    g_menu = menu;
    SetForegroundWindow(owner);
    WindowSubclass idle;
    idle.Attach(owner, [](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) LookAtMenuThenClose();
        return false;
    });
    if (skin)
        skin->Track(owner, 150, 150);
    else
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, 150, 150, 0, owner, nullptr);
    PumpPosted();
}

ULONG_PTR ItemData(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info.dwItemData;
}

MEASUREITEMSTRUCT Measure(const SkinMenu& menu, HMENU handle, UINT position) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = ItemData(handle, position);
    EXPECT_TRUE(menu.MeasureItem(measure));
    return measure;
}

}  // namespace

TEST(MenuFrames, EachShowingOfAMenuIsSubclassedAfresh) {
    RecordingHost& host = SharedHost();
    ASSERT_TRUE(InstallMenuFrames());
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "One");
    AppendMenuA(menu, MF_STRING, 2, "Two");
    g_sightings.clear();
    OpenAndClose(host.window, menu);
    OpenAndClose(host.window, menu);
    RemoveMenuFrames();
    ASSERT_EQ(g_sightings.size(), 2u);
    for (const MenuSighting& seen : g_sightings) {
        EXPECT_TRUE(seen.found);
        EXPECT_TRUE(seen.hasProperty);
        EXPECT_EQ(seen.frame[0], RGB(18, 72, 158));
        EXPECT_EQ(seen.frame[1], RGB(0, 0, 0));
        EXPECT_EQ(seen.frame[2], RGB(0, 0, 0));
        // Once closed, the menu window no longer carries the subclass.
        EXPECT_TRUE(!IsWindow(seen.window) || !GetPropA(seen.window, kMenuOldProcProperty));
    }
    DestroyMenu(menu);
}

TEST(MenuFrames, WithoutTheHookMenusAreLeftAlone) {
    RecordingHost& host = SharedHost();
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "One");
    g_sightings.clear();
    OpenAndClose(host.window, menu);
    ASSERT_EQ(g_sightings.size(), 1u);
    EXPECT_FALSE(g_sightings[0].hasProperty);
    DestroyMenu(menu);
}

TEST(SkinMenuMeasure, ItemsUseTheWidthValueAndFixedHeights) {
    SkinMenu menu;
    menu.AppendItem("Copy", 1001);
    menu.AppendItem("", kSkinMenuSeparatorId);
    menu.AppendItem("A long item text", 1002);  // 16 characters
    EXPECT_EQ(menu.Width(), 128);
    menu.SetWidth(137);
    const MEASUREITEMSTRUCT item = Measure(menu, menu.Handle(), 0);
    const MEASUREITEMSTRUCT separator = Measure(menu, menu.Handle(), 1);
    EXPECT_EQ(item.itemWidth, 137u);
    EXPECT_EQ(item.itemHeight, 19u);
    EXPECT_EQ(separator.itemWidth, 137u);
    EXPECT_EQ(separator.itemHeight, 5u);
    EXPECT_EQ(GetMenuItemID(menu.Handle(), 1), kSkinMenuSeparatorId);
}

TEST(SkinMenuMeasure, SubmenuItemsAreFoundFromTheTopMenu) {
    SkinMenu menu;
    menu.AppendItem("Top", 1);
    SkinMenu& sub = menu.AppendSubmenu("More");
    sub.AppendItem("Deep", 2);
    sub.SetWidth(81);
    const MEASUREITEMSTRUCT deep = Measure(menu, sub.Handle(), 0);
    EXPECT_EQ(deep.itemWidth, 81u);
    EXPECT_EQ(GetSubMenu(menu.Handle(), 1), sub.Handle());

    MEASUREITEMSTRUCT foreign{};
    foreign.CtlType = ODT_MENU;
    foreign.itemData = reinterpret_cast<ULONG_PTR>(&foreign);
    EXPECT_FALSE(menu.MeasureItem(foreign));
}

TEST(SkinMenuTrack, OpenMenuHasTheMeasuredItemSizes) {
    RecordingHost& host = SharedHost();
    SkinMenu menu;
    menu.AppendItem("First", 1);
    menu.AppendItem("", kSkinMenuSeparatorId);
    menu.AppendItem("Second", 2);
    menu.SetWidth(120);
    g_sightings.clear();
    OpenAndClose(host.window, menu.Handle(), &menu);
    ASSERT_EQ(g_sightings.size(), 1u);
    const std::vector<RECT>& rects = g_sightings[0].itemRects;
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].bottom - rects[0].top, 19);
    EXPECT_EQ(rects[1].bottom - rects[1].top, 5);
    EXPECT_EQ(rects[2].top, rects[1].bottom);
}

TEST(SkinMenuDraw, ColoursFollowSelectionAndSeparatorsGetALine) {
    SkinMenu menu;
    menu.AppendItem("Item", 1);
    menu.AppendItem("", kSkinMenuSeparatorId);
    Canvas canvas(100, 30);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = canvas.Dc();
    draw.itemData = ItemData(menu.Handle(), 0);
    draw.rcItem = RECT{0, 0, 100, 19};
    draw.itemState = ODS_SELECTED;
    ASSERT_TRUE(menu.DrawItem(draw));
    EXPECT_EQ(canvas.At(95, 1), RGB(18, 72, 158));
    draw.itemState = 0;
    SelectClipRgn(canvas.Dc(), nullptr);  // drawing excluded the item; open it again
    menu.DrawItem(draw);
    EXPECT_EQ(canvas.At(95, 1), RGB(0, 0, 0));

    SelectClipRgn(canvas.Dc(), nullptr);
    draw.itemData = ItemData(menu.Handle(), 1);
    draw.rcItem = RECT{0, 20, 100, 25};
    menu.DrawItem(draw);
    EXPECT_EQ(canvas.At(50, 22), RGB(18, 72, 158));
    EXPECT_EQ(canvas.At(50, 20), RGB(0, 0, 0));
}

TEST(SkinMenuDraw, DrawingExcludesTheItemFromLaterPainting) {
    SkinMenu menu;
    menu.AppendItem("Item", 1);
    Canvas canvas(100, 19);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = canvas.Dc();
    draw.itemData = ItemData(menu.Handle(), 0);
    draw.rcItem = RECT{0, 0, 100, 19};
    menu.DrawItem(draw);
    RECT all{0, 0, 100, 19};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(canvas.At(95, 1), RGB(0, 0, 0));
}
