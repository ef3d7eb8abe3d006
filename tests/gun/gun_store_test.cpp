#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "gun/gun_edits.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"
#include "profile/struct_value.h"
#include "temp_folder.h"

namespace {

std::unique_ptr<Gun> MakeGun(std::string_view name, int steps) {
    auto gun = std::make_unique<Gun>(NewGun(name));
    gun->StepCount = steps;
    for (int i = 0; i < kGunStepCount; ++i) gun->Steps[i] = {i - 3, 2 * i + 1, static_cast<uint16_t>(10 * i), {0, 0}};
    return gun;
}

GunFolder& AddFolder(GunStore& store, std::string name, int guns = 0) {
    store.Folders.emplace_back();
    store.Folders.back().Name = std::move(name);
    for (int i = 0; i < guns; ++i) store.Folders.back().Entries.push_back(MakeGun("g" + std::to_string(i), 1 + i % 8));
    return store.Folders.back();
}

struct Files {
    TempFolder dir;
    InProcessFileLock lock;
    std::string path = GunLibraryPath(dir.Folder());
    Files() { std::filesystem::create_directories(dir.Folder() + "config"); }
};

}  // namespace

TEST(GunRecord, NewEntriesAndBytesAtTheirOffsets) {
    Gun gun = NewGun("M4");
    gun.Steps[1] = {-2, 100, 999, {0, 0}};
    const auto* bytes = reinterpret_cast<const uint8_t*>(&gun);
    const uint8_t head[] = {0, 0, 0, 0, 1, 0, 0, 0, 'M', '4', 0};
    EXPECT_EQ(std::memcmp(bytes, head, sizeof head), 0);
    EXPECT_EQ(bytes[60], 1);     // StepCount
    EXPECT_EQ(bytes[64], 0xFF);  // red
    EXPECT_EQ(bytes[72], 1);
    EXPECT_EQ(bytes[80], 1);
    EXPECT_EQ(bytes[84], 1);  // Aux
    const uint8_t step[] = {0xFE, 0xFF, 0xFF, 0xFF, 100, 0, 0, 0, 0xE7, 0x03, 0, 0};
    EXPECT_EQ(std::memcmp(bytes + 88 + 12, step, sizeof step), 0);
    EXPECT_EQ(EncodeStructValue(&gun, sizeof gun).size(), 370u);

    const AdvanceGun pattern = NewAdvanceGun("P");
    EXPECT_EQ(pattern.ModeValues[0], 0);
    EXPECT_EQ(pattern.Aux, 0);
    EXPECT_EQ(pattern.Color, 0x0000FFu);
}

TEST(GunStoreFile, EmptyStoreAndByteForByteRoundTrip) {
    Files f;
    GunStore store;
    ASSERT_TRUE(SaveGunStore(store, f.path, f.lock));
    EXPECT_EQ(f.dir.ReadText("config/Gun.dat"), "[SetGun]\r\nnumber=0\r\n");

    AddFolder(store, "Rifles ", 11);
    AddFolder(store, "Empty");
    AddFolder(store, "Pistols", 2);
    ASSERT_TRUE(SaveGunStore(store, f.path, f.lock));
    std::string first = f.dir.ReadText("config/Gun.dat");
    EXPECT_NE(first.find("0=Rifles \r\n"), std::string::npos);
    EXPECT_NE(first.find("[Rifles]\r\nnumber=11\r\n"), std::string::npos);
    // Reading a value drops its outer blanks; the round trip starts without them.
    store.Folders[0].Name = "Rifles";
    ASSERT_TRUE(SaveGunStore(store, f.path, f.lock));
    first = f.dir.ReadText("config/Gun.dat");

    GunStore loaded;
    LoadGunStore(loaded, f.path, f.lock);
    ASSERT_EQ(loaded.Folders.size(), 3u);
    EXPECT_EQ(loaded.Folders[0].Entries.size(), 11u);
    EXPECT_EQ(std::memcmp(loaded.Folders[2].Entries[1].get(), store.Folders[2].Entries[1].get(), sizeof(Gun)), 0);
    const std::string copy = AdvanceGunLibraryPath(f.dir.Folder());
    ASSERT_TRUE(SaveGunStore(loaded, copy, f.lock));
    EXPECT_EQ(f.dir.ReadText("config/AdvanceGun.dat"), first);
}

