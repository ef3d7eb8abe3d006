// Desktop effects and device channels that record each call as one line of
// a log, with switches for the windows and files a test wants to exist.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "device/monitor_effects.h"
#include "device/transport.h"
#include "transport_fake.h"

class RecordingEffects final : public MonitorEffects {
public:
    explicit RecordingEffects(Log& log) : log_(log) {}

    bool optionExists = true;
    bool osdExists = true;
    uintptr_t osdHandle = 0x1234;
    std::optional<OsdSettingsFields> osdSettings;
    std::optional<std::string> foreground;
    bool workerAccepts = true;
    const SharedBlock* sharedSource = nullptr;  // what CopyFromSharedBlock reads
    std::string notice;                          // last stored notice text
    int saves = 0;
    std::vector<WorkerRequest> requests;  // handed to the worker, not yet run

    bool PostToOption(unsigned message) override {
        Add("option " + std::to_string(message), optionExists);
        return optionExists;
    }
    bool CloseOption() override {
        Add("option close", optionExists);
        return optionExists;
    }
    void OpenOption() override { log_.push_back("open option"); }
    void PostOpenOptionCommand() override { log_.push_back("post 6001"); }
    bool PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam) override {
        Add("osd " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                std::to_string(lParam),
            osdExists);
        return osdExists;
    }
    uintptr_t OsdWindowHandle() override { return osdExists ? osdHandle : 0; }
    std::optional<OsdSettingsFields> ReadOsdSettings() override { return osdSettings; }
    void StoreNoticeText(const std::string& text) override {
        notice = text;
        log_.push_back("notice '" + text + "'");
    }
    void StartTimer(unsigned id, unsigned periodMs) override {
        log_.push_back("timer " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void KillTimer(unsigned id) override { log_.push_back("kill " + std::to_string(id)); }
    void AddTrayIcon() override { log_.push_back("tray add"); }
    void RemoveTrayIcon() override { log_.push_back("tray remove"); }
    bool PostWorkerRequest(WorkerRequest request) override {
        log_.push_back("request " + std::to_string(request.Code));
        if (workerAccepts) requests.push_back(std::move(request));
        return workerAccepts;
    }
    std::optional<std::string> ForegroundExecutableName() override { return foreground; }
    void Trace(const std::string& line) override { log_.push_back("trace " + line); }
    void WriteDeviceState(int state) override {
        log_.push_back("Device=" + std::to_string(state));
    }
    void WriteCurrentProfile(int index) override {
        log_.push_back("CurrentProfile=" + std::to_string(index));
    }
    void SaveProfiles(const SharedBlock&) override {
        ++saves;
        log_.push_back("save");
    }
    bool CopyToSharedBlock(const SharedBlock&) override {
        log_.push_back("copy out");
        return true;
    }
    bool CopyFromSharedBlock(SharedBlock& local) override {
        log_.push_back("copy in");
        if (sharedSource == nullptr) return false;
        std::memcpy(&local, sharedSource, sizeof local);
        return true;
    }
    void ApplyWindowsMouseSettings(Profile&) override { log_.push_back("apply windows"); }
    void WriteAndApplyWindowsMouseSettings(Profile&) override {
        log_.push_back("write+apply windows");
    }
    void RunProgram(const Profile&, int button) override {
        log_.push_back("run " + std::to_string(button));
    }
    void ActivatePlayer(const Profile&) override { log_.push_back("player"); }
    void MediaCommand(const Profile&, ::MediaCommand command) override {
        log_.push_back("media " + std::to_string(static_cast<int>(command)));
    }

private:
    // Posts to a missing window are logged as dropped so tests see both.
    void Add(const std::string& line, bool delivered) {
        log_.push_back(delivered ? line : line + " (no window)");
    }
    Log& log_;
};

class RecordingChannels final : public DeviceChannels {
public:
    explicit RecordingChannels(Log& log) : log_(log) {}
    bool present = true;
    void StartDeviceMonitor() override { log_.push_back("start monitor"); }
    void OpenFeatureDevice() override { log_.push_back("open feature"); }
    bool OpenReportDevice() override {
        log_.push_back("open report");
        return present;
    }
    void CloseFeatureDevice() override { log_.push_back("close feature"); }
    void CloseReportDevice() override { log_.push_back("close report"); }
    void StopDeviceMonitor() override { log_.push_back("stop monitor"); }

private:
    Log& log_;
};
