// Times the advanced page's redisplay while recording: the captured key
// handled and the page painted, for the 49th event and for the 50th, which
// also stops the recording, writes the macro back, resyncs the five
// profiles and saves the library. Run it under Wine or on Windows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "keys/key_capture_win.h"
#include "option/advanced_page/advanced_page_win.h"
#include "profile/file_lock.h"
#include "profile/profile_defaults.h"
#include "shell/bitmap_edit_win.h"
#include "skins/skin_entries.h"

namespace {

constexpr int kRounds = 20;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One captured key, handled and what it invalidated painted; its time in ms.
double CaptureAndPaint(HWND page, WPARAM vk, bool released) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageA(page, WM_KEY_CAPTURED, vk, released ? kKeyReleased : 0);
    RedrawWindow(page, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

void Click(HWND page, int id) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("  %s: mean %.2f ms, median %.2f ms, max %.2f ms\n", what, sum / static_cast<double>(times.size()),
                times[times.size() / 2], times.back());
}

}  // namespace

int main(int, char** argv) {
    RegisterBitmapEditMessages();
    const auto dir = std::filesystem::temp_directory_path() / "advanced_page_timing";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "config");
    const std::string program = (dir / "").string();
    InProcessFileLock lock;
    LibraryStores libraries(program, lock);
    MacroFolder& group = libraries.MacroLibrary().Folders.emplace_back();
    group.Name = "Timing";
    group.Entries.push_back(std::make_unique<Macro>());
    LibraryEntry<Macro>::SetName(*group.Entries[0], "Fifty");
    group.Count = 1;
    group.Expanded = true;

    SharedBlock edited{};
    const NoTexts texts;
    BuildDefaultProfiles(edited, texts);
    const OptionFolders folders{program, argv[1] ? argv[1] : ""};
    const PageContext context{edited, texts, folders, libraries};

    HWND owner = CreateWindowExA(0, "STATIC", "timing", WS_POPUP | WS_VISIBLE, 0, 0, 940, 500, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    AdvancedPage page(context);
    if (!page.CreateChild(owner, {0, 0, 920, 480})) {
        std::printf("the page could not be made (skins folder as the argument?)\n");
        return 1;
    }
    ShowWindow(page.Handle(), SW_SHOW);
    const HWND tree = GetDlgItem(page.Handle(), kMacroTreeListId);
    SendMessageA(tree, LB_SETCURSEL, 1, 0);
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(kMacroTreeListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(tree));

    std::vector<double> forty_ninth, fiftieth;
    for (int round = 0; round < kRounds; ++round) {
        Click(page.Handle(), skin_advance_setting::kRecord);
        for (int event = 0; event < kMacroEventLimit - 2; ++event)
            CaptureAndPaint(page.Handle(), 'A' + event / 2 % 26, event % 2 != 0);
        forty_ninth.push_back(CaptureAndPaint(page.Handle(), VK_F1, false));
        fiftieth.push_back(CaptureAndPaint(page.Handle(), VK_F1, true));
        if (page.Editor().Recording() || page.Editor().EventCount() != kMacroEventLimit) {
            std::printf("round %d did not end with 50 events\n", round);
            return 1;
        }
    }
    std::printf("advanced page, redisplay of a captured key while recording (%d rounds):\n", kRounds);
    Report("49th event", forty_ninth);
    Report("50th event (stops, writes back, saves)", fiftieth);
    DestroyWindow(owner);
    return 0;
}
