#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "macro/macro_store.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"
#include "profile/struct_value.h"
#include "temp_folder.h"

namespace {

std::unique_ptr<Macro> MakeMacro(std::string_view name, int events, int repeat = 1) {
    auto m = std::make_unique<Macro>();
    std::memset(m.get(), 0, sizeof *m);
    LibraryEntry<Macro>::SetName(*m, name);
    m->RepeatCount = repeat;
    m->EventCount = events;
    for (int i = 0; i < events; ++i)
        m->Events[i] = {static_cast<uint8_t>(4 + i % 26), static_cast<uint8_t>(1 + i % 2), static_cast<uint16_t>(i * 7)};
    return m;
}

MacroFolder& AddGroup(MacroStore& store, std::string name) {
    store.Folders.emplace_back();
    store.Folders.back().Name = std::move(name);
    return store.Folders.back();
}

struct Files {
    TempFolder dir;
    InProcessFileLock lock;
    std::string path = MacroStorePath(dir.Folder());
    Files() { std::filesystem::create_directories(dir.Folder() + "config"); }
};

}  // namespace

TEST(MacroRecord, BytesLieAtTheirOffsets) {
    auto m = MakeMacro("Ab", 0, 3);
    m->EventCount = 2;
    m->Events[0] = {0x04, kMacroPress, 0x1234};
    m->Events[1] = {0xF0, kMacroRelease, 0};
    const auto* bytes = reinterpret_cast<const uint8_t*>(m.get());
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[52], 3);
    EXPECT_EQ(bytes[56], 2);
    const uint8_t events[] = {0x04, 0x01, 0x34, 0x12, 0xF0, 0x02, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(bytes + 60, events, sizeof events), 0);
    // 260 bytes: 520 digits and the checksum.
    const std::string text = EncodeStructValue(m.get(), sizeof *m);
    EXPECT_EQ(text.size(), 522u);
    EXPECT_EQ(text.substr(0, 6), "416200");
    EXPECT_EQ(text.substr(120, 16), "04013412F0020000");
}

TEST(MacroStoreFile, OneEmptyGroupAndBlanksAroundItsName) {
    Files f;
    MacroStore store;
    AddGroup(store, "  Spaced ");
    ASSERT_TRUE(SaveMacroStore(store, f.path, f.lock));
    EXPECT_EQ(f.dir.ReadText("config/sequence.dat"),
              "[SetMacro]\r\nnumber=1\r\n0=  Spaced \r\n[Spaced]\r\nnumber=0\r\n");

    store.Folders[0].Entries.push_back(MakeMacro("m", 3));
    ASSERT_TRUE(SaveMacroStore(store, f.path, f.lock));
    MacroStore loaded;
    LoadMacroStore(loaded, f.path, f.lock);
    ASSERT_EQ(loaded.Folders.size(), 1u);
    EXPECT_EQ(loaded.Folders[0].Entries.size(), 1u);
    EXPECT_FALSE(loaded.Folders[0].Expanded);
}

