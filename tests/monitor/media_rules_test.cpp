#include <gtest/gtest.h>

#include "monitor/media_rules.h"
#include "profile/button_code.h"

TEST(MediaRules, OnlyOptionsZeroToThreeChooseAPlayer) {
    EXPECT_EQ(PlayerForOption(0), MediaPlayer::WindowsMediaPlayer);
    EXPECT_EQ(PlayerForOption(3), MediaPlayer::Winamp);
    EXPECT_FALSE(PlayerForOption(4));
    EXPECT_FALSE(PlayerForOption(-1));
}

TEST(MediaRules, CommandLinePathTakesQuotedPathOrWholeLine) {
    EXPECT_EQ(LaunchPathFromCommandLine("\"C:\\Program Files\\Winamp\\winamp.exe\" \"%1\""),
              "C:\\Program Files\\Winamp\\winamp.exe");
    EXPECT_EQ(LaunchPathFromCommandLine("C:\\Real\\realplay.exe /play"), "C:\\Real\\realplay.exe /play");
    EXPECT_EQ(LaunchPathFromCommandLine("\"C:\\unterminated\\winamp.exe"), "C:\\unterminated\\winamp.exe");
    EXPECT_EQ(LaunchPathFromCommandLine("\""), "");
    EXPECT_EQ(LaunchPathFromCommandLine(""), "");
}

TEST(MediaRules, LaunchPathNeedsThePlayersNameInIt) {
    EXPECT_EQ(LaunchPathFor(MediaPlayer::Winamp, "\"C:\\Apps\\WINAMP.EXE\" \"%1\""), "C:\\Apps\\WINAMP.EXE");
    EXPECT_EQ(LaunchPathFor(MediaPlayer::Winamp, "\"C:\\Apps\\other.exe\" \"%1\""), "");
    EXPECT_EQ(LaunchPathFor(MediaPlayer::RealPlayer, "C:\\Real\\RealPlay.exe"), "C:\\Real\\RealPlay.exe");
    EXPECT_EQ(LaunchPathFor(MediaPlayer::ITunes, "C:\\Music\\itunes.exe"), "C:\\Music\\itunes.exe");
    EXPECT_EQ(LaunchPathFor(MediaPlayer::ITunes, ""), "");
    EXPECT_EQ(LaunchPathFor(MediaPlayer::WindowsMediaPlayer, "C:\\wmp\\wmplayer.exe"), "C:\\wmp\\wmplayer.exe");
}

TEST(MediaRules, WinampPlayPauseAlternatesStartingWithPlay) {
    bool playing = false;
    EXPECT_EQ(WinampCommandId(MediaCommand::PlayPause, playing), 40045u);
    EXPECT_EQ(WinampCommandId(MediaCommand::PlayPause, playing), 40046u);
    EXPECT_EQ(WinampCommandId(MediaCommand::PlayPause, playing), 40045u);
    EXPECT_EQ(WinampCommandId(MediaCommand::Next, playing), 40048u);
    EXPECT_TRUE(playing) << "other commands leave the toggle alone";
}

TEST(MediaRules, MediaCodesAndProgramFunctions) {
    EXPECT_EQ(CommandForMediaCode(0x21), MediaCommand::Next);
    EXPECT_EQ(CommandForMediaCode(0x24), MediaCommand::Stop);
    EXPECT_FALSE(CommandForMediaCode(0x20));
    EXPECT_FALSE(CommandForMediaCode(0x25));
    EXPECT_EQ(AppCommandParam(MediaCommand::PlayPause), 0x000E0000u);
    EXPECT_EQ(RealPlayerCommandId(MediaCommand::Previous), 65740u);
    for (int code : {17, 122, 123}) EXPECT_TRUE(StartsProgram(static_cast<ButtonCode>(code)));
    for (int code : {0, 16, 18, 121, 124}) EXPECT_FALSE(StartsProgram(static_cast<ButtonCode>(code)));
}
