#include "device/foreground_match.h"

#include "connection_fixture.h"
#include "profile/fixed_text.h"
#include "profile/messages.h"

namespace {

class ForegroundTest : public ConnectionTest {
protected:
    void SetGameFile(int index, const std::string& path) {
        SetFixedText(local->Profiles[index].GameFile, path);
    }
};

TEST_F(ForegroundTest, GameFileIsTrimmedReducedToItsNameAndComparedWithoutCase) {
    SetGameFile(1, "  C:\\Games\\Shooter\\GAME.EXE \t");
    EXPECT_EQ(ProfileForProgram(*local, "game.exe"), 1);
    SetGameFile(1, "/opt/games/Game.exe");
    EXPECT_EQ(ProfileForProgram(*local, "game.exe"), 1);
    SetGameFile(1, "D:/mixed\\dirs/game.exe");
    EXPECT_EQ(ProfileForProgram(*local, "game.exe"), 1);
    SetGameFile(1, "game.exe");
    EXPECT_EQ(ProfileForProgram(*local, "GAME.exe"), 1);
    EXPECT_EQ(ProfileForProgram(*local, "game.ex"), -1);
    EXPECT_EQ(ProfileForProgram(*local, "other.exe"), -1);
}

TEST_F(ForegroundTest, EmptyGameFilesNeverMatch) {
    SetGameFile(0, "");
    SetGameFile(1, "   \t ");
    SetGameFile(2, "C:\\Games\\");
    EXPECT_EQ(ProfileForProgram(*local, ""), -1);
}

TEST_F(ForegroundTest, LowestIndexWinsWhenTwoProfilesNameTheSameProgram) {
    SetGameFile(4, "game.exe");
    SetGameFile(2, "C:\\other\\Game.exe");
    EXPECT_EQ(ProfileForProgram(*local, "game.exe"), 2);
}

// A GameFile that fills its field without a terminator is read no further.
TEST_F(ForegroundTest, UnterminatedGameFileStaysInsideItsField) {
    Profile& p = local->Profiles[0];
    std::memset(p.GameFile, 'a', sizeof p.GameFile);
    std::memcpy(p.GameFile + sizeof p.GameFile - 6, "\\x.exe", 6);
    EXPECT_EQ(ProfileForProgram(*local, "x.exe"), 0);
}

TEST_F(ForegroundTest, MatchingAnotherProfileSwitchesToIt) {
    Connect();
    effects.osdSettings = OsdSettingsFields{1, 0, 0};
    connection.LoadOsdSettings();
    SetGameFile(3, "game.exe");
    effects.foreground = "GAME.EXE";

    connection.OnTimer(msg::kTimerForegroundCheck);
    EXPECT_EQ(local->CurrentProfile, 3);
    EXPECT_EQ(log, (Log{"copy out", "request 3", "write+apply windows", "option 1255",
                        "osd 1324 40 " + std::to_string(3 << 16)}));
}

TEST_F(ForegroundTest, ProfileNoticeOnlyWhenTheSwitchIsOn) {
    Connect();
    SetGameFile(3, "game.exe");
    effects.foreground = "game.exe";
    effects.optionExists = false;
    connection.CheckForegroundProgram();
    EXPECT_EQ(log, (Log{"copy out", "request 3", "write+apply windows",
                        "option 1255 (no window)"}));
}

TEST_F(ForegroundTest, NothingHappensForTheCurrentProfileOrAnUnknownProgram) {
    Connect();
    local->CurrentProfile = 2;
    SetGameFile(2, "game.exe");
    effects.foreground = "game.exe";
    connection.CheckForegroundProgram();
    effects.foreground = "editor.exe";
    connection.CheckForegroundProgram();
    effects.foreground.reset();
    connection.CheckForegroundProgram();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(local->CurrentProfile, 2);
}

}  // namespace
