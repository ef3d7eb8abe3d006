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
#include "shell/skin_list_box_win.h"
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

    // Runs item `item` (0-based) of `list`'s context menu from a right click,
    // going on into submenus with `then` (keys after the item is reached).
    void MenuItem(HWND list, int item, std::vector<WORD> then = {VK_RETURN}) {
        RightClickBelowRows(list);
        ASSERT_TRUE(WaitFor([] { return ShownMenu() != nullptr; }));
        std::vector<WORD> keys(static_cast<std::size_t>(item) + 1, VK_DOWN);
        keys.insert(keys.end(), then.begin(), then.end());
        TapKeys(keys);
    }
    void TreeMenuItem(int item) { MenuItem(tree, item); }

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
    EXPECT_TRUE(SaveWindowPicture(main, "advanced_page_recording"));
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

TEST_F(AdvancedPageTest, EventMenuInsertsADelayEditsItInPlaceWithinBoundsAndInsertsAMouseClick) {
    MacroStore store = StoreWithEmptyMacro("Games", "Reload");
    Macro& macro = *store.Folders[0].Entries[0];
    macro.Events[0] = {0x04, kMacroPress, 0};
    macro.Events[1] = {0x04, kMacroRelease, 0};
    macro.EventCount = 2;
    Open(store);
    DoubleClickRow(tree, 0);
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 2; }));
    ClickRow(tree, 1);
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 2; }));

    ClickRow(events, 1);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(events) == 1; }));
    MenuItem(events, 2);  // insert delay before the release
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 3; }));
    EXPECT_EQ(Rows(events)[1].text, "1 ms");
    EXPECT_EQ(Rows(events)[1].data, 1u << 16 | kClockIcon);

    ClickRow(events, 1);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(events) == 1; }));
    MenuItem(events, 5);  // edit the pause where it stands
    HWND field = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (field = FindWindowExA(events, nullptr, "Edit", nullptr)) != nullptr; }));
    // The field opens with its text selected: typing replaces it.
    TapKeys({'7', '0', '0', '0', '0', VK_RETURN});
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 3 && Rows(events)[1].text == "65535 ms"; }));
    ASSERT_TRUE(WaitFor([&] { return MacroAt(SavedStore(), 0, 0)->Events[0].Value == 65535; }));

    ClickRow(events, 0);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(events) == 0; }));
    // Mouse button submenu, its left-button submenu, the third command: click.
    MenuItem(events, 3, {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
    ASSERT_TRUE(WaitFor([&] { return Rows(events).size() == 5; }));
    const std::vector<ListRow> rows = Rows(events);
    EXPECT_EQ(rows[0].data, 1u << 16 | kMouseIcon);
    EXPECT_EQ(rows[1].data, 2u << 16 | kMouseIcon);
    ASSERT_TRUE(WaitFor([&] { return MacroAt(SavedStore(), 0, 0)->EventCount == 4; }));
    const Macro saved = *MacroAt(SavedStore(), 0, 0);
    EXPECT_EQ(saved.Events[0].Code, kMouseLeftCode);
    EXPECT_EQ(saved.Events[0].Action, kMacroPress);
    EXPECT_EQ(saved.Events[1].Action, kMacroRelease);
    EXPECT_EQ(saved.Events[0].Value, 0);
}

TEST_F(AdvancedPageTest, GroupExportedToAFileComesBackUnderASuffixedName) {
    constexpr int kFilenameBox = 0x47c;  // the file dialogs' name field
    Open(StoreWithEmptyMacro("Games", "Reload"));
    ClickRow(tree, 0);
    ASSERT_TRUE(WaitFor([&] { return SelectedRow(tree) == 0; }));
    const std::string file = option.Path() + "games.macros";
    for (int item : {7, 6}) {  // export all macros of the group, then import them
        SCOPED_TRACE(item);
        // After a file dialog Wine passes no right click on to the list: the
        // menu is asked for as the list asks for it.
        PostMessageA(page, kListRightButtonMessage, 0, kMacroTreeListId);
        ASSERT_TRUE(WaitFor([] { return ShownMenu() != nullptr; }));
        std::vector<WORD> keys(static_cast<std::size_t>(item) + 1, VK_DOWN);
        keys.push_back(VK_RETURN);
        TapKeys(keys);
        const HWND dialog = WaitForDialogWith(kFilenameBox);
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextA(dialog, kFilenameBox, file.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog) && IsWindowEnabled(main); }));
    }
    ASSERT_TRUE(WaitFor([&] { return Rows(tree).size() == 2; }));
    EXPECT_EQ(Rows(tree)[1].text, "Games_1");
    const std::string exported = option.FileText("games.macros");
    EXPECT_NE(exported.find("Name=Games"), std::string::npos) << exported;
    EXPECT_NE(exported.find("number=1"), std::string::npos) << exported;
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

TEST_F(AdvancedPageTest, WheelSliderMovesItsFieldOnePageDisablesItRestoreDefaultsAsksFirstPatternsOpen) {
    Open(StoreWithEmptyMacro("Games", "Reload"));
    const HWND wheel = GetDlgItem(page, kWheelLinesSliderId);
    ASSERT_NE(wheel, nullptr);
    const HWND wheelField = FindWindowExA(GetDlgItem(page, kWheelLinesFieldId), nullptr, "Edit", nullptr);
    ASSERT_NE(wheelField, nullptr);
    RECT track{};
    GetWindowRect(wheel, &track);
    SendClick({track.right - 2, (track.top + track.bottom) / 2});  // the far end: 11 lines
    ASSERT_TRUE(WaitFor([&] {
        char text[16] = {};
        SendMessageA(wheelField, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text) == "11";
    }));

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
    // The advanced pattern dialog is there: its button can be used.
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, skin_advance_setting::kAdvancedPatterns)));
}

}  // namespace
