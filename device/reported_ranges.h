// Ranges of the values the mouse reports in its replies and events.
#pragma once

inline constexpr int kMaxDpiStage = 8;        // DPI stages are numbered 1..8
inline constexpr int kMaxReportInterval = 8;  // report interval in ms, 1..8

constexpr bool InRange(int value, int low, int high) { return value >= low && value <= high; }
