// The skinned dialog base, built from the generated warning layout: binding,
// layout, shape, background, commands and the Enter/Escape policy, driven
// through its own modal loop by messages queued before it starts.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "input_pump_win.h"
#include "shell/skin_dialog_win.h"
#include "shell/skin_picture_win.h"
#include "skin_list_box_host_win.h"
#include "skin_set_folder_win.h"

namespace {

constexpr UINT kClickCloseLater = WM_APP + 1;

struct Command {
    int id, code;
};

// OK (entry 1), Cancel (entry 2) and close (entry 3), like every warning.
class WarnDialog : public SkinDialog {
public:
    WarnDialog() : SkinDialog(SkinSetFolder(), "skin_warn.ini") {}

    std::function<void(WarnDialog&)> onInit;  // queues the test's input
    std::vector<Command> commands;
    HWND boundInBuild = nullptr;
    HWND ok = nullptr;
    HWND close = nullptr;
    HWND field = nullptr;
    int enterReleases = 0;  // reported by the field
    bool ownerEnabledInside = true;
    RECT rect{};
    bool shaped = false;

    void Click(HWND control) {
        PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
        PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    }
    void Key(UINT vk) {
        PostMessageA(Handle(), WM_KEYDOWN, vk, 0);
        PostMessageA(Handle(), WM_KEYUP, vk, 0);
    }

protected:
    void OnBuild(const SkinWindowBuilder& build) override {
        boundInBuild = Handle();
        ok = AddSkinButton(build, 1, "ok_mask.bmp", "OK").Handle();
        AddSkinButton(build, 2, "cancel_mask.bmp", "Cancel");
        close = AddBitmapButton(build, 3).Handle();
        BitmapEdit& edit = Own(std::make_unique<BitmapEdit>());
        edit.Create(Handle(), 4, RECT{40, 150, 140, 170});
        field = edit.Handle();
    }
    BOOL OnInit() override {
        GetWindowRect(Handle(), &rect);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        shaped = GetWindowRgn(Handle(), region) != ERROR;
        DeleteObject(region);
        // Handled once the loop runs, which has disabled the owner by then.
        PostMessageA(Handle(), WM_APP, 0, reinterpret_cast<LPARAM>(GetWindow(Handle(), GW_OWNER)));
        if (onInit) onInit(*this);
        return TRUE;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT&) override {
        if (message == WM_APP) ownerEnabledInside = IsWindowEnabled(reinterpret_cast<HWND>(lParam)) != FALSE;
        if (message == kBitmapEditEnterMessage) ++enterReleases;
        if (message == kClickCloseLater) Click(close);  // the only way out
        return false;
    }
    void OnCommand(int id, int code, HWND) override {
        if (id == 4) return;  // the field's own notifications
        commands.push_back({id, code});
        if (id == 1) End(IDOK);
        if (id == 2 || id == 3) End(IDCANCEL);
    }
};

}  // namespace

