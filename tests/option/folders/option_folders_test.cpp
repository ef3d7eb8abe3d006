#include <gtest/gtest.h>

#include "option/option_folders.h"

namespace {

TEST(OptionFolders, ProgramAndSkinFoldersComeFromTheProgramsOwnPath) {
    const OptionFolders windows = OptionFoldersFromModulePath("C:\\Program Files\\Mouse\\Option.exe");
    EXPECT_EQ(windows.program, "C:\\Program Files\\Mouse\\");
    EXPECT_EQ(windows.skins, "C:\\Program Files\\Mouse\\skins\\");
    // Host paths keep their own separator.
    EXPECT_EQ(OptionFoldersFromModulePath("/opt/mouse/Option.exe").skins, "/opt/mouse/skins/");
    // A bare file name: everything relative.
    const OptionFolders bare = OptionFoldersFromModulePath("Option.exe");
    EXPECT_EQ(bare.program, "");
    EXPECT_EQ(bare.skins, "skins\\");
}

}  // namespace
