// Driving a page of the running Option.exe from the test process as the
// user would: rows of its skinned lists read through the list messages,
// real clicks on rows, keys and right clicks through SendInput, and
// screenshots of a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/synthetic_input/synthetic_input_win.h"

namespace page_driver {

struct ListRow {
    std::string text;
    uint32_t data;
};

// The visible child of `main` that holds a control with id `controlId`.
HWND VisiblePageWith(HWND main, int controlId);
std::vector<ListRow> Rows(HWND list);
int SelectedRow(HWND list);
// The middle of row `row` in screen coordinates.
POINT RowPoint(HWND list, int row);
void ClickRow(HWND list, int row);
void DoubleClickRow(HWND list, int row);
// A right click at the list's bottom-left corner, below its rows.
void RightClickBelowRows(HWND list);
// Presses and releases each key in turn.
void TapKeys(const std::vector<WORD>& keys);
// The popup menu shown, or nullptr.
HWND ShownMenu();
// Where a picture called `name` goes: the build's screenshots folder,
// which is made when missing.
std::string ScreenshotPath(const std::string& name);
// The window's screen area as a 24-bit .bmp called `name` there.
bool SaveWindowPicture(HWND window, const std::string& name);

}  // namespace page_driver
