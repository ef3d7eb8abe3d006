#include "monitor/foreground_program_win.h"

#include <windows.h>
#include <tlhelp32.h>

std::optional<std::string> ForegroundProgramFileName() {
    DWORD processId = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &processId);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> name;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            std::string path = entry.szExeFile;
            const auto slash = path.find_last_of("\\/");
            name = slash == std::string::npos ? path : path.substr(slash + 1);
            break;
        }
    }
    CloseHandle(snapshot);
    return name;
}
