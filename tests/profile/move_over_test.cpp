#include "profile/move_over.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

TEST(MoveFileOver, ReplacesAnExistingFileAndRemovesTheSource) {
    TempFolder dir;
    dir.Write("a.ini", "old");
    dir.Write("a.ini.tmp", "new");
    EXPECT_TRUE(MoveFileOver(dir.File("a.ini.tmp"), dir.File("a.ini")));
    EXPECT_EQ(dir.ReadText("a.ini"), "new");
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.ini.tmp")));
}

TEST(MoveFileOver, CreatesAMissingTarget) {
    TempFolder dir;
    dir.Write("a.ini.tmp", "new");
    EXPECT_TRUE(MoveFileOver(dir.File("a.ini.tmp"), dir.File("a.ini")));
    EXPECT_EQ(dir.ReadText("a.ini"), "new");
}

TEST(MoveFileOver, MissingSourceIsRefusedAndTheTargetKept) {
    TempFolder dir;
    dir.Write("a.ini", "old");
    EXPECT_FALSE(MoveFileOver(dir.File("gone.tmp"), dir.File("a.ini")));
    EXPECT_EQ(dir.ReadText("a.ini"), "old");
}
