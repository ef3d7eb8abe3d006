#include <gtest/gtest.h>

#include <cstring>

#include "macro/macro_exchange.h"
#include "profile/struct_value.h"
#include "temp_folder.h"

namespace {

std::unique_ptr<Macro> NamedMacro(std::string_view name, uint8_t code) {
    auto m = std::make_unique<Macro>();
    std::memset(m.get(), 0, sizeof *m);
    LibraryEntry<Macro>::SetName(*m, name);
    m->RepeatCount = 2;
    m->EventCount = 1;
    m->Events[0] = {code, kMacroPress, 10};
    return m;
}

}  // namespace

TEST(MacroExchange, FolderExportImportRoundTripsByteForByte) {
    TempFolder dir;
    MacroStore store;
    store.Folders.emplace_back();
    store.Folders[0].Name = "Rifles";
    for (uint8_t i = 0; i < 5; ++i) store.Folders[0].Entries.push_back(NamedMacro("m" + std::to_string(i), i));
    const std::string file = dir.File("all.macros");
    dir.Write("all.macros", "[Old]\r\nstale=1\r\n");
    ASSERT_TRUE(ExportMacroFolder(store.Folders[0], file));
    const std::string text = dir.ReadText("all.macros");
    EXPECT_EQ(text.rfind("[MacroFloder]\r\nName=Rifles\r\nnumber=5\r\n0=", 0), 0u);

    MacroStore other;
    ASSERT_EQ(ImportMacroFolder(other, file), 0);
    ASSERT_EQ(other.Folders[0].Entries.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(std::memcmp(other.Folders[0].Entries[i].get(), store.Folders[0].Entries[i].get(), sizeof(Macro)), 0);
    ASSERT_TRUE(ExportMacroFolder(other.Folders[0], dir.File("again.macros")));
    EXPECT_EQ(dir.ReadText("again.macros"), text);

    // The same folder again, in any letter case, gets the next free suffix.
    dir.Write("upper.macros", "[MacroFloder]\nName=RIFLES \nnumber=0\n");
    EXPECT_EQ(ImportMacroFolder(other, file), 1);
    EXPECT_EQ(ImportMacroFolder(other, dir.File("upper.macros")), 2);
    EXPECT_EQ(other.Folders[1].Name, "Rifles_1");
    EXPECT_EQ(other.Folders[2].Name, "RIFLES_2");
    EXPECT_FALSE(other.Folders[1].Expanded);
    EXPECT_EQ(ImportMacroFolder(other, dir.File("missing.macros")), std::nullopt);
    EXPECT_EQ(other.Folders.size(), 3u);
}

TEST(MacroExchange, SingleMacroImportNamesItsFolderAndMacro) {
    TempFolder dir;
    const auto macro = NamedMacro("Burst", 9);
    const std::string file = dir.File("one.macro");
    ASSERT_TRUE(ExportMacro(*macro, file));
    EXPECT_EQ(dir.ReadText("one.macro"), "[Macros]\r\n0=" + EncodeStructValue(macro.get(), sizeof(Macro)) + "\r\n");

    MacroStore store;
    EXPECT_EQ(ImportMacro(store, -1, file), (LibraryPosition{0, 0}));
    EXPECT_EQ(store.Folders[0].Name, "MacroFloder1");
    EXPECT_TRUE(store.Folders[0].Expanded);
    EXPECT_EQ(std::memcmp(store.Folders[0].Entries[0].get(), macro.get(), sizeof(Macro)), 0);
    EXPECT_EQ(ImportMacro(store, 0, file), (LibraryPosition{0, 1}));
    EXPECT_EQ(LibraryEntry<Macro>::Name(*store.Folders[0].Entries[1]), "Burst_1");
    EXPECT_EQ(ImportMacro(store, 5, file), (LibraryPosition{1, 0}));
    EXPECT_EQ(store.Folders[1].Name, "MacroFloder1_1");

    // A file without a readable macro adds nothing, not even a folder.
    dir.Write("bad.macro", "[Macros]\n0=00FF\n");
    EXPECT_EQ(ImportMacro(store, -1, dir.File("bad.macro")), std::nullopt);
    EXPECT_EQ(store.Folders.size(), 2u);
}

TEST(MacroExchange, LongNamesAreCutToFitTheirSuffix) {
    TempFolder dir;
    const std::string longName(70, 'x');
    dir.Write("long.macros", "[MacroFloder]\nName=" + longName + "\nnumber=0\n");
    MacroStore store;
    ImportMacroFolder(store, dir.File("long.macros"));
    ImportMacroFolder(store, dir.File("long.macros"));
    EXPECT_EQ(store.Folders[0].Name, std::string(50, 'x'));
    EXPECT_EQ(store.Folders[1].Name, std::string(48, 'x') + "_1");

    const auto macro = NamedMacro(std::string(50, 'y'), 1);
    ExportMacro(*macro, dir.File("long.macro"));
    ImportMacro(store, 0, dir.File("long.macro"));
    ImportMacro(store, 0, dir.File("long.macro"));
    EXPECT_EQ(LibraryEntry<Macro>::Name(*store.Folders[0].Entries[1]), std::string(48, 'y') + "_1");
}
