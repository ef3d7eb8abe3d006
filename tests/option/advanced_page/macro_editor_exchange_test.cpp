// The editor's file commands around the exchange files.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "tests/option/advanced_page/macro_editor_fakes.h"

namespace {

class EditorExchangeTest : public testing::Test {
protected:
    EditorExchangeTest() {
        std::vector<std::unique_ptr<Macro>> macros;
        macros.push_back(NamedMacro("Reload", {{0x15, kMacroPress, 30}}));
        AddGroup(store, "Games", std::move(macros));
        editor.RefreshTree();
    }

    TempFolder dir;
    MacroStore store;
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    ScriptedHost host;
    UnitTexts texts;
    MacroEditorModel editor{{store, block->Profiles, host, texts, NoLayout}};
};

TEST_F(EditorExchangeTest, ExportingWithoutAMacroLeavesAnExistingFileAlone) {
    dir.Write("keep.macro", "[Macros]\r\n0=old\r\n");
    EXPECT_FALSE(editor.ExportMacro(dir.File("keep.macro")));
    EXPECT_EQ(dir.ReadText("keep.macro"), "[Macros]\r\n0=old\r\n");
    EXPECT_FALSE(editor.ExportGroup(dir.File("none.macros")));
}

TEST_F(EditorExchangeTest, ImportedMacroIsSelectedAndLoaded) {
    editor.SelectTreeRow(0);
    editor.ToggleSelectedGroup();
    editor.SelectTreeRow(1);
    ASSERT_TRUE(editor.ExportMacro(dir.File("one.macro")));

    editor.SelectTreeRow(-1);
    ASSERT_TRUE(editor.ImportMacro(dir.File("one.macro")));  // no group: a new one
    ASSERT_EQ(store.Folders.size(), 2u);
    EXPECT_EQ(store.Folders[1].Name, "MacroFloder1");
    EXPECT_EQ(editor.Selected(), (LibraryPosition{1, 0}));
    EXPECT_EQ(editor.EventCount(), 1);

    ASSERT_TRUE(editor.ImportMacro(dir.File("one.macro")));  // into the selected group, renamed
    EXPECT_EQ(editor.Selected(), (LibraryPosition{1, 1}));
    EXPECT_EQ(editor.TreeRows()[static_cast<std::size_t>(editor.SelectedTreeRow())].text, "Reload_1");
    EXPECT_EQ(host.saves, 2);
    EXPECT_FALSE(editor.ImportMacro(dir.File("missing.macro")));
}

TEST_F(EditorExchangeTest, GroupImportTakesASuffixedName) {
    editor.SelectTreeRow(0);
    ASSERT_TRUE(editor.ExportGroup(dir.File("all.macros")));
    ASSERT_TRUE(editor.ImportGroup(dir.File("all.macros")));
    ASSERT_TRUE(editor.ImportGroup(dir.File("all.macros")));
    ASSERT_EQ(editor.TreeRows().size(), 3u);
    EXPECT_EQ(editor.TreeRows()[1].text, "Games_1");
    EXPECT_EQ(editor.TreeRows()[2].text, "Games_2");
    EXPECT_EQ(store.Folders[2].Entries.size(), 1u);
}

}  // namespace
