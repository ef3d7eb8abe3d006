#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/skin_list_box_item.h"
#include "shell/skin_list_box_win.h"
#include "skin_list_box_host_win.h"

namespace {

constexpr int kListId = 4096;

class SkinListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        PumpPosted();
        host.messages.clear();
        ASSERT_TRUE(list.Create(host.window, 1200, RECT{10, 10, 210, 200}));
        list.SetListId(kListId);
        list.AddItem("alpha", MakeListItemData(0, 0));
        list.AddItem("beta", MakeListItemData(0, 2));
        list.AddItem("gamma", MakeListItemData(0, 0));
    }
    HWND List() const { return list.Handle(); }
    int Count() const { return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0)); }
    std::string Text(int index) const {
        char text[64] = {};
        SendMessageA(List(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Select(int index) const { SendMessageA(List(), LB_SETCURSEL, index, 0); }
    void RenameTo(int index, const char* text) {
        Select(index);
        list.StartRename();
        ASSERT_NE(list.EditWindow(), nullptr);
        SetWindowTextA(list.EditWindow(), text);
    }
    // Draws row `index` into a canvas the way the list box asks its parent.
    void DrawRow(const Canvas& canvas, int index, uint32_t data, UINT state = 0) const {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_LISTBOX;
        draw.CtlID = 1200;
        draw.itemID = static_cast<UINT>(index);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = List();
        draw.hDC = canvas.Dc();
        draw.rcItem = RECT{0, 0, 200, 18};
        draw.itemData = data;
        SendMessageA(host.window, WM_DRAWITEM, 1200, reinterpret_cast<LPARAM>(&draw));
    }

    RecordingHost& host = SharedHost();
    SkinListBox list;
};

// First column from the left holding a pixel that is not white.
int FirstInk(const Canvas& canvas, int width, int height) {
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (canvas.At(x, y) != RGB(255, 255, 255)) return x;
    return -1;
}

void PressEnter(HWND edit) {
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(edit, WM_KEYUP, VK_RETURN, 0);
}

}  // namespace

TEST_F(SkinListBoxTest, ReleaseOfAnEnterPressedBeforeTheFieldOpenedLeavesItOpen) {
    RenameTo(1, "delta");
    SendMessageA(list.EditWindow(), WM_KEYUP, VK_RETURN, 0);
    PumpPosted();
    EXPECT_NE(list.EditWindow(), nullptr);
    EXPECT_TRUE(host.Received(kListRenamedMessage).empty());
    PressEnter(list.EditWindow());
    PumpPosted();
    EXPECT_EQ(Text(1), "delta");
}

TEST_F(SkinListBoxTest, RenameWithTextReplacesTheRowAndReportsIt) {
    SendMessageA(List(), LB_SETITEMDATA, 1, MakeListItemData(7, 2));
    RenameTo(1, "delta");
    EXPECT_EQ(SendMessageA(list.EditWindow(), EM_GETLIMITTEXT, 0, 0), 20);
    PressEnter(list.EditWindow());
    PumpPosted();
    EXPECT_EQ(list.EditWindow(), nullptr);
    EXPECT_EQ(list.EditIndex(), -1);
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Text(1), "delta");
    EXPECT_EQ(static_cast<uint32_t>(SendMessageA(List(), LB_GETITEMDATA, 1, 0)), MakeListItemData(7, 2));
    EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 1);
    const auto renamed = host.Received(kListRenamedMessage);
    ASSERT_EQ(renamed.size(), 1u);  // the focus coming back does not commit again
    EXPECT_EQ(renamed[0].wParam, 1u);
    EXPECT_EQ(renamed[0].lParam, kListId);
}

TEST_F(SkinListBoxTest, RenameToEmptyRemovesTheRowAndPostsNothing) {
    RenameTo(1, "");
    PressEnter(list.EditWindow());
    PumpPosted();
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Text(0), "alpha");
    EXPECT_EQ(Text(1), "gamma");  // only the edited row went
    EXPECT_TRUE(host.Received(kListRenamedMessage).empty());
}

TEST_F(SkinListBoxTest, EscapeRemovesTheEditedRow) {
    RenameTo(0, "ignored");
    SendMessageA(list.EditWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPosted();
    EXPECT_EQ(list.EditWindow(), nullptr);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Text(0), "beta");
    EXPECT_TRUE(host.Received(kListRenamedMessage).empty());
}

