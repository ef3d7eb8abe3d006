#include <gtest/gtest.h>

#include <memory>

#include "option/main_window/profile_set_storage.h"
#include "tests/profile/temp_folder.h"

namespace {

class ProgramFolderStorageTest : public testing::Test {
protected:
    TempFolder folder;
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    ProgramFolderStorage storage{ProfileStorage{folder.Folder(), lock, texts, mouse}};
};

TEST_F(ProgramFolderStorageTest, DeviceFlagIsZeroUntilMonitorWritesOne) {
    EXPECT_EQ(storage.DeviceFlag(), 0);
    folder.Write("config.ini", "[Setting]\r\nDevice=1\r\n");
    EXPECT_EQ(storage.DeviceFlag(), 1);
}

TEST_F(ProgramFolderStorageTest, SavedSetLoadsBack) {
    folder.Write("config/keep", "");
    auto set = std::make_unique<SharedBlock>();
    ASSERT_TRUE(storage.LoadProfiles(*set));  // no files: the defaults
    EXPECT_STREQ(set->Profiles[2].ProFileName, "Default3");
    set->CurrentProfile = 2;
    set->Profiles[2].LiftLevel = 3;
    ASSERT_TRUE(storage.SaveProfiles(*set));
    auto back = std::make_unique<SharedBlock>();
    ASSERT_TRUE(storage.LoadProfiles(*back));
    EXPECT_EQ(back->CurrentProfile, 2);
    EXPECT_EQ(back->Profiles[2].LiftLevel, 3);
}

}  // namespace
