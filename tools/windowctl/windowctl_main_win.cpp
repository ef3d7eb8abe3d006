// windowctl.exe: waits for or closes a top-level window by its title, so
// that scripts can tell when a program is up and ask it to end the way the
// user would.
//   windowctl wait TITLE SECONDS   exit 0 once the window exists, 1 when SECONDS pass first
//   windowctl close TITLE          posts WM_CLOSE; exit 1 when there is no such window
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kPollMs = 20;
constexpr int kOk = 0, kFailed = 1, kUsage = 2;

int Wait(const char* title, unsigned long seconds) {
    const ULONGLONG deadline = GetTickCount64() + seconds * 1000ull;
    while (!FindWindowA(nullptr, title)) {
        if (GetTickCount64() > deadline) return kFailed;
        Sleep(kPollMs);
    }
    return kOk;
}

int Close(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    return window && PostMessageA(window, WM_CLOSE, 0, 0) ? kOk : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "wait") == 0)
        return Wait(argv[2], std::strtoul(argv[3], nullptr, 10));
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) return Close(argv[2]);
    std::fputs("usage: windowctl wait TITLE SECONDS | close TITLE\n", stderr);
    return kUsage;
}
