#include <gtest/gtest.h>

#include "shell/list_rename.h"
#include "shell/skin_list_box_item.h"

TEST(ListItemData, IconAndMarkAreSeparateFields) {
    const uint32_t data = MakeListItemData(301, 7);
    EXPECT_EQ(ListItemIcon(data), 301u);
    EXPECT_EQ(ListItemMark(data), 7);
    EXPECT_EQ(ListItemMark(0xFF00FFFFu), 0);  // bits above 23 are not part of the mark
    EXPECT_EQ(ListItemIcon(0xFF00FFFFu), 0xFFFFu);
}

TEST(ListItemData, IconNumberOneIndentsWithoutDrawing) {
    const uint32_t none = MakeListItemData(0, 0);
    const uint32_t roomOnly = MakeListItemData(1, 0);
    const uint32_t icon = MakeListItemData(2, 0);
    EXPECT_EQ(ListItemTextOffset(none), 5);
    EXPECT_EQ(ListItemTextOffset(roomOnly), 21);
    EXPECT_EQ(ListItemTextOffset(icon), 21);
    EXPECT_FALSE(ListItemDrawsIcon(none));
    EXPECT_FALSE(ListItemDrawsIcon(roomOnly));
    EXPECT_TRUE(ListItemDrawsIcon(icon));
}

TEST(ListRowPaint, SelectionFillsAndClears) {
    EXPECT_EQ(PlanListRowPaint({.selected = true}).fill, RowFill::Highlight);
    EXPECT_EQ(PlanListRowPaint({.selectionChanged = true}).fill, RowFill::Background);
    // A full redraw of an unselected row leaves the erased background alone.
    EXPECT_EQ(PlanListRowPaint({}).fill, RowFill::None);
}

TEST(ListRowPaint, FocusChangeOnSelectedRowUsesHighlightText) {
    const ListRowPaint focused = PlanListRowPaint({.selected = true, .focused = true, .focusChanged = true});
    EXPECT_EQ(focused.text, RowText::Highlight);
    EXPECT_FALSE(focused.highlightTextArea);
    const ListRowPaint unfocused = PlanListRowPaint({.selected = true, .focusChanged = true});
    EXPECT_TRUE(unfocused.highlightTextArea);
    EXPECT_EQ(PlanListRowPaint({.selected = true}).text, RowText::Normal);
    EXPECT_EQ(PlanListRowPaint({.selected = true, .disabled = true, .focusChanged = true}).text,
              RowText::Disabled);
}

TEST(RenameCommit, NonEmptyTextReplacesTheRowInPlace) {
    const RenameCommit c = PlanRenameCommit("New name", 2, 5);
    EXPECT_TRUE(c.removeRow);
    EXPECT_TRUE(c.reinsert);
    EXPECT_EQ(c.index, 2);
}

TEST(RenameCommit, EmptyTextRemovesTheRowAndNotifiesNothing) {
    const RenameCommit c = PlanRenameCommit("", 0, 1);
    EXPECT_TRUE(c.removeRow);
    EXPECT_FALSE(c.reinsert);
}

TEST(RenameCommit, VanishedRowTouchesNothing) {
    for (int index : {-1, 3, 4}) {
        const RenameCommit c = PlanRenameCommit("x", index, 3);
        EXPECT_FALSE(c.removeRow) << index;
        EXPECT_FALSE(c.reinsert) << index;
    }
    EXPECT_TRUE(RenameCancelRemovesRow(2, 3));
    EXPECT_FALSE(RenameCancelRemovesRow(3, 3));
    EXPECT_FALSE(RenameCancelRemovesRow(-1, 3));
}
