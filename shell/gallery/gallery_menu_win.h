// The gallery's popup menu, shown by a thread of its own so that it stays
// open while the gallery window keeps its hover and pressed states (a menu
// takes the mouse capture of the thread that tracks it).
#pragma once

#include <windows.h>

#include <atomic>

#include "shell/owned_handles_win.h"

class GalleryMenu {
public:
    GalleryMenu() = default;
    ~GalleryMenu();
    GalleryMenu(const GalleryMenu&) = delete;
    GalleryMenu& operator=(const GalleryMenu&) = delete;

    // Opens the menu at `at` (screen coordinates) with its submenu open.
    bool Open(POINT at);
    // True once the menu and its submenu are both on screen.
    bool Shown() const;
    // Closes the menu and waits for its thread.
    void Close();

private:
    static DWORD WINAPI Run(void* self);

    POINT at_{};
    UniqueKernelHandle thread_;
    UniqueKernelHandle ready_;  // set when the owner window exists
    std::atomic<HWND> owner_ = nullptr;  // lives on the menu thread
};
