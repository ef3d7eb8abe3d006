#include "tests/option/app/option_program_win.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "option/main_window/main_window_controls.h"
#include "profile/messages.h"
#include "shell/button_pos.h"
#include "tools/synthetic_input/synthetic_input_win.h"

using namespace e2e;

namespace {

std::string WinePath(const char* hostPath) {
    std::string path = std::string("Z:") + hostPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void CopyFolder(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((from + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + entry.cFileName).c_str(), (to + entry.cFileName).c_str(), FALSE);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

}  // namespace

OptionProgram::OptionProgram() {
    CopyFileA(WinePath(OPTION_EXE).c_str(), (Path() + "Option.exe").c_str(), FALSE);
    CopyFolder(WinePath(OPTION_SKINS) + "\\", Path() + "skins\\");
    SetDevice(1);
}

OptionProgram::~OptionProgram() {
    while (HWND main = MainWindow()) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (!WaitFor([&] { return !IsWindow(main); }, 5s)) break;
    }
    for (HANDLE process : processes_) {
        if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

void OptionProgram::SetDevice(int device) {
    WritePrivateProfileStringA("Setting", "Device", std::to_string(device).c_str(), (Path() + "config.ini").c_str());
}

HANDLE OptionProgram::Start(const std::string& workingFolder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = "\"" + Path() + "Option.exe\"";
    PROCESS_INFORMATION process = {};
    const std::string folder = workingFolder.empty() ? Path() : workingFolder;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    processes_.push_back(process.hProcess);
    return process.hProcess;
}

HWND OptionProgram::StartAndWait() {
    if (!Start()) return nullptr;
    // Some controls are made after the window's first frame: wait for all.
    WaitFor([] {
        const HWND main = MainWindow();
        return main && IsWindowVisible(main) &&
               std::all_of(std::begin(kMainControls), std::end(kMainControls),
                           [main](const MainControl& control) { return GetDlgItem(main, control.entry) != nullptr; });
    });
    return MainWindow();
}

namespace {

bool g_stateRead = false;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == msg::kDeviceStateRead) g_stateRead = true;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool OptionProgram::StartMonitorWithMouseRead() {
    WNDCLASSA standIn{};
    standIn.lpfnWndProc = StandInProc;
    standIn.hInstance = GetModuleHandleA(nullptr);
    standIn.lpszClassName = "OptionStandInForStateRead";
    RegisterClassA(&standIn);
    const HWND window = CreateWindowA(standIn.lpszClassName, names::kOptionWindowTitle, WS_POPUP, 0, 0, 1, 1,
                                      nullptr, nullptr, standIn.hInstance, nullptr);
    g_stateRead = false;
    folder_.MouseCtl("plug");
    bool started = folder_.StartMonitor();
    started = started && e2e::WaitFor([] {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        return g_stateRead;
    }, 20s);
    DestroyWindow(window);
    return started;
}

HWND OptionProgram::MainWindow() { return FindWindowA(nullptr, names::kOptionWindowTitle); }

int OptionProgram::MainWindowCount() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            char title[128] = {};
            GetWindowTextA(window, title, sizeof title);
            if (std::string(title) == names::kOptionWindowTitle) ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

void OptionProgram::ClickEntry(HWND window, const char* layoutFile, int entry) {
    char skins[MAX_PATH] = {};
    // Every window of the test folder reads its layout from the skins beside Option.exe.
    const std::string layout = WinePath(OPTION_SKINS) + "\\" + layoutFile;
    GetPrivateProfileStringA("BUTTONPOS", std::to_string(entry).c_str(), "", skins, sizeof skins, layout.c_str());
    ButtonPos pos;
    ParseButtonPos(skins, pos);
    POINT middle{(pos.rect.left + pos.rect.right) / 2, (pos.rect.top + pos.rect.bottom) / 2};
    ClientToScreen(window, &middle);
    SendClick(middle);
}

std::vector<HWND> OptionProgram::DialogsOf(HWND owner) {
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (GetWindow(window, GW_OWNER) == s.owner && IsWindowVisible(window)) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OptionProgram::WaitForDialogOf(HWND owner) {
    WaitFor([&] { return !DialogsOf(owner).empty(); });
    const auto dialogs = DialogsOf(owner);
    return dialogs.empty() ? nullptr : dialogs.front();
}

std::string OptionProgram::FileText(const std::string& relativePath) const {
    std::ifstream file(Path() + relativePath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
