#include <gtest/gtest.h>

#include <memory>

#include "gun/gun_store.h"
#include "macro/macro_store.h"
#include "option/macro_picker/library_picker_model.h"

namespace {

template <class Entry>
void AddFolder(LibraryStore<Entry>& store, std::string name, std::initializer_list<std::string_view> entries) {
    LibraryFolder<Entry> folder;
    folder.Name = std::move(name);
    for (std::string_view e : entries) {
        auto entry = std::make_unique<Entry>();
        LibraryEntry<Entry>::SetName(*entry, e);
        folder.Entries.push_back(std::move(entry));
    }
    store.Folders.push_back(std::move(folder));
}

class PickerTest : public testing::Test {
protected:
    PickerTest() {
        AddFolder(macros, "Games", {"Reload", "Jump"});
        AddFolder(macros, "Work", {"Mail", "Paste", "Undo"});
        AddFolder(macros, "Empty", {});
        macros.Folders[1].Expanded = true;  // the editor's flags are not the picker's
    }
    MacroStore macros;
};

TEST_F(PickerTest, ButtonWithoutAMacroShowsAllFoldersClosedAndNothingSelected) {
    MacroPicker picker(macros, {});
    ASSERT_EQ(picker.TreeRows().size(), 3u);
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(picker.TreeRows()[g].data, static_cast<uint32_t>(g + 1) << 24 | kClosedFolderIcon);
    EXPECT_EQ(picker.SelectedRow(), -1);
    EXPECT_EQ(picker.Choice(), (PickerChoice{0, -1, -1}));
}

TEST_F(PickerTest, OpensOnTheButtonsChoice) {
    MacroPicker picker(macros, {2, 1, 2});
    ASSERT_EQ(picker.TreeRows().size(), 6u);
    EXPECT_EQ(picker.SelectedRow(), 4);  // folder + entry + 1
    EXPECT_EQ(picker.TreeRows()[4], (TreeRow{"Undo", 2u << 24 | 3u << 16, {1, 2}}));
    EXPECT_EQ(picker.TreeRows()[1].data, 2u << 24 | kOpenFolderIcon);
    EXPECT_EQ(picker.Choice(), (PickerChoice{2, 1, 2}));
}

TEST_F(PickerTest, ChoiceTheLibraryNoLongerHasOpensWithoutIt) {
    MacroPicker gone(macros, {1, 0, 9});
    EXPECT_EQ(gone.SelectedRow(), 0);
    EXPECT_EQ(gone.Choice(), (PickerChoice{1, 0, -1}));
    MacroPicker noFolder(macros, {7, 5, 0});
    EXPECT_EQ(noFolder.SelectedRow(), -1);
    EXPECT_EQ(noFolder.Choice(), (PickerChoice{0, -1, -1}));
}

TEST_F(PickerTest, FolderRowGivesNoEntryAndClosingKeepsItsRow) {
    MacroPicker picker(macros, {0, 1, 1});
    picker.SelectRow(1);
    EXPECT_EQ(picker.Choice().entry, -1);
    picker.SelectRow(3);  // Paste
    picker.SetRunMode(1);
    picker.SetRunMode(3);  // no such button
    EXPECT_EQ(picker.Choice(), (PickerChoice{1, 1, 1}));
    picker.ToggleSelectedFolder();
    EXPECT_EQ(picker.TreeRows().size(), 3u);
    EXPECT_EQ(picker.SelectedRow(), 1);
    EXPECT_EQ(picker.Choice(), (PickerChoice{1, 1, -1}));
    picker.SelectRow(0);
    picker.ToggleSelectedFolder();  // a second folder opens beside nothing else
    EXPECT_EQ(picker.TreeRows().size(), 5u);
    EXPECT_EQ(picker.SelectedRow(), 0);
    EXPECT_TRUE(macros.Folders[1].Expanded);
    EXPECT_FALSE(macros.Folders[0].Expanded);
}

TEST(AdvancedPatternPickerTest, ShowsPatternNames) {
    GunStore patterns;
    AddFolder(patterns, "Bursts", {"Triple", "Sweep"});
    AdvancedPatternPicker picker(patterns, {0, 0, 1});
    ASSERT_EQ(picker.TreeRows().size(), 3u);
    EXPECT_EQ(picker.TreeRows()[2].text, "Sweep");
    EXPECT_EQ(picker.SelectedRow(), 2);
}

TEST(PickerRowsTest, PositionsBeyondWhatTheItemDataHoldsStayRight) {
    MacroStore many;
    for (int g = 0; g < 300; ++g) AddFolder(many, "g" + std::to_string(g), {});
    AddFolder(many, "last", {"a"});
    MacroPicker picker(many, {0, 300, 0});
    EXPECT_EQ(picker.SelectedRow(), 301);
    EXPECT_EQ(picker.TreeRows()[300].data, (301u & 0xFF) << 24 | kOpenFolderIcon);
    picker.SelectRow(299);
    EXPECT_EQ(picker.Choice(), (PickerChoice{0, 299, -1}));
}

}  // namespace
