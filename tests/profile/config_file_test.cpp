#include <gtest/gtest.h>

#include "profile/config_file.h"
#include "profile/program_folder.h"
#include "temp_folder.h"

TEST(FirmwareVersion, TextInsertsPointAfterFirstDigit) {
    EXPECT_EQ(FirmwareVersionText(105), "1.05");
    EXPECT_EQ(FirmwareVersionText(2310), "2.310");
    EXPECT_EQ(FirmwareVersionText(100), "1.00");
    EXPECT_EQ(FirmwareVersionText(99), "N/A");
    EXPECT_EQ(FirmwareVersionText(0), "N/A");
    EXPECT_EQ(FirmwareVersionText(-1), "N/A");
}

TEST(FirmwareVersion, ReadFromConfigWithDefault100) {
    TempFolder dir;
    InProcessFileLock lock;
    EXPECT_EQ(FirmwareVersionText(ReadFirmwareVersion(dir.Folder(), lock)), "1.00");
    dir.Write("config.ini", "[SETTING]\r\nfwversion=2310\r\n");
    EXPECT_EQ(ReadFirmwareVersion(dir.Folder(), lock), 2310);
}

TEST(ConfigFile, DeviceFlagAndCurrentProfileKeepOtherValues) {
    TempFolder dir;
    InProcessFileLock lock;
    dir.Write("config.ini", "[Setting]\r\nCurrentProfile=1\r\nFWVersion=105\r\n[OSDData]\r\nMessage=hi\r\n");
    const std::string ini = ConfigIniPath(dir.Folder());
    EXPECT_EQ(ReadDeviceFlag(ini, lock), 0);
    EXPECT_TRUE(WriteDeviceFlag(ini, 1, lock));
    EXPECT_TRUE(WriteCurrentProfile(dir.Folder(), 4, lock));
    EXPECT_EQ(ReadDeviceFlag(ini, lock), 1);
    EXPECT_EQ(dir.ReadText("config.ini"),
              "[Setting]\r\nCurrentProfile=4\r\nFWVersion=105\r\nDevice=1\r\n[OSDData]\r\nMessage=hi\r\n");
}

TEST(ProgramFolder, FolderOfModuleAndPathsUseItsSeparator) {
    EXPECT_EQ(ProgramFolderFromModulePath("C:\\Program Files\\Mouse\\Option.exe"), "C:\\Program Files\\Mouse\\");
    EXPECT_EQ(ProgramFolderFromModulePath("C:Option.exe"), "C:");
    EXPECT_EQ(ProgramFolderFromModulePath("Option.exe"), "");
    EXPECT_EQ(ProfileFilePath("C:\\Mouse\\", 0), "C:\\Mouse\\config\\Default0.gmp");
    EXPECT_EQ(ProfileFilePath("/tmp/x/", 4), "/tmp/x/config/Default4.gmp");
    EXPECT_EQ(ConfigIniPath(""), "config.ini");
}
