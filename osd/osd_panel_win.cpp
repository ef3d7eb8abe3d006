// OsdPanel: the on-screen display beside Monitor. It owns the window that
// Monitor posts notices to, and shows each notice as a borderless, topmost,
// click-through panel near the bottom centre of the screen that fades out.
#include <windows.h>

#include <string>

#include "osd/osd_notice.h"
#include "profile/file_lock_win.h"
#include "profile/ini_file.h"
#include "profile/message_params.h"
#include "profile/osd_record.h"
#include "profile/program_folder.h"
#include "profile/program_folder_win.h"

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT kFadeTickMs = 40;
constexpr int kPanelWidth = 360;
constexpr int kPanelHeight = 64;
constexpr int kBottomMargin = 96;
constexpr COLORREF kPanelColour = RGB(16, 18, 24);
constexpr COLORREF kAccentColour = RGB(18, 72, 158);
constexpr COLORREF kTextColour = RGB(230, 230, 230);

struct Panel {
    std::string folder;  // program folder, with trailing backslash
    std::string text;
    DWORD shownAt = 0;
    OsdValues values;  // the two values Monitor passes after each apply
};

Panel g_panel;

// config.ini is shared with Monitor and Option: every change goes through
// the file lock all three programs take, so no program's key is lost.
NamedMutexFileLock& FilesLock() {
    static NamedMutexFileLock lock;
    return lock;
}

IniFile ConfigFile() { return IniFile(ConfigIniPath(g_panel.folder), FilesLock()); }

// Writes the default settings record (profile notices on) when config.ini
// holds none, so Monitor announces profile changes from the first start.
void EnsureSettingsRecord() {
    OsdRecordBytes record;
    const IniFile config = ConfigFile();
    if (config.GetStruct(kOsdSettingsSection, kOsdSettingsKey, record.data(), record.size())) return;
    record = DefaultOsdRecord();
    config.PutStruct(kOsdSettingsSection, kOsdSettingsKey, record.data(), record.size());
}

std::string ProfileName(int index) {
    const IniFile profile(g_panel.folder + "config\\Default" + std::to_string(index) + ".gmp", FilesLock());
    return profile.GetString("Setting", "ProFileName", "");
}

void Place(HWND window) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(window, HWND_TOPMOST, (screenW - kPanelWidth) / 2, screenH - kPanelHeight - kBottomMargin,
                 kPanelWidth, kPanelHeight, SWP_NOACTIVATE);
}

void Show(HWND window, std::string text) {
    if (text.empty()) return;
    g_panel.text = std::move(text);
    g_panel.shownAt = GetTickCount();
    Place(window);
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(NoticeOpacity(0)), LWA_ALPHA);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    SetTimer(window, kFadeTimer, kFadeTickMs, nullptr);
}

void Fade(HWND window) {
    const int opacity = NoticeOpacity(static_cast<int>(GetTickCount() - g_panel.shownAt));
    if (opacity == 0) {
        KillTimer(window, kFadeTimer);
        ShowWindow(window, SW_HIDE);
        return;
    }
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
}

void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    HBRUSH back = CreateSolidBrush(kPanelColour);
    FillRect(dc, &r, back);
    DeleteObject(back);
    HBRUSH accent = CreateSolidBrush(kAccentColour);
    RECT bar = {r.left, r.top, r.left + 6, r.bottom};
    FillRect(dc, &bar, accent);
    FrameRect(dc, &r, accent);
    DeleteObject(accent);
    HFONT font = CreateFontA(26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    DrawTextA(dc, g_panel.text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &ps);
}

void OnShowRequest(HWND window, WPARAM kind, LPARAM param) {
    if (kind == msg::kOsdShowProfile) {
        const int index = UnpackProfileNotice(static_cast<uint32_t>(param));
        Show(window, ProfileNoticeText(index, ProfileName(index)));
    } else if (kind == msg::kOsdShowMessage) {
        Show(window, ConfigFile().GetString(kOsdTextSection, kOsdTextKey, ""));
    }
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kOsdShow:
            OnShowRequest(window, wParam, lParam);
            return 0;
        case msg::kOsdSettings:
            g_panel.values = UnpackOsdValues(static_cast<uint32_t>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kFadeTimer) Fade(window);
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (FindWindowA(nullptr, names::kOsdWindowTitle)) return 0;  // one display is enough
    g_panel.folder = RunningProgramFolder();
    EnsureSettingsRecord();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "DuvaraZarivOsdPanel";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW |
                                      WS_EX_NOACTIVATE,
                                  wc.lpszClassName, names::kOsdWindowTitle, WS_POPUP, 0, 0, kPanelWidth,
                                  kPanelHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
