// Numbers of the texts in the language library lan.dll, used by both
// programs. Every number a window, menu, notice or warning shows is here.
#pragma once

namespace str {

// Monitor
inline constexpr int kTrayOpenOption = 1000;
inline constexpr int kTrayExit = 1001;
inline constexpr int kTrayTip = 1111;
inline constexpr int kNoticeText1 = 156;
inline constexpr int kNoticeText2 = 157;

// Profile defaults
inline constexpr int kPresetGunName = 362;

}  // namespace str
