// The advanced settings page inside the running Option.exe: a macro
// recorded from keys sent while recording, the tree commands' name and
// confirmation dialogs, and the wheel and restore-defaults controls.
#include <gtest/gtest.h>

#include "macro/macro_store.h"
#include "option/advanced_page/macro_editor_commands.h"
#include "option/advanced_page/macro_event_rows.h"
#include "option/advanced_page/pointer_settings_model.h"
#include "option/library_tree/library_tree_rows.h"
#include "profile/file_lock.h"
#include "skins/skin_entries.h"
#include "tests/option/app/option_program_win.h"
#include "tests/option/app/page_driver_win.h"

using namespace e2e;
using namespace page_driver;

namespace {

constexpr char kPageLayout[] = "skin_advance_setting.ini";

MacroStore StoreWithEmptyMacro(const char* group, const char* macro) {
    MacroStore store;
    MacroFolder& folder = store.Folders.emplace_back();
    folder.Name = group;
    auto entry = std::make_unique<Macro>();
    LibraryEntry<Macro>::SetName(*entry, macro);
    entry->RepeatCount = 1;
    folder.Entries.push_back(std::move(entry));
    folder.Count = 1;
    return store;
}

class AdvancedPageTest : public ::testing::Test {
protected:
    // Option with `store` as its macro library, on the advanced page.
    void Open(const MacroStore& store) {
        ASSERT_TRUE(SaveMacroStore(store, MacroStorePath(option.Path()), lock));
        main = option.StartAndWait();
        ASSERT_NE(main, nullptr);
        option.ClickMain(skin_main::kAdvancedPage);
        ASSERT_TRUE(WaitFor([&] { return (page = VisiblePageWith(main, kEventListId)) != nullptr; }));
        tree = GetDlgItem(page, kMacroTreeListId);
        events = GetDlgItem(page, kEventListId);
    }

    MacroStore SavedStore() {
        MacroStore store;
        LoadMacroStore(store, MacroStorePath(option.Path()), lock);
        return store;
    }

    void ClickPage(int entry) { OptionProgram::ClickEntry(page, kPageLayout, entry); }

    // Runs tree-menu item `item` (0-based) from a right click on the tree.
    void TreeMenuItem(int item) {
        RightClickBelowRows(tree);
        ASSERT_TRUE(WaitFor([] { return ShownMenu() != nullptr; }));
        std::vector<WORD> keys(static_cast<std::size_t>(item) + 1, VK_DOWN);
        keys.push_back(VK_RETURN);
        TapKeys(keys);
    }

    // The dialog of the main window that holds control `id` (the popup menu
    // may be listed among its owned windows too).
    HWND WaitForDialogWith(int id) const {
        HWND found = nullptr;
        WaitFor([&] {
            for (HWND dialog : OptionProgram::DialogsOf(main))
                if (GetDlgItem(dialog, id)) found = dialog;
            return found != nullptr;
        });
        return found;
    }

    OptionProgram option;
    InProcessFileLock lock;
    HWND main = nullptr;
    HWND page = nullptr;
    HWND tree = nullptr;
    HWND events = nullptr;
};

TEST_F(AdvancedPageTest, KeysSentWhileRecordingBecomeTheMacrosEventsAndReachTheLibraryFile) {
    Open(StoreWithEmptyMacro("Games", "Reload"));
    DoubleClickRow(tree, 0);  // the group opens
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 2; }));
    EXPECT_EQ(Rows(tree)[0].data & 0xFFFF, kOpenFolderIcon);
    ClickRow(tree, 1);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(tree) == 1; }));

    ClickPage(skin_advance_setting::kRecord);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(tree); }));
    // A held key repeats its press: recorded once.
    SendKey('A', false);
    SendKey('A', false);
    SendKey('A', true);
    SendKey('B', false);
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 3; }));
    EXPECT_TRUE(SaveWindowPicture(main, "advanced_page_recording.bmp"));
    SendKey('B', true);
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 4; }));
    ClickPage(skin_advance_setting::kStop);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(tree); }));

    const std::vector<ListRow> rows = Rows(events);
    const uint32_t expectedData[] = {1 << 16 | kPressIcon, 2 << 16 | kReleaseIcon, 3 << 16 | kPressIcon,
                                     4 << 16 | kReleaseIcon};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].text, i < 2 ? "A" : "B") << i;
        EXPECT_EQ(rows[i].data, expectedData[i]) << i;
    }
    ASSERT_TRUE(WaitFor([&] {
        const MacroStore saved = SavedStore();
        const Macro* macro = MacroAt(saved, 0, 0);
        return macro && macro->EventCount == 4;
    }));
    const MacroStore saved = SavedStore();
    const Macro& macro = *MacroAt(saved, 0, 0);
    const MacroEvent expected[] = {{0x04, kMacroPress, 0}, {0x04, kMacroRelease, 0}, {0x05, kMacroPress, 0},
                                   {0x05, kMacroRelease, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(macro.Events[i].Code, expected[i].Code) << i;
        EXPECT_EQ(macro.Events[i].Action, expected[i].Action) << i;
        EXPECT_EQ(macro.Events[i].Value, expected[i].Value) << i;
    }
}

