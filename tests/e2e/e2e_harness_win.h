// A temporary program folder with Monitor, the virtual mouse and stand-in
// programs, and the means to drive Monitor from outside as Option, the
// mouse and the user would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "profile/shared_block.h"

namespace e2e {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The five profiles written to config\ before Monitor starts.
    SharedBlock& Profiles() { return profiles_; }
    void WriteProfiles();

    // Runs mousectl with `arguments` and returns what it printed.
    std::string MouseCtl(const std::string& arguments) const;
    // Lines of the virtual mouse's log that carry an exchange: "SET 01 88 ..."
    // and "WRITE ..." (channel and hex bytes only).
    std::vector<std::string> MouseExchanges() const;
    // The same exchanges with the time of day (milliseconds) the mouse logged.
    struct TimedExchange {
        long timeMs;
        std::string text;
    };
    std::vector<TimedExchange> TimedMouseExchanges() const;

    // Starts Monitor.exe and waits for its window; false when it did not come up.
    bool StartMonitor(const std::string& commandLine = "");
    // Starts a program of the folder and returns its process handle (owned by the folder).
    void StartProgram(const std::string& fileName);
    // Copies a program of the build (host path) into the folder as `fileName`.
    void AddProgram(const char* hostPath, const std::string& fileName) const;
    HWND MonitorWindow() const;
    // Asks Monitor to end and waits for its process.
    bool StopMonitor();
    DWORD MonitorExitCode() const;

    std::string ConfigValue(const char* section, const char* key) const;
    // The lines a stand-in program logged ("option", "osdpanel", ...).
    std::vector<std::string> LogOf(const std::string& name) const;
    bool Logged(const std::string& name, const std::string& line) const;

private:
    std::string path_;
    SharedBlock profiles_{};
    PROCESS_INFORMATION monitor_{};
    std::vector<HANDLE> programs_;
};

// How many running processes have the program file `fileName`.
int RunningProgramCount(const std::string& fileName);

// Whole-block copies of the running Monitor's shared block, as Option makes them.
// Milliseconds since midnight of a log time "hh:mm:ss.mmm".
long LogTimeMs(const std::string& time);

bool ReadSharedBlock(SharedBlock& block);
bool WriteSharedBlock(const SharedBlock& block);

}  // namespace e2e