TEST(GunStoreFile, DamagedEntriesAreSkippedAndNamesCut) {
    Files f;
    Gun unterminated = NewGun("");
    std::memset(unterminated.Name, 'N', sizeof unterminated.Name);
    const Gun good = NewGun("ok");
    std::string badSum = EncodeStructValue(&good, sizeof good);
    badSum[badSum.size() - 1] ^= 1;
    f.dir.Write("config/Gun.dat", "[SetGun]\nnumber=2\n0=" + std::string(60, 'F') + "\n1=Lost\n[" + std::string(60, 'F') +
                                      "]\nnumber=4\n0=" + EncodeStructValue(&unterminated, sizeof(Gun)) +
                                      "\n1=" + badSum + "\n3=" + EncodeStructValue(&good, sizeof good) + "\n");
    GunStore store;
    LoadGunStore(store, f.path, f.lock);
    ASSERT_EQ(store.Folders.size(), 2u);
    EXPECT_EQ(store.Folders[0].Name, std::string(49, 'F'));
    ASSERT_EQ(store.Folders[0].Entries.size(), 2u);
    EXPECT_EQ(LibraryEntry<Gun>::Name(*store.Folders[0].Entries[0]), std::string(49, 'N'));
    EXPECT_EQ(LibraryEntry<Gun>::Name(*store.Folders[0].Entries[1]), "ok");
    EXPECT_TRUE(store.Folders[1].Entries.empty());
    EXPECT_EQ(store.Folders[1].Count, -1);
}

namespace {

struct ProfileSet {
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    ProfileSet() { BuildDefaultProfiles(*block, NoTexts()); }
    ButtonFunction& Button(int p, int e) { return block->Profiles[p].MacroKeyInfo[e]; }
    void Assign(int p, int e, std::string_view folder, const Gun& gun) {
        ButtonFunction& b = Button(p, e);
        b.Code = 105;
        SetFixedText(b.GroupName, folder);
        SetFixedText(b.ItemName, LibraryEntry<Gun>::Name(gun));
        b.ItemCount = static_cast<uint16_t>(gun.StepCount);
        std::memcpy(b.Steps, gun.Steps, sizeof b.Steps);
        b.AdvanceGunGroup = 0;
        b.AdvanceGunItem = 1;
    }
};

}  // namespace

TEST(PatternRefresh, FindsTheCopyAndTellsWhetherItChanged) {
    GunStore store;
    AddFolder(store, "Rifles", 3);
    AddFolder(store, "rifles", 3);
    ProfileSet set;
    set.Assign(0, 19, " RIFLES", *store.Folders[0].Entries[2]);
    PatternMatch match = FindButtonPattern(store, set.Button(0, 19));
    EXPECT_TRUE(match.found && match.same);
    EXPECT_EQ(match.position, (LibraryPosition{0, 2}));

    store.Folders[0].Entries[2]->Steps[5].X = 77;  // beyond the steps in use
    EXPECT_TRUE(FindButtonPattern(store, set.Button(0, 19)).same);
    store.Folders[0].Entries[2]->StepCount = 4;
    EXPECT_FALSE(FindButtonPattern(store, set.Button(0, 19)).same);
    store.Folders[0].Entries[2]->StepCount = 1000;  // damaged: compared within the record
    EXPECT_FALSE(FindButtonPattern(store, set.Button(0, 19)).same);
}

