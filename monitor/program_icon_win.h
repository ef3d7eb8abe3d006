// Monitor's program icon, embedded as resource 128.
#pragma once

#include <windows.h>

inline constexpr int kProgramIconId = 128;

// The small (notification-area) size of the program icon.
HICON LoadProgramSmallIcon();