TEST_F(AdvancedPageTest, RecordWithoutAMacroShowsTheNoticeAndRecordsNothing) {
    Open(StoreWithEmptyMacro("Games", "Reload"));
    ClickPage(skin_advance_setting::kRecord);
    const HWND notice = WaitForDialogWith(skin_warn::kCancel);
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(IsWindowEnabled(tree));
    OptionProgram::ClickEntry(notice, skin_warn::kIniFile, skin_warn::kOk);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(notice); }));
    EXPECT_TRUE(Rows(events).empty());
}

TEST_F(AdvancedPageTest, NewGroupAndDeleteGroupGoThroughTheirDialogsWhichIgnoreEnterAndEscape) {
    Open(StoreWithEmptyMacro("Games", "Reload"));
    TreeMenuItem(0);  // new group
    const HWND ask = WaitForDialogWith(skin_inputname::kNameField);
    ASSERT_NE(ask, nullptr);
    const HWND field = GetDlgItem(ask, skin_inputname::kNameField);
    ASSERT_NE(field, nullptr);
    // Enter and Escape first: the letters after them still reach the open field.
    TapKeys({VK_RETURN, VK_ESCAPE, 'R', 'A', 'C', 'E'});
    ASSERT_TRUE(WaitFor([&] {
        char text[64] = {};
        SendMessageA(field, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text) == "race";
    }));
    OptionProgram::ClickEntry(ask, skin_inputname::kIniFile, skin_inputname::kOk);
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 2; }));
    EXPECT_EQ(Rows(tree)[1].text, "race");
    EXPECT_EQ(SelectedRow(tree), 1);
    ASSERT_TRUE(WaitFor([&] { return SavedStore().Folders.size() == 2; }));

    TreeMenuItem(1);  // delete group
    const HWND confirm = WaitForDialogWith(skin_warn::kCancel);
    ASSERT_NE(confirm, nullptr);
    TapKeys({VK_RETURN, VK_ESCAPE});
    OptionProgram::ClickEntry(confirm, skin_warn::kIniFile, skin_warn::kCancel);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(confirm); }));
    EXPECT_EQ(Rows(tree).size(), 2u);  // Enter did not confirm

    TreeMenuItem(1);
    const HWND again = WaitForDialogWith(skin_warn::kCancel);
    ASSERT_NE(again, nullptr);
    OptionProgram::ClickEntry(again, skin_warn::kIniFile, skin_warn::kOk);
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 1; }));
    EXPECT_EQ(SelectedRow(tree), 0);
    ASSERT_TRUE(WaitFor([&] { return SavedStore().Folders.size() == 1; }));
}

TEST_F(AdvancedPageTest, OnePageOptionDisablesTheWheelSliderAndRestoreDefaultsAsksFirst) {
    Open(StoreWithEmptyMacro("Games", "Reload"));
    const HWND wheel = GetDlgItem(page, kWheelLinesSliderId);
    ASSERT_NE(wheel, nullptr);
    EXPECT_TRUE(IsWindowEnabled(wheel));
    ClickPage(skin_advance_setting::kPagePerNotch);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(wheel); }));
    ClickPage(skin_advance_setting::kPagePerNotch);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(wheel); }));

    ClickPage(skin_advance_setting::kRestoreAllDefaults);
    const HWND confirm = WaitForDialogWith(skin_warn::kCancel);
    ASSERT_NE(confirm, nullptr);
    OptionProgram::ClickEntry(confirm, skin_warn::kIniFile, skin_warn::kCancel);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(confirm); }));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, skin_advance_setting::kAdvancedPatterns)));
}

}  // namespace
