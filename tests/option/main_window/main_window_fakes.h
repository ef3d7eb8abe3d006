// A Monitor link, a profile storage, libraries and a window that record
// each call as one line of a shared log, with switches for what exists.
#pragma once

#include <string>
#include <vector>

#include "option/main_window/main_window_view.h"
#include "option/main_window/monitor_link.h"
#include "option/main_window/profile_set_storage.h"
#include "option/option_stores.h"

using Log = std::vector<std::string>;

class FakeMonitor final : public MonitorLink {
public:
    explicit FakeMonitor(Log& log) : log_(log) {}

    BlockOpenResult opening = BlockOpenResult::Opened;
    bool copyWorks = true;   // the block mutex can be taken
    bool windowExists = true;
    SharedBlock block{};     // Monitor's block
    int applies = 0;

    BlockOpenResult OpenBlock() override {
        log_.push_back("open block");
        return opening;
    }
    bool CopyIn(SharedBlock& local) override {
        log_.push_back("copy in");
        if (!Available()) return false;
        local = block;
        return true;
    }
    bool CopyOut(const SharedBlock& local) override {
        log_.push_back("copy out");
        if (!Available()) return false;
        block = local;
        return true;
    }
    bool PostApply() override {
        log_.push_back(windowExists ? "post 1224" : "post 1224 (no window)");
        applies += windowExists;
        return windowExists;
    }
    void Release() override { log_.push_back("release block"); }

private:
    bool Available() const { return opening == BlockOpenResult::Opened && copyWorks; }
    Log& log_;
};

class FakeStorage final : public ProfileSetStorage {
public:
    explicit FakeStorage(Log& log) : log_(log) {}

    bool filesReadable = true;
    SharedBlock files{};  // what the profile files hold
    int32_t device = 1;
    int saves = 0;

    bool LoadProfiles(SharedBlock& set) override {
        log_.push_back("load files");
        if (!filesReadable) {
            set.CurrentProfile = 3;  // a failed load may leave anything behind
            return false;
        }
        set = files;
        return true;
    }
    bool SaveProfiles(const SharedBlock& set) override {
        log_.push_back("save files");
        files = set;
        ++saves;
        return true;
    }
    void WriteMouseSettings(const Profile& profile) override {
        log_.push_back("mouse settings " + std::string(profile.ProFileName));
    }
    int32_t DeviceFlag() override { return device; }

private:
    Log& log_;
};

class FakeStores final : public OptionStores {
public:
    explicit FakeStores(Log& log) : log_(log) {}
    void Load() override { log_.push_back("load stores"); }
    void SaveMacros() override { log_.push_back("save macros"); }
    void Free() override { log_.push_back("free stores"); }
    const NamedStore& Macros() const override { return none_; }
    const NamedStore& Guns() const override { return none_; }
    const NamedStore& AdvancedGuns() const override { return none_; }

private:
    Log& log_;
    NoNames none_;
};

class FakeView final : public MainWindowView {
public:
    explicit FakeView(Log& log) : log_(log) {}

    bool busy = false;
    int warnings = 0;

    void SetApplyBusy(bool b) override {
        busy = b;
        log_.push_back(b ? "busy" : "idle");
    }
    void ShowPage(int page) override { log_.push_back("page " + std::to_string(page)); }
    void MarkProfile(int profile) override { log_.push_back("mark " + std::to_string(profile)); }
    void RefreshPages() override { log_.push_back("refresh pages"); }
    void RefreshDpiStage() override { log_.push_back("refresh dpi"); }
    void RefreshPollingRate() override { log_.push_back("refresh polling"); }
    void ShowMapViewFailed() override { log_.push_back("map view failed"); }
    void ShowNotConnectedWarning() override {
        ++warnings;
        log_.push_back("not connected");
    }
    void KillConnectionCheckTimer() override { log_.push_back("kill timer"); }
    void Close() override { log_.push_back("close"); }
    void DestroyPages() override { log_.push_back("destroy pages"); }
    void DeleteSkinPictures() override { log_.push_back("delete pictures"); }

private:
    Log& log_;
};
