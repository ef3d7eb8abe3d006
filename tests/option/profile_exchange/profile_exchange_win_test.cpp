#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "option/profile_exchange/file_attributes_win.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder.h"
#include "tests/profile/temp_folder.h"

namespace {

// The imported file is hidden, and a second import replaces the hidden file.
TEST(ProfileImportOnWindows, ImportedFileIsHiddenAndCanBeReplacedAgain) {
    TempFolder folder;
    folder.Write("config/keep", "");
    InProcessFileLock lock;
    NoTexts texts;
    PlatformFileAttributes attributes;
    const ProfileExchange with{folder.Folder(), lock, texts, attributes};
    auto edited = std::make_unique<SharedBlock>();
    BuildDefaultProfiles(*edited, texts);
    const std::string target = ProfileFilePath(folder.Folder(), 0);
    for (const char* name : {"First", "Second"}) {
        folder.Write("in.gmp", std::string("[Setting]\r\nProFileName=") + name + "\r\n");
        ASSERT_EQ(ImportProfile(folder.File("in.gmp"), *edited, with), ExchangeResult::Done) << name;
        const DWORD flags = GetFileAttributesA(target.c_str());
        ASSERT_NE(flags, INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(flags & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_TRUE(flags & FILE_ATTRIBUTE_ARCHIVE);
        EXPECT_STREQ(edited->Profiles[0].ProFileName, name);
        EXPECT_EQ(folder.ReadText("config/Default0.gmp"), folder.ReadText("in.gmp"));
    }
    // The profile saves of Apply still write the hidden file.
    EXPECT_EQ(SaveProfile(edited->Profiles[0], target, lock), 1);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can be removed
}

}  // namespace
