// OsdPanel: the on-screen display beside Monitor. It owns the window that
// Monitor posts notices to, and shows each notice as a borderless, topmost,
// click-through panel near the bottom centre of the screen that fades out.
#include <windows.h>

#include <string>
#include <utility>

#include "monitor/osd_settings.h"
#include "osd/osd_notice.h"
#include "profile/file_lock_win.h"
#include "profile/ini_file.h"
#include "profile/messages.h"
#include "profile/program_folder_win.h"
#include "shell/attached_window_win.h"
#include "shell/owned_handles_win.h"

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT kFadeTickMs = 40;
constexpr int kPanelWidth = 360;
constexpr int kPanelHeight = 64;
constexpr int kBottomMargin = 96;
constexpr COLORREF kPanelColour = RGB(16, 18, 24);
constexpr COLORREF kAccentColour = RGB(18, 72, 158);
constexpr COLORREF kTextColour = RGB(230, 230, 230);
constexpr char kPanelClass[] = "DuvaraZarivOsdPanel";

// The panel window and everything it shows, bound to its window through the
// shared window base.
class OsdPanel {
public:
    explicit OsdPanel(std::string folder)
        : folder_(std::move(folder)),
          back_(CreateSolidBrush(kPanelColour)),
          accent_(CreateSolidBrush(kAccentColour)),
          font_(CreateFontA(26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial")) {}

    bool Create(HINSTANCE instance) {
        RegisterAttachedClass<OsdPanel>(kPanelClass);
        return CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW |
                                   WS_EX_NOACTIVATE,
                               kPanelClass, names::kOsdWindowTitle, WS_POPUP, 0, 0, kPanelWidth, kPanelHeight,
                               nullptr, nullptr, instance, this) != nullptr;
    }

    // Writes the default settings record (profile notices on) when config.ini
    // holds none, so Monitor announces profile changes from the first start.
    void EnsureSettingsRecord() {
        OsdSettings settings;
        const IniFile config = ConfigFile();
        if (config.GetStruct(kOsdSettingsSection, kOsdSettingsKey, settings.bytes.data(), settings.bytes.size()))
            return;
        settings = OsdSettings::Defaults();
        config.PutStruct(kOsdSettingsSection, kOsdSettingsKey, settings.bytes.data(), settings.bytes.size());
    }

private:
    friend LRESULT CALLBACK ::AttachedWindowProc<OsdPanel>(HWND, UINT, WPARAM, LPARAM);

    // config.ini is shared with Monitor and Option: every change goes through
    // the file lock all three programs take, so no program's key is lost.
    IniFile ConfigFile() { return IniFile(folder_ + "config.ini", filesLock_); }

    std::string ProfileName(int index) {
        const IniFile profile(folder_ + "config\\Default" + std::to_string(index) + ".gmp", filesLock_);
        return profile.GetString("Setting", "ProFileName", "");
    }

    void Place() {
        const int screenW = GetSystemMetrics(SM_CXSCREEN);
        const int screenH = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(window_, HWND_TOPMOST, (screenW - kPanelWidth) / 2, screenH - kPanelHeight - kBottomMargin,
                     kPanelWidth, kPanelHeight, SWP_NOACTIVATE);
    }

    void Show(std::string text) {
        if (text.empty()) return;
        text_ = std::move(text);
        shownAt_ = GetTickCount();
        Place();
        SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(NoticeOpacity(0)), LWA_ALPHA);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        InvalidateRect(window_, nullptr, TRUE);
        SetTimer(window_, kFadeTimer, kFadeTickMs, nullptr);
    }

    void Fade() {
        const int opacity = NoticeOpacity(static_cast<int>(GetTickCount() - shownAt_));
        if (opacity == 0) {
            KillTimer(window_, kFadeTimer);
            ShowWindow(window_, SW_HIDE);
            return;
        }
        SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
    }

    void Paint() {
        const PaintDc dc(window_);
        RECT r;
        GetClientRect(window_, &r);
        FillRect(dc.get(), &r, back_.get());
        RECT bar = {r.left, r.top, r.left + 6, r.bottom};
        FillRect(dc.get(), &bar, accent_.get());
        FrameRect(dc.get(), &r, accent_.get());
        const SelectedObject font(dc.get(), font_.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), kTextColour);
        DrawTextA(dc.get(), text_.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }

    void OnShowRequest(WPARAM kind, LPARAM param) {
        if (kind == msg::kOsdShowProfile) {
            const int index = static_cast<int>((static_cast<DWORD>(param) >> 16) & 0xFFFF);
            Show(ProfileNoticeText(index, ProfileName(index)));
        } else if (kind == msg::kOsdShowMessage) {
            Show(ConfigFile().GetString(kOsdTextSection, kOsdTextKey, ""));
        }
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case msg::kOsdShow:
                OnShowRequest(wParam, lParam);
                return 0;
            case msg::kOsdSettings:
                firstValue_ = static_cast<int32_t>((static_cast<DWORD>(lParam) >> 16) & 0xFFFF);
                secondValue_ = static_cast<int32_t>(static_cast<DWORD>(lParam) & 0xFFFF);
                return 0;
            case WM_TIMER:
                if (wParam == kFadeTimer) Fade();
                return 0;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_NCHITTEST:
                return HTTRANSPARENT;
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
            default:
                return DefWindowProcA(window_, message, wParam, lParam);
        }
    }

    HWND window_ = nullptr;
    std::string folder_;  // program folder, with trailing backslash
    NamedMutexFileLock filesLock_;
    std::string text_;
    DWORD shownAt_ = 0;
    int32_t firstValue_ = 0;  // the two values Monitor passes after each apply
    int32_t secondValue_ = 0;
    UniqueBrush back_;
    UniqueBrush accent_;
    UniqueFont font_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (FindWindowA(nullptr, names::kOsdWindowTitle)) return 0;  // one display is enough
    OsdPanel panel(RunningProgramFolder());
    panel.EnsureSettingsRecord();
    if (!panel.Create(instance)) return 1;

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
