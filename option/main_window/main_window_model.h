// The main window's state and rules: the copy of the profiles last handed
// to Monitor and the copy the pages edit, the page shown, the profile
// buttons, the apply sequence and the messages from Monitor.
//
//   MainWindowModel model({link, storage, stores, view, texts});
//   model.Initialise();                 // after the window's controls exist
//   model.SelectProfile(2);             // profile button 3
//   model.Edited().Profiles[2]...       // pages edit this copy
//   model.Apply();                      // OK and Apply disabled until 1256
//   model.HandleMonitorMessage(1256);
#pragma once

#include <memory>
#include <string>

#include "option/main_window/main_window_view.h"
#include "option/main_window/monitor_link.h"
#include "option/main_window/profile_set_storage.h"
#include "option/main_window/startup_profiles.h"
#include "option/option_stores.h"
#include "option/profile_exchange/profile_exchange.h"
#include "profile/text_source.h"

struct MainWindowParts {
    MonitorLink& monitor;
    ProfileSetStorage& storage;
    OptionStores& stores;
    MainWindowView& view;
    const TextSource& texts;
};

inline constexpr int kBasicPage = 0;
inline constexpr int kAdvancedPage = 1;

class MainWindowModel {
public:
    explicit MainWindowModel(const MainWindowParts& parts);

    // Loads the profiles (block, files or defaults) and the libraries, and
    // shows page 0 with the current profile.
    void Initialise();

    void ShowPage(int page);
    // A profile button: makes profile 0..4 current in the edited copy only.
    void SelectProfile(int profile);

    // Hands the edited copy to Monitor: OK and Apply stay disabled until
    // Monitor reports the apply finished, or are enabled at once when
    // Monitor is not running.
    void Apply();
    void Ok();
    // Cancel and the close button: the window closes, the edits are dropped.
    void Close();

    // The first tick of the connection check timer; later ticks do nothing.
    void CheckConnection();

    // Messages 1254, 1255, 1256, 1257 and 1259; false for any other.
    bool HandleMonitorMessage(unsigned message);

    // Import and export buttons, with the file the user picked.
    ExchangeResult ImportProfileFile(const std::string& path, const ProfileExchange& with);
    ExchangeResult ExportProfileFile(const std::string& path, const ProfileExchange& with) const;

    // The model's share of the window's destruction, in order: save the
    // macro library, destroy the pages, release the block, delete the skin
    // pictures, free the libraries.
    void Destroy();

    SharedBlock& Edited() { return *edited_; }
    const SharedBlock& Edited() const { return *edited_; }
    const SharedBlock& HandedOver() const { return *handedOver_; }
    int Page() const { return page_; }
    bool ApplyPending() const { return applyPending_; }
    ProfileSource Source() const { return source_; }

private:
    void ShowCurrentProfile();
    // Whole-block copies to and from Monitor. Without a block they first
    // try to open it: Monitor may have started after this window.
    bool HaveBlock();
    bool CopyFromMonitor(SharedBlock& local) { return HaveBlock() && parts_.monitor.CopyIn(local); }
    bool CopyToMonitor(const SharedBlock& local) { return HaveBlock() && parts_.monitor.CopyOut(local); }
    // Copies the block into the handed-over copy; false when there is none.
    bool ReloadHandedOver() { return CopyFromMonitor(*handedOver_); }

    MainWindowParts parts_;
    std::unique_ptr<SharedBlock> handedOver_;
    std::unique_ptr<SharedBlock> edited_;
    ProfileSource source_ = ProfileSource::Defaults;
    int page_ = kBasicPage;
    bool blockOpen_ = false;
    bool applyPending_ = false;
    bool connectionChecked_ = false;
};
