#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "profile/ini_file.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"
#include "temp_folder.h"
#include "tools/profiletool/profile_check.h"
#include "tools/profiletool/profile_dump.h"
#include "tools/profiletool/write_defaults.h"

TEST(ProfileTool, DefaultFilesLoadBackAsTheDefaultSetByteForByte) {
    TempFolder dir;
    ASSERT_TRUE(WriteDefaultFiles(dir.Folder()));
    EXPECT_EQ(dir.ReadText("config.ini"), "[Setting]\r\nCurrentProfile=0\r\nMouseType=0\r\n");

    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    auto loaded = std::make_unique<SharedBlock>();
    auto expected = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*loaded);
    ResetSharedProfiles(*expected);
    BuildDefaultProfiles(*expected, texts);
    LoadAllProfiles(*loaded, ProfileStorage{dir.Folder(), lock, texts, mouse});
    EXPECT_EQ(loaded->CurrentProfile, 0);
    EXPECT_EQ(std::memcmp(loaded->Profiles, expected->Profiles, sizeof expected->Profiles), 0);
    for (int n = 0; n < kProfileCount; ++n)
        EXPECT_TRUE(CheckProfileFile(IniFile(ProfileFilePath(dir.Folder(), n), lock).Read()).empty()) << n;
}

TEST(ProfileTool, CheckNamesMissingKeysAndDamagedEntries) {
    TempFolder dir;
    ASSERT_TRUE(WriteDefaultFiles(dir.Folder()));
    std::string text = dir.ReadText("config/Default3.gmp");
    text.erase(text.find("LiftLevel="), std::strlen("LiftLevel=0\r\n"));
    const std::size_t sum = text.find("MacroKeyInfo3=") + std::strlen("MacroKeyInfo3=") + 1440;
    text[sum] = text[sum] == 'F' ? 'E' : 'F';
    text.insert(text.find("MacroKeyInfo9=") + std::strlen("MacroKeyInfo9="), "00");

    const auto problems = CheckProfileFile(IniDocument::Parse(text));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0], "LiftLevel: missing");
    EXPECT_EQ(problems[1], "MacroKeyInfo3: bad struct value (not hexadecimal or checksum mismatch)");
    EXPECT_EQ(problems[2], "MacroKeyInfo9: bad struct value (length 1444, expected 1442)");
}

TEST(ProfileTool, DumpNamesEveryFieldAndDecodesButtons) {
    auto profile = std::make_unique<Profile>();
    std::memset(profile.get(), 0, sizeof *profile);
    BuildDefaultProfile(*profile, 0, NoTexts());
    const std::string dump = DumpProfile(*profile);
    EXPECT_NE(dump.find("ProFileName = 'Default1'\n"), std::string::npos);
    EXPECT_NE(dump.find("ProfileSwitchIndictor = 1\n"), std::string::npos);
    EXPECT_NE(dump.find("MacroKeyInfo0 = bank 1 button 1, index 0: 1 primary click\n"), std::string::npos);
    EXPECT_NE(dump.find("MacroKeyInfo20 = bank 2 button 5, index 20: 100 fire pattern 'M4'"), std::string::npos);
}