TEST(PatternRefresh, EditRenameAndDeleteReachEveryProfile) {
    GunStore store;
    AddFolder(store, "Adv", 3);
    ProfileSet set;
    for (int p = 0; p < kProfileCount; ++p) {
        set.Assign(p, 24 + p, "Adv", *store.Folders[0].Entries[1]);
        set.Assign(p, 19, "Adv", *store.Folders[0].Entries[2]);
    }
    set.Assign(0, 3, "Adv", *store.Folders[0].Entries[2]);  // first bank: not refreshed
    set.Button(1, 20).Code = 100;                           // gun library: not refreshed

    Gun& edited = *store.Folders[0].Entries[1];
    edited.StepCount = 8;
    edited.RepeatCount = 40;
    edited.Color = 0x123456;
    edited.Steps[7].Delay = 500;
    RefreshPatternButtons(set.block->Profiles, store);
    for (int p = 0; p < kProfileCount; ++p) {
        const ButtonFunction& b = set.Button(p, 24 + p);
        EXPECT_EQ(b.Code, 105);
        EXPECT_EQ(b.ItemCount, 8);
        EXPECT_EQ(b.ItemValue, 40);
        EXPECT_EQ(b.GunColor, 0x123456u);
        EXPECT_EQ(b.GunAux, 1);
        EXPECT_EQ(b.Steps[7].Delay, 500);
        EXPECT_EQ(b.AdvanceGunItem, 1);
    }

    LibraryEntry<Gun>::SetName(edited, "Renamed");
    DeleteEntry(store, PatternLibrary::Advanced, 0, 2);
    RefreshPatternButtons(set.block->Profiles, store);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(set.Button(p, 24 + p).Code, kDefaultButtonCodes[24 + p]);
        EXPECT_EQ(FixedText(set.Button(p, 24 + p).ItemName), "");
        EXPECT_EQ(set.Button(p, 19).Code, 100);
    }
    EXPECT_EQ(set.Button(0, 3).Code, 105);
    EXPECT_EQ(set.Button(1, 20).Code, 100);
    EXPECT_EQ(FixedText(set.Button(1, 20).ItemName), "M4");
}

TEST(PatternEdits, ProtectedEntriesAndFolders) {
    GunStore store;
    AddFolder(store, "A", 3);
    AddFolder(store, "B", 3);
    EXPECT_FALSE(DeleteEntry(store, PatternLibrary::Gun, 0, 0));
    EXPECT_TRUE(CanDeleteEntry(store, PatternLibrary::Gun, 0, 1));
    EXPECT_FALSE(CanDeleteEntry(store, PatternLibrary::Advanced, 0, 1));
    EXPECT_TRUE(CanDeleteEntry(store, PatternLibrary::Advanced, 1, 0));
    EXPECT_FALSE(CanDeleteEntry(store, PatternLibrary::Gun, 1, 3));
    EXPECT_FALSE(DeleteFolder(store, PatternLibrary::Advanced, 0));
    EXPECT_FALSE(DeleteFolder(store, PatternLibrary::Advanced, 2));
    EXPECT_TRUE(DeleteEntry(store, PatternLibrary::Advanced, 0, 2));
    EXPECT_EQ(store.Folders[0].Entries.size(), 2u);
    EXPECT_TRUE(DeleteFolder(store, PatternLibrary::Gun, 0));
    EXPECT_EQ(store.Folders[0].Name, "B");
}

TEST(PatternEdits, ValuesAreBoundedAndLockedOnesKept) {
    Gun gun = NewGun("g");
    gun.ModeIndex = 2;
    EXPECT_EQ(SetModeValue(gun, 150), 100);
    EXPECT_EQ(gun.ModeValues[2], 100);
    EXPECT_EQ(SetModeValue(gun, -4), 0);
    EXPECT_EQ(SetRepeatCount(gun, 0), 1);
    EXPECT_EQ(SetRepeatCount(gun, 300), 255);
    EXPECT_EQ(gun.RepeatCount, 255);

    gun.ReadOnly = 1;
    SetModeValue(gun, 50);
    SetRepeatCount(gun, 7);
    EXPECT_EQ(gun.ModeValues[2], 0);
    EXPECT_EQ(gun.RepeatCount, 255);

    gun.Steps[6].Y = -100;
    SetStepCount(gun, 3);  // a locked gun's step count still changes
    EXPECT_EQ(gun.StepCount, 3);
    EXPECT_EQ(gun.Steps[6].Y, -100);
    SetStepCount(gun, 12);
    EXPECT_EQ(gun.StepCount, 8);
    SetStepCount(gun, 0);
    EXPECT_EQ(gun.StepCount, 1);
}
