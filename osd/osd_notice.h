// What the on-screen display shows, and when it fades: plain rules the
// panel's window follows.
#pragma once

#include <string>

// Text of the profile notice: "Profile 2" or, when the profile has a
// display name, "Profile 2: Sniper".
std::string ProfileNoticeText(int profileIndex, const std::string& profileName);

// Opacity (0..255) of a notice `elapsedMs` after it was shown: fully
// visible, then a short fade-out; 0 means the notice is over.
int NoticeOpacity(int elapsedMs);

inline constexpr int kNoticeVisibleMs = 1500;
inline constexpr int kNoticeFadeMs = 400;
inline constexpr int kNoticeOpacity = 235;