// A modal dialog is an activated top-level window, which Wine takes a good
// while to make and destroy: each test runs as few as it needs.
TEST(SkinDialog, ModalFromItsLayoutSwallowingEnterAndEscape) {
    RecordingHost& host = SharedHost();
    UniqueBitmap sheet;
    SIZE size{};
    ASSERT_TRUE(LoadSkinPicture(SkinSetFolder() + "warn_normal.bmp", sheet, size));
    const PictureDc sheetDc(nullptr, sheet.get());
    const POINT spots[3] = {{30, 120}, {200, 180}, {380, 100}};
    COLORREF shown[3] = {}, expected[3] = {};

    WarnDialog dialog;
    dialog.onInit = [&](WarnDialog& d) {
        SetWindowPos(d.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
        UpdateWindow(d.Handle());
        const WindowDc dc(d.Handle());
        for (int i = 0; i < 3; ++i) {
            shown[i] = GetPixel(dc.get(), spots[i].x, spots[i].y);
            expected[i] = GetPixel(sheetDc.get(), spots[i].x, spots[i].y);
        }
        d.Key(VK_RETURN);
        d.Key(VK_ESCAPE);
        PostMessageA(d.Handle(), WM_CHAR, '\r', 0);
        // In a field, Enter is kept from the dialog but its release is reported.
        SetFocus(d.field);
        PostMessageA(d.field, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(d.field, WM_KEYUP, VK_RETURN, 0);
        PostMessageA(d.Handle(), kClickCloseLater, 0, 0);  // behind what the keys post
    };
    EXPECT_EQ(dialog.RunModal(host.window), IDCANCEL);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 3);
    EXPECT_EQ(dialog.enterReleases, 1);

    EXPECT_NE(dialog.boundInBuild, nullptr);
    EXPECT_EQ(dialog.Handle(), nullptr);  // let go with the window
    EXPECT_FALSE(IsWindow(dialog.boundInBuild));
    EXPECT_EQ(dialog.rect.left, 0);
    EXPECT_EQ(dialog.rect.right - dialog.rect.left, 400);
    EXPECT_EQ(dialog.rect.bottom - dialog.rect.top, 260);
    EXPECT_TRUE(dialog.shaped);
    EXPECT_FALSE(dialog.ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(host.window));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(shown[i], expected[i]) << "background at spot " << i;
}

TEST(SkinDialog, KeysEndTheDialogWhenItsPolicySaysSo) {
    RecordingHost& host = SharedHost();
    for (const auto& [key, expected] : {std::pair{VK_RETURN, IDOK}, std::pair{VK_ESCAPE, IDCANCEL}}) {
        WarnDialog dialog;
        dialog.SetKeys({true, true});
        dialog.onInit = [key = key](WarnDialog& d) { d.Key(key); };
        EXPECT_EQ(dialog.RunModal(host.window), expected);
        EXPECT_TRUE(dialog.commands.empty());  // not mistaken for a click on entry 1 or 2
    }
}

TEST(SkinDialog, ClicksCloseRequestsAndQuitEndIt) {
    RecordingHost& host = SharedHost();
    WarnDialog clicked;
    clicked.onInit = [](WarnDialog& d) { d.Click(d.ok); };
    EXPECT_EQ(clicked.RunModal(host.window), IDOK);
    ASSERT_EQ(clicked.commands.size(), 1u);
    EXPECT_EQ(clicked.commands[0].id, 1);

    WarnDialog closed;
    closed.onInit = [](WarnDialog& d) { PostMessageA(d.Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(closed.RunModal(host.window), IDCANCEL);

    WarnDialog quit;
    quit.onInit = [](WarnDialog&) { PostQuitMessage(5); };
    EXPECT_EQ(quit.RunModal(host.window), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // passed on to the outer loop
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(SkinDialog, ChildDialogAndMissingLayout) {
    RecordingHost& host = SharedHost();
    class Empty : public SkinDialog {
    public:
        Empty() : SkinDialog(SkinSetFolder(), "skin_no_such_dialog.ini") {}
        void OnBuild(const SkinWindowBuilder&) override {}
    } empty;
    HWND page = empty.CreateChild(host.window, RECT{5, 7, 5, 7});
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetParent(page), host.window);
    // Placed and hidden, for the parent to show: never seen at the layout's origin.
    EXPECT_FALSE(IsWindowVisible(page));
    RECT r;
    GetWindowRect(page, &r);
    POINT at{r.left, r.top};
    ScreenToClient(host.window, &at);
    EXPECT_EQ(at.x, 5);
    EXPECT_EQ(at.y, 7);
    EXPECT_EQ(r.right - r.left, 0);  // no pictures: no size, no outline
    DestroyWindow(page);
    EXPECT_EQ(empty.Handle(), nullptr);
}

namespace {

// Builds OK at once and the close button only when told, from the same sheets.
class DeferringDialog : public SkinDialog {
public:
    DeferringDialog() : SkinDialog(SkinSetFolder(), "skin_warn.ini") {}
    using SkinDialog::FinishBuilding;
    int deferredBuilds = 0;

protected:
    void OnBuild(const SkinWindowBuilder& build) override {
        AddSkinButton(build, 1, "ok_mask.bmp", "OK");
        DeferControls();
    }
    void OnBuildDeferred(const SkinWindowBuilder& build) override {
        ++deferredBuilds;
        AddBitmapButton(build, 3);
    }
};

}  // namespace

TEST(SkinDialog, DeferredControlsComeOnceFromTheSameSheets) {
    DeferringDialog dialog;
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    EXPECT_NE(GetDlgItem(dialog.Handle(), 1), nullptr);
    EXPECT_EQ(GetDlgItem(dialog.Handle(), 3), nullptr);
    dialog.FinishBuilding();
    dialog.FinishBuilding();
    EXPECT_EQ(dialog.deferredBuilds, 1);
    const HWND close = GetDlgItem(dialog.Handle(), 3);
    ASSERT_NE(close, nullptr);
    // Its face is the Normal sheet's piece at its entry: what the window
    // showed there before it came.
    PumpPosted();
    UpdateWindow(close);
    RECT r;
    GetClientRect(close, &r);
    const POINT middle{r.right / 2, r.bottom / 2};
    POINT inDialog = middle;
    MapWindowPoints(close, dialog.Handle(), &inDialog, 1);
    const WindowDc face(close);
    const PictureDc background(face.get(), dialog.Pictures().background.get());
    EXPECT_EQ(GetPixel(face.get(), middle.x, middle.y), GetPixel(background.get(), inDialog.x, inDialog.y));
    DestroyWindow(dialog.Handle());
}

TEST(SkinDialog, WindowGoneBeforeItsDeferredControlsLeavesNothingBehind) {
    const long before = OwnedGdiObjectCount();
    {
        DeferringDialog dialog;
        ASSERT_NE(dialog.Create(nullptr), nullptr);
        DestroyWindow(dialog.Handle());
        dialog.FinishBuilding();
        EXPECT_EQ(dialog.deferredBuilds, 0);
    }
    EXPECT_EQ(OwnedGdiObjectCount(), before);
}

namespace {

// Draws a green square at client (30, 40) and says it draws only near it.
class PartlyDrawnDialog : public SkinDialog {
public:
    PartlyDrawnDialog() : SkinDialog(SkinSetFolder(), "skin_warn.ini") {}

protected:
    void OnBuild(const SkinWindowBuilder&) override {}
    RECT PaintOverArea(const RECT&) const override { return {20, 30, 60, 70}; }
    void PaintOver(HDC canvas, const RECT&) override {
        const RECT square{30, 40, 40, 50};
        FillRect(canvas, &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
};

}  // namespace

TEST(SkinDialog, PartDrawnOverIsComposedWhereItBelongsAndTheRestIsTheBackground) {
    PartlyDrawnDialog dialog;
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    PumpPosted();
    UpdateWindow(dialog.Handle());
    const WindowDc window(dialog.Handle());
    const PictureDc background(window.get(), dialog.Pictures().background.get());
    for (const POINT at : {POINT{35, 45}, POINT{30, 40}, POINT{39, 49}})
        EXPECT_EQ(GetPixel(window.get(), at.x, at.y), RGB(255, 255, 255)) << at.x << "," << at.y;
    // Beside the square inside the area, and well outside it: the background.
    for (const POINT at : {POINT{25, 35}, POINT{45, 55}, POINT{200, 150}, POINT{100, 100}})
        EXPECT_EQ(GetPixel(window.get(), at.x, at.y), GetPixel(background.get(), at.x, at.y)) << at.x << "," << at.y;
    DestroyWindow(dialog.Handle());
}
