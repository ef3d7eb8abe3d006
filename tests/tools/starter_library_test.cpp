#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "profile/fixed_text.h"
#include "profile/ini_file.h"
#include "profile/profile_defaults.h"
#include "tools/starter_library/starter_source.h"

namespace {

GunStore ParseFile(const std::string& name) {
    std::string source, error;
    EXPECT_TRUE(ReadWholeFile(STARTER_SOURCE_DIR + name, source));
    GunStore store;
    EXPECT_TRUE(ParseStarterSource(source, store, error)) << error;
    return store;
}

}  // namespace

// A fresh install must hold every gun its default buttons refer to, with
// the values those buttons were given.
TEST(StarterLibrary, HoldsTheGunsOfTheDefaultButtons) {
    const GunStore guns = ParseFile("Gun.txt");
    ASSERT_FALSE(guns.Folders.empty());
    ASSERT_GE(guns.Folders[0].Entries.size(), 11u);
    auto profile = std::make_unique<Profile>();
    std::memset(profile.get(), 0, sizeof *profile);
    BuildDefaultProfile(*profile, 0, NoTexts());
    for (int e : {19, 20, 22, 23}) {
        const ButtonFunction& b = profile->MacroKeyInfo[e];
        const Gun* gun = FindEntry(guns, b.GunGroup, b.GunItem);
        ASSERT_NE(gun, nullptr) << "entry " << e;
        if (e != 19) {  // 19 is named by a language string
            EXPECT_EQ(LibraryEntry<Gun>::Name(*gun), FixedText(b.ItemName));
        }
        EXPECT_EQ(gun->ModeValues[b.ModeIndex], b.ModeValue) << "entry " << e;
        EXPECT_EQ(gun->Color, b.GunColor) << "entry " << e;
        EXPECT_EQ(gun->Aux, b.GunAux);
        EXPECT_GE(gun->StepCount, 1);
        EXPECT_EQ(gun->ReadOnly, 0);
    }
    const GunStore patterns = ParseFile("AdvanceGun.txt");
    ASSERT_FALSE(patterns.Folders.empty());
    EXPECT_GE(patterns.Folders[0].Entries.size(), 2u);
    EXPECT_EQ(patterns.Folders[0].Entries[0]->ModeValues[0], 0);
}

TEST(StarterLibrary, SourceErrorsNameTheirLine) {
    GunStore store;
    std::string error;
    EXPECT_FALSE(ParseStarterSource("folder F\ngun G\n  step 0 101 5\n", store, error));
    EXPECT_EQ(error, "line 3: 101 is outside -100..100");
    EXPECT_FALSE(ParseStarterSource("folder F\ngun G\ngun H\n  step 0 1 5\n", store, error));
    EXPECT_EQ(error, "line 3: entry without steps");
    EXPECT_FALSE(ParseStarterSource("gun G\n", store, error));
    EXPECT_FALSE(ParseStarterSource("folder F\npattern P\n  colour red\n", store, error));

    ASSERT_TRUE(ParseStarterSource("folder F\npattern P\n  repeat 4\n  locked\n  step -1 2 3\n  step 4 5 6\n", store, error));
    const Gun& p = *store.Folders[0].Entries[0];
    EXPECT_EQ(p.StepCount, 2);
    EXPECT_EQ(p.RepeatCount, 4);
    EXPECT_EQ(p.ReadOnly, 1);
    EXPECT_EQ(p.Steps[1].Delay, 6);
}
