#include "tests/option/app/button_page_driver_win.h"

#include "shell/gallery/gallery_screenshot_win.h"
#include "shell/skin_menu_layout.h"
#include "skins/skin_entries.h"
#include "tests/e2e/e2e_harness_win.h"
#include "tests/option/app/option_program_win.h"
#include "tests/option/app/page_driver_win.h"
#include "tools/synthetic_input/synthetic_input_win.h"

namespace button_page_driver {
namespace {

constexpr char kMenuClass[] = "#32768";

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

HWND ShownPage(HWND main) {
    for (HWND child = FindWindowExA(main, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(main, child, "#32770", nullptr))
        if (IsWindowVisible(child)) return child;
    return nullptr;
}

void ClickPageEntry(HWND page, int entry) { ClickButton(GetDlgItem(page, entry)); }

void ClickButton(HWND button) {
    RECT r{};
    GetWindowRect(button, &r);
    const POINT at = Centre(r);
    SendMouseMove(at);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    e2e::WaitFor([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(button, nullptr), &thread) && thread.hwndCapture == button;
    });
    INPUT press[2] = {MouseInputAt(at, MOUSEEVENTF_LEFTDOWN), MouseInputAt(at, MOUSEEVENTF_LEFTUP)};
    SendInput(2, press, sizeof(INPUT));
}

HWND OpenMenuOf(HWND button) {
    constexpr int kAttempts = 3;
    for (int i = 0; i < kAttempts; ++i) {
        ClickButton(button);
        if (e2e::WaitFor([] { return MenuWindows().size() == 1; }, std::chrono::seconds(1)))
            return MenuWindows().front();
    }
    return nullptr;
}

std::vector<HWND> MenuWindows() {
    std::vector<HWND> menus;
    for (HWND w = FindWindowExA(nullptr, nullptr, kMenuClass, nullptr); w;
         w = FindWindowExA(nullptr, w, kMenuClass, nullptr))
        if (IsWindowVisible(w)) menus.push_back(w);
    // Z order puts the newest menu on top, first.
    return {menus.rbegin(), menus.rend()};
}

HWND WaitForMenus(size_t count) {
    std::vector<HWND> menus;
    e2e::WaitFor([&] {
        menus = MenuWindows();
        return menus.size() == count;
    });
    return menus.size() == count ? menus.back() : nullptr;
}

// Every item of the page's menus is owner-drawn at the same height, so the
// item's row follows from its place in the menu data; the frame is what is
// left of the window's height.
RECT MenuItemRect(HWND menu, const std::vector<MenuItem>& items, int command, int text) {
    RECT window{};
    GetWindowRect(menu, &window);
    const int rows = static_cast<int>(items.size());
    const int frame = (window.bottom - window.top - rows * kSkinMenuItemHeight) / 2;
    for (int i = 0; i < rows; ++i) {
        if (items[i].command != command || (command == 0 && items[i].text != text)) continue;
        const int top = window.top + frame + i * kSkinMenuItemHeight;
        return {window.left + frame, top, window.right - frame, top + kSkinMenuItemHeight};
    }
    return {};
}

void ClickAt(const RECT& r) { SendClick(Centre(r)); }

void MoveTo(const RECT& r) { SendMouseMove(Centre(r)); }

void Drag(POINT from, POINT to) {
    // Moved in steps, as a hand would, so the thumb follows the pointer.
    std::vector<INPUT> inputs{MouseInputAt(from), MouseInputAt(from, MOUSEEVENTF_LEFTDOWN)};
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        inputs.push_back(MouseInputAt({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}));
    inputs.push_back(MouseInputAt(to, MOUSEEVENTF_LEFTUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Screenshot(HWND window, const std::string& name) {
    // Painting another thread's window is a sent message: done on return.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (HWND menu : MenuWindows()) RedrawWindow(menu, nullptr, nullptr, RDW_UPDATENOW);
    RECT area{};
    GetWindowRect(window, &area);
    for (HWND menu : MenuWindows()) {
        RECT r{};
        GetWindowRect(menu, &r);
        UnionRect(&area, &area, &r);
    }
    SaveScreenRect(area, page_driver::ScreenshotPath(name).c_str());
}

}  // namespace button_page_driver
