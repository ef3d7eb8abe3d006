// Every skinned control kind made, painted and destroyed many times leaves
// no GDI object behind. Wine does not count a process's GDI objects
// (GetGuiResources answers 0), so the count kept by the owned handles is
// read: every object the controls make is adopted by one.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/bitmap_edit_win.h"
#include "shell/owned_handles_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "shell/skin_dialog_win.h"
#include "shell/skin_list_box_win.h"
#include "shell/skin_menu_win.h"
#include "shell/slider_win.h"
#include "skin_list_box_host_win.h"
#include "test_pictures_win.h"
#include "skin_set_folder_win.h"

namespace {

constexpr int kRounds = 20;

void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Makes one of each control on `parent`, paints every one of them several
// times in every look, and destroys them all.
void MakePaintDestroy(HWND parent, const std::string& thumb, HBITMAP sheet) {
    SkinButton shaped;
    shaped.SetMaskPath(SkinSetFolder() + "ok_mask.bmp");
    shaped.Create(parent, 1, RECT{0, 0, 100, 30});
    shaped.SetPictures(RECT{0, 0, 100, 30}, sheet, sheet, sheet, sheet);
    shaped.SetCaption("OK");
    SkinBitmapButton button;
    button.Create(parent, 2, RECT{110, 0, 170, 30}, "");
    button.SetPictures(RECT{0, 0, 60, 30}, sheet, sheet, sheet, sheet);
    button.SetCaption("Push");
    button.SetTooltip("tip", true);
    SkinColourButton colour;
    colour.Create(parent, 3, RECT{180, 0, 210, 30});
    colour.SetFillColour(RGB(200, 10, 10));
    BitmapEdit edit;
    edit.Create(parent, 4, RECT{0, 40, 100, 60});
    SetWindowTextA(edit.Handle(), "12");
    SkinListBox list;
    list.Create(parent, 5, RECT{0, 70, 150, 200});
    list.AddItem("row", 0);
    list.AddItem("icon room", 1);
    SendMessageA(list.Handle(), LB_SETCURSEL, 1, 0);
    SliderTrack slider;
    slider.Create(thumb, 160, 70, 300, 90, parent, 6);
    slider.SetBackground(RECT{0, 0, 140, 20}, sheet);
    SkinMenu menu;
    menu.SetFont("Arial", 14);
    menu.AppendItem("Item", 1);
    menu.AppendItem("", kSkinMenuSeparatorId);
    Canvas canvas(100, 40);
    for (int look = 0; look < 3; ++look) {
        shaped.SetLatched(look == 1);
        button.SetSelected(look == 2);
        colour.SetFillColour(RGB(look * 80, 10, 10));
        edit.SetColours(RGB(look, 0, 0), RGB(255, 255, look));
        list.SetColours(RGB(look, 0, 0), RGB(0, 0, 200));
        slider.SetValue(look * 4);
        PaintNow(parent);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.hDC = canvas.Dc();
        draw.rcItem = RECT{0, 0, 100, 19};
        draw.itemState = look == 1 ? ODS_SELECTED : 0;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        for (UINT item = 0; item < 2; ++item) {
            GetMenuItemInfoA(menu.Handle(), item, TRUE, &info);
            draw.itemData = info.dwItemData;
            menu.DrawItem(draw);
            SelectClipRgn(canvas.Dc(), nullptr);
        }
    }
}

class WarnDialog : public SkinDialog {
public:
    WarnDialog() : SkinDialog(SkinSetFolder(), "skin_warn.ini") {}

protected:
    void OnBuild(const SkinWindowBuilder& build) override {
        AddSkinButton(build, 1, "ok_mask.bmp", "OK");
        AddSkinButton(build, 2, "cancel_mask.bmp", "Cancel");
        AddBitmapButton(build, 3);
    }
};

}  // namespace

TEST(GdiOwnership, EveryControlKindGivesBackWhatItMade) {
    RecordingHost& host = SharedHost();
    const std::string thumb = TempPath("gdi_test_thumb.bmp");
    ASSERT_TRUE(WriteBmp(thumb, 10, 16, [](int x, int) { return x < 2 ? RGB(0, 255, 0) : RGB(200, 30, 30); }));
    const UniqueBitmap sheet(SolidBitmap(400, 300, RGB(90, 90, 90)));
    const long before = OwnedGdiObjectCount();
    long whileAlive = 0;
    for (int round = 0; round < kRounds; ++round) {
        MakePaintDestroy(host.window, thumb, sheet.get());
        WarnDialog dialog;  // as a child: Wine makes and destroys those quickly
        ASSERT_NE(dialog.CreateChild(host.window, RECT{0, 0, 100, 100}), nullptr);
        ShowWindow(dialog.Handle(), SW_SHOWNA);
        PaintNow(dialog.Handle());
        DestroyWindow(dialog.Handle());
        if (round == 0) {
            // The count does see the controls' objects.
            SkinListBox list;
            list.Create(host.window, 9, RECT{0, 0, 50, 50});
            whileAlive = OwnedGdiObjectCount();
        }
    }
    EXPECT_GT(whileAlive, before);
    EXPECT_EQ(OwnedGdiObjectCount(), before);
}

TEST(GdiOwnership, HandlesCountAdoptionDeletionAndHandOver) {
    const long before = OwnedGdiObjectCount();
    {
        UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        UniqueRegion region(CreateRectRgn(0, 0, 5, 5));
        EXPECT_EQ(OwnedGdiObjectCount(), before + 2);
        UniqueBrush moved(std::move(brush));
        EXPECT_EQ(OwnedGdiObjectCount(), before + 2);
        HRGN given = region.release();  // handed over: no longer ours
        EXPECT_EQ(OwnedGdiObjectCount(), before + 1);
        DeleteObject(given);
        moved.reset(CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(OwnedGdiObjectCount(), before + 1);
    }
    EXPECT_EQ(OwnedGdiObjectCount(), before);
}
