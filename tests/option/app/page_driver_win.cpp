#include "tests/option/app/page_driver_win.h"

#include "shell/gallery/gallery_screenshot_win.h"

namespace page_driver {
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

void ClickRow(HWND list, int row) { SendClick(RowPoint(list, row)); }

void DoubleClickRow(HWND list, int row) { SendClick(RowPoint(list, row), 2); }

void RightClickBelowRows(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    POINT at{20, client.bottom - 10};
    ClientToScreen(list, &at);
    SendClick(at, 1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void TapKeys(const std::vector<WORD>& keys) {
    for (WORD vk : keys) SendKeyTap(vk);
}

HWND ShownMenu() {
    // A menu closed earlier may linger hidden in front of the shown one.
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

std::string ScreenshotPath(const std::string& name) {
    std::string folder = std::string("Z:") + SCREENSHOT_FOLDER;
    for (char& c : folder)
        if (c == '/') c = '\\';
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\" + name + ".bmp";
}

bool SaveWindowPicture(HWND window, const std::string& name) {
    RECT area{};
    GetWindowRect(window, &area);
    return SaveScreenRect(area, ScreenshotPath(name).c_str());
}

}  // namespace page_driver
