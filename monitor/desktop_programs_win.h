// Monitor's dealings with the other programs of the folder: Option and the
// sibling programs it starts and closes.
#pragma once

#include <windows.h>

#include <string>

// Option's main window, found by its title; null when Option is not running.
HWND FindOptionWindow();

// Raises a running Option (restoring it when minimised), or starts
// Option.exe from the program folder.
void OpenOption(const std::string& programFolder);

// Starts the on-screen display and the two applets, in this order; a
// program that is missing is skipped silently.
void StartSiblingPrograms(const std::string& programFolder);

// Asks every sibling window that exists to close, in a fixed order.
void CloseSiblingWindows();
