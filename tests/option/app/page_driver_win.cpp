#include "tests/option/app/page_driver_win.h"

#include "shell/gallery/gallery_screenshot_win.h"

namespace page_driver {
namespace {

void SendMouse(POINT screen, DWORD down, DWORD up, int clicks) {
    std::vector<INPUT> inputs(1 + 2 * static_cast<std::size_t>(clicks));
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    for (int i = 0; i < clicks; ++i) {
        inputs[1 + 2 * static_cast<std::size_t>(i)].mi.dwFlags |= down;
        inputs[2 + 2 * static_cast<std::size_t>(i)].mi.dwFlags |= up;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

HWND VisiblePageWith(HWND main, int controlId) {
    struct Search {
        int id;
        HWND found;
    } search{controlId, nullptr};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (IsWindowVisible(child) && GetDlgItem(child, s.id)) s.found = child;
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<ListRow> Rows(HWND list) {
    std::vector<ListRow> rows;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // Across processes the list hands its text over as UTF-16.
        wchar_t wide[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        rows.push_back({text, static_cast<uint32_t>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0))});
    }
    return rows;
}

int SelectedRow(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

POINT RowPoint(HWND list, int row) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    POINT at{40, (row - top) * height + height / 2};
    ClientToScreen(list, &at);
    return at;
}

void ClickAt(POINT screen) { SendMouse(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1); }

void ClickRow(HWND list, int row) { SendMouse(RowPoint(list, row), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1); }

void DoubleClickRow(HWND list, int row) {
    SendMouse(RowPoint(list, row), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
}

void RightClickBelowRows(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    POINT at{20, client.bottom - 10};
    ClientToScreen(list, &at);
    SendMouse(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1);
}

void SendKey(WORD vk, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void TapKeys(const std::vector<WORD>& keys) {
    for (WORD vk : keys) {
        SendKey(vk, false);
        SendKey(vk, true);
    }
}

HWND ShownMenu() {
    // A menu closed earlier may linger hidden in front of the shown one.
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT area{};
    GetWindowRect(window, &area);
    return SaveScreenRect(area, path.c_str());
}

}  // namespace page_driver
