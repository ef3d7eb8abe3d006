// mousectl.exe: plugs, unplugs and drives the virtual mouse from a console,
// for tests, scripts and demonstrations.
//   mousectl plug | unplug | press <action> [arg] | state | log
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hiddriver/mouse_client_win.h"

using namespace vmouse;

namespace {

constexpr int kOk = 0, kFailed = 1, kUsage = 2;
constexpr DWORD kPlugTimeoutMs = 10000;

int Usage() {
    std::fprintf(stderr, "usage: mousectl plug | unplug | state | log | press ACTION [ARG]\n  actions: %s\n",
                 ActionUsage());
    return kUsage;
}

HWND RequireMouse() {
    HWND mouse = FindMouseWindow();
    if (!mouse) std::fprintf(stderr, "mousectl: the virtual mouse is not plugged in\n");
    return mouse;
}

int Plug() {
    if (FindMouseWindow()) {
        std::puts("already plugged in");
        return kOk;
    }
    std::wstring program = ModuleFolder() + kProgramFileName;
    // The mouse outlives mousectl: it must not hold mousectl's output
    // handles, or a caller reading them to the end would wait for good.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "mousectl: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return kFailed;
    }
    CloseHandle(process.hThread);
    const ULONGLONG deadline = GetTickCount64() + kPlugTimeoutMs;
    while (!FindMouseWindow()) {
        if (GetTickCount64() > deadline || WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) {
            CloseHandle(process.hProcess);
            std::fprintf(stderr, "mousectl: the virtual mouse did not come up\n");
            return kFailed;
        }
    }
    CloseHandle(process.hProcess);
    std::puts("plugged in");
    return kOk;
}

int Unplug() {
    HWND mouse = FindMouseWindow();
    if (!mouse) {
        std::puts("not plugged in");
        return kOk;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(mouse, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(mouse, WM_CLOSE, 0, 0);
    const bool ended = process && WaitForSingleObject(process, kPlugTimeoutMs) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    if (!ended && FindMouseWindow()) {
        std::fprintf(stderr, "mousectl: the virtual mouse did not close\n");
        return kFailed;
    }
    std::puts("unplugged");
    return kOk;
}

int Press(const std::vector<std::string>& words) {
    std::string error;
    auto action = ParseAction(words, error);
    if (!action) {
        std::fprintf(stderr, "mousectl: %s\n", error.c_str());
        return Usage();
    }
    HWND mouse = RequireMouse();
    if (!mouse) return kFailed;
    PressRequest request{static_cast<int32_t>(action->Kind), action->Arg, action->Release ? 1 : 0};
    auto result = SendToMouse(mouse, Request::Press, &request, sizeof request);
    if (!result) {
        std::fprintf(stderr, "mousectl: the virtual mouse did not answer\n");
        return kFailed;
    }
    if (*result == 0) {
        std::puts("no event (nothing changed on the mouse)");
        return kOk;
    }
    EventWord word = UnpackEvent(static_cast<uint64_t>(*result));
    std::printf("event %04X:%04X\n", word.High, word.Low);
    return kOk;
}

std::string g_stateText;

LRESULT CALLBACK ReplyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy->dwData == static_cast<ULONG_PTR>(Request::StateText) && copy->lpData)
            g_stateText.assign(static_cast<const char*>(copy->lpData), copy->cbData);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int State() {
    HWND mouse = RequireMouse();
    if (!mouse) return kFailed;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReplyWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MouseCtlReply";
    RegisterClassW(&windowClass);
    HWND reply = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
    if (!reply) return kFailed;
    uint64_t replyWindow = reinterpret_cast<uint64_t>(reply);
    auto result = SendToMouse(mouse, Request::State, &replyWindow, sizeof replyWindow, reply);
    DestroyWindow(reply);
    if (!result || g_stateText.empty()) {
        std::fprintf(stderr, "mousectl: the virtual mouse did not answer\n");
        return kFailed;
    }
    std::fputs(g_stateText.c_str(), stdout);
    return kOk;
}

int Log() {
    FILE* file = _wfopen((ModuleFolder() + kLogFileName).c_str(), L"r");
    if (!file) {
        std::puts("(no log yet)");
        return kOk;
    }
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) std::fwrite(buffer, 1, count, stdout);
    std::fclose(file);
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    std::vector<std::string> rest(argv + 2, argv + argc);
    if (command == "press") return Press(rest);
    if (!rest.empty()) return Usage();
    if (command == "plug") return Plug();
    if (command == "unplug") return Unplug();
    if (command == "state") return State();
    if (command == "log") return Log();
    return Usage();
}
