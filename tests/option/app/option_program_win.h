// Option.exe in a temporary program folder (with Monitor, the virtual mouse,
// lan.dll and the skins), driven from outside as the user would: real
// clicks at the layout's rectangles, windows found by title and owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_harness_win.h"

class OptionProgram {
public:
    OptionProgram();
    ~OptionProgram();

    e2e::ProgramFolder& Folder() { return folder_; }
    const std::string& Path() const { return folder_.Path(); }

    // "Device" of config.ini, as Monitor writes it.
    void SetDevice(int device);
    // Plugs in the mouse and starts Monitor, and returns once Monitor has
    // read the mouse's state into the block: it then tells Option, and a
    // stand-in window with Option's title hears it. An Option started
    // earlier would have its edits replaced by that late reload.
    bool StartMonitorWithMouseRead();
    // Starts Option.exe in `workingFolder` (the program folder when empty)
    // and returns its process handle (owned here).
    HANDLE Start(const std::string& workingFolder = "");
    // Starts Option.exe and waits for its main window with all its controls.
    HWND StartAndWait();
    static HWND MainWindow();
    static int MainWindowCount();

    // A real click at the middle of BUTTONPOS `entry` of `layoutFile`, in `window`.
    static void ClickEntry(HWND window, const char* layoutFile, int entry);
    void ClickMain(int entry) const { ClickEntry(MainWindow(), "skin_main.ini", entry); }

    // Visible top-level windows owned by `owner` (its dialogs).
    static std::vector<HWND> DialogsOf(HWND owner);
    static HWND WaitForDialogOf(HWND owner);

    std::string FileText(const std::string& relativePath) const;

private:
    e2e::ProgramFolder folder_;
    std::vector<HANDLE> processes_;
};