TEST(MacroStoreFile, SaveLoadSaveIsByteForByte) {
    Files f;
    MacroStore store;
    for (int g = 0; g < 3; ++g) {
        MacroFolder& group = AddGroup(store, "Group " + std::to_string(g));
        for (int m = 0; m < 4; ++m) group.Entries.push_back(MakeMacro("Macro " + std::to_string(m), 10 * m + 5, m + 1));
    }
    ASSERT_TRUE(SaveMacroStore(store, f.path, f.lock));
    const std::string first = f.dir.ReadText("config/sequence.dat");

    MacroStore loaded;
    LoadMacroStore(loaded, f.path, f.lock);
    ASSERT_EQ(loaded.Folders.size(), 3u);
    for (std::size_t g = 0; g < 3; ++g) {
        EXPECT_EQ(loaded.Folders[g].Count, 4);
        for (std::size_t m = 0; m < 4; ++m)
            EXPECT_EQ(std::memcmp(loaded.Folders[g].Entries[m].get(), store.Folders[g].Entries[m].get(), sizeof(Macro)), 0);
    }
    std::filesystem::remove(f.path);
    ASSERT_TRUE(SaveMacroStore(loaded, f.path, f.lock));
    EXPECT_EQ(f.dir.ReadText("config/sequence.dat"), first);

    // A smaller store replaces the file whole: nothing of the old one stays.
    loaded.Folders.resize(1);
    ASSERT_TRUE(SaveMacroStore(loaded, f.path, f.lock));
    EXPECT_EQ(f.dir.ReadText("config/sequence.dat").find("Group 2"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(f.path + ".tmp"));
}

TEST(MacroStoreFile, UnreadableEntriesAndDamagedCountsAreSkipped) {
    Files f;
    const auto good = MakeMacro("good", 2);
    std::string damaged = EncodeStructValue(good.get(), sizeof(Macro));
    damaged.back() = damaged.back() == '0' ? '1' : '0';
    f.dir.Write("config/sequence.dat",
                "[SetMacro]\nnumber=4\n0=A\n2=B\n3=" + std::string(300, 'n') +
                    "\n[A]\nnumber=2147483647\n0=" + EncodeStructValue(good.get(), sizeof(Macro)) + "\n1=" + damaged +
                    "\n2=" + EncodeStructValue(good.get(), 100) + "\n[B]\nnumber=-5\n");
    MacroStore store;
    LoadMacroStore(store, f.path, f.lock);
    ASSERT_EQ(store.Folders.size(), 3u);  // key 1 is missing
    EXPECT_EQ(store.Folders[0].Entries.size(), 1u);
    EXPECT_EQ(store.Folders[1].Name, "B");
    EXPECT_TRUE(store.Folders[1].Entries.empty());
    EXPECT_EQ(store.Folders[2].Name, std::string(50, 'n'));

    LoadMacroStore(store, f.dir.Folder() + "missing.dat", f.lock);
    EXPECT_TRUE(store.Folders.empty());
}

TEST(MacroStoreLookup, NamesAreTrimmedAndCaseBlind) {
    MacroStore store;
    AddGroup(store, " Shooter ").Entries.push_back(MakeMacro("Reload ", 1));
    AddGroup(store, "\x81" "A");
    EXPECT_TRUE(GroupNameExists(store, "shooter"));
    EXPECT_TRUE(MacroNameExists(store, 0, "  RELOAD"));
    EXPECT_FALSE(MacroNameExists(store, 1, "Reload"));
    EXPECT_FALSE(MacroNameExists(store, 7, "Reload"));
    // The second byte of a double-byte character is not a letter.
    EXPECT_FALSE(GroupNameExists(store, "\x81" "a"));
    EXPECT_NE(MacroAt(store, 0, 0), nullptr);
    EXPECT_EQ(MacroAt(store, 0, 1), nullptr);
    EXPECT_EQ(MacroAt(store, -1, 0), nullptr);
    EXPECT_EQ(GroupAt(MacroStore(), 0), nullptr);
}

namespace {

struct ProfileSet {
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    ProfileSet() { BuildDefaultProfiles(*block, NoTexts()); }
    ButtonFunction& Button(int p, int e) { return block->Profiles[p].MacroKeyInfo[e]; }
    void Assign(int p, int e, std::string_view group, std::string_view macro) {
        ButtonFunction& b = Button(p, e);
        b.Code = 16;
        SetFixedText(b.GroupName, group);
        SetFixedText(b.ItemName, macro);
    }
};

}  // namespace

TEST(MacroResync, FindsByGroupAndMacroName) {
    MacroStore store;
    AddGroup(store, "One").Entries.push_back(MakeMacro("Same", 1));
    AddGroup(store, "Two").Entries.push_back(MakeMacro("Other", 1));
    store.Folders[1].Entries.push_back(MakeMacro("same", 2));
    AddGroup(store, "two").Entries.push_back(MakeMacro("Late", 1));
    ProfileSet set;
    set.Assign(0, 3, " two", "SAME");
    EXPECT_EQ(FindAssignedMacro(store, set.Button(0, 3)), (LibraryPosition{1, 1}));
    set.Assign(0, 3, "Two", "Late");  // only the first group of a name counts
    EXPECT_EQ(FindAssignedMacro(store, set.Button(0, 3)), (LibraryPosition{1, -1}));
    set.Assign(0, 3, "None", "Same");
    EXPECT_EQ(FindAssignedMacro(store, set.Button(0, 3)), (LibraryPosition{-1, -1}));
}

TEST(MacroResync, EditReachesEveryProfileAndDeleteRevertsButtons) {
    MacroStore store;
    const std::string longName(50, 'L');
    MacroFolder& group = AddGroup(store, "G");
    group.Entries.push_back(MakeMacro("Fire", 4, 2));
    group.Entries.push_back(MakeMacro(longName, 1));
    ProfileSet set;
    for (int p = 0; p < kProfileCount; ++p) set.Assign(p, 3, "G", "Fire");
    set.Assign(2, 19, "G", "Fire");
    set.Assign(4, 8, "G", longName.substr(0, 49));  // as a 49-character copy holds it
    set.Button(1, 5).Code = 16;                       // no name: left alone

    Macro& fire = *group.Entries[0];
    fire.EventCount = 50;
    fire.Events[49] = {0x2C, kMacroRelease, 65535};
    fire.RepeatCount = 9;
    ResyncAssignedMacros(store, set.block->Profiles);
    for (int p = 0; p < kProfileCount; ++p) {
        const ButtonFunction& b = set.Button(p, 3);
        EXPECT_EQ(b.ItemCount, 50);
        EXPECT_EQ(b.ItemValue, 9);
        EXPECT_EQ(std::memcmp(b.Payload, fire.Events, 200), 0);
        EXPECT_EQ(FixedText(b.GroupName), "G");
    }
    EXPECT_EQ(set.Button(4, 8).Code, 16);
    EXPECT_EQ(FixedText(set.Button(4, 8).ItemName), longName.substr(0, 49));

    group.Entries.erase(group.Entries.begin());
    ResyncAssignedMacros(store, set.block->Profiles);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(set.Button(p, 3).Code, 7);
        EXPECT_EQ(set.Button(p, 3).ItemCount, 0);
        EXPECT_EQ(FixedText(set.Button(p, 3).ItemName), "");
    }
    EXPECT_EQ(set.Button(2, 19).Code, 100);
    EXPECT_EQ(set.Button(1, 5).Code, 16);
    EXPECT_EQ(set.Button(4, 8).Code, 16);
}
