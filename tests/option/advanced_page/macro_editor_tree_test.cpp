// The tree list, its commands, the repeat count, and how every change
// reaches the macro buttons of the five profiles.
#include <gtest/gtest.h>

#include "option/advanced_page/macro_editor_commands.h"
#include "profile/profile_defaults.h"
#include "tests/option/advanced_page/macro_editor_fakes.h"

namespace {

class EditorTreeTest : public testing::Test {
protected:
    EditorTreeTest() {
        std::vector<std::unique_ptr<Macro>> games;
        games.push_back(NamedMacro("Reload", {{0x15, kMacroPress, 30}, {0x15, kMacroRelease, 0}}));
        games.push_back(NamedMacro("Jump"));
        AddGroup(store, "Games", std::move(games));
        std::vector<std::unique_ptr<Macro>> work;
        work.push_back(NamedMacro("Reload"));
        AddGroup(store, " Work ", std::move(work));
        AssignEverywhere(block->Profiles, 3, "Games", "Reload");
        AssignEverywhere(block->Profiles, 4, "Work", "Reload");
        editor.RefreshTree();
    }

    // Opens the group at `row` with a selection and a double-click.
    void Expand(int row) {
        editor.SelectTreeRow(row);
        editor.ToggleSelectedGroup();
    }
    const ButtonFunction& Button(int profile, int e) const { return block->Profiles[profile].MacroKeyInfo[e]; }

    MacroStore store;
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    ScriptedHost host;
    UnitTexts texts;
    MacroEditorModel editor{{store, block->Profiles, host, texts, NoLayout}};
};

TEST_F(EditorTreeTest, RowsCarryPositionsAndFolderIcons) {
    ASSERT_EQ(editor.TreeRows().size(), 2u);
    EXPECT_EQ(editor.TreeRows()[1], (TreeRow{" Work ", 2u << 24 | kClosedFolderIcon, {1, -1}}));
    Expand(0);
    ASSERT_EQ(editor.TreeRows().size(), 4u);
    EXPECT_EQ(editor.TreeRows()[0].data, 1u << 24 | kOpenFolderIcon);
    EXPECT_EQ(editor.TreeRows()[2], (TreeRow{"Jump", 1u << 24 | 2u << 16, {0, 1}}));
    EXPECT_EQ(editor.SelectedTreeRow(), 0);
    EXPECT_FALSE(editor.HasMacro());
}

TEST_F(EditorTreeTest, SelectingAMacroLoadsItsEventsAndRepeatCount) {
    Expand(0);
    editor.SelectTreeRow(1);
    EXPECT_TRUE(editor.HasMacro());
    EXPECT_EQ(editor.EventCount(), 2);
    EXPECT_EQ(editor.RepeatCountText(), "1");  // never set: shown as 1
    ASSERT_EQ(editor.EventRows().size(), 3u);
    EXPECT_EQ(editor.EventRows()[0].text, "R");
    editor.SelectTreeRow(7);  // beyond the rows: nothing
    EXPECT_EQ(editor.Selected(), (LibraryPosition{}));
    EXPECT_EQ(editor.EventCount(), 0);
}

TEST_F(EditorTreeTest, CollapsingFromAMacroRowSelectsTheGroupRow) {
    Expand(1);
    Expand(0);  // rows: Games, Reload, Jump, Work, Reload
    editor.SelectTreeRow(4);
    editor.ToggleSelectedGroup();
    EXPECT_EQ(editor.SelectedTreeRow(), 3);
    EXPECT_EQ(editor.Selected(), (LibraryPosition{1, -1}));
    EXPECT_FALSE(editor.HasMacro());
}

TEST_F(EditorTreeTest, RepeatCountIsBoundedAndReachesEveryProfile) {
    Expand(0);
    editor.SelectTreeRow(1);
    EXPECT_EQ(editor.RepeatCountChanged("0"), "1");
    EXPECT_EQ(editor.RepeatCountChanged("300"), "255");
    EXPECT_EQ(editor.RepeatCountChanged(" 42"), std::nullopt);
    EXPECT_EQ(editor.RepeatCountChanged("x"), "1");
    EXPECT_EQ(editor.RepeatCountChanged("255"), std::nullopt);
    EXPECT_EQ(store.Folders[0].Entries[0]->RepeatCount, 255);
    for (int p = 0; p < kProfileCount; ++p) EXPECT_EQ(Button(p, 3).ItemValue, 255) << p;

    editor.SelectTreeRow(0);  // no macro: bounded, nothing stored
    const int saves = host.saves;
    EXPECT_EQ(editor.RepeatCountChanged("999"), "255");
    EXPECT_EQ(host.saves, saves);
}

TEST_F(EditorTreeTest, AnEditReachesTheButtonsOfAllFiveProfiles) {
    Expand(0);
    editor.SelectTreeRow(1);
    editor.EventCommand(kCmdFirstMouseButton + 2, -1);  // a left click appended
    for (int p = 0; p < kProfileCount; ++p) {
        const ButtonFunction& b = Button(p, 3);
        EXPECT_EQ(b.ItemCount, 4) << p;
        EXPECT_EQ(b.Payload[8], 0xF0) << p;
        EXPECT_EQ(b.Payload[12 + 1], kMacroRelease) << p;
        EXPECT_EQ(Button(p, 4).ItemCount, 0) << p;  // the other group's macro of the same name
    }
    EXPECT_GE(host.saves, 1);
    EXPECT_EQ(host.saves, host.captionRefreshes);
}

TEST_F(EditorTreeTest, DeletingAUsedMacroRevertsItsButtonsAfterConfirmation) {
    Expand(0);
    editor.SelectTreeRow(1);
    host.confirm = false;
    editor.TreeCommand(kCmdDeleteMacro);
    EXPECT_EQ(store.Folders[0].Entries.size(), 2u);
    EXPECT_EQ(Button(2, 3).Code, 16);

    host.confirm = true;
    editor.TreeCommand(kCmdDeleteMacro);
    EXPECT_EQ(host.warnings.back(), (std::pair{WarningVariant::E, 0}));
    ASSERT_EQ(store.Folders[0].Entries.size(), 1u);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(Button(p, 3).Code, kDefaultButtonCodes[3]) << p;
        EXPECT_EQ(Button(p, 4).Code, 16) << p;
    }
    // The same row now holds Jump.
    EXPECT_EQ(editor.Selected(), (LibraryPosition{0, 0}));
    editor.TreeCommand(kCmdDeleteMacro);
    EXPECT_EQ(editor.SelectedTreeRow(), 0);  // no further than the group's last row
}

