// Times the button page under Wine, on the page Option makes (skins and
// texts of an installed program folder, given as the only argument):
//   RefreshPage: ShowProfile for a full profile (every entry named, half of
//     them key combinations), alone and with the page painted, switching
//     between two profiles so every caption changes;
//   function menu: from the press on a function button (SendInput) to the
//     last item of the menu drawn.
// Prints the median and the worst of each; exits 1 when a menu never opens.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/full_profiles.h"
#include "lan/language_win.h"
#include "option/button_page/button_page_win.h"
#include "option/button_page/function_menu.h"
#include "profile/file_lock.h"
#include "shell/menu_frame_win.h"
#include "skins/skin_entries.h"
#include "tools/synthetic_input/synthetic_input_win.h"

namespace {

constexpr int kRefreshRuns = 100;
constexpr int kMenuRuns = 30;
constexpr int kMenuEntry = 20;  // a second-bank entry: the longest menu
constexpr DWORD kGuardMs = MenuReopenGuard::kQuietMs + 50;

LARGE_INTEGER g_frequency;
int g_menuItemsDrawn = 0;
LONGLONG g_lastItemDrawnAt = 0;

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Ms(LONGLONG ticks) { return static_cast<double>(ticks) * 1000.0 / static_cast<double>(g_frequency.QuadPart); }

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s median %6.2f ms   worst %6.2f ms   (%zu runs)\n", what, ms[ms.size() / 2], ms.back(),
                ms.size());
}

// Counts the owner-drawn menu items as their drawing finishes.
LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_DRAWITEM &&
        reinterpret_cast<const DRAWITEMSTRUCT*>(call->lParam)->CtlType == ODT_MENU) {
        g_lastItemDrawnAt = Now();
        ++g_menuItemsDrawn;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Every entry named (macros) and every second one a key combination, whose
// caption looks the key's name up in the active layout.
void MixKeyCombinations(SharedBlock& set) {
    for (Profile& p : set.Profiles)
        for (int e = 1; e < kButtonEntryCount; e += 2) {
            ButtonFunction& b = p.MacroKeyInfo[e];
            b.Code = 5;
            b.ItemCount = 1;
            b.Payload[0] = static_cast<uint8_t>(0x04 + e);  // A, B, ... by usage
            b.Payload[1] = static_cast<uint8_t>(e % 16 << 1);
        }
}

std::vector<double> TimeRefresh(ButtonPage& page, SharedBlock& set, HWND host, bool paint) {
    std::vector<double> ms;
    for (int i = 0; i < kRefreshRuns; ++i) {
        set.CurrentProfile = i % 2;
        const LONGLONG start = Now();
        page.ShowProfile();
        if (paint) RedrawWindow(host, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ms.push_back(Ms(Now() - start));
    }
    return ms;
}

// The user's side as a timer-driven sequence on the page's own thread (the
// menu loop dispatches timers too): pointer onto the button, press once the
// button has taken the pointer for its hover look, Escape once the menu is
// drawn, and the next round after the re-open guard's quiet time.
class MenuClicker {
public:
    MenuClicker(HWND button, int items) : button_(button), items_(items) {
        RECT r{};
        GetWindowRect(button, &r);
        at_ = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // Called every few milliseconds; false once every run is done or one failed.
    bool Step() {
        if (GetTickCount64() > deadline_) return false;
        switch (state_) {
            case State::Quiet:
                if (GetTickCount64() - closedAt_ < kGuardMs) return true;
                if (static_cast<int>(ms_.size()) == kMenuRuns) return false;
                SendMouseMove(at_);
                state_ = State::Hovering;
                deadline_ = GetTickCount64() + 5000;
                return true;
            case State::Hovering:
                if (GetCapture() != button_) return true;
                g_menuItemsDrawn = 0;
                clickedAt_ = Now();
                Send(MouseInputAt(at_, MOUSEEVENTF_LEFTDOWN));
                Send(MouseInputAt(at_, MOUSEEVENTF_LEFTUP));
                state_ = State::Opening;
                return true;
            case State::Opening:
                if (g_menuItemsDrawn < items_) return true;
                ms_.push_back(Ms(g_lastItemDrawnAt - clickedAt_));
                SendKeyTap(VK_ESCAPE);
                state_ = State::Closing;
                return true;
            case State::Closing: {
                GUITHREADINFO ui{};
                ui.cbSize = sizeof ui;
                if (GetGUIThreadInfo(GetCurrentThreadId(), &ui) && (ui.flags & GUI_INMENUMODE)) return true;
                closedAt_ = GetTickCount64();
                deadline_ = ~0ull;
                state_ = State::Quiet;
                return true;
            }
        }
        return false;
    }

    const std::vector<double>& Times() const { return ms_; }

private:
    enum class State { Quiet, Hovering, Opening, Closing };
    static void Send(INPUT input) { SendInput(1, &input, sizeof input); }

    HWND button_;
    int items_;
    POINT at_{};
    State state_ = State::Quiet;
    ULONGLONG closedAt_ = 0;
    ULONGLONG deadline_ = ~0ull;
    LONGLONG clickedAt_ = 0;
    std::vector<double> ms_;
};

MenuClicker* g_clicker = nullptr;

void CALLBACK OnClickerTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_clicker->Step()) PostQuitMessage(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: button_page_timing PROGRAM_FOLDER\\\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);
    const OptionFolders folders{argv[1], std::string(argv[1]) + "skins\\"};
    InstallMenuFrames();
    const LanguageLibrary texts(folders.program);
    InProcessFileLock lock;
    LibraryStores libraries(folders.program, lock);
    std::unique_ptr<SharedBlock> set = FullProfileSet();
    MixKeyCombinations(*set);

    const HWND host = CreateWindowExA(0, "STATIC", "button page timing", WS_POPUP | WS_VISIBLE, 0, 0, 920, 480,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const PageContext context{*set, texts, folders, libraries};
    ButtonPage page(context, LibraryDialogSlots{});
    if (!page.CreateChild(host, RECT{0, 0, 920, 480})) {
        std::fprintf(stderr, "the page could not be made from %s\n", folders.skins.c_str());
        return 1;
    }
    ShowWindow(page.Handle(), SW_SHOW);
    SetForegroundWindow(host);
    page.ShowProfile();
    RedrawWindow(host, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    Report("RefreshPage", TimeRefresh(page, *set, host, false));
    Report("RefreshPage and the page painted", TimeRefresh(page, *set, host, true));

    // The menu of a second-bank entry: show that bank first.
    SendMessageA(page.Handle(), WM_COMMAND, skin_button_page::kSecondBank,
                 reinterpret_cast<LPARAM>(GetDlgItem(page.Handle(), skin_button_page::kSecondBank)));
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProc, nullptr, GetCurrentThreadId());
    const HWND button = GetDlgItem(page.Handle(), skin_button_page::kFunction[kMenuEntry]);
    const ButtonDialogsWin noLibraryDialogs(context, {});
    MenuClicker clicker(button, static_cast<int>(FunctionMenu(kMenuEntry, noLibraryDialogs).size()));
    g_clicker = &clicker;
    const UINT_PTR timer = SetTimer(nullptr, 0, 5, OnClickerTimer);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    const bool complete = static_cast<int>(clicker.Times().size()) == kMenuRuns;
    if (!clicker.Times().empty()) Report("function menu: click to painted", clicker.Times());
    DestroyWindow(host);
    RemoveMenuFrames();
    return complete ? 0 : 1;
}
