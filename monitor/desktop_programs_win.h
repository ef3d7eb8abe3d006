// Monitor's dealings with the other programs of the folder: Option and the
// sibling programs it starts and closes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/owned_handles_win.h"

// Option's main window, found by its title; null when Option is not running.
HWND FindOptionWindow();

// Raises a running Option (restoring it when minimised), or starts
// Option.exe from the program folder.
void OpenOption(const std::string& programFolder);

// The on-screen display and the two applets, started with Monitor and closed
// with it.
class SiblingPrograms {
public:
    // Starts them in this order; a program that is missing is skipped silently.
    void Start(const std::string& programFolder);
    // Asks every sibling window that exists to close, in a fixed order. A
    // sibling still starting up (Monitor closed at once) is given a moment
    // to make its window first: closed by its window, it would run on alone.
    void Close();

private:
    std::vector<UniqueKernelHandle> started_;
};
