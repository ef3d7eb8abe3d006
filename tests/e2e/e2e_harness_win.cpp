#include "tests/e2e/e2e_harness_win.h"

#include <tlhelp32.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "lan/language_win.h"
#include "profile/file_lock.h"
#include "profile/messages.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/shared_block_win.h"
#include "profile/windows_mouse_settings.h"

namespace e2e {
namespace {

// The build hands over its own paths; Wine shows the build machine's root as Z:.
std::string WinePath(const char* hostPath) {
    std::string path = std::string("Z:") + hostPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void Copy(const char* hostPath, const std::string& target) {
    CopyFileA(WinePath(hostPath).c_str(), target.c_str(), FALSE);
}

std::string MakeTemporaryFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    const std::string path = std::string(base) + "monitor_e2e_" + std::to_string(GetCurrentProcessId()) + "_" +
                             std::to_string(++counter) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    CreateDirectoryA((path + "config").c_str(), nullptr);
    return path;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveFolder(folder + name + "\\");
        else
            DeleteFileA((folder + name).c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    RemoveDirectoryA(folder.c_str());
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The block of the running Monitor, opened the way Option opens it.
bool OpenMonitorBlock(SharedBlockChannel& channel) {
    return channel.OpenBlockMutex() && channel.OpenBlock() == BlockOpenResult::Opened;
}

constexpr const char* kStandInNames[] = {"Option.exe", "OsdPanel.exe", "players.exe", "game.exe", "launched.exe", "minimal.exe"};

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

ProgramFolder::ProgramFolder() : path_(MakeTemporaryFolder()) {
    Copy(E2E_MONITOR, path_ + "Monitor.exe");
    Copy(E2E_LAN, path_ + "lan.dll");
    Copy(E2E_HIDDRIVER, path_ + "hiddriver.dll");
    Copy(E2E_VIRTUAL_MOUSE, path_ + "VirtualMouse.exe");
    Copy(E2E_MOUSECTL, path_ + "mousectl.exe");
    for (const char* name : kStandInNames) Copy(E2E_STANDIN, path_ + name);
    // The texts of the folder's own language library, as Monitor builds them.
    BuildDefaultProfiles(profiles_, LanguageLibrary(path_));
    WriteProfiles();
}

ProgramFolder::~ProgramFolder() {
    if (monitor_.hProcess) {
        StopMonitor();
        if (WaitForSingleObject(monitor_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(monitor_.hProcess, 1);
        CloseHandle(monitor_.hProcess);
        CloseHandle(monitor_.hThread);
    }
    MouseCtl("unplug");
    // Stand-ins that Monitor started, and those the test started.
    for (const char* title : {names::kOptionWindowTitle, names::kOsdWindowTitle, "Winamp", "game", "launched"}) {
        while (HWND window = FindWindowA(nullptr, title)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            if (!WaitFor([&] { return !IsWindow(window); }, 3s)) break;
        }
    }
    for (HANDLE program : programs_) {
        if (WaitForSingleObject(program, 3000) != WAIT_OBJECT_0) TerminateProcess(program, 1);
        CloseHandle(program);
    }
    RemoveFolder(path_);
}

void ProgramFolder::WriteProfiles() {
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    SaveAllProfiles(profiles_, ProfileStorage{path_, lock, texts, mouse});
}

std::string ProgramFolder::MouseCtl(const std::string& arguments) const {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + path_ + "mousectl.exe\" " + arguments;
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, path_.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        // The virtual mouse that "plug" starts may hold the pipe open for
        // its whole life: read what is there until mousectl itself ends.
        auto drain = [&] {
            char buffer[4096];
            DWORD available = 0, count = 0;
            while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
                   ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0)
                output.append(buffer, count);
        };
        for (int waited = 0; WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT && waited < 15000; waited += 20)
            drain();
        drain();
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return output;
}

std::vector<ProgramFolder::TimedExchange> ProgramFolder::TimedMouseExchanges() const {
    std::vector<TimedExchange> exchanges;
    for (const std::string& line : ReadLines(path_ + "VirtualMouse.log")) {
        // "12:04:59.123 SET   01 88 02 00 00 00 00 74  open"; details are indented.
        if (line.empty() || line[0] == ' ') continue;
        std::istringstream words(line);
        std::string time, channel;
        words >> time >> channel;
        if (channel != "SET" && channel != "WRITE") continue;
        const auto start = line.find_first_not_of(' ', line.find(channel) + channel.size());
        const auto end = line.find("  ", start);
        exchanges.push_back({LogTimeMs(time),
                             channel + " " + line.substr(start, end == std::string::npos ? end : end - start)});
    }
    return exchanges;
}

std::vector<std::string> ProgramFolder::MouseExchanges() const {
    std::vector<std::string> exchanges;
    for (TimedExchange& exchange : TimedMouseExchanges()) exchanges.push_back(std::move(exchange.text));
    return exchanges;
}

long LogTimeMs(const std::string& time) {
    int h = 0, m = 0, s = 0, ms = 0;
    std::sscanf(time.c_str(), "%d:%d:%d.%d", &h, &m, &s, &ms);
    return ((h * 60L + m) * 60L + s) * 1000L + ms;
}

bool ProgramFolder::StartMonitor(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = "\"" + path_ + "Monitor.exe\" " + commandLine;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, path_.c_str(), &startup,
                        &process))
        return false;
    if (!monitor_.hProcess) {
        monitor_ = process;
        return WaitFor([&] { return MonitorWindow() != nullptr; });
    }
    // A second Monitor: the caller waits for it to end.
    programs_.push_back(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

void ProgramFolder::AddProgram(const char* hostPath, const std::string& fileName) const {
    Copy(hostPath, path_ + fileName);
}

void ProgramFolder::StartProgram(const std::string& fileName) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = "\"" + path_ + fileName + "\"";
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, path_.c_str(), &startup,
                       &process)) {
        programs_.push_back(process.hProcess);
        CloseHandle(process.hThread);
    }
}

HWND ProgramFolder::MonitorWindow() const { return FindWindowA(nullptr, names::kMonitorWindowTitle); }

bool ProgramFolder::StopMonitor() {
    if (HWND window = MonitorWindow()) PostMessageA(window, WM_COMMAND, msg::kCommandExitMonitor, 0);
    return monitor_.hProcess && WaitForSingleObject(monitor_.hProcess, 15000) == WAIT_OBJECT_0;
}

DWORD ProgramFolder::MonitorExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(monitor_.hProcess, &code);
    return code;
}

std::string ProgramFolder::ConfigValue(const char* section, const char* key) const {
    char value[512] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, (path_ + "config.ini").c_str());
    return value;
}

std::vector<std::string> ProgramFolder::LogOf(const std::string& name) const {
    return ReadLines(path_ + name + ".log");
}

bool ProgramFolder::Logged(const std::string& name, const std::string& line) const {
    for (const std::string& logged : LogOf(name))
        if (logged == line) return true;
    return false;
}

int RunningProgramCount(const std::string& fileName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, fileName.c_str()) == 0) ++count;
    CloseHandle(snapshot);
    return count;
}

bool ReadSharedBlock(SharedBlock& block) {
    SharedBlockChannel channel;
    return OpenMonitorBlock(channel) && channel.CopyIn(block);
}

bool WriteSharedBlock(const SharedBlock& block) {
    SharedBlockChannel channel;
    return OpenMonitorBlock(channel) && channel.CopyOut(block);
}

}  // namespace e2e
