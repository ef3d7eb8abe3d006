#include "monitor/desktop_programs_win.h"

#include <shellapi.h>

#include "profile/messages.h"

namespace {

// How long a sibling may take to make its window when Monitor closes at once.
constexpr DWORD kSiblingStartWaitMs = 3000;

void Trace(const char* line) { OutputDebugStringA(line); }

void OpenWithShell(const std::string& path) {
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

HWND FindOptionWindow() { return FindWindowA(nullptr, names::kOptionWindowTitle); }

void OpenOption(const std::string& programFolder) {
    Trace("CMonitorWnd OnCustomizer\n");
    if (HWND option = FindOptionWindow()) {
        Trace("CMonitorWnd OnCustomizer hWnd!=NULL\n");
        if (IsIconic(option)) ShowWindow(option, SW_SHOWNORMAL);
        SetForegroundWindow(option);
        SetActiveWindow(option);
        return;
    }
    Trace("CMonitorWnd OnCustomizer hWnd==NULL\n");
    OpenWithShell(programFolder + "Option.exe");
}

void SiblingPrograms::Start(const std::string& programFolder) {
    for (const char* program : {"OsdPanel.exe", "Applets\\SysMeter.exe", "Applets\\MailWatch.EXE"}) {
        const std::string path = programFolder + program;
        // The shell would show an error box for a missing file.
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        SHELLEXECUTEINFOA start{};
        start.cbSize = sizeof start;
        start.fMask = SEE_MASK_NOCLOSEPROCESS;
        start.lpVerb = "open";
        start.lpFile = path.c_str();
        start.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExA(&start) && start.hProcess) started_.emplace_back(start.hProcess);
    }
}

void SiblingPrograms::Close() {
    // Returns at once for a sibling that is ready or gone.
    for (const UniqueKernelHandle& process : started_) WaitForInputIdle(process.get(), kSiblingStartWaitMs);
    started_.clear();
    for (const char* title : names::kSiblingWindowTitles) {
        if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, WM_CLOSE, 0, 0);
    }
}
