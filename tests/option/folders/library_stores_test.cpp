#include <gtest/gtest.h>

#include <filesystem>

#include "option/library_stores.h"
#include "temp_folder.h"

namespace {

struct Libraries {
    TempFolder dir;
    InProcessFileLock lock;
    LibraryStores stores{dir.Folder(), lock};
    Libraries() { std::filesystem::create_directories(dir.Folder() + "config"); }
};

template <class Entry>
void AddFolder(LibraryStore<Entry>& store, std::string name, std::string_view entry) {
    auto& folder = store.Folders.emplace_back();
    folder.Name = std::move(name);
    folder.Entries.push_back(std::make_unique<Entry>());
    LibraryEntry<Entry>::SetName(*folder.Entries.back(), entry);
}

}  // namespace

TEST(LibraryStores, EachLibraryKeepsItsOwnFileAndNames) {
    Libraries f;
    AddFolder(f.stores.MacroLibrary(), "Shooters", "Reload");
    AddFolder(f.stores.GunLibrary(), "Rifles", "M4");
    AddFolder(f.stores.AdvancedLibrary(), "Bursts", "Triple");
    f.stores.SaveMacros();
    ASSERT_TRUE(f.stores.SaveGuns());
    ASSERT_TRUE(f.stores.SaveAdvancedGuns());

    LibraryStores again(f.dir.Folder(), f.lock);
    again.Load();
    EXPECT_TRUE(again.Macros().GroupExists("  shooters "));
    EXPECT_TRUE(again.Macros().ItemExists(0, "RELOAD"));
    EXPECT_FALSE(again.Macros().GroupExists("Rifles"));
    EXPECT_TRUE(again.Guns().ItemExists(0, "m4"));
    EXPECT_FALSE(again.Guns().ItemExists(1, "M4"));  // no such folder
    EXPECT_TRUE(again.AdvancedGuns().GroupExists("Bursts"));
    EXPECT_FALSE(again.AdvancedGuns().GroupExists("Rifles"));

    again.Free();
    EXPECT_FALSE(again.Macros().GroupExists("Shooters"));
}

TEST(LibraryStores, ReloadDropsUnsavedAdvancedPatterns) {
    Libraries f;
    AddFolder(f.stores.AdvancedLibrary(), "Bursts", "Triple");
    ASSERT_TRUE(f.stores.SaveAdvancedGuns());
    AddFolder(f.stores.AdvancedLibrary(), "Unsaved", "Sweep");
    f.stores.ReloadAdvancedGuns();
    EXPECT_EQ(f.stores.AdvancedLibrary().Folders.size(), 1u);
    EXPECT_FALSE(f.stores.AdvancedGuns().GroupExists("Unsaved"));
}
