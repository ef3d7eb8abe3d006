#include "tests/option/app/button_page_driver_win.h"

#include "shell/gallery/gallery_screenshot_win.h"
#include "shell/skin_menu_layout.h"
#include "skins/skin_entries.h"
#include "tests/e2e/e2e_harness_win.h"
#include "tests/option/app/option_program_win.h"

namespace button_page_driver {
namespace {

constexpr char kMenuClass[] = "#32768";

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

INPUT MouseAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return input;
}

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
    INPUT input = MouseAt(at, 0);
    SendInput(1, &input, sizeof input);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    e2e::WaitFor([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(button, nullptr), &thread) && thread.hwndCapture == button;
    });
    INPUT press[2] = {MouseAt(at, MOUSEEVENTF_LEFTDOWN), MouseAt(at, MOUSEEVENTF_LEFTUP)};
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

void ClickAt(const RECT& r) { OptionProgram::Click(Centre(r)); }

void MoveTo(const RECT& r) {
    INPUT move = MouseAt(Centre(r), 0);
    SendInput(1, &move, sizeof move);
}

void Drag(POINT from, POINT to) {
    // Moved in steps, as a hand would, so the thumb follows the pointer.
    std::vector<INPUT> inputs{MouseAt(from, 0), MouseAt(from, MOUSEEVENTF_LEFTDOWN)};
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        inputs.push_back(MouseAt({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}, 0));
    inputs.push_back(MouseAt(to, MOUSEEVENTF_LEFTUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeKey(WORD vk) {
    INPUT keys[2]{};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = vk;
        key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
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
    std::string folder = std::string("Z:") + SCREENSHOT_FOLDER;
    for (char& c : folder)
        if (c == '/') c = '\\';
    CreateDirectoryA(folder.c_str(), nullptr);
    SaveScreenRect(area, (folder + "\\" + name + ".bmp").c_str());
}

}  // namespace button_page_driver
