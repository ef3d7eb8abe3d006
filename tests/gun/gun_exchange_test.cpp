#include <gtest/gtest.h>

#include <cstring>

#include "gun/gun_exchange.h"
#include "temp_folder.h"

TEST(PatternExchange, FolderImportsGetSuffixesAndRoundTripByteForByte) {
    TempFolder dir;
    GunStore store;
    store.Folders.emplace_back();
    store.Folders[0].Name = "Rifles";
    for (int i = 0; i < 4; ++i) {
        auto gun = std::make_unique<Gun>(NewGun("gun" + std::to_string(i)));
        gun->Steps[i] = {i, -i, static_cast<uint16_t>(i * 100), {0, 0}};
        store.Folders[0].Entries.push_back(std::move(gun));
    }
    ASSERT_TRUE(ExportPatternFolder(store.Folders[0], dir.File("rifles.guns")));
    const std::string text = dir.ReadText("rifles.guns");
    EXPECT_EQ(text.rfind("[GunFloder]\r\nName=Rifles\r\nnumber=4\r\n0=", 0), 0u);

    EXPECT_EQ(ImportPatternFolder(store, dir.File("rifles.guns")), 1);
    EXPECT_EQ(ImportPatternFolder(store, dir.File("rifles.guns")), 2);
    EXPECT_EQ(store.Folders[1].Name, "Rifles_1");
    EXPECT_EQ(store.Folders[2].Name, "Rifles_2");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::memcmp(store.Folders[2].Entries[i].get(), store.Folders[0].Entries[i].get(), sizeof(Gun)), 0);
    store.Folders[2].Name = "Rifles";
    ASSERT_TRUE(ExportPatternFolder(store.Folders[2], dir.File("again.guns")));
    EXPECT_EQ(dir.ReadText("again.guns"), text);
}

TEST(PatternExchange, SingleImportsAndTheLockedExport) {
    TempFolder dir;
    GunStore store;
    Gun gun = NewGun("SKS");
    gun.Steps[0] = {1, 9, 30, {0, 0}};
    ASSERT_TRUE(ExportPattern(gun, dir.File("sks.gun")));
    EXPECT_EQ(ImportPattern(store, -1, dir.File("sks.gun")), (LibraryPosition{0, 0}));
    EXPECT_EQ(ImportPattern(store, -1, dir.File("sks.gun")), (LibraryPosition{1, 0}));
    EXPECT_EQ(store.Folders[0].Name, "GunFloder1");
    EXPECT_EQ(store.Folders[1].Name, "GunFloder1_1");
    EXPECT_EQ(ImportPattern(store, 0, dir.File("sks.gun")), (LibraryPosition{0, 1}));
    EXPECT_EQ(LibraryEntry<Gun>::Name(*store.Folders[0].Entries[1]), "SKS_1");
    EXPECT_EQ(std::memcmp(store.Folders[1].Entries[0].get(), &gun, sizeof gun), 0);

    ASSERT_TRUE(ExportLockedPattern(gun, dir.File("locked.gun")));
    const auto at = ImportPattern(store, 1, dir.File("locked.gun"));
    ASSERT_TRUE(at);
    Gun& locked = *store.Folders[1].Entries[at->entry];
    EXPECT_EQ(locked.ReadOnly, 1);
    EXPECT_EQ(std::memcmp(locked.Steps, gun.Steps, sizeof gun.Steps), 0);
    EXPECT_EQ(gun.ReadOnly, 0);
    EXPECT_EQ(ImportPattern(store, 0, dir.File("none.gun")), std::nullopt);
}
