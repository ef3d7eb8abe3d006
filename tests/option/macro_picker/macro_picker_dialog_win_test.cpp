// The picker dialog run as the button page runs it: real clicks on its
// rows, run-mode buttons and OK from a second thread while the dialog's
// modal loop runs on the test's thread.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "lan/language_win.h"
#include "option/library_tree/library_tree_rows.h"
#include "option/macro_picker/library_picker_model.h"
#include "option/macro_picker/macro_picker_dialog_win.h"
#include "profile/file_lock.h"
#include "skins/skin_entries.h"
#include "tests/e2e/e2e_harness_win.h"
#include "tests/option/app/page_driver_win.h"

using namespace e2e;
using namespace page_driver;

namespace {

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

template <class Entry>
void AddFolder(LibraryStore<Entry>& store, const char* name, std::initializer_list<const char*> entries) {
    auto& folder = store.Folders.emplace_back();
    folder.Name = name;
    for (const char* entryName : entries) {
        auto entry = std::make_unique<Entry>();
        LibraryEntry<Entry>::SetName(*entry, entryName);
        folder.Entries.push_back(std::move(entry));
    }
    folder.Count = static_cast<int32_t>(folder.Entries.size());
}

// The middle of the picker's layout entry, on the screen.
POINT EntryPoint(HWND dialog, int entry) {
    const std::string layout = std::string(SKIN_SET_DIR) + skin_select_macro::kIniFile;
    char value[128] = {};
    GetPrivateProfileStringA("BUTTONPOS", std::to_string(entry).c_str(), "", value, sizeof value, layout.c_str());
    int x = 0, y = 0, w = 0, h = 0;
    char kind[32] = {};
    EXPECT_EQ(sscanf(value, "%31[^,],%d,%d,%d,%d", kind, &x, &y, &w, &h), 5) << value;
    POINT middle{x + w / 2, y + h / 2};
    ClientToScreen(dialog, &middle);
    return middle;
}

void ClickEntry(HWND dialog, int entry) { SendClick(EntryPoint(dialog, entry)); }

COLORREF ScreenPixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Clicks a run-mode button and waits until the screen shows it pressed.
void ClickRunMode(HWND dialog, int mode) {
    const POINT at = EntryPoint(dialog, skin_select_macro::kRunMode[mode]);
    POINT corner{at.x - 40, at.y};  // beside the caption
    const COLORREF before = ScreenPixel(corner);
    SendClick(at);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(corner) != before; }));
}

class PickerDialogTest : public ::testing::Test {
protected:
    // Runs `pick` on this thread while `drive` works the dialog from another.
    template <class Pick>
    auto RunWhileDriving(Pick pick, const std::function<void(HWND dialog, HWND tree)>& drive) {
        const DWORD thread = GetCurrentThreadId();
        std::thread driver([&] {
            HWND dialog = nullptr;
            WaitFor([&] { return (dialog = FindPicker(thread)) != nullptr; });
            if (dialog) drive(dialog, GetDlgItem(dialog, kPickerTreeListId));
        });
        auto result = pick();
        driver.join();
        return result;
    }

    static HWND FindPicker(DWORD thread) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM param) -> BOOL {
                if (!IsWindowVisible(window) || !GetDlgItem(window, kPickerTreeListId)) return TRUE;
                *reinterpret_cast<HWND*>(param) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    SharedBlock edited{};
    LanguageLibrary texts{ExecutableFolder()};
    OptionFolders folders{ExecutableFolder(), SKIN_SET_DIR};
    InProcessFileLock lock;
    LibraryStores libraries{ExecutableFolder(), lock};
    PageContext context{edited, texts, folders, libraries};
};

TEST_F(PickerDialogTest, MacroPickerOpensCollapsedAndReturnsTheChosenMacroWithItsRunMode) {
    AddFolder(libraries.MacroLibrary(), "Games", {"Reload", "Jump"});
    AddFolder(libraries.MacroLibrary(), "Office", {"Copy"});
    std::vector<ListRow> opened;
    int openedSelection = 0;
    const auto choice = RunWhileDriving([&] { return RunMacroPicker(nullptr, context, LibrarySeed{}); },
                                        [&](HWND dialog, HWND tree) {
                                            opened = Rows(tree);
                                            openedSelection = SelectedRow(tree);
                                            DoubleClickRow(tree, 1);  // Office opens
                                            WaitFor([&] { return Rows(tree).size() == 3; });
                                            ClickRow(tree, 2);
                                            WaitFor([&] { return SelectedRow(tree) == 2; });
                                            ClickRunMode(dialog, 2);
                                            SaveWindowPicture(dialog, "macro_picker");
                                            ClickEntry(dialog, skin_select_macro::kOk);
                                        });
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].data, FolderRowData(0, false));
    EXPECT_EQ(opened[1].data, FolderRowData(1, false));
    EXPECT_EQ(openedSelection, -1);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->mode, 2);
    EXPECT_EQ(choice->group, 1);
    EXPECT_EQ(choice->item, 0);
    EXPECT_EQ(choice->groupName, "Office");
    ASSERT_TRUE(choice->entry);
    EXPECT_STREQ(choice->entry->Name, "Copy");
}

TEST_F(PickerDialogTest, OpensOnTheSeedAndNeitherEnterNorEscapeEndsIt) {
    AddFolder(libraries.MacroLibrary(), "Games", {"Reload", "Jump"});
    AddFolder(libraries.MacroLibrary(), "Office", {"Copy"});
    int openedSelection = -1;
    const auto choice = RunWhileDriving([&] { return RunMacroPicker(nullptr, context, {1, 0, 1}); },
                                        [&](HWND dialog, HWND tree) {
                                            openedSelection = SelectedRow(tree);
                                            // Had Enter confirmed, Jump would come back; had
                                            // Escape cancelled, nothing.
                                            TapKeys({VK_RETURN, VK_ESCAPE, VK_SPACE});
                                            ClickRow(tree, 1);
                                            WaitFor([&] { return SelectedRow(tree) == 1; });
                                            ClickEntry(dialog, skin_select_macro::kOk);
                                        });
    EXPECT_EQ(openedSelection, 2);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->mode, 1);
    EXPECT_EQ(choice->item, 0);
    EXPECT_STREQ(choice->entry->Name, "Reload");
}

TEST_F(PickerDialogTest, CancelAndCloseGiveNothing) {
    AddFolder(libraries.MacroLibrary(), "Games", {"Reload"});
    for (int button : {skin_select_macro::kCancel, skin_select_macro::kClose}) {
        const auto choice = RunWhileDriving([&] { return RunMacroPicker(nullptr, context, {0, 0, 0}); },
                                            [&](HWND dialog, HWND) { ClickEntry(dialog, button); });
        EXPECT_FALSE(choice) << button;
    }
}

TEST_F(PickerDialogTest, PatternPickerWithAFolderRowChosenGivesTheFolderNameAndNoEntry) {
    AddFolder(libraries.AdvancedLibrary(), "Rifles", {"Spray"});
    const auto choice = RunWhileDriving([&] { return RunAdvancedPatternPicker(nullptr, context, LibrarySeed{}); },
                                        [&](HWND dialog, HWND tree) {
                                            ClickRow(tree, 0);
                                            WaitFor([&] { return SelectedRow(tree) == 0; });
                                            ClickEntry(dialog, skin_select_macro::kOk);
                                        });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->group, 0);
    EXPECT_EQ(choice->item, -1);
    EXPECT_EQ(choice->groupName, "Rifles");
    EXPECT_FALSE(choice->entry);
}

}  // namespace