TEST_F(EditorTreeTest, DeletingAGroupNeedsItsRowAndSelectsTheRowBefore) {
    Expand(1);  // rows: Games, Work, Reload
    editor.SelectTreeRow(2);
    editor.TreeCommand(kCmdDeleteGroup);  // a macro row: refused
    EXPECT_EQ(store.Folders.size(), 2u);
    editor.SelectTreeRow(1);
    editor.TreeCommand(kCmdDeleteGroup);
    EXPECT_EQ(host.warnings.back(), (std::pair{WarningVariant::E, 1}));
    ASSERT_EQ(store.Folders.size(), 1u);
    EXPECT_EQ(editor.SelectedTreeRow(), 0);
    EXPECT_EQ(Button(0, 4).Code, kDefaultButtonCodes[4]);
    editor.TreeCommand(kCmdDeleteGroup);
    EXPECT_TRUE(store.Folders.empty());
    EXPECT_EQ(editor.SelectedTreeRow(), -1);
}

TEST_F(EditorTreeTest, NewGroupAndMacroComeFromTheNameDialog) {
    editor.TreeCommand(kCmdNewMacro);  // no group selected: no dialog
    EXPECT_TRUE(host.asked.empty());
    editor.TreeCommand(kCmdNewGroup);  // cancelled
    EXPECT_EQ(store.Folders.size(), 2u);

    host.nextName = "Raids";
    editor.TreeCommand(kCmdNewGroup);
    ASSERT_EQ(store.Folders.size(), 3u);
    EXPECT_EQ(editor.SelectedTreeRow(), 2);
    host.nextName = "Pull";
    editor.TreeCommand(kCmdNewMacro);
    EXPECT_EQ(host.asked.back(), (std::pair{NameMode::Macro, 2}));
    EXPECT_TRUE(store.Folders[2].Expanded);
    EXPECT_EQ(editor.SelectedTreeRow(), 3);
    EXPECT_TRUE(editor.HasMacro());
    EXPECT_EQ(editor.TreeRows()[3].text, "Pull");
}

TEST_F(EditorTreeTest, RenamesKeepTheButtonsAssigned) {
    Expand(0);
    editor.SelectTreeRow(1);
    host.nextName = "Reload fast";
    editor.TreeCommand(kCmdRename);
    EXPECT_EQ(host.asked.back(), (std::pair{NameMode::Macro, 0}));
    EXPECT_EQ(editor.TreeRows()[1].text, "Reload fast");
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(Button(p, 3).Code, 16) << p;
        EXPECT_EQ(FixedText(Button(p, 3).ItemName), "Reload fast") << p;
        EXPECT_EQ(FixedText(Button(p, 4).ItemName), "Reload") << p;
    }

    editor.SelectTreeRow(0);
    host.nextName = std::string(60, 'G');  // cut to the fields
    editor.TreeCommand(kCmdRename);
    EXPECT_EQ(store.Folders[0].Name.size(), kMacroNameLimit);
    EXPECT_EQ(Button(1, 3).Code, 16);
    EXPECT_EQ(FixedText(Button(1, 3).GroupName), std::string(kButtonNameLimit, 'G'));
    EXPECT_EQ(Button(1, 3).ItemCount, 2);
}

}  // namespace
