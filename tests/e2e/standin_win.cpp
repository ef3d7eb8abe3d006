// Stand-in for the programs Monitor deals with, in end-to-end tests. Its
// role comes from its own file name, so one build is copied under several
// names into the test's program folder:
//   Option.exe    a window titled like Option's main window
//   OsdPanel.exe  a window titled like the on-screen display
//   players.exe   windows of the classes Winamp, RealPlayer and iTunes use
//   anything else a visible window titled by its name that takes the front
// Every program appends to <name>.log beside itself: "start", then one line
// per message of interest ("<window> <message> <wParam> <lParam>").
#include <windows.h>

#include <cstdio>
#include <string>

#include "profile/messages.h"

namespace {

std::string g_logPath;

void AppendLog(const std::string& line) {
    HANDLE file = CreateFileA(g_logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

bool Recorded(UINT message) {
    return message >= WM_USER || message == WM_COMMAND || message == WM_KEYDOWN || message == WM_KEYUP ||
           message == WM_CLOSE;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Recorded(message)) {
        char tag[64] = {};
        GetClassNameA(window, tag, sizeof tag);
        char line[160];
        std::snprintf(line, sizeof line, "%s %u %llu %lld", tag, message, static_cast<unsigned long long>(wParam),
                      static_cast<long long>(lParam));
        AppendLog(line);
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* className, const char* title, bool visible) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, title, visible ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP, 10, 10, 300,
                           200, nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full = path;
    const auto slash = full.find_last_of('\\');
    const std::string folder = full.substr(0, slash + 1);
    std::string name = full.substr(slash + 1);
    name = name.substr(0, name.find_last_of('.'));
    CharLowerA(name.data());
    g_logPath = folder + name + ".log";

    if (name == "option") {
        MakeWindow("Option", names::kOptionWindowTitle, true);
    } else if (name == "osdpanel") {
        MakeWindow("Osd", names::kOsdWindowTitle, false);
    } else if (name == "players") {
        MakeWindow("Winamp v1.x", "Winamp", false);
        MakeWindow("GeminiWindowClass", "RealPlayer", false);
        MakeWindow("iTunes", "iTunes", false);
    } else {
        HWND window = MakeWindow(name.c_str(), name.c_str(), true);
        SetForegroundWindow(window);
    }
    AppendLog("start");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
