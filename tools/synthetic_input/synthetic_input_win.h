// Input as a user's hand makes it, for the tests and measuring programs
// that drive our windows from outside: absolute pointer moves, clicks and
// key taps through SendInput.
#pragma once

#include <windows.h>

// An absolute pointer move to `screen`, with `buttonFlags` (for example
// MOUSEEVENTF_LEFTDOWN) pressed or released there.
INPUT MouseInputAt(POINT screen, DWORD buttonFlags = 0);
void SendMouseMove(POINT screen);
// Moves to `screen` and presses and releases `clicks` times, in one batch.
void SendClick(POINT screen, int clicks = 1, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);

// A key going down or up, with the scan code the layout gives it.
INPUT KeyInput(WORD vk, bool release);
void SendKey(WORD vk, bool release);
void SendKeyTap(WORD vk);
