#include "option/main_window/main_window_model.h"

#include "profile/change_flags.h"
#include "profile/messages.h"
#include "profile/profile_defaults.h"

MainWindowModel::MainWindowModel(const MainWindowParts& parts)
    : parts_(parts), handedOver_(std::make_unique<SharedBlock>()), edited_(std::make_unique<SharedBlock>()) {
    ResetSharedProfiles(*handedOver_);
    ResetSharedProfiles(*edited_);
}

void MainWindowModel::Initialise() {
    const StartupProfiles startup = LoadStartupProfiles(*handedOver_, parts_.monitor, parts_.storage, parts_.texts);
    source_ = startup.source;
    blockOpen_ = startup.blockOpen;
    if (startup.viewFailed) parts_.view.ShowMapViewFailed();
    parts_.stores.Load();
    *edited_ = *handedOver_;
    // Profiles read from the files took their pointer settings from the
    // user's settings already; the block's may differ from them.
    if (source_ == ProfileSource::SharedBlock)
        if (const Profile* current = ActiveProfile(*handedOver_)) parts_.storage.WriteMouseSettings(*current);
    ShowPage(kBasicPage);
    ShowCurrentProfile();
}

void MainWindowModel::ShowPage(int page) {
    if (page != kBasicPage && page != kAdvancedPage) return;
    page_ = page;
    parts_.view.ShowPage(page);
}

void MainWindowModel::SelectProfile(int profile) {
    if (profile < 0 || profile >= kProfileCount) return;
    edited_->CurrentProfile = profile;
    ShowCurrentProfile();
}

void MainWindowModel::Apply() {
    if (applyPending_) return;
    parts_.view.SetApplyBusy(true);
    ComputeChangeFlags(*edited_, *handedOver_);
    CopyToMonitor(*edited_);
    parts_.storage.SaveProfiles(*edited_);
    const bool monitorRuns = parts_.monitor.PostApply();
    ClearAppliedFlags(*edited_);
    *handedOver_ = *edited_;
    parts_.stores.SaveMacros();
    if (monitorRuns)
        applyPending_ = true;  // until Monitor answers
    else
        parts_.view.SetApplyBusy(false);
}

void MainWindowModel::Ok() {
    Apply();
    Close();
}

void MainWindowModel::Close() { parts_.view.Close(); }

void MainWindowModel::CheckConnection() {
    if (connectionChecked_) return;
    connectionChecked_ = true;
    parts_.view.KillConnectionCheckTimer();
    if (parts_.storage.DeviceFlag() == 0) parts_.view.ShowNotConnectedWarning();
}

bool MainWindowModel::HandleMonitorMessage(unsigned message) {
    switch (message) {
        case msg::kDeviceStateRead:
        case msg::kCurrentProfileChanged:
            if (ReloadHandedOver()) {
                *edited_ = *handedOver_;
                ShowCurrentProfile();
            }
            return true;
        case msg::kApplyFinished:
            // Only an apply of ours holds the capture; a late answer to an
            // apply that was already finished must not release another's.
            if (applyPending_) {
                applyPending_ = false;
                parts_.view.SetApplyBusy(false);
            }
            return true;
        case msg::kDpiStageChanged:
            if (ReloadHandedOver())
                if (const Profile* mouse = ActiveProfile(*handedOver_)) {
                    edited_->Profiles[handedOver_->CurrentProfile].CpiStep = mouse->CpiStep;
                    parts_.view.RefreshDpiStage();
                }
            return true;
        case msg::kPollingRateChanged:
            if (ReloadHandedOver())
                if (const Profile* mouse = ActiveProfile(*handedOver_)) {
                    edited_->Profiles[handedOver_->CurrentProfile].PollingRate = mouse->PollingRate;
                    parts_.view.RefreshPollingRate();
                }
            return true;
        default:
            return false;
    }
}

ExchangeResult MainWindowModel::ImportProfileFile(const std::string& path, const ProfileExchange& with) {
    const ExchangeResult result = ImportProfile(path, *edited_, with);
    if (result == ExchangeResult::Done || result == ExchangeResult::WriteFailed) parts_.view.RefreshPages();
    return result;
}

ExchangeResult MainWindowModel::ExportProfileFile(const std::string& path, const ProfileExchange& with) const {
    return ExportProfile(path, *edited_, with);
}

void MainWindowModel::Destroy() {
    parts_.stores.SaveMacros();
    parts_.view.DestroyPages();
    parts_.monitor.Release();
    parts_.view.DeleteSkinPictures();
    parts_.stores.Free();
}

void MainWindowModel::ShowCurrentProfile() {
    parts_.view.MarkProfile(edited_->CurrentProfile);
    parts_.view.RefreshPages();
}

bool MainWindowModel::HaveBlock() {
    // Without the block an apply would make Monitor send its old copy to
    // the mouse: Monitor may have started since, so look again.
    if (!blockOpen_) blockOpen_ = parts_.monitor.OpenBlock() == BlockOpenResult::Opened;
    return blockOpen_;
}