TEST_F(SkinListBoxTest, FocusReturningToTheListCommits) {
    RenameTo(2, "omega");
    SetFocus(List());
    PumpPosted();
    EXPECT_EQ(list.EditWindow(), nullptr);
    EXPECT_EQ(Text(2), "omega");
    EXPECT_EQ(host.Received(kListRenamedMessage).size(), 1u);
}

TEST_F(SkinListBoxTest, RenameNeedsASelectionAndOnlyOneAtATime) {
    Select(-1);
    list.StartRename();
    EXPECT_EQ(list.EditWindow(), nullptr);
    RenameTo(0, "x");
    HWND first = list.EditWindow();
    Select(1);
    list.StartRename();
    EXPECT_EQ(list.EditWindow(), first);
    EXPECT_EQ(list.EditIndex(), 0);
}

TEST_F(SkinListBoxTest, NewRowIsNamedInPlace) {
    list.AddNewItem();
    ASSERT_NE(list.EditWindow(), nullptr);
    EXPECT_EQ(Count(), 4);
    EXPECT_EQ(list.EditIndex(), 3);
    EXPECT_EQ(SendMessageA(list.EditWindow(), EM_GETLIMITTEXT, 0, 0), 15);
    SetWindowTextA(list.EditWindow(), "fresh");
    PressEnter(list.EditWindow());
    PumpPosted();
    EXPECT_EQ(Text(3), "fresh");
    ASSERT_EQ(host.Received(kListRenamedMessage).size(), 1u);
    EXPECT_EQ(host.Received(kListRenamedMessage)[0].wParam, 3u);
}

TEST_F(SkinListBoxTest, IconNumberOneIndentsWithoutAnIcon) {
    list.SetColours(RGB(255, 255, 255), RGB(0, 0, 255));
    list.SetTextColours(RGB(0, 0, 0), RGB(255, 255, 255));
    Canvas plain(200, 18), indented(200, 18);
    DrawRow(plain, 0, MakeListItemData(0, 0));
    DrawRow(indented, 0, MakeListItemData(1, 0));
    const int plainInk = FirstInk(plain, 200, 18);
    const int indentedInk = FirstInk(indented, 200, 18);
    ASSERT_GE(plainInk, 5);
    EXPECT_LT(plainInk, 21);
    EXPECT_GE(indentedInk, 21);  // nothing drawn in the icon room
    EXPECT_EQ(indentedInk - plainInk, 16);
}

TEST_F(SkinListBoxTest, SelectedRowIsFilledWithTheHighlight) {
    list.SetColours(RGB(255, 255, 255), RGB(0, 0, 255));
    Canvas canvas(200, 18);
    DrawRow(canvas, 0, 0, ODS_SELECTED);
    EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(199, 17), RGB(0, 0, 255));
}

TEST_F(SkinListBoxTest, DoubleClickReportedOnlyAfterARowWithMarkZeroWasDrawn) {
    list.SetDoubleClickNotify(true);
    Canvas canvas(200, 18);
    DrawRow(canvas, 1, MakeListItemData(0, 2));
    SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPosted();
    EXPECT_TRUE(host.Received(kListDoubleClickMessage).empty());
    DrawRow(canvas, 0, MakeListItemData(0, 0));
    SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPosted();
    const auto clicks = host.Received(kListDoubleClickMessage);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].lParam, kListId);
}

TEST_F(SkinListBoxTest, RightButtonIsReportedToTheNotifyWindow) {
    RecordingHost other(true);
    list.SetNotifyWindow(other.window);
    SendMessageA(List(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PumpPosted();
    EXPECT_TRUE(host.Received(kListRightButtonMessage).empty());
    ASSERT_EQ(other.Received(kListRightButtonMessage).size(), 1u);
    EXPECT_EQ(other.Received(kListRightButtonMessage)[0].lParam, kListId);
}

TEST_F(SkinListBoxTest, ArrowKeysOnlyModeSwallowsOtherKeys) {
    list.SetArrowKeysOnly(true);
    Select(0);
    SendMessageA(List(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 0);
    SendMessageA(List(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 1);
}

TEST_F(SkinListBoxTest, HorizontalExtentFollowsTheWidestText) {
    const LRESULT before = SendMessageA(List(), LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GT(before, 12);
    list.AddItem("a much much longer row text than the others", 0);
    EXPECT_GT(SendMessageA(List(), LB_GETHORIZONTALEXTENT, 0, 0), before);
}

TEST_F(SkinListBoxTest, RowsAreEighteenPixelsHigh) {
    EXPECT_EQ(SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0), 18);
}
