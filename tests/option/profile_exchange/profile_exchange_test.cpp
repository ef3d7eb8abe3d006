#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/profile_exchange/profile_exchange.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"
#include "tests/profile/temp_folder.h"

namespace {

class RecordingAttributes final : public FileAttributes {
public:
    void MarkHiddenAndArchive(const std::string& path) override { hidden.push_back(path); }
    std::vector<std::string> hidden;
};

class ProfileExchangeTest : public testing::Test {
protected:
    ProfileExchangeTest() {
        folder.Write("config/keep", "");
        BuildDefaultProfiles(*edited, texts);
        for (int n = 0; n < kProfileCount; ++n) {
            SaveProfile(edited->Profiles[n], ProfileFilePath(folder.Folder(), n), lock);
            before[n] = ProfileText(n);
        }
        *original = *edited;
    }

    std::string ProfileText(int n) const { return folder.ReadText("config/Default" + std::to_string(n) + ".gmp"); }
    // A valid profile file whose profile is told apart by its name and lift level.
    std::string WriteProfileFile(const std::string& name) {
        auto profile = std::make_unique<Profile>(edited->Profiles[1]);
        std::strcpy(profile->ProFileName, "Imported");
        profile->LiftLevel = 7;
        SaveProfile(*profile, folder.File(name), lock);
        return folder.File(name);
    }
    void ExpectOtherProfilesUntouched(int except) {
        for (int n = 0; n < kProfileCount; ++n) {
            if (n == except) continue;
            EXPECT_EQ(ProfileText(n), before[n]) << "file of profile " << n;
            EXPECT_EQ(0, std::memcmp(&edited->Profiles[n], &original->Profiles[n], sizeof(Profile))) << n;
        }
    }

    TempFolder folder;
    InProcessFileLock lock;
    NoTexts texts;
    RecordingAttributes attributes;
    ProfileExchange with{folder.Folder(), lock, texts, attributes};
    std::unique_ptr<SharedBlock> edited = std::make_unique<SharedBlock>();
    std::unique_ptr<SharedBlock> original = std::make_unique<SharedBlock>();
    std::string before[kProfileCount];
};

TEST(ProfileFileDialogs, FilterAndInitialNameForThePlatformDialog) {
    static const char expected[] = "Gaming Mouse Profile(*.gmp)\0*.gmp\0";  // and the literal's own NUL
    EXPECT_EQ(DialogFilterList(kProfileFileFilter), std::string(expected, sizeof expected));
    EXPECT_EQ(InitialProfileFileName("C:\\Mouse\\"), "C:\\Mouse\\config\\.gmp");
}

TEST_F(ProfileExchangeTest, ImportReplacesTheCurrentProfilesFileHidesItAndLoadsIt) {
    edited->CurrentProfile = 0;
    const std::string chosen = WriteProfileFile("elsewhere.gmp");
    EXPECT_EQ(ImportProfile(chosen, *edited, with), ExchangeResult::Done);
    EXPECT_EQ(ProfileText(0), folder.ReadText("elsewhere.gmp"));
    EXPECT_EQ(attributes.hidden, std::vector<std::string>{ProfileFilePath(folder.Folder(), 0)});
    EXPECT_STREQ(edited->Profiles[0].ProFileName, "Imported");
    EXPECT_EQ(edited->Profiles[0].LiftLevel, 7);
    ExpectOtherProfilesUntouched(0);
}

TEST_F(ProfileExchangeTest, DamagedImportLoadsByTheLoadersRulesAndTouchesNoOtherProfile) {
    edited->CurrentProfile = 2;
    std::string junk = "[Setting]\r\nLiftLevel=12abc\r\nMacroKeyInfo3=00FF\r\n\x01\x02";
    junk += std::string(5000, '\0') + "ProFileName=" + std::string(4000, 'x') + "\n[Setting\n=\n";
    folder.Write("damaged.gmp", junk);
    EXPECT_EQ(ImportProfile(folder.File("damaged.gmp"), *edited, with), ExchangeResult::Done);
    const Profile& p = edited->Profiles[2];
    EXPECT_EQ(p.PollingRate, -1);  // missing keys read as -1
    EXPECT_EQ(p.LiftLevel, 12);    // the leading digits, as the platform reads them
    // A damaged button entry keeps the default one.
    EXPECT_EQ(0, std::memcmp(&p.MacroKeyInfo[3], &original->Profiles[2].MacroKeyInfo[3], sizeof(ButtonFunction)));
    EXPECT_EQ(ProfileText(2), junk);
    ExpectOtherProfilesUntouched(2);
}

TEST_F(ProfileExchangeTest, UnreadableFileOrNoCurrentProfileChangesNothing) {
    edited->CurrentProfile = 1;
    EXPECT_EQ(ImportProfile(folder.File("missing.gmp"), *edited, with), ExchangeResult::FileUnreadable);
    edited->CurrentProfile = -1;
    EXPECT_EQ(ImportProfile(WriteProfileFile("fine.gmp"), *edited, with), ExchangeResult::NoCurrentProfile);
    EXPECT_EQ(ExportProfile(folder.File("out.gmp"), *edited, with), ExchangeResult::NoCurrentProfile);
    EXPECT_FALSE(FileExists(folder.File("out.gmp")));
    EXPECT_TRUE(attributes.hidden.empty());
    ExpectOtherProfilesUntouched(-1);
}

TEST_F(ProfileExchangeTest, ImportingTheProfilesOwnFileKeepsIt) {
    edited->CurrentProfile = 3;
    edited->Profiles[3].LiftLevel = 9;  // an edit not yet applied
    const std::string own = ProfileFilePath(folder.Folder(), 3);
    EXPECT_EQ(ImportProfile(own, *edited, with), ExchangeResult::Done);
    EXPECT_EQ(ProfileText(3), before[3]);
    EXPECT_EQ(edited->Profiles[3].LiftLevel, original->Profiles[3].LiftLevel);
}

TEST_F(ProfileExchangeTest, ExportOverAnOldFileLeavesOnlyTheProfilesKeys) {
    edited->CurrentProfile = 4;
    edited->Profiles[4].LiftLevel = 5;
    folder.Write("out.gmp", "[Setting]\r\nStale=1\r\nLiftLevel=2\r\n[Other]\r\nx=y\r\n");
    EXPECT_EQ(ExportProfile(folder.File("out.gmp"), *edited, with), ExchangeResult::Done);
    const std::string text = folder.ReadText("out.gmp");
    EXPECT_EQ(text.find("Stale"), std::string::npos);
    EXPECT_EQ(text.find("[Other]"), std::string::npos);
    EXPECT_EQ(text.rfind("[Setting]\r\nProFileName=Default5\r\n", 0), 0u) << text.substr(0, 80);
    auto back = std::make_unique<Profile>();
    LoadProfile(*back, folder.File("out.gmp"), lock, texts);
    EXPECT_EQ(0, std::memcmp(back.get(), &edited->Profiles[4], sizeof(Profile)));
    EXPECT_EQ(ProfileText(4), before[4]);
    ExpectOtherProfilesUntouched(4);
}

}  // namespace
